#pragma once
// The lines a DrawText call shows: split at line breaks, "&" prefixes taken
// out, wrapped at spaces, shortened with an ellipsis, all measured in one
// font with tab stops.

#include "platform/text/FontEngine.h"

#include <string>
#include <string_view>
#include <vector>

struct TextLine {
    std::u32string chars;
    int width = 0;
    int underline = -1; // the character an "&" prefix marks, or -1
};

struct TextLayoutOptions {
    UINT format = 0;  // DT_* flags (DT_TABSTOP's count already taken out)
    int maxWidth = 0; // the rectangle's width: wrapping and ellipses fit it
    int tabWidth = 0; // pixels between tab stops; 0 when tabs are not expanded
};

std::vector<TextLine> LayOutTextLines(RealizedFont& font, std::u32string_view text, const TextLayoutOptions& options);
