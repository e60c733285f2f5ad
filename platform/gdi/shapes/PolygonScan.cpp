#include "platform/gdi/shapes/PolygonScan.h"

#include "platform/Gdi.h"

#include <algorithm>

namespace {

constexpr std::int64_t kHalfSubpixel = kScanSubpixels / 2;

// Division rounding towards positive infinity; the divisor is positive.
std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// An edge running downwards (y0 < y1), covering pixel rows [firstRow, endRow).
struct Edge {
    std::int64_t x0, y0, dx, dy;
    int winding;
    int firstRow, endRow;

    // The first pixel whose centre lies at or right of the edge on row y.
    int boundaryAt(int y) const
    {
        std::int64_t centreY = std::int64_t(y) * kScanSubpixels + kHalfSubpixel;
        std::int64_t numerator = x0 * dy + (centreY - y0) * dx - dy * kHalfSubpixel;
        return int(ceilDiv(numerator, dy * kScanSubpixels));
    }
};

// A row's pixel centres lie at y*S + S/2; an edge owns the rows whose centre
// is in [y0, y1).
int firstRowAtOrBelow(std::int64_t y)
{
    return int(ceilDiv(y - kHalfSubpixel, kScanSubpixels));
}

std::vector<Edge> buildEdges(std::span<const ScanPoint> points, std::span<const int> contourSizes)
{
    std::vector<Edge> edges;
    std::size_t start = 0;
    for (int size : contourSizes) {
        if (size <= 0 || start + std::size_t(size) > points.size())
            break;
        for (int i = 0; i < size; ++i) {
            ScanPoint a = points[start + std::size_t(i)];
            ScanPoint b = points[start + std::size_t((i + 1) % size)];
            if (a.y == b.y)
                continue;
            int winding = 1;
            if (a.y > b.y) {
                std::swap(a, b);
                winding = -1;
            }
            Edge e{a.x, a.y, b.x - a.x, b.y - a.y, winding, firstRowAtOrBelow(a.y), firstRowAtOrBelow(b.y)};
            if (e.firstRow < e.endRow)
                edges.push_back(e);
        }
        start += std::size_t(size);
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.firstRow < b.firstRow; });
    return edges;
}

struct Crossing {
    int x;
    int winding;
};

// Turns the sorted crossings of one row into covered spans.
void spansFromCrossings(const std::vector<Crossing>& crossings, int fillMode,
                        std::vector<std::pair<int, int>>& spans)
{
    spans.clear();
    auto add = [&](int left, int right) {
        if (left >= right)
            return;
        if (!spans.empty() && spans.back().second >= left)
            spans.back().second = std::max(spans.back().second, right);
        else
            spans.emplace_back(left, right);
    };
    if (fillMode == WINDING) {
        int winding = 0;
        int start = 0;
        for (const Crossing& c : crossings) {
            int before = winding;
            winding += c.winding;
            if (before == 0 && winding != 0)
                start = c.x;
            else if (before != 0 && winding == 0)
                add(start, c.x);
        }
        return;
    }
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
        add(crossings[i].x, crossings[i + 1].x);
}

} // namespace

bool IsScannableCoordinate(LONG v)
{
    return v >= -kMaxScanCoordinate && v <= kMaxScanCoordinate;
}

bool AreScannablePoints(const POINT* points, int count)
{
    for (int i = 0; i < count; ++i)
        if (!IsScannableCoordinate(points[i].x) || !IsScannableCoordinate(points[i].y))
            return false;
    return true;
}

bool IsScannableRect(const RECT& r)
{
    return IsScannableCoordinate(r.left) && IsScannableCoordinate(r.top) && IsScannableCoordinate(r.right) &&
           IsScannableCoordinate(r.bottom);
}

void SpanCollector::addRow(int y, std::span<const std::pair<int, int>> spans)
{
    if (spans.empty()) {
        hasPrevious_ = false;
        return;
    }
    bool sameAsAbove = hasPrevious_ && y == previousRowBottom_ && spans.size() == previousRowCount_;
    for (std::size_t i = 0; sameAsAbove && i < spans.size(); ++i) {
        const RECT& r = out_[previousRowStart_ + i];
        sameAsAbove = r.left == spans[i].first && r.right == spans[i].second;
    }
    if (sameAsAbove) {
        for (std::size_t i = 0; i < spans.size(); ++i)
            out_[previousRowStart_ + i].bottom = y + 1;
    } else {
        previousRowStart_ = out_.size();
        previousRowCount_ = spans.size();
        for (const auto& [left, right] : spans)
            out_.push_back(RECT{left, y, right, y + 1});
    }
    previousRowBottom_ = y + 1;
    hasPrevious_ = true;
}

std::vector<RECT> ScanPolygons(std::span<const ScanPoint> points, std::span<const int> contourSizes, int fillMode,
                               ScanRows rows)
{
    std::vector<RECT> out;
    std::vector<Edge> edges = buildEdges(points, contourSizes);
    if (edges.empty())
        return out;
    int lastRow = edges.front().endRow;
    for (const Edge& e : edges)
        lastRow = std::max(lastRow, e.endRow);
    int yEnd = std::min(rows.bottom, lastRow);

    SpanCollector collector(out);
    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    std::vector<std::pair<int, int>> spans;
    std::size_t next = 0;
    int y = std::max(rows.top, edges.front().firstRow);
    while (y < yEnd) {
        while (next < edges.size() && edges[next].firstRow <= y) {
            if (edges[next].endRow > y)
                active.push_back(&edges[next]);
            ++next;
        }
        std::erase_if(active, [y](const Edge* e) { return e->endRow <= y; });
        if (active.empty()) {
            if (next >= edges.size())
                break;
            y = edges[next].firstRow; // nothing covers the rows in between
            continue;
        }
        crossings.clear();
        for (const Edge* e : active)
            crossings.push_back(Crossing{e->boundaryAt(y), e->winding});
        // Crossings with the same boundary enclose no pixel, so their order
        // among themselves does not matter.
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        spansFromCrossings(crossings, fillMode, spans);
        collector.addRow(y, spans);
        ++y;
    }
    return out;
}

std::vector<RECT> ScanPolygon(const POINT* points, int count, int fillMode, ScanRows rows)
{
    if (!points || count < 3)
        return {};
    std::vector<ScanPoint> scaled;
    scaled.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        scaled.push_back(ScanPointFromPixelCorner(points[i]));
    int sizes[] = {count};
    return ScanPolygons(scaled, sizes, fillMode, rows);
}
