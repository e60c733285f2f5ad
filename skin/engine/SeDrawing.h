#pragma once
// Small drawing routines the skinned controls share, on plain device
// contexts. The controls add the rest as they need them, with tests.

#include "platform/RectMath.h"
#include "platform/WinTypes.h"

// `inner` moved so its centre is `outer`'s; offsets truncate toward zero.
RECT CenterRect(const RECT& inner, const RECT& outer);
void SeDrawIcon(HDC dc, HICON icon, const RECT& r);
