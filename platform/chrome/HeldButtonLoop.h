#pragma once
// The nested loop that caption buttons and scroll bars run while the left
// button is held on them.

#include "platform/WinUser.h"

#include <functional>

// Runs while `hwnd` holds the mouse capture. Pointer moves and the left
// release go to `follow`; the release ends the loop and makes it return
// true. Other mouse messages are dropped, since other buttons and wheels
// mean nothing while one is held; everything else is dispatched. A quit
// message ends the loop and is posted again for the outer loop.
bool TrackHeldLeftButton(HWND hwnd, const std::function<void(const MSG&)>& follow);
