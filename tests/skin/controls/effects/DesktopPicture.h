#pragma once
// A known desktop for capture and animation tests on the headless backend:
// a window at the bottom of the z-order covering the whole screen, painted
// from a random picture; and a plain window in one colour to stand for the
// window whose desktop is captured.

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/gdi/MemoryDib.h"

#include <cstdint>
#include <memory>

namespace effecttest {

class DesktopPicture {
public:
    // Black gives a screen that reads as black everywhere.
    explicit DesktopPicture(std::uint32_t seed, bool black = false);
    ~DesktopPicture();
    DesktopPicture(const DesktopPicture&) = delete;
    DesktopPicture& operator=(const DesktopPicture&) = delete;

    HWND handle() const { return hwnd_; }
    // The picture's pixel at screen point (x, y).
    Pixel at(int x, int y) const { return picture_.row(y)[x] | 0xFF000000u; }
    int width() const { return picture_.width(); }
    int height() const { return picture_.height(); }

private:
    static LRESULT proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    brio::MemoryDib picture_;
    HWND hwnd_ = nullptr;
};

// A visible pop-up window painted all in `colour` (0x00BBGGRR).
HWND CreatePlainWindow(const RECT& bounds, COLORREF colour, bool visible = true);

} // namespace effecttest
