#include "ui/graphics/Font.h"

#include "platform/Gdi.h"

#include <algorithm>
#include <cstring>

namespace {

BYTE qualityCode(TFontQuality q)
{
    static constexpr BYTE codes[] = {DEFAULT_QUALITY, 1, 2, NONANTIALIASED_QUALITY, ANTIALIASED_QUALITY,
                                     CLEARTYPE_QUALITY, 6};
    return codes[q];
}

TFontQuality qualityFromCode(BYTE code)
{
    switch (code) {
    case 1: return fqDraft;
    case 2: return fqProof;
    case NONANTIALIASED_QUALITY: return fqNonAntialiased;
    case ANTIALIASED_QUALITY: return fqAntialiased;
    case CLEARTYPE_QUALITY: return fqClearType;
    case 6: return fqClearTypeNatural;
    default: return fqDefault;
    }
}

// Copies at most LF_FACESIZE - 1 bytes without cutting a UTF-8 sequence.
void copyFaceName(char* dst, const std::string& name)
{
    std::size_t n = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
    while (n > 0 && n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(dst, name.data(), n);
    dst[n] = '\0';
}

} // namespace

TFont::TFont() = default;

TFont::~TFont()
{
    if (handle_)
        DeleteObject(handle_);
}

void TFont::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TFont*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    name_ = other->name_;
    height_ = other->height_;
    style_ = other->style_;
    color_ = other->color_;
    charset_ = other->charset_;
    pitch_ = other->pitch_;
    quality_ = other->quality_;
    shapeChanged();
}

HFONT TFont::Handle()
{
    if (!handle_) {
        LOGFONT lf;
        lf.lfHeight = height_;
        lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = style_.Contains(fsItalic);
        lf.lfUnderline = style_.Contains(fsUnderline);
        lf.lfStrikeOut = style_.Contains(fsStrikeOut);
        lf.lfCharSet = charset_;
        lf.lfQuality = qualityCode(quality_);
        lf.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
        copyFaceName(lf.lfFaceName, name_);
        handle_ = CreateFontIndirect(&lf);
    }
    return handle_;
}

void TFont::SetHandle(HFONT font)
{
    if (font == handle_)
        return;
    LOGFONT lf;
    if (font && GetObject(font, sizeof lf, &lf) == int(sizeof lf)) {
        name_ = std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
        height_ = lf.lfHeight;
        style_ = {};
        if (lf.lfWeight >= FW_SEMIBOLD)
            style_.Include(fsBold);
        if (lf.lfItalic)
            style_.Include(fsItalic);
        if (lf.lfUnderline)
            style_.Include(fsUnderline);
        if (lf.lfStrikeOut)
            style_.Include(fsStrikeOut);
        charset_ = lf.lfCharSet;
        pitch_ = (lf.lfPitchAndFamily & 3) == FIXED_PITCH      ? fpFixed
                 : (lf.lfPitchAndFamily & 3) == VARIABLE_PITCH ? fpVariable
                                                               : fpDefault;
        quality_ = qualityFromCode(lf.lfQuality);
    }
    HFONT old = handle_;
    handle_ = font;
    Changed();
    releaseHandle(old);
}

void TFont::shapeChanged()
{
    HFONT old = handle_;
    handle_ = nullptr;
    Changed();
    releaseHandle(old);
}

void TFont::releaseHandle(HFONT old)
{
    if (old)
        DeleteObject(old);
}

void TFont::SetName(const std::string& name)
{
    if (name.empty() || name == name_)
        return;
    name_ = name;
    shapeChanged();
}

void TFont::SetHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    shapeChanged();
}

int TFont::Size() const
{
    return -MulDiv(height_, 72, PixelsPerInch());
}

void TFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, PixelsPerInch(), 72));
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_)
        return;
    style_ = style;
    shapeChanged();
}

void TFont::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TFont::SetCharset(TFontCharset charset)
{
    if (charset == charset_)
        return;
    charset_ = charset;
    shapeChanged();
}

void TFont::SetPitch(TFontPitch pitch)
{
    if (pitch == pitch_)
        return;
    pitch_ = pitch;
    shapeChanged();
}

void TFont::SetQuality(TFontQuality quality)
{
    if (quality == quality_)
        return;
    quality_ = quality;
    shapeChanged();
}
