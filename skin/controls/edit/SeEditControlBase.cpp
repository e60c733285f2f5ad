// The edit boxes' base: frame, background and buffered painting.

#include "skin/controls/edit/SeEditControlBase.h"

#include "ui/graphics/Brush.h"

#include "platform/Gdi.h"
#include "platform/RectMath.h"
#include "platform/UxTheme.h"
#include "platform/gdi/MemoryDib.h"

#include <algorithm>

TSeEditControlBase::TSeEditControlBase(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_.Include(csOpaque);
}

void TSeEditControlBase::SetBorderWidth(int value)
{
    value = std::max(0, value);
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    FrameChanged();
    Invalidate();
}

void TSeEditControlBase::SetBevelWidth(int value)
{
    value = std::max(0, value);
    if (value == bevelWidth_)
        return;
    bevelWidth_ = value;
    FrameChanged();
    Invalidate();
}

RECT TSeEditControlBase::GetClientArea() const
{
    RECT r{0, 0, Width(), Height()};
    const int inset = borderWidth_ + bevelWidth_;
    ::InflateRect(&r, -inset, -inset);
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    return r;
}

void TSeEditControlBase::PaintEdges(TCanvas& canvas)
{
    RECT r{0, 0, Width(), Height()};
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    if (bevelWidth_ <= 0)
        return;
    HDC dc = canvas.Handle();
    if (HTHEME theme = HandleAllocated() ? OpenThemeData(const_cast<TSeEditControlBase*>(this)->Handle(), "Edit")
                                         : nullptr) {
        int state = !Enabled() ? ETS_DISABLED : Focused() ? ETS_FOCUSED : ETS_NORMAL;
        DrawThemeBackground(theme, dc, EP_EDITTEXT, state, &r, nullptr);
        CloseThemeData(theme);
        RECT inner = GetClientArea();
        ::InflateRect(&inner, borderWidth_, borderWidth_);
        canvas.FillRect(inner);
        return;
    }
    for (int i = 0; i < bevelWidth_; ++i) {
        RECT edge = r;
        ::InflateRect(&edge, -i, -i);
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
}

void TSeEditControlBase::PaintBackground(TCanvas& canvas)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(GetClientArea());
}

void TSeEditControlBase::Paint()
{
    const int width = Width();
    const int height = Height();
    if (width <= 0 || height <= 0)
        return;
    brio::MemoryDib buffer(width, height, brio::MemoryDib::Fill::Unfilled);
    TCanvas offscreen;
    const bool buffered = !buffer.empty();
    offscreen.SetHandle(buffered ? buffer.dc() : Canvas()->Handle());
    offscreen.Font()->Assign(Font());
    PaintEdges(offscreen);
    PaintBackground(offscreen);
    PaintContent(offscreen);
    offscreen.SetHandle(nullptr);
    if (buffered)
        BitBlt(Canvas()->Handle(), 0, 0, width, height, buffer.dc(), 0, 0, SRCCOPY);
}
