#pragma once
// Rectangle and point helpers under the classic library's names.

#include "platform/RectMath.h"
#include "platform/WinTypes.h"

using TRect = RECT;
using TPoint = POINT;

constexpr TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height)
{
    return TRect{left, top, left + width, top + height};
}
constexpr TPoint Point(int x, int y) { return TPoint{x, y}; }
