#pragma once
// Window procedures bound to objects. A classic procedure is a plain
// function; a component that hooks a window needs one that carries its own
// state. MakeWindowProc turns a callable into a WNDPROC value that can be
// installed with SetWindowLongPtr(GWLP_WNDPROC) and chained like any other.
// Such a value must only be called through CallWindowProc (which is the
// rule for any procedure read back with GetWindowLongPtr).

#include "platform/WinUser.h"

#include <functional>

using WindowProcedure = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

WNDPROC MakeWindowProc(WindowProcedure procedure);
// Forgets the callable; a window that still has the value installed falls
// back to DefWindowProc. Safe while the procedure is running.
void FreeWindowProc(WNDPROC proc);
bool IsBoundWindowProc(WNDPROC proc);
