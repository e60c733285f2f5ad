#pragma once
// UTF-8 and UTF-16 conversions, for code that indexes characters and for
// UTF-16 data from outside (clipboard blocks, typed characters). Invalid
// input (broken UTF-8, unpaired surrogates) turns into U+FFFD, never into a
// shorter or longer string than it should.

#include <string>
#include <string_view>

namespace brio {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// One code point as one unit or a surrogate pair.
void AppendUtf16(std::u16string& out, char32_t c);

constexpr bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace brio
