#pragma once
// Row kernels of the blits: ternary raster operations, keyed copies, alpha
// blending and the nearest-neighbour gather. Each works on one row of
// `count` pixels that the caller has already clipped; none reads or writes
// outside [0, count).

#include "platform/WinTypes.h"

#include <cstddef>

// The truth-table byte of a ternary raster operation (bits 16-23 of the code).
constexpr BYTE RopByte(DWORD rop) { return BYTE(rop >> 16); }
// Which operands a truth table depends on.
constexpr bool RopUsesSource(BYTE rop) { return ((rop >> 2) ^ rop) & 0x33; }
constexpr bool RopUsesPattern(BYTE rop) { return ((rop >> 4) ^ rop) & 0x0F; }
constexpr bool RopUsesDestination(BYTE rop) { return ((rop >> 1) ^ rop) & 0x55; }

// A source-free ternary operation as the binary operation (R2_*) of the
// pattern against the destination.
constexpr int Rop2FromRop3(BYTE rop)
{
    int table = (((rop >> 5) & 1) << 3) | (((rop >> 4) & 1) << 2) | (((rop >> 1) & 1) << 1) | (rop & 1);
    return table + 1;
}

// The generic evaluator: bit (p*4 + s*2 + d) of the truth table gives the
// result bit for pattern, source and destination bits p, s, d. Colour bytes
// only; the result is opaque.
Pixel ApplyRop3(BYTE rop, Pixel pattern, Pixel source, Pixel destination);

// Pattern cells of one row: a solid brush is one cell; a pattern brush is 8
// cells, and pixel i of the row uses cell (phase + i) & 7.
struct PatternRow {
    const Pixel* cells = nullptr;
    int phase = 0;
};

// d[i] = rop(pattern, s[i], d[i]) with opaque results.
using RopRowKernel = void (*)(Pixel* d, const Pixel* s, int count, PatternRow pattern, BYTE rop);
// The kernel specialised for `rop` (a named operation has its own loop,
// the rest share the generic evaluator). `patterned`: the brush is 8 x 8.
// SRCCOPY is not a boolean operation here: it moves all four bytes, so
// callers copy instead.
RopRowKernel RopRowKernelFor(BYTE rop, bool patterned);

// Copies every source pixel whose low 24 bits differ from key (0xRRGGBB);
// copied pixels keep all four bytes.
void KeyedCopyRow(Pixel* d, const Pixel* s, int count, Pixel key);

// Straight alpha blend of s over d with weight a (0..255): 255 gives s,
// 0 gives d, otherwise every byte is (a*s + 128)/256 + ((255-a)*d + 128)/256.
// Computed on the red/blue and the alpha/green pairs, two channels per
// multiply: no pair product can carry into the next channel.
inline Pixel BlendPixel(Pixel s, Pixel d, unsigned a)
{
    if (a >= 255)
        return s;
    if (a == 0)
        return d;
    unsigned na = 255 - a;
    Pixel rb = ((((s & 0x00FF00FFu) * a + 0x00800080u) >> 8) & 0x00FF00FFu)
               + ((((d & 0x00FF00FFu) * na + 0x00800080u) >> 8) & 0x00FF00FFu);
    Pixel ag = (((((s >> 8) & 0x00FF00FFu) * a + 0x00800080u) >> 8) & 0x00FF00FFu)
               + (((((d >> 8) & 0x00FF00FFu) * na + 0x00800080u) >> 8) & 0x00FF00FFu);
    return rb | (ag << 8);
}

// The weight of a source pixel under a constant alpha: with per-pixel alpha
// (srcAlpha * constant + 127) / 255, else the constant itself.
constexpr unsigned EffectiveAlpha(unsigned sourceAlpha, unsigned constantAlpha, bool perPixel)
{
    return perPixel ? (sourceAlpha * constantAlpha + 127) / 255 : constantAlpha;
}

// Blend rows: weight from each source pixel's alpha; from a table indexed by
// the source alpha; or one constant weight for the whole row (1..254).
void BlendRowSourceAlpha(Pixel* d, const Pixel* s, int count);
void BlendRowAlphaTable(Pixel* d, const Pixel* s, int count, const BYTE* weightOfAlpha);
void BlendRowConstant(Pixel* d, const Pixel* s, int count, unsigned a);

// d[i] = value for count pixels, at the speed of memset.
void FillPixels(Pixel* d, std::size_t count, Pixel value);

// d[i] = sourceRow[columns[i]]: the nearest-neighbour pick of a stretch.
void GatherRow(Pixel* d, const Pixel* sourceRow, const int* columns, int count);
