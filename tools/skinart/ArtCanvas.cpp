#include "tools/skinart/ArtCanvas.h"

#include "platform/Gdi.h"
#include "skin/engine/SeBitmap.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

constexpr int Scale = 4;

int channel(Pixel p, int shift) { return int((p >> shift) & 0xFF); }

} // namespace

Pixel Mix(Pixel under, Pixel over, int a)
{
    a = std::clamp(a, 0, 255);
    auto mix = [&](int shift) {
        const int u = channel(under, shift), o = channel(over, shift);
        return Pixel((u * (255 - a) + o * a + 127) / 255) << shift;
    };
    return 0xFF000000u | mix(16) | mix(8) | mix(0);
}

// ---- ShapeMask -------------------------------------------------------------------------

ShapeMask::ShapeMask(RECT bounds) : bounds_(bounds), scratch_(std::make_unique<TSeBitmap>())
{
    scratch_->Allocate((bounds.right - bounds.left) * Scale, (bounds.bottom - bounds.top) * Scale);
    scratch_->Fill(0xFF000000u);
    SetPolyFillMode(dc(), WINDING);
}

ShapeMask::~ShapeMask() = default;

HDC ShapeMask::dc() const { return scratch_->DC(); }

void ShapeMask::select(bool erase)
{
    SelectObject(dc(), GetStockObject(erase ? BLACK_BRUSH : WHITE_BRUSH));
    SelectObject(dc(), GetStockObject(NULL_PEN));
    counted_ = false;
}

namespace {

int sx(float v, int origin) { return int(std::lround((v - float(origin)) * Scale)); }

} // namespace

void ShapeMask::Rect(float l, float t, float r, float b, bool erase)
{
    RECT box{sx(l, bounds_.left), sx(t, bounds_.top), sx(r, bounds_.left), sx(b, bounds_.top)};
    FillRect(dc(), &box, HBRUSH(GetStockObject(erase ? BLACK_BRUSH : WHITE_BRUSH)));
    counted_ = false;
}

// Shapes drawn without a pen stop one pixel short on the right and bottom,
// so the scaled box is grown by that pixel.
void ShapeMask::RoundRect(float l, float t, float r, float b, float radius, bool erase)
{
    select(erase);
    const int d = int(std::lround(radius * 2 * Scale));
    ::RoundRect(dc(), sx(l, bounds_.left), sx(t, bounds_.top), sx(r, bounds_.left) + 1, sx(b, bounds_.top) + 1, d,
                d);
}

void ShapeMask::Ellipse(float l, float t, float r, float b, bool erase)
{
    select(erase);
    ::Ellipse(dc(), sx(l, bounds_.left), sx(t, bounds_.top), sx(r, bounds_.left) + 1, sx(b, bounds_.top) + 1);
}

void ShapeMask::Polygon(const std::vector<PointF>& points, bool erase)
{
    select(erase);
    std::vector<POINT> scaled;
    scaled.reserve(points.size());
    for (const PointF& p : points)
        scaled.push_back(POINT{sx(p.x, bounds_.left), sx(p.y, bounds_.top)});
    ::Polygon(dc(), scaled.data(), int(scaled.size()));
}

void ShapeMask::Stroke(const std::vector<PointF>& points, float width, bool erase)
{
    const float half = width / 2;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const PointF a = points[i], b = points[i + 1];
        const float dx = b.x - a.x, dy = b.y - a.y;
        const float length = std::sqrt(dx * dx + dy * dy);
        if (length <= 0)
            continue;
        const float nx = -dy / length * half, ny = dx / length * half;
        Polygon({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}, erase);
    }
    for (const PointF& p : points)
        Ellipse(p.x - half, p.y - half, p.x + half, p.y + half, erase);
}

int ShapeMask::Coverage(int x, int y) const
{
    const int w = bounds_.right - bounds_.left, h = bounds_.bottom - bounds_.top;
    if (!counted_) {
        coverage_.assign(std::size_t(w) * std::size_t(h), 0);
        for (int py = 0; py < h; ++py)
            for (int px = 0; px < w; ++px) {
                int count = 0;
                for (int j = 0; j < Scale; ++j) {
                    const Pixel* row = scratch_->ScanLine(py * Scale + j) + px * Scale;
                    for (int i = 0; i < Scale; ++i)
                        count += (row[i] & 0x00FFFFFF) != 0;
                }
                coverage_[std::size_t(py) * std::size_t(w) + std::size_t(px)] =
                    std::uint8_t((count * 255 + Scale * Scale / 2) / (Scale * Scale));
            }
        counted_ = true;
    }
    x -= bounds_.left;
    y -= bounds_.top;
    if (x < 0 || y < 0 || x >= w || y >= h)
        return 0;
    return coverage_[std::size_t(y) * std::size_t(w) + std::size_t(x)];
}

// ---- ArtCanvas -------------------------------------------------------------------------

ArtCanvas::ArtCanvas(TSeBitmap& bitmap) : bitmap_(bitmap) { bitmap_.Fill(Empty); }

void ArtCanvas::Fill(RECT r, Pixel colour)
{
    HBRUSH brush = CreateSolidBrush(RGB(channel(colour, 16), channel(colour, 8), channel(colour, 0)));
    FillRect(bitmap_.DC(), &r, brush);
    DeleteObject(brush);
}

void ArtCanvas::VerticalGradient(RECT r, Pixel top, Pixel bottom)
{
    const int h = r.bottom - r.top;
    for (int y = r.top; y < r.bottom; ++y)
        Fill(RECT{r.left, y, r.right, y + 1}, Mix(top, bottom, h > 1 ? (y - r.top) * 255 / (h - 1) : 0));
}

void ArtCanvas::HorizontalGradient(RECT r, Pixel left, Pixel right)
{
    const int w = r.right - r.left;
    for (int x = r.left; x < r.right; ++x)
        Fill(RECT{x, r.top, x + 1, r.bottom}, Mix(left, right, w > 1 ? (x - r.left) * 255 / (w - 1) : 0));
}

void ArtCanvas::Pixel1(int x, int y, Pixel colour) { Fill(RECT{x, y, x + 1, y + 1}, colour); }

void ArtCanvas::blend(int x, int y, Pixel colour, int a)
{
    if (a <= 0 || x < 0 || y < 0 || x >= bitmap_.Width() || y >= bitmap_.Height())
        return;
    Pixel& p = bitmap_.ScanLine(y)[x];
    const bool empty = (p & 0x00FFFFFF) == (Empty & 0x00FFFFFF);
    if (empty && hardEdges_) {
        if (a >= 128)
            p = colour;
        return;
    }
    p = Mix(empty ? matte_ : p, colour, a);
}

void ArtCanvas::Paint(const ShapeMask& mask, Pixel colour)
{
    Paint(mask, [colour](int, int) { return colour; });
}

void ArtCanvas::Paint(const ShapeMask& mask, const std::function<Pixel(int x, int y)>& colourAt)
{
    const RECT b = mask.Bounds();
    for (int y = b.top; y < b.bottom; ++y)
        for (int x = b.left; x < b.right; ++x)
            if (const int a = mask.Coverage(x, y))
                blend(x, y, colourAt(x, y), a);
}

void ArtCanvas::RoundRect(RECT r, float radius, Pixel colour)
{
    ShapeMask mask(r);
    mask.RoundRect(float(r.left), float(r.top), float(r.right), float(r.bottom), radius);
    Paint(mask, colour);
}

void ArtCanvas::RoundRectGradient(RECT r, float radius, Pixel top, Pixel bottom)
{
    ShapeMask mask(r);
    mask.RoundRect(float(r.left), float(r.top), float(r.right), float(r.bottom), radius);
    const int h = r.bottom - r.top;
    Paint(mask, [&](int, int y) { return Mix(top, bottom, h > 1 ? (y - r.top) * 255 / (h - 1) : 0); });
}

void ArtCanvas::RoundFrame(RECT r, float radius, float width, Pixel colour)
{
    ShapeMask mask(r);
    mask.RoundRect(float(r.left), float(r.top), float(r.right), float(r.bottom), radius);
    mask.RoundRect(float(r.left) + width, float(r.top) + width, float(r.right) - width, float(r.bottom) - width,
                   std::max(0.0f, radius - width), true);
    Paint(mask, colour);
}

void ArtCanvas::Stroke(RECT clip, const std::vector<PointF>& points, float width, Pixel colour)
{
    ShapeMask mask(clip);
    mask.Stroke(points, width);
    Paint(mask, colour);
}

} // namespace skinart
