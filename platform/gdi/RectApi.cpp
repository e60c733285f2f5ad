// The rectangle helpers of the classic interface, and MulDiv.

#include "platform/Gdi.h"
#include "platform/RectMath.h"

#include <cmath>
#include <cstdint>

BOOL SetRect(RECT* r, int left, int top, int right, int bottom)
{
    if (!r)
        return FALSE;
    *r = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* r)
{
    return SetRect(r, 0, 0, 0, 0);
}

BOOL CopyRect(RECT* dst, const RECT* src)
{
    if (!dst || !src)
        return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* r)
{
    return !r || IsEmpty(*r) ? TRUE : FALSE;
}

BOOL EqualRect(const RECT* a, const RECT* b)
{
    return a && b && *a == *b ? TRUE : FALSE;
}

BOOL PtInRect(const RECT* r, POINT p)
{
    return r && Contains(*r, p.x, p.y) ? TRUE : FALSE;
}

BOOL OffsetRect(RECT* r, int dx, int dy)
{
    if (!r)
        return FALSE;
    *r = Offset(*r, dx, dy);
    return TRUE;
}

BOOL InflateRect(RECT* r, int dx, int dy)
{
    if (!r)
        return FALSE;
    *r = RECT{r->left - dx, r->top - dy, r->right + dx, r->bottom + dy};
    return TRUE;
}

BOOL IntersectRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (!dst)
        return FALSE;
    if (!a || !b) {
        *dst = RECT{};
        return FALSE;
    }
    *dst = Intersect(*a, *b);
    return IsEmpty(*dst) ? FALSE : TRUE;
}

BOOL UnionRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (!dst || !a || !b)
        return FALSE;
    if (IsEmpty(*a))
        *dst = IsEmpty(*b) ? RECT{} : *b;
    else if (IsEmpty(*b))
        *dst = *a;
    else
        *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                    std::max(a->bottom, b->bottom)};
    return IsEmpty(*dst) ? FALSE : TRUE;
}

BOOL SubtractRect(RECT* dst, const RECT* a, const RECT* b)
{
    if (!dst || !a || !b)
        return FALSE;
    // The result is a only shrunk when b covers a whole side of it.
    RECT r = *a;
    RECT i = Intersect(*a, *b);
    if (!IsEmpty(i)) {
        if (i.top == r.top && i.bottom == r.bottom) {
            if (i.left == r.left)
                r.left = i.right;
            else if (i.right == r.right)
                r.right = i.left;
        } else if (i.left == r.left && i.right == r.right) {
            if (i.top == r.top)
                r.top = i.bottom;
            else if (i.bottom == r.bottom)
                r.bottom = i.top;
        }
    }
    *dst = IsEmpty(r) ? RECT{} : r;
    return IsEmpty(r) ? FALSE : TRUE;
}

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    // Rounded to nearest, halves away from zero, as the classic helper does.
    std::int64_t product = std::int64_t(number) * numerator;
    std::int64_t d = denominator;
    bool negative = (product < 0) != (d < 0);
    std::int64_t a = product < 0 ? -product : product;
    std::int64_t b = d < 0 ? -d : d;
    std::int64_t q = (a + b / 2) / b;
    if (q > INT32_MAX)
        return -1;
    return int(negative ? -q : q);
}
