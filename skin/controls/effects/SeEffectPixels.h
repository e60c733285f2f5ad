#pragma once
// Row operations and small conversions the window effects share. Pictures
// are PixelBuffer views in window coordinates; the desktop picture lies at
// the same coordinates as the window's.

#include "platform/WinTypes.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/raster/PixelBuffer.h"

namespace brio {

// The shadow's colour: dark grey, opaque; blended at a weight below 255.
constexpr Pixel kShadowColour = 0xFF3F3F3Fu;
constexpr unsigned kShadowAlpha = 128;

// The pixels of `r`; nothing when it is empty or given the wrong way round
// (Region's own constructor would turn that round).
inline Region AreaOf(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top ? Region() : Region(r);
}

// The region's rectangles, or the whole of `fallback` for a null handle.
Region RegionFromHandle(HRGN region, const RECT& fallback);

// d[i] = desktop[i] wherever d[i] is the transparent key, else the blend of
// d[i] over desktop[i] with weight `alpha` (255: d stays).
void blendOverDesktopRow(Pixel* d, const Pixel* desktop, int count, unsigned alpha);
// d[i] = the shadow colour at weight `alpha` over desktop[i].
void shadowRow(Pixel* d, const Pixel* desktop, int count, unsigned alpha);

// Runs `row(y, x0, x1)` for every row piece of `area` ∩ `clip` ∩ both
// pictures' bounds; `area` and the clip are in window coordinates.
template <typename RowFunction>
void forEachRowPiece(const Region& clip, const RECT& area, const PixelBuffer& a, const PixelBuffer& b,
                     RowFunction&& row)
{
    Region pieces = AreaOf(area);
    pieces.intersect(clip);
    pieces.intersect(a.bounds());
    pieces.intersect(b.bounds());
    for (const pixman_box32_t& box : pieces.boxes())
        for (int y = box.y1; y < box.y2; ++y)
            row(y, int(box.x1), int(box.x2));
}

} // namespace brio
