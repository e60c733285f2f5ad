#pragma once
// The standard scroll bars of a window: their values, their geometry inside
// the frame, painting and mouse tracking. Internal to the window system.

#include "platform/WinUser.h"

#include <cstdint>

struct Window;

enum class ScrollBarPart : std::uint8_t { None, FirstArrow, PageUp, Thumb, PageDown, SecondArrow };

struct ScrollBarData {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    UINT disabledArrows = ESB_ENABLE_BOTH;
    // While the mouse holds a part: which one, and whether the pointer is
    // over it (only then is it drawn pressed).
    ScrollBarPart heldPart = ScrollBarPart::None;
    bool heldPartPressed = false;
    // While the thumb is dragged: where it is drawn and what it stands for.
    bool thumbTracking = false;
    int trackThumbStart = 0; // window coordinates along the axis
    int trackPos = 0;
};

// One bar's parts along its axis, in window coordinates.
struct ScrollBarLayout {
    RECT bar{};
    bool vertical = true;
    int arrowSize = 0;
    int trackStart = 0;
    int trackEnd = 0;
    int thumbStart = 0;
    int thumbSize = 0; // 0: no thumb

    RECT partRect(ScrollBarPart part) const;
    ScrollBarPart hitTest(POINT windowPoint) const;
};

// The bar's data; created with the classic defaults when the window has
// the bar's style bit or `create` asks for it, else null.
ScrollBarData* WindowScrollBar(Window& w, int bar, bool create);
// The bar's rectangle in window coordinates, empty when it is not shown.
RECT ScrollBarRect(const Window& w, int bar);
// Whether the bar can scroll at all: enabled, with a range larger than a page.
bool ScrollBarUsable(const Window& w, const ScrollBarData& data);
ScrollBarLayout ComputeScrollBarLayout(const RECT& bar, bool vertical, const ScrollBarData& data, bool usable);
// The position a thumb starting at `thumbStart` stands for.
int ScrollPosFromThumb(const ScrollBarLayout& layout, const ScrollBarData& data, int thumbStart);
// The highest position the page allows.
int MaxScrollPos(const ScrollBarData& data);

// Painting into a DC in window coordinates (the frame's).
void PaintScrollBar(HDC dc, const Window& w, int bar);
// Repaints one bar now, as the frame paints itself outside WM_NCPAINT.
void RedrawScrollBar(HWND hwnd, int bar);
// Follows the mouse from a press on a bar until the release.
void TrackScrollBar(HWND hwnd, int bar, POINT screen);
