#pragma once
// Where a menu level opens: at a point, beside a row of the level above, or
// below a menu-bar row; flipped to the other side of the point or row where
// it would pass the work area's right or bottom edge, and pushed inside the
// work area when it still does not fit.

#include "platform/WinTypes.h"

namespace brio {

enum class PopupAnchor { AtPoint, BesideRow, BelowBarRow };

// The top-left corner (screen coordinates) for a popup of `size`.
POINT placePopup(SIZE size, const RECT& work, PopupAnchor anchor, POINT at, const RECT& row);

} // namespace brio
