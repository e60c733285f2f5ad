#include "platform/theme/ThemePaint.h"

#include "platform/RectMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace brio::theme {

namespace {

// The area the shape occupies inside the part's rectangle (local coordinates).
RECT shapeBox(const PartLook& look, int width, int height)
{
    RECT box{0, 0, width, height};
    if (look.square) {
        const int side = std::min(width, height);
        box.left = (width - side) / 2;
        box.top = (height - side) / 2;
        box.right = box.left + side;
        box.bottom = box.top + side;
    }
    box.left += look.inset;
    box.top += look.inset;
    box.right -= look.inset;
    box.bottom -= look.inset;
    return box;
}

bool insideCorner(double cx, double cy, double centreX, double centreY, double radius)
{
    const double dx = cx - centreX, dy = cy - centreY;
    return dx * dx + dy * dy <= radius * radius;
}

// Whether the pixel at (x, y) of a w x h box belongs to the shape.
bool insideShape(const PartLook& look, int w, int h, int x, int y)
{
    const double cx = x + 0.5, cy = y + 0.5;
    switch (look.shape) {
    case Shape::None: return false;
    case Shape::Rect: return true;
    case Shape::LineHorz: return y == h / 2;
    case Shape::LineRight: return x == w - 1;
    case Shape::Ellipse: {
        const double rx = w / 2.0, ry = h / 2.0;
        const double nx = (cx - rx) / rx, ny = (cy - ry) / ry;
        return nx * nx + ny * ny <= 1.0;
    }
    case Shape::RoundRect:
    case Shape::RoundTop: {
        const double r = std::min({double(look.radius), w / 2.0, h / 2.0});
        if (r <= 0)
            return true;
        const bool bottomToo = look.shape == Shape::RoundRect;
        if (cx < r && cy < r)
            return insideCorner(cx, cy, r, r, r);
        if (cx > w - r && cy < r)
            return insideCorner(cx, cy, w - r, r, r);
        if (bottomToo && cx < r && cy > h - r)
            return insideCorner(cx, cy, r, h - r, r);
        if (bottomToo && cx > w - r && cy > h - r)
            return insideCorner(cx, cy, w - r, h - r, r);
        return true;
    }
    case Shape::PointUp:
    case Shape::PointDown:
    case Shape::PointLeft:
    case Shape::PointRight: {
        // Work as if pointing down: `across` is the thumb's width, `along` its length.
        const bool vertical = look.shape == Shape::PointUp || look.shape == Shape::PointDown;
        const int across = vertical ? w : h;
        const int along = vertical ? h : w;
        double a = vertical ? cx : cy;
        double l = vertical ? cy : cx;
        if (look.shape == Shape::PointUp || look.shape == Shape::PointLeft)
            l = along - l;
        const int tip = std::min(along, (across + 1) / 2);
        if (l <= along - tip)
            return true;
        const double t = (along - l) / tip;
        return std::abs(a - across / 2.0) <= across / 2.0 * t;
    }
    }
    return false;
}

GlyphMask chevronGlyph(int size, bool up)
{
    size = std::max(size, 3);
    const int half = size / 2;
    GlyphMask g(size, half + 2);
    for (int i = 0; i <= half; ++i)
        for (int thick = 0; thick < 2; ++thick) {
            const int y = up ? half - i + thick : i + thick;
            g.set(i, y);
            g.set(size - 1 - i, y);
        }
    return g;
}

GlyphMask glyphMask(Glyph glyph, int size)
{
    size = std::max(size, 1);
    switch (glyph) {
    case Glyph::None: return GlyphMask(0, 0);
    case Glyph::Check: return CheckMarkGlyph(size);
    case Glyph::Mixed: {
        GlyphMask g(size, std::max(2, size / 4));
        g.fillRect(0, 0, size, g.height());
        return g;
    }
    case Glyph::Dot:
    case Glyph::Bullet: return DiscGlyph(size, size / 2.0);
    case Glyph::ArrowUp: return ArrowGlyph(std::max(1, (size + 1) / 2), ArrowDirection::Up);
    case Glyph::ArrowDown: return ArrowGlyph(std::max(1, (size + 1) / 2), ArrowDirection::Down);
    case Glyph::ArrowLeft: return ArrowGlyph(std::max(1, (size + 1) / 2), ArrowDirection::Left);
    case Glyph::ArrowRight: return ArrowGlyph(std::max(1, (size + 1) / 2), ArrowDirection::Right);
    case Glyph::Close: return CloseGlyph(size, size);
    case Glyph::Minimize: return MinimizeGlyph(size, size);
    case Glyph::Maximize: return MaximizeGlyph(size, size);
    case Glyph::Restore: return RestoreGlyph(size, size);
    case Glyph::Help: return HelpGlyph(size, size);
    case Glyph::ChevronUp: return chevronGlyph(size, true);
    case Glyph::ChevronDown: return chevronGlyph(size, false);
    }
    return GlyphMask(0, 0);
}

// Ring depth of every shape pixel: 1 on its edge, 2 next to that, and so on
// up to `maxDepth`; deeper pixels get maxDepth + 1, outside pixels 0.
std::vector<int> ringDepths(const PartLook& look, int w, int h, int maxDepth)
{
    std::vector<int> depth(std::size_t(w) * std::size_t(h), 0);
    auto at = [&](int x, int y) -> int& { return depth[std::size_t(y) * std::size_t(w) + std::size_t(x)]; };
    const int unset = maxDepth + 1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (insideShape(look, w, h, x, y))
                at(x, y) = unset;
    // Beyond an open side the shape goes on; beyond a closed one it ends.
    auto neighbourDepth = [&](int x, int y) {
        if (x < 0)
            return (look.openSides & OpenLeft) ? unset : 0;
        if (x >= w)
            return (look.openSides & OpenRight) ? unset : 0;
        if (y < 0)
            return (look.openSides & OpenTop) ? unset : 0;
        if (y >= h)
            return (look.openSides & OpenBottom) ? unset : 0;
        return at(x, y);
    };
    for (int level = 1; level <= maxDepth; ++level)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (at(x, y) != unset)
                    continue;
                const int lowest = std::min({neighbourDepth(x - 1, y), neighbourDepth(x + 1, y),
                                             neighbourDepth(x, y - 1), neighbourDepth(x, y + 1)});
                if (lowest == level - 1)
                    at(x, y) = level;
            }
    return depth;
}

} // namespace

PartPicture DrawPartPicture(const PartLook& look, const RECT& r)
{
    PartPicture picture;
    picture.origin = POINT{r.left, r.top};
    const int width = std::max(0, Width(r)), height = std::max(0, Height(r));
    picture.painted = GlyphMask(width, height);
    const RECT box = shapeBox(look, width, height);
    const int bw = Width(box), bh = Height(box);
    if (bw <= 0 || bh <= 0)
        return picture;

    GlyphMask ring(width, height), fill(width, height), accent(width, height);
    const std::vector<int> depth = ringDepths(look, bw, bh, look.borderWidth);
    const int accentFrom = look.borderWidth + 1, accentTo = look.borderWidth + look.accentRows;
    for (int y = 0; y < bh; ++y)
        for (int x = 0; x < bw; ++x) {
            const int d = depth[std::size_t(y) * std::size_t(bw) + std::size_t(x)];
            if (d == 0)
                continue;
            const int px = box.left + x, py = box.top + y;
            if (d <= look.borderWidth)
                ring.set(px, py);
            else if (look.accentRows > 0 && y + 1 >= accentFrom && y + 1 <= accentTo)
                accent.set(px, py);
            else if (look.fill)
                fill.set(px, py);
        }
    auto add = [&](GlyphMask mask, COLORREF color) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (mask.at(x, y))
                    picture.painted.set(x, y);
        picture.layers.push_back(PartLayer{std::move(mask), color});
    };
    if (look.fill)
        add(std::move(fill), *look.fill);
    if (look.accentRows > 0)
        add(std::move(accent), look.accent);
    if (look.borderWidth > 0)
        add(std::move(ring), look.border);
    if (look.glyph != Glyph::None) {
        const GlyphMask g = glyphMask(look.glyph, std::min(bw, bh) * look.glyphPercent / 100);
        GlyphMask placed(width, height);
        const int left = box.left + (bw - g.width()) / 2, top = box.top + (bh - g.height()) / 2;
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x)
                if (g.at(x, y) && Contains(box, left + x, top + y))
                    placed.set(left + x, top + y);
        add(std::move(placed), look.glyphColor);
    }
    return picture;
}

void PaintPartPicture(DeviceContext& dc, const PartPicture& picture, const RECT& r, const RECT* clip)
{
    RECT area = r;
    if (clip)
        area = Intersect(area, *clip);
    if (IsEmpty(area))
        return;
    const RECT local = Offset(area, -picture.origin.x, -picture.origin.y);
    const bool whole = local == RECT{0, 0, picture.painted.width(), picture.painted.height()};
    for (const PartLayer& layer : picture.layers) {
        if (whole) {
            layer.mask.paint(dc, picture.origin, layer.color);
            continue;
        }
        GlyphMask clipped(layer.mask.width(), layer.mask.height());
        for (int y = local.top; y < local.bottom; ++y)
            for (int x = local.left; x < local.right; ++x)
                if (layer.mask.at(x, y))
                    clipped.set(x, y);
        clipped.paint(dc, picture.origin, layer.color);
    }
}

std::vector<RECT> PartPictureRects(const PartPicture& picture)
{
    std::vector<RECT> rects;
    const GlyphMask& m = picture.painted;
    for (int y = 0; y < m.height(); ++y) {
        int x = 0;
        while (x < m.width()) {
            if (!m.at(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < m.width() && m.at(x, y))
                ++x;
            rects.push_back(Offset(RECT{start, y, x, y + 1}, picture.origin));
        }
    }
    return rects;
}

} // namespace brio::theme
