#pragma once
// The pixels of ellipses and rounded rectangles, by the same pixel-centre
// rule as polygons: a pixel belongs to the ellipse inscribed in a box when
// its centre lies inside. Results are mirror-symmetric in both axes, stay
// inside the box (right and bottom exclusive) and touch all four of its
// sides, however thin the ellipse.

#include "platform/gdi/shapes/PolygonScan.h"

// A rectangle whose corners are quarters of an ellipse `ellipseWidth` x
// `ellipseHeight` (clamped to the box); an ellipse is the case where the
// corner ellipse is the whole box. `box` must be normalised.
std::vector<RECT> ScanRoundRect(const RECT& box, int ellipseWidth, int ellipseHeight, ScanRows rows);

inline std::vector<RECT> ScanEllipse(const RECT& box, ScanRows rows)
{
    return ScanRoundRect(box, box.right - box.left, box.bottom - box.top, rows);
}
