// Placement of menu levels.

#include "skin/controls/menus/SePopupPlacement.h"

POINT brio::placePopup(SIZE size, const RECT& work, PopupAnchor anchor, POINT at, const RECT& row)
{
    int left = at.x;
    int top = at.y;
    switch (anchor) {
    case PopupAnchor::AtPoint:
        if (left + size.cx > work.right)
            left = at.x - size.cx;
        if (top + size.cy > work.bottom)
            top = at.y - size.cy;
        break;
    case PopupAnchor::BesideRow:
        left = row.right;
        top = row.top;
        if (left + size.cx > work.right)
            left = row.left - size.cx;
        if (top + size.cy > work.bottom)
            top = row.bottom - size.cy;
        break;
    case PopupAnchor::BelowBarRow:
        left = row.left;
        top = row.bottom;
        if (left + size.cx > work.right)
            left = row.right - size.cx;
        if (top + size.cy > work.bottom) {
            top = row.top - size.cy;
            if (top < 0)
                top = work.top;
        }
        break;
    }
    if (left + size.cx > work.right)
        left = work.right - size.cx;
    if (top + size.cy > work.bottom)
        top = work.bottom - size.cy;
    // A popup larger than the work area keeps its top-left corner visible.
    if (left < work.left)
        left = work.left;
    if (top < work.top)
        top = work.top;
    return POINT{left, top};
}
