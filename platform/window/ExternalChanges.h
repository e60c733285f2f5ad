#pragma once
// What the desktop did to our top-level windows on its own: the window
// manager moved, minimized, restored, maximized, hid or closed one, or the
// focus went to another program. Backends report it here, and the window
// system follows through the same paths as its own changes (WINDOWPOS
// changes, WM_MOVE and WM_SIZE, posted WM_SYSCOMMAND), so forms, pop-ups and
// hit-testing all see one story. Nothing here activates a window: the
// manager decides the focus and says so separately.
//
// Everything here runs on the user-interface thread.

#include "platform/WinTypes.h"

namespace brio {

// The manager placed the window (a move, a resize, snapping, a full-screen
// toggle): `window` is its new rectangle on the screen. Ignored while the
// window is minimized.
void ReportExternalPlacement(HWND hwnd, const RECT& window);
// The manager minimized, restored or maximized the window: posts the
// WM_SYSCOMMAND a click on our own frame would send. Each is a no-op when
// the window already is in that state.
void ReportExternalMinimize(HWND hwnd);
void ReportExternalRestore(HWND hwnd);
void ReportExternalMaximize(HWND hwnd);
// The manager took the window off the screen without minimizing it (it is
// on another desktop now, or the desktop is shown). The window keeps its
// state; pop-ups close, and it is no longer the active window.
void ReportExternalHide(HWND hwnd);
// The manager asks the window to close: any tracking loop (a dropped-down
// list, a menu, a drag) ends first, then WM_SYSCOMMAND SC_CLOSE is posted.
void ReportCloseRequest(HWND hwnd);
// The keyboard focus went to another program: none of ours stays active.
void ReportFocusLeftApplication();
// The bare desktop was clicked where no manager runs: pop-ups close, the
// focus stays where it is.
void ReportDesktopClick();

} // namespace brio
