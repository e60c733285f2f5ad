#pragma once
// UTF-8 to code points for the text functions. Bad input never stops the
// text: each invalid or truncated sequence reads as U+FFFD.

#include <cstddef>
#include <string>
#include <string_view>

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point starting at text[pos] and moves pos past it (always
// by at least one byte). pos must be below text.size().
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

std::u32string DecodeUtf8Chars(std::string_view text);

// The length the classic text calls accept: -1 counts up to the terminating
// zero; any other negative count is refused (false).
bool ResolveTextLength(const char* text, long long length, std::size_t& bytes);
