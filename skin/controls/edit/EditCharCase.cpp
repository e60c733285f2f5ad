// Case conversion through the C library's UTF-8 character tables, which
// know every script; the plain "C" tables know ASCII only.

#include "skin/controls/edit/EditCharCase.h"

#include "platform/text/Utf16.h"

#include <locale.h>
#include <wctype.h>

namespace brio {

namespace {

locale_t caseLocale()
{
    // Made once and kept: it is never freed, like the tables it points at.
    static locale_t locale = [] {
        locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
        return made ? made : newlocale(LC_CTYPE_MASK, "C", locale_t(nullptr));
    }();
    return locale;
}

char32_t convert(char32_t c, TEditCharCase charCase)
{
    if (c < 0x80) {
        if (charCase == ecUpperCase && c >= 'a' && c <= 'z')
            return c - 'a' + 'A';
        if (charCase == ecLowerCase && c >= 'A' && c <= 'Z')
            return c - 'A' + 'a';
        return c;
    }
    locale_t locale = caseLocale();
    if (!locale)
        return c;
    wint_t converted = charCase == ecUpperCase ? towupper_l(wint_t(c), locale) : towlower_l(wint_t(c), locale);
    return char32_t(converted);
}

} // namespace

std::u16string ApplyCharCase(std::u16string text, TEditCharCase charCase)
{
    if (charCase == ecNormal || text.empty())
        return text;
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            char32_t c = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            char32_t converted = convert(c, charCase);
            AppendUtf16(out, converted >= 0x10000 ? converted : c);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            out += unit; // a lone half stays as it is
        } else {
            char32_t c = convert(unit, charCase);
            // A letter whose other case would change its length in units
            // stays: positions and MaxLength were counted on it.
            out += c <= 0xFFFF ? char16_t(c) : unit;
        }
    }
    return out;
}

} // namespace brio
