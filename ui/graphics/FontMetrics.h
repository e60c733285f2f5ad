#pragma once
// Measurements of a font outside painting, for controls that lay out rows.

class TFont;

// The font's cell height (ascent plus descent) in pixels.
int FontCellHeight(TFont* font);
