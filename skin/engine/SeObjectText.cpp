#include "skin/engine/SeObjectText.h"

#include "skin/engine/SeComponentStream.h"
#include "ui/Exception.h"
#include "ui/Stream.h"

#include <cctype>
#include <limits>

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

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    TSeStreamedObject parse()
    {
        TSeStreamedObject object;
        if (word() != "object")
            fail("\"object\" expected");
        std::string first = word();
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
        for (;;) {
            skipBlanks();
            if (pos_ >= text_.size())
                fail("\"end\" expected");
            const std::string name = word();
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
            object.properties.emplace_back(name, value());
        }
        skipBlanks();
        if (pos_ != text_.size())
            fail("text after \"end\"");
        return object;
    }

private:
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
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }

    static bool identChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

    std::string word()
    {
        skipBlanks();
        const std::size_t start = pos_;
        if (pos_ < text_.size() && (std::isalpha(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            while (pos_ < text_.size() && identChar(text_[pos_]))
                ++pos_;
        return text_.substr(start, pos_ - start);
    }

    TSeValue value()
    {
        skipBlanks();
        const char c = peek();
        if (c == '\'' || c == '#')
            return TSeValue::String(quoted());
        if (c == '-' || c == '+' || c == '$' || std::isdigit(static_cast<unsigned char>(c)))
            return TSeValue::Integer(integer());
        if (c == '[')
            return set();
        if (c == '{')
            return binary();
        const std::string name = word();
        if (name.empty())
            fail("value expected");
        if (name == "True")
            return TSeValue::Boolean(true);
        if (name == "False")
            return TSeValue::Boolean(false);
        if (name == "Null")
            return TSeValue{};
        return TSeValue::Ident(name);
    }

    std::int64_t integer()
    {
        bool negative = false;
        if (peek() == '-' || peek() == '+')
            negative = text_[pos_++] == '-';
        const bool hex = peek() == '$';
        if (hex)
            ++pos_;
        std::uint64_t v = 0;
        std::size_t digits = 0;
        while (pos_ < text_.size()) {
            const char d = text_[pos_];
            int digit;
            if (d >= '0' && d <= '9')
                digit = d - '0';
            else if (hex && std::isxdigit(static_cast<unsigned char>(d)))
                digit = std::toupper(d) - 'A' + 10;
            else
                break;
            v = v * (hex ? 16 : 10) + std::uint64_t(digit);
            if (v > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
                fail("number too large");
            ++pos_;
            ++digits;
        }
        if (digits == 0)
            fail("number expected");
        return negative ? -std::int64_t(v) : std::int64_t(v);
    }

    std::string quoted()
    {
        std::string out;
        for (;;) {
            if (peek() == '\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n')
                        fail("unterminated string");
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            out += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    out += text_[pos_++];
                }
            } else if (peek() == '#') {
                ++pos_;
                std::size_t digits = 0;
                int code = 0;
                while (std::isdigit(static_cast<unsigned char>(peek())) && digits < 4) {
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
                return out;
            }
        }
    }

    TSeValue set()
    {
        ++pos_;
        TSeValue value;
        value.type = TSeValueType::Set;
        skipBlanks();
        if (peek() == ']') {
            ++pos_;
            return value;
        }
        for (;;) {
            std::string item = word();
            if (item.empty())
                fail("set member expected");
            value.items.push_back(std::move(item));
            skipBlanks();
            if (peek() == ']') {
                ++pos_;
                return value;
            }
            if (peek() != ',')
                fail("\",\" or \"]\" expected");
            ++pos_;
        }
    }

    TSeValue binary()
    {
        ++pos_;
        TSeValue value;
        value.type = TSeValueType::Binary;
        int high = -1;
        for (;;) {
            skipBlanks();
            if (pos_ >= text_.size())
                fail("\"}\" expected");
            const char c = text_[pos_++];
            if (c == '}')
                break;
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                fail("hexadecimal digit expected");
            const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10;
            if (high < 0) {
                high = digit;
            } else {
                value.bytes.push_back(std::uint8_t(high << 4 | digit));
                high = -1;
            }
        }
        if (high >= 0)
            fail("odd number of hexadecimal digits");
        return value;
    }

    const std::string& text_;
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

TSeStreamedObject TextToStreamedObject(const std::string& text) { return Parser(text).parse(); }

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
