#include "platform/window/ScreenOverlay.h"

#include "platform/RectMath.h"
#include "platform/WinUser.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/window/Backend.h"
#include "platform/window/WindowTable.h"

#include <stdexcept>

namespace brio {

namespace {

constexpr const char* kOverlayClass = "BrioScreenOverlay";
// Top-most, never activated, not in the task bar, transparent to the mouse.
constexpr DWORD kOverlayExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;

LRESULT overlayProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1; // the pixels are whatever was drawn last
    case WM_PAINT: ValidateRect(hwnd, nullptr); return 0;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void registerClass()
{
    WNDCLASS wc{};
    if (GetClassInfo(nullptr, kOverlayClass, &wc))
        return;
    wc.lpfnWndProc = overlayProc;
    wc.lpszClassName = kOverlayClass;
    RegisterClass(&wc);
}

} // namespace

ScreenOverlay::ScreenOverlay(RECT bounds, HRGN region)
{
    registerClass();
    bounds = Normalized(bounds);
    hwnd_ = CreateWindowEx(kOverlayExStyle, kOverlayClass, "", WS_POPUP, bounds.left, bounds.top, Width(bounds),
                           Height(bounds), nullptr, nullptr, nullptr, nullptr);
    if (!hwnd_)
        throw std::runtime_error("cannot make the screen overlay window");
    setRegion(region);
}

ScreenOverlay::~ScreenOverlay()
{
    releaseDc();
    DestroyWindow(hwnd_);
}

RECT ScreenOverlay::bounds() const
{
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
}

HDC ScreenOverlay::dc()
{
    if (dc_)
        return dc_;
    // Straight onto the window's own pixels, shown or not: a frame is drawn
    // whole before present() puts it up.
    Window* w = LookupWindow(hwnd_);
    if (!w)
        return nullptr;
    const RECT whole{0, 0, Width(w->window), Height(w->window)};
    if (!w->surface || w->surface->width() != Width(whole) || w->surface->height() != Height(whole))
        w->surface = std::make_shared<PixelBuffer>(Width(whole), Height(whole));
    Region clip(whole);
    if (w->shape)
        clip.intersect(*w->shape);
    dc_ = CreateSurfaceDC(DeviceContext::Kind::Memory, w->surface, POINT{0, 0}, std::move(clip));
    return dc_;
}

void ScreenOverlay::releaseDc()
{
    if (dc_)
        DeleteDC(dc_);
    dc_ = nullptr;
}

void ScreenOverlay::present()
{
    releaseDc();
    if (!IsWindowVisible(hwnd_))
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (const Window* w = LookupWindow(hwnd_))
        CurrentBackend().surfaceChanged(hwnd_, RECT{0, 0, Width(w->window), Height(w->window)});
    CurrentBackend().presentNow();
}

void ScreenOverlay::setBounds(RECT bounds, HRGN region)
{
    releaseDc();
    bounds = Normalized(bounds);
    SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, Width(bounds), Height(bounds),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    setRegion(region);
}

void ScreenOverlay::hide()
{
    releaseDc();
    ShowWindow(hwnd_, SW_HIDE);
    CurrentBackend().presentNow();
}

void ScreenOverlay::setRegion(HRGN region)
{
    HRGN copy = nullptr;
    if (region) {
        copy = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(copy, region, nullptr, RGN_COPY);
    }
    SetWindowRgn(hwnd_, copy, TRUE);
}

} // namespace brio
