#pragma once
// Drawing "on the screen" where the screen cannot be drawn on (X11): a
// short-lived window above every other, never activated and letting the
// mouse through, at a given rectangle and region. Effects draw a frame into
// dc() and present() it; the pixels go straight into the window's surface,
// with no copy in between.

#include "platform/Gdi.h"

namespace brio {

class ScreenOverlay {
public:
    // Hidden until the first present(). `region` (window coordinates) is
    // copied; null means the whole rectangle. Throws std::runtime_error when
    // the window cannot be made.
    explicit ScreenOverlay(RECT bounds, HRGN region = nullptr);
    ~ScreenOverlay();
    ScreenOverlay(const ScreenOverlay&) = delete;
    ScreenOverlay& operator=(const ScreenOverlay&) = delete;

    HWND handle() const { return hwnd_; }
    RECT bounds() const;
    // Window coordinates, (0, 0) at the overlay's corner; clipped to the
    // region. Valid until present(), setBounds() or the overlay's end.
    HDC dc();
    // Shows what was drawn, now; the first call shows the overlay.
    void present();
    // Moves and sizes the overlay, with a new region (copied, null: whole).
    // A new size starts from blank pixels.
    void setBounds(RECT bounds, HRGN region = nullptr);
    void hide();

private:
    void releaseDc();
    void setRegion(HRGN region);
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
};

} // namespace brio
