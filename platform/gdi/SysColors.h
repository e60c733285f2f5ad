#pragma once
// The system colour table's link to the window system.

// Called after SetSysColors has changed the table, so that the window system
// can tell every top-level window (WM_SYSCOLORCHANGE) and repaint. Null: none.
using SysColorsChangedHook = void (*)();
void SetSysColorsChangedHook(SysColorsChangedHook hook);
