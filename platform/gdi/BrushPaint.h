#pragma once
// Painting areas of a DC's target with a brush or a solid colour through a
// binary raster operation (R2_*). Used by fills, shapes, lines and text
// backgrounds. Rectangles here are in target coordinates and are clipped to
// the DC's clip region.

#include "platform/gdi/DeviceContext.h"

// The result of a binary raster operation on one pixel's colour bytes;
// the result is opaque.
inline Pixel ApplyRop2(int rop2, Pixel pen, Pixel dst)
{
    unsigned table = unsigned(rop2 - 1) & 15u;
    Pixel r = 0;
    if (table & 8)
        r |= pen & dst;
    if (table & 4)
        r |= pen & ~dst;
    if (table & 2)
        r |= ~pen & dst;
    if (table & 1)
        r |= ~pen & ~dst;
    return r | 0xFF000000u;
}

// A brush's pixels for one target: solid colour or an 8 x 8 pattern
// anchored at the brush origin.
struct BrushSource {
    bool null = false;
    bool patterned = false;
    Pixel solid = 0xFF000000u;
    const Pixel* pattern = nullptr;
    POINT anchor{}; // target coordinates of pattern cell (0, 0)
};

BrushSource MakeBrushSource(const DeviceContext& dc, const BrushObject& brush);
BrushSource SolidSource(Pixel p);

// Fills targetRect (clipped) with the brush through rop2.
void PaintRect(DeviceContext& dc, const RECT& targetRect, const BrushSource& brush, int rop2 = R2_COPYPEN);
// Fills a region given in target coordinates (clipped).
void PaintRegion(DeviceContext& dc, const Region& targetRegion, const BrushSource& brush, int rop2 = R2_COPYPEN);

// Raw kernels on a buffer, rectangle already clipped to it.
void FillRectRop2(PixelBuffer& target, const RECT& r, Pixel color, int rop2);
void FillRectPattern(PixelBuffer& target, const RECT& r, const Pixel* pattern, POINT anchor, int rop2);
