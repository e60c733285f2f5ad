#include "skin/engine/SeStreamIo.h"

#include "platform/ByteOrder.h"

#include "ui/component/Stream.h"

std::int64_t BytesLeft(TStream& stream) { return stream.Size() - stream.Position(); }

void WriteInt32(TStream& stream, std::int32_t value)
{
    unsigned char b[4];
    brio::writeLittleEndian32(b, std::uint32_t(value));
    stream.WriteBuffer(b, 4);
}

void WriteStreamString(TStream& stream, const std::string& text)
{
    WriteInt32(stream, std::int32_t(text.size()));
    if (!text.empty())
        stream.WriteBuffer(text.data(), std::int64_t(text.size()));
}
