#pragma once
// Raw input from a backend (or a test) becomes window messages here. The
// Route functions record it (the asynchronous key and pointer state change
// at once); when the message loop reaches it, the pointer is hit-tested (WM_NCHITTEST), mouse activation and cursor shape
// are settled (WM_MOUSEACTIVATE, WM_SETCURSOR), and the message is queued
// for the window under the pointer, the capturing window or the focus.
// Everything here runs on the user-interface thread.

#include "platform/WinUser.h"

#include <string_view>

enum class MouseButton { Left, Right, Middle, X1, X2 };

void RouteMouseMove(POINT screen);
void RouteMouseButton(MouseButton button, bool down, POINT screen);
// delta in WHEEL_DELTA units (120 per notch), positive away from the user.
void RouteMouseWheel(int delta, bool horizontal, POINT screen);
// Virtual-key code; left/right variants of Shift, Ctrl and Alt also set the
// generic key. A press of a key already down is an auto-repeat.
void RouteKey(int virtualKey, bool down);
// Typed text: each UTF-16 code unit becomes a WM_CHAR for the focus.
void RouteText(std::string_view utf8);

// Turns the oldest raw input into messages; false when none waits.
bool CookNextInput();
struct RawInput;
void CookKey(const RawInput& raw);
void CookText(const RawInput& raw);

// The state GetAsyncKeyState reports (mouse buttons come through here).
void SetAsyncKeyDown(int virtualKey, bool down);

// The window under a screen point as the mouse sees it: visible, enabled
// children preferred over their parents, window regions honoured. Sends no
// message.
HWND WindowUnderPoint(POINT screen, HWND excluded = nullptr);
