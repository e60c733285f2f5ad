#pragma once
// The drop shadow of a window: a band `size` pixels wide to the right of
// and below the frame, dark grey at half weight over the desktop picture,
// with soft ends. The window is the frame plus `size` in each direction; its
// region is the frame's shape united with the same shape moved by (size,
// size), so the band belongs to the window and shows through its region.
//
// Only pixels outside the frame's shape change, so the band may be painted
// before or after the frame itself.

#include "platform/WinTypes.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/raster/PixelBuffer.h"

namespace brio {

// The alpha of a band pixel `k` pixels from the band's free end (and of a
// corner pixel `k` diagonal steps from the far corner): 20, 70, 120, then
// the full shadow weight.
unsigned ShadowFadeAlpha(int k);

// `window` is the window's picture, `desktop` what lies under it (same
// coordinates), `frameShape` the frame's region in window coordinates.
void paintShadow(PixelBuffer& window, SIZE frame, int size, const Region& frameShape, const PixelBuffer& desktop);

// The window region with the shadow: the frame's shape united with itself
// moved by (size, size). A new handle, or null when `frameShape` is null.
HRGN ShadowedWindowRegion(HRGN frameShape, int size);

} // namespace brio
