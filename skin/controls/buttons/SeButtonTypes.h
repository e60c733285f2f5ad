#pragma once
// The kinds of the skinned push button and check box.

#include <cstdint>

// Stock buttons: caption, modal result and glyph from a table.
enum TBitBtnKind : std::uint8_t { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
// Where the glyph sits beside the caption.
enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TSeButtonState : std::uint8_t { kbsNormal, kbsPressed };
// ktaLeftJustify puts the box left of the caption, ktaRightJustify at the right edge.
enum TSeLeftRight : std::uint8_t { ktaLeftJustify, ktaRightJustify };
