// Keyboard focus and window activation.

#include "platform/window/Backend.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowTable.h"

namespace {

bool canActivate(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    return w && IsTopLevel(*w) && !w->messageOnly && !w->destroying && (w->style & WS_VISIBLE)
           && !(w->style & WS_DISABLED) && !(w->exStyle & WS_EX_NOACTIVATE);
}

void sendActivateApp(bool active, HWND except)
{
    std::vector<HWND> tops = TopLevelWindows();
    for (HWND top : tops)
        if (top != except && LookupWindow(top))
            SendMessage(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

bool firstInItsBand(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return true;
    bool topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
    for (HWND top : TopLevelWindows()) {
        Window* t = LookupWindow(top);
        if (t && ((t->exStyle & WS_EX_TOPMOST) != 0) == topmost)
            return top == hwnd;
    }
    return true;
}

WPARAM activateParam(HWND hwnd, WORD state)
{
    Window* w = LookupWindow(hwnd);
    return MAKEWPARAM(state, WORD(w && (w->style & WS_MINIMIZE) ? 1 : 0));
}

void changeFocus(HWND hwnd)
{
    WindowSystemState& ws = WindowSystem();
    HWND previous = ws.focus;
    if (previous == hwnd)
        return;
    ws.focus = hwnd;
    if (previous && LookupWindow(previous))
        SendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    // The handler of WM_KILLFOCUS may have moved the focus elsewhere.
    if (hwnd && ws.focus == hwnd && LookupWindow(hwnd))
        SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
}

} // namespace

void ActivateWindow(HWND hwnd, WORD state)
{
    WindowSystemState& ws = WindowSystem();
    HWND previous = ws.active;
    if (previous == hwnd)
        return;
    // A pop-up or a drag belongs to the window that was active: it ends
    // when the activation goes elsewhere, to another program included.
    if (previous && ws.capture && TopLevelOf(ws.capture) != hwnd)
        CancelCapture();
    if (previous && LookupWindow(previous)) {
        SendMessage(previous, WM_NCACTIVATE, FALSE, 0);
        SendMessage(previous, WM_ACTIVATE, activateParam(previous, WA_INACTIVE), reinterpret_cast<LPARAM>(hwnd));
        // The handlers may have activated something else meanwhile.
        if (ws.active != previous)
            return;
    }
    ws.active = LookupWindow(hwnd) ? hwnd : nullptr;
    if (!ws.active) {
        sendActivateApp(false, nullptr);
        if (ws.focus)
            changeFocus(nullptr);
        return;
    }
    if (!firstInItsBand(hwnd))
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!previous)
        sendActivateApp(true, nullptr);
    if (ws.active != hwnd || !LookupWindow(hwnd))
        return;
    SendMessage(hwnd, WM_NCACTIVATE, TRUE, 0);
    SendMessage(hwnd, WM_ACTIVATE, activateParam(hwnd, state), reinterpret_cast<LPARAM>(previous));
    // Focus that stayed in another window's tree comes to the new one.
    if (ws.active == hwnd && LookupWindow(hwnd) && TopLevelOf(ws.focus) != hwnd) {
        Window* w = LookupWindow(hwnd);
        changeFocus((w->style & WS_MINIMIZE) ? nullptr : hwnd);
    }
    NotifyBackendOfChange(hwnd, Backend::Activation);
}

void ActivateOtherWindow(HWND leaving)
{
    Window* w = LookupWindow(leaving);
    HWND candidate = nullptr;
    if (w && w->owner && w->owner != leaving && canActivate(w->owner))
        candidate = w->owner;
    if (!candidate) {
        for (HWND top : TopLevelWindows()) {
            if (top != leaving && canActivate(top) && !IsIconic(top)) {
                candidate = top;
                break;
            }
        }
    }
    ActivateWindow(candidate, WA_ACTIVE);
}

void MoveFocusOutOf(HWND hwnd)
{
    WindowSystemState& ws = WindowSystem();
    if (!ws.focus || (ws.focus != hwnd && !IsDescendant(hwnd, ws.focus)))
        return;
    Window* w = LookupWindow(hwnd);
    HWND parent = w && !IsTopLevel(*w) ? w->parent : nullptr;
    changeFocus(parent);
}

HWND SetFocus(HWND hwnd)
{
    WindowSystemState& ws = WindowSystem();
    HWND previous = ws.focus;
    if (!hwnd) {
        changeFocus(nullptr);
        return previous;
    }
    Window* w = LookupWindow(hwnd);
    if (!w || hwnd == ws.desktop || w->destroying)
        return nullptr;
    if (hwnd == previous)
        return previous;
    if (!IsEnabledForInput(hwnd))
        return nullptr;
    HWND top = TopLevelOf(hwnd);
    if (IsIconic(top))
        return nullptr;
    if (top != ws.active) {
        ActivateWindow(top, WA_ACTIVE);
        if (ws.active != top)
            return nullptr;
        if (ws.focus == hwnd)
            return previous;
    }
    if (!LookupWindow(hwnd))
        return nullptr;
    changeFocus(hwnd);
    return previous;
}

HWND GetFocus()
{
    return WindowSystem().focus;
}

HWND SetActiveWindow(HWND hwnd)
{
    WindowSystemState& ws = WindowSystem();
    HWND previous = ws.active;
    if (hwnd) {
        Window* w = LookupWindow(hwnd);
        if (!w || !IsTopLevel(*w) || w->messageOnly || (w->style & WS_DISABLED))
            return nullptr;
    }
    ActivateWindow(hwnd, WA_ACTIVE);
    return previous;
}

HWND GetActiveWindow()
{
    return WindowSystem().active;
}

BOOL SetForegroundWindow(HWND hwnd)
{
    HWND top = TopLevelOf(hwnd);
    if (!top)
        return FALSE;
    SetActiveWindow(top);
    return WindowSystem().active == top ? TRUE : FALSE;
}

HWND GetForegroundWindow()
{
    return WindowSystem().active;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return FALSE;
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        SendMessage(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        SendMessage(hwnd, WM_CANCELMODE, 0, 0);
        w = LookupWindow(hwnd);
        if (!w)
            return FALSE;
        w->style |= WS_DISABLED;
        if (WindowSystem().focus == hwnd || IsDescendant(hwnd, WindowSystem().focus))
            changeFocus(nullptr);
        SendMessage(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}
