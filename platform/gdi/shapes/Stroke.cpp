#include "platform/gdi/shapes/Stroke.h"

#include "platform/Gdi.h"
#include "platform/gdi/shapes/PolygonScan.h"
#include "platform/RectMath.h"

#include <cmath>

namespace {

// Dash and gap lengths of the cosmetic styles, in pixels, starting with a dash.
std::vector<bool> stylePattern(int style)
{
    std::vector<int> lengths;
    switch (style) {
    case PS_DASH: lengths = {18, 6}; break;
    case PS_DOT: lengths = {3, 3}; break;
    case PS_DASHDOT: lengths = {9, 6, 3, 6}; break;
    case PS_DASHDOTDOT: lengths = {9, 3, 3, 3, 3, 3}; break;
    default: return {};
    }
    std::vector<bool> pattern;
    bool on = true;
    for (int length : lengths) {
        pattern.insert(pattern.end(), std::size_t(length), on);
        on = !on;
    }
    return pattern;
}

long long ceilDiv(long long a, long long b)
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

} // namespace

StrokeBuilder::StrokeBuilder(int penStyle, int penWidth, const RECT& limits)
    : width_(penWidth < 1 ? 1 : penWidth), limits_(limits)
{
    // Styles are a property of one-pixel pens; wider ones draw solid.
    if (width_ == 1)
        pattern_ = stylePattern(penStyle);
}

bool StrokeBuilder::styleOn(long long index) const
{
    return pattern_.empty() || pattern_[std::size_t(index % static_cast<long long>(pattern_.size()))];
}

void StrokeBuilder::emitRun(bool xMajor, int minor, int majorA, int majorB, bool on)
{
    int low = std::min(majorA, majorB), high = std::max(majorA, majorB) + 1;
    RECT r = xMajor ? RECT{low, minor, high, minor + 1} : RECT{minor, low, minor + 1, high};
    (on ? pen_ : gaps_).push_back(r);
}

void StrokeBuilder::addLine(POINT from, POINT to)
{
    if (isWide()) {
        addWideSegment(from, to);
        addDisc(from);
        addDisc(to);
    } else {
        addThinLine(from, to);
    }
}

void StrokeBuilder::addThinLine(POINT from, POINT to)
{
    long long dx = to.x - from.x, dy = to.y - from.y;
    long long steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0)
        return;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    long long majorStart = xMajor ? from.x : from.y;
    long long minorStart = xMajor ? from.y : from.x;
    long long majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    long long minorDelta = xMajor ? dy : dx;
    long long minorLow = xMajor ? limits_.top : limits_.left;
    long long minorHigh = xMajor ? limits_.bottom : limits_.right;

    // Only the steps whose major coordinate falls inside the limits.
    long long low = xMajor ? limits_.left : limits_.top;
    long long high = xMajor ? limits_.right : limits_.bottom;
    long long first = 0, last = steps; // [first, last)
    if (majorStep > 0) {
        first = std::max(first, low - majorStart);
        last = std::min(last, high - majorStart);
    } else {
        first = std::max(first, majorStart - high + 1);
        last = std::min(last, majorStart - low + 1);
    }

    bool inRun = false;
    int runMinor = 0, runStart = 0, runEnd = 0;
    bool runOn = true;
    for (long long i = first; i < last; ++i) {
        int major = int(majorStart + i * majorStep);
        // The exact minor coordinate, halves rounded towards the smaller
        // value whichever way the line runs.
        int minor = int(ceilDiv(2 * minorStart * steps + 2 * i * minorDelta - steps, 2 * steps));
        bool on = styleOn(styleIndex_ + i);
        bool visible = minor >= minorLow && minor < minorHigh;
        if (inRun && (!visible || minor != runMinor || on != runOn)) {
            emitRun(xMajor, runMinor, runStart, runEnd, runOn);
            inRun = false;
        }
        if (!visible)
            continue;
        if (!inRun) {
            inRun = true;
            runMinor = minor;
            runStart = major;
            runOn = on;
        }
        runEnd = major;
    }
    if (inRun)
        emitRun(xMajor, runMinor, runStart, runEnd, runOn);
    styleIndex_ += steps;
}

void StrokeBuilder::addWideSegment(POINT from, POINT to)
{
    double dx = to.x - from.x, dy = to.y - from.y;
    double length = std::hypot(dx, dy);
    if (length == 0)
        return;
    // The centre line joins the pixel centres; the sides lie half a width out.
    double scale = width_ * 0.5 * kScanSubpixels / length;
    auto nx = std::int64_t(std::lround(-dy * scale));
    auto ny = std::int64_t(std::lround(dx * scale));
    auto centre = [](POINT p) {
        return ScanPoint{std::int64_t(p.x) * kScanSubpixels + kScanSubpixels / 2,
                         std::int64_t(p.y) * kScanSubpixels + kScanSubpixels / 2};
    };
    ScanPoint a = centre(from), b = centre(to);
    ScanPoint quad[] = {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
    int sizes[] = {4};
    std::vector<RECT> rects = ScanPolygons(quad, sizes, ALTERNATE, ScanRows{limits_.top, limits_.bottom});
    pen_.insert(pen_.end(), rects.begin(), rects.end());
}

void StrokeBuilder::addDisc(POINT c)
{
    // Pixels whose centre lies within half the pen width of c's centre;
    // rows stay within reach, so the root is of a non-negative number.
    long long w2 = (long long)width_ * width_;
    int reach = width_ / 2;
    int top = std::max<long long>(c.y - reach, limits_.top);
    int bottom = std::min<long long>(c.y + reach + 1, limits_.bottom);
    for (int y = top; y < bottom; ++y) {
        long long dy = y - c.y;
        long long k = (long long)std::sqrt(double(w2 - 4 * dy * dy) / 4);
        while (k > 0 && 4 * (k * k + dy * dy) > w2)
            --k;
        while (4 * ((k + 1) * (k + 1) + dy * dy) <= w2)
            ++k;
        pen_.push_back(RECT{int(c.x - k), y, int(c.x + k + 1), y + 1});
    }
}

void StrokeBuilder::addPath(const POINT* points, int count, bool closed)
{
    if (!points || count < 1)
        return;
    for (int i = 0; i + 1 < count; ++i) {
        if (isWide())
            addWideSegment(points[i], points[i + 1]);
        else
            addThinLine(points[i], points[i + 1]);
    }
    if (closed && count > 1) {
        if (isWide())
            addWideSegment(points[count - 1], points[0]);
        else
            addThinLine(points[count - 1], points[0]);
    }
    if (isWide())
        for (int i = 0; i < count; ++i)
            addDisc(points[i]);
}

void StrokeBuilder::addPixelsInOrder(std::span<const POINT> pixels)
{
    for (POINT p : pixels) {
        if (Contains(limits_, p.x, p.y))
            (styleOn(styleIndex_) ? pen_ : gaps_).push_back(RECT{p.x, p.y, p.x + 1, p.y + 1});
        ++styleIndex_;
    }
}

bool StrokeBuilder::canStroke(const POINT* points, int count) const
{
    LONG margin = width_;
    for (int i = 0; i < count; ++i) {
        for (LONG v : {points[i].x, points[i].y})
            if (!IsScannableCoordinate(v - margin) || !IsScannableCoordinate(v + margin))
                return false;
    }
    return true;
}

Region StrokeBuilder::penRegion() const
{
    return Region::fromRects(pen_);
}

Region StrokeBuilder::gapRegion() const
{
    Region gaps = Region::fromRects(gaps_);
    if (!gaps.isEmpty())
        gaps.subtract(penRegion());
    return gaps;
}
