#pragma once
// The desktop under a window, kept as a picture of the window's size: the
// shadow, the translucency and the show animation blend the window's own
// picture with it, because the window itself is opaque.
//
// It is a snapshot. When the window moves, the part of the new rectangle
// that the old one covered is taken from the old picture (on screen the
// window hides it), and only the rest is read from the screen; an unchanged
// rectangle reads nothing. What lies behind the window does not update while
// it stays put.
//
// A picture that came back empty or entirely black (a display that does not
// let programs read the screen) counts as no picture at all: callers skip
// their effect then.

#include "platform/WinTypes.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "skin/engine/SeBitmap.h"

#include <memory>
#include <vector>

namespace brio {

class DesktopCapture {
public:
    DesktopCapture();
    ~DesktopCapture();
    DesktopCapture(const DesktopCapture&) = delete;
    DesktopCapture& operator=(const DesktopCapture&) = delete;

    // Brings the picture up to `rect` (screen coordinates). `own` is the
    // window the picture lies under: while it is on screen, what it covers
    // outside the old rectangle cannot be read without reading the window
    // itself, so that part stays black.
    void capture(const RECT& rect, HWND own = nullptr);
    // Forgets picture and rectangle: the next capture reads everything.
    void reset();

    // Captured, not empty and not all black.
    bool hasImage() const { return usable_; }
    // Empty until the first capture.
    const RECT& rect() const { return rect_; }
    const TSeBitmap& image() const { return *current_; }
    // The picture's pixels, (0, 0) at the rectangle's top-left corner.
    PixelBuffer pixels() const;
    // Screen rectangles the last capture read; empty when it read nothing.
    const std::vector<RECT>& lastReads() const { return lastReads_; }

private:
    void readScreen(TSeBitmap& target, const RECT& rect, const std::vector<RECT>& reads);
    bool anyColour() const;

    std::unique_ptr<TSeBitmap> current_;
    // The picture before the last one, kept so that a move of a window of
    // the same size needs no new memory.
    std::unique_ptr<TSeBitmap> spare_;
    RECT rect_{};
    bool usable_ = false;
    std::vector<RECT> lastReads_;
};

} // namespace brio
