#include "skin/engine/SePixels.h"

#include <algorithm>
#include <cmath>

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
    const double r = GetRValue(colour) / 255.0;
    const double g = GetGValue(colour) / 255.0;
    const double b = GetBValue(colour) / 255.0;
    const double maxC = std::max({r, g, b});
    const double minC = std::min({r, g, b});
    const double l = (maxC + minC) / 2;
    double h = 0;
    double s = 0;
    if (maxC != minC) {
        const double d = maxC - minC;
        s = l < 0.5 ? d / (maxC + minC) : d / (2 - maxC - minC);
        if (maxC == r)
            h = (g - b) / d;
        else if (maxC == g)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h /= 6;
        if (h < 0)
            h += 1;
    }
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
