#pragma once
// The window system's own records: classes, windows and the handle table,
// plus the process-wide state (focus, activation, capture). Internal to the
// platform layer.
//
// A Window* is only good until the next call out to a window procedure:
// the procedure may destroy the window. Code that sends a message looks the
// window up again by its handle afterwards.

#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/gdi/Region.h"
#include "platform/chrome/ScrollBarState.h"
#include "platform/WinUser.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct WindowClass {
    ATOM atom = 0;
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtraBytes = 0;
    int windowExtraBytes = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> windowClass;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr; // the desktop for top-level windows
    HWND owner = nullptr;
    std::vector<HWND> children; // z-order, topmost first
    RECT window{};              // in the parent's client coordinates
    RECT client{};              // in the parent's client coordinates
    std::string text;
    HINSTANCE instance = nullptr;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<LONG_PTR> extra;
    std::optional<Region> shape; // SetWindowRgn, window coordinates

    // Painting state, client coordinates.
    Region update;
    bool eraseNeeded = false;
    bool frameNeeded = false;
    bool internalPaint = false;

    PixelBufferPtr surface; // top-level windows: the pixels of the whole window
    RECT normalRect{};      // placement to restore from minimized or maximized
    bool restoreToMaximized = false;
    bool frameActive = false; // the frame is drawn active (WM_NCACTIVATE)
    LRESULT pressedFrameButton = 0; // HTCLOSE, ... while the button is held
    std::optional<ScrollBarData> scrollBars[2]; // SB_HORZ, SB_VERT
    bool messageOnly = false;
    bool destroying = false;
    bool created = false; // WM_NCCREATE accepted
};

struct WindowSystemState {
    HWND desktop = nullptr;
    HWND active = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr;
    POINT cursor{};
    HCURSOR currentCursor = nullptr;
    int defaultPositionIndex = 0;
};

WindowSystemState& WindowSystem();

// Handle table.
HWND InsertWindow(std::unique_ptr<Window> window);
Window* LookupWindow(HWND hwnd);
void RemoveWindow(HWND hwnd);
// Every live window, in creation order.
std::vector<HWND> AllWindows();

// Classes.
std::shared_ptr<WindowClass> FindWindowClass(const char* nameOrAtom);

// Tree and geometry helpers (all refuse stale handles by returning null or
// empty values).
Window* DesktopWindow();
bool IsTopLevel(const Window& w);
HWND TopLevelOf(HWND hwnd);
bool IsDescendant(HWND ancestor, HWND hwnd);
// Visible with every ancestor visible.
bool IsShown(HWND hwnd);
// Enabled with every ancestor up to the top-level enabled.
bool IsEnabledForInput(HWND hwnd);
POINT ClientOriginOnScreen(const Window& w);
POINT WindowOriginOnScreen(const Window& w);
RECT WindowRectOnScreen(const Window& w);
RECT ClientRectOnScreen(const Window& w);
// Rectangles relative to the window's top-level surface.
RECT WindowRectInTop(const Window& w);
RECT ClientRectInTop(const Window& w);
// The window's shape in its own window coordinates: its rectangle, cut by
// its region when it has one.
Region WindowShape(const Window& w);
// Top-level windows (children of the desktop), topmost first.
const std::vector<HWND>& TopLevelWindows();

// Calls the window's procedure. Returns 0 for a stale handle.
LRESULT CallWindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
