#include "platform/gdi/raster/RowOperations.h"

#include <cstring>

void CopyRows::apply(Pixel* d, const Pixel* s, int count, int, int) const
{
    std::memmove(d, s, std::size_t(count) * sizeof(Pixel));
}

RopRows::RopRows(BYTE rop, const BrushSource& brush)
    : rop_(rop), brush_(brush), kernel_(RopRowKernelFor(rop, brush.patterned))
{
}

void RopRows::apply(Pixel* d, const Pixel* s, int count, int targetX, int targetY) const
{
    PatternRow pattern;
    if (brush_.patterned && RopUsesPattern(rop_)) {
        pattern.cells = brush_.pattern + ((targetY - brush_.anchor.y) & 7) * 8;
        pattern.phase = (targetX - brush_.anchor.x) & 7;
    } else {
        pattern.cells = &brush_.solid;
    }
    kernel_(d, s, count, pattern, rop_);
}

void KeyedCopyRows::apply(Pixel* d, const Pixel* s, int count, int, int) const
{
    KeyedCopyRow(d, s, count, key_);
}

BlendRows::BlendRows(BYTE constantAlpha, bool perPixelAlpha) : constant_(constantAlpha)
{
    if (!perPixelAlpha)
        mode_ = Mode::Constant;
    else if (constantAlpha == 255)
        mode_ = Mode::SourceAlpha;
    else
        mode_ = Mode::Table;
    if (mode_ == Mode::Table)
        for (unsigned a = 0; a < 256; ++a)
            weightOfAlpha_[a] = BYTE(EffectiveAlpha(a, constantAlpha, true));
}

void BlendRows::apply(Pixel* d, const Pixel* s, int count, int, int) const
{
    switch (mode_) {
    case Mode::Constant:
        if (constant_ == 255)
            std::memmove(d, s, std::size_t(count) * sizeof(Pixel));
        else
            BlendRowConstant(d, s, count, constant_);
        break;
    case Mode::SourceAlpha: BlendRowSourceAlpha(d, s, count); break;
    case Mode::Table: BlendRowAlphaTable(d, s, count, weightOfAlpha_); break;
    }
}
