#include "platform/gdi/shapes/EllipseScan.h"

#include "platform/RectMath.h"

#include <algorithm>
#include <cmath>

namespace {

// Whether the point (x, y), in half pixels from the centre of a w x h pixel
// ellipse (semi-axes w and h in half pixels), lies inside it. long double
// holds these products exactly for any box under 2^16 pixels.
bool insideEllipse(long double x, long double y, long double w, long double h)
{
    return x * x * h * h + y * y * w * w <= w * w * h * h;
}

// How far in from the left of a w x h ellipse box row j (in the upper half)
// starts: the row covers [inset, w - inset).
int ellipseRowInset(int j, int w, int h)
{
    // An ellipse reaches all four sides of its box, however thin: the
    // middle rows run the full width and no row is left empty.
    if (j >= (h - 1) / 2)
        return 0;
    // Pixel centres in half-pixel units from the box centre: odd when the
    // size is even, even when it is odd.
    long double y = 2.0L * j + 1 - h;
    long double w2 = w, h2 = h;
    long double estimate = std::floor(w2 * std::sqrt(std::max(0.0L, h2 * h2 - y * y)) / h2);
    auto m = static_cast<long long>(estimate);
    while (m > 0 && !insideEllipse(m, y, w2, h2))
        --m;
    while (insideEllipse(m + 1, y, w2, h2))
        ++m;
    // The widest centre offset with the parity of this box's centres.
    long long widest = ((m - (w + 1)) % 2 == 0) ? m : m - 1;
    if (widest < 0)
        return (w - 1) / 2;
    return int((-widest + w - 1) / 2);
}

} // namespace

std::vector<RECT> ScanRoundRect(const RECT& box, int ellipseWidth, int ellipseHeight, ScanRows rows)
{
    std::vector<RECT> out;
    if (IsEmpty(box))
        return out;
    int width = Width(box);
    int height = Height(box);
    int ew = std::clamp(ellipseWidth, 0, width);
    int eh = std::clamp(ellipseHeight, 0, height);
    int top = std::max(box.top, rows.top);
    int bottom = std::min(box.bottom, rows.bottom);
    SpanCollector collector(out);
    std::pair<int, int> span;
    for (int y = top; y < bottom; ++y) {
        int j = std::min(y - box.top, box.bottom - 1 - y);
        int inset = (ew > 0 && eh > 0 && j < (eh + 1) / 2) ? ellipseRowInset(j, ew, eh) : 0;
        span = {box.left + inset, box.right - inset};
        if (span.first < span.second)
            collector.addRow(y, std::span(&span, 1));
        else
            collector.addRow(y, {});
    }
    return out;
}
