// The default window procedure: what a window does with a message its own
// procedure passes on. Frame messages go to DefFrame.

#include "platform/window/Backend.h"
#include "platform/chrome/DefFrame.h"
#include "platform/RectMath.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowPaint.h"
#include "platform/window/WindowTable.h"

#include <algorithm>
#include <cstring>

namespace {

bool isChild(const Window& w)
{
    return (w.style & WS_CHILD) != 0;
}

HBRUSH classBrush(const Window& w)
{
    HBRUSH brush = w.windowClass->background;
    auto value = reinterpret_cast<std::uintptr_t>(brush);
    // (HBRUSH)(COLOR_xxx + 1) names a system colour.
    if (value > 0 && value <= 31)
        return GetSysColorBrush(int(value) - 1);
    return brush;
}

LRESULT onEraseBackground(HWND hwnd, HDC dc)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return 0;
    HBRUSH brush = classBrush(*w);
    if (!brush)
        return 0;
    RECT client{0, 0, Width(w->client), Height(w->client)};
    FillWithBrush(dc, client, brush);
    return 1;
}

LRESULT onSetText(HWND hwnd, const char* text)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return FALSE;
    w->text = text ? text : "";
    if ((w->style & WS_CAPTION) == WS_CAPTION && IsShown(hwnd))
        DefFramePaintPart(hwnd, ComputeFrameLayout(*w).caption);
    NotifyBackendOfChange(hwnd, Backend::Text);
    return TRUE;
}

// Copies at most size - 1 bytes without cutting a UTF-8 sequence.
LRESULT onGetText(HWND hwnd, WPARAM size, char* buffer)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !buffer || size == 0)
        return 0;
    std::size_t n = std::min<std::size_t>(w->text.size(), size - 1);
    while (n > 0 && n < w->text.size() && (static_cast<unsigned char>(w->text[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(buffer, w->text.data(), n);
    buffer[n] = '\0';
    return LRESULT(n);
}

LRESULT onSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return FALSE;
    // A parent may decide the cursor for its children.
    if (isChild(*w)) {
        HWND parent = w->parent;
        if (SendMessage(parent, WM_SETCURSOR, wParam, lParam))
            return TRUE;
        w = LookupWindow(hwnd);
        if (!w)
            return FALSE;
    }
    auto hit = LRESULT(short(LOWORD(std::uintptr_t(lParam))));
    UINT mouseMsg = HIWORD(std::uintptr_t(lParam));
    if (hit == HTERROR) {
        if (mouseMsg == WM_LBUTTONDOWN || mouseMsg == WM_RBUTTONDOWN || mouseMsg == WM_MBUTTONDOWN
            || mouseMsg == WM_NCLBUTTONDOWN || mouseMsg == WM_NCRBUTTONDOWN || mouseMsg == WM_NCMBUTTONDOWN)
            MessageBeep(MB_OK);
        return FALSE;
    }
    if (hit == HTCLIENT) {
        if (HCURSOR cursor = w->windowClass->cursor) {
            SetCursor(cursor);
            return TRUE;
        }
        return FALSE;
    }
    SetCursor(CursorForHitCode(hit));
    return TRUE;
}

void onWindowPosChanged(HWND hwnd, const WINDOWPOS* wp)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !wp)
        return;
    if (!(wp->flags & SWP_NOCLIENTMOVE))
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(WORD(w->client.left), WORD(w->client.top)));
    w = LookupWindow(hwnd);
    if (!w)
        return;
    if (!(wp->flags & SWP_NOCLIENTSIZE) || (wp->flags & SWP_STATECHANGED)) {
        WPARAM type = SizeTypeOf(*w);
        LPARAM size = type == SIZE_MINIMIZED ? 0 : MAKELPARAM(WORD(Width(w->client)), WORD(Height(w->client)));
        SendMessage(hwnd, WM_SIZE, type, size);
    }
}

LRESULT onSysKey(HWND hwnd, UINT msg, WPARAM key, LPARAM lParam)
{
    HWND top = TopLevelOf(hwnd);
    bool alt = (lParam & (LPARAM(1) << 29)) != 0;
    if (msg == WM_SYSKEYDOWN && key == WPARAM(VK_F4) && alt) {
        PostMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    if (msg == WM_SYSKEYUP && key == WPARAM(VK_F10))
        SendMessage(top, WM_SYSCOMMAND, SC_KEYMENU, 0);
    return 0;
}

LRESULT onControlColor(UINT msg, HDC dc)
{
    bool field = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(field ? COLOR_WINDOW : COLOR_3DFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(field ? COLOR_WINDOW : COLOR_3DFACE));
}

} // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE:
        return DefFrameNcCalcSize(hwnd, wParam, lParam);
    case WM_NCHITTEST:
        return DefFrameNcHitTest(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        DefFrameNcPaint(hwnd, wParam == 1 ? nullptr : reinterpret_cast<HRGN>(wParam));
        return 0;
    case WM_NCACTIVATE:
        return DefFrameNcActivate(hwnd, wParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
        return DefFrameNcMouse(hwnd, msg, wParam, lParam);
    case WM_SYSCOMMAND:
        return DefFrameSysCommand(hwnd, wParam, lParam);
    case WM_RBUTTONUP: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &p);
        SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(WORD(p.x), WORD(p.y)));
        return 0;
    }
    case WM_NCRBUTTONUP:
        SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), lParam);
        return 0;
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_HELP:
        if (isChild(*w))
            return SendMessage(w->parent, msg, wParam, lParam);
        return 0;
    case WM_SETCURSOR:
        return onSetCursor(hwnd, wParam, lParam);
    case WM_MOUSEACTIVATE:
        if (isChild(*w)) {
            if (LRESULT answer = SendMessage(w->parent, msg, wParam, lParam))
                return answer;
        }
        return MA_ACTIVATE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE))
            SetFocus(hwnd);
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return 0;
    case WM_ERASEBKGND:
        return onEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETTEXT:
        return onSetText(hwnd, reinterpret_cast<const char*>(lParam));
    case WM_GETTEXT:
        return onGetText(hwnd, wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH:
        return LRESULT(w->text.size());
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGED:
        onWindowPosChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        return onSysKey(hwnd, msg, wParam, lParam);
    case WM_SYSCHAR:
        if (lParam & (LPARAM(1) << 29))
            SendMessage(TopLevelOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(wParam));
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return onControlColor(msg, reinterpret_cast<HDC>(wParam));
    case WM_QUERYOPEN:
    case WM_QUERYENDSESSION:
        return TRUE;
    default:
        return 0;
    }
}
