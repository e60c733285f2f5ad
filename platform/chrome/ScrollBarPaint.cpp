// Where the parts of a standard scroll bar lie, and their classic look:
// arrow buttons, a dithered track, the raised thumb sized to the page, and
// the held page area in the dark shadow colour.

#include "platform/chrome/ScrollBarState.h"

#include "platform/RectMath.h"
#include "platform/window/WindowTable.h"

#include <algorithm>
#include <cstdint>

namespace {

// The classic thumb is never shorter than the bar is thick, nor than this.
constexpr int kMinimumThumb = 8;

int roundedRatio(std::int64_t value, std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t product = value * numerator;
    return int((product + denominator / 2) / denominator);
}

HBRUSH createTrackBrush()
{
    Pixel face = PixelFromColorRef(GetSysColor(COLOR_SCROLLBAR));
    Pixel light = PixelFromColorRef(GetSysColor(COLOR_3DHILIGHT));
    Pixel pattern[64];
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern[y * 8 + x] = ((x + y) & 1) ? light : face;
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, pattern);
    if (!bitmap)
        return nullptr;
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    return brush;
}

UINT arrowState(const ScrollBarData& d, ScrollBarPart part, bool usable, UINT disableBit)
{
    UINT state = 0;
    if (d.heldPart == part && d.heldPartPressed)
        state |= DFCS_PUSHED | DFCS_FLAT;
    if (!usable || (d.disabledArrows & disableBit))
        state |= DFCS_INACTIVE;
    return state;
}

void paintTrackPiece(HDC dc, const RECT& r, bool pressed, HBRUSH trackBrush)
{
    if (IsEmpty(r))
        return;
    if (pressed || !trackBrush)
        FillRect(dc, &r, GetSysColorBrush(pressed ? COLOR_3DDKSHADOW : COLOR_SCROLLBAR));
    else
        FillRect(dc, &r, trackBrush);
}

} // namespace

RECT ScrollBarLayout::partRect(ScrollBarPart part) const
{
    if (IsEmpty(bar))
        return RECT{};
    int from = 0, to = 0;
    int start = vertical ? bar.top : bar.left;
    int end = vertical ? bar.bottom : bar.right;
    switch (part) {
    case ScrollBarPart::FirstArrow: from = start, to = start + arrowSize; break;
    case ScrollBarPart::SecondArrow: from = end - arrowSize, to = end; break;
    case ScrollBarPart::PageUp:
        if (thumbSize)
            from = trackStart, to = thumbStart;
        break;
    case ScrollBarPart::Thumb:
        if (thumbSize)
            from = thumbStart, to = thumbStart + thumbSize;
        break;
    case ScrollBarPart::PageDown:
        if (thumbSize)
            from = thumbStart + thumbSize, to = trackEnd;
        break;
    case ScrollBarPart::None: break;
    }
    if (to <= from)
        return RECT{};
    return vertical ? RECT{bar.left, from, bar.right, to} : RECT{from, bar.top, to, bar.bottom};
}

ScrollBarPart ScrollBarLayout::hitTest(POINT p) const
{
    for (ScrollBarPart part : {ScrollBarPart::FirstArrow, ScrollBarPart::SecondArrow, ScrollBarPart::Thumb,
                               ScrollBarPart::PageUp, ScrollBarPart::PageDown})
        if (Contains(partRect(part), p.x, p.y))
            return part;
    return ScrollBarPart::None;
}

ScrollBarLayout ComputeScrollBarLayout(const RECT& bar, bool vertical, const ScrollBarData& d, bool usable)
{
    ScrollBarLayout l;
    l.bar = bar;
    l.vertical = vertical;
    if (IsEmpty(bar))
        return l;
    int start = vertical ? bar.top : bar.left;
    int end = vertical ? bar.bottom : bar.right;
    int thickness = vertical ? Width(bar) : Height(bar);
    l.arrowSize = std::min(GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL), (end - start) / 2);
    l.trackStart = start + l.arrowSize;
    l.trackEnd = end - l.arrowSize;
    int track = l.trackEnd - l.trackStart;
    if (!usable)
        return l;
    std::int64_t span = std::int64_t(d.max) - d.min + 1;
    int thumb = d.page > 0 ? roundedRatio(track, d.page, span) : GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    thumb = std::max({thumb, thickness, kMinimumThumb});
    if (thumb >= track)
        return l;
    int range = MaxScrollPos(d) - d.min;
    l.thumbSize = thumb;
    if (d.thumbTracking)
        l.thumbStart = std::clamp(d.trackThumbStart, l.trackStart, l.trackEnd - thumb);
    else
        l.thumbStart = l.trackStart + (range > 0 ? roundedRatio(std::int64_t(d.pos) - d.min, track - thumb, range) : 0);
    return l;
}

int ScrollPosFromThumb(const ScrollBarLayout& l, const ScrollBarData& d, int thumbStart)
{
    int room = l.trackEnd - l.trackStart - l.thumbSize;
    int range = MaxScrollPos(d) - d.min;
    if (l.thumbSize == 0 || room <= 0 || range <= 0)
        return d.min;
    int offset = std::clamp(thumbStart - l.trackStart, 0, room);
    return std::clamp(d.min + roundedRatio(offset, range, room), d.min, MaxScrollPos(d));
}

void PaintScrollBar(HDC dc, const Window& w, int bar)
{
    RECT rect = ScrollBarRect(w, bar);
    if (IsEmpty(rect))
        return;
    const ScrollBarData fallback;
    const ScrollBarData& d = w.scrollBars[bar] ? *w.scrollBars[bar] : fallback;
    bool vertical = bar == SB_VERT;
    bool usable = ScrollBarUsable(w, d);
    ScrollBarLayout l = ComputeScrollBarLayout(rect, vertical, d, usable);

    RECT first = l.partRect(ScrollBarPart::FirstArrow);
    RECT second = l.partRect(ScrollBarPart::SecondArrow);
    DrawFrameControl(dc, &first, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT)
                         | arrowState(d, ScrollBarPart::FirstArrow, usable, ESB_DISABLE_LTUP));
    DrawFrameControl(dc, &second, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT)
                         | arrowState(d, ScrollBarPart::SecondArrow, usable, ESB_DISABLE_RTDN));

    HBRUSH trackBrush = createTrackBrush();
    if (l.thumbSize == 0) {
        RECT track = vertical ? RECT{rect.left, l.trackStart, rect.right, l.trackEnd}
                              : RECT{l.trackStart, rect.top, l.trackEnd, rect.bottom};
        paintTrackPiece(dc, track, false, trackBrush);
    } else {
        for (ScrollBarPart page : {ScrollBarPart::PageUp, ScrollBarPart::PageDown})
            paintTrackPiece(dc, l.partRect(page), d.heldPart == page && d.heldPartPressed, trackBrush);
        RECT thumb = l.partRect(ScrollBarPart::Thumb);
        DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    if (trackBrush)
        DeleteObject(trackBrush);
}
