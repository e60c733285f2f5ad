// The move and size loop: the held-button loop, following the mouse from a
// press on the caption or a border until the button is released. Escape
// puts the window back where it was.

#include "platform/chrome/DefFrame.h"
#include "platform/chrome/HeldButtonLoop.h"
#include "platform/RectMath.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowTable.h"

#include <algorithm>

namespace {

// The edges that follow the pointer; the opposite ones stay put, and the
// size stays within the tracking limits.
RECT sizedRect(RECT r, int edge, int dx, int dy, const MINMAXINFO& limits)
{
    bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    auto clampWidth = [&](int w) { return std::clamp<int>(w, limits.ptMinTrackSize.x, std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x)); };
    auto clampHeight = [&](int h) { return std::clamp<int>(h, limits.ptMinTrackSize.y, std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y)); };
    if (left)
        r.left = r.right - clampWidth(Width(r) - dx);
    if (right)
        r.right = r.left + clampWidth(Width(r) + dx);
    if (top)
        r.top = r.bottom - clampHeight(Height(r) - dy);
    if (bottom)
        r.bottom = r.top + clampHeight(Height(r) + dy);
    return r;
}

} // namespace

void DefFrameMoveSizeLoop(HWND hwnd, WPARAM command, POINT start)
{
    Window* w = LookupWindow(hwnd);
    if (!w || (w->style & WS_MAXIMIZE))
        return;
    bool moving = (command & 0xFFF0) == SC_MOVE;
    int edge = int(command & 0x000F);
    if (!moving && (edge < int(WMSZ_LEFT) || edge > int(WMSZ_BOTTOMRIGHT)))
        return;
    const RECT original = w->window; // parent coordinates move as the screen does
    MINMAXINFO limits = DefaultMinMaxInfo(hwnd);
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    SetCapture(hwnd);
    SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    auto follow = [&](const MSG& msg) {
        int dx = msg.pt.x - start.x;
        int dy = msg.pt.y - start.y;
        RECT r = original;
        if (moving) {
            r = Offset(r, dx, dy);
            SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
        } else {
            r = sizedRect(r, edge, dx, dy, limits);
            SendMessage(hwnd, WM_SIZING, WPARAM(edge), reinterpret_cast<LPARAM>(&r));
        }
        SetWindowPos(hwnd, nullptr, r.left, r.top, Width(r), Height(r),
                     SWP_NOZORDER | SWP_NOACTIVATE | (moving ? SWP_NOSIZE : 0));
    };
    // Escape puts the window back where it was and ends the loop.
    auto cancel = [&](const MSG& msg) {
        if (msg.message != WM_KEYDOWN || msg.wParam != WPARAM(VK_ESCAPE))
            return false;
        SetWindowPos(hwnd, nullptr, original.left, original.top, Width(original), Height(original),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    };
    TrackHeldLeftButton(hwnd, follow, cancel);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (IsWindow(hwnd))
        SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}
