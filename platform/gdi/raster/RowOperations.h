#pragma once
// The row operations of the blits: plain copy, ternary raster operations
// with the brush, keyed copy and alpha blend. Each picks its kernel once,
// when it is made.

#include "platform/gdi/raster/BlitEngine.h"
#include "platform/gdi/BrushPaint.h"
#include "platform/gdi/raster/RasterKernels.h"

// All four bytes of the source, overlapping rows allowed.
class CopyRows final : public RowOperation {
public:
    void apply(Pixel* d, const Pixel* s, int count, int targetX, int targetY) const override;
    bool isPlainCopy() const override { return true; }
};

// A boolean operation of pattern, source and destination; opaque results.
class RopRows final : public RowOperation {
public:
    RopRows(BYTE rop, const BrushSource& brush);
    void apply(Pixel* d, const Pixel* s, int count, int targetX, int targetY) const override;

private:
    BYTE rop_;
    BrushSource brush_;
    RopRowKernel kernel_;
};

// Source pixels whose colour is not the key (0xRRGGBB).
class KeyedCopyRows final : public RowOperation {
public:
    explicit KeyedCopyRows(Pixel key) : key_(key & 0x00FFFFFFu) {}
    void apply(Pixel* d, const Pixel* s, int count, int targetX, int targetY) const override;

private:
    Pixel key_;
};

// Straight alpha blend with a constant alpha and, optionally, each source
// pixel's own alpha.
class BlendRows final : public RowOperation {
public:
    BlendRows(BYTE constantAlpha, bool perPixelAlpha);
    void apply(Pixel* d, const Pixel* s, int count, int targetX, int targetY) const override;
    // Nothing would change: the weight is 0 everywhere.
    bool isNoOp() const { return mode_ == Mode::Constant && constant_ == 0; }
    bool isPlainCopy() const override { return mode_ == Mode::Constant && constant_ == 255; }

private:
    enum class Mode { Constant, SourceAlpha, Table };
    Mode mode_;
    unsigned constant_;
    BYTE weightOfAlpha_[256] = {};
};
