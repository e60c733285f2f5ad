#pragma once
// The nested loop that follows a pop-up (a menu, a dropped-down list)
// while it is open: the pop-up shows above everything without taking the
// activation, holds the mouse capture, and sees every message first
// through the application's message filter.

#include "platform/WinTypes.h"

#include <functional>

struct MSG;

// Shows `popup` topmost without activating it, captures the mouse, and
// handles messages until `done` turns true, the application ends, the
// window goes or it loses the capture. `filter` sees each message first
// and returns true for those it consumed. The previous filter and the
// capture are restored however the loop ends, an exception included.
void TrackPopupWindow(HWND popup, const std::function<bool(MSG&)>& filter, const bool& done);

// Shows `popup` topmost without activating it and paints it at once.
void ShowPopupWindow(HWND popup);

// The screen point of a mouse message, whichever window it was sent to.
POINT MouseMessageScreenPoint(const MSG& msg);

namespace brio {

// Whether a message is a client-area mouse message, whose position is in
// client coordinates.
bool isClientMouseMessage(UINT message);

} // namespace brio
