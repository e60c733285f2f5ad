#include "platform/backends/sdl/X11Display.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#endif

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

struct X11Handles {
    Display* display = nullptr;
    ::Window window = 0;
};

bool handlesOf(SDL_Window* window, X11Handles& out)
{
    if (!window)
        return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    out.display = info.info.x11.display;
    out.window = info.info.x11.window;
    return true;
}

bool onX11()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "x11") == 0;
}

// Our own connection for reading the root: SDL's belongs to SDL's windows.
Display* captureDisplay()
{
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

int channelShift(unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// Requests of ours that may fail (the window went away meanwhile) must not
// reach the default handler, which ends the process.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

class IgnoredErrors {
public:
    explicit IgnoredErrors(Display* display) : display_(display), previous_(XSetErrorHandler(ignoreErrors)) {}
    ~IgnoredErrors()
    {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoredErrors(const IgnoredErrors&) = delete;
    IgnoredErrors& operator=(const IgnoredErrors&) = delete;

private:
    Display* display_;
    XErrorHandler previous_;
};

// The 32-bit items of a window property (Xlib hands them over as longs);
// nothing when the window has no such property.
std::optional<std::vector<long>> property32(Display* display, ::Window window, Atom property, Atom type, long length)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<std::vector<long>> items;
    if (XGetWindowProperty(display, window, property, 0, length, False, type, &actualType, &format, &count, &after,
                           &data)
            == Success
        && actualType != None) {
        items.emplace();
        if (data && format == 32)
            items->assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
    }
    if (data)
        XFree(data);
    return items;
}

} // namespace

bool X11PointerPosition(const SDL_SysWMmsg& msg, POINT& screen)
{
    if (msg.subsystem != SDL_SYSWM_X11)
        return false;
    const XEvent& event = msg.msg.x11.event;
    switch (event.type) {
    case MotionNotify:
        screen = POINT{event.xmotion.x_root, event.xmotion.y_root};
        return true;
    case ButtonPress:
    case ButtonRelease:
        screen = POINT{event.xbutton.x_root, event.xbutton.y_root};
        return true;
    case EnterNotify:
    case LeaveNotify:
        screen = POINT{event.xcrossing.x_root, event.xcrossing.y_root};
        return true;
    default:
        return false;
    }
}

void X11SetWindowShape(SDL_Window* window, const std::vector<RECT>& rects, bool whole)
{
    X11Handles x;
    if (!handlesOf(window, x))
        return;
    if (whole) {
        XShapeCombineMask(x.display, x.window, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> shape;
        shape.reserve(rects.size());
        for (const RECT& r : rects)
            shape.push_back(XRectangle{short(r.left), short(r.top), (unsigned short)(r.right - r.left),
                                       (unsigned short)(r.bottom - r.top)});
        XShapeCombineRectangles(x.display, x.window, ShapeBounding, 0, 0, shape.data(), int(shape.size()), ShapeSet,
                                YXBanded);
    }
    XFlush(x.display);
}

void X11PassPointerThrough(SDL_Window* window)
{
    X11Handles x;
    if (!handlesOf(window, x))
        return;
    // An empty input shape: the pointer reaches whatever lies below.
    XShapeCombineRectangles(x.display, x.window, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
    XFlush(x.display);
}

PixelBufferPtr X11ReadRootWindow()
{
    if (!onX11())
        return nullptr;
    Display* display = captureDisplay();
    if (!display)
        return nullptr;
    ::Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, root, &attributes))
        return nullptr;
    XImage* image = XGetImage(display, root, 0, 0, unsigned(attributes.width), unsigned(attributes.height), AllPlanes,
                              ZPixmap);
    if (!image)
        return nullptr;
    auto pixels = std::make_shared<PixelBuffer>(attributes.width, attributes.height);
    int redShift = channelShift(image->red_mask);
    int greenShift = channelShift(image->green_mask);
    int blueShift = channelShift(image->blue_mask);
    bool direct = image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 && image->green_mask == 0xFF00
                  && image->blue_mask == 0xFF && image->byte_order == LSBFirst;
    for (int y = 0; y < attributes.height; ++y) {
        Pixel* target = pixels->row(y);
        if (direct) {
            const auto* source = reinterpret_cast<const std::uint32_t*>(image->data + std::ptrdiff_t(y) * image->bytes_per_line);
            for (int x = 0; x < attributes.width; ++x)
                target[x] = source[x] | 0xFF000000u;
            continue;
        }
        // Other visuals: slow, but a screen grab is rare.
        for (int x = 0; x < attributes.width; ++x) {
            unsigned long p = XGetPixel(image, x, y);
            auto channel = [&](unsigned long mask, int shift) {
                unsigned long bits = mask >> shift;
                return bits ? unsigned(((p & mask) >> shift) * 255 / bits) : 0u;
            };
            target[x] = 0xFF000000u | (channel(image->red_mask, redShift) << 16)
                        | (channel(image->green_mask, greenShift) << 8) | channel(image->blue_mask, blueShift);
        }
    }
    XDestroyImage(image);
    return pixels;
}

namespace {

XErrorHandler handlerBeforeOurs = nullptr;

// A window can go away between a request and its error: most often SDL's
// wake-up, sent from another thread on a connection of its own to a window
// being destroyed. Xlib's default handler would end the program for that.
int ignoreVanishedWindows(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable)
        return 0;
    return handlerBeforeOurs ? handlerBeforeOurs(display, error) : 0;
}

} // namespace

void X11PrepareWindowHints()
{
    if (!onX11())
        return;
    XErrorHandler previous = XSetErrorHandler(ignoreVanishedWindows);
    if (previous != ignoreVanishedWindows)
        handlerBeforeOurs = previous;
    if (Display* display = captureDisplay())
        XInternAtom(display, "_MOTIF_WM_HINTS", False);
}

bool X11WindowManagerRunning()
{
    if (!onX11())
        return true;
    Display* display = captureDisplay();
    if (!display)
        return true;
    std::string selection = "WM_S" + std::to_string(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, selection.c_str(), False)) != None;
}

bool X11WindowIconified(SDL_Window* window)
{
    X11Handles x;
    if (!handlesOf(window, x))
        return true;
    // Managers mark windows of other desktops iconic too; only the hidden
    // state tells a minimized window apart.
    Atom netState = XInternAtom(x.display, "_NET_WM_STATE", False);
    if (auto states = property32(x.display, x.window, netState, XA_ATOM, 64)) {
        long hidden = long(XInternAtom(x.display, "_NET_WM_STATE_HIDDEN", False));
        return std::find(states->begin(), states->end(), hidden) != states->end();
    }
    Atom wmState = XInternAtom(x.display, "WM_STATE", False);
    auto state = property32(x.display, x.window, wmState, wmState, 2);
    return state && !state->empty() && state->front() == IconicState;
}

void X11FocusWindow(SDL_Window* window)
{
    X11Handles x;
    if (!handlesOf(window, x))
        return;
    IgnoredErrors ignored(x.display);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(x.display, x.window, &attributes) && attributes.map_state == IsViewable)
        XSetInputFocus(x.display, x.window, RevertToParent, CurrentTime);
}

bool X11GrabKeyboard(SDL_Window* window)
{
    X11Handles x;
    if (!handlesOf(window, x))
        return false;
    const int result = XGrabKeyboard(x.display, x.window, True, GrabModeAsync, GrabModeAsync, CurrentTime);
    XFlush(x.display);
    return result == GrabSuccess;
}

void X11UngrabKeyboard(SDL_Window* window)
{
    X11Handles x;
    if (!handlesOf(window, x))
        return;
    XUngrabKeyboard(x.display, CurrentTime);
    XFlush(x.display);
}

namespace {

bool watchingRootClicks = false;

} // namespace

void X11WatchRootClicks(bool watch)
{
    if (watch == watchingRootClicks || !onX11())
        return;
    Display* display = captureDisplay();
    if (!display || (watch && X11WindowManagerRunning()))
        return;
    IgnoredErrors ignored(display); // a manager that started meanwhile owns them
    XSelectInput(display, DefaultRootWindow(display), watch ? ButtonPressMask : NoEventMask);
    if (!watch)
        X11TakeRootClick(); // what came meanwhile
    watchingRootClicks = watch;
}

bool X11WatchingRootClicks()
{
    return watchingRootClicks;
}

bool X11TakeRootClick()
{
    if (!watchingRootClicks)
        return false;
    Display* display = captureDisplay();
    bool clicked = false;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ButtonPress)
            clicked = true;
    }
    return clicked;
}

#else

void X11WatchRootClicks(bool) {}
bool X11WatchingRootClicks() { return false; }
bool X11TakeRootClick() { return false; }
void X11PrepareWindowHints() {}
bool X11WindowManagerRunning() { return true; }
bool X11WindowIconified(SDL_Window*) { return true; }
void X11FocusWindow(SDL_Window*) {}
bool X11PointerPosition(const SDL_SysWMmsg&, POINT&) { return false; }
void X11SetWindowShape(SDL_Window*, const std::vector<RECT>&, bool) {}
void X11PassPointerThrough(SDL_Window*) {}
PixelBufferPtr X11ReadRootWindow() { return nullptr; }

#endif
