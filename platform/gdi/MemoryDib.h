#pragma once
// A memory DC drawing into its own 32-bit DIB section (top-down rows), for
// off-screen pictures, scratch surfaces and tests. The DC, the bitmap and
// the selection are released together; a DIB that cannot be made is empty
// (no DC, no bits) rather than half made.

#include "platform/Gdi.h"

namespace brio {

class MemoryDib {
public:
    // Cleared: every pixel 0. Unfilled: the caller writes every pixel before
    // one is read (a loader filling the picture from a file).
    enum class Fill { Cleared, Unfilled };
    // What stopped an empty one from being made.
    enum class Failure { None, Bitmap, Dc, Selection };

    MemoryDib() = default;
    MemoryDib(int width, int height, Fill fill = Fill::Cleared);
    ~MemoryDib();
    MemoryDib(MemoryDib&& other) noexcept;
    MemoryDib& operator=(MemoryDib&& other) noexcept;
    MemoryDib(const MemoryDib&) = delete;
    MemoryDib& operator=(const MemoryDib&) = delete;

    bool empty() const { return dc_ == nullptr; }
    Failure failure() const { return failure_; }
    explicit operator bool() const { return !empty(); }
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Pixel* bits() const { return bits_; }
    Pixel* row(int y) const { return bits_ + std::ptrdiff_t(y) * width_; }

    void reset();

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    Pixel* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    Failure failure_ = Failure::None;
};

} // namespace brio
