#include "platform/backends/sdl/X11Display.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#endif

#include <cstring>

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

#else

bool X11PointerPosition(const SDL_SysWMmsg&, POINT&) { return false; }
void X11SetWindowShape(SDL_Window*, const std::vector<RECT>&, bool) {}
PixelBufferPtr X11ReadRootWindow() { return nullptr; }

#endif
