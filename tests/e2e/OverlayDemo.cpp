// The screen overlay on a real display, for the end-to-end test: a green
// window, and over part of it a red overlay cut to an ellipse. It reports
// the overlay's centre and whether its native window is override-redirect,
// reports a click that reaches the green window through the overlay, then
// hides the overlay and ends.

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/backends/sdl/SdlBackend.h"
#include "platform/backends/sdl/SdlBackendImpl.h"
#include "platform/window/Backend.h"
#include "platform/window/ScreenOverlay.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <exception>
#include <memory>

namespace {

std::unique_ptr<brio::ScreenOverlay> overlay;
HWND base = nullptr;

void say(const char* format, long a = 0, long b = 0)
{
    std::printf(format, a, b);
    std::printf("\n");
    std::fflush(stdout);
}

int overrideRedirect(HWND hwnd)
{
    SDL_Window* native = static_cast<SdlBackend&>(CurrentBackend()).nativeWindow(hwnd);
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!native || !SDL_GetWindowWMInfo(native, &info) || info.subsystem != SDL_SYSWM_X11)
        return -1;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes))
        return -1;
    return attributes.override_redirect ? 1 : 0;
}

LRESULT baseProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_LBUTTONDOWN: {
        POINT p{short(LOWORD(lParam)), short(HIWORD(lParam))};
        ClientToScreen(hwnd, &p);
        say("base click %ld %ld", p.x, p.y);
        say(GetActiveWindow() == base ? "active base" : "active other");
        overlay->hide();
        say("overlay hidden");
        SetTimer(hwnd, 1, 1500, nullptr); // time for the script's second picture
        return 0;
    }
    case WM_TIMER:
        overlay.reset();
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace

int main()
{
    try {
        UseSdlBackend();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "overlay_demo: %s\n", e.what());
        return 2;
    }
    WNDCLASS wc{};
    wc.lpfnWndProc = baseProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(0x00, 0xA0, 0x00));
    wc.lpszClassName = "ClatterboxOverlayBase";
    RegisterClass(&wc);
    base = CreateWindowEx(0, wc.lpszClassName, "Clatterbox overlay test", WS_POPUP, 100, 100, 480, 320, nullptr,
                          nullptr, nullptr, nullptr);
    ShowWindow(base, SW_SHOWNORMAL);
    UpdateWindow(base);

    HRGN ellipse = CreateEllipticRgn(0, 0, 200, 200);
    overlay = std::make_unique<brio::ScreenOverlay>(RECT{200, 150, 400, 350}, ellipse);
    DeleteObject(ellipse);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 200, 200};
    FillRect(overlay->dc(), &all, red);
    DeleteObject(red);
    overlay->present();
    say("override-redirect %ld", overrideRedirect(overlay->handle()));
    say(GetActiveWindow() == base ? "active base" : "active other");
    say("overlay up %ld %ld", 300, 250);

    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    say("done");
    return 0;
}
