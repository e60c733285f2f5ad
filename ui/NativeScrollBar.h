#pragma once
// Shows a view's extent on the window's own scroll bar: `count` rows (or
// pixels), `page` of them visible, the first visible at `pos`. The bar
// hides while everything fits.

#include "platform/WinUser.h"

#include <algorithm>

inline void SetNativeScrollBar(HWND hwnd, int bar, int count, int page, int pos)
{
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, count - 1);
    si.nPage = UINT(std::max(0, page));
    si.nPos = pos;
    SetScrollInfo(hwnd, bar, &si, TRUE);
}
