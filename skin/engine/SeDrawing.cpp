#include "skin/engine/SeDrawing.h"

#include "platform/Gdi.h"

#include <algorithm>
#include <cmath>
#include <vector>

RECT CenterRect(const RECT& inner, const RECT& outer)
{
    const int dx = (RectWidth(outer) - RectWidth(inner)) / 2;
    const int dy = (RectHeight(outer) - RectHeight(inner)) / 2;
    return RECT{outer.left + dx, outer.top + dy, outer.left + dx + RectWidth(inner),
                outer.top + dy + RectHeight(inner)};
}

RECT CenterRectVert(const RECT& inner, const RECT& outer)
{
    const int dy = (RectHeight(outer) - RectHeight(inner)) / 2;
    return RECT{inner.left, outer.top + dy, inner.right, outer.top + dy + RectHeight(inner)};
}

RECT GrowRect(const RECT& r, int n) { return RECT{r.left - n, r.top - n, r.right + n, r.bottom + n}; }
bool IsEmptyRect(const RECT& r) { return RectWidth(r) < 1 || RectHeight(r) < 1; }

bool EqualRects(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool PointInPolygon(std::span<const POINT> polygon, POINT p)
{
    if (polygon.size() < 3)
        return false;
    HRGN rgn = CreatePolygonRgn(polygon.data(), int(polygon.size()), ALTERNATE);
    if (!rgn)
        return false;
    const bool inside = PtInRegion(rgn, p.x, p.y);
    DeleteObject(rgn);
    return inside;
}

void SeDrawText(HDC dc, const std::string& text, RECT& r, UINT format)
{
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawText(dc, text.c_str(), int(text.size()), &r, format);
    SetBkMode(dc, oldMode);
}

int SeTextWidth(HDC dc, const std::string& text)
{
    RECT r{0, 0, 0, 0};
    DrawText(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return RectWidth(r);
}

int SeTextHeight(HDC dc, const std::string& text)
{
    RECT r{0, 0, 0, 0};
    DrawText(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_NOPREFIX);
    return RectHeight(r);
}

void SeFillRect(HDC dc, const RECT& r, TColor colour)
{
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void SeFrameRect(HDC dc, const RECT& r, TColor colour)
{
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

void SeFrame3D(HDC dc, const RECT& r, TColor topLeft, TColor bottomRight)
{
    if (IsEmptyRect(r))
        return;
    SeFillRect(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    SeFillRect(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    SeFillRect(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    SeFillRect(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

void SeBevelLines(HDC dc, RECT r, TColor colour, int sides, int count)
{
    for (int i = 0; i < count && !IsEmptyRect(r); ++i) {
        if (sides & SeBevelLeft)
            SeFillRect(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, colour);
        if (sides & SeBevelTop)
            SeFillRect(dc, RECT{r.left, r.top, r.right, r.top + 1}, colour);
        if (sides & SeBevelRight)
            SeFillRect(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, colour);
        if (sides & SeBevelBottom)
            SeFillRect(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, colour);
        r = GrowRect(r, -1);
    }
}

void SeRoundRect(HDC dc, const RECT& r, int radius, TColor colour)
{
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(colour));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void SeGradientFill(HDC dc, const RECT& r, TColor from, TColor to, bool vertical)
{
    if (IsEmptyRect(r))
        return;
    const COLORREF a = ColorToRGB(from), b = ColorToRGB(to);
    const int length = vertical ? RectHeight(r) : RectWidth(r);
    const int bands = std::min(length, 255);
    auto channel = [&](int ca, int cb, int band) {
        return BYTE(bands > 1 ? ca + int(std::lround(double(cb - ca) * band / (bands - 1))) : ca);
    };
    for (int band = 0; band < bands; ++band) {
        const int start = int(std::int64_t(length) * band / bands);
        const int end = int(std::int64_t(length) * (band + 1) / bands);
        const COLORREF c = RGB(channel(GetRValue(a), GetRValue(b), band), channel(GetGValue(a), GetGValue(b), band),
                               channel(GetBValue(a), GetBValue(b), band));
        const RECT part = vertical ? RECT{r.left, r.top + start, r.right, r.top + end}
                                   : RECT{r.left + start, r.top, r.left + end, r.bottom};
        SeFillRect(dc, part, TColor(c));
    }
}

void SeDitherFill(HDC dc, const RECT& r, TColor a, TColor b)
{
    if (IsEmptyRect(r))
        return;
    std::vector<Pixel> cells(64);
    const Pixel pa = PixelFromColorRef(ColorToRGB(a)), pb = PixelFromColorRef(ColorToRGB(b));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            cells[std::size_t(y * 8 + x)] = ((x + y) & 1) ? pb : pa;
    HBITMAP pattern = CreateBitmap(8, 8, 1, 32, cells.data());
    HBRUSH brush = CreatePatternBrush(pattern);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    DeleteObject(pattern);
}

void SePolygonFill(HDC dc, std::span<const POINT> points, TColor colour)
{
    if (points.size() < 3)
        return;
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(colour));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, points.data(), int(points.size()));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void SeFocusRect(HDC dc, const RECT& r, TColor colour)
{
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    HGDIOBJ old = SelectObject(dc, brush);
    const COLORREF oldText = SetTextColor(dc, ColorToRGB(colour));
    DrawFocusRect(dc, &r);
    SetTextColor(dc, oldText);
    SelectObject(dc, old);
    DeleteObject(brush);
}

void SeDrawIcon(HDC dc, HICON icon, const RECT& r)
{
    if (icon && !IsEmptyRect(r))
        DrawIconEx(dc, r.left, r.top, icon, RectWidth(r), RectHeight(r), 0, nullptr, DI_NORMAL);
}
