// The headless screen (composition in z-order through window regions, the
// screen DC), the clipboard, and the system metrics and monitor.

#include "WindowTestSupport.h"

#include "platform/gdi/DeviceContext.h"

#include <cstring>
#include <filesystem>
#include <string>

using namespace windowtest;

namespace {

class WindowScreen : public WindowTest {};

COLORREF g_fill[2];

LRESULT FillingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        HBRUSH brush = CreateSolidBrush(g_fill[GetWindowLongPtr(hwnd, GWLP_USERDATA)]);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST_F(WindowScreen, OverlappingShapedWindowsComposeInZOrder)
{
    WNDCLASS wc;
    wc.lpfnWndProc = FillingProc;
    wc.lpszClassName = "Filling";
    RegisterClass(&wc);
    g_fill[0] = RGB(200, 40, 40);
    g_fill[1] = RGB(40, 160, 60);
    HWND below = CreateWindowEx(0, "Filling", "below", WS_POPUP, 100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr);
    HWND above = CreateWindowEx(0, "Filling", "above", WS_POPUP, 250, 180, 300, 200, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtr(below, GWLP_USERDATA, 0);
    SetWindowLongPtr(above, GWLP_USERDATA, 1);
    SetWindowRgn(below, CreateRoundRectRgn(0, 0, 301, 201, 60, 60), FALSE);
    SetWindowRgn(above, CreateEllipticRgn(0, 0, 300, 200), FALSE);
    ShowWindow(below, SW_SHOW);
    ShowWindow(above, SW_SHOW);
    Pump();

    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeScreenPng(std::string(BRIO_TEST_OUTPUT_DIR) + "/window-screen.png");
    PixelBufferPtr screen = backend().composeScreen();
    auto at = [&](int x, int y) { return screen->at(x, y) & 0xFFFFFF; };
    const Pixel desktop = backend().desktopColor() & 0xFFFFFF;
    EXPECT_EQ(at(200, 150), PixelFromColorRef(g_fill[0]) & 0xFFFFFF);
    EXPECT_EQ(at(400, 280), PixelFromColorRef(g_fill[1]) & 0xFFFFFF) << "the upper window covers the lower";
    EXPECT_EQ(at(101, 101), desktop) << "rounded corner of the lower window";
    EXPECT_EQ(at(255, 185), PixelFromColorRef(g_fill[0]) & 0xFFFFFF) << "outside the ellipse the lower one shows";
    EXPECT_EQ(at(800, 600), desktop);

    // The screen DC reads what is composed.
    HDC screenDc = GetDC(nullptr);
    DeviceContext* d = LookupDc(screenDc);
    ASSERT_TRUE(d && d->target());
    EXPECT_EQ(d->target()->at(400, 280) & 0xFFFFFF, PixelFromColorRef(g_fill[1]) & 0xFFFFFF);
    ReleaseDC(nullptr, screenDc);

    // Raising the lower window changes what is on top.
    SetWindowPos(below, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(backend().composeScreen()->at(300, 250) & 0xFFFFFF, PixelFromColorRef(g_fill[0]) & 0xFFFFFF);
    // A minimized window is not on the screen.
    ShowWindow(below, SW_MINIMIZE);
    EXPECT_EQ(backend().composeScreen()->at(200, 150) & 0xFFFFFF, desktop);
    UnregisterClass("Filling", nullptr);
}

TEST_F(WindowScreen, ClipboardCarriesTextBothWays)
{
    HWND hwnd = createTop(WS_POPUP);
    EXPECT_FALSE(EmptyClipboard()) << "not open";
    ASSERT_TRUE(OpenClipboard(hwnd));
    EXPECT_FALSE(OpenClipboard(hwnd));
    EXPECT_TRUE(EmptyClipboard());
    const char text[] = "Zwölf €";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    std::memcpy(GlobalLock(block), text, sizeof text);
    GlobalUnlock(block);
    EXPECT_EQ(SetClipboardData(CF_TEXT, block), block);
    EXPECT_EQ(GetClipboardOwner(), hwnd);
    CloseClipboard();
    EXPECT_EQ(backend().clipboardText(), "Zwölf €");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL wide = GetClipboardData(CF_UNICODETEXT);
    ASSERT_TRUE(wide);
    const auto* units = static_cast<const char16_t*>(GlobalLock(wide));
    EXPECT_EQ(std::u16string(units), u"Zwölf €");
    GlobalUnlock(wide);
    // Text set as UTF-16 comes back as UTF-8, surrogate pairs included.
    const char16_t pair[] = u"a\U0001F600";
    HGLOBAL second = GlobalAlloc(GMEM_MOVEABLE, sizeof pair);
    std::memcpy(GlobalLock(second), pair, sizeof pair);
    GlobalUnlock(second);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, second);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT))), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(SetClipboardData(CF_TEXT, reinterpret_cast<HGLOBAL>(std::uintptr_t(0x77))), nullptr);
    CloseClipboard();
    EXPECT_EQ(GlobalFree(reinterpret_cast<HGLOBAL>(std::uintptr_t(0x77))), reinterpret_cast<HGLOBAL>(std::uintptr_t(0x77)));
}

TEST_F(WindowScreen, MetricsMonitorAndWorkArea)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    RECT work{0, 0, 1280, 770};
    EXPECT_TRUE(SystemParametersInfo(SPI_SETWORKAREA, 0, &work, 0));
    HMONITOR monitor = MonitorFromPoint(POINT{10, 10}, MONITOR_DEFAULTTONULL);
    ASSERT_TRUE(monitor);
    EXPECT_EQ(MonitorFromPoint(POINT{-10, 10}, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromPoint(POINT{-10, 10}, MONITOR_DEFAULTTONEAREST), monitor);
    MONITORINFO info;
    ASSERT_TRUE(GetMonitorInfo(monitor, &info));
    EXPECT_EQ(info.rcMonitor, (RECT{0, 0, 1280, 800}));
    EXPECT_EQ(info.rcWork, work);
    NONCLIENTMETRICS metrics;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_EQ(metrics.lfCaptionFont.lfWeight, FW_BOLD);
    EXPECT_STRNE(metrics.lfMessageFont.lfFaceName, "");
    metrics.cbSize = 4;
    EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
    EXPECT_TRUE(MessageBeep(MB_OK));
    LARGE_INTEGER a, b, frequency;
    QueryPerformanceCounter(&a);
    QueryPerformanceCounter(&b);
    QueryPerformanceFrequency(&frequency);
    EXPECT_LE(a.QuadPart, b.QuadPart);
    EXPECT_GT(frequency.QuadPart, 0);
    EXPECT_TRUE(LoadCursor(nullptr, IDC_HSPLIT));
    EXPECT_EQ(LoadCursor(nullptr, IDC_HAND), LoadCursor(nullptr, IDC_HAND));
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
}

} // namespace
