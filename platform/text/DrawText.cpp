// DrawText: formatted text in a rectangle.

#include "platform/gdi/DeviceContext.h"
#include "platform/text/DrawTextLayout.h"
#include "platform/text/GlyphRun.h"
#include "platform/RectMath.h"
#include "platform/text/Utf8.h"

#include <algorithm>

namespace {

constexpr int kDefaultTabCharacters = 8;

int clampHeight(long long v)
{
    return int(std::clamp<long long>(v, 0, kNoTextLimit.right / 2));
}

// The caller's rectangle with coordinates small enough that no sum overflows.
RECT saneRect(const RECT& r)
{
    auto sane = [](LONG v) { return std::clamp<LONG>(v, kNoTextLimit.left / 2, kNoTextLimit.right / 2); };
    return RECT{sane(r.left), sane(r.top), sane(r.right), sane(r.bottom)};
}

// Left, centre or right for a line, with right-to-left reading mirroring
// the left and right alignments.
int lineLeft(const RECT& r, int width, UINT format)
{
    UINT horizontal = format & (DT_CENTER | DT_RIGHT);
    if ((format & DT_RTLREADING) && horizontal != DT_CENTER)
        horizontal = horizontal == DT_RIGHT ? DT_LEFT : DT_RIGHT;
    switch (horizontal) {
    case DT_CENTER: return int(r.left + (static_cast<long long>(Width(r)) - width) / 2);
    case DT_RIGHT: return r.right - width;
    default: return r.left;
    }
}

// Where the first line's top goes; the vertical alignments only apply to a
// single line, as classic code relies on.
int firstLineTop(const RECT& r, int lineHeight, UINT format)
{
    if (!(format & DT_SINGLELINE))
        return r.top;
    if (format & DT_VCENTER)
        return int(r.top + (static_cast<long long>(Height(r)) - lineHeight) / 2);
    if (format & DT_BOTTOM)
        return r.bottom - lineHeight;
    return r.top;
}

struct LinePainter {
    DeviceContext& dc;
    RealizedFont& font;
    UINT format;
    int tabWidth;
    int lineHeight;
    RECT limit; // target coordinates

    void paint(const TextLine& line, POINT topLeft) const
    {
        const FontMetrics& m = font.metrics();
        const DcState& state = dc.state();
        const Pixel color = PixelFromColorRef(state.textColor);
        const int baseline = topLeft.y + m.ascent;
        GlyphRun run = LayOutRun(font, line.chars, nullptr, tabWidth);
        if (!(format & DT_PREFIXONLY)) {
            if (state.bkMode == OPAQUE)
                FillTextRect(dc, RECT{topLeft.x, topLeft.y, topLeft.x + run.width, topLeft.y + lineHeight}, limit,
                             PixelFromColorRef(state.bkColor));
            DrawGlyphRun(dc, run, POINT{topLeft.x, baseline}, limit, color);
            DrawTextDecorations(dc, dc.font().logFont, m, topLeft.x, topLeft.x + run.width, baseline, limit, color);
        }
        if (line.underline >= 0 && !(format & DT_HIDEPREFIX)) {
            const PlacedGlyph& marked = run.glyphs[std::size_t(line.underline)];
            int left = topLeft.x + marked.x;
            DrawCharacterUnderline(dc, m, left, left + marked.image->advance, baseline, limit, color);
        }
    }
};

} // namespace

int DrawText(HDC dc, const char* text, int length, RECT* r, UINT format)
{
    DeviceContext* d = LookupDc(dc);
    std::size_t bytes = 0;
    if (!d || !r || !ResolveTextLength(text, length, bytes))
        return 0;
    int tabCharacters = kDefaultTabCharacters;
    if (format & DT_TABSTOP) {
        // The tab length shares its byte with other flags, which then do not apply.
        tabCharacters = int((format >> 8) & 0xFF);
        format &= ~0xFF00u;
        if (tabCharacters == 0)
            tabCharacters = kDefaultTabCharacters;
    }
    if (format & DT_SINGLELINE)
        format &= ~DT_WORDBREAK;
    if (bytes == 0) {
        if (format & DT_CALCRECT) {
            r->right = r->left;
            r->bottom = r->top;
        }
        return 0;
    }

    const RECT box = saneRect(*r);
    RealizedFont& font = SelectedFont(*d);
    const FontMetrics& m = font.metrics();
    const int lineHeight = m.height + ((format & DT_EXTERNALLEADING) ? m.externalLeading : 0);
    TextLayoutOptions options;
    options.format = format;
    options.maxWidth = Width(box);
    options.tabWidth = (format & DT_EXPANDTABS) ? std::max(1, tabCharacters * m.aveCharWidth) : 0;
    std::vector<TextLine> lines = LayOutTextLines(font, DecodeUtf8Chars(std::string_view(text, bytes)), options);
    const int totalHeight = clampHeight(static_cast<long long>(lines.size()) * lineHeight);

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& line : lines)
            widest = std::max(widest, line.width);
        if (format & DT_WORDBREAK)
            widest = std::max(widest, Width(box));
        r->right = box.left + widest;
        r->bottom = box.top + totalHeight;
        return totalHeight;
    }

    const int top = firstLineTop(box, lineHeight, format);
    const int drawnHeight = (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))
                                ? clampHeight(static_cast<long long>(top) - box.top + totalHeight)
                                : totalHeight;
    const POINT origin = d->logicalToTarget();
    RECT limit = (format & DT_NOCLIP) ? kNoTextLimit : d->toTarget(box);
    // Lines entirely outside what can be seen are not laid out at all; glyphs
    // may reach a line beyond their cell, so allow that much.
    RECT visible = Intersect(limit, d->clip().bounds());
    if (IsEmpty(visible))
        return drawnHeight;
    LinePainter painter{*d, font, format, options.tabWidth, lineHeight, limit};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        long long lineTop = static_cast<long long>(top) + origin.y + static_cast<long long>(i) * lineHeight;
        if (lineTop >= visible.bottom + lineHeight)
            break;
        if (lineTop + 2LL * lineHeight <= visible.top)
            continue;
        int left = lineLeft(box, lines[i].width, format) + origin.x;
        painter.paint(lines[i], POINT{left, int(lineTop)});
    }
    return drawnHeight;
}
