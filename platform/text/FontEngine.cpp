// Font matching and the process-wide caches of faces and realized fonts.

#include "platform/text/FontEngine.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <tuple>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H

namespace {

constexpr const char* kDefaultFamily = "Liberation Sans";
constexpr const char* kFallbackFamily = "DejaVu Sans";
constexpr int kDefaultHeight = -11; // 8 point at 96 pixels per inch
constexpr int kLargestHeight = 1000;
// Realized fonts no font object uses any more are dropped past this count.
constexpr std::size_t kRealizedCacheSoftLimit = 64;

// Classic interface face names and the installed families that stand in for
// them with close enough metrics.
struct FamilyAlias {
    const char* name;
    const char* family;
};
constexpr FamilyAlias kAliases[] = {
    {"ms sans serif", "Liberation Sans"},   {"ms shell dlg", "Liberation Sans"},
    {"ms shell dlg 2", "Liberation Sans"},  {"microsoft sans serif", "Liberation Sans"},
    {"tahoma", "Liberation Sans"},          {"arial", "Liberation Sans"},
    {"segoe ui", "Liberation Sans"},        {"system", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},       {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},          {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
};

using brio::asciiLower;

// The family to look for first: an alias, the name itself, or the default.
std::string requestedFamily(const LOGFONT& font)
{
    std::string name = brio::asciiTrim(std::string_view(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE)), brio::kAsciiSpace);
    if (name.empty())
        return kDefaultFamily;
    std::string key = asciiLower(name);
    for (const FamilyAlias& a : kAliases)
        if (key == a.name)
            return a.family;
    return name;
}

int fcWeight(LONG weight)
{
    if (weight <= FW_DONTCARE)
        weight = FW_NORMAL;
    return FcWeightFromOpenType(std::clamp<int>(weight, 1, 1000));
}

bool asksBold(const LOGFONT& f)
{
    return f.lfWeight >= FW_SEMIBOLD;
}

class FontLibrary {
public:
    // Never destroyed: font objects in static tables may outlive any
    // destruction order we could pick, and their sizes need the library.
    static FontLibrary& instance()
    {
        static FontLibrary* library = new FontLibrary;
        return *library;
    }

    bool usable() const { return freetype_ != nullptr; }

    // A face of `family` in the given weight and slant, or null when
    // fontconfig has no such family (it would otherwise hand us any font).
    std::shared_ptr<FontFace> matchFamily(const std::string& family, int weight, bool italic, bool exactFamily)
    {
        auto key = std::make_tuple(asciiLower(family), weight, italic, exactFamily);
        auto found = matches_.find(key);
        if (found != matches_.end())
            return found->second;
        std::shared_ptr<FontFace> face = queryFontconfig(family, weight, italic, exactFamily);
        matches_[key] = face;
        return face;
    }

    std::shared_ptr<FontFace> faceFor(const LOGFONT& font)
    {
        int weight = fcWeight(font.lfWeight);
        bool italic = font.lfItalic != 0;
        for (const std::string& family : {requestedFamily(font), std::string(kDefaultFamily),
                                          std::string(kFallbackFamily)})
            if (auto face = matchFamily(family, weight, italic, true))
                return face;
        return matchFamily("sans-serif", weight, italic, false);
    }

    std::shared_ptr<RealizedFont> realize(const std::shared_ptr<FontFace>& face, FontSizeRequest size,
                                          FontStyle style)
    {
        auto key = std::make_tuple(face.get(), size.emSize26Dot6, size.cellHeight, style.bold, style.italic,
                                   style.syntheticBold, style.syntheticItalic, style.monochrome,
                                   style.symbolCharset);
        auto found = realized_.find(key);
        if (found != realized_.end())
            return found->second;
        if (realized_.size() >= kRealizedCacheSoftLimit)
            std::erase_if(realized_, [](const auto& entry) { return entry.second.use_count() == 1; });
        auto font = std::make_shared<RealizedFont>(face, size, style);
        realized_.emplace(key, font);
        return font;
    }

private:
    FontLibrary()
    {
        if (FT_Init_FreeType(&freetype_) != 0) {
            freetype_ = nullptr;
            return;
        }
        // The v40 interpreter hints vertically only, which keeps small
        // text crisp without distorting the shapes.
        FT_UInt interpreter = TT_INTERPRETER_VERSION_40;
        FT_Property_Set(freetype_, "truetype", "interpreter-version", &interpreter);
        fontconfigReady_ = FcInit() == FcTrue;
    }

    std::shared_ptr<FontFace> queryFontconfig(const std::string& family, int weight, bool italic, bool exactFamily)
    {
        if (!usable() || !fontconfigReady_)
            return nullptr;
        FcPattern* pattern = FcPatternCreate();
        if (!pattern)
            return nullptr;
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, weight);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (!match)
            return nullptr;
        std::shared_ptr<FontFace> face;
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch
            && (!exactFamily || hasFamily(match, family))) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            face = openFace(reinterpret_cast<const char*>(file), index);
        }
        FcPatternDestroy(match);
        return face;
    }

    static bool hasFamily(FcPattern* match, const std::string& family)
    {
        std::string wanted = asciiLower(family);
        FcChar8* name = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
            if (asciiLower(reinterpret_cast<const char*>(name)) == wanted)
                return true;
        return false;
    }

    std::shared_ptr<FontFace> openFace(const std::string& file, int index)
    {
        std::string key = file + "#" + std::to_string(index);
        auto found = faces_.find(key);
        if (found != faces_.end())
            return found->second;
        FT_Face ft = nullptr;
        std::shared_ptr<FontFace> face;
        if (FT_New_Face(freetype_, file.c_str(), index, &ft) == 0) {
            if (FT_IS_SCALABLE(ft) && ft->units_per_EM > 0)
                face = std::make_shared<FontFace>(ft, file, ft->family_name ? ft->family_name : "");
            else
                FT_Done_Face(ft);
        }
        faces_[key] = face;
        return face;
    }

    FT_Library freetype_ = nullptr;
    bool fontconfigReady_ = false;
    std::map<std::string, std::shared_ptr<FontFace>> faces_;
    std::map<std::tuple<std::string, int, bool, bool>, std::shared_ptr<FontFace>> matches_;
    std::map<std::tuple<const FontFace*, long, int, bool, bool, bool, bool, bool, bool>,
             std::shared_ptr<RealizedFont>>
        realized_;
};

FontSizeRequest sizeRequest(LONG height)
{
    if (height == 0)
        height = kDefaultHeight;
    // Absurd sizes would only allocate huge glyph images.
    height = std::clamp<LONG>(height, -kLargestHeight, kLargestHeight);
    if (height < 0)
        return FontSizeRequest{long(-height) * 64, 0};
    return FontSizeRequest{0, int(height)};
}

} // namespace

FontFace::FontFace(FT_FaceRec_* face, std::string file, std::string family)
    : face_(face), file_(std::move(file)), family_(std::move(family))
{
    for (int i = 0; i < face_->num_charmaps; ++i)
        if (face_->charmaps[i]->encoding == FT_ENCODING_MS_SYMBOL)
            hasSymbolMap_ = true;
    FT_Select_Charmap(face_, FT_ENCODING_UNICODE);
}

FontFace::~FontFace()
{
    FT_Done_Face(face_);
}

bool FontFace::isBold() const
{
    return (face_->style_flags & FT_STYLE_FLAG_BOLD) != 0;
}

bool FontFace::isItalic() const
{
    return (face_->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
}

bool FontFace::isFixedPitch() const
{
    return FT_IS_FIXED_WIDTH(face_);
}

RealizedFont& RealizeFont(FontObject& font)
{
    if (font.realized)
        return *font.realized;
    FontLibrary& library = FontLibrary::instance();
    const LOGFONT& lf = font.logFont;
    std::shared_ptr<FontFace> face = library.faceFor(lf);
    FontStyle style;
    style.bold = asksBold(lf);
    style.italic = lf.lfItalic != 0;
    style.syntheticBold = face && style.bold && !face->isBold();
    style.syntheticItalic = face && style.italic && !face->isItalic();
    style.monochrome = lf.lfQuality == NONANTIALIASED_QUALITY;
    style.symbolCharset = lf.lfCharSet == SYMBOL_CHARSET;
    if (face)
        font.realized = library.realize(face, sizeRequest(lf.lfHeight), style);
    else
        font.realized = std::make_shared<RealizedFont>(nullptr, sizeRequest(lf.lfHeight), style);
    return *font.realized;
}

std::shared_ptr<RealizedFont> RealizeFallbackFont(const FontFace& primary, FontSizeRequest size, FontStyle style)
{
    FontLibrary& library = FontLibrary::instance();
    std::shared_ptr<FontFace> face = library.matchFamily(kFallbackFamily, fcWeight(style.bold ? FW_BOLD : FW_NORMAL),
                                                         style.italic, true);
    if (!face || face.get() == &primary || face->file() == primary.file())
        return nullptr;
    style.syntheticBold = style.bold && !face->isBold();
    style.syntheticItalic = style.italic && !face->isItalic();
    style.symbolCharset = false;
    return library.realize(face, size, style);
}

#if defined(__SANITIZE_ADDRESS__)
// fontconfig drops a few bytes while it parses its own configuration; they
// are not ours to free and would fail every leak check.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
#endif

std::string MatchedFontFile(const LOGFONT& font)
{
    std::shared_ptr<FontFace> face = FontLibrary::instance().faceFor(font);
    return face ? face->file() : std::string();
}
