// Keeps each native window in step with its top-level window: place, size,
// visibility, state, stacking and shape, and presents the drawn pixels.

#include "platform/RectMath.h"
#include "platform/window/ExternalChanges.h"
#include "platform/window/WindowTable.h"
#include "platform/backends/sdl/SdlBackendImpl.h"
#include "platform/backends/sdl/SdlKeyMap.h"
#include "platform/backends/sdl/X11Display.h"

#include <SDL.h>

#include <algorithm>

void SdlBackend::windowChanged(HWND hwnd, unsigned what)
{
    auto it = natives_.find(hwnd);
    if (it == natives_.end())
        return;
    Native& native = it->second;
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    if (what & Text)
        SDL_SetWindowTitle(native.window, w->text.c_str());
    if (what & State)
        syncState(hwnd, native);
    if (what & Bounds)
        syncBounds(hwnd, native);
    if (what & (Shape | Bounds))
        syncShape(hwnd, native);
    if (what & Visibility)
        syncVisibility(hwnd, native);
    if (what & ZOrder) {
        bool topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
        if (topmost != native.topmost) {
            native.topmost = topmost;
            SDL_SetWindowAlwaysOnTop(native.window, topmost ? SDL_TRUE : SDL_FALSE);
        }
        syncZOrder(hwnd);
    }
    if ((what & Activation) && WindowSystem().active == hwnd && native.shown
        && !(SDL_GetWindowFlags(native.window) & (SDL_WINDOW_INPUT_FOCUS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_TOOLTIP))) {
        SDL_RaiseWindow(native.window);
        // Without a manager nobody else moves the keyboard focus: a window
        // that closed would leave it nowhere.
        if (!X11WindowManagerRunning())
            X11FocusWindow(native.window);
    }
}

void SdlBackend::syncBounds(HWND hwnd, Native& native)
{
    Window* w = LookupWindow(hwnd);
    // The minimized place is off screen; the native window keeps its own.
    if (!w || (w->style & WS_MINIMIZE))
        return;
    int x, y, width, height;
    SDL_GetWindowPosition(native.window, &x, &y);
    SDL_GetWindowSize(native.window, &width, &height);
    int newWidth = std::max<int>(1, Width(w->window));
    int newHeight = std::max<int>(1, Height(w->window));
    if (x != w->window.left || y != w->window.top)
        SDL_SetWindowPosition(native.window, w->window.left, w->window.top);
    if (width != newWidth || height != newHeight) {
        SDL_SetWindowSize(native.window, newWidth, newHeight);
        // The native surface is made anew at the new size.
        markWhole(hwnd, native);
    }
}

void SdlBackend::syncVisibility(HWND hwnd, Native& native)
{
    Window* w = LookupWindow(hwnd);
    bool visible = w && (w->style & WS_VISIBLE);
    if (visible == native.shown)
        return;
    native.shown = visible;
    if (visible) {
        // The text arrives after the native window is made.
        SDL_SetWindowTitle(native.window, w->text.c_str());
        syncBounds(hwnd, native);
        SDL_ShowWindow(native.window);
        markWhole(hwnd, native);
        syncZOrder(hwnd);
        if (hwnd == keyboardGrab_ && !keyboardGrabbed_)
            grabKeyboardFor(hwnd);
    } else {
        SDL_HideWindow(native.window);
        native.pending.reset();
        refocusWithoutManager(hwnd);
    }
}

// Without a manager SDL gives each window it shows the focus, and a window
// that hides or goes leaves the focus nowhere: the active window takes it.
void SdlBackend::refocusWithoutManager(HWND leaving)
{
    HWND active = WindowSystem().active;
    auto it = natives_.find(active);
    if (active != leaving && it != natives_.end() && it->second.shown
        && !(SDL_GetWindowFlags(it->second.window) & SDL_WINDOW_INPUT_FOCUS) && !X11WindowManagerRunning())
        X11FocusWindow(it->second.window);
}

void SdlBackend::syncState(HWND hwnd, Native& native)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    bool resizable = (SdlWindowFlagsFor(w->style, w->exStyle, w->owner != nullptr) & SDL_WINDOW_RESIZABLE) != 0;
    if (resizable != native.resizable) {
        native.resizable = resizable;
        SDL_SetWindowResizable(native.window, resizable ? SDL_TRUE : SDL_FALSE);
    }
    bool minimized = (w->style & WS_MINIMIZE) != 0;
    if (minimized == native.minimized)
        return;
    if (minimized && !X11WindowManagerRunning()) {
        // Nothing could show the window again: it stays as it was.
        brio::ReportExternalRestore(hwnd);
        return;
    }
    native.minimized = minimized;
    if (minimized) {
        SDL_MinimizeWindow(native.window);
    } else {
        SDL_RestoreWindow(native.window);
        syncBounds(hwnd, native);
        markWhole(hwnd, native);
    }
}

void SdlBackend::syncShape(HWND hwnd, Native& native)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    if (!w->shape) {
        if (native.shaped)
            X11SetWindowShape(native.window, {}, true);
        native.shaped = false;
        return;
    }
    Region shape = WindowShape(*w);
    X11SetWindowShape(native.window, shape.rects(), false);
    native.shaped = true;
}

void SdlBackend::syncZOrder(HWND hwnd)
{
    // Native stacking can only be asked for from the top: raise the window,
    // then whatever our order keeps above it. Restacking by sibling fails
    // under window managers that wrap windows in frames of their own.
    std::vector<SDL_Window*> above;
    for (HWND top : TopLevelWindows()) {
        auto it = natives_.find(top);
        if (it == natives_.end() || !it->second.shown)
            continue;
        if (top == hwnd) {
            SDL_RaiseWindow(it->second.window);
            for (auto window = above.rbegin(); window != above.rend(); ++window)
                SDL_RaiseWindow(*window);
            return;
        }
        above.push_back(it->second.window);
    }
}

void SdlBackend::markWhole(HWND hwnd, Native& native)
{
    Window* w = LookupWindow(hwnd);
    if (w && w->surface)
        native.pending = Region(w->surface->bounds());
}

void SdlBackend::surfaceChanged(HWND hwnd, const RECT& area)
{
    auto it = natives_.find(hwnd);
    if (it == natives_.end() || !it->second.shown)
        return;
    Native& native = it->second;
    if (native.pending)
        native.pending->unite(area);
    else
        native.pending = Region(area);
}

void SdlBackend::presentPending()
{
    for (auto& [hwnd, native] : natives_)
        if (native.pending && native.shown)
            present(hwnd, native);
}

void SdlBackend::present(HWND hwnd, Native& native)
{
    Window* w = LookupWindow(hwnd);
    Region area = std::move(*native.pending);
    native.pending.reset();
    if (!w || !w->surface || w->surface->empty())
        return;
    SDL_Surface* target = SDL_GetWindowSurface(native.window);
    if (!target)
        return;
    const PixelBuffer& source = *w->surface;
    // Where the shape could not be given to the native window, at least
    // nothing outside the region is drawn.
    area.intersect(source.bounds());
    if (w->shape && !native.shaped)
        area.intersect(WindowShape(*w));
    area.intersect(RECT{0, 0, target->w, target->h});
    std::vector<RECT> rects = area.rects();
    if (rects.empty())
        return;
    if (SDL_MUSTLOCK(target))
        SDL_LockSurface(target);
    std::vector<SDL_Rect> updated;
    updated.reserve(rects.size());
    auto* base = static_cast<unsigned char*>(target->pixels);
    for (const RECT& r : rects) {
        int width = r.right - r.left;
        unsigned char* destination = base + std::ptrdiff_t(r.top) * target->pitch + std::ptrdiff_t(r.left) * target->format->BytesPerPixel;
        if (source.stride() > 0) {
            SDL_ConvertPixels(width, r.bottom - r.top, SDL_PIXELFORMAT_ARGB8888, source.row(r.top) + r.left,
                              int(source.stride() * sizeof(Pixel)), target->format->format, destination, target->pitch);
        } else {
            for (int y = r.top; y < r.bottom; ++y, destination += target->pitch)
                SDL_ConvertPixels(width, 1, SDL_PIXELFORMAT_ARGB8888, source.row(y) + r.left, width * int(sizeof(Pixel)),
                                  target->format->format, destination, target->pitch);
        }
        updated.push_back(SDL_Rect{r.left, r.top, width, r.bottom - r.top});
    }
    if (SDL_MUSTLOCK(target))
        SDL_UnlockSurface(target);
    SDL_UpdateWindowSurfaceRects(native.window, updated.data(), int(updated.size()));
}
