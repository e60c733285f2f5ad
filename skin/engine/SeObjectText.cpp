#include "skin/engine/SeObjectText.h"

#include "skin/engine/SeComponentStream.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <array>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr const char* Eol = "\r\n";
// Bytes per line of a long binary value, and the length from which a value
// is split over lines.
constexpr std::size_t BytesPerLine = 32;

void appendQuoted(std::string& out, const std::string& text)
{
    if (text.empty()) {
        out += "''";
        return;
    }
    bool inQuotes = false;
    for (unsigned char c : text) {
        if (c >= 32 && c <= 126) {
            if (!inQuotes) {
                out += '\'';
                inQuotes = true;
            }
            if (c == '\'')
                out += '\'';
            out += char(c);
        } else {
            if (inQuotes) {
                out += '\'';
                inQuotes = false;
            }
            out += '#';
            out += std::to_string(int(c));
        }
    }
    if (inQuotes)
        out += '\'';
}

void appendValue(std::string& out, const TSeValue& value, const std::string& indent)
{
    static const char hex[] = "0123456789ABCDEF";
    switch (value.type) {
    case TSeValueType::Null: out += "Null"; break;
    case TSeValueType::Integer: out += std::to_string(value.integer); break;
    case TSeValueType::Ident: out += value.text; break;
    case TSeValueType::String: appendQuoted(out, value.text); break;
    case TSeValueType::Boolean: out += value.boolean ? "True" : "False"; break;
    case TSeValueType::Set:
        out += '[';
        for (std::size_t i = 0; i < value.items.size(); ++i) {
            if (i)
                out += ", ";
            out += value.items[i];
        }
        out += ']';
        break;
    case TSeValueType::Binary: {
        out += '{';
        const bool multiLine = value.bytes.size() >= BytesPerLine;
        for (std::size_t i = 0; i < value.bytes.size(); ++i) {
            if (multiLine && i % BytesPerLine == 0) {
                out += Eol;
                out += indent;
            }
            out += hex[value.bytes[i] >> 4];
            out += hex[value.bytes[i] & 15];
        }
        out += '}';
        break;
    }
    }
}

// ---- Parsing ---------------------------------------------------------------------------

// Character classes of the classic "C" locale, looked up once per byte.
enum CharClass : std::uint8_t { Other = 0, Blank = 1, Letter = 2, Digit = 4, Underscore = 8, Dot = 16 };

constexpr std::array<std::uint8_t, 256> makeClasses()
{
    std::array<std::uint8_t, 256> table{};
    for (int c : {' ', '\t', '\n', '\v', '\f', '\r'})
        table[std::size_t(c)] = Blank;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[std::size_t(c)] = Letter;
    for (int c = 'a'; c <= 'z'; ++c)
        table[std::size_t(c)] = Letter;
    for (int c = '0'; c <= '9'; ++c)
        table[std::size_t(c)] = Digit;
    table['_'] = Underscore;
    table['.'] = Dot;
    return table;
}
constexpr std::array<std::uint8_t, 256> classes = makeClasses();

// Hexadecimal digit values; NotHex for everything else.
constexpr std::uint8_t NotHex = 0xFF;
constexpr std::array<std::uint8_t, 256> makeHexDigits()
{
    std::array<std::uint8_t, 256> table{};
    for (auto& entry : table)
        entry = NotHex;
    for (int c = 0; c < 10; ++c)
        table[std::size_t('0' + c)] = std::uint8_t(c);
    for (int c = 0; c < 6; ++c) {
        table[std::size_t('A' + c)] = std::uint8_t(10 + c);
        table[std::size_t('a' + c)] = std::uint8_t(10 + c);
    }
    return table;
}
constexpr std::array<std::uint8_t, 256> hexDigits = makeHexDigits();

inline bool isBlank(char c) { return classes[std::uint8_t(c)] == Blank; }
inline bool isDigit(char c) { return classes[std::uint8_t(c)] == Digit; }
inline bool startsWord(char c) { return (classes[std::uint8_t(c)] & (Letter | Underscore)) != 0; }
inline bool inWord(char c) { return (classes[std::uint8_t(c)] & (Letter | Digit | Underscore | Dot)) != 0; }

// Eight upper-case hexadecimal digits (as the writer puts them) into four
// bytes, all lanes of a 64-bit word at once; false, writing nothing, when
// any of the eight is something else.
bool decodeEightHexDigits(const char* text, std::uint8_t* out)
{
    constexpr std::uint64_t Ones = 0x0101010101010101;
    constexpr std::uint64_t High = Ones * 0x80;
    std::uint64_t x;
    std::memcpy(&x, text, 8);
    if (x & High)
        return false;
    // With every byte below 0x80, adding (0x80 - bound) sets a byte's top
    // bit exactly when the byte is at least `bound`, and no carry crosses
    // into the next byte.
    auto atLeast = [x](std::uint64_t bound) { return (x + Ones * (0x80 - bound)) & High; };
    const std::uint64_t digit = atLeast('0') & ~atLeast('9' + 1);
    const std::uint64_t letter = atLeast('A') & ~atLeast('F' + 1);
    if ((digit | letter) != High)
        return false;
    // '0'-'9' keep their low nibble; 'A'-'F' have 1-6 there and bit 6 set.
    const std::uint64_t nibbles = (x & Ones * 0x0F) + ((x >> 6) & Ones) * 9;
    // Text order is memory order: the first digit of each pair is the low
    // byte of its 16-bit lane.
    std::uint64_t pairs = ((nibbles & 0x00FF00FF00FF00FF) << 4) | ((nibbles >> 8) & 0x00FF00FF00FF00FF);
    pairs = (pairs | (pairs >> 8)) & 0x0000FFFF0000FFFF;
    pairs = (pairs | (pairs >> 16)) & 0x00000000FFFFFFFF;
    const auto bytes = std::uint32_t(pairs);
    std::memcpy(out, &bytes, 4);
    return true;
}

#if defined(__SSE2__)
// Sixteen characters as nibbles; `valid` has all ones in the lanes that
// held an upper-case hexadecimal digit.
inline __m128i hexNibbles(__m128i x, __m128i& valid)
{
    const __m128i digit = _mm_sub_epi8(x, _mm_set1_epi8('0'));
    const __m128i letter = _mm_sub_epi8(x, _mm_set1_epi8('A'));
    // Unsigned "at most": min(v, bound) == v.
    const __m128i isDigit = _mm_cmpeq_epi8(_mm_min_epu8(digit, _mm_set1_epi8(9)), digit);
    const __m128i isLetter = _mm_cmpeq_epi8(_mm_min_epu8(letter, _mm_set1_epi8(5)), letter);
    valid = _mm_or_si128(isDigit, isLetter);
    // 'A' is 17 past '0', seven more than its value of 10.
    return _mm_sub_epi8(digit, _mm_and_si128(isLetter, _mm_set1_epi8(7)));
}

// Each pair of nibbles as one byte in the low half of its 16-bit lane; the
// first digit of a pair is the low byte of the lane.
inline __m128i joinNibblePairs(__m128i nibbles)
{
    return _mm_and_si128(_mm_or_si128(_mm_slli_epi16(nibbles, 4), _mm_srli_epi16(nibbles, 8)),
                         _mm_set1_epi16(0x00FF));
}

// Sixteen upper-case digits into eight bytes in one step; false, writing
// nothing, when any of the sixteen is something else.
bool decodeSixteenHexDigits(const char* text, std::uint8_t* out)
{
    __m128i valid;
    const __m128i nibbles = hexNibbles(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text)), valid);
    if (_mm_movemask_epi8(valid) != 0xFFFF)
        return false;
    const __m128i bytes = joinNibblePairs(nibbles);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(bytes, bytes));
    return true;
}

// The same for thirty-two digits into sixteen bytes.
bool decodeThirtyTwoHexDigits(const char* text, std::uint8_t* out)
{
    __m128i validFirst, validSecond;
    const __m128i first = hexNibbles(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text)), validFirst);
    const __m128i second = hexNibbles(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + 16)), validSecond);
    if (_mm_movemask_epi8(_mm_and_si128(validFirst, validSecond)) != 0xFFFF)
        return false;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_packus_epi16(joinNibblePairs(first), joinNibblePairs(second)));
    return true;
}
#endif

// The first position from `pos` on that is not blank (or `size`); a line
// break and the indent after it go sixteen bytes a step where SSE2 is there.
std::size_t skipBlankRun(const char* text, std::size_t pos, std::size_t size)
{
#if defined(__SSE2__)
    while (pos + 16 <= size) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + pos));
        // Blank: a space, or '\t' to '\r'.
        const __m128i control = _mm_sub_epi8(x, _mm_set1_epi8('\t'));
        const __m128i blank = _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(' ')),
                                           _mm_cmpeq_epi8(_mm_min_epu8(control, _mm_set1_epi8(4)), control));
        const unsigned notBlank = ~unsigned(_mm_movemask_epi8(blank)) & 0xFFFF;
        if (notBlank)
            return pos + std::size_t(__builtin_ctz(notBlank));
        pos += 16;
    }
#endif
    while (pos < size && isBlank(text[pos]))
        ++pos;
    return pos;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    TSeStreamedObject parse()
    {
        TSeStreamedObject object;
        if (word() != "object")
            fail("\"object\" expected");
        const std::string_view first = word();
        if (first.empty())
            fail("class name expected");
        skipBlanks();
        if (peek() == ':') {
            ++pos_;
            object.name = first;
            object.className = word();
            if (object.className.empty())
                fail("class name expected");
        } else {
            object.className = first;
        }
        object.properties.reserve(TypicalPropertyCount);
        for (;;) {
            skipBlanks();
            if (pos_ >= text_.size())
                fail("\"end\" expected");
            const std::string_view name = word();
            if (name == "end")
                break;
            if (name.empty())
                fail("property name expected");
            if (name == "object" || name == "inherited" || name == "inline")
                fail("skin objects keep their children in Objects");
            skipBlanks();
            if (peek() != '=')
                fail("\"=\" expected");
            ++pos_;
            auto& property = object.properties.emplace_back(std::string(name), TSeValue{});
            value(property.second);
        }
        skipBlanks();
        if (pos_ != text_.size())
            fail("text after \"end\"");
        return object;
    }

private:
    // Enough for every class's published properties, so the list never
    // grows while it is filled.
    static constexpr std::size_t TypicalPropertyCount = 48;

    [[noreturn]] void fail(const std::string& what) const
    {
        int line = 1;
        for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i)
            line += text_[i] == '\n';
        throw EReadError("Invalid object text, line " + std::to_string(line) + ": " + what);
    }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    std::string_view word()
    {
        skipBlanks();
        const std::size_t start = pos_;
        if (pos_ < text_.size() && startsWord(text_[pos_]))
            while (pos_ < text_.size() && inWord(text_[pos_]))
                ++pos_;
        return text_.substr(start, pos_ - start);
    }

    void value(TSeValue& out)
    {
        skipBlanks();
        const char c = peek();
        if (c == '\'' || c == '#') {
            out.type = TSeValueType::String;
            quoted(out.text);
            return;
        }
        if (c == '-' || c == '+' || c == '$' || isDigit(c)) {
            out.type = TSeValueType::Integer;
            out.integer = integer();
            return;
        }
        if (c == '[')
            return set(out);
        if (c == '{')
            return binary(out);
        const std::string_view name = word();
        if (name.empty())
            fail("value expected");
        if (name == "True") {
            out = TSeValue::Boolean(true);
        } else if (name == "False") {
            out = TSeValue::Boolean(false);
        } else if (name != "Null") {
            out.type = TSeValueType::Ident;
            out.text = name;
        }
    }

    std::int64_t integer()
    {
        bool negative = false;
        if (peek() == '-' || peek() == '+')
            negative = text_[pos_++] == '-';
        const bool hex = peek() == '$';
        if (hex)
            ++pos_;
        const unsigned base = hex ? 16 : 10;
        std::uint64_t v = 0;
        std::size_t digits = 0;
        while (pos_ < text_.size()) {
            const std::uint8_t digit = hexDigits[std::uint8_t(text_[pos_])];
            if (digit >= base)
                break;
            v = v * base + digit;
            if (v > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
                fail("number too large");
            ++pos_;
            ++digits;
        }
        if (digits == 0)
            fail("number expected");
        return negative ? -std::int64_t(v) : std::int64_t(v);
    }

    void quoted(std::string& out)
    {
        for (;;) {
            if (peek() == '\'') {
                ++pos_;
                for (;;) {
                    // The run up to the next quote or line end goes in whole.
                    std::size_t end = pos_;
                    while (end < text_.size() && text_[end] != '\'' && text_[end] != '\r' && text_[end] != '\n')
                        ++end;
                    out.append(text_.data() + pos_, end - pos_);
                    pos_ = end;
                    if (pos_ >= text_.size() || text_[pos_] != '\'')
                        fail("unterminated string");
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                        out += '\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
            } else if (peek() == '#') {
                ++pos_;
                std::size_t digits = 0;
                int code = 0;
                while (isDigit(peek()) && digits < 4) {
                    code = code * 10 + (text_[pos_++] - '0');
                    ++digits;
                }
                if (digits == 0 || code > 255)
                    fail("character code 0 to 255 expected");
                out += char(code);
            } else {
                // A long string may go on over lines after " +".
                const std::size_t save = pos_;
                skipBlanks();
                if (peek() == '+') {
                    ++pos_;
                    skipBlanks();
                    if (peek() == '\'' || peek() == '#')
                        continue;
                    fail("string expected after \"+\"");
                }
                pos_ = save;
                return;
            }
        }
    }

    void set(TSeValue& out)
    {
        ++pos_;
        out.type = TSeValueType::Set;
        skipBlanks();
        if (peek() == ']') {
            ++pos_;
            return;
        }
        for (;;) {
            const std::string_view item = word();
            if (item.empty())
                fail("set member expected");
            out.items.emplace_back(item);
            skipBlanks();
            if (peek() == ']') {
                ++pos_;
                return;
            }
            if (peek() != ',')
                fail("\",\" or \"]\" expected");
            ++pos_;
        }
    }

    void binary(TSeValue& out)
    {
        ++pos_;
        out.type = TSeValueType::Binary;
        // Two digits a byte at most, up to the closing brace; the unused
        // tail is cut off at the end.
        const std::size_t close = text_.find('}', pos_);
        out.bytes.resize(((close == std::string_view::npos ? text_.size() : close) - pos_) / 2);
        std::uint8_t* const first = out.bytes.data();
        std::uint8_t* next = first;
        const char* const text = text_.data();
        const std::size_t size = text_.size();
        std::size_t pos = pos_;
        int high = -1;
        for (;;) {
            // Whole lines of digits go thirty-two, sixteen or eight
            // characters a step, the rest of a line two at a time.
            if (high < 0) {
                // A line of whole steps ends on a line break, which no
                // step needs to try.
#if defined(__SSE2__)
                for (;;) {
                    while (pos + 32 <= size && !isBlank(text[pos]) && decodeThirtyTwoHexDigits(text + pos, next)) {
                        next += 16;
                        pos += 32;
                    }
                    // The usual layout: a line break and an indent, and the
                    // next line starts with a whole step. Anything else is
                    // left to the steps below from the same position.
                    if (pos >= size || !isBlank(text[pos]))
                        break;
                    const std::size_t line = skipBlankRun(text, pos, size);
                    if (line + 32 > size || !decodeThirtyTwoHexDigits(text + line, next))
                        break;
                    next += 16;
                    pos = line + 32;
                }
                while (pos + 16 <= size && !isBlank(text[pos]) && decodeSixteenHexDigits(text + pos, next)) {
                    next += 8;
                    pos += 16;
                }
#endif
                while (pos + 8 <= size && !isBlank(text[pos]) && decodeEightHexDigits(text + pos, next)) {
                    next += 4;
                    pos += 8;
                }
                while (pos + 1 < size && !isBlank(text[pos])) {
                    const std::uint8_t a = hexDigits[std::uint8_t(text[pos])];
                    const std::uint8_t b = hexDigits[std::uint8_t(text[pos + 1])];
                    if ((a | b) > 15)
                        break;
                    *next++ = std::uint8_t(a << 4 | b);
                    pos += 2;
                }
            }
            pos = skipBlankRun(text, pos, size);
            if (pos >= size) {
                pos_ = pos;
                fail("\"}\" expected");
            }
            // A new line of whole pairs goes back to the fast steps, which
            // take at least this pair.
            if (high < 0 && pos + 1 < size &&
                (hexDigits[std::uint8_t(text[pos])] | hexDigits[std::uint8_t(text[pos + 1])]) <= 15)
                continue;
            const char c = text[pos++];
            const std::uint8_t digit = hexDigits[std::uint8_t(c)];
            if (digit == NotHex) {
                if (c == '}')
                    break;
                pos_ = pos;
                fail("hexadecimal digit expected");
            }
            if (high < 0) {
                high = digit;
            } else {
                *next++ = std::uint8_t(high << 4 | digit);
                high = -1;
            }
        }
        pos_ = pos;
        if (high >= 0)
            fail("odd number of hexadecimal digits");
        out.bytes.resize(std::size_t(next - first));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::string StreamedObjectToText(const TSeStreamedObject& object)
{
    std::string out = "object ";
    if (!object.name.empty())
        out += object.name + ": ";
    out += object.className;
    out += Eol;
    for (const auto& [name, value] : object.properties) {
        out += "  " + name + " = ";
        appendValue(out, value, "    ");
        out += Eol;
    }
    out += "end";
    out += Eol;
    return out;
}

TSeStreamedObject TextToStreamedObject(std::string_view text) { return Parser(text).parse(); }

std::string ObjectBinaryToText(const std::vector<std::uint8_t>& binary)
{
    TMemoryStream stream;
    if (!binary.empty())
        stream.WriteBuffer(binary.data(), std::int64_t(binary.size()));
    stream.SetPosition(0);
    return StreamedObjectToText(ReadStreamedObject(stream));
}

void ObjectTextToBinary(const std::string& text, TStream& binary)
{
    WriteStreamedObject(binary, TextToStreamedObject(text));
}
