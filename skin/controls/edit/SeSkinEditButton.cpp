// TSeSkinEditButton: the skinned box, its skinned button on the same
// engine, and the button's glyph.

#include "skin/controls/edit/SeSkinEditButton.h"

#include "skin/controls/buttons/SeSkinButton.h"
#include "skin/controls/edit/SeEditInplaceButton.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

TSeSkinEditButton::TSeSkinEditButton(TComponent* owner)
    : TSeEditSkinned<TSeCustomEditButton>(owner), glyph_(std::make_unique<TBitmap>())
{
}

TSeSkinEditButton::~TSeSkinEditButton() = default;

TControl* TSeSkinEditButton::CreateButton()
{
    auto* button = new TSeEditInplaceButton<TSeSkinButton>(this);
    button->SetTabStop(false);
    button->SetSkinEngine(SkinEngine());
    return button;
}

TSeSkinButton* TSeSkinEditButton::SkinButton() const
{
    return dynamic_cast<TSeSkinButton*>(Button());
}

void TSeSkinEditButton::SetSkinEngine(TSeSkinEngine* engine)
{
    TSeEditSkinned<TSeCustomEditButton>::SetSkinEngine(engine);
    if (TSeSkinButton* button = SkinButton())
        button->SetSkinEngine(engine);
}

void TSeSkinEditButton::SetGlyph(const TBitmap* value)
{
    if (value)
        glyph_->Assign(value);
    else
        glyph_ = std::make_unique<TBitmap>();
    applyGlyph();
}

void TSeSkinEditButton::SetNumGlyphs(int value)
{
    numGlyphs_ = std::clamp(value, 1, 4);
    applyGlyph();
}

void TSeSkinEditButton::SetGlyphKind(TGlyphKind value)
{
    if (value == glyphKind_)
        return;
    glyphKind_ = value;
    applyGlyph();
}

void TSeSkinEditButton::ApplyButtonSettings()
{
    TSeEditSkinned<TSeCustomEditButton>::ApplyButtonSettings();
    applyGlyph();
}

void TSeSkinEditButton::applyGlyph()
{
    TSeSkinButton* button = SkinButton();
    if (!button)
        return;
    const bool hasGlyph = glyph_->Width() > 0 && glyph_->Height() > 0;
    if (glyphKind_ == gkEllipsis) {
        button->SetGlyph(nullptr);
        button->SetCaption("...");
        return;
    }
    button->SetCaption(ButtonCaption());
    button->SetGlyph(hasGlyph ? glyph_.get() : nullptr);
    if (hasGlyph)
        button->SetNumGlyphs(numGlyphs_);
    // The default kind makes room for the whole glyph cell.
    if (glyphKind_ == gkDefault && hasGlyph) {
        const int cell = glyph_->Width() / std::max(1, numGlyphs_);
        if (ButtonWidth() < cell + 6)
            SetButtonWidth(cell + 6);
    }
}
