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

// Where a WM_VSCROLL or WM_HSCROLL request moves a view whose first visible
// row (or pixel) is `current`: steps of `line` and `page`, the thumb's
// `position`, the ends 0 and `last`. Other codes leave it where it is.
inline int ScrollRequestTarget(WORD code, int position, int current, int line, int page, int last)
{
    switch (code) {
    case SB_LINEUP: return current - line;
    case SB_LINEDOWN: return current + line;
    case SB_PAGEUP: return current - page;
    case SB_PAGEDOWN: return current + page;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return position;
    case SB_TOP: return 0;
    case SB_BOTTOM: return last;
    default: return current;
    }
}
