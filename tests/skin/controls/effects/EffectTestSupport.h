#pragma once
// Pictures for the window-effect tests: seeded random pixels, buffers with
// a canary border that must survive, and the blend written out slowly, one
// channel at a time.

#include "platform/WinTypes.h"
#include "platform/gdi/raster/PixelBuffer.h"

#include <cstdint>
#include <random>
#include <vector>

namespace effecttest {

constexpr Pixel kCanary = 0x5AC0FFEEu;

// The weighted mix of two pixels as the blend rule states it, per byte.
inline Pixel SlowBlend(Pixel over, Pixel under, unsigned weight)
{
    if (weight >= 255)
        return over;
    if (weight == 0)
        return under;
    Pixel result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        unsigned s = (over >> shift) & 0xFF, d = (under >> shift) & 0xFF;
        unsigned byte = (weight * s + 128) / 256 + ((255 - weight) * d + 128) / 256;
        result |= Pixel(byte & 0xFF) << shift;
    }
    return result;
}

// A picture of `width` × `height` with a `border`-pixel canary frame; the
// view covers the inside only.
class Framed {
public:
    Framed(int width, int height, int border = 3)
        : w_(width), h_(height), b_(border), stride_(width + 2 * border),
          memory_(std::size_t(stride_) * std::size_t(height + 2 * border), kCanary),
          view_(width, height, memory_.data() + std::ptrdiff_t(border) * stride_ + border, stride_)
    {
    }
    PixelBuffer& view() { return view_; }
    Pixel at(int x, int y) const { return view_.row(y)[x]; }
    bool canaryIntact() const
    {
        for (int y = 0; y < h_ + 2 * b_; ++y)
            for (int x = 0; x < stride_; ++x) {
                bool inside = x >= b_ && x < b_ + w_ && y >= b_ && y < b_ + h_;
                if (!inside && memory_[std::size_t(y) * std::size_t(stride_) + std::size_t(x)] != kCanary)
                    return false;
            }
        return true;
    }

private:
    int w_, h_, b_, stride_;
    std::vector<Pixel> memory_;
    PixelBuffer view_;
};

// Opaque random pixels, never the transparent key.
inline void FillRandom(PixelBuffer& picture, std::uint32_t seed)
{
    std::mt19937 random(seed);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            Pixel p = 0xFF000000u | (random() & 0x00FFFFFFu);
            if ((p & 0x00FFFFFFu) == 0x007F007Fu)
                p ^= 1;
            picture.row(y)[x] = p;
        }
}

} // namespace effecttest
