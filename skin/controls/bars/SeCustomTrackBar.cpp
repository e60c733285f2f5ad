#include "skin/controls/bars/SeCustomTrackBar.h"

#include "platform/theme/Look.h"
#include "ui/graphics/Brush.h"
#include "ui/graphics/Pen.h"

#include <algorithm>
#include <climits>

namespace {

// A step away from the current value, kept inside int before the setter
// clamps it to the range.
int stepped(int value, long long delta)
{
    return int(std::clamp<long long>(value + delta, INT_MIN, INT_MAX));
}

} // namespace

TSeCustomTrackBar::TSeCustomTrackBar(TComponent* owner) : TSeCustomControl(owner)
{
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
    SetPerformance(kspDoubleBuffer);
}

TSeCustomTrackBar::~TSeCustomTrackBar() = default;

// ---- Values -------------------------------------------------------------------------------------

void TSeCustomTrackBar::SetMin(int value)
{
    if (value >= max_)
        return;
    min_ = value;
    if (position_ < min_)
        SetPosition(min_);
    Invalidate();
}

void TSeCustomTrackBar::SetMax(int value)
{
    if (value <= min_)
        return;
    max_ = value;
    if (position_ > max_)
        SetPosition(max_);
    Invalidate();
}

void TSeCustomTrackBar::SetPosition(int value)
{
    if (value == position_)
        return;
    position_ = std::clamp(value, min_, max_);
    Invalidate();
    Changed();
}

void TSeCustomTrackBar::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TSeCustomTrackBar::SetOrientation(TTrackOrientation value)
{
    if (value == orientation_)
        return;
    orientation_ = value;
    Invalidate();
}

void TSeCustomTrackBar::SetFrequency(int value)
{
    if (value == frequency_)
        return;
    frequency_ = value;
    Invalidate();
}

void TSeCustomTrackBar::SetShowTicks(bool value)
{
    if (value == showTicks_)
        return;
    showTicks_ = value;
    Invalidate();
}

void TSeCustomTrackBar::SetTickMarks(TTickMark value)
{
    if (value == tickMarks_)
        return;
    tickMarks_ = value;
    Invalidate();
}

void TSeCustomTrackBar::SetThumbHalfWidth(int value)
{
    value = std::clamp(value, 0, 0xFFFF);
    if (value == thumbHalfWidth_)
        return;
    thumbHalfWidth_ = value;
    Invalidate();
}

void TSeCustomTrackBar::SetThumbVisible(bool value)
{
    if (value == thumbVisible_)
        return;
    thumbVisible_ = value;
    Invalidate();
}

void TSeCustomTrackBar::SetIntervalHighlightType(TIntervalHighlightType value)
{
    if (value == highlight_)
        return;
    highlight_ = value;
    Invalidate();
}

// ---- Geometry -----------------------------------------------------------------------------------

int TSeCustomTrackBar::GetThumbLength() const { return 2 * thumbHalfWidth_ + 1; }

int TSeCustomTrackBar::GetThumbThickness() const { return brio::roundHalfEven(GetThumbLength() * 2.2); }

int TSeCustomTrackBar::GetTrackMargin() const { return 9; }

int TSeCustomTrackBar::GetTrackOffset() const { return 7; }

brio::TrackAxis TSeCustomTrackBar::axis() const
{
    return brio::TrackAxis{axisLength(), GetThumbLength(), GetTrackMargin(), min_, max_};
}

brio::TrackTicks TSeCustomTrackBar::ticks() const
{
    switch (tickMarks_) {
    case tmBoth: return brio::TrackTicks::both;
    case tmTopLeft: return brio::TrackTicks::topLeft;
    default: return brio::TrackTicks::bottomRight;
    }
}

int TSeCustomTrackBar::PixelFromPosition(int value) const { return brio::trackPixelFromPosition(axis(), value); }

int TSeCustomTrackBar::PositionFromPixel(int pixel) const
{
    return brio::trackPositionFromPixel(axis(), pixel, frequency_);
}

int TSeCustomTrackBar::ThumbCrossStart() const
{
    return brio::trackCrossStart(GetTrackOffset(), GetThumbLength(), ticks(), showTicks_);
}

bool TSeCustomTrackBar::ThumbHitTest(int x, int y) const
{
    const auto outline = brio::trackThumbOutline(horizontal(), ticks(), PixelFromPosition(position_),
                                                 GetThumbLength(), ThumbCrossStart(), GetThumbThickness());
    return brio::trackThumbContains(outline, x, y);
}

RECT TSeCustomTrackBar::axisRect(int alongFrom, int alongTo, int acrossFrom, int acrossTo) const
{
    return horizontal() ? RECT{alongFrom, acrossFrom, alongTo, acrossTo} : RECT{acrossFrom, alongFrom, acrossTo, alongTo};
}

RECT TSeCustomTrackBar::channelRect() const
{
    const int t = GetThumbLength();
    const int margin = GetTrackMargin();
    int from = ThumbCrossStart();
    int thickness = GetThumbThickness();
    if (tickMarks_ == tmBoth) {
        thickness -= 2 * (t / 4) + 2;
        ++from;
    } else {
        thickness -= t / 2 + t / 4;
    }
    return axisRect(margin, axisLength() - margin, from, from + std::max(thickness, 0));
}

RECT TSeCustomTrackBar::highlightRect(const RECT& channel, int thumbPixel) const
{
    if (highlight_ == htNone || !Enabled())
        return RECT{};
    const int start = horizontal() ? channel.left : channel.top;
    const int end = horizontal() ? channel.right : channel.bottom;
    const int acrossFrom = horizontal() ? channel.top : channel.left;
    const int acrossTo = horizontal() ? channel.bottom : channel.right;
    if (highlight_ == htLowInterval)
        return axisRect(start, std::clamp(thumbPixel, start, end), acrossFrom, acrossTo);
    return axisRect(std::clamp(thumbPixel, start, end), end, acrossFrom, acrossTo);
}

RECT TSeCustomTrackBar::thumbRect(int pixel) const
{
    const int t = GetThumbLength();
    const int from = ThumbCrossStart();
    return axisRect(pixel - t / 2, pixel - t / 2 + t, from, from + GetThumbThickness());
}

// ---- Painting -----------------------------------------------------------------------------------

void TSeCustomTrackBar::Paint()
{
    TCanvas& canvas = *Canvas();
    const int margin = GetTrackMargin();
    const int thumbPixel = PixelFromPosition(position_);
    PaintTrack(canvas, margin, axisLength() - margin, thumbPixel);
    if (showTicks_)
        PaintTicks(canvas);
    if (thumbVisible_)
        PaintThumb(canvas, thumbPixel);
    if (Focused()) {
        RECT all{0, 0, Width(), Height()};
        canvas.Brush()->SetStyle(bsSolid);
        canvas.DrawFocusRect(all);
    }
}

void TSeCustomTrackBar::PaintTrack(TCanvas& canvas, int, int, int thumbPixel)
{
    const RECT channel = channelRect();
    brio::LookState state;
    state.disabled = !Enabled();
    brio::DrawLookPart(canvas.Handle(), horizontal() ? brio::LookPart::TrackChannel : brio::LookPart::TrackChannelVert,
                       state, channel);
    RECT interval = highlightRect(channel, thumbPixel);
    InflateRect(&interval, horizontal() ? 0 : -2, horizontal() ? -2 : 0);
    if (!IsEmpty(interval)) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clHighlight);
        canvas.FillRect(interval);
    }
}

void TSeCustomTrackBar::PaintTicks(TCanvas& canvas)
{
    const long long step = std::max(frequency_, 1);
    const long long count = (static_cast<long long>(max_) - min_) / step;
    PaintTick(canvas, min_, PixelFromPosition(min_), tickMarks_ != tmBottomRight);
    // More ticks than pixels would only paint the channel's length solid.
    if (count <= axisLength()) {
        long long first = (static_cast<long long>(min_) / step) * step;
        if (first <= min_)
            first += step;
        for (long long v = first; v < max_; v += step) {
            const int value = int(v);
            PaintTick(canvas, value, PixelFromPosition(value), tickMarks_ != tmBottomRight);
        }
    }
    PaintTick(canvas, max_, PixelFromPosition(max_), tickMarks_ != tmBottomRight);
}

void TSeCustomTrackBar::PaintTick(TCanvas& canvas, int value, int pixel, bool topLeft)
{
    const int length = value == min_ || value == max_ ? 4 : 3;
    const int offset = GetTrackOffset();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Enabled() ? clBlack : clBtnShadow);
    if (topLeft)
        canvas.FillRect(axisRect(pixel, pixel + 1, offset + 3 - length, offset + 3));
    if (tickMarks_ == tmBottomRight || tickMarks_ == tmBoth) {
        const int from = offset + GetThumbThickness() + (tickMarks_ == tmBoth ? 6 : 2);
        canvas.FillRect(axisRect(pixel, pixel + 1, from, from + length));
    }
}

void TSeCustomTrackBar::PaintThumb(TCanvas& canvas, int pixel)
{
    using brio::LookPart;
    LookPart part;
    switch (tickMarks_) {
    case tmBoth: part = horizontal() ? LookPart::TrackThumb : LookPart::TrackThumbVert; break;
    case tmTopLeft: part = horizontal() ? LookPart::TrackThumbUp : LookPart::TrackThumbLeft; break;
    default: part = horizontal() ? LookPart::TrackThumbDown : LookPart::TrackThumbRight; break;
    }
    brio::LookState state;
    state.disabled = !Enabled();
    state.pressed = dragging_;
    state.hot = thumbHot_;
    state.focused = Focused();
    brio::DrawLookPart(canvas.Handle(), part, state, thumbRect(pixel));
}

// ---- Input --------------------------------------------------------------------------------------

bool TSeCustomTrackBar::WantsKey(WORD key) const
{
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return true;
    default: return TSeCustomControl::WantsKey(key);
    }
}

void TSeCustomTrackBar::setThumbHot(bool hot)
{
    if (hot == thumbHot_)
        return;
    thumbHot_ = hot;
    Invalidate();
}

void TSeCustomTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeCustomControl::MouseDown(button, shift, x, y);
    if (CanFocus() && !Focused())
        SetFocus();
    if (button != mbLeft)
        return;
    if (ThumbHitTest(x, y)) {
        dragging_ = true;
        Invalidate();
        return;
    }
    const int under = PositionFromPixel(horizontal() ? x : y);
    if (under > position_)
        SetPosition(stepped(position_, pageSize_));
    else if (under < position_)
        SetPosition(stepped(position_, -static_cast<long long>(pageSize_)));
}

void TSeCustomTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    TSeCustomControl::MouseMove(shift, x, y);
    if (dragging_)
        SetPosition(PositionFromPixel(std::clamp(horizontal() ? x : y, 0, axisLength())));
    setThumbHot(ThumbHitTest(x, y));
}

void TSeCustomTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !dragging_)
        return;
    dragging_ = false;
    Invalidate();
}

void TSeCustomTrackBar::KeyDown(WORD& key, TShiftState shift)
{
    TSeCustomControl::KeyDown(key, shift);
    switch (key) {
    case VK_PRIOR: SetPosition(stepped(position_, -static_cast<long long>(pageSize_))); break;
    case VK_NEXT: SetPosition(stepped(position_, pageSize_)); break;
    case VK_END: SetPosition(max_); break;
    case VK_HOME: SetPosition(min_); break;
    case VK_LEFT:
    case VK_UP: SetPosition(stepped(position_, -static_cast<long long>(lineSize_))); break;
    case VK_RIGHT:
    case VK_DOWN: SetPosition(stepped(position_, lineSize_)); break;
    default: break;
    }
}

void TSeCustomTrackBar::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_ENABLEDCHANGED:
        TSeCustomControl::WndProc(m);
        Invalidate();
        return;
    case CM_MOUSELEAVE:
        TSeCustomControl::WndProc(m);
        setThumbHot(false);
        return;
    default: TSeCustomControl::WndProc(m);
    }
}
