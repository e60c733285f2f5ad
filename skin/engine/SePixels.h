#pragma once
// Pixel rules every skin drawing path shares: the transparent key and the
// hue shift. Pixels are 0xAARRGGBB; the alpha blend is the platform's
// (BlendPixel in RasterKernels.h, weighted by the source's alpha).

#include "platform/WinTypes.h"
#include "platform/gdi/raster/RasterKernels.h"

constexpr Pixel SeKeyValue = 0x007F007F;
constexpr COLORREF SeKeyColorRef = RGB(127, 0, 127);
// What a pixel read outside a bitmap gives.
constexpr Pixel SeOutsidePixel = 0xFF000000;

// Only the colour bytes decide; the alpha byte of a key pixel is ignored.
constexpr bool IsKeyPixel(Pixel p) { return (p & 0x00FFFFFF) == (SeKeyValue & 0x00FFFFFF); }

// Each of red, green and blue differs from `colour`'s by less than 6.
constexpr bool IsNearColor(Pixel p, Pixel colour)
{
    // a - b + 5 lands in 0..10 exactly when the two differ by less than 6.
    auto near = [](std::uint32_t a, std::uint32_t b) { return a - b + 5u < 11u; };
    return near(p >> 16 & 0xFF, colour >> 16 & 0xFF) && near(p >> 8 & 0xFF, colour >> 8 & 0xFF) &&
           near(p & 0xFF, colour & 0xFF);
}

// `p`, or the key when each of its red, green and blue differs from (red,
// green, blue) by less than 6.
inline Pixel KeyedPixel(Pixel p, std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    const bool near = ((p >> 16 & 0xFF) - red + 5u < 11u) & ((p >> 8 & 0xFF) - green + 5u < 11u) &
                      ((p & 0xFF) - blue + 5u < 11u);
    return near ? SeKeyValue : p;
}

// The hue of `colour` (a 0x00BBGGRR colour reference) turned by `delta`
// 255ths of the colour circle; the result is opaque in the sense that only
// its colour bytes are set.
COLORREF HueShiftColorRef(COLORREF colour, int delta);
// The same on a pixel; the result carries alpha 255.
Pixel HueShiftPixel(Pixel p, int delta);
