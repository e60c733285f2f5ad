#include "skin/engine/SeDrawing.h"

#include "platform/Gdi.h"

RECT CenterRect(const RECT& inner, const RECT& outer)
{
    const int dx = (Width(outer) - Width(inner)) / 2;
    const int dy = (Height(outer) - Height(inner)) / 2;
    return RECT{outer.left + dx, outer.top + dy, outer.left + dx + Width(inner),
                outer.top + dy + Height(inner)};
}

void SeDrawIcon(HDC dc, HICON icon, const RECT& r)
{
    if (icon && !IsEmpty(r))
        DrawIconEx(dc, r.left, r.top, icon, Width(r), Height(r), 0, nullptr, DI_NORMAL);
}
