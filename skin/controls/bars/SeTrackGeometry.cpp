#include "skin/controls/bars/SeTrackGeometry.h"

#include "platform/Gdi.h"
#include "platform/gdi/GdiObjectOwner.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdlib>

namespace brio {

namespace {

long long roundHalfEvenWide(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        result += 1.0;
    return static_cast<long long>(result);
}

} // namespace

int roundHalfEven(double value)
{
    return int(std::clamp<long long>(roundHalfEvenWide(std::clamp(value, -4.0e18, 4.0e18)), INT_MIN, INT_MAX));
}

int trackPixelFromPosition(const TrackAxis& axis, int value)
{
    if (axis.max == axis.min)
        return 0;
    const double share = (double(value) - axis.min) / (double(axis.max) - axis.min);
    return axis.thumbLength / 2 + axis.margin + roundHalfEven(double(axis.span()) * share);
}

namespace {

long long snapWide(long long value, int frequency)
{
    const long long step = std::max(frequency, 1);
    const long long magnitude = std::llabs(value);
    const long long remainder = magnitude % step;
    long long snapped = magnitude - remainder;
    if (remainder > step / 2)
        snapped += step;
    return value < 0 ? -snapped : snapped;
}

} // namespace

int snapToFrequency(int value, int frequency)
{
    // A snap past the ends of int goes back one step.
    const long long snapped = snapWide(value, frequency);
    const long long step = std::max(frequency, 1);
    if (snapped > INT_MAX)
        return int(snapped - step);
    if (snapped < INT_MIN)
        return int(snapped + step);
    return int(snapped);
}

int trackPositionFromPixel(const TrackAxis& axis, int pixel, int frequency)
{
    const int span = axis.span();
    if (span <= 0 || axis.max <= axis.min)
        return axis.min;
    const double value = (double(pixel) - axis.margin - axis.thumbLength / 2) * (double(axis.max) - axis.min) /
                             double(span) +
                         axis.min;
    // Far pixels are brought within a range's length of the range, where
    // they snap as any other and are then clamped.
    const double range = double(axis.max) - axis.min;
    const double bounded = std::clamp(value, axis.min - range - 1.0, axis.max + range + 1.0);
    const long long snapped = snapWide(roundHalfEvenWide(bounded), frequency);
    return int(std::clamp<long long>(snapped, axis.min, axis.max));
}

int trackCrossStart(int offset, int thumbLength, TrackTicks ticks, bool showTicks)
{
    int start = offset + (ticks == TrackTicks::topLeft ? thumbLength / 2 : thumbLength / 4);
    if (showTicks && ticks != TrackTicks::bottomRight)
        start += 5;
    return start;
}

ThumbOutline trackThumbOutline(bool horizontal, TrackTicks ticks, int pixel, int thumbLength, int crossStart,
                               int thickness)
{
    // Built for a horizontal bar as (along, across), then turned.
    const int a0 = pixel - thumbLength / 2;
    const int a1 = a0 + thumbLength;
    const int mid = a0 + thumbLength / 2;
    const int c0 = crossStart;
    const int c1 = crossStart + thickness;
    const int tip = thumbLength / 2;
    ThumbOutline outline;
    auto put = [&](int along, int across) {
        outline.points[outline.count++] = horizontal ? POINT{along, across} : POINT{across, along};
    };
    switch (ticks) {
    case TrackTicks::both:
        put(a0, c0);
        put(a1, c0);
        put(a1, c1);
        put(a0, c1);
        break;
    case TrackTicks::bottomRight:
        put(a0, c0);
        put(a1, c0);
        put(a1, c1 - tip);
        put(mid, c1);
        put(a0, c1 - tip);
        break;
    case TrackTicks::topLeft:
        put(mid, c0);
        put(a1, c0 + tip);
        put(a1, c1);
        put(a0, c1);
        put(a0, c0 + tip);
        break;
    }
    return outline;
}

bool trackThumbContains(const ThumbOutline& outline, int x, int y)
{
    if (outline.count < 3)
        return false;
    GdiObjectOwner<HRGN> region(CreatePolygonRgn(outline.points, outline.count, ALTERNATE));
    return region && PtInRegion(region.get(), x, y);
}

} // namespace brio
