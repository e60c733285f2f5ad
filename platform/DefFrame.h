#pragma once
// The classic frame of windows with borders and captions, as DefWindowProc
// provides it: measuring (WM_NCCALCSIZE), hit-testing (WM_NCHITTEST),
// painting (WM_NCPAINT, WM_NCACTIVATE), caption buttons and the system
// commands. A component that draws its own frame handles the same messages
// itself and never reaches these.
//
// The painting here is deliberately plain, and the move and size loops
// (SC_MOVE, SC_SIZE) are a seam: DefFrameMoveSizeLoop.

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
LRESULT DefFrameNcActivate(HWND hwnd, WPARAM active);
// WM_NCLBUTTONDOWN/UP/DBLCLK: caption buttons act on release inside,
// the caption and borders start the move and size loops.
LRESULT DefFrameNcMouse(HWND hwnd, UINT msg, WPARAM hit, LPARAM screenPoint);
LRESULT DefFrameSysCommand(HWND hwnd, WPARAM command, LPARAM lParam);
// SC_MOVE / SC_SIZE: runs the loop that follows the mouse until release.
void DefFrameMoveSizeLoop(HWND hwnd, WPARAM command, POINT start);
// WM_SETCURSOR for a non-client hit code: the cursor to show, or null.
HCURSOR CursorForHitCode(LRESULT hit);
