#pragma once
// The classic frame of windows with borders and captions, as DefWindowProc
// provides it: measuring (WM_NCCALCSIZE), hit-testing (WM_NCHITTEST),
// painting (WM_NCPAINT, WM_NCACTIVATE), caption buttons and the system
// commands. A component that draws its own frame handles the same messages
// itself and never reaches these.
//
// DefFrame.cpp measures and routes, DefFramePaint.cpp paints,
// DefFrameButtons.cpp tracks the caption buttons, MoveSizeLoop.cpp runs
// the move and size loops.

#include "platform/WinUser.h"

struct Window;

// Non-client thickness on each side (caption included), from the styles.
RECT FrameInsets(DWORD style, DWORD exStyle);

// The parts of the frame, in window coordinates; empty when absent.
struct FrameLayout {
    RECT caption{};
    RECT systemMenu{};
    RECT closeButton{};
    RECT maximizeButton{};
    RECT minimizeButton{};
    RECT helpButton{};
    RECT verticalScroll{};
    RECT horizontalScroll{};
    int border = 0; // thickness of the outer border
};
FrameLayout ComputeFrameLayout(const Window& w);

LRESULT DefFrameNcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT DefFrameNcHitTest(HWND hwnd, POINT screen);
void DefFrameNcPaint(HWND hwnd, HRGN region);
// Repaints one part of the frame (window coordinates) now, as the frame
// paints itself outside WM_NCPAINT: a pressed button, a new title.
void DefFramePaintPart(HWND hwnd, const RECT& part);
LRESULT DefFrameNcActivate(HWND hwnd, WPARAM active);
// WM_NCLBUTTONDOWN/UP/DBLCLK: caption buttons act on release inside,
// the caption and borders start the move and size loops.
LRESULT DefFrameNcMouse(HWND hwnd, UINT msg, WPARAM hit, LPARAM screenPoint);
// The command a caption button gives, or 0 when the button is absent or
// greyed.
WPARAM CaptionButtonCommand(const Window& w, LRESULT hit);
// The button's rectangle in window coordinates, empty when absent.
RECT CaptionButtonRect(const FrameLayout& f, LRESULT hit);
// Follows the mouse from a press on a caption button until the release,
// drawing the button pushed while the pointer is over it, and sends the
// button's WM_SYSCOMMAND when it is released there.
void DefFrameTrackCaptionButton(HWND hwnd, LRESULT hit);
LRESULT DefFrameSysCommand(HWND hwnd, WPARAM command, LPARAM lParam);
// SC_MOVE / SC_SIZE: runs the loop that follows the mouse until release.
void DefFrameMoveSizeLoop(HWND hwnd, WPARAM command, POINT start);
// WM_SETCURSOR for a non-client hit code: the cursor to show, or null.
HCURSOR CursorForHitCode(LRESULT hit);
