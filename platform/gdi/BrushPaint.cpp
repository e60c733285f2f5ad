#include "platform/gdi/BrushPaint.h"

#include "platform/RectMath.h"

namespace {

template <int Rop2>
void fillRowRop(Pixel* d, int n, Pixel color)
{
    for (int i = 0; i < n; ++i)
        d[i] = ApplyRop2(Rop2, color, d[i]);
}

using RowFill = void (*)(Pixel*, int, Pixel);

// One specialised row loop per operation, picked outside the pixel loop.
RowFill rowFillFor(int rop2)
{
    switch (rop2) {
    case R2_BLACK: return fillRowRop<R2_BLACK>;
    case R2_NOTMERGEPEN: return fillRowRop<R2_NOTMERGEPEN>;
    case R2_MASKNOTPEN: return fillRowRop<R2_MASKNOTPEN>;
    case R2_NOTCOPYPEN: return fillRowRop<R2_NOTCOPYPEN>;
    case R2_MASKPENNOT: return fillRowRop<R2_MASKPENNOT>;
    case R2_NOT: return fillRowRop<R2_NOT>;
    case R2_XORPEN: return fillRowRop<R2_XORPEN>;
    case R2_NOTMASKPEN: return fillRowRop<R2_NOTMASKPEN>;
    case R2_MASKPEN: return fillRowRop<R2_MASKPEN>;
    case R2_NOTXORPEN: return fillRowRop<R2_NOTXORPEN>;
    case R2_MERGENOTPEN: return fillRowRop<R2_MERGENOTPEN>;
    case R2_MERGEPENNOT: return fillRowRop<R2_MERGEPENNOT>;
    case R2_MERGEPEN: return fillRowRop<R2_MERGEPEN>;
    case R2_WHITE: return fillRowRop<R2_WHITE>;
    default: return nullptr;
    }
}

int positiveMod8(int v)
{
    return ((v % 8) + 8) % 8;
}

} // namespace

BrushSource MakeBrushSource(const DeviceContext& dc, const BrushObject& brush)
{
    BrushSource s;
    if (brush.style == BS_NULL) {
        s.null = true;
        return s;
    }
    if (brush.style == BS_PATTERN) {
        s.patterned = true;
        s.pattern = brush.pattern;
        // The brush origin is in device units.
        s.anchor = dc.state().brushOrg + dc.deviceOrigin();
        return s;
    }
    s.solid = BrushPixel(brush, dc);
    return s;
}

BrushSource SolidSource(Pixel p)
{
    BrushSource s;
    s.solid = p | 0xFF000000u;
    return s;
}

void FillRectRop2(PixelBuffer& target, const RECT& r, Pixel color, int rop2)
{
    if (rop2 == R2_NOP || IsEmpty(r))
        return;
    if (rop2 == R2_COPYPEN) {
        target.fill(r, color);
        return;
    }
    RowFill fill = rowFillFor(rop2);
    if (!fill)
        return;
    for (int y = r.top; y < r.bottom; ++y)
        fill(target.row(y) + r.left, Width(r), color);
}

void FillRectPattern(PixelBuffer& target, const RECT& r, const Pixel* pattern, POINT anchor, int rop2)
{
    if (rop2 == R2_NOP || IsEmpty(r))
        return;
    for (int y = r.top; y < r.bottom; ++y) {
        const Pixel* patternRow = pattern + positiveMod8(y - anchor.y) * 8;
        Pixel* d = target.row(y);
        int phase = positiveMod8(r.left - anchor.x);
        if (rop2 == R2_COPYPEN) {
            for (int x = r.left; x < r.right; ++x, phase = (phase + 1) & 7)
                d[x] = patternRow[phase];
        } else {
            for (int x = r.left; x < r.right; ++x, phase = (phase + 1) & 7)
                d[x] = ApplyRop2(rop2, patternRow[phase], d[x]);
        }
    }
}

void PaintRect(DeviceContext& dc, const RECT& targetRect, const BrushSource& brush, int rop2)
{
    PixelBuffer* target = dc.target();
    if (!target || brush.null || IsEmpty(targetRect))
        return;
    dc.forEachClipRect(targetRect, [&](const RECT& r) {
        if (brush.patterned)
            FillRectPattern(*target, r, brush.pattern, brush.anchor, rop2);
        else
            FillRectRop2(*target, r, brush.solid, rop2);
    });
}

void PaintRegion(DeviceContext& dc, const Region& targetRegion, const BrushSource& brush, int rop2)
{
    for (const pixman_box32_t& b : targetRegion.boxes())
        PaintRect(dc, RECT{b.x1, b.y1, b.x2, b.y2}, brush, rop2);
}
