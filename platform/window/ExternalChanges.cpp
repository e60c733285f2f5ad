#include "platform/window/ExternalChanges.h"

#include "platform/RectMath.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowTable.h"

namespace brio {

namespace {

Window* topLevelWindow(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    return w && IsTopLevel(*w) && !w->messageOnly ? w : nullptr;
}

void postCommand(HWND hwnd, WPARAM command)
{
    PostMessage(hwnd, WM_SYSCOMMAND, command, 0);
}

} // namespace

void ReportExternalPlacement(HWND hwnd, const RECT& window)
{
    Window* w = topLevelWindow(hwnd);
    if (!w || (w->style & WS_MINIMIZE) || w->window == window)
        return;
    SetWindowPos(hwnd, nullptr, window.left, window.top, Width(window), Height(window),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void ReportExternalMinimize(HWND hwnd)
{
    Window* w = topLevelWindow(hwnd);
    if (!w || (w->style & WS_MINIMIZE))
        return;
    // The pop-ups of a window that leaves the screen go at once, whatever
    // the program does with the command.
    CancelCapture();
    postCommand(hwnd, SC_MINIMIZE);
}

void ReportExternalRestore(HWND hwnd)
{
    Window* w = topLevelWindow(hwnd);
    if (!w || !(w->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        return;
    postCommand(hwnd, SC_RESTORE);
}

void ReportExternalMaximize(HWND hwnd)
{
    Window* w = topLevelWindow(hwnd);
    if (!w || (w->style & WS_MAXIMIZE))
        return;
    postCommand(hwnd, SC_MAXIMIZE);
}

void ReportExternalHide(HWND hwnd)
{
    if (!topLevelWindow(hwnd))
        return;
    CancelCapture();
    if (WindowSystem().active == hwnd)
        ActivateWindow(nullptr, WA_INACTIVE);
}

void ReportCloseRequest(HWND hwnd)
{
    if (!topLevelWindow(hwnd))
        return;
    CancelCapture();
    postCommand(hwnd, SC_CLOSE);
}

void ReportFocusLeftApplication()
{
    CancelCapture();
    if (WindowSystem().active)
        ActivateWindow(nullptr, WA_INACTIVE);
}

void ReportDesktopClick()
{
    CancelCapture();
}

} // namespace brio
