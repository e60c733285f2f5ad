#pragma once
// The system colour table's link to the window system, and the classic
// values it starts with.

#include "platform/Gdi.h"

#include <array>

inline constexpr int kSysColorCount = COLOR_MENUBAR + 1;

// The classic grey 3D scheme, by COLOR_* index: the table's start values.
const std::array<COLORREF, kSysColorCount>& ClassicSysColors();

// Called after SetSysColors has changed the table, so that the window system
// can tell every top-level window (WM_SYSCOLORCHANGE) and repaint. Null: none.
using SysColorsChangedHook = void (*)();
void SetSysColorsChangedHook(SysColorsChangedHook hook);
