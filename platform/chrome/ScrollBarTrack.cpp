// Mouse tracking on the standard scroll bars: a press starts a small loop
// that holds the mouse until the release. Arrows and page areas scroll at
// once, again after the keyboard delay and then at the keyboard repeat
// rate, but only while the pointer stays over the held part; the thumb
// follows the pointer and reports where it would put the view. Every
// tracking ends with SB_ENDSCROLL.

#include "platform/chrome/ScrollBarState.h"

#include "platform/chrome/HeldButtonLoop.h"
#include "platform/window/MouseMessageKinds.h"
#include "platform/RectMath.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowTable.h"

#include <algorithm>

namespace {

// (setting + 1) quarter seconds, as the keyboard waits before repeating.
UINT repeatDelayMs()
{
    UINT setting = 1;
    SystemParametersInfo(SPI_GETKEYBOARDDELAY, 0, &setting, 0);
    return (std::min<UINT>(setting, 3) + 1) * 250;
}

// Settings 0..31 span about 2.5 to 30 repeats a second.
UINT repeatIntervalMs()
{
    UINT setting = 31;
    SystemParametersInfo(SPI_GETKEYBOARDSPEED, 0, &setting, 0);
    double perSecond = 2.5 + std::min<UINT>(setting, 31) * 27.5 / 31.0;
    return UINT(1000.0 / perSecond + 0.5);
}

WORD commandOf(ScrollBarPart part)
{
    switch (part) {
    case ScrollBarPart::FirstArrow: return SB_LINEUP;
    case ScrollBarPart::SecondArrow: return SB_LINEDOWN;
    case ScrollBarPart::PageUp: return SB_PAGEUP;
    case ScrollBarPart::PageDown: return SB_PAGEDOWN;
    default: return SB_ENDSCROLL;
    }
}

class ScrollBarTracker {
public:
    ScrollBarTracker(HWND hwnd, int bar, ScrollBarPart part, POINT screen)
        : hwnd_(hwnd), bar_(bar), message_(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL), part_(part), pointer_(screen)
    {
    }

    void run();

private:
    ScrollBarData* data() const;
    bool currentLayout(ScrollBarLayout& out) const;
    POINT pointerInWindow() const;
    bool pointerOverPart() const;
    int alongAxis(POINT windowPoint) const { return bar_ == SB_VERT ? windowPoint.y : windowPoint.x; }
    void showHeld(bool pressed);
    void send(WORD code, int pos = 0) { SendMessage(hwnd_, message_, MAKEWPARAM(code, WORD(pos)), 0); }

    bool startThumbDrag();
    // On a release only a thumb that moves reports again.
    void dragThumb(bool onlyIfMoved);
    void repeatStep();
    void onTimer();
    void finish(bool released);

    HWND hwnd_;
    int bar_;
    UINT message_;
    ScrollBarPart part_;
    POINT pointer_;
    int dragOffset_ = 0;
    UINT_PTR timer_ = 0;
    bool repeating_ = false;
};

ScrollBarData* ScrollBarTracker::data() const
{
    Window* w = LookupWindow(hwnd_);
    return w ? WindowScrollBar(*w, bar_, false) : nullptr;
}

bool ScrollBarTracker::currentLayout(ScrollBarLayout& out) const
{
    Window* w = LookupWindow(hwnd_);
    ScrollBarData* d = w ? WindowScrollBar(*w, bar_, false) : nullptr;
    if (!d)
        return false;
    out = ComputeScrollBarLayout(ScrollBarRect(*w, bar_), bar_ == SB_VERT, *d, ScrollBarUsable(*w, *d));
    return true;
}

POINT ScrollBarTracker::pointerInWindow() const
{
    Window* w = LookupWindow(hwnd_);
    if (!w)
        return pointer_;
    RECT onScreen = WindowRectOnScreen(*w);
    return POINT{pointer_.x - onScreen.left, pointer_.y - onScreen.top};
}

void ScrollBarTracker::showHeld(bool pressed)
{
    ScrollBarData* d = data();
    if (!d || (d->heldPart == part_ && d->heldPartPressed == pressed))
        return;
    d->heldPart = part_;
    d->heldPartPressed = pressed;
    RedrawScrollBar(hwnd_, bar_);
}

bool ScrollBarTracker::startThumbDrag()
{
    ScrollBarLayout layout;
    ScrollBarData* d = data();
    if (!d || !currentLayout(layout) || layout.thumbSize == 0)
        return false;
    dragOffset_ = alongAxis(pointerInWindow()) - layout.thumbStart;
    d->thumbTracking = true;
    d->trackThumbStart = layout.thumbStart;
    d->trackPos = d->pos;
    showHeld(true);
    return true;
}

void ScrollBarTracker::dragThumb(bool onlyIfMoved)
{
    ScrollBarLayout layout;
    if (!currentLayout(layout) || layout.thumbSize == 0)
        return;
    ScrollBarData* d = data();
    int start = std::clamp(alongAxis(pointerInWindow()) - dragOffset_, layout.trackStart,
                           layout.trackEnd - layout.thumbSize);
    bool moved = start != d->trackThumbStart;
    d->trackThumbStart = start;
    d->trackPos = ScrollPosFromThumb(layout, *d, start);
    int pos = d->trackPos;
    if (moved)
        RedrawScrollBar(hwnd_, bar_);
    if (moved || !onlyIfMoved)
        send(SB_THUMBTRACK, pos);
}

bool ScrollBarTracker::pointerOverPart() const
{
    ScrollBarLayout layout;
    return currentLayout(layout) && layout.hitTest(pointerInWindow()) == part_;
}

// A part scrolls only while the pointer is over it; a page area shrinks
// as the thumb comes towards the pointer, and stops when it gets there.
void ScrollBarTracker::repeatStep()
{
    bool over = pointerOverPart();
    showHeld(over);
    if (over)
        send(commandOf(part_));
}

void ScrollBarTracker::onTimer()
{
    if (!repeating_) {
        KillInternalTimer(timer_);
        timer_ = SetInternalTimer(repeatIntervalMs(), [this] { onTimer(); });
        repeating_ = true;
    }
    repeatStep();
}

void ScrollBarTracker::finish(bool released)
{
    if (timer_)
        KillInternalTimer(timer_);
    timer_ = 0;
    if (GetCapture() == hwnd_)
        ReleaseCapture();
    ScrollBarData* d = data();
    if (!d)
        return;
    if (part_ == ScrollBarPart::Thumb && d->thumbTracking) {
        int pos = d->trackPos;
        if (released)
            send(SB_THUMBPOSITION, pos);
        d = data();
        if (!d)
            return;
        d->thumbTracking = false;
    }
    d->heldPart = ScrollBarPart::None;
    d->heldPartPressed = false;
    RedrawScrollBar(hwnd_, bar_);
    send(SB_ENDSCROLL);
}

void ScrollBarTracker::run()
{
    SetCapture(hwnd_);
    if (part_ == ScrollBarPart::Thumb) {
        if (!startThumbDrag()) {
            ReleaseCapture();
            return;
        }
    } else {
        repeatStep();
        timer_ = SetInternalTimer(repeatDelayMs(), [this] { onTimer(); });
    }
    bool released = TrackHeldLeftButton(hwnd_, [this](const MSG& msg) {
        pointer_ = msg.pt;
        if (part_ == ScrollBarPart::Thumb)
            dragThumb(brio::isLeftReleaseMessage(msg.message));
        else
            showHeld(pointerOverPart());
    });
    finish(released);
}

} // namespace

void TrackScrollBar(HWND hwnd, int bar, POINT screen)
{
    Window* w = LookupWindow(hwnd);
    ScrollBarData* d = w ? WindowScrollBar(*w, bar, false) : nullptr;
    if (!d || !ScrollBarUsable(*w, *d) || d->heldPart != ScrollBarPart::None)
        return;
    RECT onScreen = WindowRectOnScreen(*w);
    ScrollBarLayout layout = ComputeScrollBarLayout(ScrollBarRect(*w, bar), bar == SB_VERT, *d, true);
    ScrollBarPart part = layout.hitTest(POINT{screen.x - onScreen.left, screen.y - onScreen.top});
    if (part == ScrollBarPart::None)
        return;
    if ((part == ScrollBarPart::FirstArrow && (d->disabledArrows & ESB_DISABLE_LTUP))
        || (part == ScrollBarPart::SecondArrow && (d->disabledArrows & ESB_DISABLE_RTDN)))
        return;
    ScrollBarTracker(hwnd, bar, part, screen).run();
}
