#pragma once
// One show-animation frame: the window's picture and the desktop picture
// mixed through the mask. A key pixel of the picture (outside the window's
// shape) and a weight of 0 give the desktop, 255 the picture, anything
// between the picture at that weight over the desktop.

#include "platform/gdi/raster/PixelBuffer.h"

namespace brio {

class AnimationMask;

// All three pictures and the mask's layout have the same size; `frame`
// must not share memory with the other two.
void composeAnimationFrame(PixelBuffer& frame, const PixelBuffer& picture, const PixelBuffer& desktop,
                           const AnimationMask& mask);

} // namespace brio
