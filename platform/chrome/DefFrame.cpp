#include "platform/chrome/DefFrame.h"

#include "platform/RectMath.h"
#include "platform/chrome/ScrollBarState.h"
#include "platform/window/WindowPaint.h"
#include "platform/window/WindowTable.h"

#include <algorithm>

namespace {

constexpr int kCornerLength = 16;

bool hasCaption(DWORD style)
{
    return (style & WS_CAPTION) == WS_CAPTION;
}

int borderThickness(DWORD style, DWORD exStyle)
{
    if (style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        return GetSystemMetrics(SM_CXDLGFRAME);
    if (style & WS_BORDER)
        return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

int edgeThickness(DWORD exStyle)
{
    if (exStyle & WS_EX_CLIENTEDGE)
        return GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE)
        return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

RECT windowBox(const Window& w)
{
    return RECT{0, 0, Width(w.window), Height(w.window)};
}

LRESULT sizingCode(const Window& w, POINT p, int border)
{
    int width = Width(w.window);
    int height = Height(w.window);
    bool left = p.x < border, right = p.x >= width - border;
    bool top = p.y < border, bottom = p.y >= height - border;
    if (!(left || right || top || bottom))
        return HTNOWHERE;
    bool nearLeft = p.x < kCornerLength, nearRight = p.x >= width - kCornerLength;
    bool nearTop = p.y < kCornerLength, nearBottom = p.y >= height - kCornerLength;
    if ((top && nearLeft) || (left && nearTop))
        return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop))
        return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom))
        return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom))
        return HTBOTTOMRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    return top ? HTTOP : HTBOTTOM;
}

} // namespace

RECT FrameInsets(DWORD style, DWORD exStyle)
{
    int b = borderThickness(style, exStyle) + edgeThickness(exStyle);
    RECT insets{b, b, b, b};
    if (hasCaption(style))
        insets.top += GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    return insets;
}

FrameLayout ComputeFrameLayout(const Window& w)
{
    FrameLayout f;
    f.border = borderThickness(w.style, w.exStyle);
    RECT box = windowBox(w);
    if (hasCaption(w.style)) {
        bool tool = (w.exStyle & WS_EX_TOOLWINDOW) != 0;
        int captionHeight = GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
        f.caption = RECT{f.border, f.border, box.right - f.border, f.border + captionHeight};
        int buttonWidth = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
        int buttonHeight = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
        int top = f.caption.top + 2;
        int right = f.caption.right - 2;
        auto place = [&](RECT& r, int gapAfter) {
            r = RECT{right - buttonWidth, top, right, top + buttonHeight};
            right = r.left - gapAfter;
        };
        if (w.style & WS_SYSMENU) {
            place(f.closeButton, 2);
            if (!tool && (w.style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) {
                place(f.maximizeButton, 0);
                place(f.minimizeButton, 2);
            } else if (w.exStyle & WS_EX_CONTEXTHELP) {
                place(f.helpButton, 2);
            }
            if (!tool && !(w.exStyle & WS_EX_DLGMODALFRAME)) {
                int icon = GetSystemMetrics(SM_CXSMICON);
                f.systemMenu = RECT{f.caption.left + 1, f.caption.top + 1, f.caption.left + 1 + icon,
                                    f.caption.top + 1 + std::min(icon, captionHeight - 2)};
            }
        }
    }
    RECT client{w.client.left - w.window.left, w.client.top - w.window.top, 0, 0};
    client.right = client.left + Width(w.client);
    client.bottom = client.top + Height(w.client);
    if (w.style & WS_VSCROLL)
        f.verticalScroll = RECT{client.right, client.top, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom};
    if (w.style & WS_HSCROLL)
        f.horizontalScroll =
            RECT{client.left, client.bottom, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    return f;
}

LRESULT DefFrameNcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !lParam)
        return 0;
    RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    if (w->style & WS_MINIMIZE) {
        r->right = r->left;
        r->bottom = r->top;
        return 0;
    }
    RECT insets = FrameInsets(w->style, w->exStyle);
    r->left += insets.left;
    r->top += insets.top;
    r->right -= insets.right;
    r->bottom -= insets.bottom;
    if (w->style & WS_VSCROLL)
        r->right -= GetSystemMetrics(SM_CXVSCROLL);
    if (w->style & WS_HSCROLL)
        r->bottom -= GetSystemMetrics(SM_CYHSCROLL);
    r->right = std::max(r->right, r->left);
    r->bottom = std::max(r->bottom, r->top);
    return 0;
}

LRESULT DefFrameNcHitTest(HWND hwnd, POINT screen)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return HTNOWHERE;
    RECT onScreen = WindowRectOnScreen(*w);
    POINT p{screen.x - onScreen.left, screen.y - onScreen.top};
    if (!Contains(windowBox(*w), p.x, p.y) || (w->shape && !w->shape->contains(p.x, p.y)))
        return HTNOWHERE;
    if (Contains(ClientRectOnScreen(*w), screen.x, screen.y))
        return HTCLIENT;
    if (w->style & WS_MINIMIZE)
        return HTCAPTION;
    FrameLayout f = ComputeFrameLayout(*w);
    if ((w->style & WS_THICKFRAME) && !(w->style & WS_MAXIMIZE)) {
        LRESULT code = sizingCode(*w, p, f.border);
        if (code != HTNOWHERE)
            return code;
    } else if (f.border > 0 && (p.x < f.border || p.y < f.border || p.x >= Width(w->window) - f.border
                                || p.y >= Height(w->window) - f.border)) {
        return HTBORDER;
    }
    if (Contains(f.caption, p.x, p.y)) {
        if (Contains(f.closeButton, p.x, p.y))
            return HTCLOSE;
        if (Contains(f.maximizeButton, p.x, p.y))
            return HTMAXBUTTON;
        if (Contains(f.minimizeButton, p.x, p.y))
            return HTMINBUTTON;
        if (Contains(f.helpButton, p.x, p.y))
            return HTHELP;
        if (Contains(f.systemMenu, p.x, p.y))
            return HTSYSMENU;
        return HTCAPTION;
    }
    if (Contains(f.verticalScroll, p.x, p.y))
        return HTVSCROLL;
    if (Contains(f.horizontalScroll, p.x, p.y))
        return HTHSCROLL;
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL) && p.x >= f.verticalScroll.left
        && p.y >= f.horizontalScroll.top && p.x < f.verticalScroll.right && p.y < f.horizontalScroll.bottom)
        return (w->style & WS_THICKFRAME) ? HTGROWBOX : HTBORDER;
    return HTBORDER;
}

LRESULT DefFrameNcActivate(HWND hwnd, WPARAM active)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return FALSE;
    w->frameActive = active != 0;
    if (IsShown(hwnd))
        DefFrameNcPaint(hwnd, nullptr);
    return TRUE;
}

LRESULT DefFrameNcMouse(HWND hwnd, UINT msg, WPARAM hit, LPARAM screenPoint)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return 0;
    LRESULT code = LRESULT(hit);
    bool isButton = CaptionButtonCommand(*w, code) != 0;
    switch (msg) {
    case WM_NCLBUTTONDOWN:
        if (isButton) {
            DefFrameTrackCaptionButton(hwnd, code);
        } else if (code == HTCAPTION) {
            SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | WPARAM(HTCAPTION), screenPoint);
        } else if (code >= HTLEFT && code <= HTBOTTOMRIGHT) {
            SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE | WPARAM(code - HTLEFT + WMSZ_LEFT), screenPoint);
        } else if (code == HTSYSMENU) {
            SendMessage(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU, screenPoint);
        } else if (code == HTVSCROLL || code == HTHSCROLL) {
            TrackScrollBar(hwnd, code == HTVSCROLL ? SB_VERT : SB_HORZ,
                           POINT{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)});
        }
        return 0;
    case WM_NCLBUTTONDBLCLK:
        // The second press of a quick double click on a button is a press like the first.
        if (isButton)
            DefFrameTrackCaptionButton(hwnd, code);
        else if (code == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
            SendMessage(hwnd, WM_SYSCOMMAND, (w->style & (WS_MAXIMIZE | WS_MINIMIZE)) ? SC_RESTORE : SC_MAXIMIZE,
                        screenPoint);
        else if (code == HTSYSMENU)
            SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, screenPoint);
        else if (code == HTVSCROLL || code == HTHSCROLL)
            TrackScrollBar(hwnd, code == HTVSCROLL ? SB_VERT : SB_HORZ,
                           POINT{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)});
        return 0;
    default:
        return 0;
    }
}

LRESULT DefFrameSysCommand(HWND hwnd, WPARAM command, LPARAM lParam)
{
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        SendMessage(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        return 0;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        return 0;
    case SC_MOVE:
    case SC_SIZE:
        DefFrameMoveSizeLoop(hwnd, command, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case SC_CONTEXTHELP: {
        HELPINFO info;
        info.iCtrlId = GetDlgCtrlID(hwnd);
        info.hItemHandle = hwnd;
        GetCursorPos(&info.MousePos);
        SendMessage(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        return 0;
    }
    default:
        return 0;
    }
}

HCURSOR CursorForHitCode(LRESULT hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return LoadCursor(nullptr, IDC_SIZEWE);
    case HTTOP:
    case HTBOTTOM:
        return LoadCursor(nullptr, IDC_SIZENS);
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
    case HTGROWBOX:
        return LoadCursor(nullptr, IDC_SIZENWSE);
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return LoadCursor(nullptr, IDC_SIZENESW);
    default:
        return LoadCursor(nullptr, IDC_ARROW);
    }
}
