#pragma once
// What the window system needs from the machine it runs on: a screen, native
// top-level windows to present pixels in, input events, a clipboard and a
// way to sleep until something happens. The headless backend serves tests;
// other backends put the same windows on a real display.
//
// The window system calls these on the user-interface thread, except wake(),
// which PostMessage calls from any thread.

#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/WinTypes.h"

#include <memory>
#include <string>

namespace brio {
class TrayHost;
}

class Backend {
public:
    virtual ~Backend() = default;

    // ---- Screen
    virtual SIZE screenSize() const = 0;
    virtual RECT workArea() const = 0;
    virtual void setWorkArea(const RECT& area) = 0;
    // The screen as the user sees it (the screen DC draws into and reads it).
    virtual PixelBufferPtr screenPixels() = 0;

    // ---- Native top-level windows. `what` says what changed.
    enum Change : unsigned {
        Bounds = 1,
        Visibility = 2,
        ZOrder = 4,
        Shape = 8,
        State = 16, // minimized, maximized, restored
        Activation = 32,
        Text = 64,
    };
    virtual void windowCreated(HWND) {}
    virtual void windowDestroyed(HWND) {}
    virtual void windowChanged(HWND, unsigned /*what*/) {}
    // Part of a top-level window's surface (window coordinates) was drawn.
    virtual void surfaceChanged(HWND, const RECT& /*area*/) {}

    // ---- Input and waiting
    // Turns pending native events into input (never blocks).
    virtual void pumpEvents() {}
    // Puts what was drawn on the display now, without waiting for the loop.
    virtual void presentNow() {}
    // Sleeps until an event, a wake() or the timeout (milliseconds, < 0: none).
    virtual void waitEvents(int timeoutMs) = 0;
    // Ends a waitEvents early; safe from any thread.
    virtual void wake() = 0;

    // ---- Pointer, clipboard, sound
    virtual void setCursor(HCURSOR) {}
    virtual void setCursorPos(POINT) {}
    virtual void captureChanged(HWND) {}
    virtual std::string clipboardText() const = 0;
    virtual void setClipboardText(const std::string& utf8) = 0;
    virtual void beep() {}

    // ---- Notification area: null when this backend has none.
    virtual brio::TrayHost* trayHost() { return nullptr; }
};

// The backend in use; a headless one is made on first use when none was set.
Backend& CurrentBackend();
// Replaces the backend. Do it before creating windows.
void SetBackend(std::unique_ptr<Backend> backend);
