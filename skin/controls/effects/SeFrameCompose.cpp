#include "skin/controls/effects/SeFrameCompose.h"

#include "platform/gdi/raster/RasterKernels.h"
#include "skin/controls/effects/SeAnimationMask.h"
#include "skin/engine/SePixels.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brio {

namespace {

// One row: weight of pixel x is weights[columns[x]], 0 for a key pixel.
void composeRowPortable(Pixel* out, const Pixel* p, const Pixel* d, const std::uint8_t* weights,
                        const int* columns, int count)
{
    for (int x = 0; x < count; ++x) {
        const unsigned a = IsKeyPixel(p[x]) ? 0u : weights[columns[x]];
        out[x] = BlendPixel(p[x], d[x], a);
    }
}

#if defined(__SSE2__)
// The same four pixels a step, byte for byte as BlendPixel: each channel is
// (a·s + 128) / 256 + ((255 − a)·d + 128) / 256 in 16-bit lanes (no lane
// can overflow: 255 · 255 + 128 < 65536), with 0 and 255 taken exactly.
// `Straight`: pixel x reads weights[x] (one cell per pixel, not turned).
template <bool Straight>
void composeRow(Pixel* out, const Pixel* p, const Pixel* d, const std::uint8_t* weights, const int* columns,
                int count)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i colourBits = _mm_set1_epi32(0x00FFFFFF);
    const __m128i key = _mm_set1_epi32(int(SeKeyValue & 0x00FFFFFF));
    const __m128i full = _mm_set1_epi16(255);
    const __m128i half = _mm_set1_epi16(128);
    const __m128i allOnes = _mm_set1_epi8(char(-1));
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + x));
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x));
        int four;
        if constexpr (Straight)
            std::memcpy(&four, weights + x, sizeof four);
        else
            four = weights[columns[x]] | weights[columns[x + 1]] << 8 | weights[columns[x + 2]] << 16 |
                   weights[columns[x + 3]] << 24;
        __m128i a = _mm_cvtsi32_si128(four);
        a = _mm_unpacklo_epi8(a, a);
        a = _mm_unpacklo_epi16(a, a); // each pixel's weight in all four of its bytes
        const __m128i keyed = _mm_cmpeq_epi32(_mm_and_si128(s, colourBits), key);
        a = _mm_andnot_si128(keyed, a);

        const __m128i aLow = _mm_unpacklo_epi8(a, zero), aHigh = _mm_unpackhi_epi8(a, zero);
        auto mix = [&](__m128i s16, __m128i u16, __m128i a16) {
            const __m128i over = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(s16, a16), half), 8);
            const __m128i under = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(u16, _mm_sub_epi16(full, a16)), half), 8);
            return _mm_add_epi16(over, under);
        };
        __m128i mixed = _mm_packus_epi16(mix(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(u, zero), aLow),
                                         mix(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(u, zero), aHigh));
        const __m128i showWindow = _mm_cmpeq_epi8(a, allOnes);
        const __m128i showDesktop = _mm_cmpeq_epi8(a, zero);
        mixed = _mm_or_si128(_mm_and_si128(showWindow, s), _mm_andnot_si128(showWindow, mixed));
        mixed = _mm_or_si128(_mm_and_si128(showDesktop, u), _mm_andnot_si128(showDesktop, mixed));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), mixed);
    }
    composeRowPortable(out + x, p + x, d + x, weights, columns + x, count - x);
}
#else
template <bool Straight>
void composeRow(Pixel* out, const Pixel* p, const Pixel* d, const std::uint8_t* weights, const int* columns,
                int count)
{
    composeRowPortable(out, p, d, weights, columns, count);
}
#endif

} // namespace

void composeAnimationFrame(PixelBuffer& frame, const PixelBuffer& picture, const PixelBuffer& desktop,
                           const AnimationMask& mask)
{
    const int w = std::min({frame.width(), picture.width(), desktop.width()});
    const int h = std::min({frame.height(), picture.height(), desktop.height()});
    if (w <= 0 || h <= 0 || mask.empty())
        return;
    auto rows = [&](auto composeOne) {
        for (int y = 0; y < h; ++y)
            composeOne(frame.row(y), picture.row(y), desktop.row(y), mask.bytes() + mask.rowOffsets()[y],
                       mask.columnOffsets(), w);
    };
    if (mask.straightColumns())
        rows(composeRow<true>);
    else
        rows(composeRow<false>);
}

} // namespace brio
