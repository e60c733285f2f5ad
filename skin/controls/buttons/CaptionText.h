#pragma once
// Captions of push buttons and check boxes: measured in the canvas's font
// (one line, or wrapped to a width), and drawn in the font's colour or, for
// a disabled control, embossed: highlight one pixel down and right, shadow
// on top.

#include "platform/WinTypes.h"
#include "ui/graphics/Canvas.h"

#include <functional>
#include <string>

namespace brio {

struct CaptionFormat {
    bool wordWrap = false;
    bool expandTabs = false;
};

// The caption's box at the origin; wrapped lines are at most `wrapWidth`
// wide (a width below 0 counts as 0).
RECT MeasureCaption(TCanvas& canvas, const std::string& text, const CaptionFormat& format, int wrapWidth);
// The same outside painting, in `font`.
RECT MeasureCaption(TFont& font, const std::string& text, const CaptionFormat& format, int wrapWidth);
// Runs `measure` on a canvas over a scratch DC that draws nowhere, its font
// set to `font` first.
RECT MeasureOnCanvas(TFont& font, const std::function<RECT(TCanvas&)>& measure);
// Draws the caption centred in `r`.
void DrawCaption(TCanvas& canvas, const std::string& text, const RECT& r, const CaptionFormat& format, bool embossed);

} // namespace brio
