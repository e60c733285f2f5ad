#pragma once
// A 32-bit pixel surface: rows may run top-down (positive stride) or
// bottom-up (negative stride); row(y) always gives picture row y.

#include "platform/WinTypes.h"

#include <cstddef>
#include <memory>

// Tag for memory left as allocated, for callers that write every pixel
// before any is read (a loader filling a bitmap from a file).
struct UnfilledPixels {};

class PixelBuffer {
public:
    // Owns zeroed memory, rows top to bottom. Sizes below 1 give an empty buffer.
    PixelBuffer(int width, int height);
    // The same without zeroing.
    PixelBuffer(int width, int height, UnfilledPixels);
    // Wraps memory the caller keeps alive; strideInPixels < 0 for bottom-up rows.
    PixelBuffer(int width, int height, Pixel* firstRow, std::ptrdiff_t strideInPixels);
    ~PixelBuffer();
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    RECT bounds() const { return RECT{0, 0, width_, height_}; }
    std::ptrdiff_t stride() const { return stride_; }

    Pixel* row(int y) { return firstRow_ + y * stride_; }
    const Pixel* row(int y) const { return firstRow_ + y * stride_; }
    // Lowest address of the pixel memory, as a DIB section hands it out.
    Pixel* memory() { return stride_ >= 0 ? firstRow_ : firstRow_ + (height_ - 1) * stride_; }
    const Pixel* memory() const { return const_cast<PixelBuffer*>(this)->memory(); }
    std::size_t byteCount() const { return std::size_t(width_) * std::size_t(height_) * 4; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Outside the buffer reads as opaque black.
    Pixel at(int x, int y) const { return contains(x, y) ? row(y)[x] : 0xFF000000u; }
    void set(int x, int y, Pixel p)
    {
        if (contains(x, y))
            row(y)[x] = p;
    }

    void fill(Pixel p);
    void fill(RECT r, Pixel p); // clipped to the buffer
    // Copies the block `from` of `source` to `to` in this buffer, clipped to
    // both. The two blocks must not share memory.
    void copyFrom(const PixelBuffer& source, RECT from, POINT to);

private:
    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t stride_ = 0;
    Pixel* firstRow_ = nullptr;
    Pixel* owned_ = nullptr;
};

using PixelBufferPtr = std::shared_ptr<PixelBuffer>;

namespace brio {

// Every copy of a block of pixels goes through here: `height` rows of
// `width` pixels, strides in pixels and negative for rows that run
// bottom-up. The caller clips; the blocks must not share memory.
void copyPixelRect(Pixel* dst, std::ptrdiff_t dstStride, const Pixel* src, std::ptrdiff_t srcStride, int width,
                   int height);

} // namespace brio
