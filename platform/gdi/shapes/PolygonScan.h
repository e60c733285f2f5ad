#pragma once
// Scan conversion of polygons into the pixel rows they cover. A pixel
// belongs to a polygon when its centre (x + 0.5, y + 0.5) lies inside, with
// left and top edges inclusive and right and bottom edges exclusive, so that
// the polygon (0,0)-(10,0)-(10,10)-(0,10) covers exactly 10 x 10 pixels and
// polygons sharing an edge never share a pixel.
//
// Vertices are fixed point with kScanSubpixels steps per pixel, so strokes
// can place their edges between pixel corners; arithmetic is exact.

#include "platform/WinTypes.h"

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

constexpr int kScanSubpixels = 16;

// Vertices further out than this are refused: the exact edge arithmetic
// needs the headroom.
constexpr LONG kMaxScanCoordinate = LONG(1) << 25;

struct ScanPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

inline ScanPoint ScanPointFromPixelCorner(POINT p)
{
    return ScanPoint{std::int64_t(p.x) * kScanSubpixels, std::int64_t(p.y) * kScanSubpixels};
}

bool IsScannableCoordinate(LONG v);
bool AreScannablePoints(const POINT* points, int count);
bool IsScannableRect(const RECT& r);

// Rows [rowTop, rowBottom) that the caller cares about (a clip's bounds, or
// the whole plane for a region).
struct ScanRows {
    int top = 0;
    int bottom = 0;
};

// One or more closed contours (sizes in `contourSizes`, points in order)
// filled with ALTERNATE or WINDING. Returns rectangles sorted by row, one
// row tall except where identical rows follow each other and merge.
std::vector<RECT> ScanPolygons(std::span<const ScanPoint> points, std::span<const int> contourSizes, int fillMode,
                               ScanRows rows);

// A single contour of integer vertices (pixel corners).
std::vector<RECT> ScanPolygon(const POINT* points, int count, int fillMode, ScanRows rows);

// Appends row spans to a rectangle list, merging a row into the rectangles
// of the row above when both have exactly the same spans.
class SpanCollector {
public:
    explicit SpanCollector(std::vector<RECT>& out) : out_(out) {}
    // Spans of one row, sorted and not overlapping; rows come in increasing order.
    void addRow(int y, std::span<const std::pair<int, int>> spans);

private:
    std::vector<RECT>& out_;
    std::size_t previousRowStart_ = 0;
    std::size_t previousRowCount_ = 0;
    int previousRowBottom_ = 0;
    bool hasPrevious_ = false;
};
