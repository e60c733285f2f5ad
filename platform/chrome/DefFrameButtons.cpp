// Caption buttons: a press starts a small loop that holds the mouse and
// shows the button pushed only while the pointer is over it; the button
// acts when released there. The release never reaches the window, as with
// the move and size loops.

#include "platform/chrome/DefFrame.h"

#include "platform/chrome/HeldButtonLoop.h"
#include "platform/RectMath.h"
#include "platform/window/WindowTable.h"

namespace {

bool pointerOverButton(HWND hwnd, LRESULT hit, POINT screen)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return false;
    RECT onScreen = WindowRectOnScreen(*w);
    RECT button = CaptionButtonRect(ComputeFrameLayout(*w), hit);
    return Contains(button, screen.x - onScreen.left, screen.y - onScreen.top);
}

void showPushed(HWND hwnd, LRESULT hit, bool pushed)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    w->pressedFrameButton = pushed ? hit : 0;
    DefFramePaintPart(hwnd, CaptionButtonRect(ComputeFrameLayout(*w), hit));
}

} // namespace

WPARAM CaptionButtonCommand(const Window& w, LRESULT hit)
{
    switch (hit) {
    case HTCLOSE:
        return (w.style & WS_SYSMENU) ? SC_CLOSE : 0;
    case HTMINBUTTON:
        if (!(w.style & WS_MINIMIZEBOX))
            return 0;
        return (w.style & WS_MINIMIZE) ? SC_RESTORE : SC_MINIMIZE;
    case HTMAXBUTTON:
        if (!(w.style & WS_MAXIMIZEBOX))
            return 0;
        return (w.style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE;
    case HTHELP:
        return (w.exStyle & WS_EX_CONTEXTHELP) ? SC_CONTEXTHELP : 0;
    default:
        return 0;
    }
}

RECT CaptionButtonRect(const FrameLayout& f, LRESULT hit)
{
    switch (hit) {
    case HTCLOSE: return f.closeButton;
    case HTMINBUTTON: return f.minimizeButton;
    case HTMAXBUTTON: return f.maximizeButton;
    case HTHELP: return f.helpButton;
    default: return RECT{};
    }
}

void DefFrameTrackCaptionButton(HWND hwnd, LRESULT hit)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !CaptionButtonCommand(*w, hit) || IsEmpty(CaptionButtonRect(ComputeFrameLayout(*w), hit)))
        return;
    bool over = true;
    showPushed(hwnd, hit, true);
    SetCapture(hwnd);
    POINT releasePoint{};
    bool released = TrackHeldLeftButton(hwnd, [&](const MSG& msg) {
        bool nowOver = pointerOverButton(hwnd, hit, msg.pt);
        if (nowOver != over) {
            over = nowOver;
            showPushed(hwnd, hit, over);
        }
        releasePoint = msg.pt;
    });
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (!IsWindow(hwnd))
        return;
    if (over)
        showPushed(hwnd, hit, false);
    if (!released || !over)
        return;
    // The style may have changed while the button was held.
    w = LookupWindow(hwnd);
    WPARAM command = w ? CaptionButtonCommand(*w, hit) : 0;
    if (command)
        SendMessage(hwnd, WM_SYSCOMMAND, command, MAKELPARAM(WORD(releasePoint.x), WORD(releasePoint.y)));
}
