// Mouse input: hit-testing, activation by click, double clicks, capture,
// leave and hover tracking, cursors.

#include "platform/window/Backend.h"
#include "platform/window/InputRouting.h"
#include "platform/window/MessageQueue.h"
#include "platform/RectMath.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowTable.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr int kButtonCount = 5;

struct LastClick {
    bool valid = false;
    MouseButton button = MouseButton::Left;
    HWND hwnd = nullptr;
    bool client = false;
    DWORD time = 0;
    POINT pt{};
};

struct Tracking {
    HWND hwnd = nullptr;
    DWORD flags = 0;
    DWORD hoverTime = 0;
    UINT_PTR hoverTimer = 0;
    POINT hoverStart{};
};

struct MouseState {
    bool down[kButtonCount] = {};
    LastClick lastClick;
    Tracking tracking;
};

MouseState& mouse()
{
    static MouseState m;
    return m;
}

struct ButtonMessages {
    UINT down, up, doubleClick, ncDown, ncUp, ncDoubleClick;
    int virtualKey;
    WPARAM mk;
};

ButtonMessages messagesFor(MouseButton b)
{
    switch (b) {
    case MouseButton::Right:
        return {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP, WM_NCRBUTTONDBLCLK,
                VK_RBUTTON, MK_RBUTTON};
    case MouseButton::Middle:
        return {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_NCMBUTTONDOWN, WM_NCMBUTTONUP, WM_NCMBUTTONDBLCLK,
                VK_MBUTTON, MK_MBUTTON};
    case MouseButton::X1:
        return {WM_XBUTTONDOWN, WM_XBUTTONUP, WM_XBUTTONDBLCLK, 0, 0, 0, VK_XBUTTON1, MK_XBUTTON1};
    case MouseButton::X2:
        return {WM_XBUTTONDOWN, WM_XBUTTONUP, WM_XBUTTONDBLCLK, 0, 0, 0, VK_XBUTTON2, MK_XBUTTON2};
    default:
        return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK,
                VK_LBUTTON, MK_LBUTTON};
    }
}

WPARAM keyStateBits()
{
    WPARAM bits = 0;
    const MouseState& m = mouse();
    for (int i = 0; i < kButtonCount; ++i)
        if (m.down[i])
            bits |= messagesFor(MouseButton(i)).mk;
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000)
        bits |= MK_SHIFT;
    if (GetAsyncKeyState(VK_CONTROL) & 0x8000)
        bits |= MK_CONTROL;
    return bits;
}

LPARAM packPoint(POINT p)
{
    return MAKELPARAM(WORD(p.x), WORD(p.y));
}

HWND childUnder(HWND parentHandle, POINT screen, HWND excluded)
{
    Window* parent = LookupWindow(parentHandle);
    if (!parent)
        return nullptr;
    for (HWND child : parent->children) {
        Window* c = LookupWindow(child);
        if (!c || child == excluded || !(c->style & WS_VISIBLE) || c->messageOnly)
            continue;
        // Disabled children let the mouse through to what lies beneath.
        if ((c->style & (WS_CHILD | WS_DISABLED)) == (WS_CHILD | WS_DISABLED))
            continue;
        if (IsTopLevel(*c) && (c->style & WS_MINIMIZE))
            continue;
        RECT r = WindowRectOnScreen(*c);
        if (!Contains(r, screen.x, screen.y))
            continue;
        if (c->shape && !c->shape->contains(screen.x - r.left, screen.y - r.top))
            continue;
        if (Contains(ClientRectOnScreen(*c), screen.x, screen.y))
            if (HWND deeper = childUnder(child, screen, excluded))
                return deeper;
        return child;
    }
    return nullptr;
}

void postLeave(Tracking& t, bool nonClient)
{
    if (t.hoverTimer)
        KillInternalTimer(t.hoverTimer);
    HWND hwnd = t.hwnd;
    t = Tracking{};
    if (LookupWindow(hwnd))
        PostMessage(hwnd, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

void startHoverTimer(Tracking& t, POINT screen);

void hoverElapsed()
{
    Tracking& t = mouse().tracking;
    if (t.hoverTimer) {
        KillInternalTimer(t.hoverTimer);
        t.hoverTimer = 0;
    }
    Window* w = LookupWindow(t.hwnd);
    if (!w || !(t.flags & TME_HOVER))
        return;
    POINT p = WindowSystem().cursor;
    t.flags &= ~TME_HOVER;
    if (t.flags & TME_NONCLIENT) {
        PostMessage(t.hwnd, WM_NCMOUSEHOVER, WPARAM(SendMessage(t.hwnd, WM_NCHITTEST, 0, packPoint(p))), packPoint(p));
    } else {
        POINT c = ClientOriginOnScreen(*w);
        PostMessage(t.hwnd, WM_MOUSEHOVER, keyStateBits(), packPoint(POINT{p.x - c.x, p.y - c.y}));
    }
}

void startHoverTimer(Tracking& t, POINT screen)
{
    if (t.hoverTimer)
        KillInternalTimer(t.hoverTimer);
    t.hoverStart = screen;
    t.hoverTimer = SetInternalTimer(t.hoverTime, hoverElapsed);
}

// Leave and hover follow the window actually under the pointer, capture or not.
void updateTracking(POINT screen)
{
    Tracking& t = mouse().tracking;
    if (!t.hwnd)
        return;
    Window* w = LookupWindow(t.hwnd);
    if (!w) {
        t = Tracking{};
        return;
    }
    HWND under = WindowUnderPoint(screen);
    bool nonClient = (t.flags & TME_NONCLIENT) != 0;
    bool inClient = Contains(ClientRectOnScreen(*w), screen.x, screen.y);
    if (under != t.hwnd || inClient == nonClient) {
        postLeave(t, nonClient);
        return;
    }
    if ((t.flags & TME_HOVER)
        && (std::abs(screen.x - t.hoverStart.x) > 2 || std::abs(screen.y - t.hoverStart.y) > 2))
        startHoverTimer(t, screen);
}

struct HitResult {
    HWND hwnd = nullptr;
    LRESULT hit = HTNOWHERE;
    bool disabled = false;
};

HitResult hitTest(POINT screen)
{
    HitResult result;
    HWND excluded = nullptr;
    for (int attempt = 0; attempt < 16; ++attempt) {
        HWND target = WindowUnderPoint(screen, excluded);
        if (!target)
            return HitResult{};
        if (!IsEnabledForInput(target))
            return HitResult{target, HTERROR, true};
        LRESULT hit = SendMessage(target, WM_NCHITTEST, 0, packPoint(screen));
        if (hit != HTTRANSPARENT || !LookupWindow(target))
            return HitResult{target, hit, false};
        excluded = target;
    }
    return result;
}

// The raw input being turned into messages.
const RawInput* g_cooking = nullptr;

WPARAM cookingKeys()
{
    return g_cooking ? g_cooking->mouseKeys : keyStateBits();
}

void queueMouseMessage(HWND target, UINT msg, WPARAM wParam, LPARAM lParam, POINT screen)
{
    MSG m;
    m.hwnd = target;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = g_cooking ? g_cooking->time : GetTickCount();
    m.pt = screen;
    TheMessageQueue().addInput(m);
}

// Client messages carry client coordinates and key state; non-client ones
// the hit code and screen coordinates.
void deliver(HWND target, LRESULT hit, UINT clientMsg, UINT ncMsg, WPARAM extra, POINT screen)
{
    Window* w = LookupWindow(target);
    if (!w)
        return;
    if (hit == HTCLIENT || !ncMsg) {
        POINT origin = ClientOriginOnScreen(*w);
        queueMouseMessage(target, clientMsg, cookingKeys() | extra,
                          packPoint(POINT{screen.x - origin.x, screen.y - origin.y}), screen);
    } else {
        queueMouseMessage(target, ncMsg, WPARAM(hit), packPoint(screen), screen);
    }
}

bool isDoubleClick(MouseButton button, HWND target, bool client, POINT screen)
{
    LastClick& last = mouse().lastClick;
    DWORD now = GetTickCount();
    bool same = last.valid && last.button == button && last.hwnd == target && last.client == client
                && now - last.time <= GetDoubleClickTime()
                && std::abs(screen.x - last.pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2
                && std::abs(screen.y - last.pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    Window* w = LookupWindow(target);
    bool wanted = !client || (w && (w->windowClass->style & CS_DBLCLKS));
    if (same && wanted) {
        last.valid = false; // a third click starts over
        return true;
    }
    last = LastClick{true, button, target, client, now, screen};
    return false;
}

} // namespace

HWND WindowUnderPoint(POINT screen, HWND excluded)
{
    return childUnder(DesktopWindow()->handle, screen, excluded);
}

namespace {

void cookMouseMove(POINT screen)
{
    updateTracking(screen);
    HWND capture = WindowSystem().capture;
    if (LookupWindow(capture)) {
        deliver(capture, HTCLIENT, WM_MOUSEMOVE, 0, 0, screen);
        return;
    }
    HitResult r = hitTest(screen);
    if (!r.hwnd)
        return;
    SendMessage(r.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(r.hwnd), MAKELPARAM(WORD(r.hit), WM_MOUSEMOVE));
    if (r.disabled)
        return;
    deliver(r.hwnd, r.hit, WM_MOUSEMOVE, WM_NCMOUSEMOVE, 0, screen);
}

void cookMouseButton(MouseButton button, bool down, POINT screen)
{
    updateTracking(screen);
    ButtonMessages msgs = messagesFor(button);
    WPARAM extra = 0;
    if (button == MouseButton::X1 || button == MouseButton::X2)
        extra = MAKEWPARAM(0, button == MouseButton::X1 ? 1 : 2);
    HWND capture = WindowSystem().capture;
    if (LookupWindow(capture)) {
        deliver(capture, HTCLIENT, down ? msgs.down : msgs.up, 0, extra, screen);
        return;
    }
    HitResult r = hitTest(screen);
    if (!r.hwnd)
        return;
    UINT actual = down ? (r.hit == HTCLIENT ? msgs.down : msgs.ncDown) : (r.hit == HTCLIENT ? msgs.up : msgs.ncUp);
    if (r.disabled) {
        SendMessage(r.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(r.hwnd), MAKELPARAM(WORD(HTERROR), WORD(actual)));
        return;
    }
    bool eat = false;
    if (down) {
        HWND top = TopLevelOf(r.hwnd);
        Window* t = LookupWindow(top);
        if (t && top != WindowSystem().active && !(t->exStyle & WS_EX_NOACTIVATE)) {
            LRESULT answer = SendMessage(r.hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                         MAKELPARAM(WORD(r.hit), WORD(actual)));
            if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT)
                ActivateWindow(top, WA_CLICKACTIVE);
            eat = answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT;
        }
    }
    if (!LookupWindow(r.hwnd))
        return;
    SendMessage(r.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(r.hwnd), MAKELPARAM(WORD(r.hit), WORD(actual)));
    if (eat || !LookupWindow(r.hwnd))
        return;
    UINT clientMsg = down ? msgs.down : msgs.up;
    UINT ncMsg = down ? msgs.ncDown : msgs.ncUp;
    if (down && isDoubleClick(button, r.hwnd, r.hit == HTCLIENT, screen)) {
        clientMsg = msgs.doubleClick;
        ncMsg = msgs.ncDoubleClick;
    }
    deliver(r.hwnd, r.hit, clientMsg, ncMsg, extra, screen);
}

void cookMouseWheel(int delta, bool horizontal, POINT screen)
{
    HWND target = WindowSystem().focus ? WindowSystem().focus : WindowSystem().active;
    if (!LookupWindow(target) || !IsEnabledForInput(target))
        return;
    queueMouseMessage(target, horizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL,
                      MAKEWPARAM(WORD(cookingKeys()), WORD(short(delta))), packPoint(screen), screen);
}

RawInput rawPointer(RawInput::Kind kind, POINT screen)
{
    WindowSystem().cursor = screen;
    RawInput raw;
    raw.kind = kind;
    raw.pt = screen;
    raw.time = GetTickCount();
    raw.mouseKeys = keyStateBits();
    return raw;
}

} // namespace

void RouteMouseMove(POINT screen)
{
    TheMessageQueue().addRaw(rawPointer(RawInput::Kind::Move, screen));
}

void RouteMouseButton(MouseButton button, bool down, POINT screen)
{
    mouse().down[int(button)] = down;
    SetAsyncKeyDown(messagesFor(button).virtualKey, down);
    RawInput raw = rawPointer(RawInput::Kind::Button, screen);
    raw.button = int(button);
    raw.down = down;
    TheMessageQueue().addRaw(std::move(raw));
}

void RouteMouseWheel(int delta, bool horizontal, POINT screen)
{
    RawInput raw = rawPointer(RawInput::Kind::Wheel, screen);
    raw.delta = delta;
    raw.horizontal = horizontal;
    TheMessageQueue().addRaw(std::move(raw));
}

bool CookNextInput()
{
    RawInput raw;
    if (!TheMessageQueue().takeRaw(raw))
        return false;
    g_cooking = &raw;
    switch (raw.kind) {
    case RawInput::Kind::Move:
        cookMouseMove(raw.pt);
        break;
    case RawInput::Kind::Button:
        cookMouseButton(MouseButton(raw.button), raw.down, raw.pt);
        break;
    case RawInput::Kind::Wheel:
        cookMouseWheel(raw.delta, raw.horizontal, raw.pt);
        break;
    case RawInput::Kind::Key:
        CookKey(raw);
        break;
    case RawInput::Kind::Text:
        CookText(raw);
        break;
    }
    g_cooking = nullptr;
    return true;
}

void ForgetWindowInput(HWND hwnd)
{
    WindowSystemState& ws = WindowSystem();
    if (ws.capture && (ws.capture == hwnd || IsDescendant(hwnd, ws.capture)))
        ReleaseCapture();
    Tracking& t = mouse().tracking;
    if (t.hwnd == hwnd) {
        if (t.hoverTimer)
            KillInternalTimer(t.hoverTimer);
        t = Tracking{};
    }
    if (mouse().lastClick.hwnd == hwnd)
        mouse().lastClick = LastClick{};
}

HWND SetCapture(HWND hwnd)
{
    WindowSystemState& ws = WindowSystem();
    HWND previous = ws.capture;
    if (hwnd && !LookupWindow(hwnd))
        return previous;
    ws.capture = hwnd;
    if (previous && previous != hwnd && LookupWindow(previous))
        SendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    CurrentBackend().captureChanged(hwnd);
    return previous;
}

BOOL ReleaseCapture()
{
    WindowSystemState& ws = WindowSystem();
    HWND previous = ws.capture;
    ws.capture = nullptr;
    if (previous && LookupWindow(previous))
        SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    CurrentBackend().captureChanged(nullptr);
    return TRUE;
}

void CancelCapture()
{
    HWND capture = GetCapture();
    if (!capture)
        return;
    SendMessage(capture, WM_CANCELMODE, 0, 0);
    if (GetCapture() == capture)
        ReleaseCapture();
    // A tracking loop waiting for its next message must wake to see that
    // it has lost the capture.
    PostMessage(capture, WM_NULL, 0, 0);
}

HWND GetCapture()
{
    HWND capture = WindowSystem().capture;
    return LookupWindow(capture) ? capture : nullptr;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track)
{
    if (!track || track->cbSize != sizeof(TRACKMOUSEEVENT))
        return FALSE;
    Tracking& t = mouse().tracking;
    if (track->dwFlags & TME_QUERY) {
        track->dwFlags = t.hwnd ? (t.flags & (TME_HOVER | TME_LEAVE | TME_NONCLIENT)) : 0;
        track->hwndTrack = t.hwnd;
        track->dwHoverTime = t.hoverTime;
        return TRUE;
    }
    Window* w = LookupWindow(track->hwndTrack);
    if (!w)
        return FALSE;
    if (track->dwFlags & TME_CANCEL) {
        if (t.hwnd == track->hwndTrack) {
            t.flags &= ~(track->dwFlags & (TME_HOVER | TME_LEAVE));
            if (!(t.flags & TME_HOVER) && t.hoverTimer) {
                KillInternalTimer(t.hoverTimer);
                t.hoverTimer = 0;
            }
            if (!(t.flags & (TME_HOVER | TME_LEAVE)))
                t = Tracking{};
        }
        return TRUE;
    }
    POINT p = WindowSystem().cursor;
    bool nonClient = (track->dwFlags & TME_NONCLIENT) != 0;
    bool inClient = Contains(ClientRectOnScreen(*w), p.x, p.y);
    // Asked while the pointer is already elsewhere: the leave comes at once.
    if (WindowUnderPoint(p) != track->hwndTrack || inClient == nonClient) {
        if (track->dwFlags & TME_LEAVE)
            PostMessage(track->hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    if (t.hwnd != track->hwndTrack) {
        if (t.hoverTimer)
            KillInternalTimer(t.hoverTimer);
        t = Tracking{};
    }
    t.hwnd = track->hwndTrack;
    t.flags = (t.flags & ~TME_NONCLIENT) | (track->dwFlags & (TME_HOVER | TME_LEAVE | TME_NONCLIENT));
    if (track->dwFlags & TME_HOVER) {
        DWORD hover = track->dwHoverTime == HOVER_DEFAULT ? 400 : track->dwHoverTime;
        t.hoverTime = hover;
        startHoverTimer(t, p);
    }
    return TRUE;
}

BOOL GetCursorPos(POINT* p)
{
    if (!p)
        return FALSE;
    *p = WindowSystem().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    SIZE screen = CurrentBackend().screenSize();
    POINT p{std::clamp<LONG>(x, 0, screen.cx - 1), std::clamp<LONG>(y, 0, screen.cy - 1)};
    CurrentBackend().setCursorPos(p);
    RouteMouseMove(p);
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    WindowSystemState& ws = WindowSystem();
    HCURSOR previous = ws.currentCursor;
    ws.currentCursor = cursor;
    if (cursor != previous)
        CurrentBackend().setCursor(cursor);
    return previous;
}

HCURSOR GetCursor()
{
    return WindowSystem().currentCursor;
}

UINT GetDoubleClickTime()
{
    return 500;
}
