#pragma once
// The nested loop that caption buttons, scroll bars and the move and size
// loop run while the left button is held on them.

#include "platform/WinUser.h"

#include <functional>

// Runs while `hwnd` holds the mouse capture. Pointer moves and the left
// release go to `follow`; the release ends the loop and makes it return
// true. Other mouse messages are dropped, since other buttons and wheels
// mean nothing while one is held. Key presses go to `keyPressed` first,
// when given: returning true ends the loop (it then returns false) and
// swallows the key. Everything else is dispatched. A quit message ends the
// loop and is posted again for the outer loop.
bool TrackHeldLeftButton(HWND hwnd, const std::function<void(const MSG&)>& follow,
                         const std::function<bool(const MSG&)>& keyPressed = {});
