#pragma once
// The bitmap one paint draws into off screen. Skinned forms and controls in
// the shared mode use one process-wide bitmap that only grows, so a screen
// of controls costs one allocation. Painting can nest (a see-through control
// asks its skinned form for the picture behind it while both use the shared
// mode), so a paint that finds the shared bitmap taken gets a private one
// instead of drawing over the outer paint's pixels.
//
// The DC's drawing state is saved when the paint starts and restored when it
// ends, so whatever one paint selects or clips never reaches the next.

#include "platform/gdi/MemoryDib.h"

namespace brio {

class SharedPaintBuffer {
public:
    // At least `width` x `height` pixels; `shared` false always takes a
    // private bitmap of exactly that size. A bitmap that cannot be made
    // leaves dc() null.
    SharedPaintBuffer(int width, int height, bool shared = true);
    ~SharedPaintBuffer();
    SharedPaintBuffer(const SharedPaintBuffer&) = delete;
    SharedPaintBuffer& operator=(const SharedPaintBuffer&) = delete;

    HDC dc() const { return dib_ ? dib_->dc() : nullptr; }
    Pixel* bits() const { return dib_ ? dib_->bits() : nullptr; }
    // Pixels per row of bits().
    int stride() const { return dib_ ? dib_->width() : 0; }
    // Whether this paint holds the process-wide bitmap.
    bool isShared() const { return holdsShared_; }

    // The process-wide bitmap's size (0 x 0 before its first use), and
    // whether a paint holds it now.
    static SIZE sharedSize();
    static bool sharedInUse();
    // Frees the process-wide bitmap when no paint holds it (the end of the
    // program, or a test that wants a fresh start).
    static void releaseShared();

private:
    MemoryDib* dib_ = nullptr;
    MemoryDib private_;
    bool holdsShared_ = false;
    int savedState_ = 0;
};

} // namespace brio
