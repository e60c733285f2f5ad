#include "skin/engine/SeDrawing.h"

#include "platform/Gdi.h"

RECT CenterRect(const RECT& inner, const RECT& outer)
{
    const int dx = (RectWidth(outer) - RectWidth(inner)) / 2;
    const int dy = (RectHeight(outer) - RectHeight(inner)) / 2;
    return RECT{outer.left + dx, outer.top + dy, outer.left + dx + RectWidth(inner),
                outer.top + dy + RectHeight(inner)};
}

bool IsEmptyRect(const RECT& r) { return RectWidth(r) < 1 || RectHeight(r) < 1; }

void SeDrawIcon(HDC dc, HICON icon, const RECT& r)
{
    if (icon && !IsEmptyRect(r))
        DrawIconEx(dc, r.left, r.top, icon, RectWidth(r), RectHeight(r), 0, nullptr, DI_NORMAL);
}
