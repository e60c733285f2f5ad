#pragma once
// A drawing surface for tests and benchmarks: a memory DC over a top-down
// 32-bit DIB, every pixel set to `fill`, with plain fields for brevity in
// test code. Objects a test leaves selected are let go before the DC goes.

#include "platform/Gdi.h"
#include "platform/gdi/MemoryDib.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <vector>

namespace brio::test {

class DibSurface {
public:
    DibSurface(int width, int height, Pixel fill = 0)
        : dib_(width, height, brio::MemoryDib::Fill::Unfilled), dc(dib_.dc()), bitmap(dib_.bitmap()), bits(dib_.bits()),
          width(width), height(height)
    {
        if (!dib_)
            throw std::runtime_error("cannot make a test surface");
        this->fill(fill);
    }
    ~DibSurface()
    {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    void fill(Pixel value) { std::fill(bits, bits + pixelCount(), value); }
    Pixel at(int x, int y) const { return bits[std::ptrdiff_t(y) * width + x]; }
    Pixel* row(int y) const { return bits + std::ptrdiff_t(y) * width; }
    std::size_t pixelCount() const { return std::size_t(width) * std::size_t(height); }
    std::vector<Pixel> pixels() const { return std::vector<Pixel>(bits, bits + pixelCount()); }

private:
    brio::MemoryDib dib_;

public:
    HDC const dc;
    HBITMAP const bitmap;
    Pixel* const bits;
    const int width;
    const int height;
};

} // namespace brio::test
