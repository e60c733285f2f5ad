// Native events become the window system's input: pointer positions on the
// screen, virtual keys, typed text, activation, close requests, exposure.

#include "platform/window/ExternalChanges.h"
#include "platform/window/InputRouting.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowTable.h"
#include "platform/backends/sdl/SdlBackendImpl.h"
#include "platform/backends/sdl/SdlKeyMap.h"
#include "platform/backends/sdl/X11Display.h"

#include <SDL.h>

namespace {

std::optional<MouseButton> buttonOf(Uint8 sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    case SDL_BUTTON_X1: return MouseButton::X1;
    case SDL_BUTTON_X2: return MouseButton::X2;
    default: return std::nullopt;
    }
}

} // namespace

HWND SdlBackend::windowOf(std::uint32_t windowId) const
{
    auto it = byId_.find(windowId);
    return it == byId_.end() ? nullptr : it->second;
}

// Event coordinates are relative to a window that may have moved since the
// event happened (a drag moves it under the pointer), so the root position
// of the native event wins when there is one.
POINT SdlBackend::screenPoint(std::uint32_t windowId, int x, int y)
{
    if (nativePointer_) {
        POINT p = *nativePointer_;
        nativePointer_.reset();
        return p;
    }
    int left = 0, top = 0;
    if (SDL_Window* window = SDL_GetWindowFromID(windowId))
        SDL_GetWindowPosition(window, &left, &top);
    return POINT{left + x, top + y};
}

void SdlBackend::handleEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_SYSWMEVENT: {
        POINT p;
        if (event.syswm.msg && X11PointerPosition(*event.syswm.msg, p))
            nativePointer_ = p;
        return;
    }
    case SDL_MOUSEMOTION:
        if (event.motion.which != SDL_TOUCH_MOUSEID)
            RouteMouseMove(screenPoint(event.motion.windowID, event.motion.x, event.motion.y));
        return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        std::optional<MouseButton> button = buttonOf(event.button.button);
        POINT p = screenPoint(event.button.windowID, event.button.x, event.button.y);
        if (button && event.button.which != SDL_TOUCH_MOUSEID)
            RouteMouseButton(*button, event.type == SDL_MOUSEBUTTONDOWN, p);
        return;
    }
    case SDL_MOUSEWHEEL: {
        int sign = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
        if (event.wheel.y)
            RouteMouseWheel(sign * event.wheel.y * WHEEL_DELTA, false, WindowSystem().cursor);
        if (event.wheel.x)
            RouteMouseWheel(sign * event.wheel.x * WHEEL_DELTA, true, WindowSystem().cursor);
        return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        nativePointer_.reset();
        if (int vk = VirtualKeyFromSdl(event.key.keysym.sym, event.key.keysym.scancode))
            RouteKey(vk, event.type == SDL_KEYDOWN);
        return;
    case SDL_TEXTINPUT:
        RouteText(event.text.text);
        return;
    case SDL_WINDOWEVENT:
        handleWindowEvent(event);
        return;
    default:
        return; // our wake-up call, and what we do not use
    }
}

void SdlBackend::handleWindowEvent(const SDL_Event& event)
{
    HWND hwnd = windowOf(event.window.windowID);
    auto it = natives_.find(hwnd);
    if (!hwnd || it == natives_.end())
        return;
    Native& native = it->second;
    switch (event.window.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
        // We keep every pixel of the window: showing them again is enough.
        markWhole(hwnd, native);
        return;
    case SDL_WINDOWEVENT_MOVED:
        native.placedAt = POINT{event.window.data1, event.window.data2};
        return;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        native.sizedTo = SIZE{event.window.data1, event.window.data2};
        return;
    case SDL_WINDOWEVENT_MINIMIZED:
        // SDL says "minimized" for any unmapping by the manager; a window
        // on another desktop, or under a shown desktop, keeps its state.
        native.minimized = true;
        if (X11WindowIconified(native.window)) {
            brio::ReportExternalMinimize(hwnd);
        } else {
            native.offDesktop = true;
            brio::ReportExternalHide(hwnd);
        }
        return;
    case SDL_WINDOWEVENT_MAXIMIZED:
        native.maximized = true;
        brio::ReportExternalMaximize(hwnd);
        return;
    case SDL_WINDOWEVENT_RESTORED: {
        native.minimized = false;
        bool wasMaximized = native.maximized;
        native.maximized = false;
        if (native.offDesktop) {
            // Back on the screen: nothing changed for the window system,
            // and the manager alone decides whether it gets the focus.
            native.offDesktop = false;
            markWhole(hwnd, native);
            return;
        }
        if (IsIconic(hwnd) || (wasMaximized && IsZoomed(hwnd)))
            brio::ReportExternalRestore(hwnd);
        return;
    }
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        focusLost_ = false;
        // Without a manager SDL gives the focus to every window it shows,
        // our pop-ups included; they must not take the activation.
        if (WindowSystem().active != hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)
            && !(GetWindowLongPtr(hwnd, GWL_EXSTYLE) & WS_EX_NOACTIVATE))
            SetActiveWindow(hwnd);
        return;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        focusLost_ = true;
        return;
    case SDL_WINDOWEVENT_CLOSE:
        brio::ReportCloseRequest(hwnd);
        return;
    case SDL_WINDOWEVENT_LEAVE: {
        // The pointer went where no window of ours is; a held button keeps
        // it with us (the drag goes on outside).
        if (GetCapture() || SDL_GetMouseState(nullptr, nullptr))
            return;
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        RouteMouseMove(POINT{x, y});
        return;
    }
    default:
        return;
    }
}

// Focus went to another program: nothing of ours stays active.
void SdlBackend::handleFocusLoss()
{
    focusLost_ = false;
    SDL_Window* focused = SDL_GetKeyboardFocus();
    if (focused && windowOf(SDL_GetWindowID(focused)))
        return;
    brio::ReportFocusLeftApplication();
}

// Moves and sizes by the manager (a drag with Alt, snapping, a keyboard
// move, a full-screen toggle) come back into the window system once per
// pump, the last one winning. Our own moves come back too and change
// nothing, as they match already.
void SdlBackend::followManagerPlacement()
{
    std::vector<std::pair<HWND, RECT>> placed;
    for (auto& [hwnd, native] : natives_) {
        if (!native.placedAt && !native.sizedTo)
            continue;
        POINT at;
        SIZE size;
        SDL_GetWindowPosition(native.window, &at.x, &at.y);
        SDL_GetWindowSize(native.window, &size.cx, &size.cy);
        if (native.placedAt)
            at = *native.placedAt;
        if (native.sizedTo)
            size = *native.sizedTo;
        native.placedAt.reset();
        native.sizedTo.reset();
        // A command the manager's change posted is still on its way.
        if (native.minimized || native.maximized != bool(IsZoomed(hwnd)))
            continue;
        placed.emplace_back(hwnd, RECT{at.x, at.y, at.x + size.cx, at.y + size.cy});
    }
    for (const auto& [hwnd, rect] : placed)
        brio::ReportExternalPlacement(hwnd, rect);
}
