#pragma once
// TSeSkinEditButton: the edit box with a button, both drawn from one skin
// engine: the box from its skin object ("Edit"), the button as a skinned
// push button of the same engine. The button shows a glyph of the caller's
// (gkCustom), the same with room made for it (gkDefault), or an ellipsis.

#include "skin/controls/edit/SeCustomEditButton.h"
#include "skin/controls/edit/SeEditSkinned.h"

#include <memory>

class TBitmap;
class TSeSkinButton;

enum TGlyphKind : std::uint8_t { gkCustom, gkDefault, gkEllipsis };

class TSeSkinEditButton : public TSeEditSkinned<TSeCustomEditButton> {
public:
    explicit TSeSkinEditButton(TComponent* owner);
    ~TSeSkinEditButton() override;

    // The button is bound to the same engine.
    void SetSkinEngine(TSeSkinEngine* engine) override;

    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap* value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    TGlyphKind GlyphKind() const { return glyphKind_; }
    void SetGlyphKind(TGlyphKind value);

    TSeSkinButton* SkinButton() const;

protected:
    TControl* CreateButton() override;
    void ApplyButtonSettings() override;

private:
    void applyGlyph();

    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    TGlyphKind glyphKind_ = gkCustom;
};
