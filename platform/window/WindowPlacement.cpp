// Minimized, maximized and normal placement.

#include "platform/window/Backend.h"
#include "platform/RectMath.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowTable.h"

namespace {

constexpr int kMinimizedPosition = -32000;

int frameThickness(const Window& w)
{
    if (w.style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    if ((w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME))
        return GetSystemMetrics(SM_CXDLGFRAME);
    if (w.style & WS_BORDER)
        return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

RECT maximizedRect(HWND hwnd)
{
    MINMAXINFO mmi = DefaultMinMaxInfo(hwnd);
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return RECT{mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxPosition.x + mmi.ptMaxSize.x,
                mmi.ptMaxPosition.y + mmi.ptMaxSize.y};
}

RECT minimizedRect(const Window& w)
{
    int width = GetSystemMetrics(SM_CXMINIMIZED);
    int height = GetSystemMetrics(SM_CYMINIMIZED);
    if (IsTopLevel(w))
        return RECT{kMinimizedPosition, kMinimizedPosition, kMinimizedPosition + width, kMinimizedPosition + height};
    Window* parent = LookupWindow(w.parent);
    int parentHeight = parent ? Height(parent->client) : 0;
    return RECT{0, parentHeight - height, width, parentHeight};
}

} // namespace

MINMAXINFO DefaultMinMaxInfo(HWND hwnd)
{
    MINMAXINFO mmi{};
    Window* w = LookupWindow(hwnd);
    int frame = w ? frameThickness(*w) : 0;
    RECT area{};
    if (w && !IsTopLevel(*w)) {
        if (Window* parent = LookupWindow(w->parent))
            area = RECT{0, 0, Width(parent->client), Height(parent->client)};
    } else {
        SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    }
    // A maximized window's borders lie just outside the area.
    mmi.ptMaxPosition = POINT{area.left - frame, area.top - frame};
    mmi.ptMaxSize = POINT{Width(area) + 2 * frame, Height(area) + 2 * frame};
    mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    return mmi;
}

WPARAM SizeTypeOf(const Window& w)
{
    if (w.style & WS_MINIMIZE)
        return SIZE_MINIMIZED;
    if (w.style & WS_MAXIMIZE)
        return SIZE_MAXIMIZED;
    return SIZE_RESTORED;
}

void ApplyPlacement(HWND hwnd, int placement, UINT swpFlags)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    bool iconic = (w->style & WS_MINIMIZE) != 0;
    bool zoomed = (w->style & WS_MAXIMIZE) != 0;
    RECT target = w->window;
    switch (placement) {
    case SW_MINIMIZE:
        if (!iconic) {
            if (!zoomed)
                w->normalRect = w->window;
            w->restoreToMaximized = zoomed;
            w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
            target = minimizedRect(*w);
        }
        break;
    case SW_MAXIMIZE:
        if (!zoomed) {
            if (!iconic)
                w->normalRect = w->window;
            target = maximizedRect(hwnd);
            w = LookupWindow(hwnd);
            if (!w)
                return;
            w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
        }
        break;
    case SW_RESTORE:
        if (iconic && w->restoreToMaximized) {
            target = maximizedRect(hwnd);
            w = LookupWindow(hwnd);
            if (!w)
                return;
            w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
        } else if (iconic || zoomed) {
            w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            target = w->normalRect;
        }
        w->restoreToMaximized = false;
        break;
    default:
        return;
    }
    RECT normal = w->normalRect;
    SetWindowPos(hwnd, HWND_TOP, target.left, target.top, Width(target), Height(target),
                 (swpFlags & ~(SWP_NOMOVE | SWP_NOSIZE)) | SWP_FRAMECHANGED | SWP_STATECHANGED);
    // SetWindowPos keeps the normal placement only for normal windows.
    if (Window* v = LookupWindow(hwnd); v && (v->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        v->normalRect = normal;
    NotifyBackendOfChange(hwnd, Backend::State);
}

void SetPlacementState(HWND hwnd, int placement)
{
    ApplyPlacement(hwnd, placement, SWP_NOACTIVATE | SWP_NOZORDER);
}

namespace {

// Workspace coordinates start at the work area's corner for top-level
// windows; children use their parent's client coordinates unchanged.
POINT workspaceOrigin(const Window& w)
{
    if (!IsTopLevel(w))
        return POINT{0, 0};
    RECT area{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    return POINT{area.left, area.top};
}

bool minimizing(UINT showCmd)
{
    return showCmd == SW_SHOWMINIMIZED || showCmd == SW_MINIMIZE || showCmd == SW_SHOWMINNOACTIVE ||
           showCmd == SW_FORCEMINIMIZE;
}

} // namespace

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !placement || hwnd == WindowSystem().desktop)
        return FALSE;
    const bool iconic = (w->style & WS_MINIMIZE) != 0;
    const bool zoomed = (w->style & WS_MAXIMIZE) != 0;
    const POINT origin = workspaceOrigin(*w);
    WINDOWPLACEMENT result;
    result.flags = iconic && w->restoreToMaximized ? WPF_RESTORETOMAXIMIZED : 0;
    result.showCmd = iconic ? SW_SHOWMINIMIZED : zoomed ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    result.ptMinPosition = iconic ? POINT{w->window.left, w->window.top} : POINT{-1, -1};
    result.ptMaxPosition = POINT{-1, -1};
    result.rcNormalPosition = Offset(iconic || zoomed ? w->normalRect : w->window, -origin.x, -origin.y);
    *placement = result;
    return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !placement || placement->length != sizeof(WINDOWPLACEMENT) || hwnd == WindowSystem().desktop)
        return FALSE;
    const WINDOWPLACEMENT wanted = *placement;
    const POINT origin = workspaceOrigin(*w);
    const RECT normal = Offset(Normalized(wanted.rcNormalPosition), origin.x, origin.y);
    const bool iconic = (w->style & WS_MINIMIZE) != 0;
    const bool zoomed = (w->style & WS_MAXIMIZE) != 0;

    if (iconic || zoomed) {
        w->normalRect = normal;
    } else {
        // A normal window stands at its normal rectangle; minimizing or
        // maximizing below then keeps it as the one to restore to.
        SetWindowPos(hwnd, nullptr, normal.left, normal.top, Width(normal), Height(normal),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    w = LookupWindow(hwnd);
    if (!w)
        return TRUE;
    if (wanted.showCmd == SW_HIDE) {
        ShowWindow(hwnd, SW_HIDE);
        return TRUE;
    }
    if (minimizing(wanted.showCmd)) {
        ShowWindow(hwnd, int(wanted.showCmd));
        if (Window* v = LookupWindow(hwnd))
            v->restoreToMaximized = (wanted.flags & WPF_RESTORETOMAXIMIZED) != 0;
        return TRUE;
    }
    if (wanted.showCmd == SW_SHOWMAXIMIZED) {
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        return TRUE;
    }
    // Every other command shows the window normal, at its normal rectangle.
    w->restoreToMaximized = false;
    ShowWindow(hwnd, wanted.showCmd == SW_SHOWNOACTIVATE || wanted.showCmd == SW_SHOWNA ? SW_SHOWNOACTIVATE
                                                                                        : SW_SHOWNORMAL);
    return TRUE;
}
