#pragma once
// The few things SDL does not offer on X11: exact pointer positions on the
// root window, window shapes from rectangles and reading the root window's
// pixels. Everything is a no-op or false away from X11.

#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/WinTypes.h"

#include <vector>

struct SDL_Window;
struct SDL_SysWMmsg;

// The pointer's root position carried by a native pointer event.
bool X11PointerPosition(const SDL_SysWMmsg& msg, POINT& screen);
// Limits the native window to the rectangles (window coordinates); an empty
// list with `whole` true gives the full rectangle back.
void X11SetWindowShape(SDL_Window* window, const std::vector<RECT>& rects, bool whole);
// The root window's pixels, or null when the display is not X11.
PixelBufferPtr X11ReadRootWindow();
