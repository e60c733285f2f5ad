#pragma once
// Turns a part description into pixels: one-bit layers (border ring, fill,
// accent strip, glyph) over the part's rectangle, each painted in its
// colour. The union of the layers is the part's region, so what is painted
// and what GetThemeBackgroundRegion gives are the same pixels by making.
// Internal to the theme.

#include "platform/chrome/FrameGlyphs.h"
#include "platform/theme/ThemeParts.h"

#include <optional>
#include <vector>

class DeviceContext;

namespace brio::theme {

struct PartLayer {
    GlyphMask mask;
    COLORREF color;
};

struct PartPicture {
    POINT origin{}; // the rectangle's top-left corner
    std::vector<PartLayer> layers; // painted in order
    GlyphMask painted{0, 0};       // every pixel some layer sets
};

PartPicture DrawPartPicture(const PartLook& look, const RECT& r);
// Paints into the DC, clipped to `r` and to `clip` when given.
void PaintPartPicture(DeviceContext& dc, const PartPicture& picture, const RECT& r, const RECT* clip);
// The painted pixels as rectangles in logical coordinates.
std::vector<RECT> PartPictureRects(const PartPicture& picture);

} // namespace brio::theme
