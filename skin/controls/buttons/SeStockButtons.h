#pragma once
// The stock push buttons (Kind): caption, modal result, whether the kind
// makes the button the default, and its two-cell glyph (normal, disabled),
// which the program carries by name and which is loaded once per process.

#include "skin/controls/buttons/SeButtonTypes.h"
#include "ui/component/Types.h"

class TBitmap;

struct TSeStockButton {
    const char* Caption;
    TModalResult ModalResult;
    const char* GlyphName;
    bool MakesDefault;
};

// Null for bkCustom.
const TSeStockButton* StockButton(TBitBtnKind kind);
// The kind's glyph, shared by every button; an empty bitmap when the program
// carries none of that name. Null for bkCustom.
const TBitmap* StockButtonGlyph(TBitBtnKind kind);
