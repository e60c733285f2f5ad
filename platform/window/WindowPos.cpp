// SetWindowPos, ShowWindow and the state queries around them.

#include "platform/window/Backend.h"
#include "platform/RectMath.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowPaint.h"
#include "platform/window/WindowTable.h"

#include <algorithm>

namespace {

bool isFirstInBand(const Window& w)
{
    Window* parent = LookupWindow(w.parent);
    if (!parent)
        return false;
    for (HWND sibling : parent->children) {
        if (sibling == w.handle)
            return true;
        Window* s = LookupWindow(sibling);
        bool siblingTopmost = s && IsTopLevel(*s) && (s->exStyle & WS_EX_TOPMOST);
        bool selfTopmost = IsTopLevel(w) && (w.exStyle & WS_EX_TOPMOST);
        if (siblingTopmost == selfTopmost)
            return false;
    }
    return false;
}

void fixFlags(const Window& w, WINDOWPOS& wp)
{
    bool visible = (w.style & WS_VISIBLE) != 0;
    if (visible)
        wp.flags &= ~SWP_SHOWWINDOW;
    else
        wp.flags &= ~SWP_HIDEWINDOW;
    wp.cx = std::max(wp.cx, 0);
    wp.cy = std::max(wp.cy, 0);
    if (Width(w.window) == wp.cx && Height(w.window) == wp.cy)
        wp.flags |= SWP_NOSIZE;
    if (w.window.left == wp.x && w.window.top == wp.y)
        wp.flags |= SWP_NOMOVE;
    bool topmostChange = IsTopLevel(w)
                         && ((wp.hwndInsertAfter == HWND_TOPMOST && !(w.exStyle & WS_EX_TOPMOST))
                             || (wp.hwndInsertAfter == HWND_NOTOPMOST && (w.exStyle & WS_EX_TOPMOST)));
    if (wp.hwndInsertAfter == w.handle)
        wp.flags |= SWP_NOZORDER;
    else if (!topmostChange
             && (wp.hwndInsertAfter == HWND_TOP || wp.hwndInsertAfter == HWND_TOPMOST
                 || wp.hwndInsertAfter == HWND_NOTOPMOST)
             && isFirstInBand(w))
        wp.flags |= SWP_NOZORDER;
}

void resizeSurface(Window& w, bool copyBits)
{
    auto fresh = std::make_shared<PixelBuffer>(Width(w.window), Height(w.window));
    if (copyBits && w.surface)
        fresh->copyFrom(*w.surface, w.surface->bounds(), POINT{0, 0});
    w.surface = std::move(fresh);
}

// Owned windows stay above their owner when it comes to the top.
void raiseOwnedWindows(HWND owner)
{
    std::vector<HWND> tops = TopLevelWindows();
    std::vector<HWND> owned;
    for (HWND top : tops)
        if (Window* t = LookupWindow(top); t && t->owner == owner)
            owned.push_back(top);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it)
        LinkIntoZOrder(*it, HWND_TOP);
}

void repaintAfterChange(HWND hwnd, const RECT& oldWindow, const RECT& oldClient, UINT flags, bool wasVisible)
{
    Window* w = LookupWindow(hwnd);
    if (!w || (flags & SWP_NOREDRAW))
        return;
    bool topLevel = IsTopLevel(*w);
    bool moved = oldWindow.left != w->window.left || oldWindow.top != w->window.top;
    bool sized = Width(oldWindow) != Width(w->window) || Height(oldWindow) != Height(w->window);
    bool visible = (w->style & WS_VISIBLE) != 0;

    // What the window covered before shows its parent and siblings again.
    if (!topLevel && wasVisible && (!visible || moved || sized)) {
        Region uncovered(oldWindow);
        RedrawTree(w->parent, uncovered, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        w = LookupWindow(hwnd);
        if (!w)
            return;
    }
    if (!visible)
        return;
    if ((flags & SWP_SHOWWINDOW) || (!topLevel && (moved || sized))) {
        RedrawTree(hwnd, std::nullopt, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        return;
    }
    if (!sized && !(flags & SWP_FRAMECHANGED))
        return;
    UINT classStyle = w->windowClass->style;
    bool clientShifted = (oldClient.left - oldWindow.left) != (w->client.left - w->window.left)
                         || (oldClient.top - oldWindow.top) != (w->client.top - w->window.top);
    bool whole = clientShifted || ((classStyle & CS_HREDRAW) && Width(oldClient) != Width(w->client))
                 || ((classStyle & CS_VREDRAW) && Height(oldClient) != Height(w->client));
    if (whole) {
        RedrawTree(hwnd, std::nullopt, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        return;
    }
    Region exposed(RECT{0, 0, Width(w->client), Height(w->client)});
    exposed.subtract(RECT{0, 0, Width(oldClient), Height(oldClient)});
    RedrawTree(hwnd, exposed, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

} // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    Window* w = LookupWindow(hwnd);
    if (!w || hwnd == WindowSystem().desktop)
        return FALSE;
    bool topLevel = IsTopLevel(*w);
    if (!topLevel && (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST))
        insertAfter = HWND_TOP;
    flags &= ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE);
    // SWP_STATECHANGED passes through to WM_WINDOWPOSCHANGED.
    WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
    fixFlags(*w, wp);
    if (!(wp.flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        w = LookupWindow(hwnd);
        if (!w)
            return FALSE;
    }
    const RECT oldWindow = w->window;
    const RECT oldClient = w->client;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    RECT newWindow = oldWindow;
    if (!(wp.flags & SWP_NOMOVE))
        newWindow = Offset(newWindow, wp.x - oldWindow.left, wp.y - oldWindow.top);
    if (!(wp.flags & SWP_NOSIZE)) {
        newWindow.right = newWindow.left + std::max(wp.cx, 0);
        newWindow.bottom = newWindow.top + std::max(wp.cy, 0);
    }
    bool sized = Width(newWindow) != Width(oldWindow) || Height(newWindow) != Height(oldWindow);
    RECT newClient;
    if (sized || (wp.flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = newWindow;
        params.rgrc[1] = oldWindow;
        params.rgrc[2] = oldClient;
        params.lppos = &wp;
        SendMessage(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        w = LookupWindow(hwnd);
        if (!w)
            return FALSE;
        newClient = params.rgrc[0];
        newClient.right = std::max(newClient.left, newClient.right);
        newClient.bottom = std::max(newClient.top, newClient.bottom);
    } else {
        newClient = Offset(oldClient, newWindow.left - oldWindow.left, newWindow.top - oldWindow.top);
    }

    unsigned changes = 0;
    if (!(wp.flags & SWP_NOZORDER)) {
        if (topLevel) {
            if (wp.hwndInsertAfter == HWND_TOPMOST)
                w->exStyle |= WS_EX_TOPMOST;
            else if (wp.hwndInsertAfter == HWND_NOTOPMOST || wp.hwndInsertAfter == HWND_BOTTOM)
                w->exStyle &= ~WS_EX_TOPMOST;
        }
        LinkIntoZOrder(hwnd, wp.hwndInsertAfter);
        if (topLevel && !(wp.flags & SWP_NOOWNERZORDER) && wp.hwndInsertAfter != HWND_BOTTOM)
            raiseOwnedWindows(hwnd);
        changes |= Backend::ZOrder;
    }
    w->window = newWindow;
    w->client = newClient;
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        w->normalRect = newWindow;
    if (topLevel && !w->messageOnly && (sized || !w->surface))
        resizeSurface(*w, !(wp.flags & SWP_NOCOPYBITS));
    if (wp.flags & SWP_SHOWWINDOW)
        w->style |= WS_VISIBLE;
    if (wp.flags & SWP_HIDEWINDOW)
        w->style &= ~WS_VISIBLE;
    if (!(oldWindow == newWindow))
        changes |= Backend::Bounds;
    if (wp.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))
        changes |= Backend::Visibility;
    if (wp.flags & SWP_FRAMECHANGED)
        changes |= Backend::State;

    repaintAfterChange(hwnd, oldWindow, oldClient, wp.flags, wasVisible);
    if (wp.flags & SWP_HIDEWINDOW) {
        ForgetUpdates(hwnd);
        MoveFocusOutOf(hwnd);
        if (WindowSystem().active == hwnd)
            ActivateOtherWindow(hwnd);
    }
    if (changes)
        NotifyBackendOfChange(hwnd, changes);

    w = LookupWindow(hwnd);
    if (!w)
        return TRUE;
    if (!(wp.flags & SWP_NOACTIVATE) && (w->style & WS_VISIBLE)) {
        if ((w->style & (WS_CHILD | WS_POPUP)) == WS_CHILD)
            SendMessage(hwnd, WM_CHILDACTIVATE, 0, 0);
        else if (topLevel && !w->messageOnly)
            ActivateWindow(hwnd, WA_ACTIVE);
        w = LookupWindow(hwnd);
        if (!w)
            return TRUE;
    }

    wp.x = newWindow.left;
    wp.y = newWindow.top;
    wp.cx = Width(newWindow);
    wp.cy = Height(newWindow);
    if (Width(oldClient) == Width(newClient) && Height(oldClient) == Height(newClient))
        wp.flags |= SWP_NOCLIENTSIZE;
    if (oldClient.left == newClient.left && oldClient.top == newClient.top)
        wp.flags |= SWP_NOCLIENTMOVE;
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hwnd, int command)
{
    Window* w = LookupWindow(hwnd);
    if (!w || hwnd == WindowSystem().desktop)
        return FALSE;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool child = (w->style & WS_CHILD) != 0;
    const bool iconic = (w->style & WS_MINIMIZE) != 0;
    const bool zoomed = (w->style & WS_MAXIMIZE) != 0;
    UINT swp = SWP_NOSIZE | SWP_NOMOVE;
    int placement = -1;
    bool deactivate = false;
    switch (command) {
    case SW_HIDE:
        if (!wasVisible)
            return FALSE;
        swp |= SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOACTIVATE;
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        placement = SW_MINIMIZE;
        swp |= SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
        deactivate = true;
        break;
    case SW_SHOWMINIMIZED:
        placement = SW_MINIMIZE;
        swp |= SWP_SHOWWINDOW;
        break;
    case SW_SHOWMAXIMIZED:
        placement = SW_MAXIMIZE;
        swp |= SWP_SHOWWINDOW;
        break;
    case SW_SHOWNA:
        swp |= SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOW:
        if (wasVisible)
            return TRUE;
        swp |= SWP_SHOWWINDOW;
        break;
    case SW_SHOWNOACTIVATE:
        swp |= SWP_NOACTIVATE | SWP_NOZORDER;
        [[fallthrough]];
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
    case SW_RESTORE:
        swp |= SWP_SHOWWINDOW;
        if (iconic || zoomed)
            placement = SW_RESTORE;
        break;
    default:
        return wasVisible;
    }
    if (child)
        swp |= SWP_NOACTIVATE | SWP_NOZORDER;
    bool showing = command != SW_HIDE;
    if (showing != wasVisible) {
        SendMessage(hwnd, WM_SHOWWINDOW, showing ? TRUE : FALSE, 0);
        if (!LookupWindow(hwnd))
            return wasVisible;
    }
    if (placement >= 0) {
        ApplyPlacement(hwnd, placement, swp);
    } else {
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, swp);
    }
    if (deactivate && WindowSystem().active == hwnd)
        ActivateOtherWindow(hwnd);
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd)
{
    return IsShown(hwnd) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    return w && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    return w && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}
