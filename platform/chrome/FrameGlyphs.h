#pragma once
// One-bit glyphs of the classic frame controls (check marks, caption button
// symbols, arrows, radio button rings), generated for the size asked for so
// that they scale with the control.

#include "platform/WinTypes.h"

#include <vector>

class DeviceContext;

class GlyphMask {
public:
    GlyphMask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool at(int x, int y) const;
    // Both ignore whatever falls outside the mask.
    void set(int x, int y, bool on = true);
    void fillRect(int left, int top, int right, int bottom, bool on = true);

    // Paints the set pixels with their top-left corner at a logical point,
    // one span per run of set pixels, clipped by the DC.
    void paint(DeviceContext& dc, POINT origin, COLORREF color) const;

private:
    int width_;
    int height_;
    std::vector<unsigned char> bits_;
};

enum class ArrowDirection { Up, Down, Left, Right };

// The classic check mark: strokes three pixels tall at size 7, scaled.
GlyphMask CheckMarkGlyph(int size);
// A solid triangle `depth` pixels deep with a base of 2 * depth - 1.
GlyphMask ArrowGlyph(int depth, ArrowDirection direction);
// A filled circle of the given diameter (pixel centres inside the radius).
GlyphMask DiscGlyph(int diameter, double radius);

// Caption button symbols, sized for the glyph box of the button.
GlyphMask CloseGlyph(int width, int height);
GlyphMask MinimizeGlyph(int width, int height);
GlyphMask MaximizeGlyph(int width, int height);
GlyphMask RestoreGlyph(int width, int height);
GlyphMask HelpGlyph(int width, int height);

// The parts of a radio button of the given diameter, drawn in different colours.
enum class RadioPart { OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight, Interior, Dot, Disc };
GlyphMask RadioGlyph(int diameter, RadioPart part);

// The size grip's diagonal lines, anchored at the bottom-right corner:
// `highlight` picks the light lines, otherwise the shadow lines.
GlyphMask SizeGripGlyph(int size, bool highlight);
