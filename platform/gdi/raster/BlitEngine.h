#pragma once
// Drives a row operation over the clipped destination of a blit, reading
// the matching source pixels: unscaled (safe when source and destination
// share memory and overlap) or stretched by nearest neighbour.

#include "platform/gdi/BrushPaint.h"

// A rectangle as a corner and signed extents: a negative width runs left
// from x (covering x + width .. x - 1), a negative height runs up.
struct BlitRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Coordinates beyond this are refused, so that no sum or product of two
// of them overflows.
constexpr int kBlitCoordinateLimit = 1 << 29;

// The logical rectangle (x, y, width, height) of `dc` in target
// coordinates; false when it lies beyond the coordinate limit.
bool ToTargetBlitRect(const DeviceContext& dc, int x, int y, int width, int height, BlitRect& out);
RECT NormalizedRect(const BlitRect& r);

// What a blit does to one row: d and s hold `count` pixels each; targetX
// and targetY locate d[0] on the destination (patterns are anchored there).
class RowOperation {
public:
    virtual void apply(Pixel* d, const Pixel* s, int count, int targetX, int targetY) const = 0;
    // The result is the source pixels themselves (all four bytes).
    virtual bool isPlainCopy() const { return false; }

protected:
    ~RowOperation() = default;
};

// Unscaled: the destination pixel t takes source pixel t + sourceOffset.
// The area shrinks to where the source exists and to the clip; rows and
// clip boxes run in the order that never reads a pixel already written.
void BlitUnscaled(DeviceContext& dst, const RECT& dstRect, const PixelBuffer& src, POINT sourceOffset,
                  const RowOperation& op);

// Nearest neighbour from srcRect (in the source buffer) to dstRect (target
// coordinates). Mirrors where the signs of the extents differ. Equal sizes
// without mirroring are exactly BlitUnscaled.
void BlitScaled(DeviceContext& dst, const BlitRect& dstRect, const PixelBuffer& src, const BlitRect& srcRect,
                const RowOperation& op);

// Paints a target rectangle (clipped) with a brush through a binary raster
// operation; solid copies go at memory speed.
void PaintBrushRect(DeviceContext& dst, const RECT& targetRect, const BrushSource& brush, int rop2);

// A ternary raster operation of the destination's brush, the source and
// the destination. `src` may be null when the operation ignores the
// source; false when it needs one and there is none.
bool RasterBlit(DeviceContext& dst, const BlitRect& dstRect, const PixelBuffer* src, const BlitRect& srcRect,
                DWORD rop);
