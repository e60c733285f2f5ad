#pragma once
// The size of text wrapped at a width, as narrow as its widest line: a
// short text is not padded out to the width it could have taken.

#include "platform/Gdi.h"

#include <string_view>

class TCanvas;

namespace brio {

// `dc` has the font selected. `format` adds flags such as DT_NOPREFIX,
// DT_EXPANDTABS or DT_RTLREADING to the wrapping measurement.
SIZE wrappedTextSize(HDC dc, std::string_view text, int maxWidth, UINT format);
// In the canvas's font, without prefix processing.
SIZE wrappedTextSize(TCanvas& canvas, std::string_view text, int maxWidth);

} // namespace brio
