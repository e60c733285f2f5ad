#pragma once
// The fourteen show-animation masks. Each grows with the percentage from
// all zeros (the desktop) at 0 % to all 255 (the window) at 100 %.

#include "skin/controls/options/SeFormTypes.h"

namespace brio {

class AnimationMask;

// Draws `effect` at `percent` (0..100) into a cleared mask.
void DrawMaskEffect(AnimationMask& mask, TkeEffect effect, int percent);

} // namespace brio
