#pragma once
// Small value helpers on RECT and POINT for the platform's own code.

#include "platform/WinTypes.h"

#include <algorithm>

inline int Width(const RECT& r) { return r.right - r.left; }
inline int Height(const RECT& r) { return r.bottom - r.top; }
inline bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

inline RECT Intersect(const RECT& a, const RECT& b)
{
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (IsEmpty(r))
        return RECT{};
    return r;
}

inline RECT Offset(RECT r, int dx, int dy)
{
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
inline RECT Offset(RECT r, POINT d) { return Offset(r, d.x, d.y); }

inline POINT operator+(POINT a, POINT b) { return POINT{a.x + b.x, a.y + b.y}; }
inline POINT operator-(POINT a, POINT b) { return POINT{a.x - b.x, a.y - b.y}; }

// Left/right and top/bottom in order, so that a rectangle given the wrong way
// round still means the same area.
inline RECT Normalized(RECT r)
{
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

inline bool Contains(const RECT& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
