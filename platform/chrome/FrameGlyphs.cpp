#include "platform/chrome/FrameGlyphs.h"

#include "platform/gdi/BrushPaint.h"

#include <algorithm>
#include <cmath>

GlyphMask::GlyphMask(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), bits_(std::size_t(width_) * std::size_t(height_), 0)
{
}

bool GlyphMask::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return false;
    return bits_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] != 0;
}

void GlyphMask::set(int x, int y, bool on)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    bits_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = on ? 1 : 0;
}

void GlyphMask::fillRect(int left, int top, int right, int bottom, bool on)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            bits_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = on ? 1 : 0;
}

void GlyphMask::paint(DeviceContext& dc, POINT origin, COLORREF color) const
{
    const BrushSource source = SolidSource(PixelFromColorRef(color));
    const POINT at = dc.toTarget(origin);
    for (int y = 0; y < height_; ++y) {
        int x = 0;
        while (x < width_) {
            if (!this->at(x, y)) {
                ++x;
                continue;
            }
            int runEnd = x;
            while (runEnd < width_ && this->at(runEnd, y))
                ++runEnd;
            PaintRect(dc, RECT{at.x + x, at.y + y, at.x + runEnd, at.y + y + 1}, source);
            x = runEnd;
        }
    }
}

GlyphMask CheckMarkGlyph(int size)
{
    GlyphMask mask(size, size);
    if (size <= 0)
        return mask;
    // Designed on a 7-pixel grid: the left arm runs down from row 3 to the
    // low point at column 2, the right arm up to row 1 at column 6.
    const double unit = size / 7.0;
    const int thickness = std::max(1, int(std::lround(3 * unit)));
    for (int column = 0; column < size; ++column) {
        double gridX = (column + 0.5) / unit - 0.5;
        double centre = gridX <= 2 ? 3 + gridX : 5 - (gridX - 2);
        int top = int(std::floor((centre + 0.5) * unit - thickness / 2.0 + 0.5));
        mask.fillRect(column, top, column + 1, top + thickness);
    }
    return mask;
}

GlyphMask ArrowGlyph(int depth, ArrowDirection direction)
{
    depth = std::max(depth, 1);
    const int base = 2 * depth - 1;
    const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
    GlyphMask mask(vertical ? base : depth, vertical ? depth : base);
    for (int i = 0; i < depth; ++i) {
        // Row (or column) i counted from the wide end.
        switch (direction) {
        case ArrowDirection::Down: mask.fillRect(i, i, base - i, i + 1); break;
        case ArrowDirection::Up: mask.fillRect(i, depth - 1 - i, base - i, depth - i); break;
        case ArrowDirection::Right: mask.fillRect(i, i, i + 1, base - i); break;
        case ArrowDirection::Left: mask.fillRect(depth - 1 - i, i, depth - i, base - i); break;
        }
    }
    return mask;
}

GlyphMask DiscGlyph(int diameter, double radius)
{
    GlyphMask mask(diameter, diameter);
    const double centre = diameter / 2.0;
    for (int y = 0; y < diameter; ++y)
        for (int x = 0; x < diameter; ++x)
            if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) < radius)
                mask.set(x, y);
    return mask;
}

GlyphMask CloseGlyph(int width, int height)
{
    GlyphMask mask(width, height);
    if (width <= 0 || height <= 0)
        return mask;
    const int stroke = std::max(1, width / 4);
    for (int y = 0; y < height; ++y) {
        int step = height > 1 ? int(std::lround(double(y) * (width - stroke) / (height - 1))) : 0;
        mask.fillRect(step, y, step + stroke, y + 1);
        mask.fillRect(width - stroke - step, y, width - step, y + 1);
    }
    return mask;
}

GlyphMask MinimizeGlyph(int width, int height)
{
    GlyphMask mask(width, height);
    const int stroke = std::max(1, height / 4);
    mask.fillRect(0, height - stroke, width - 2, height);
    return mask;
}

namespace {

// A window outline with a heavy title bar.
void windowOutline(GlyphMask& mask, int left, int top, int right, int bottom, int titleHeight)
{
    mask.fillRect(left, top, right, bottom, false);
    mask.fillRect(left, top, right, top + titleHeight);
    mask.fillRect(left, top, left + 1, bottom);
    mask.fillRect(right - 1, top, right, bottom);
    mask.fillRect(left, bottom - 1, right, bottom);
}

} // namespace

GlyphMask MaximizeGlyph(int width, int height)
{
    GlyphMask mask(width, height);
    windowOutline(mask, 0, 0, width, height, std::max(1, height / 4));
    return mask;
}

GlyphMask RestoreGlyph(int width, int height)
{
    GlyphMask mask(width, height);
    const int boxWidth = std::max(3, width * 2 / 3);
    const int boxHeight = std::max(3, height * 5 / 8);
    const int title = std::max(1, height / 4);
    // The window behind first; the front one covers it.
    windowOutline(mask, width - boxWidth, 0, width, boxHeight, title);
    windowOutline(mask, 0, height - boxHeight, boxWidth, height, title);
    return mask;
}

GlyphMask HelpGlyph(int width, int height)
{
    static const char* const kPattern[] = {
        ".####..",
        "##..##.",
        "....##.",
        "...##..",
        "..##...",
        ".......",
        "..##...",
    };
    constexpr int kSize = 7;
    GlyphMask mask(width, height);
    const int scale = std::max(1, std::min(width, height) / kSize);
    const int left = (width - kSize * scale) / 2;
    const int top = (height - kSize * scale) / 2;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (kPattern[y][x] == '#')
                mask.fillRect(left + x * scale, top + y * scale, left + (x + 1) * scale, top + (y + 1) * scale);
    return mask;
}

GlyphMask RadioGlyph(int diameter, RadioPart part)
{
    GlyphMask mask(diameter, diameter);
    const double radius = diameter / 2.0;
    for (int y = 0; y < diameter; ++y) {
        for (int x = 0; x < diameter; ++x) {
            const double dx = x + 0.5 - radius;
            const double dy = y + 0.5 - radius;
            const double distance = std::hypot(dx, dy);
            // Pixels on the bottom-left to top-right diagonal count as top-left.
            const bool topLeft = dx + dy <= 0;
            bool on = false;
            switch (part) {
            case RadioPart::OuterTopLeft: on = distance >= radius - 1 && distance < radius && topLeft; break;
            case RadioPart::OuterBottomRight: on = distance >= radius - 1 && distance < radius && !topLeft; break;
            case RadioPart::InnerTopLeft: on = distance >= radius - 2 && distance < radius - 1 && topLeft; break;
            case RadioPart::InnerBottomRight:
                on = distance >= radius - 2 && distance < radius - 1 && !topLeft;
                break;
            case RadioPart::Interior: on = distance < radius - 2; break;
            case RadioPart::Dot: on = distance < radius / 3; break;
            case RadioPart::Disc: on = distance < radius; break;
            }
            if (on)
                mask.set(x, y);
        }
    }
    return mask;
}

GlyphMask SizeGripGlyph(int size, bool highlight)
{
    GlyphMask mask(size, size);
    // Three ridges of highlight, shadow, shadow, with a face-coloured gap
    // towards the corner: counted outwards from the corner pixel. Lines
    // thicken with the size.
    const int lineWidth = std::max(1, size / 14);
    const int ridges = std::clamp((size - 1) / (4 * lineWidth), 1, 3);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int line = ((size - 1 - x) + (size - 1 - y)) / lineWidth;
            if (line >= ridges * 4)
                continue;
            int phase = line % 4;
            if (highlight ? phase == 3 : (phase == 1 || phase == 2))
                mask.set(x, y);
        }
    }
    return mask;
}
