// Outlined and filled figures, lines and the focus rectangle. Every figure
// is worked out as pixel areas in target coordinates (interior, pen, style
// gaps) that do not overlap, so a mixing ROP2 touches each pixel once.

#include "platform/gdi/BrushPaint.h"
#include "platform/gdi/shapes/EllipseScan.h"
#include "platform/gdi/shapes/PolygonScan.h"
#include "platform/RectMath.h"
#include "platform/gdi/shapes/Stroke.h"

#include <algorithm>
#include <cmath>

namespace {

// A DC ready to draw into, with the area drawing may touch.
struct Canvas {
    DeviceContext& dc;
    RECT limits; // bounds of the clip, target coordinates

    ScanRows rows() const { return ScanRows{limits.top, limits.bottom}; }
};

// Null when the DC is unknown; `drawable` false when nothing can land.
DeviceContext* lookupCanvas(HDC dc, bool& drawable)
{
    DeviceContext* d = LookupDc(dc);
    drawable = d && d->target() && !d->clipIsEmpty();
    return d;
}

bool isNullPen(const PenObject& pen)
{
    return pen.style == PS_NULL;
}

// Paints interior, style gaps and pen in that order; the interior gives way
// to the pen and to gaps that are painted.
void paintFigure(DeviceContext& dc, Region fill, const Region& pen, const Region& gaps)
{
    int rop2 = dc.state().rop2;
    bool paintGaps = dc.state().bkMode == OPAQUE && !gaps.isEmpty();
    BrushSource brush = MakeBrushSource(dc, dc.brush());
    if (!brush.null && !fill.isEmpty()) {
        fill.subtract(pen);
        if (paintGaps)
            fill.subtract(gaps);
        PaintRegion(dc, fill, brush, rop2);
    }
    if (paintGaps)
        PaintRegion(dc, gaps, SolidSource(PixelFromColorRef(dc.state().bkColor)), rop2);
    PaintRegion(dc, pen, SolidSource(PenPixel(dc.pen(), dc)), rop2);
}

void paintStroke(DeviceContext& dc, const StrokeBuilder& stroke)
{
    paintFigure(dc, Region(), stroke.penRegion(), stroke.gapRegion());
}

RECT inflate(RECT r, int by)
{
    return RECT{r.left - by, r.top - by, r.right + by, r.bottom + by};
}

// How far a pen reaches out of a figure's box: wide pens straddle the
// outline unless they are inside-frame pens.
int outwardReach(const PenObject& pen)
{
    return pen.width > 1 && pen.style != PS_INSIDEFRAME ? pen.width / 2 : 0;
}

bool isStyledThinPen(const PenObject& pen)
{
    return pen.width <= 1 && pen.style >= PS_DASH && pen.style <= PS_DASHDOTDOT;
}

// The box of a figure in target coordinates; false when the call is refused.
bool figureBox(const Canvas& c, int left, int top, int right, int bottom, RECT& box)
{
    if (!IsScannableRect(RECT{left, top, right, bottom}))
        return false;
    box = Normalized(c.dc.toTarget(RECT{left, top, right, bottom}));
    return IsScannableRect(inflate(box, c.dc.pen().width));
}

// Pixels of a one-pixel outline ordered by their angle around the box's
// centre, so a dash pattern can run along it.
std::vector<POINT> outlineInDrawingOrder(const Region& ring, const RECT& box)
{
    double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    double sx = std::max(1, Width(box)), sy = std::max(1, Height(box));
    std::vector<std::pair<double, POINT>> ordered;
    for (const pixman_box32_t& b : ring.boxes())
        for (int y = b.y1; y < b.y2; ++y)
            for (int x = b.x1; x < b.x2; ++x)
                ordered.push_back({std::atan2(-(y + 0.5 - cy) / sy, (x + 0.5 - cx) / sx), POINT{x, y}});
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<POINT> pixels;
    pixels.reserve(ordered.size());
    for (const auto& entry : ordered)
        pixels.push_back(entry.second);
    return pixels;
}

// The part of `inner` with all four neighbours inside `outer`: where a thin
// shape's inset copy would touch its edge, the outline still closes.
Region interiorWithin(const Region& outer, Region inner)
{
    for (POINT shift : {POINT{1, 0}, POINT{-1, 0}, POINT{0, 1}, POINT{0, -1}}) {
        Region moved = outer;
        moved.translate(shift.x, shift.y);
        inner.intersect(moved);
    }
    return inner;
}

// Rectangles, ellipses and rounded rectangles. corner(box, growth) gives
// the corner ellipse for the figure's box grown by `growth` pixels in each
// dimension (negative: shrunk), as the pen moves the outline in or out.
template <class Corner>
void drawBoxFigure(Canvas& c, RECT box, Corner corner)
{
    const PenObject& pen = c.dc.pen();
    ScanRows rows = c.rows();
    auto shape = [&](const RECT& b, int growth, ScanRows within) {
        if (IsEmpty(b))
            return Region();
        SIZE k = corner(b, growth);
        return Region::fromRects(ScanRoundRect(b, k.cx, k.cy, within));
    };
    if (isNullPen(pen)) {
        // Without a pen the right and bottom edges, which the outline
        // would have taken, stay unpainted.
        box.right -= 1;
        box.bottom -= 1;
        paintFigure(c.dc, shape(box, -1, rows), Region(), Region());
        return;
    }
    if (isStyledThinPen(pen)) {
        // The dash pattern runs along the whole outline, so it is worked
        // out unclipped and then cut to the limits.
        ScanRows all{box.top, box.bottom};
        Region outer = shape(box, 0, all);
        Region ring = outer;
        ring.subtract(interiorWithin(outer, shape(inflate(box, -1), -2, all)));
        StrokeBuilder stroke(pen.style, 1, c.limits);
        stroke.addPixelsInOrder(outlineInDrawingOrder(ring, box));
        outer.intersect(c.limits);
        paintFigure(c.dc, std::move(outer), stroke.penRegion(), stroke.gapRegion());
        return;
    }
    // One row more each way than the limits, so the outline found at the
    // limits is the same as without them.
    ScanRows wider{rows.top - 1, rows.bottom + 1};
    int reach = outwardReach(pen);
    RECT outerBox = inflate(box, reach);
    RECT innerBox = inflate(outerBox, -pen.width);
    Region outer = shape(outerBox, 2 * reach, wider);
    Region inner = interiorWithin(outer, shape(innerBox, 2 * (reach - pen.width), wider));
    Region ring = outer;
    ring.subtract(inner);
    paintFigure(c.dc, std::move(inner), ring, Region());
}

template <class Corner>
BOOL boxFigure(HDC dc, int left, int top, int right, int bottom, Corner corner)
{
    bool drawable = false;
    DeviceContext* d = lookupCanvas(dc, drawable);
    if (!d)
        return FALSE;
    Canvas c{*d, d->clip().bounds()};
    RECT box;
    if (!figureBox(c, left, top, right, bottom, box))
        return FALSE;
    if (drawable && !IsEmpty(box))
        drawBoxFigure(c, box, corner);
    return TRUE;
}

// A copy of the points in target coordinates; false when they are out of range.
bool targetPoints(const DeviceContext& dc, const POINT* points, int count, std::vector<POINT>& out)
{
    POINT o = dc.logicalToTarget();
    out.clear();
    out.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        if (!IsScannableCoordinate(points[i].x) || !IsScannableCoordinate(points[i].y))
            return false;
        out.push_back(points[i] + o);
    }
    return true;
}

// The checkered pattern of a focus rectangle: every other pixel inverts.
struct FocusPattern {
    Pixel cells[64];
    FocusPattern()
    {
        for (int i = 0; i < 64; ++i)
            cells[i] = ((i / 8 + i % 8) % 2 == 0) ? 0xFFFFFFFFu : 0xFF000000u;
    }
};

} // namespace

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom)
{
    // A square corner is an empty corner ellipse.
    return boxFigure(dc, left, top, right, bottom, [](const RECT&, int) { return SIZE{0, 0}; });
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    int ew = std::abs(ellipseWidth), eh = std::abs(ellipseHeight);
    return boxFigure(dc, left, top, right, bottom, [ew, eh](const RECT&, int growth) {
        return SIZE{std::max(0, ew + growth), std::max(0, eh + growth)};
    });
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom)
{
    return boxFigure(dc, left, top, right, bottom,
                     [](const RECT& box, int) { return SIZE{Width(box), Height(box)}; });
}

BOOL Polygon(HDC dc, const POINT* points, int count)
{
    bool drawable = false;
    DeviceContext* d = lookupCanvas(dc, drawable);
    if (!d || !points || count < 2)
        return FALSE;
    std::vector<POINT> pts;
    if (!targetPoints(*d, points, count, pts))
        return FALSE;
    Canvas c{*d, d->clip().bounds()};
    StrokeBuilder stroke(d->pen().style, d->pen().width, c.limits);
    if (!stroke.canStroke(pts.data(), count))
        return FALSE;
    if (!drawable)
        return TRUE;
    Region fill = Region::fromRects(ScanPolygon(pts.data(), count, d->state().polyFillMode, c.rows()));
    if (isNullPen(d->pen())) {
        paintFigure(*d, std::move(fill), Region(), Region());
        return TRUE;
    }
    stroke.addPath(pts.data(), count, true);
    paintFigure(*d, std::move(fill), stroke.penRegion(), stroke.gapRegion());
    return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count)
{
    bool drawable = false;
    DeviceContext* d = lookupCanvas(dc, drawable);
    if (!d || !points || count < 2)
        return FALSE;
    std::vector<POINT> pts;
    if (!targetPoints(*d, points, count, pts))
        return FALSE;
    Canvas c{*d, d->clip().bounds()};
    StrokeBuilder stroke(d->pen().style, d->pen().width, c.limits);
    if (!stroke.canStroke(pts.data(), count))
        return FALSE;
    if (!drawable || isNullPen(d->pen()))
        return TRUE;
    stroke.addPath(pts.data(), count, false);
    paintStroke(*d, stroke);
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y)
{
    DeviceContext* d = LookupDc(dc);
    if (!d)
        return FALSE;
    POINT line[] = {d->state().currentPosition, POINT{x, y}};
    BOOL drawn = Polyline(dc, line, 2);
    d->state().currentPosition = line[1];
    return drawn;
}

BOOL DrawFocusRect(HDC dc, const RECT* r)
{
    bool drawable = false;
    DeviceContext* d = lookupCanvas(dc, drawable);
    if (!d || !r)
        return FALSE;
    RECT box = Normalized(d->toTarget(*r));
    if (!drawable || IsEmpty(box))
        return TRUE;
    static const FocusPattern pattern;
    BrushSource dots;
    dots.patterned = true;
    dots.pattern = pattern.cells;
    dots.anchor = d->state().brushOrg + d->deviceOrigin();
    // Four edges that share no pixel, so drawing twice restores the picture.
    PaintRect(*d, RECT{box.left, box.top, box.right, box.top + 1}, dots, R2_XORPEN);
    if (Height(box) > 1)
        PaintRect(*d, RECT{box.left, box.bottom - 1, box.right, box.bottom}, dots, R2_XORPEN);
    if (Height(box) > 2) {
        PaintRect(*d, RECT{box.left, box.top + 1, box.left + 1, box.bottom - 1}, dots, R2_XORPEN);
        if (Width(box) > 1)
            PaintRect(*d, RECT{box.right - 1, box.top + 1, box.right, box.bottom - 1}, dots, R2_XORPEN);
    }
    return TRUE;
}
