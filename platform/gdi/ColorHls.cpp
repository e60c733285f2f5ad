#include "platform/gdi/ColorHls.h"

#include <algorithm>

namespace brio {

Hls RgbToHls(COLORREF colour)
{
    const double r = GetRValue(colour) / 255.0;
    const double g = GetGValue(colour) / 255.0;
    const double b = GetBValue(colour) / 255.0;
    const double maxC = std::max({r, g, b});
    const double minC = std::min({r, g, b});
    Hls hls;
    hls.lightness = (maxC + minC) / 2;
    if (maxC == minC)
        return hls;
    const double d = maxC - minC;
    hls.saturation = hls.lightness < 0.5 ? d / (maxC + minC) : d / (2 - maxC - minC);
    double h;
    if (maxC == r)
        h = (g - b) / d;
    else if (maxC == g)
        h = (b - r) / d + 2;
    else
        h = (r - g) / d + 4;
    h /= 6;
    if (h < 0)
        h += 1;
    hls.hue = h;
    return hls;
}

} // namespace brio
