#pragma once
// The few things SDL does not offer on X11: exact pointer positions on the
// root window, window shapes from rectangles, reading the root window's
// pixels, and what we need to know of the window manager. Away from X11
// everything is a no-op, and the answers are those of a desktop whose
// manager does its job.

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
// Pointer events go to the windows below this one (click-through).
void X11PassPointerThrough(SDL_Window* window);
// The root window's pixels, or null when the display is not X11.
PixelBufferPtr X11ReadRootWindow();

// Makes sure a window made from now on carries the borderless hint, even
// when no window manager has run yet on this display (SDL only sets the
// hint when its atom already exists). Also keeps the program running when an
// X request names a window that has just gone away.
void X11PrepareWindowHints();
// Whether a window manager runs on the display now.
bool X11WindowManagerRunning();
// Whether the manager minimized the window, as opposed to taking it off the
// screen for another desktop or to show the desktop.
bool X11WindowIconified(SDL_Window* window);
// Gives the window the keyboard focus of the display, where no manager does.
void X11FocusWindow(SDL_Window* window);
// Sends every key to the window until ungrabbed, whoever has the focus
// (SDL's own grab only holds while its window has the focus). False when
// the server refused, say because the window is not mapped yet.
bool X11GrabKeyboard(SDL_Window* window);
void X11UngrabKeyboard(SDL_Window* window);
// Where no manager runs, asks for the clicks on the bare desktop while
// `watch` holds (a manager takes them for itself, and only one program may
// have them). X11TakeRootClick says whether one came since the last call;
// X11WatchingRootClicks whether they are watched now.
void X11WatchRootClicks(bool watch);
bool X11WatchingRootClicks();
bool X11TakeRootClick();
