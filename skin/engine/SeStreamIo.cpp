#include "skin/engine/SeStreamIo.h"

#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

std::int64_t BytesLeft(TStream& stream) { return stream.Size() - stream.Position(); }

void RequireBytes(TStream& stream, std::int64_t count, const char* what)
{
    const std::int64_t left = BytesLeft(stream);
    if (count < 0 || count > left)
        throw EReadError("Corrupt skin stream: " + std::string(what) + " of " + std::to_string(count) +
                         " bytes, but only " + std::to_string(left) + " bytes left");
}

std::int32_t ReadInt32(TStream& stream)
{
    unsigned char b[4];
    stream.ReadBuffer(b, 4);
    return std::int32_t(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                        std::uint32_t(b[3]) << 24);
}

void WriteInt32(TStream& stream, std::int32_t value)
{
    const auto v = std::uint32_t(value);
    const unsigned char b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    stream.WriteBuffer(b, 4);
}

std::string ReadStreamString(TStream& stream)
{
    const std::int32_t length = ReadInt32(stream);
    RequireBytes(stream, length, "a string");
    std::string text(std::size_t(length), '\0');
    if (length > 0)
        stream.ReadBuffer(text.data(), length);
    return text;
}

void WriteStreamString(TStream& stream, const std::string& text)
{
    WriteInt32(stream, std::int32_t(text.size()));
    if (!text.empty())
        stream.WriteBuffer(text.data(), std::int64_t(text.size()));
}
