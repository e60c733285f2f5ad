#pragma once
// Small drawing routines the skinned controls share, on plain device
// contexts. The controls add the rest as they need them, with tests.

#include "platform/WinTypes.h"

inline int RectWidth(const RECT& r) { return r.right - r.left; }
inline int RectHeight(const RECT& r) { return r.bottom - r.top; }
// `inner` moved so its centre is `outer`'s; offsets truncate toward zero.
RECT CenterRect(const RECT& inner, const RECT& outer);
// Width or height below 1.
bool IsEmptyRect(const RECT& r);
void SeDrawIcon(HDC dc, HICON icon, const RECT& r);
