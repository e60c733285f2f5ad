#pragma once
// PNG files to and from 32-bit pixel buffers (straight alpha).

#include "platform/gdi/raster/PixelBuffer.h"

#include <string>
#include <vector>

// Throws std::runtime_error naming the file and the problem.
PixelBufferPtr ReadPng(const std::string& path);
PixelBufferPtr ReadPngFromMemory(const void* data, std::size_t size);
// With `opaque`, every pixel is written with alpha 255 (screenshots of
// windows, whose alpha bytes mean nothing).
void WritePng(const PixelBuffer& pixels, const std::string& path, bool opaque = false);
std::vector<unsigned char> EncodePng(const PixelBuffer& pixels, bool opaque = false);
