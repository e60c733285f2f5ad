#pragma once
// Telling windows that something system-wide changed (colours, theme) and
// repainting them. Internal to the platform layer.

#include "platform/WinUser.h"

// Sends `msg` to every top-level window, topmost first.
void SendToTopLevelWindows(UINT msg, WPARAM wParam, LPARAM lParam);
// Sends `msg` to every window: each top-level window, then its descendants
// depth first.
void SendToAllWindows(UINT msg, WPARAM wParam, LPARAM lParam);
// Invalidates every top-level window whole (frame, client, children) so that
// each repaints from the queue.
void InvalidateAllWindows();
// Makes SetSysColors tell the windows: WM_SYSCOLORCHANGE to every top-level
// window, then a repaint of everything. The window system does this when
// it starts.
void InstallSysColorBroadcast();
