// DrawEdge: the classic two-ring 3D borders.

#include "platform/chrome/ChromePaint.h"

#include <algorithm>

namespace {

constexpr int kNoColor = -1;

// One ring of the border: its top/left and bottom/right colours (system colour indices).
struct Ring {
    int topLeft = kNoColor;
    int bottomRight = kNoColor;
    bool present() const { return topLeft != kNoColor; }
};

struct EdgeRings {
    Ring outer;
    Ring inner;
};

EdgeRings ringsFor(UINT edge, UINT flags)
{
    const bool soft = flags & BF_SOFT;
    EdgeRings rings;
    if (edge & BDR_RAISEDOUTER)
        rings.outer = {soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
    else if (edge & BDR_SUNKENOUTER)
        rings.outer = {soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    if (edge & BDR_RAISEDINNER)
        rings.inner = {soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    else if (edge & BDR_SUNKENINNER)
        rings.inner = {soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};

    if (flags & (BF_FLAT | BF_MONO)) {
        // Flat borders: a plain frame line, and the face (or window) colour inside it.
        const int frame = (flags & BF_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW;
        const int face = (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE;
        bool first = true;
        for (Ring* ring : {&rings.outer, &rings.inner}) {
            if (!ring->present())
                continue;
            *ring = first ? Ring{frame, frame} : Ring{face, face};
            first = false;
        }
    }
    return rings;
}

// Paints one ring on the requested sides and returns the rectangle inside it.
// Bottom and right go last so that they own the top-right and bottom-left corners.
RECT paintRing(DeviceContext& dc, RECT r, const Ring& ring, UINT sides)
{
    if (sides & BF_LEFT)
        FillWithSysColor(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, ring.topLeft);
    if (sides & BF_TOP)
        FillWithSysColor(dc, RECT{r.left, r.top, r.right, r.top + 1}, ring.topLeft);
    if (sides & BF_RIGHT)
        FillWithSysColor(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, ring.bottomRight);
    if (sides & BF_BOTTOM)
        FillWithSysColor(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, ring.bottomRight);
    if (sides & BF_LEFT)
        ++r.left;
    if (sides & BF_TOP)
        ++r.top;
    if (sides & BF_RIGHT)
        --r.right;
    if (sides & BF_BOTTOM)
        --r.bottom;
    // A ring wider than the rectangle leaves nothing inside, never an inverted rectangle.
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

void plot(DeviceContext& dc, int x, int y, int colorIndex)
{
    FillWithSysColor(dc, RECT{x, y, x + 1, y + 1}, colorIndex);
}

// A 45-degree line from one corner towards the corner the flags name; the
// inner ring runs beside it, one pixel over.
void paintDiagonal(DeviceContext& dc, const RECT& r, const EdgeRings& rings, UINT flags)
{
    const int length = std::min(Width(r), Height(r));
    const bool endsTop = flags & BF_TOP;
    const bool endsRight = flags & BF_RIGHT;
    // Start at the corner opposite the end.
    const int startX = endsRight ? r.left : r.right - 1;
    const int startY = endsTop ? r.bottom - 1 : r.top;
    const int stepX = endsRight ? 1 : -1;
    const int stepY = endsTop ? -1 : 1;
    // A "/" line faces the light (top-left colours); a "\" line faces away.
    const bool rising = stepX == -stepY;
    const Ring* lines[2] = {&rings.outer, &rings.inner};
    for (int ringIndex = 0; ringIndex < 2; ++ringIndex) {
        const Ring& ring = *lines[ringIndex];
        if (!ring.present())
            continue;
        const int color = rising ? ring.topLeft : ring.bottomRight;
        const int shift = ringIndex == 0 ? 0 : (rising ? 1 : -1);
        for (int i = 0; i < length; ++i) {
            int x = startX + i * stepX + shift;
            if (x >= r.left && x < r.right)
                plot(dc, x, startY + i * stepY, color);
        }
    }
}

} // namespace

void FillDithered(DeviceContext& dc, const RECT& logical, COLORREF even, COLORREF odd)
{
    Pixel pattern[64];
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern[y * 8 + x] = PixelFromColorRef(((x + y) & 1) ? odd : even);
    BrushSource source;
    source.patterned = true;
    source.pattern = pattern;
    PaintRect(dc, dc.toTarget(logical), source);
}

RECT PaintEdge(DeviceContext& dc, const RECT& logical, UINT edge, UINT flags)
{
    const EdgeRings rings = ringsFor(edge, flags);
    if (flags & BF_DIAGONAL) {
        if (!IsEmpty(logical))
            paintDiagonal(dc, logical, rings, flags);
        return logical;
    }
    RECT inside = logical;
    for (const Ring* ring : {&rings.outer, &rings.inner}) {
        if (ring->present() && !IsEmpty(inside))
            inside = paintRing(dc, inside, *ring, flags & BF_RECT);
    }
    if ((flags & BF_MIDDLE) && !IsEmpty(inside))
        FillWithSysColor(dc, inside, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
    return inside;
}

BOOL DrawEdge(HDC dc, RECT* r, UINT edge, UINT flags)
{
    DeviceContext* d = LookupDc(dc);
    if (!d || !r)
        return FALSE;
    RECT inside = PaintEdge(*d, *r, edge, flags);
    if (flags & BF_ADJUST)
        *r = inside;
    return TRUE;
}
