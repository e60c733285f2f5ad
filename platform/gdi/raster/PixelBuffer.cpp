#include "platform/gdi/raster/PixelBuffer.h"

#include "platform/RectMath.h"

#include <climits>
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

void PixelBuffer::copyFrom(const PixelBuffer& source, RECT from, POINT to)
{
    // Clip the source block to the source, then the moved block to this buffer.
    RECT clipped = Intersect(from, source.bounds());
    RECT target = Intersect(Offset(clipped, to.x - from.left, to.y - from.top), bounds());
    if (IsEmpty(target))
        return;
    int sourceX = target.left - (to.x - from.left);
    int sourceY = target.top - (to.y - from.top);
    brio::copyPixelRect(row(target.top) + target.left, stride_, source.row(sourceY) + sourceX, source.stride(),
                        Width(target), Height(target));
}

void brio::copyPixelRect(Pixel* dst, std::ptrdiff_t dstStride, const Pixel* src, std::ptrdiff_t srcStride, int width,
                         int height)
{
    if (width <= 0 || height <= 0 || !dst || !src)
        return;
    // Two bottom-up layouts copy as two top-down ones from their last rows.
    if (dstStride < 0 && srcStride < 0) {
        dst += (height - 1) * dstStride;
        src += (height - 1) * srcStride;
        dstStride = -dstStride;
        srcStride = -srcStride;
    }
    // pixman's set-up costs more than it saves on small blocks (2-2.6x a row
    // memcpy at 8x8 and 32x32, even from about 4,000 pixels on).
    constexpr long kPixmanMinPixels = 4096;
    const bool pixmanCan = long(width) * height >= kPixmanMinPixels && dstStride > 0 && srcStride > 0 && dstStride <= INT_MAX && srcStride <= INT_MAX;
    if (pixmanCan
        && pixman_blt(reinterpret_cast<uint32_t*>(const_cast<Pixel*>(src)), reinterpret_cast<uint32_t*>(dst),
                      int(srcStride), int(dstStride), 32, 32, 0, 0, 0, 0, width, height))
        return;
    for (int y = 0; y < height; ++y)
        std::memcpy(dst + y * dstStride, src + y * srcStride, std::size_t(width) * sizeof(Pixel));
}
