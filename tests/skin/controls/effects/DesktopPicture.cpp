#include "DesktopPicture.h"

#include "EffectTestSupport.h"

#include <map>

namespace effecttest {

namespace {

std::map<HWND, const brio::MemoryDib*>& pictures()
{
    static std::map<HWND, const brio::MemoryDib*> all;
    return all;
}

std::map<HWND, COLORREF>& colours()
{
    static std::map<HWND, COLORREF> all;
    return all;
}

LRESULT plainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH brush = CreateSolidBrush(colours()[hwnd]);
        FillRect(HDC(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    if (msg == WM_NCDESTROY)
        colours().erase(hwnd);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void registerClass(const char* name, WNDPROC proc)
{
    WNDCLASS wc{};
    if (GetClassInfo(nullptr, name, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    RegisterClass(&wc);
}

} // namespace

DesktopPicture::DesktopPicture(std::uint32_t seed, bool black)
    : picture_(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))
{
    PixelBuffer view(picture_.width(), picture_.height(), picture_.bits(), picture_.width());
    if (black)
        view.fill(0xFF000000u);
    else
        FillRandom(view, seed);
    registerClass("EffectTestDesktop", proc);
    hwnd_ = CreateWindowEx(0, "EffectTestDesktop", "", WS_POPUP, 0, 0, picture_.width(), picture_.height(), nullptr,
                           nullptr, nullptr, nullptr);
    pictures()[hwnd_] = &picture_;
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(hwnd_);
}

DesktopPicture::~DesktopPicture()
{
    if (IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    pictures().erase(hwnd_);
}

LRESULT DesktopPicture::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (const brio::MemoryDib* picture = pictures()[hwnd])
            BitBlt(dc, 0, 0, picture->width(), picture->height(), picture->dc(), 0, 0, SRCCOPY);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

HWND CreatePlainWindow(const RECT& bounds, COLORREF colour, bool visible)
{
    registerClass("EffectTestPlain", plainProc);
    HWND hwnd = CreateWindowEx(0, "EffectTestPlain", "", WS_POPUP, bounds.left, bounds.top,
                               bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr, nullptr,
                               nullptr);
    colours()[hwnd] = colour;
    if (visible) {
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd);
    }
    return hwnd;
}

} // namespace effecttest
