#include "skin/engine/SeKeyedPixels.h"

#include "skin/engine/SePixels.h"

#include <cstring>

void CopyKeyedPixelsPortable(Pixel* out, const std::uint8_t* in, std::size_t count, Pixel keyColour)
{
    const std::uint32_t red = keyColour >> 16 & 0xFF, green = keyColour >> 8 & 0xFF, blue = keyColour & 0xFF;
    for (std::size_t i = 0; i < count; ++i) {
        Pixel p;
        std::memcpy(&p, in + i * 4, 4);
        out[i] = KeyedPixel(p, red, green, blue);
    }
}

void CopyKeyedPixels(Pixel* out, const std::uint8_t* in, std::size_t count, Pixel keyColour)
{
#if defined(__SSE2__)
    CopyKeyedPixelsSse2(out, in, count, keyColour);
#else
    CopyKeyedPixelsPortable(out, in, count, keyColour);
#endif
}
