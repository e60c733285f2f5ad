#pragma once
// Turns a part description into pixels. Every shape is one run of pixels
// per row, so a part is a few layers of rectangles (fill, accent strip,
// border ring; rows that repeat merge into one rectangle) and a small glyph
// mask over them. The union of the layers is the part's region, so what is
// painted and what GetThemeBackgroundRegion gives are the same pixels by
// making, and a big plain part costs a handful of fills.
// Internal to the theme.

#include "platform/chrome/FrameGlyphs.h"
#include "platform/theme/ThemeParts.h"

#include <vector>

class DeviceContext;

namespace brio::theme {

struct PartLayer {
    std::vector<RECT> rects; // logical coordinates, painted in order
    COLORREF color;
};

struct PartPicture {
    std::vector<PartLayer> layers;
    GlyphMask glyph{0, 0};
    POINT glyphOrigin{};
    COLORREF glyphColor = 0;
};

PartPicture DrawPartPicture(const PartLook& look, const RECT& r);
// Paints into the DC, clipped to `r` and to `clip` when given.
void PaintPartPicture(DeviceContext& dc, const PartPicture& picture, const RECT& r, const RECT* clip);
// The painted pixels as rectangles in logical coordinates.
std::vector<RECT> PartPictureRects(const PartPicture& picture);

} // namespace brio::theme
