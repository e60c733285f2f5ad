#pragma once
// Update regions, paint synthesis and window DCs. Internal.

#include "platform/window/MessageQueue.h"
#include "platform/gdi/Region.h"

#include <optional>

struct Window;

// A window that needs painting and that the filter accepts becomes a
// WM_PAINT message. Windows that only need their frame painted get
// WM_NCPAINT sent here and are not returned.
bool TakePaintMessage(MSG& out, const MessageFilter& filter);
bool AnyPaintPending();
void ClearInternalPaint(HWND hwnd);

// RedrawWindow's core: `clientArea` in client coordinates, none for the
// whole client area.
void RedrawTree(HWND hwnd, const std::optional<Region>& clientArea, UINT flags);
// A window that becomes hidden forgets what it had to paint.
void ForgetUpdates(HWND hwnd);

// Fills a rectangle (logical coordinates) with a brush, clipped by the DC.
void FillWithBrush(HDC dc, const RECT& r, HBRUSH brush);

// GetDCEx's flags plus: take WS_CLIPCHILDREN/WS_CLIPSIBLINGS from the style.
constexpr DWORD DCX_USESTYLE = 0x00010000;
// A DC on the window's top-level surface; `deviceClip`, when given, limits
// it further (device coordinates).
HDC MakeWindowDc(HWND hwnd, DWORD flags, const Region* deviceClip);
// The part of a window that drawing may reach, in its top-level surface's
// coordinates.
Region VisibleRegionInTop(const Window& w, bool wholeWindow, bool clipChildren, bool clipSiblings);
