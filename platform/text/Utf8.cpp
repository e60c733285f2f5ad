#include "platform/text/Utf8.h"

#include <cstdint>
#include <cstring>

char32_t NextCodePoint(std::string_view text, std::size_t& pos)
{
    auto byteAt = [&](std::size_t i) { return std::uint8_t(text[i]); };
    std::uint8_t lead = byteAt(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int extra;
    char32_t value;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return kReplacementCharacter;
    }
    std::size_t i = pos + 1;
    for (int k = 0; k < extra; ++k, ++i) {
        if (i >= text.size() || (byteAt(i) & 0xC0) != 0x80) {
            // A broken sequence costs only the bytes read so far.
            pos = i;
            return kReplacementCharacter;
        }
        value = (value << 6) | (byteAt(i) & 0x3F);
    }
    pos = i;
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return kReplacementCharacter;
    return value;
}

std::u32string DecodeUtf8Chars(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size())
        out.push_back(NextCodePoint(text, pos));
    return out;
}

bool ResolveTextLength(const char* text, long long length, std::size_t& bytes)
{
    bytes = 0;
    if (length == -1) {
        if (!text)
            return false;
        bytes = std::strlen(text);
        return true;
    }
    if (length < 0)
        return false;
    if (length > 0 && !text)
        return false;
    bytes = std::size_t(length);
    return true;
}
