#include "skin/controls/buttons/SeStockButtons.h"

#include "ui/component/Exception.h"
#include "ui/graphics/Bitmap.h"

#include <array>

namespace {

constexpr std::array<TSeStockButton, 10> kStock{{
    {"OK", mrOk, "SE_BTN_OK", true},
    {"Cancel", mrCancel, "SE_BTN_CANCEL", false},
    {"&Help", mrNone, "SE_BTN_HELP", false},
    {"&Yes", mrYes, "SE_BTN_YES", true},
    {"&No", mrNo, "SE_BTN_NO", false},
    {"&Close", mrNone, "SE_BTN_CLOSE", false},
    {"Abort", mrAbort, "SE_BTN_ABORT", false},
    {"&Retry", mrRetry, "SE_BTN_RETRY", false},
    {"&Ignore", mrIgnore, "SE_BTN_IGNORE", false},
    {"&All", mrAll, "SE_BTN_ALL", false},
}};

} // namespace

const TSeStockButton* StockButton(TBitBtnKind kind)
{
    if (kind == bkCustom || kind > bkAll)
        return nullptr;
    return &kStock[std::size_t(kind) - 1];
}

const TBitmap* StockButtonGlyph(TBitBtnKind kind)
{
    const TSeStockButton* stock = StockButton(kind);
    if (!stock)
        return nullptr;
    // Kept to the end of the program, past the platform's own clean-up.
    static std::array<TBitmap*, kStock.size()> glyphs{};
    TBitmap*& glyph = glyphs[std::size_t(kind) - 1];
    if (!glyph) {
        glyph = new TBitmap;
        try {
            glyph->LoadFromResourceName(nullptr, stock->GlyphName);
        } catch (const EResNotFound&) {
            // A program built without its named bitmaps: the button shows no glyph.
        }
    }
    return glyph;
}
