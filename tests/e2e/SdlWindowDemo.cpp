// One framed classic window on a real display, for the end-to-end test: it
// reports its window rectangle whenever it moves or changes size, and
// "closed" when it goes away.

#include "platform/Gdi.h"
#include "platform/RectMath.h"
#include "platform/WinUser.h"
#include "platform/backends/sdl/SdlBackend.h"

#include <cstdio>
#include <exception>

namespace {

void reportRect(HWND hwnd, const char* what)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    std::printf("%s %ld %ld %ld %ld\n", what, long(r.left), long(r.top), long(r.right), long(r.bottom));
    std::fflush(stdout);
}

void paintClient(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    RECT band{client.left + 12, client.top + 12, client.right - 12, client.top + 40};
    HBRUSH brush = CreateSolidBrush(RGB(0x2E, 0x7D, 0x32));
    FillRect(dc, &band, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
    DrawText(dc, "Drag the caption, size the border, close.", -1, &band, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    EndPaint(hwnd, &ps);
}

LRESULT demoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOVE:
        reportRect(hwnd, "moved");
        return 0;
    case WM_SIZE:
        reportRect(hwnd, "sized");
        return 0;
    case WM_PAINT:
        paintClient(hwnd);
        return 0;
    case WM_DESTROY:
        std::printf("closed\n");
        std::fflush(stdout);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

// Where a script should press, found by asking the frame itself: the
// caption as an offset from the top-left corner, the close and minimize
// buttons from the top-right one, the sizing corner from the bottom-right.
void reportTargets(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    auto hit = [&](LONG x, LONG y) { return SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    POINT caption{-1, -1}, close{-1, -1}, corner{-1, -1}, minimize{-1, -1};
    for (LONG y = r.top; y < r.top + 40 && close.x < 0; ++y)
        for (LONG x = r.right - 1; x > r.left && close.x < 0; --x)
            if (hit(x, y) == HTCLOSE)
                close = POINT{r.right - x + 4, y - r.top + 4}; // a little inside the button
    for (LONG y = r.top; y < r.top + 40 && minimize.x < 0; ++y)
        for (LONG x = r.right - 1; x > r.left && minimize.x < 0; --x)
            if (hit(x, y) == HTMINBUTTON)
                minimize = POINT{r.right - x + 4, y - r.top + 4};
    for (LONG y = r.top; y < r.top + 40 && caption.x < 0; ++y)
        if (hit(r.left + Width(r) / 3, y) == HTCAPTION)
            caption = POINT{Width(r) / 3, y - r.top + 4};
    for (LONG d = 0; d < 10 && corner.x < 0; ++d)
        if (hit(r.right - 1 - d, r.bottom - 1 - d) == HTBOTTOMRIGHT)
            corner = POINT{d + 1, d + 1};
    std::printf("targets caption %ld %ld close %ld %ld corner %ld %ld minimize %ld %ld\n", long(caption.x),
                long(caption.y), long(close.x), long(close.y), long(corner.x), long(corner.y), long(minimize.x),
                long(minimize.y));
    std::fflush(stdout);
}

} // namespace

int main()
{
    try {
        UseSdlBackend();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sdl_window_demo: %s\n", e.what());
        return 2;
    }
    WNDCLASS wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW; // the band spans the width
    wc.lpfnWndProc = demoProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = "ClatterboxFrameTest";
    RegisterClass(&wc);
    HWND hwnd = CreateWindowEx(0, wc.lpszClassName, "Clatterbox frame test", WS_OVERLAPPEDWINDOW, 100, 100, 480, 320,
                               nullptr, nullptr, nullptr, nullptr);
    if (!hwnd) {
        std::fprintf(stderr, "sdl_window_demo: cannot create the window\n");
        return 1;
    }
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    reportRect(hwnd, "shown");
    reportTargets(hwnd);
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return int(msg.wParam);
}
