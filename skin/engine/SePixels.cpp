#include "skin/engine/SePixels.h"

#include <algorithm>

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
