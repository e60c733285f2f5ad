#include "skin/controls/effects/SeMaskEffects.h"

#include "skin/controls/effects/SeAnimationMask.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace brio {

namespace {

using Byte = std::uint8_t;

// Rows and columns are measured from the grid's middle in half cells:
// |2i + 1 − n| is 0 or 1 in the middle and n − 1 at either edge.
int fromMiddle(int i, int n)
{
    return std::abs(2 * i + 1 - n);
}

void fillRows(AnimationMask& m, int from, int to, Byte value)
{
    for (int y = std::max(from, 0); y < std::min(to, m.height()); ++y)
        std::memset(m.row(y), value, std::size_t(m.width()));
}

// Lines x + y = k from the left edge to the top edge, for every k below
// `reach`.
void diagonal(AnimationMask& m, int percent)
{
    const double reach = percent * double(m.width() + m.height() - 1) / 100.0;
    const Byte level = MaskLevel(percent);
    for (int y = 0; y < m.height(); ++y) {
        const int count = std::clamp(int(std::ceil(reach - y)), 0, m.width());
        std::memset(m.row(y), level, std::size_t(count));
    }
}

void down(AnimationMask& m, int percent)
{
    fillRows(m, 0, (percent * m.height() + 99) / 100, MaskLevel(percent));
}

// From the top and the bottom towards the middle.
void in(AnimationMask& m, int percent)
{
    const int rows = (percent * ((m.height() + 1) / 2) + 99) / 100;
    fillRows(m, 0, rows, 255);
    fillRows(m, m.height() - rows, m.height(), 255);
}

// From the middle outwards.
void out(AnimationMask& m, int percent)
{
    const int rows = (percent * ((m.height() + 1) / 2) + 99) / 100;
    for (int y = 0; y < m.height(); ++y)
        if (fromMiddle(y, m.height()) < 2 * rows)
            std::memset(m.row(y), 255, std::size_t(m.width()));
}

// A rectangle of the grid's proportions around the middle, whose larger
// side is `percent` of the grid's: cells inside get `value`.
void rectangle(AnimationMask& m, int percent, Byte value)
{
    const int w = m.width(), h = m.height();
    int x0 = w, x1 = w;
    for (int x = 0; x < w; ++x)
        if (fromMiddle(x, w) * 100 < percent * w) {
            x0 = std::min(x0, x);
            x1 = x + 1;
        }
    if (x0 >= x1)
        return;
    for (int y = 0; y < h; ++y)
        if (fromMiddle(y, h) * 100 < percent * h)
            std::memset(m.row(y) + x0, value, std::size_t(x1 - x0));
}

void rectIn(AnimationMask& m, int percent)
{
    rectangle(m, 100 - percent, 1);
    const Byte level = MaskLevel(percent);
    for (int y = 0; y < m.height(); ++y) {
        Byte* row = m.row(y);
        for (int x = 0; x < m.width(); ++x)
            row[x] = row[x] ? 0 : level;
    }
}

int revealedCells(AnimationMask& m, int percent)
{
    return int(std::int64_t(percent) * m.width() * m.height() / 100);
}

void pixels(AnimationMask& m, int percent)
{
    const std::vector<int>& order = m.pixelOrder();
    Byte* cells = m.row(0);
    const int count = revealedCells(m, percent);
    for (int i = 0; i < count; ++i)
        cells[order[std::size_t(i)]] = 255;
}

// As kePixel, with levels that fall off from the first column to the last.
void pixelLine(AnimationMask& m, int percent)
{
    const int w = m.width();
    auto columnLevel = std::vector<Byte>(std::size_t(w));
    for (int x = 0; x < w; ++x)
        columnLevel[std::size_t(x)] = FadingLevel(percent, x, w);
    const std::vector<int>& order = m.pixelOrder();
    Byte* cells = m.row(0);
    const int count = revealedCells(m, percent);
    for (int i = 0; i < count; ++i) {
        const int cell = order[std::size_t(i)];
        cells[cell] = columnLevel[std::size_t(cell % w)];
    }
}

// Diamonds around the middle: the distance is |dx| + |dy| in cells; the
// fading front reaches `percent` of 2.5 times the larger side.
void diamondOut(AnimationMask& m, int percent)
{
    const int w = m.width(), h = m.height();
    const double reach = percent * 2.5 * std::max(w, h) / 100.0;
    // By the distance in half cells, which is what fromMiddle() sums to.
    std::vector<Byte> level(std::size_t(w + h));
    for (std::size_t d = 0; d < level.size(); ++d)
        level[d] = FadingLevel(percent, double(d) / 2.0, reach);
    auto column = std::vector<int>(std::size_t(w));
    for (int x = 0; x < w; ++x)
        column[std::size_t(x)] = fromMiddle(x, w);
    for (int y = 0; y < h; ++y) {
        Byte* row = m.row(y);
        const Byte* byDistance = level.data() + fromMiddle(y, h);
        for (int x = 0; x < w; ++x)
            row[x] = byDistance[column[std::size_t(x)]];
    }
}

void invert(AnimationMask& m)
{
    for (int y = 0; y < m.height(); ++y) {
        Byte* row = m.row(y);
        for (int x = 0; x < m.width(); ++x)
            row[x] = Byte(255 - row[x]);
    }
}

// Lines x + y = k, fading away from the top-left corner; the front reaches
// `percent` of 2.5 times the diagonal.
void smoothDiagonal(AnimationMask& m, int percent)
{
    const int w = m.width(), h = m.height();
    const double reach = percent * 2.5 * double(w + h - 1) / 100.0;
    std::vector<Byte> level(std::size_t(w + h));
    for (std::size_t k = 0; k < level.size(); ++k)
        level[k] = FadingLevel(percent, double(k), reach);
    for (int y = 0; y < h; ++y)
        std::memcpy(m.row(y), level.data() + y, std::size_t(w));
}

// Rectangles of the grid's proportions around the middle, fading outwards;
// the front reaches `percent` of 1.6 times the larger side. A cell's
// distance is the larger of its column's and its row's, and the level falls
// with distance, so it is the smaller of the two levels.
void smoothRectOut(AnimationMask& m, int percent)
{
    const int w = m.width(), h = m.height();
    const double larger = std::max(w, h);
    const double reach = percent * 1.6 * larger / 100.0;
    auto column = std::vector<Byte>(std::size_t(w));
    for (int x = 0; x < w; ++x)
        column[std::size_t(x)] = FadingLevel(percent, fromMiddle(x, w) * larger / w / 2.0, reach);
    for (int y = 0; y < h; ++y) {
        const Byte rowLevel = FadingLevel(percent, fromMiddle(y, h) * larger / h / 2.0, reach);
        Byte* row = m.row(y);
        for (int x = 0; x < w; ++x)
            row[x] = std::min(column[std::size_t(x)], rowLevel);
    }
}

} // namespace

void DrawMaskEffect(AnimationMask& m, TkeEffect effect, int percent)
{
    switch (effect) {
    case keFade: fillRows(m, 0, m.height(), MaskLevel(percent)); break;
    case keDiagonal: diagonal(m, percent); break;
    case keDown: down(m, percent); break;
    case keIn: in(m, percent); break;
    case keOut: out(m, percent); break;
    case keRectOut: rectangle(m, percent, MaskLevel(percent)); break;
    case keRectIn: rectIn(m, percent); break;
    case kePixel: pixels(m, percent); break;
    case kePixelLine: pixelLine(m, percent); break;
    case keDiamondOut: diamondOut(m, percent); break;
    case keDiamondIn:
        diamondOut(m, 100 - percent);
        invert(m);
        break;
    case keSmoothDiagonal: smoothDiagonal(m, percent); break;
    case keSmoothRectOut: smoothRectOut(m, percent); break;
    case keSmoothRectIn:
        smoothRectOut(m, 100 - percent);
        invert(m);
        break;
    case keRandomSelect: break;
    }
}

} // namespace brio
