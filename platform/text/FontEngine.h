#pragma once
// Fonts of the drawing layer. A LOGFONT is matched to an installed face
// through fontconfig; FreeType faces are opened once per file; a realized
// font is one face at one pixel size and style, with its metrics and a
// cache of rendered glyphs. Font objects with the same face, size and style
// share one realized font. All of it runs on the user-interface thread.

#include "platform/Gdi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class FontObject;
struct FT_FaceRec_;
struct FT_SizeRec_;

// One FreeType face, opened once per font file and shared by every size.
class FontFace {
public:
    FontFace(FT_FaceRec_* face, std::string file, std::string family);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    FT_FaceRec_* ft() const { return face_; }
    const std::string& file() const { return file_; }
    const std::string& family() const { return family_; }
    bool isBold() const;
    bool isItalic() const;
    bool isFixedPitch() const;
    bool hasSymbolMap() const { return hasSymbolMap_; }

private:
    FT_FaceRec_* face_;
    std::string file_;
    std::string family_;
    bool hasSymbolMap_ = false;
};

// Coverage (0..255) of one glyph, placed relative to the pen position on the
// baseline: the first column is at pen + left, the first row is `top` rows
// above the baseline row.
struct GlyphImage {
    int advance = 0; // whole pixels, so that measured and drawn widths agree
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage; // width * height, row by row
};

// Pixel metrics as the text calls report them. Rows of decorations count
// from the baseline row (the first row below the glyphs' bodies).
struct FontMetrics {
    int height = 0; // ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int overhang = 0;
    int underlineOffset = 1;  // first underline row below the baseline row
    int underlineThickness = 1;
    int strikeoutOffset = 3;  // rows above the baseline row of the stroke's top
    int strikeoutThickness = 1;
};

// How a realized font is asked for: the em size, and, for fonts requested by
// cell height, the exact height the cell must have.
struct FontSizeRequest {
    long emSize26Dot6 = 0; // 26.6 fixed point pixels
    int cellHeight = 0;    // 0: em-sized request
};

struct FontStyle {
    bool bold = false;   // as asked for
    bool italic = false;
    bool syntheticBold = false; // asked for but missing from the face
    bool syntheticItalic = false;
    bool monochrome = false; // NONANTIALIASED_QUALITY
    bool symbolCharset = false;
};

class RealizedFont {
public:
    RealizedFont(std::shared_ptr<FontFace> face, FontSizeRequest size, FontStyle style);
    ~RealizedFont();
    RealizedFont(const RealizedFont&) = delete;
    RealizedFont& operator=(const RealizedFont&) = delete;

    const FontMetrics& metrics() const { return metrics_; }
        // Null when no font at all is installed: such a font measures and draws nothing.
    const FontFace* face() const { return face_.get(); }

    // The glyph drawn for a character: from this face, else from the
    // fallback face, else this face's missing-glyph box. Control characters
    // draw nothing and take no room. The reference stays valid for the
    // font's life.
    const GlyphImage& glyph(char32_t c);
    int advance(char32_t c) { return glyph(c).advance; }
    // Glyphs rendered so far (for tests of the cache).
    std::size_t renderedGlyphCount() const { return glyphs_.size(); }

private:
    unsigned glyphIndex(char32_t c) const;
    const GlyphImage* glyphFromFallback(char32_t c);
    const GlyphImage& lookUp(char32_t c);
    const GlyphImage& glyphByIndex(unsigned index);
    GlyphImage render(unsigned index);
    void computeMetrics(FontSizeRequest size);

    std::shared_ptr<FontFace> face_;
    FT_SizeRec_* size_ = nullptr;
    FontStyle style_;
    FontMetrics metrics_;
    long emSize26Dot6_ = 0;
    std::unordered_map<unsigned, GlyphImage> glyphs_;
    const GlyphImage* ascii_[128] = {};
    std::unordered_map<char32_t, const GlyphImage*> chars_;
    std::shared_ptr<RealizedFont> fallback_;
    bool fallbackTried_ = false;
    GlyphImage empty_;
};

// The realized font of a font object, made on first use.
RealizedFont& RealizeFont(FontObject& font);

// The same size and style in the fallback face, for characters a face lacks;
// null when `primary` is the fallback face or it is not installed.
std::shared_ptr<RealizedFont> RealizeFallbackFont(const FontFace& primary, FontSizeRequest size, FontStyle style);

// The file a LOGFONT face name resolves to (for diagnostics and tests);
// empty when no font at all is installed.
std::string MatchedFontFile(const LOGFONT& font);
