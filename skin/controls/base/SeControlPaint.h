#pragma once
// How a skinned control paints, shared by the windowed and the windowless
// base: the surface chosen by its buffering, the parent's picture copied
// behind a see-through control, translucency against that picture, and the
// copy back to the screen.

#include "platform/WinTypes.h"
#include "skin/controls/base/SeControlTypes.h"

#include <functional>

class TCanvas;
class TControl;

namespace brio {

struct ControlPaintSettings {
    TSePerformance performance = kspNoBuffer;
    bool transparent = false;
    bool blending = false;
    int blendValue = 255;
};

// Paints into `dc`, whose (0, 0) is `control`'s top-left corner, what its
// parent shows behind it: a form parent gets WM_ERASEBKGND sent to its
// window (its skinning hook sees it), any other parent performs it (skinned
// panels paint their skin there); both get a TSeEraseRequest. Unbuffered,
// the picture is made in a scratch bitmap first and a skinned form parent is
// asked through its paint-into-a-context message, so the screen never shows
// a half-painted background. `withSiblings` paints the parent's windowless
// children over it too (what a translucent control blends against).
void CopyParentBackground(TControl& control, HDC dc, bool buffered, bool withSiblings);

// One paint of `control` onto `target`: `paint` draws everything through
// `canvas`, whose handle is set to the chosen surface meanwhile and which
// takes the control's font and colour first.
void PaintSkinnedControl(TControl& control, TCanvas& canvas, HDC target, const ControlPaintSettings& settings,
                         const std::function<void()>& paint);

} // namespace brio
