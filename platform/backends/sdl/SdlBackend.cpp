#include "platform/backends/sdl/SdlBackend.h"

#include "platform/window/Cursors.h"
#include "platform/window/ExternalChanges.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/WindowTable.h"
#include "platform/backends/sdl/SdlBackendImpl.h"
#include "platform/backends/sdl/SdlKeyMap.h"
#include "platform/backends/sdl/X11Display.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int kRootClickPollMs = 50;

} // namespace

SdlBackend::SdlBackend()
{
    // Signals keep their usual meaning; a terminated program should end.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Our windows draw their own frames and follow the pointer themselves.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // We hand over finished pixels; a GPU texture in between only costs.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("cannot open the display: SDL video did not start: ") + SDL_GetError());
    X11PrepareWindowHints();
    wakeEvent_ = SDL_RegisterEvents(1);
    // Native pointer events carry root positions that match their moment.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    SDL_StartTextInput();
}

SdlBackend::~SdlBackend()
{
    for (auto& [hwnd, native] : natives_)
        SDL_DestroyWindow(native.window);
    for (auto& [id, cursor] : cursors_)
        SDL_FreeCursor(cursor);
    // Video stays up for the life of the process: quitting it unloads the
    // display libraries and strands what they allocated.
}

SIZE SdlBackend::screenSize() const
{
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) != 0)
        return SIZE{1280, 800};
    return SIZE{bounds.x + bounds.w, bounds.y + bounds.h};
}

RECT SdlBackend::workArea() const
{
    if (workAreaOverride_)
        return *workAreaOverride_;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) {
        SIZE s = screenSize();
        return RECT{0, 0, s.cx, s.cy};
    }
    return RECT{usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
}

PixelBufferPtr SdlBackend::screenPixels()
{
    presentPending();
    if (PixelBufferPtr root = X11ReadRootWindow())
        return root;
    // Away from X11 the screen is what we know of it: our own windows.
    SIZE s = screenSize();
    if (!composed_ || composed_->width() != s.cx || composed_->height() != s.cy)
        composed_ = std::make_shared<PixelBuffer>(s.cx, s.cy);
    PixelBuffer& screen = *composed_;
    screen.fill(0xFF000000u);
    const std::vector<HWND>& tops = TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        const Window* w = LookupWindow(*it);
        if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE) || !w->surface || w->surface->empty())
            continue;
        Region shape = WindowShape(*w);
        shape.intersect(w->surface->bounds());
        shape.translate(w->window.left, w->window.top);
        shape.intersect(screen.bounds());
        for (const RECT& r : shape.rects())
            for (int y = r.top; y < r.bottom; ++y) {
                const Pixel* source = w->surface->row(y - w->window.top) - w->window.left;
                Pixel* target = screen.row(y);
                for (int x = r.left; x < r.right; ++x)
                    target[x] = source[x] | 0xFF000000u;
            }
    }
    return composed_;
}

void SdlBackend::windowCreated(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w || w->messageOnly || natives_.count(hwnd))
        return;
    Uint32 flags = SdlWindowFlagsFor(w->style, w->exStyle, w->owner != nullptr);
    int width = std::max<int>(1, w->window.right - w->window.left);
    int height = std::max<int>(1, w->window.bottom - w->window.top);
    SDL_Window* window = SDL_CreateWindow(w->text.c_str(), w->window.left, w->window.top, width, height, flags);
    if (!window)
        throw std::runtime_error(std::string("cannot create a native window: ") + SDL_GetError());
    if (w->exStyle & WS_EX_TRANSPARENT)
        X11PassPointerThrough(window);
    Native native;
    native.window = window;
    native.id = SDL_GetWindowID(window);
    native.topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
    native.resizable = (flags & SDL_WINDOW_RESIZABLE) != 0;
    byId_[native.id] = hwnd;
    natives_[hwnd] = native;
}

void SdlBackend::windowDestroyed(HWND hwnd)
{
    auto it = natives_.find(hwnd);
    if (it == natives_.end())
        return;
    byId_.erase(it->second.id);
    bool shown = it->second.shown;
    if (keyboardGrab_ == hwnd)
        releaseKeyboard();
    SDL_DestroyWindow(it->second.window);
    natives_.erase(it);
    if (shown)
        refocusWithoutManager(hwnd);
}

SDL_Window* SdlBackend::nativeWindow(HWND hwnd) const
{
    auto it = natives_.find(hwnd);
    return it == natives_.end() ? nullptr : it->second.window;
}

void SdlBackend::waitEvents(int timeoutMs)
{
    presentPending();
    // A click on the bare desktop comes on a connection SDL does not wait
    // on: while a pop-up waits for one, look now and then.
    if (WindowSystem().capture && X11WatchingRootClicks())
        timeoutMs = timeoutMs < 0 ? kRootClickPollMs : std::min(timeoutMs, kRootClickPollMs);
    if (timeoutMs < 0)
        SDL_WaitEvent(nullptr);
    else
        SDL_WaitEventTimeout(nullptr, timeoutMs);
}

void SdlBackend::wake()
{
    // The loop looks at the queue before it sleeps.
    if (OnUserInterfaceThread())
        return;
    SDL_Event event{};
    event.type = wakeEvent_;
    SDL_PushEvent(&event);
}

void SdlBackend::pumpEvents()
{
    // A window procedure that peeks from inside an event handler must not
    // take the events after it out of order.
    if (pumping_)
        return;
    pumping_ = true;
    struct Done {
        bool& pumping;
        ~Done() { pumping = false; }
    } done{pumping_};
    presentPending();
    SDL_Event event;
    while (SDL_PollEvent(&event))
        handleEvent(event);
    followManagerPlacement();
    // Without a manager nothing takes the focus when the bare desktop is
    // clicked: that click itself ends a pop-up.
    if (X11TakeRootClick() && WindowSystem().capture)
        brio::ReportDesktopClick();
    if (focusLost_)
        handleFocusLoss();
}

namespace {

SDL_SystemCursor systemCursorFor(int id)
{
    switch (id) {
    case 32513: return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514: return SDL_SYSTEM_CURSOR_WAIT;
    case 32515: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32642: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case 32643: return SDL_SYSTEM_CURSOR_SIZENESW;
    case 32644: return SDL_SYSTEM_CURSOR_SIZEWE;
    case 32645: return SDL_SYSTEM_CURSOR_SIZENS;
    case 32646: return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32648: return SDL_SYSTEM_CURSOR_NO;
    case 32649: return SDL_SYSTEM_CURSOR_HAND;
    case 32650: return SDL_SYSTEM_CURSOR_WAITARROW;
    case 32760: return SDL_SYSTEM_CURSOR_SIZENS; // a bar between panes above each other
    case 32761: return SDL_SYSTEM_CURSOR_SIZEWE;
    default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

} // namespace

void SdlBackend::setCursor(HCURSOR cursor)
{
    if (!cursor) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_SystemCursor shape = systemCursorFor(StockCursorId(cursor));
    SDL_Cursor*& made = cursors_[int(shape)];
    if (!made)
        made = SDL_CreateSystemCursor(shape);
    if (made && SDL_GetCursor() != made)
        SDL_SetCursor(made);
    SDL_ShowCursor(SDL_ENABLE);
}

void SdlBackend::setCursorPos(POINT p)
{
    SDL_WarpMouseGlobal(p.x, p.y);
}

void SdlBackend::captureChanged(HWND hwnd)
{
    // Refused when no window of ours has the pointer; SDL still follows a
    // held button on its own then.
    SDL_CaptureMouse(hwnd ? SDL_TRUE : SDL_FALSE);
    X11WatchRootClicks(hwnd != nullptr);
    // A menu's loop holds the capture in its top-most tool window: that
    // window takes the keyboard as well, so that a menu opened while none
    // of our windows has the focus (from the notification area) still
    // hears its keys.
    const DWORD style = hwnd ? DWORD(GetWindowLongPtr(hwnd, GWL_STYLE)) : 0;
    const DWORD exStyle = hwnd ? DWORD(GetWindowLongPtr(hwnd, GWL_EXSTYLE)) : 0;
    const bool menu = (style & WS_POPUP) && (exStyle & WS_EX_TOOLWINDOW) && (exStyle & WS_EX_TOPMOST);
    HWND wanted = menu && nativeWindow(hwnd) ? hwnd : nullptr;
    if (wanted == keyboardGrab_)
        return;
    releaseKeyboard();
    if (wanted)
        grabKeyboardFor(wanted);
}

void SdlBackend::grabKeyboardFor(HWND hwnd)
{
    keyboardGrab_ = hwnd;
    auto it = natives_.find(hwnd);
    keyboardGrabbed_ = it != natives_.end() && it->second.shown && X11GrabKeyboard(it->second.window);
}

void SdlBackend::releaseKeyboard()
{
    if (keyboardGrabbed_)
        if (auto it = natives_.find(keyboardGrab_); it != natives_.end())
            X11UngrabKeyboard(it->second.window);
    keyboardGrab_ = nullptr;
    keyboardGrabbed_ = false;
}

std::string SdlBackend::clipboardText() const
{
    char* text = SDL_GetClipboardText();
    if (!text)
        return {};
    std::string result = text;
    SDL_free(text);
    return result;
}

void SdlBackend::setClipboardText(const std::string& utf8)
{
    SDL_SetClipboardText(utf8.c_str());
}

void UseSdlBackend()
{
    SetBackend(std::make_unique<SdlBackend>());
}
