#include "skin/engine/SePixels.h"

#include "platform/gdi/ColorHls.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// std::nearbyint rounds to nearest with ties to even in the default mode.
int roundEven(double v) { return int(std::nearbyint(v)); }

double hueChannel(double m1, double m2, double x)
{
    x -= std::floor(x);
    if (6 * x < 1)
        return m1 + (m2 - m1) * 6 * x;
    if (2 * x < 1)
        return m2;
    if (3 * x < 2)
        return m1 + (m2 - m1) * (2.0 / 3.0 - x) * 6;
    return m1;
}

int clampByte(int v) { return std::clamp(v, 0, 255); }

} // namespace

COLORREF HueShiftColorRef(COLORREF colour, int delta)
{
    const brio::Hls hls = brio::RgbToHls(colour);
    const double h = hls.hue;
    const double l = hls.lightness;
    const double s = hls.saturation;
    // The wrap is by 255, not 256: the circle has 255 steps here.
    int hue = roundEven(h * 255) + delta;
    if (hue >= 256)
        hue -= 255;
    if (hue < 0)
        hue += 255;
    const double h2 = hue / 255.0;
    int outR, outG, outB;
    if (s == 0) {
        outR = outG = outB = roundEven(l * 255);
    } else {
        const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
        const double m1 = 2 * l - m2;
        outR = roundEven(255 * hueChannel(m1, m2, h2 + 1.0 / 3.0));
        outG = roundEven(255 * hueChannel(m1, m2, h2));
        outB = roundEven(255 * hueChannel(m1, m2, h2 - 1.0 / 3.0));
    }
    return RGB(BYTE(clampByte(outR)), BYTE(clampByte(outG)), BYTE(clampByte(outB)));
}

Pixel HueShiftPixel(Pixel p, int delta)
{
    return PixelFromColorRef(HueShiftColorRef(ColorRefFromPixel(p), delta), 0xFF);
}

void CopyKeyedPixelsPortable(Pixel* out, const std::uint8_t* in, std::size_t count, Pixel keyColour)
{
    const std::uint32_t red = keyColour >> 16 & 0xFF, green = keyColour >> 8 & 0xFF, blue = keyColour & 0xFF;
    for (std::size_t i = 0; i < count; ++i) {
        Pixel p;
        std::memcpy(&p, in + i * 4, 4);
        out[i] = KeyedPixel(p, red, green, blue);
    }
}

#if defined(__SSE2__)
void CopyKeyedPixels(Pixel* out, const std::uint8_t* in, std::size_t count, Pixel keyColour)
{
    // Four pixels a step. A channel is near when its absolute difference
    // to the key's, from two saturating subtractions, is at most 5; the
    // alpha lane is forced near so that only the colour decides.
    const __m128i key = _mm_set1_epi32(int(keyColour & 0x00FFFFFF));
    const __m128i five = _mm_set1_epi8(5);
    const __m128i alphaLane = _mm_set1_epi32(int(0xFF000000));
    const __m128i keyValue = _mm_set1_epi32(int(SeKeyValue));
    const __m128i allNear = _mm_set1_epi32(-1);
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i * 4));
        const __m128i distance = _mm_or_si128(_mm_subs_epu8(p, key), _mm_subs_epu8(key, p));
        const __m128i near = _mm_or_si128(_mm_cmpeq_epi8(_mm_min_epu8(distance, five), distance), alphaLane);
        const __m128i keyed = _mm_cmpeq_epi32(near, allNear);
        const __m128i result = _mm_or_si128(_mm_and_si128(keyed, keyValue), _mm_andnot_si128(keyed, p));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), result);
    }
    CopyKeyedPixelsPortable(out + i, in + i * 4, count - i, keyColour);
}
#else
void CopyKeyedPixels(Pixel* out, const std::uint8_t* in, std::size_t count, Pixel keyColour)
{
    CopyKeyedPixelsPortable(out, in, count, keyColour);
}
#endif
