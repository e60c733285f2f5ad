#pragma once
// Small drawing routines the skinned controls share, on plain device
// contexts. Colours are framework colours (system colours allowed).

#include "platform/WinTypes.h"
#include "ui/graphics/Colors.h"

#include <span>
#include <string>

inline int RectWidth(const RECT& r) { return r.right - r.left; }
inline int RectHeight(const RECT& r) { return r.bottom - r.top; }
// `inner` moved so its centre is `outer`'s; offsets truncate toward zero.
RECT CenterRect(const RECT& inner, const RECT& outer);
RECT CenterRectVert(const RECT& inner, const RECT& outer);
RECT GrowRect(const RECT& r, int n);
bool IsEmptyRect(const RECT& r);
bool EqualRects(const RECT& a, const RECT& b);
bool PointInPolygon(std::span<const POINT> polygon, POINT p);

// One line or more of text, transparent background, in the DC's font.
void SeDrawText(HDC dc, const std::string& text, RECT& r, UINT format);
int SeTextWidth(HDC dc, const std::string& text);
int SeTextHeight(HDC dc, const std::string& text);

void SeFillRect(HDC dc, const RECT& r, TColor colour);
void SeFrameRect(HDC dc, const RECT& r, TColor colour);
// Left and top edges in `topLeft`, right and bottom in `bottomRight`.
void SeFrame3D(HDC dc, const RECT& r, TColor topLeft, TColor bottomRight);
enum : int { SeBevelLeft = 1, SeBevelTop = 2, SeBevelRight = 4, SeBevelBottom = 8 };
// One-pixel lines on the flagged sides, `count` of them moving inwards.
void SeBevelLines(HDC dc, RECT r, TColor colour, int sides, int count);
void SeRoundRect(HDC dc, const RECT& r, int radius, TColor colour);
// At most 255 bands from `from` to `to`; one per pixel when the gradient is
// shorter than that.
void SeGradientFill(HDC dc, const RECT& r, TColor from, TColor to, bool vertical);
// An 8 x 8 checkerboard in two colours.
void SeDitherFill(HDC dc, const RECT& r, TColor a, TColor b);
void SePolygonFill(HDC dc, std::span<const POINT> points, TColor colour);
void SeFocusRect(HDC dc, const RECT& r, TColor colour);
void SeDrawIcon(HDC dc, HICON icon, const RECT& r);
