#include "dialogs/PlainBars.h"

#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"
#include "platform/RectMath.h"

#include <algorithm>

namespace brio {

namespace {

constexpr int ThumbWidth = 10;
constexpr int ChannelHeight = 4;
constexpr int PageStep = 10;

void fill(TCanvas* canvas, const RECT& r, TColor color)
{
    canvas->Brush()->SetColor(color);
    canvas->FillRect(r);
}

} // namespace

PlainTrackBar::PlainTrackBar(TComponent* owner) : TCustomControl(owner)
{
    SetTabStop(true);
    SetParentColor(true);
    SetBounds(0, 0, 150, 28);
}

void PlainTrackBar::SetRange(int min, int max)
{
    min_ = min;
    max_ = std::max(min, max);
    SetPosition(position_);
}

void PlainTrackBar::SetPosition(int value)
{
    if (value == position_)
        return;
    position_ = std::clamp(value, min_, max_);
    Invalidate();
    if (OnChange)
        OnChange(this);
}

RECT PlainTrackBar::channel() const
{
    const TRect client = ClientRect();
    const int middle = ::Height(client) / 2;
    return RECT{ThumbWidth / 2, middle - ChannelHeight / 2, std::max(ThumbWidth / 2 + 1, ::Width(client) - ThumbWidth / 2),
                middle + ChannelHeight / 2};
}

int PlainTrackBar::positionAt(int x) const
{
    const RECT track = channel();
    const int span = std::max(1, int(track.right - track.left));
    const int offset = std::clamp(x - int(track.left), 0, span);
    return min_ + (offset * (max_ - min_) + span / 2) / span;
}

void PlainTrackBar::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    fill(canvas, client, Color());
    const RECT track = channel();
    fill(canvas, track, clBtnShadow);
    const int span = track.right - track.left;
    const int range = std::max(1, max_ - min_);
    const int centre = track.left + (position_ - min_) * span / range;
    fill(canvas, RECT{track.left, track.top, centre, track.bottom}, clHighlight);
    const RECT thumb{centre - ThumbWidth / 2, 3, centre + ThumbWidth / 2, ::Height(client) - 3};
    fill(canvas, thumb, Focused() ? clHighlight : clBtnHighlight);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(thumb);
}

void PlainTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (CanFocus())
        SetFocus();
    dragging_ = true;
    SetPosition(positionAt(x));
}

void PlainTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (dragging_)
        SetPosition(positionAt(x));
}

void PlainTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    dragging_ = false;
}

bool PlainTrackBar::WantsKey(WORD key) const
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

void PlainTrackBar::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    switch (key) {
    case VK_LEFT: case VK_DOWN: SetPosition(position_ - 1); break;
    case VK_RIGHT: case VK_UP: SetPosition(position_ + 1); break;
    case VK_PRIOR: SetPosition(position_ - PageStep); break;
    case VK_NEXT: SetPosition(position_ + PageStep); break;
    case VK_HOME: SetPosition(min_); break;
    case VK_END: SetPosition(max_); break;
    default: return;
    }
    key = 0;
}

PlainProgressBar::PlainProgressBar(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 150, 16);
}

void PlainProgressBar::SetMax(int value)
{
    max_ = std::max(1, value);
    SetPosition(position_);
}

void PlainProgressBar::SetPosition(int value)
{
    value = std::clamp(value, 0, max_);
    if (value == position_)
        return;
    position_ = value;
    Invalidate();
}

void PlainProgressBar::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    fill(canvas, client, clWindow);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(client);
    const int filled = (::Width(client) - 4) * position_ / max_;
    fill(canvas, RECT{2, 2, 2 + filled, ::Height(client) - 2}, clHighlight);
}

} // namespace brio
