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
