#pragma once
// Windows BMP files to and from 32-bit pixels (0xAARRGGBB, rows top to
// bottom). Reads 1/4/8-bit palettised, 16-bit (5-5-5 or bit fields), 24-bit
// and 32-bit (plain or bit fields) images stored either way up; writes
// 16-bit 5-5-5, 16-bit 5-6-5, 24-bit and 32-bit bottom-up images.

#include "platform/WinTypes.h"

#include <vector>

class TStream;

struct BmpImage {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels; // width * height, top row first
    int bitCount = 32;         // as stored in the file
    bool rgb565 = false;       // 16-bit with a six-bit green field
};

enum class BmpLayout { Rgb555, Rgb565, Rgb24, Rgb32 };

// Reads one image from the stream's position and leaves the position after
// it. Raises EInvalidGraphic "Bitmap image is not valid" for truncated or
// inconsistent data (nothing is read outside the stream), and
// "Unsupported bitmap format" for valid files it cannot decode (RLE, JPEG).
BmpImage ReadBmp(TStream& stream);

// Writes `width` x `height` pixels (top row first). An empty image is
// written as a 0 x 0 header, which ReadBmp gives back as empty.
void WriteBmp(TStream& stream, const Pixel* pixels, int width, int height, BmpLayout layout);

// The 16-bit fields' value for an 8-bit channel and back; exposed so that
// tests can predict a 16-bit round trip. A channel of no bits expands to 0.
int QuantizeChannel(int value8, int bits);
int ExpandChannel(int value, int bits);
