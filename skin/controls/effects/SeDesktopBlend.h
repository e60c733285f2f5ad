#pragma once
// Translucency against the desktop picture: painted pixels are composed
// over what lies behind the window with one weight (0 shows only the
// desktop, 255 only the window), and the transparent key shows the desktop.

#include "platform/WinTypes.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/raster/PixelBuffer.h"

namespace brio {

// Blends the part `area` (window coordinates) of `picture`, whose (0, 0)
// lies at `origin` in window coordinates, over the desktop picture (which
// lies at window (0, 0)). Pixels outside either picture stay.
void blendWithDesktop(PixelBuffer& picture, POINT origin, const Region& area, int alpha, const PixelBuffer& desktop);

// The four frame strips around `client`, within the frame's shape: the
// picture is the window's, at window (0, 0); the client is never touched.
void blendFrame(PixelBuffer& window, SIZE frame, const RECT& client, const Region& frameShape, int alpha,
                const PixelBuffer& desktop);

} // namespace brio
