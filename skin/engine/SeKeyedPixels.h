#pragma once
// The keyed copy that loading a skin runs over every pixel: `count` pixels
// from `in` (any alignment) to `out`, each through KeyedPixel with
// `keyColour`'s red, green and blue. The portable loop is the reference;
// the SSE2 loop (SeKeyedPixelsSse2.cpp) gives the same pixels four at a
// time, and CopyKeyedPixels picks it where the machine has it.

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>

void CopyKeyedPixels(Pixel* out, const std::uint8_t* in, std::size_t count, Pixel keyColour);
void CopyKeyedPixelsPortable(Pixel* out, const std::uint8_t* in, std::size_t count, Pixel keyColour);
#if defined(__SSE2__)
void CopyKeyedPixelsSse2(Pixel* out, const std::uint8_t* in, std::size_t count, Pixel keyColour);
#endif
