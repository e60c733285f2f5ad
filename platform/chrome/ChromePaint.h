#pragma once
// Painting helpers shared by the classic chrome (edges, frame controls).
// They draw straight into the DC's target in fixed system colours, so the
// DC's selected objects and modes are never touched.

#include "platform/gdi/BrushPaint.h"
#include "platform/RectMath.h"

// Fills a rectangle given in logical coordinates, clipped.
inline void FillLogicalRect(DeviceContext& dc, const RECT& logical, COLORREF color)
{
    PaintRect(dc, dc.toTarget(logical), SolidSource(PixelFromColorRef(color)));
}

inline void FillWithSysColor(DeviceContext& dc, const RECT& logical, int colorIndex)
{
    FillLogicalRect(dc, logical, GetSysColor(colorIndex));
}

// Fills with the classic 50% checker of two colours (a pushed-in toggle's face),
// anchored at the target's origin so that neighbouring fills line up.
void FillDithered(DeviceContext& dc, const RECT& logical, COLORREF even, COLORREF odd);

// DrawEdge on a DC already looked up; returns the rectangle inside the drawn
// borders (what BF_ADJUST gives back).
RECT PaintEdge(DeviceContext& dc, const RECT& logical, UINT edge, UINT flags);
