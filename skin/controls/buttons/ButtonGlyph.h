#pragma once
// A push button's glyph: a bitmap of one to four cells side by side
// (normal, disabled, pressed, down). The colour of the bitmap's bottom-left
// pixel is transparent; only the low 24 bits count, so a 24-bit picture
// whose alpha bytes differ still keys out. Greyed tones are worked out per
// pixel from the HLS lightness. Each cell is prepared once per tone and then
// drawn with one keyed blit.

#include "platform/gdi/MemoryDib.h"
#include "platform/WinTypes.h"

#include <functional>
#include <memory>
#include <vector>

class TBitmap;

namespace brio {

class ButtonGlyph {
public:
    enum class Tone : std::uint8_t {
        Colour,
        Grey,  // round(L * 255): black-and-white glyphs away from the pointer
        Faded, // 160 + round(L * 50): a disabled button with one cell
    };

    ButtonGlyph();
    ~ButtonGlyph();
    ButtonGlyph(const ButtonGlyph&) = delete;
    ButtonGlyph& operator=(const ButtonGlyph&) = delete;

    // The picture; changing it through this pointer is seen (OnChanged).
    TBitmap* bitmap() const { return bitmap_.get(); }
    bool empty() const;
    int numGlyphs() const { return numGlyphs_; }
    // 1..4; values outside are clamped.
    void setNumGlyphs(int value);
    int cellWidth() const;
    int height() const;

    // 0, +1 when disabled and there is a disabled cell, +2 when pressed and
    // there is a pressed cell; never past the last cell (three cells,
    // disabled and pressed, would otherwise ask for a fourth).
    static int cellIndex(int numGlyphs, bool disabled, bool pressed);
    // Draws cell `cell` with its top-left corner at (x, y).
    void draw(HDC dc, int x, int y, int cell, Tone tone) const;

    // After the picture changed: a square-celled picture sets the cell count
    // (64 x 16 gives 4; five or more squares, or a width that is not a
    // multiple of the height, leave it alone or give 1 as stated in
    // numGlyphsFor).
    std::function<void()> OnChanged;
    // The cell count a picture of that size asks for, or 0 for "keep".
    static int numGlyphsFor(int width, int height);

private:
    struct Prepared;
    void pictureChanged();
    const Prepared* prepared(int cell, Tone tone) const;

    std::unique_ptr<TBitmap> bitmap_;
    int numGlyphs_ = 1;
    mutable std::vector<std::unique_ptr<Prepared>> cache_;
};

} // namespace brio
