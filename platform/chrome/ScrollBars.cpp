// The standard scroll bars' values: range, page, position, visibility and
// enabled arrows, kept per window. The window's procedure applies every
// position itself; the bars only remember and draw what they are told.

#include "platform/chrome/ScrollBarState.h"

#include "platform/chrome/DefFrame.h"
#include "platform/RectMath.h"
#include "platform/window/WindowTable.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr UINT kKnownInfoFlags = SIF_ALL | SIF_DISABLENOSCROLL;

bool isWindowBar(int bar)
{
    return bar == SB_HORZ || bar == SB_VERT;
}

DWORD styleBitOf(int bar)
{
    return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

// Older callers leave out nTrackPos.
bool validInfoSize(UINT size)
{
    return size == sizeof(SCROLLINFO) || size == sizeof(SCROLLINFO) - sizeof(int);
}

bool contentFits(const ScrollBarData& d)
{
    return d.max <= d.min || (d.page > 0 && std::int64_t(d.page) > std::int64_t(d.max) - d.min);
}

void applyValues(ScrollBarData& d, const SCROLLINFO& info)
{
    if (info.fMask & SIF_RANGE) {
        d.min = info.nMin;
        d.max = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE)
        d.page = info.nPage;
    if (info.fMask & SIF_POS)
        d.pos = info.nPos;
    std::int64_t span = std::int64_t(d.max) - d.min + 1;
    if (std::int64_t(d.page) > span)
        d.page = UINT(span);
    d.pos = std::clamp(d.pos, d.min, MaxScrollPos(d));
}

bool barShown(HWND hwnd, int bar)
{
    Window* w = LookupWindow(hwnd);
    return w && (w->style & styleBitOf(bar));
}

// Shows, hides or disables the bar as its new values ask.
void followContent(HWND hwnd, int bar, UINT mask)
{
    Window* w = LookupWindow(hwnd);
    ScrollBarData* d = w ? WindowScrollBar(*w, bar, false) : nullptr;
    if (!d)
        return;
    bool fits = contentFits(*d);
    if (mask & SIF_DISABLENOSCROLL) {
        d->disabledArrows = fits ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH;
        if (!barShown(hwnd, bar))
            ShowScrollBar(hwnd, bar, TRUE);
    } else if (mask & (SIF_RANGE | SIF_PAGE)) {
        if (fits == barShown(hwnd, bar))
            ShowScrollBar(hwnd, bar, !fits);
    }
}

DWORD partState(const ScrollBarData& d, ScrollBarPart part)
{
    return d.heldPart == part && d.heldPartPressed ? STATE_SYSTEM_PRESSED : 0;
}

} // namespace

// ---- Internal ------------------------------------------------------------------------------------

ScrollBarData* WindowScrollBar(Window& w, int bar, bool create)
{
    if (!isWindowBar(bar))
        return nullptr;
    std::optional<ScrollBarData>& slot = w.scrollBars[bar];
    if (!slot && (create || (w.style & styleBitOf(bar))))
        slot.emplace();
    return slot ? &*slot : nullptr;
}

RECT ScrollBarRect(const Window& w, int bar)
{
    if (!isWindowBar(bar) || (w.style & WS_MINIMIZE))
        return RECT{};
    FrameLayout f = ComputeFrameLayout(w);
    return bar == SB_VERT ? f.verticalScroll : f.horizontalScroll;
}

int MaxScrollPos(const ScrollBarData& d)
{
    std::int64_t highest = std::int64_t(d.max) - (d.page > 0 ? std::int64_t(d.page) - 1 : 0);
    return int(std::max<std::int64_t>(highest, d.min));
}

bool ScrollBarUsable(const Window& w, const ScrollBarData& d)
{
    return !(w.style & WS_DISABLED) && d.disabledArrows != ESB_DISABLE_BOTH && !contentFits(d);
}

void RedrawScrollBar(HWND hwnd, int bar)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !IsShown(hwnd))
        return;
    DefFramePaintPart(hwnd, ScrollBarRect(*w, bar));
}

// ---- API -------------------------------------------------------------------------------------------

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !info || !isWindowBar(bar) || !validInfoSize(info->cbSize) || (info->fMask & ~kKnownInfoFlags))
        return 0;
    applyValues(*WindowScrollBar(*w, bar, true), *info);
    followContent(hwnd, bar, info->fMask);
    w = LookupWindow(hwnd);
    ScrollBarData* d = w ? WindowScrollBar(*w, bar, false) : nullptr;
    if (!d)
        return 0;
    int pos = d->pos;
    if (redraw)
        RedrawScrollBar(hwnd, bar);
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !info || !isWindowBar(bar) || !validInfoSize(info->cbSize))
        return FALSE;
    const ScrollBarData* d = WindowScrollBar(*w, bar, false);
    if (!d)
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = d->min;
        info->nMax = d->max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = d->page;
    if (info->fMask & SIF_POS)
        info->nPos = d->pos;
    if ((info->fMask & SIF_TRACKPOS) && info->cbSize == sizeof(SCROLLINFO))
        info->nTrackPos = d->thumbTracking ? d->trackPos : d->pos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw)
{
    Window* w = LookupWindow(hwnd);
    const ScrollBarData* d = w ? WindowScrollBar(*w, bar, true) : nullptr;
    if (!d)
        return 0;
    int previous = d->pos;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return previous;
}

int GetScrollPos(HWND hwnd, int bar)
{
    SCROLLINFO info;
    info.fMask = SIF_POS;
    return GetScrollInfo(hwnd, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw)
{
    if (!LookupWindow(hwnd) || !isWindowBar(bar))
        return FALSE;
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = minPos;
    info.nMax = maxPos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos)
{
    if (!minPos || !maxPos)
        return FALSE;
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    BOOL known = GetScrollInfo(hwnd, bar, &info);
    *minPos = known ? info.nMin : 0;
    *maxPos = known ? info.nMax : 0;
    return known;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !(isWindowBar(bar) || bar == SB_BOTH))
        return FALSE;
    DWORD bits = bar == SB_BOTH ? (WS_VSCROLL | WS_HSCROLL) : styleBitOf(bar);
    DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (show) {
        if (bits & WS_VSCROLL)
            WindowScrollBar(*w, SB_VERT, true);
        if (bits & WS_HSCROLL)
            WindowScrollBar(*w, SB_HORZ, true);
    }
    if (style == w->style)
        return TRUE;
    w->style = style;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows)
{
    Window* w = LookupWindow(hwnd);
    if (!w || arrows > ESB_DISABLE_BOTH || !(isWindowBar(int(bar)) || bar == UINT(SB_BOTH)))
        return FALSE;
    bool changed = false;
    for (int one : {SB_HORZ, SB_VERT}) {
        if (bar != UINT(SB_BOTH) && int(bar) != one)
            continue;
        ScrollBarData* d = WindowScrollBar(*w, one, true);
        if (d->disabledArrows == arrows)
            continue;
        d->disabledArrows = arrows;
        changed = true;
        RedrawScrollBar(hwnd, one);
        w = LookupWindow(hwnd);
        if (!w)
            return FALSE;
    }
    return changed ? TRUE : FALSE;
}

BOOL GetScrollBarInfo(HWND hwnd, LONG object, SCROLLBARINFO* info)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !info || info->cbSize != sizeof(SCROLLBARINFO) || (object != OBJID_VSCROLL && object != OBJID_HSCROLL))
        return FALSE;
    int bar = object == OBJID_VSCROLL ? SB_VERT : SB_HORZ;
    ScrollBarData fallback;
    const ScrollBarData* found = WindowScrollBar(*w, bar, false);
    const ScrollBarData& d = found ? *found : fallback;
    RECT rect = ScrollBarRect(*w, bar);
    bool usable = ScrollBarUsable(*w, d);
    ScrollBarLayout layout = ComputeScrollBarLayout(rect, bar == SB_VERT, d, usable);
    RECT onScreen = WindowRectOnScreen(*w);
    info->rcScrollBar = IsEmpty(rect) ? RECT{} : Offset(rect, onScreen.left, onScreen.top);
    info->dxyLineButton = layout.arrowSize;
    int origin = bar == SB_VERT ? rect.top : rect.left;
    info->xyThumbTop = layout.thumbSize ? layout.thumbStart - origin : 0;
    info->xyThumbBottom = layout.thumbSize ? layout.thumbStart + layout.thumbSize - origin : 0;
    info->reserved = 0;
    std::fill(std::begin(info->rgstate), std::end(info->rgstate), DWORD(0));
    if (!(w->style & styleBitOf(bar)) || IsEmpty(rect)) {
        info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
        return TRUE;
    }
    if (!IsShown(hwnd))
        info->rgstate[0] |= STATE_SYSTEM_INVISIBLE;
    if (!usable)
        info->rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
    const ScrollBarPart parts[5] = {ScrollBarPart::FirstArrow, ScrollBarPart::PageUp, ScrollBarPart::Thumb,
                                    ScrollBarPart::PageDown, ScrollBarPart::SecondArrow};
    for (int i = 0; i < 5; ++i) {
        DWORD state = partState(d, parts[i]);
        if (IsEmpty(layout.partRect(parts[i])))
            state |= STATE_SYSTEM_INVISIBLE;
        info->rgstate[i + 1] = state;
    }
    if (!usable || (d.disabledArrows & ESB_DISABLE_LTUP))
        info->rgstate[1] |= STATE_SYSTEM_UNAVAILABLE;
    if (!usable || (d.disabledArrows & ESB_DISABLE_RTDN))
        info->rgstate[5] |= STATE_SYSTEM_UNAVAILABLE;
    return TRUE;
}
