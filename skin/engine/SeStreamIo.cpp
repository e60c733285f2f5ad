#include "skin/engine/SeStreamIo.h"

#include "ui/component/Stream.h"

std::int64_t BytesLeft(TStream& stream) { return stream.Size() - stream.Position(); }

void WriteInt32(TStream& stream, std::int32_t value)
{
    const auto v = std::uint32_t(value);
    const unsigned char b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    stream.WriteBuffer(b, 4);
}

void WriteStreamString(TStream& stream, const std::string& text)
{
    WriteInt32(stream, std::int32_t(text.size()));
    if (!text.empty())
        stream.WriteBuffer(text.data(), std::int64_t(text.size()));
}
