// A face at one pixel size and style: its metrics and its glyph cache.

#include "platform/text/FontEngine.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

namespace {

// The auto-hinter in normal mode snaps stems to whole pixels in both
// directions: at 11 pixels most stems come out as one black column, where the
// faces' own hints (light or normal target, either interpreter) leave two
// grey ones. Its advances are whole pixels, slightly wider than unhinted.
constexpr FT_Int32 kLoadTarget = FT_LOAD_TARGET_NORMAL | FT_LOAD_FORCE_AUTOHINT;

// The slant of synthetic italics (about 12 degrees) in 16.16.
constexpr FT_Fixed kItalicShear = 0x0366A;

// Letter frequencies per thousand: the classic average character width is
// the width of typical English text, not of the whole glyph set.
struct LetterWeight {
    char letter;
    int weight;
};
constexpr LetterWeight kAverageWidthWeights[] = {
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
    {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
    {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
};

int roundToInt(double v)
{
    return int(std::lround(v));
}

int ceilToInt(double v)
{
    // Scaled font units that land on a whole pixel must not round up.
    return int(std::ceil(v - 1e-6));
}

// Average width in font units, or 0 when the face lacks a letter.
double weightedAverageWidth(FT_Face face)
{
    double total = 0;
    for (const LetterWeight& w : kAverageWidthWeights) {
        FT_UInt index = FT_Get_Char_Index(face, FT_ULong(w.letter));
        FT_Fixed advance = 0;
        if (index == 0 || FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &advance) != 0)
            return 0;
        total += double(advance) * w.weight;
    }
    return total / 1000.0;
}

const unsigned char* bitmapRow(const FT_Bitmap& bitmap, unsigned y)
{
    if (bitmap.pitch >= 0)
        return bitmap.buffer + std::size_t(y) * std::size_t(bitmap.pitch);
    return bitmap.buffer + std::size_t(bitmap.rows - 1 - y) * std::size_t(-bitmap.pitch);
}

// Coverage rows from FreeType's bitmap; false for pixel modes we do not draw.
bool copyCoverage(const FT_Bitmap& bitmap, GlyphImage& g)
{
    g.width = int(bitmap.width);
    g.height = int(bitmap.rows);
    g.coverage.assign(std::size_t(g.width) * std::size_t(g.height), 0);
    std::uint8_t* out = g.coverage.data();
    switch (bitmap.pixel_mode) {
    case FT_PIXEL_MODE_GRAY:
        for (unsigned y = 0; y < bitmap.rows; ++y, out += g.width)
            std::copy_n(bitmapRow(bitmap, y), g.width, out);
        return true;
    case FT_PIXEL_MODE_MONO:
        for (unsigned y = 0; y < bitmap.rows; ++y, out += g.width) {
            const unsigned char* row = bitmapRow(bitmap, y);
            for (int x = 0; x < g.width; ++x)
                out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
        }
        return true;
    default:
        g.width = g.height = 0;
        g.coverage.clear();
        return false;
    }
}

} // namespace

RealizedFont::RealizedFont(std::shared_ptr<FontFace> face, FontSizeRequest size, FontStyle style)
    : face_(std::move(face)), style_(style)
{
    if (face_ && FT_New_Size(face_->ft(), &size_) != 0) {
        size_ = nullptr;
        face_.reset();
    }
    computeMetrics(size);
}

RealizedFont::~RealizedFont()
{
    if (size_)
        FT_Done_Size(size_);
}

void RealizedFont::computeMetrics(FontSizeRequest size)
{
    FontMetrics& m = metrics_;
    if (!face_) {
        // Nothing installed: plausible numbers so that layouts still work.
        double em = size.cellHeight > 0 ? size.cellHeight * 0.85 : size.emSize26Dot6 / 64.0;
        emSize26Dot6_ = std::max(64L, long(em * 64));
        m.ascent = size.cellHeight > 0 ? roundToInt(size.cellHeight * 0.8) : ceilToInt(em * 0.9);
        m.descent = size.cellHeight > 0 ? size.cellHeight - m.ascent : ceilToInt(em * 0.22);
        m.height = m.ascent + m.descent;
        m.internalLeading = std::max(0, m.height - roundToInt(em));
        m.aveCharWidth = std::max(1, roundToInt(em * 0.45));
        m.maxCharWidth = roundToInt(em);
        return;
    }
    FT_Face f = face_->ft();
    const double unitsPerEm = f->units_per_EM;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(f, FT_SFNT_HHEA));
    // The OS/2 table's usWinAscent and usWinDescent define the classic cell.
    double winAscent = os2 && os2->version != 0xFFFF ? os2->usWinAscent : f->ascender;
    double winDescent = os2 && os2->version != 0xFFFF ? os2->usWinDescent : -f->descender;
    if (winAscent + winDescent <= 0) {
        winAscent = unitsPerEm * 0.9;
        winDescent = unitsPerEm * 0.2;
    }
    const double cell = winAscent + winDescent;
    if (size.cellHeight > 0) {
        emSize26Dot6_ = std::max(1L, std::lround(size.cellHeight * 64.0 * unitsPerEm / cell));
        m.ascent = roundToInt(winAscent * size.cellHeight / cell);
        m.descent = size.cellHeight - m.ascent;
    } else {
        emSize26Dot6_ = std::max(64L, size.emSize26Dot6);
        double em = emSize26Dot6_ / 64.0;
        m.ascent = ceilToInt(winAscent * em / unitsPerEm);
        m.descent = ceilToInt(winDescent * em / unitsPerEm);
    }
    const double scale = emSize26Dot6_ / 64.0 / unitsPerEm;
    m.height = m.ascent + m.descent;
    m.internalLeading = std::max(0, m.height - roundToInt(emSize26Dot6_ / 64.0));
    if (hhea) {
        double lineGap = hhea->Line_Gap - (cell - (hhea->Ascender - hhea->Descender));
        m.externalLeading = lineGap > 0 ? roundToInt(lineGap * scale) : 0;
    }

    FT_Activate_Size(size_);
    FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_NOMINAL, 0, emSize26Dot6_, 0, 0};
    FT_Request_Size(f, &request);

    double average = weightedAverageWidth(f);
    if (average <= 0 && os2 && os2->version != 0xFFFF)
        average = os2->xAvgCharWidth;
    if (average <= 0)
        average = unitsPerEm / 2;
    m.aveCharWidth = std::max(1, roundToInt(average * scale));
    m.maxCharWidth = std::max(m.aveCharWidth, roundToInt(f->max_advance_width * scale));
    if (style_.syntheticBold) {
        m.aveCharWidth += 1;
        m.maxCharWidth += 1;
    }

    m.underlineThickness = std::max(1, roundToInt(f->underline_thickness * scale));
    // Taken as the bar's top, as the classic interface does: a row of air
    // between the letters and the bar at small sizes.
    m.underlineOffset = std::clamp(roundToInt(-f->underline_position * scale), 1,
                                   std::max(1, m.descent - m.underlineThickness));
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
        m.strikeoutThickness = std::max(1, roundToInt(os2->yStrikeoutSize * scale));
        m.strikeoutOffset = std::max(1, roundToInt(os2->yStrikeoutPosition * scale));
    } else {
        m.strikeoutThickness = m.underlineThickness;
        m.strikeoutOffset = std::max(1, roundToInt(m.ascent * 0.3));
    }
}

unsigned RealizedFont::glyphIndex(char32_t c) const
{
    FT_Face f = face_->ft();
    if (style_.symbolCharset && face_->hasSymbolMap() && c < 0x100) {
        // Symbol fonts put their glyphs at U+F000 + code.
        FT_Select_Charmap(f, FT_ENCODING_MS_SYMBOL);
        FT_UInt index = FT_Get_Char_Index(f, 0xF000 + c);
        if (index == 0)
            index = FT_Get_Char_Index(f, c);
        FT_Select_Charmap(f, FT_ENCODING_UNICODE);
        if (index != 0)
            return index;
    }
    return FT_Get_Char_Index(f, c);
}

const GlyphImage& RealizedFont::glyph(char32_t c)
{
    if (c < 128) {
        if (!ascii_[c])
            ascii_[c] = &lookUp(c);
        return *ascii_[c];
    }
    auto found = chars_.find(c);
    if (found != chars_.end())
        return *found->second;
    const GlyphImage& g = lookUp(c);
    chars_.emplace(c, &g);
    return g;
}

const GlyphImage& RealizedFont::lookUp(char32_t c)
{
    bool control = c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
    if (!face_ || control)
        return empty_;
    if (unsigned index = glyphIndex(c))
        return glyphByIndex(index);
    if (const GlyphImage* g = glyphFromFallback(c))
        return *g;
    return glyphByIndex(0);
}

const GlyphImage* RealizedFont::glyphFromFallback(char32_t c)
{
    if (!fallbackTried_) {
        fallbackTried_ = true;
        fallback_ = RealizeFallbackFont(*face_, FontSizeRequest{emSize26Dot6_, 0}, style_);
    }
    if (!fallback_ || !fallback_->face_ || fallback_->glyphIndex(c) == 0)
        return nullptr;
    return &fallback_->glyph(c);
}

const GlyphImage& RealizedFont::glyphByIndex(unsigned index)
{
    auto found = glyphs_.find(index);
    if (found != glyphs_.end())
        return found->second;
    return glyphs_.emplace(index, render(index)).first->second;
}

GlyphImage RealizedFont::render(unsigned index)
{
    GlyphImage g;
    FT_Face f = face_->ft();
    FT_Activate_Size(size_);
    FT_Int32 flags = style_.monochrome ? FT_LOAD_TARGET_MONO : kLoadTarget;
    if (style_.syntheticBold || style_.syntheticItalic)
        flags |= FT_LOAD_NO_BITMAP;
    if (FT_Load_Glyph(f, index, flags) != 0)
        return g;
    FT_GlyphSlot slot = f->glyph;
    g.advance = int((slot->advance.x + 32) >> 6);
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (style_.syntheticItalic) {
            FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
        if (style_.syntheticBold) {
            FT_GlyphSlot_Embolden(slot);
            // At least a pixel, so that bold text measures wider at small sizes too.
            g.advance = std::max(g.advance + 1, int((slot->advance.x + 32) >> 6));
        }
    }
    FT_Render_Mode mode = style_.monochrome ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, mode) != 0)
        return g;
    if (copyCoverage(slot->bitmap, g)) {
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
    }
    return g;
}
