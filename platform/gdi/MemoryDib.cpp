#include "platform/gdi/MemoryDib.h"

#include "platform/gdi/UnfilledBitmap.h"

#include <utility>

namespace brio {

MemoryDib::MemoryDib(int width, int height, Fill fill)
{
    // A negative height would turn the rows bottom-up.
    if (width < 1 || height < 1) {
        failure_ = Failure::Bitmap;
        return;
    }
    void* bits = nullptr;
    HBITMAP bitmap = nullptr;
    if (fill == Fill::Unfilled) {
        bitmap = CreateUnfilledDIBSection(width, height, &bits);
    } else {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    if (!bitmap || !bits) {
        if (bitmap)
            DeleteObject(bitmap);
        failure_ = Failure::Bitmap;
        return;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(bitmap);
        failure_ = Failure::Dc;
        return;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    if (!previous) {
        DeleteDC(dc);
        DeleteObject(bitmap);
        failure_ = Failure::Selection;
        return;
    }
    dc_ = dc;
    bitmap_ = bitmap;
    previous_ = previous;
    bits_ = static_cast<Pixel*>(bits);
    width_ = width;
    height_ = height;
}

MemoryDib::~MemoryDib() { reset(); }

MemoryDib::MemoryDib(MemoryDib&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)), bitmap_(std::exchange(other.bitmap_, nullptr)),
      previous_(std::exchange(other.previous_, nullptr)), bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)), height_(std::exchange(other.height_, 0)),
      failure_(std::exchange(other.failure_, Failure::None))
{
}

MemoryDib& MemoryDib::operator=(MemoryDib&& other) noexcept
{
    if (this != &other) {
        reset();
        dc_ = std::exchange(other.dc_, nullptr);
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        previous_ = std::exchange(other.previous_, nullptr);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        failure_ = std::exchange(other.failure_, Failure::None);
    }
    return *this;
}

void MemoryDib::reset()
{
    if (dc_) {
        // The bitmap must leave the DC before it can be deleted.
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

} // namespace brio
