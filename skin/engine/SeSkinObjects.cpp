#include "skin/engine/SeSkinObjects.h"

#include "platform/Gdi.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Font.h"

namespace {

bool hotPressedOrFocused(std::uint8_t state)
{
    return state == SeStateHot || state == SeStatePressed || state == SeStateFocused;
}

TSePropertyList withObjects(TSePropertyList list, void (*add)(TSePropertyList&))
{
    add(list);
    return list;
}

} // namespace

// ---- TSeActiveObject / TSeActiveSkinObject -----------------------------------------------

TSeActiveObject::TSeActiveObject(TComponent* owner) : TSeSkinObject(owner), activeFont_(std::make_unique<TFont>()) {}
TSeActiveObject::~TSeActiveObject() = default;

const TSePropertyList& TSeActiveObject::Properties() const
{
    using C = TSeActiveObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BaseProperties();
        SeProps::AddColor(l, "ActiveColor", [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).activeColor_); },
                          [](TSeSkinObject& o, int v) { static_cast<C&>(o).activeColor_ = v; });
        SeProps::AddFont(l, "ActiveFont", [](const TSeSkinObject& o) { return static_cast<const C&>(o).activeFont_.get(); });
        return withObjects(std::move(l), AddObjectsProperty);
    }();
    return list;
}

TFont* TSeActiveObject::EffectiveFont() const
{
    return hotPressedOrFocused(state_) ? activeFont_.get() : TSeSkinObject::EffectiveFont();
}
TColor TSeActiveObject::DrawColor() const
{
    return active_ || hotPressedOrFocused(state_) ? activeColor_ : TSeSkinObject::DrawColor();
}
TFont* TSeActiveObject::DrawFont() const { return active_ || hotPressedOrFocused(state_) ? activeFont_.get() : Font(); }
void TSeActiveObject::CollectFonts(std::vector<TFont*>& fonts) const
{
    TSeSkinObject::CollectFonts(fonts);
    fonts.push_back(activeFont_.get());
}
void TSeActiveObject::CollectColors(std::vector<TColor*>& colours)
{
    TSeSkinObject::CollectColors(colours);
    colours.push_back(&activeColor_);
}

TSeActiveSkinObject::TSeActiveSkinObject(TComponent* owner)
    : TSeSkinObject(owner), activeFont_(std::make_unique<TFont>())
{
}
TSeActiveSkinObject::~TSeActiveSkinObject() = default;

const TSePropertyList& TSeActiveSkinObject::Properties() const
{
    using C = TSeActiveSkinObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BaseProperties();
        SeProps::AddColor(l, "ActiveColor", [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).activeColor_); },
                          [](TSeSkinObject& o, int v) { static_cast<C&>(o).activeColor_ = v; });
        SeProps::AddFont(l, "ActiveFont", [](const TSeSkinObject& o) { return static_cast<const C&>(o).activeFont_.get(); });
        return withObjects(std::move(l), AddObjectsProperty);
    }();
    return list;
}

TFont* TSeActiveSkinObject::EffectiveFont() const
{
    return hotPressedOrFocused(state_) ? activeFont_.get() : TSeSkinObject::EffectiveFont();
}
TColor TSeActiveSkinObject::DrawColor() const
{
    return active_ || hotPressedOrFocused(state_) ? activeColor_ : TSeSkinObject::DrawColor();
}
TFont* TSeActiveSkinObject::DrawFont() const
{
    return active_ || hotPressedOrFocused(state_) ? activeFont_.get() : Font();
}
void TSeActiveSkinObject::CollectFonts(std::vector<TFont*>& fonts) const
{
    TSeSkinObject::CollectFonts(fonts);
    fonts.push_back(activeFont_.get());
}
void TSeActiveSkinObject::CollectColors(std::vector<TColor*>& colours)
{
    TSeSkinObject::CollectColors(colours);
    colours.push_back(&activeColor_);
}

// ---- TSeTextObject -------------------------------------------------------------------------

TSeTextObject::TSeTextObject(TComponent* owner) : TSeSkinObject(owner)
{
    for (auto& font : fonts_)
        font = std::make_unique<TFont>();
}
TSeTextObject::~TSeTextObject() = default;

const TSePropertyList& TSeTextObject::Properties() const
{
    using C = TSeTextObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BaseProperties();
        SeProps::AddFont(l, "FontHot", [](const TSeSkinObject& o) { return static_cast<const C&>(o).FontHot(); });
        SeProps::AddFont(l, "FontFocused", [](const TSeSkinObject& o) { return static_cast<const C&>(o).FontFocused(); });
        SeProps::AddFont(l, "FontPressed", [](const TSeSkinObject& o) { return static_cast<const C&>(o).FontPressed(); });
        SeProps::AddFont(l, "FontDisabled", [](const TSeSkinObject& o) { return static_cast<const C&>(o).FontDisabled(); });
        return withObjects(std::move(l), AddObjectsProperty);
    }();
    return list;
}

TFont* TSeTextObject::EffectiveFont() const
{
    switch (state_) {
    case SeStateHot: return FontHot();
    case SeStatePressed: return FontPressed();
    case SeStateFocused: return FontFocused();
    case SeStateDisabled: return FontDisabled();
    default: return Font();
    }
}

void TSeTextObject::CollectFonts(std::vector<TFont*>& fonts) const
{
    TSeSkinObject::CollectFonts(fonts);
    for (const auto& font : fonts_)
        fonts.push_back(font.get());
}

// ---- TSeColorButtonObject ------------------------------------------------------------------

TSeColorButtonObject::TSeColorButtonObject(TComponent* owner) : TSeSkinObject(owner)
{
    for (auto& font : fonts_)
        font = std::make_unique<TFont>();
}
TSeColorButtonObject::~TSeColorButtonObject() = default;

const TSePropertyList& TSeColorButtonObject::Properties() const
{
    using C = TSeColorButtonObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BaseProperties();
        SeProps::AddColor(l, "HotColor", [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).colours_[Hot]); },
                          [](TSeSkinObject& o, int v) { static_cast<C&>(o).colours_[Hot] = v; });
        SeProps::AddFont(l, "HotFont", [](const TSeSkinObject& o) { return static_cast<const C&>(o).fonts_[Hot].get(); });
        SeProps::AddColor(l, "PressedColor",
                          [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).colours_[Pressed]); },
                          [](TSeSkinObject& o, int v) { static_cast<C&>(o).colours_[Pressed] = v; });
        SeProps::AddFont(l, "PressedFont",
                         [](const TSeSkinObject& o) { return static_cast<const C&>(o).fonts_[Pressed].get(); });
        SeProps::AddColor(l, "FocusedColor",
                          [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).colours_[Focused]); },
                          [](TSeSkinObject& o, int v) { static_cast<C&>(o).colours_[Focused] = v; });
        SeProps::AddFont(l, "FocusedFont",
                         [](const TSeSkinObject& o) { return static_cast<const C&>(o).fonts_[Focused].get(); });
        SeProps::AddColor(l, "DisabledColor",
                          [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).colours_[Disabled]); },
                          [](TSeSkinObject& o, int v) { static_cast<C&>(o).colours_[Disabled] = v; });
        SeProps::AddFont(l, "DisabledFont",
                         [](const TSeSkinObject& o) { return static_cast<const C&>(o).fonts_[Disabled].get(); });
        return withObjects(std::move(l), AddObjectsProperty);
    }();
    return list;
}

int TSeColorButtonObject::look() const
{
    switch (state_) {
    case SeStateHot: return Hot;
    case SeStatePressed: return Pressed;
    case SeStateFocused: return Focused;
    case SeStateDisabled: return Disabled;
    default: return -1;
    }
}

TFont* TSeColorButtonObject::EffectiveFont() const
{
    const int l = look();
    return l < 0 ? Font() : fonts_[l].get();
}

TColor TSeColorButtonObject::DrawColor() const
{
    const int l = look();
    return l < 0 ? Color() : colours_[l];
}

void TSeColorButtonObject::CollectFonts(std::vector<TFont*>& fonts) const
{
    TSeSkinObject::CollectFonts(fonts);
    for (const auto& font : fonts_)
        fonts.push_back(font.get());
}

void TSeColorButtonObject::CollectColors(std::vector<TColor*>& colours)
{
    TSeSkinObject::CollectColors(colours);
    for (TColor& c : colours_)
        colours.push_back(&c);
}

// ---- TSeLinkSkinObject ---------------------------------------------------------------------

TSeLinkSkinObject::TSeLinkSkinObject(TComponent* owner) : TSeSkinObject(owner) {}

const TSePropertyList& TSeLinkSkinObject::Properties() const
{
    using C = TSeLinkSkinObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BaseProperties();
        SeProps::AddString(
            l, "LinkControl", [](const TSeSkinObject& o) -> const std::string& { return static_cast<const C&>(o).linkControl_; },
            [](TSeSkinObject& o, const std::string& v) { static_cast<C&>(o).linkControl_ = v; });
        return withObjects(std::move(l), AddObjectsProperty);
    }();
    return list;
}

void TSeLinkSkinObject::Draw(TCanvas& canvas)
{
    // State 1 marks a layout preview: the control this object stands for is
    // shown as a labelled box.
    if (state_ != 1) {
        TSeSkinObject::Draw(canvas);
        return;
    }
    if (!Visible() || Width() <= 0 || Height() <= 0)
        return;
    RECT r = BoundsRect();
    HDC dc = canvas.Handle();
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(dc, &r, white);
    FrameRect(dc, &r, black);
    DeleteObject(white);
    DeleteObject(black);
    TFont font;
    font.SetName("Arial");
    font.SetStyle({fsItalic});
    font.SetColor(clBlack);
    canvas.Font()->Assign(&font);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextRect(r, linkControl_, {tfCenter, tfVerticalCenter, tfSingleLine, tfNoPrefix});
}

// ---- TSeRollPanelObject --------------------------------------------------------------------

TSeRollPanelObject::TSeRollPanelObject(TComponent* owner) : TSeSkinObject(owner) {}

const TSePropertyList& TSeRollPanelObject::Properties() const
{
    using C = TSeRollPanelObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BaseProperties();
        SeProps::AddEnum(l, "RollKind", SeRollKindNames, [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).rollKind_); },
                         [](TSeSkinObject& o, int v) { static_cast<C&>(o).rollKind_ = TSeRollKind(v); });
        SeProps::AddInteger(l, "RollValue", [](const TSeSkinObject& o) { return static_cast<const C&>(o).rollValue_; },
                            [](TSeSkinObject& o, int v) { static_cast<C&>(o).rollValue_ = v; });
        return withObjects(std::move(l), AddObjectsProperty);
    }();
    return list;
}

void TSeRollPanelObject::Roll()
{
    RECT r = BoundsRect();
    const bool horizontal = rollKind_ == rkLeft || rollKind_ == rkRight;
    const int target = rolled_ ? unrolledSize_ : rollValue_;
    if (!rolled_)
        unrolledSize_ = horizontal ? Width() : Height();
    switch (rollKind_) {
    case rkLeft: r.left = r.right - target; break;
    case rkRight: r.right = r.left + target; break;
    case rkTop: r.top = r.bottom - target; break;
    case rkBottom: r.bottom = r.top + target; break;
    }
    rolled_ = !rolled_;
    ArrangeIn(r);
    Changed();
}
