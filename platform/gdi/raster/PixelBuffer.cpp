#include "platform/gdi/raster/PixelBuffer.h"

#include "platform/RectMath.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include <pixman.h>

PixelBuffer::PixelBuffer(int width, int height) : PixelBuffer(width, height, UnfilledPixels{})
{
    if (owned_)
        std::memset(owned_, 0, (byteCount() + 63) & ~std::size_t(63));
}

PixelBuffer::PixelBuffer(int width, int height, UnfilledPixels)
{
    if (width <= 0 || height <= 0)
        return;
    std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
    // 64-byte rows starts help the SIMD paths; the size must be a multiple.
    std::size_t rounded = (bytes + 63) & ~std::size_t(63);
    owned_ = static_cast<Pixel*>(std::aligned_alloc(64, rounded));
    if (!owned_)
        throw std::bad_alloc();
    width_ = width;
    height_ = height;
    stride_ = width;
    firstRow_ = owned_;
}

PixelBuffer::PixelBuffer(int width, int height, Pixel* firstRow, std::ptrdiff_t strideInPixels)
    : width_(width > 0 && firstRow ? width : 0),
      height_(height > 0 && firstRow ? height : 0),
      stride_(strideInPixels),
      firstRow_(firstRow)
{
}

PixelBuffer::~PixelBuffer()
{
    std::free(owned_);
}

void PixelBuffer::fill(Pixel p)
{
    fill(bounds(), p);
}

void PixelBuffer::fill(RECT r, Pixel p)
{
    r = Intersect(r, bounds());
    if (IsEmpty(r))
        return;
    if (stride_ > 0
        && pixman_fill(reinterpret_cast<uint32_t*>(firstRow_), int(stride_), 32, r.left, r.top, Width(r), Height(r), p))
        return;
    for (int y = r.top; y < r.bottom; ++y) {
        Pixel* d = row(y) + r.left;
        for (int x = 0, n = Width(r); x < n; ++x)
            d[x] = p;
    }
}
