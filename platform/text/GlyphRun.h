#pragma once
// One line of text as glyphs at whole-pixel pen positions, and the drawing
// of such a line into a DC's target: coverage blended with the text colour,
// background cells, underline and strike-out bars. Coordinates here are
// target coordinates; every call clips to `limit` and to the DC's clip.

#include "platform/text/FontEngine.h"

#include <climits>
#include <string_view>
#include <vector>

class DeviceContext;

struct PlacedGlyph {
    const GlyphImage* image = nullptr;
    int x = 0; // pen position from the start of the run
};

struct GlyphRun {
    std::vector<PlacedGlyph> glyphs; // one per character
    int width = 0;
};

// Large enough for any surface, small enough that offsets cannot overflow.
constexpr RECT kNoTextLimit{INT_MIN / 4, INT_MIN / 4, INT_MAX / 4, INT_MAX / 4};

// With `advances`, character i takes advances[i] pixels instead of its own.
// With tabWidth > 0, a tab moves the pen to the next multiple of tabWidth.
GlyphRun LayOutRun(RealizedFont& font, std::u32string_view text, const int* advances = nullptr, int tabWidth = 0);
// The width LayOutRun would give, without building the run.
int MeasureRun(RealizedFont& font, std::u32string_view text, int tabWidth = 0);

// The font selected into a DC, realized on first use.
RealizedFont& SelectedFont(const DeviceContext& dc);

// `pen` is the run's start on the baseline row.
void DrawGlyphRun(DeviceContext& dc, const GlyphRun& run, POINT pen, const RECT& limit, Pixel color);
void FillTextRect(DeviceContext& dc, const RECT& r, const RECT& limit, Pixel color);
// The font's own underline and strike-out over pixels [left, right).
void DrawTextDecorations(DeviceContext& dc, const LOGFONT& font, const FontMetrics& metrics, int left, int right,
                         int baseline, const RECT& limit, Pixel color);
// The underline of one character (the "&" prefix of DrawText).
void DrawCharacterUnderline(DeviceContext& dc, const FontMetrics& metrics, int left, int right, int baseline,
                            const RECT& limit, Pixel color);
