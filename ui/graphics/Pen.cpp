#include "ui/graphics/Pen.h"

#include "platform/Gdi.h"

int PenModeToRop2(TPenMode mode)
{
    static constexpr int codes[] = {
        R2_BLACK,      R2_WHITE,      R2_NOP,         R2_NOT,         R2_COPYPEN,   R2_NOTCOPYPEN,
        R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,  R2_NOTMERGEPEN,
        R2_MASKPEN,    R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN,
    };
    return codes[mode];
}

TPen::~TPen()
{
    if (handle_)
        DeleteObject(handle_);
}

void TPen::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TPen*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    color_ = other->color_;
    width_ = other->width_;
    style_ = other->style_;
    mode_ = other->mode_;
    handleChanged();
}

HPEN TPen::Handle()
{
    // A system colour may have changed since the pen was made.
    if (handle_ && color_ < 0 && ColorToRGB(color_) != handleColor_)
        handleChanged();
    if (!handle_) {
        handleColor_ = ColorToRGB(color_);
        static constexpr int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL,
                                         PS_INSIDEFRAME};
        handle_ = CreatePen(styles[style_], width_, ColorToRGB(color_));
    }
    return handle_;
}

void TPen::handleChanged()
{
    HPEN old = handle_;
    handle_ = nullptr;
    Changed();
    if (old)
        DeleteObject(old);
}

void TPen::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    handleChanged();
}

void TPen::SetWidth(int width)
{
    if (width < 0 || width == width_)
        return;
    width_ = width;
    handleChanged();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    handleChanged();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == mode_)
        return;
    mode_ = mode;
    // The mode is DC state, not part of the pen object.
    Changed();
}
