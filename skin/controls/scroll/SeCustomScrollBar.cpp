#include "skin/controls/scroll/SeCustomScrollBar.h"

#include "platform/RectMath.h"
#include "platform/UxTheme.h"
#include "ui/control/WinControl.h"
#include "ui/forms/Timer.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int kLargestInc = 32767;

// A theme handle for the parent's window, closed on leaving the scope;
// null when themes are off or there is no window to ask for.
class ScrollBarTheme {
public:
    explicit ScrollBarTheme(const TControl& control)
    {
        if (control.Parent() && control.Parent()->HandleAllocated())
            theme_ = OpenThemeData(control.Parent()->Handle(), "ScrollBar");
    }
    ~ScrollBarTheme()
    {
        if (theme_)
            CloseThemeData(theme_);
    }
    ScrollBarTheme(const ScrollBarTheme&) = delete;
    ScrollBarTheme& operator=(const ScrollBarTheme&) = delete;
    HTHEME get() const { return theme_; }

private:
    HTHEME theme_ = nullptr;
};

// The classic track: an 8 x 8 dither of the scroll-bar and highlight colours.
void fillDitheredTrack(HDC dc, const RECT& r)
{
    const Pixel face = PixelFromColorRef(GetSysColor(COLOR_SCROLLBAR));
    const Pixel light = PixelFromColorRef(GetSysColor(COLOR_3DHILIGHT));
    Pixel pattern[64];
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern[y * 8 + x] = ((x + y) & 1) ? light : face;
    HBRUSH brush = nullptr;
    if (HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, pattern)) {
        brush = CreatePatternBrush(bitmap);
        DeleteObject(bitmap);
    }
    FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_SCROLLBAR));
    if (brush)
        DeleteObject(brush);
}

} // namespace

TSeCustomScrollBar::TSeCustomScrollBar(TComponent* owner) : TSeGraphicControl(owner)
{
    SetPerformance(kspDoubleBuffer);
    SetBounds(0, 0, 121, systemThumbHeight());
}

TSeCustomScrollBar::~TSeCustomScrollBar()
{
    OnChange = nullptr;
    OnScroll = nullptr;
}

int TSeCustomScrollBar::systemThumbHeight()
{
    return GetSystemMetrics(SM_CYVTHUMB);
}

unsigned TSeCustomScrollBar::RepeatDelay()
{
    int setting = 0;
    SystemParametersInfo(SPI_GETKEYBOARDDELAY, 0, &setting, 0);
    return unsigned(std::clamp(setting, 0, 3) + 1) * 200;
}

unsigned TSeCustomScrollBar::RepeatInterval()
{
    int setting = 0;
    SystemParametersInfo(SPI_GETKEYBOARDSPEED, 0, &setting, 0);
    return unsigned(std::lround(1000.0 / ((std::clamp(setting, 0, 31) + 1) * 2.3)));
}

// ---- Properties ---------------------------------------------------------------------------------

void TSeCustomScrollBar::SetKind(TScrollBarKind value)
{
    if (value == kind_)
        return;
    kind_ = value;
    const bool suits = vertical() ? Height() >= Width() : Width() >= Height();
    if (!suits)
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TSeCustomScrollBar::cutPageSize()
{
    const std::int64_t span = std::int64_t(max_) - min_ + 1;
    if (pageSize_ > span)
        pageSize_ = int(span);
}

void TSeCustomScrollBar::SetMin(int value)
{
    value = std::min(value, max_);
    if (value == min_)
        return;
    min_ = value;
    cutPageSize();
    if (position_ < min_)
        SetPosition(min_);
    Invalidate();
}

void TSeCustomScrollBar::SetMax(int value)
{
    value = std::max(value, min_);
    if (value == max_)
        return;
    max_ = value;
    cutPageSize();
    if (position_ > max_)
        SetPosition(max_);
    Invalidate();
}

void TSeCustomScrollBar::SetPageSize(int value)
{
    if (value < 0 || value == pageSize_)
        return;
    pageSize_ = value;
    cutPageSize();
    Invalidate();
}

void TSeCustomScrollBar::SetPosition(int value)
{
    value = std::clamp(value, min_, max_);
    if (value == position_)
        return;
    position_ = value;
    Invalidate();
    changed();
}

void TSeCustomScrollBar::SetParams(int min, int max, int pageSize, int position)
{
    max = std::max(max, min);
    pageSize = std::max(0, pageSize);
    if (min != min_ || max != max_ || pageSize != pageSize_) {
        min_ = min;
        max_ = max;
        pageSize_ = pageSize;
        cutPageSize();
        Invalidate();
    }
    const int old = position_;
    position_ = std::clamp(position, min_, max_);
    if (position_ != old) {
        Invalidate();
        changed();
    }
}

void TSeCustomScrollBar::SetSmallChange(TScrollBarInc value)
{
    smallChange_ = std::clamp(value, 1, kLargestInc);
}

void TSeCustomScrollBar::SetLargeChange(TScrollBarInc value)
{
    largeChange_ = std::clamp(value, 1, kLargestInc);
}

void TSeCustomScrollBar::SetShowButtons(bool value)
{
    if (value == showButtons_)
        return;
    showButtons_ = value;
    Invalidate();
}

void TSeCustomScrollBar::SetBorderWidth(int value)
{
    value = std::max(0, value);
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    Invalidate();
}

void TSeCustomScrollBar::changed()
{
    if (OnChange)
        OnChange(this);
}

// ---- Geometry -------------------------------------------------------------------------------------

RECT TSeCustomScrollBar::axisRect(int alongFrom, int alongTo, const RECT& across) const
{
    if (alongTo <= alongFrom)
        return RECT{};
    return vertical() ? RECT{across.left, alongFrom, across.right, alongTo}
                      : RECT{alongFrom, across.top, alongTo, across.bottom};
}

int TSeCustomScrollBar::GetButtonSize() const
{
    return brio::ScrollButtonLength(axisLength(), borderWidth_, systemThumbHeight());
}

RECT TSeCustomScrollBar::GetTrackRect() const
{
    RECT r{borderWidth_, borderWidth_, Width() - borderWidth_, Height() - borderWidth_};
    if (showButtons_) {
        const int button = GetButtonSize();
        if (vertical())
            r.top += button, r.bottom -= button;
        else
            r.left += button, r.right -= button;
    }
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    return r;
}

RECT TSeCustomScrollBar::GetFirstButtonRect() const
{
    const int b = borderWidth_, size = GetButtonSize();
    return vertical() ? RECT{b, b, Width() - b, b + size} : RECT{b, b, b + size, Height() - b};
}

RECT TSeCustomScrollBar::GetSecondButtonRect() const
{
    const int b = borderWidth_, size = GetButtonSize();
    return vertical() ? RECT{b, Height() - b - size, Width() - b, Height() - b}
                      : RECT{Width() - b - size, b, Width() - b, Height() - b};
}

int TSeCustomScrollBar::GetThumbSize() const
{
    const RECT track = GetTrackRect();
    return brio::ScrollThumbLength(rangeInfo(), vertical() ? ::Height(track) : ::Width(track), systemThumbHeight());
}

int TSeCustomScrollBar::ThumbStartFor(int position) const
{
    const RECT track = GetTrackRect();
    const int start = vertical() ? track.top : track.left;
    const int length = vertical() ? ::Height(track) : ::Width(track);
    return start + brio::ScrollThumbOffset(rangeInfo(), position, length, GetThumbSize());
}

int TSeCustomScrollBar::PositionAtThumb(int thumbStart) const
{
    const RECT track = GetTrackRect();
    const int start = vertical() ? track.top : track.left;
    const int length = vertical() ? ::Height(track) : ::Width(track);
    return brio::ScrollPositionAt(rangeInfo(), thumbStart - start, length, GetThumbSize());
}

RECT TSeCustomScrollBar::GetThumbRect() const
{
    const int size = GetThumbSize();
    if (size <= 0)
        return RECT{};
    const int start = ThumbStartFor(position_);
    return axisRect(start, start + size, GetTrackRect());
}

RECT TSeCustomScrollBar::GetPageUpRect() const
{
    const RECT track = GetTrackRect();
    const RECT thumb = GetThumbRect();
    if (IsEmpty(thumb))
        return RECT{};
    return axisRect(vertical() ? track.top : track.left, vertical() ? thumb.top : thumb.left, track);
}

RECT TSeCustomScrollBar::GetPageDownRect() const
{
    const RECT track = GetTrackRect();
    const RECT thumb = GetThumbRect();
    if (IsEmpty(thumb))
        return RECT{};
    return axisRect(vertical() ? thumb.bottom : thumb.right, vertical() ? track.bottom : track.right, track);
}

bool TSeCustomScrollBar::InFirstButton(POINT p) const
{
    return Contains(GetFirstButtonRect(), p.x, p.y);
}

bool TSeCustomScrollBar::InSecondButton(POINT p) const
{
    return Contains(GetSecondButtonRect(), p.x, p.y);
}

bool TSeCustomScrollBar::InThumb(POINT p) const
{
    return Contains(GetThumbRect(), p.x, p.y);
}

bool TSeCustomScrollBar::InPageUp(POINT p) const
{
    return Contains(GetPageUpRect(), p.x, p.y);
}

bool TSeCustomScrollBar::InPageDown(POINT p) const
{
    return Contains(GetPageDownRect(), p.x, p.y);
}

// ---- Scrolling --------------------------------------------------------------------------------------

void TSeCustomScrollBar::applyScroll(WORD code, int position)
{
    if (OnScroll)
        OnScroll(this, code, position);
    SetPosition(std::clamp(position, min_, max_));
}

void TSeCustomScrollBar::Scroll(WORD code)
{
    const int page = pageSize_ >= 1 ? pageSize_ : largeChange_;
    std::int64_t target = position_;
    switch (code) {
    case SB_LINEUP: target -= smallChange_; break;
    case SB_LINEDOWN: target += smallChange_; break;
    case SB_PAGEUP: target -= page; break;
    case SB_PAGEDOWN: target += page; break;
    case SB_TOP: target = min_; break;
    case SB_BOTTOM: target = max_; break;
    default: return;
    }
    applyScroll(code, int(std::clamp<std::int64_t>(target, min_, max_)));
    if (code == SB_LINEUP && autoToMin_ && position_ <= min_)
        SetAutoScrollToMin(false);
    if (code == SB_LINEDOWN && autoToMax_ && position_ >= max_)
        SetAutoScrollToMax(false);
}

void TSeCustomScrollBar::SetAutoScrollToMin(bool value)
{
    if (value == autoToMin_)
        return;
    autoToMin_ = value;
    if (value) {
        autoToMax_ = false;
        startRepeat();
    } else {
        stopRepeat();
    }
}

void TSeCustomScrollBar::SetAutoScrollToMax(bool value)
{
    if (value == autoToMax_)
        return;
    autoToMax_ = value;
    if (value) {
        autoToMin_ = false;
        startRepeat();
    } else {
        stopRepeat();
    }
}

bool TSeCustomScrollBar::RepeatRunning() const
{
    return timer_ && timer_->Enabled();
}

void TSeCustomScrollBar::startRepeat()
{
    if (!timer_) {
        timer_ = std::make_unique<TTimer>(nullptr);
        timer_->SetEnabled(false);
        timer_->OnTimer = [this](TObject*) { timerStep(); };
    }
    const bool held = pressedFirst_ || pressedSecond_ || pressedPageUp_ || pressedPageDown_;
    timer_->SetEnabled(false);
    timer_->SetInterval(held ? RepeatDelay() : RepeatInterval());
    timer_->SetEnabled(true);
    if (!held)
        return;
    // A held part steps at once, then waits the keyboard's delay.
    timerStep();
    if (timer_->Enabled())
        timer_->SetInterval(RepeatDelay());
}

void TSeCustomScrollBar::stopRepeat()
{
    if (timer_)
        timer_->SetEnabled(false);
}

void TSeCustomScrollBar::timerStep()
{
    try {
        timer_->SetInterval(RepeatInterval());
        if (pressedFirst_ || autoToMin_) {
            Scroll(SB_LINEUP);
            if (pressedFirst_ && position_ <= min_)
                stopRepeat();
        } else if (pressedSecond_ || autoToMax_) {
            Scroll(SB_LINEDOWN);
            if (pressedSecond_ && position_ >= max_)
                stopRepeat();
        } else if (pressedPageUp_ || pressedPageDown_) {
            const bool overUp = pressedPageUp_ && InPageUp(lastPoint_);
            const bool overDown = pressedPageDown_ && InPageDown(lastPoint_);
            if (overUp != hotPageUp_ || overDown != hotPageDown_) {
                hotPageUp_ = overUp;
                hotPageDown_ = overDown;
                Invalidate();
            }
            if (overUp)
                Scroll(SB_PAGEUP);
            else if (overDown)
                Scroll(SB_PAGEDOWN);
            const bool atEnd = pressedPageUp_ ? position_ <= min_ : position_ >= ScrollLastPosition(rangeInfo());
            if (atEnd)
                stopRepeat();
        } else {
            stopRepeat();
        }
    } catch (...) {
        stopRepeat();
        throw;
    }
}

// ---- Mouse ----------------------------------------------------------------------------------------

bool TSeCustomScrollBar::updateHot(POINT p)
{
    const bool thumb = InThumb(p);
    const bool first = showButtons_ && InFirstButton(p);
    const bool second = showButtons_ && InSecondButton(p);
    const bool up = InPageUp(p);
    const bool down = InPageDown(p);
    const bool changedAny =
        thumb != hotThumb_ || first != hotFirst_ || second != hotSecond_ || up != hotPageUp_ || down != hotPageDown_;
    hotThumb_ = thumb, hotFirst_ = first, hotSecond_ = second, hotPageUp_ = up, hotPageDown_ = down;
    return changedAny;
}

void TSeCustomScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    const POINT p{x, y};
    lastPoint_ = p;
    updateHot(p);
    if (InThumb(p)) {
        dragOffset_ = along(p) - ThumbStartFor(position_);
        Invalidate();
        applyScroll(SB_THUMBTRACK, position_);
    }
    const bool first = showButtons_ && InFirstButton(p);
    const bool second = showButtons_ && InSecondButton(p);
    const bool up = InPageUp(p);
    const bool down = InPageDown(p);
    const bool pressedNow =
        (first && !pressedFirst_) || (second && !pressedSecond_) || (up && !pressedPageUp_) || (down && !pressedPageDown_);
    pressedFirst_ = first, pressedSecond_ = second, pressedPageUp_ = up, pressedPageDown_ = down;
    if (pressedNow) {
        Invalidate();
        startRepeat();
    }
}

void TSeCustomScrollBar::MouseMove(TShiftState shift, int x, int y)
{
    TSeGraphicControl::MouseMove(shift, x, y);
    const POINT p{x, y};
    lastPoint_ = p;
    if (dragOffset_ >= 0) {
        const RECT track = GetTrackRect();
        const int first = vertical() ? track.top : track.left;
        const int last = std::max(first, (vertical() ? track.bottom : track.right) - GetThumbSize());
        const int start = std::clamp(along(p) - dragOffset_, first, last);
        applyScroll(SB_THUMBTRACK, PositionAtThumb(start));
    }
    if (updateHot(p))
        Invalidate();
}

void TSeCustomScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (dragOffset_ >= 0)
        applyScroll(SB_THUMBPOSITION, position_);
    dragOffset_ = -1;
    pressedFirst_ = pressedSecond_ = pressedPageUp_ = pressedPageDown_ = false;
    stopRepeat();
    applyScroll(SB_ENDSCROLL, position_);
    Invalidate();
}

void TSeCustomScrollBar::MouseLeave()
{
    TSeGraphicControl::MouseLeave();
    const bool any = hotThumb_ || hotFirst_ || hotSecond_ || hotPageUp_ || hotPageDown_;
    hotThumb_ = hotFirst_ = hotSecond_ = hotPageUp_ = hotPageDown_ = false;
    if (any)
        Invalidate();
}

void TSeCustomScrollBar::WndProc(TMessage& m)
{
    if (m.Msg == CM_ENABLEDCHANGED)
        Invalidate();
    TSeGraphicControl::WndProc(m);
}

// ---- Painting -------------------------------------------------------------------------------------

void TSeCustomScrollBar::Paint()
{
    TCanvas& canvas = *Canvas();
    PaintBarBorder(canvas);
    PaintTrack(canvas);
    if (showButtons_) {
        PaintFirstButton(canvas);
        PaintSecondButton(canvas);
    }
    const RECT thumb = GetThumbRect();
    if (Enabled() && ::Width(thumb) > 0 && ::Height(thumb) > 0) {
        PaintThumb(canvas);
        if (pressedPageUp_ && hotPageUp_)
            PaintPageUp(canvas);
        if (pressedPageDown_ && hotPageDown_)
            PaintPageDown(canvas);
    }
}

void TSeCustomScrollBar::PaintBarBorder(TCanvas& canvas)
{
    if (borderWidth_ <= 0)
        return;
    RECT r = ClientRect();
    DrawEdge(canvas.Handle(), &r, BDR_SUNKENOUTER, BF_RECT);
}

void TSeCustomScrollBar::PaintTrack(TCanvas& canvas)
{
    const RECT track = GetTrackRect();
    if (IsEmpty(track))
        return;
    ScrollBarTheme theme(*this);
    if (theme.get()) {
        DrawThemeBackground(theme.get(), canvas.Handle(), vertical() ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ,
                            SCRBS_NORMAL, &track, nullptr);
        return;
    }
    fillDitheredTrack(canvas.Handle(), track);
}

void TSeCustomScrollBar::PaintFirstButton(TCanvas& canvas)
{
    RECT r = GetFirstButtonRect();
    if (IsEmpty(r))
        return;
    ScrollBarTheme theme(*this);
    if (theme.get()) {
        int state = !Enabled() ? ABS_UPDISABLED : pressedFirst_ ? ABS_UPPRESSED : hotFirst_ ? ABS_UPHOT : ABS_UPNORMAL;
        if (!vertical())
            state += ABS_LEFTNORMAL - ABS_UPNORMAL;
        DrawThemeBackground(theme.get(), canvas.Handle(), SBP_ARROWBTN, state, &r, nullptr);
        return;
    }
    UINT state = vertical() ? DFCS_SCROLLUP : DFCS_SCROLLLEFT;
    if (pressedFirst_ && hotFirst_)
        state |= DFCS_PUSHED | DFCS_FLAT;
    if (!Enabled())
        state |= DFCS_INACTIVE;
    DrawFrameControl(canvas.Handle(), &r, DFC_SCROLL, state);
}

void TSeCustomScrollBar::PaintSecondButton(TCanvas& canvas)
{
    RECT r = GetSecondButtonRect();
    if (IsEmpty(r))
        return;
    ScrollBarTheme theme(*this);
    if (theme.get()) {
        int state = !Enabled()       ? ABS_DOWNDISABLED
                    : pressedSecond_ ? ABS_DOWNPRESSED
                    : hotSecond_     ? ABS_DOWNHOT
                                     : ABS_DOWNNORMAL;
        if (!vertical())
            state += ABS_RIGHTNORMAL - ABS_DOWNNORMAL;
        DrawThemeBackground(theme.get(), canvas.Handle(), SBP_ARROWBTN, state, &r, nullptr);
        return;
    }
    UINT state = vertical() ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT;
    if (pressedSecond_ && hotSecond_)
        state |= DFCS_PUSHED | DFCS_FLAT;
    if (!Enabled())
        state |= DFCS_INACTIVE;
    DrawFrameControl(canvas.Handle(), &r, DFC_SCROLL, state);
}

void TSeCustomScrollBar::PaintPageUp(TCanvas& canvas)
{
    const RECT r = GetPageUpRect();
    ScrollBarTheme theme(*this);
    if (theme.get()) {
        DrawThemeBackground(theme.get(), canvas.Handle(), vertical() ? SBP_UPPERTRACKVERT : SBP_UPPERTRACKHORZ,
                            SCRBS_PRESSED, &r, nullptr);
        return;
    }
    FillRect(canvas.Handle(), &r, GetSysColorBrush(COLOR_3DDKSHADOW));
}

void TSeCustomScrollBar::PaintPageDown(TCanvas& canvas)
{
    const RECT r = GetPageDownRect();
    ScrollBarTheme theme(*this);
    if (theme.get()) {
        DrawThemeBackground(theme.get(), canvas.Handle(), vertical() ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ,
                            SCRBS_PRESSED, &r, nullptr);
        return;
    }
    FillRect(canvas.Handle(), &r, GetSysColorBrush(COLOR_3DDKSHADOW));
}

void TSeCustomScrollBar::PaintThumb(TCanvas& canvas)
{
    RECT r = GetThumbRect();
    ScrollBarTheme theme(*this);
    if (theme.get()) {
        const int state = !Enabled() ? SCRBS_DISABLED : Dragging() ? SCRBS_PRESSED : hotThumb_ ? SCRBS_HOT : SCRBS_NORMAL;
        DrawThemeBackground(theme.get(), canvas.Handle(), vertical() ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ, state, &r,
                            nullptr);
        return;
    }
    FillRect(canvas.Handle(), &r, GetSysColorBrush(COLOR_3DFACE));
    if (Dragging())
        FrameRect(canvas.Handle(), &r, GetSysColorBrush(COLOR_3DSHADOW));
    else
        DrawEdge(canvas.Handle(), &r, EDGE_RAISED, BF_RECT);
}
