#include "platform/theme/ThemePaint.h"

#include "platform/chrome/ChromePaint.h"
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

// A run of pixels [left, right) in one row; empty when left >= right.
struct Run {
    int left = 0;
    int right = 0;
    bool empty() const { return left >= right; }
};

constexpr int kFar = 1 << 28; // beyond any side: "the shape goes on"

// The shape's run in row y of a w x h box (every shape is convex along rows).
Run shapeRun(const PartLook& look, int w, int h, int y)
{
    Run run{0, 0};
    int left = 0;
    while (left < w && !insideShape(look, w, h, left, y))
        ++left;
    if (left == w)
        return run;
    int right = w;
    while (right > left && !insideShape(look, w, h, right - 1, y))
        --right;
    return Run{left, right};
}

// The run of row y that lies `depth` or more steps (left, right, up, down)
// inside the shape: the shape eroded by a diamond. Beyond an open side the
// shape goes on; beyond a closed one it ends.
Run erodedRun(const PartLook& look, const std::vector<Run>& runs, int w, int y, int depth)
{
    const int h = int(runs.size());
    Run result{-kFar, kFar};
    for (int dy = -depth; dy <= depth; ++dy) {
        const int k = depth - std::abs(dy);
        const int row = y + dy;
        Run run;
        if (row < 0 || row >= h) {
            const bool open = row < 0 ? (look.openSides & OpenTop) : (look.openSides & OpenBottom);
            if (!open)
                return Run{0, 0};
            run = Run{-kFar, kFar};
        } else {
            run = runs[std::size_t(row)];
            if (run.empty())
                return Run{0, 0};
            if ((look.openSides & OpenLeft) && run.left == 0)
                run.left = -kFar;
            if ((look.openSides & OpenRight) && run.right == w)
                run.right = kFar;
        }
        result.left = std::max(result.left, run.left + k);
        result.right = std::min(result.right, run.right - k);
    }
    return result;
}

// Adds a one-row rectangle, growing the rectangle just above when it has
// the same left and right edges.
void addRow(std::vector<RECT>& rects, int left, int right, int y)
{
    if (left >= right)
        return;
    for (auto it = rects.rbegin(); it != rects.rend() && it->bottom >= y; ++it)
        if (it->bottom == y && it->left == left && it->right == right) {
            it->bottom = y + 1;
            return;
        }
    rects.push_back(RECT{left, y, right, y + 1});
}

} // namespace

PartPicture DrawPartPicture(const PartLook& look, const RECT& r)
{
    PartPicture picture;
    const int width = std::max(0, Width(r)), height = std::max(0, Height(r));
    const RECT box = Offset(shapeBox(look, width, height), r.left, r.top);
    const int bw = Width(box), bh = Height(box);
    if (bw <= 0 || bh <= 0)
        return picture;

    std::vector<Run> runs(static_cast<std::size_t>(bh));
    for (int y = 0; y < bh; ++y)
        runs[std::size_t(y)] = shapeRun(look, bw, bh, y);
    std::vector<RECT> fill, accent, ring;
    for (int y = 0; y < bh; ++y) {
        const Run outer = runs[std::size_t(y)];
        if (outer.empty())
            continue;
        Run inner = look.borderWidth > 0 ? erodedRun(look, runs, bw, y, look.borderWidth) : outer;
        inner.left = std::max(inner.left, outer.left);
        inner.right = std::min(inner.right, outer.right);
        const int row = box.top + y;
        if (inner.empty()) {
            addRow(ring, box.left + outer.left, box.left + outer.right, row);
            continue;
        }
        addRow(ring, box.left + outer.left, box.left + inner.left, row);
        addRow(ring, box.left + inner.right, box.left + outer.right, row);
        const bool inAccent = look.accentRows > 0 && y >= look.borderWidth && y < look.borderWidth + look.accentRows;
        if (inAccent)
            addRow(accent, box.left + inner.left, box.left + inner.right, row);
        else if (look.fill)
            addRow(fill, box.left + inner.left, box.left + inner.right, row);
    }
    if (look.fill)
        picture.layers.push_back(PartLayer{std::move(fill), *look.fill});
    if (look.accentRows > 0)
        picture.layers.push_back(PartLayer{std::move(accent), look.accent});
    if (look.borderWidth > 0)
        picture.layers.push_back(PartLayer{std::move(ring), look.border});
    if (look.glyph != Glyph::None) {
        const GlyphMask g = glyphMask(look.glyph, std::min(bw, bh) * look.glyphPercent / 100);
        // Cut to the shape's box, should the glyph be larger.
        const int left = std::max(0, (bw - g.width()) / 2), top = std::max(0, (bh - g.height()) / 2);
        const int offsetX = (bw - g.width()) / 2, offsetY = (bh - g.height()) / 2;
        GlyphMask placed(std::min(bw, g.width()), std::min(bh, g.height()));
        for (int y = 0; y < placed.height(); ++y)
            for (int x = 0; x < placed.width(); ++x)
                if (g.at(x + left - offsetX, y + top - offsetY))
                    placed.set(x, y);
        picture.glyph = std::move(placed);
        picture.glyphOrigin = POINT{box.left + left, box.top + top};
        picture.glyphColor = look.glyphColor;
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
    for (const PartLayer& layer : picture.layers)
        for (const RECT& rect : layer.rects) {
            const RECT visible = Intersect(rect, area);
            if (!IsEmpty(visible))
                FillLogicalRect(dc, visible, layer.color);
        }
    const GlyphMask& g = picture.glyph;
    if (g.width() == 0 || g.height() == 0)
        return;
    const RECT glyphBox{picture.glyphOrigin.x, picture.glyphOrigin.y, picture.glyphOrigin.x + g.width(),
                        picture.glyphOrigin.y + g.height()};
    if (Intersect(glyphBox, area) == glyphBox) {
        g.paint(dc, picture.glyphOrigin, picture.glyphColor);
        return;
    }
    GlyphMask clipped(g.width(), g.height());
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x)
            if (g.at(x, y) && Contains(area, picture.glyphOrigin.x + x, picture.glyphOrigin.y + y))
                clipped.set(x, y);
    clipped.paint(dc, picture.glyphOrigin, picture.glyphColor);
}

std::vector<RECT> PartPictureRects(const PartPicture& picture)
{
    std::vector<RECT> rects;
    for (const PartLayer& layer : picture.layers)
        rects.insert(rects.end(), layer.rects.begin(), layer.rects.end());
    const GlyphMask& g = picture.glyph;
    for (int y = 0; y < g.height(); ++y) {
        int x = 0;
        while (x < g.width()) {
            if (!g.at(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < g.width() && g.at(x, y))
                ++x;
            rects.push_back(Offset(RECT{start, y, x, y + 1}, picture.glyphOrigin));
        }
    }
    return rects;
}

} // namespace brio::theme
