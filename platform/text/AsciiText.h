#pragma once
// ASCII-only case folding, comparison and trimming, for names, keys and
// file patterns that match without regard to case. Bytes from 0x80 up
// (parts of UTF-8 characters) pass through untouched and compare exactly,
// and no locale is consulted.

#include <string>
#include <string_view>

namespace brio {

// Space and tab, the padding of INI lines, filters and player files.
inline constexpr std::string_view kAsciiBlanks = " \t";
// Blanks and line ends (a CR left over from a CRLF line among them).
inline constexpr std::string_view kAsciiSpace = " \t\r\n\v\f";

constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
constexpr char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
std::string asciiLower(std::string_view text);

// `text` without the leading and trailing characters found in `blanks`.
std::string asciiTrim(std::string_view text, std::string_view blanks = kAsciiBlanks);

// Below, at or above zero as `a` sorts before, with or after `b`, with
// letters folded to lower case.
int asciiCompareNoCase(std::string_view a, std::string_view b);
bool asciiEqualNoCase(std::string_view a, std::string_view b);
bool asciiStartsWithNoCase(std::string_view text, std::string_view prefix);

} // namespace brio
