#pragma once
// What the parts of the window system ask of each other. Internal.

#include "platform/WinUser.h"

struct Window;

// ---- Z-order (WindowTree.cpp)
// Puts hwnd into its parent's child list: HWND_TOP, HWND_BOTTOM, or below
// `insertAfter`. Top-level windows keep topmost ones above the rest.
void LinkIntoZOrder(HWND hwnd, HWND insertAfter);
void UnlinkFromZOrder(HWND hwnd);

// ---- Placement (WindowPlacement.cpp)
MINMAXINFO DefaultMinMaxInfo(HWND hwnd);
// Minimizes (SW_MINIMIZE), maximizes (SW_MAXIMIZE) or restores (SW_RESTORE)
// in one SetWindowPos with `swpFlags` added (SWP_SHOWWINDOW to show).
void ApplyPlacement(HWND hwnd, int placement, UINT swpFlags);
// The same without showing or activating.
void SetPlacementState(HWND hwnd, int placement);
// The WM_SIZE type that matches the window's state.
WPARAM SizeTypeOf(const Window& w);

// ---- Activation and focus (Focus.cpp)
// Makes hwnd (a top-level window, or null) the active window.
void ActivateWindow(HWND hwnd, WORD state);
// The active window is going away or hiding: activate the next candidate.
void ActivateOtherWindow(HWND leaving);
// Focus inside hwnd's tree moves to hwnd's parent, or nowhere.
void MoveFocusOutOf(HWND hwnd);

// ---- Input (MouseInput.cpp, Caret.cpp)
// A window that is being destroyed loses capture, mouse tracking and the caret.
void ForgetWindowInput(HWND hwnd);
// Ends whatever holds the mouse capture (a pop-up's loop, a drag): the
// holder gets WM_CANCELMODE, then loses the capture if it still has it.
void CancelCapture();
void ForgetWindowCaret(HWND hwnd);

// ---- Backend notifications for the top-level window around hwnd.
void NotifyBackendOfChange(HWND hwnd, unsigned what);
