#pragma once
// A backend without a display: a virtual screen in memory onto which every
// visible top-level window is composed in z-order through its region, input
// injected by tests, and PNG pictures of any window or of the whole screen.

#include "platform/backends/headless/HeadlessTray.h"
#include "platform/window/Backend.h"
#include "platform/window/InputRouting.h"

#include <string>

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(SIZE screen = SIZE{1280, 800});

    SIZE screenSize() const override { return screen_; }
    RECT workArea() const override { return workArea_; }
    void setWorkArea(const RECT& area) override { workArea_ = area; }
    PixelBufferPtr screenPixels() override;

    void windowCreated(HWND) override { dirty_ = true; }
    void windowDestroyed(HWND) override { dirty_ = true; }
    void windowChanged(HWND, unsigned) override { dirty_ = true; }
    void surfaceChanged(HWND, const RECT&) override { dirty_ = true; }

    void waitEvents(int timeoutMs) override;
    void wake() override {}

    void setCursor(HCURSOR cursor) override { cursor_ = cursor; }
    std::string clipboardText() const override { return clipboard_; }
    void setClipboardText(const std::string& utf8) override { clipboard_ = utf8; }
    void beep() override { ++beeps_; }
    // The recorded tray, or the one a test put in its place.
    brio::TrayHost* trayHost() override { return trayOverride_ ? trayOverride_ : &tray_; }

    // ---- Injected input (the messages wait in the queue until pumped)
    void mouseMove(int x, int y);
    void mouseDown(MouseButton button = MouseButton::Left);
    void mouseUp(MouseButton button = MouseButton::Left);
    void click(int x, int y, MouseButton button = MouseButton::Left);
    void wheel(int delta);
    void keyDown(int virtualKey);
    void keyUp(int virtualKey);
    void pressKey(int virtualKey);
    void typeText(const std::string& utf8);

    // ---- What a window manager does on its own, reported the way a real
    // backend reports it (see ExternalChanges.h)
    void managerPlaces(HWND hwnd, const RECT& window);
    void managerMinimizes(HWND hwnd);
    void managerRestores(HWND hwnd);
    void managerMaximizes(HWND hwnd);
    // Another desktop is shown, or the desktop itself.
    void managerHides(HWND hwnd);
    void managerCloses(HWND hwnd);
    // Alt+Tab or a click on another program.
    void focusGoesToAnotherProgram();
    // A click on the bare desktop where no manager runs.
    void desktopClicked();

    // ---- What a person would see
    // The composed screen, recomposed now.
    PixelBufferPtr composeScreen();
    void writeScreenPng(const std::string& path);
    // The window's own pixels (frame included), whatever covers it.
    void writeWindowPng(HWND hwnd, const std::string& path);

    // ---- The notification area
    HeadlessTray& tray() { return tray_; }
    // Another tray (not owned) instead of the recorded one; null goes back.
    void useTrayHost(brio::TrayHost* host) { trayOverride_ = host; }

    HCURSOR cursor() const { return cursor_; }
    int beepCount() const { return beeps_; }
    Pixel desktopColor() const { return desktopColor_; }

private:
    SIZE screen_;
    RECT workArea_;
    PixelBufferPtr composed_;
    bool dirty_ = true;
    Pixel desktopColor_ = 0xFF3A6EA5u;
    HCURSOR cursor_ = nullptr;
    std::string clipboard_;
    int beeps_ = 0;
    HeadlessTray tray_;
    brio::TrayHost* trayOverride_ = nullptr;
};

// The backend in use when it is the headless one, otherwise null.
HeadlessBackend* CurrentHeadlessBackend();
