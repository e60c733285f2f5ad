#pragma once
// Drawing helpers for the skin artwork: opaque fills and gradients through
// the drawing layer, and smooth shapes whose coverage comes from drawing them
// four times larger with the drawing layer's own shape calls.

#include "platform/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TSeBitmap;

namespace skinart {

// What a generated PNG holds where nothing is drawn; the skin reader keys it.
constexpr Pixel Empty = 0xFFFF00FF;

constexpr Pixel Rgb(std::uint32_t rgb) { return 0xFF000000u | rgb; }
// `a` of `over` mixed into `under` (0..255).
Pixel Mix(Pixel under, Pixel over, int a);

struct PointF {
    float x, y;
};

// Coverage of shapes over a rectangle of the picture, one byte per pixel.
// Shapes are drawn into a 4x scratch surface, so edges come out smooth.
class ShapeMask {
public:
    explicit ShapeMask(RECT bounds);
    ~ShapeMask();
    ShapeMask(const ShapeMask&) = delete;
    ShapeMask& operator=(const ShapeMask&) = delete;

    // Coordinates are picture pixels (fractions allowed); shapes add up,
    // `erase` variants cut out.
    void Rect(float l, float t, float r, float b, bool erase = false);
    void RoundRect(float l, float t, float r, float b, float radius, bool erase = false);
    void Ellipse(float l, float t, float r, float b, bool erase = false);
    void Polygon(const std::vector<PointF>& points, bool erase = false);
    // A line of `width` through the points, with round joins and ends.
    void Stroke(const std::vector<PointF>& points, float width, bool erase = false);

    RECT Bounds() const { return bounds_; }
    // 0..255 for a pixel of the bounds.
    int Coverage(int x, int y) const;

private:
    HDC dc() const;
    void select(bool erase);
    RECT bounds_;
    std::unique_ptr<TSeBitmap> scratch_;
    mutable std::vector<std::uint8_t> coverage_;
    mutable bool counted_ = false;
};

class ArtCanvas {
public:
    // The bitmap must be allocated; it is cleared to Empty.
    explicit ArtCanvas(TSeBitmap& bitmap);

    // The colour that Empty pixels count as when a smooth edge is blended
    // onto them: the surface the part will be drawn over.
    void SetMatte(Pixel matte) { matte_ = matte; }

    void Fill(RECT r, Pixel colour);
    void Clear(RECT r) { Fill(r, Empty); }
    void VerticalGradient(RECT r, Pixel top, Pixel bottom);
    void HorizontalGradient(RECT r, Pixel left, Pixel right);
    void Pixel1(int x, int y, Pixel colour);

    // Blends `colour` by the mask's coverage.
    void Paint(const ShapeMask& mask, Pixel colour);
    // The colour of each pixel from `colourAt` (picture x, y).
    void Paint(const ShapeMask& mask, const std::function<Pixel(int x, int y)>& colourAt);
    // Outer silhouettes of windows: an edge pixel is either drawn whole or
    // left empty, since the window region is cut along the empty pixels.
    void SetHardEdges(bool hard) { hardEdges_ = hard; }

    // Convenience shapes.
    void RoundRect(RECT r, float radius, Pixel colour);
    void RoundRectGradient(RECT r, float radius, Pixel top, Pixel bottom);
    // A ring `width` wide along the inside of the rounded rectangle.
    void RoundFrame(RECT r, float radius, float width, Pixel colour);
    void Stroke(RECT clip, const std::vector<PointF>& points, float width, Pixel colour);

    TSeBitmap& Bitmap() { return bitmap_; }

private:
    void blend(int x, int y, Pixel colour, int a);
    TSeBitmap& bitmap_;
    Pixel matte_ = Rgb(0x2B2D31);
    bool hardEdges_ = false;
};

} // namespace skinart
