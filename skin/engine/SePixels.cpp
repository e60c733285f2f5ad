#include "skin/engine/SePixels.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// n / d to the nearest integer, ties to even; n >= 0, d > 0.
int divideRoundingEven(int n, int d)
{
    const int q = n / d, r = n % d;
    return 2 * r > d || (2 * r == d && q % 2 != 0) ? q + 1 : q;
}

// One channel of the shifted colour, in 255ths: `x` is the channel's place
// on the hue circle (0..254). With max and min being the colour's largest
// and smallest channel the rule's m2 and m1 are max/255 and min/255, so
// every step is a fraction over 255; an odd denominator never ties.
int hueChannel(int minC, int maxC, int x)
{
    const int d = maxC - minC;
    if (6 * x < 255)
        return minC + (2 * 6 * d * x + 255) / 510;
    if (2 * x < 255)
        return maxC;
    if (3 * x < 510)
        return minC + (2 * 6 * d * (170 - x) + 255) / 510;
    return minC;
}

} // namespace

// Worked in integers: the hue index lands exactly on the rule's half steps,
// where floating point would round either way.
COLORREF HueShiftColorRef(COLORREF colour, int delta)
{
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    const int maxC = std::max({r, g, b});
    const int minC = std::min({r, g, b});
    // No hue: the lightness (max + min) / 2 comes back as max.
    if (maxC == minC)
        return RGB(BYTE(maxC), BYTE(maxC), BYTE(maxC));
    const int d = maxC - minC;
    // The hue as a fraction of the circle is sixths / (6 d).
    int sixths;
    if (maxC == r)
        sixths = g - b < 0 ? g - b + 6 * d : g - b;
    else if (maxC == g)
        sixths = b - r + 2 * d;
    else
        sixths = r - g + 4 * d;
    // The wrap is by 255, not 256: the circle has 255 steps here.
    int hue = divideRoundingEven(255 * sixths, 6 * d) + delta;
    if (hue >= 256)
        hue -= 255;
    if (hue < 0)
        hue += 255;
    auto place = [hue](int third) { return ((hue + third) % 255 + 255) % 255; };
    return RGB(BYTE(hueChannel(minC, maxC, place(85))), BYTE(hueChannel(minC, maxC, place(0))),
               BYTE(hueChannel(minC, maxC, place(-85))));
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
