#pragma once
// Hue, lightness and saturation of a colour, each 0..1: what lightness-based
// greying and hue shifts are computed from.

#include "platform/WinTypes.h"

namespace brio {

struct Hls {
    double hue = 0; // 0..1 round the colour circle; 0 for greys
    double lightness = 0;
    double saturation = 0;
};

Hls RgbToHls(COLORREF colour);

// The mean of the largest and the smallest channel, 0..1.
inline double HlsLightness(COLORREF colour)
{
    const BYTE r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    const int maxC = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const int minC = r < g ? (r < b ? r : b) : (g < b ? g : b);
    return (maxC + minC) / 510.0;
}

} // namespace brio
