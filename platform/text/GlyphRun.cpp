#include "platform/text/GlyphRun.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/RectMath.h"

#include <algorithm>

namespace {

int clampToLimit(long long v)
{
    return int(std::clamp<long long>(v, kNoTextLimit.left, kNoTextLimit.right));
}

int nextTabStop(int pen, int tabWidth)
{
    return (pen / tabWidth + 1) * tabWidth;
}

// Exact floor(x / 255) of two 16-bit lanes at once (x <= 255 * 255 each).
inline Pixel divideLanesBy255(Pixel v)
{
    return ((v + 0x00010001u + ((v >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// Blends coverage into `area` (inside both the target and the glyph box):
// d = (c * text + (255 - c) * d) / 255 per channel, opaque result. Red and
// blue travel together in one word, green in another.
void blendGlyph(PixelBuffer& target, const GlyphImage& g, int glyphLeft, int glyphTop, const RECT& area, Pixel color)
{
    const Pixel textRedBlue = color & 0x00FF00FFu;
    const Pixel textGreen = (color >> 8) & 0xFFu;
    const int count = area.right - area.left;
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint8_t* coverage =
            g.coverage.data() + std::size_t(y - glyphTop) * std::size_t(g.width) + std::size_t(area.left - glyphLeft);
        Pixel* d = target.row(y) + area.left;
        for (int x = 0; x < count; ++x) {
            const Pixel c = coverage[x];
            if (c == 0)
                continue;
            const Pixel keep = 255 - c;
            const Pixel p = d[x];
            const Pixel redBlue = divideLanesBy255(textRedBlue * c + (p & 0x00FF00FFu) * keep);
            const Pixel green = divideLanesBy255(textGreen * c + ((p >> 8) & 0xFFu) * keep);
            d[x] = 0xFF000000u | redBlue | (green << 8);
        }
    }
}

RECT glyphBox(const PlacedGlyph& placed, POINT pen)
{
    const GlyphImage& g = *placed.image;
    int left = pen.x + placed.x + g.left;
    int top = pen.y - g.top;
    return RECT{left, top, left + g.width, top + g.height};
}

} // namespace

GlyphRun LayOutRun(RealizedFont& font, std::u32string_view text, const int* advances, int tabWidth)
{
    GlyphRun run;
    run.glyphs.reserve(text.size());
    long long pen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const GlyphImage& g = font.glyph(text[i]);
        run.glyphs.push_back(PlacedGlyph{&g, clampToLimit(pen)});
        if (advances)
            pen += advances[i];
        else if (text[i] == U'\t' && tabWidth > 0)
            pen = nextTabStop(clampToLimit(pen), tabWidth);
        else
            pen += g.advance;
    }
    run.width = clampToLimit(pen);
    return run;
}

int MeasureRun(RealizedFont& font, std::u32string_view text, int tabWidth)
{
    long long pen = 0;
    for (char32_t c : text) {
        if (c == U'\t' && tabWidth > 0)
            pen = nextTabStop(clampToLimit(pen), tabWidth);
        else
            pen += font.advance(c);
    }
    return clampToLimit(pen);
}

RealizedFont& SelectedFont(const DeviceContext& dc)
{
    return RealizeFont(dc.font());
}

void DrawGlyphRun(DeviceContext& dc, const GlyphRun& run, POINT pen, const RECT& limit, Pixel color)
{
    PixelBuffer* target = dc.target();
    if (!target || run.glyphs.empty())
        return;
    RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const PlacedGlyph& placed : run.glyphs) {
        if (placed.image->coverage.empty())
            continue;
        RECT box = glyphBox(placed, pen);
        bounds = RECT{std::min(bounds.left, box.left), std::min(bounds.top, box.top),
                      std::max(bounds.right, box.right), std::max(bounds.bottom, box.bottom)};
    }
    bounds = Intersect(bounds, limit);
    if (IsEmpty(bounds))
        return;
    dc.forEachClipRect(bounds, [&](const RECT& clip) {
        for (const PlacedGlyph& placed : run.glyphs) {
            if (placed.image->coverage.empty())
                continue;
            RECT box = glyphBox(placed, pen);
            RECT area = Intersect(box, clip);
            if (!IsEmpty(area))
                blendGlyph(*target, *placed.image, box.left, box.top, area, color);
        }
    });
}

void FillTextRect(DeviceContext& dc, const RECT& r, const RECT& limit, Pixel color)
{
    PixelBuffer* target = dc.target();
    RECT area = Intersect(r, limit);
    if (!target || IsEmpty(area))
        return;
    dc.forEachClipRect(area, [&](const RECT& clip) { target->fill(clip, color | 0xFF000000u); });
}

void DrawTextDecorations(DeviceContext& dc, const LOGFONT& font, const FontMetrics& metrics, int left, int right,
                         int baseline, const RECT& limit, Pixel color)
{
    if (font.lfUnderline) {
        int top = baseline + metrics.underlineOffset;
        FillTextRect(dc, RECT{left, top, right, top + metrics.underlineThickness}, limit, color);
    }
    if (font.lfStrikeOut) {
        int top = baseline - metrics.strikeoutOffset;
        FillTextRect(dc, RECT{left, top, right, top + metrics.strikeoutThickness}, limit, color);
    }
}

void DrawCharacterUnderline(DeviceContext& dc, const FontMetrics& metrics, int left, int right, int baseline,
                            const RECT& limit, Pixel color)
{
    int top = baseline + metrics.underlineOffset;
    FillTextRect(dc, RECT{left, top, right, top + metrics.underlineThickness}, limit, color);
}
