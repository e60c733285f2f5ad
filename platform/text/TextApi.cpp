// Text metrics, measuring and single-line text output.

#include "platform/gdi/DeviceContext.h"
#include "platform/text/GlyphRun.h"
#include "platform/RectMath.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <cstring>

namespace {

// TEXTMETRIC pitch bits: note that the "fixed pitch" bit is set for
// variable-pitch fonts.
constexpr BYTE TMPF_FIXED_PITCH = 0x01;
constexpr BYTE TMPF_VECTOR = 0x02;
constexpr BYTE TMPF_TRUETYPE = 0x04;

int clampCoordinate(long long v)
{
    return int(std::clamp<long long>(v, kNoTextLimit.left / 2, kNoTextLimit.right / 2));
}

BYTE familyOf(const FontFace* face)
{
    if (!face)
        return FF_SWISS;
    if (face->isFixedPitch())
        return FF_MODERN;
    const std::string& family = face->family();
    bool serif = family.find("Serif") != std::string::npos && family.find("Sans") == std::string::npos;
    return serif ? FF_ROMAN : FF_SWISS;
}

// The text of a call as code points, or false for a refused length.
bool decodeArgument(const char* text, long long length, std::u32string& out)
{
    std::size_t bytes = 0;
    if (!ResolveTextLength(text, length, bytes))
        return false;
    out = DecodeUtf8Chars(std::string_view(text ? text : "", bytes));
    return true;
}

// Where a run starts on the baseline, in logical units, for the DC's
// alignment; updates the current position when the alignment asks for it.
POINT runOrigin(DeviceContext& dc, int x, int y, int width, const FontMetrics& m)
{
    const UINT align = dc.state().textAlign;
    POINT reference = (align & TA_UPDATECP) ? dc.state().currentPosition : POINT{x, y};
    long long left = reference.x;
    switch (align & TA_CENTER) {
    case TA_CENTER: left -= width / 2; break;
    case TA_RIGHT: left -= width; break;
    default: break;
    }
    long long baseline = reference.y;
    switch (align & TA_BASELINE) {
    case TA_BASELINE: break;
    case TA_BOTTOM: baseline -= m.descent; break;
    default: baseline += m.ascent; break;
    }
    if (align & TA_UPDATECP) {
        // Centred text leaves the position where it was.
        if ((align & TA_CENTER) == TA_LEFT)
            dc.state().currentPosition.x = clampCoordinate(left + width);
        else if ((align & TA_CENTER) == TA_RIGHT)
            dc.state().currentPosition.x = clampCoordinate(left);
    }
    return POINT{clampCoordinate(left), clampCoordinate(baseline)};
}

} // namespace

BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics)
{
    DeviceContext* d = LookupDc(dc);
    if (!d || !metrics)
        return FALSE;
    const LOGFONT& lf = d->font().logFont;
    RealizedFont& font = SelectedFont(*d);
    const FontMetrics& m = font.metrics();
    TEXTMETRIC tm{};
    tm.tmHeight = m.height;
    tm.tmAscent = m.ascent;
    tm.tmDescent = m.descent;
    tm.tmInternalLeading = m.internalLeading;
    tm.tmExternalLeading = m.externalLeading;
    tm.tmAveCharWidth = m.aveCharWidth;
    tm.tmMaxCharWidth = m.maxCharWidth;
    tm.tmWeight = lf.lfWeight > FW_DONTCARE ? lf.lfWeight : FW_NORMAL;
    tm.tmOverhang = m.overhang;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = u' ';
    tm.tmLastChar = u'\uFFFC';
    tm.tmDefaultChar = u'\x1F';
    tm.tmBreakChar = u' ';
    tm.tmItalic = lf.lfItalic ? 255 : 0;
    tm.tmUnderlined = lf.lfUnderline ? 255 : 0;
    tm.tmStruckOut = lf.lfStrikeOut ? 255 : 0;
    const FontFace* face = font.face();
    BYTE pitch = TMPF_VECTOR | TMPF_TRUETYPE;
    if (!face || !face->isFixedPitch())
        pitch |= TMPF_FIXED_PITCH;
    tm.tmPitchAndFamily = BYTE(pitch | familyOf(face));
    tm.tmCharSet = lf.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : lf.lfCharSet;
    *metrics = tm;
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, const char* text, int length, SIZE* size)
{
    DeviceContext* d = LookupDc(dc);
    std::u32string chars;
    if (!d || !size || !decodeArgument(text, length, chars))
        return FALSE;
    RealizedFont& font = SelectedFont(*d);
    *size = SIZE{MeasureRun(font, chars), font.metrics().height};
    return TRUE;
}

int GetTextFace(HDC dc, int size, char* name)
{
    DeviceContext* d = LookupDc(dc);
    if (!d)
        return 0;
    const LOGFONT& lf = d->font().logFont;
    std::string face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    if (face.empty()) {
        const FontFace* realized = SelectedFont(*d).face();
        face = realized ? realized->family() : std::string();
    }
    if (!name)
        return int(face.size()) + 1;
    if (size <= 0)
        return 0;
    std::size_t n = std::min(face.size(), std::size_t(size - 1));
    // Never cut a character in half.
    while (n > 0 && n < face.size() && (static_cast<unsigned char>(face[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(name, face.data(), n);
    name[n] = 0;
    return int(n) + 1;
}

BOOL TextOut(HDC dc, int x, int y, const char* text, int length)
{
    if (length < -1)
        return FALSE;
    return ExtTextOut(dc, x, y, 0, nullptr, text, length == -1 ? UINT(-1) : UINT(length), nullptr);
}

BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* r, const char* text, UINT length, const int* advances)
{
    DeviceContext* d = LookupDc(dc);
    std::u32string chars;
    if (!d || !decodeArgument(text, length == UINT(-1) ? -1 : (long long)length, chars))
        return FALSE;
    const DcState& state = d->state();
    RECT limit = kNoTextLimit;
    if (r) {
        RECT box = d->toTarget(Normalized(*r));
        if (options & ETO_CLIPPED)
            limit = box;
        // The opaque rectangle is filled even without text: a quick way to
        // paint a solid area.
        if (options & ETO_OPAQUE)
            FillTextRect(*d, box, kNoTextLimit, PixelFromColorRef(state.bkColor));
    }
    if (chars.empty())
        return TRUE;

    RealizedFont& font = SelectedFont(*d);
    const FontMetrics& m = font.metrics();
    GlyphRun run = LayOutRun(font, chars, advances);
    POINT pen = d->toTarget(runOrigin(*d, x, y, run.width, m));
    if (state.bkMode == OPAQUE)
        FillTextRect(*d, RECT{pen.x, pen.y - m.ascent, pen.x + run.width, pen.y + m.descent}, limit,
                     PixelFromColorRef(state.bkColor));
    const Pixel color = PixelFromColorRef(state.textColor);
    DrawGlyphRun(*d, run, pen, limit, color);
    DrawTextDecorations(*d, d->font().logFont, m, pen.x, pen.x + run.width, pen.y, limit, color);
    return TRUE;
}
