#include "skin/engine/SeByteReader.h"

#include "platform/ByteOrder.h"

#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SeStreamIo.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <algorithm>
#include <cstring>

void TSeByteReader::Require(std::int64_t count, const char* what) const
{
    const auto left = std::int64_t(Left());
    if (count < 0 || count > left)
        throw EReadError("Corrupt skin stream: " + std::string(what) + " of " + std::to_string(count) +
                         " bytes, but only " + std::to_string(left) + " bytes left");
}

std::int32_t TSeByteReader::ReadInt32()
{
    if (Left() < 4)
        throw EReadError("Stream read error");
    return std::int32_t(brio::readLittleEndian32(Take(4)));
}

std::string_view TSeByteReader::ReadStreamStringView()
{
    const std::int32_t length = ReadInt32();
    Require(length, "a string");
    return std::string_view(reinterpret_cast<const char*>(Take(std::size_t(length))), std::size_t(length));
}

std::string TSeByteReader::ReadStreamString() { return std::string(ReadStreamStringView()); }

void TSeByteReader::endReached() { InvalidStreamOperation(); }

std::int64_t TSeBytesStream::Read(void* buffer, std::int64_t count)
{
    const std::int64_t n = std::clamp<std::int64_t>(size_ - position_, 0, std::max<std::int64_t>(count, 0));
    if (n > 0)
        std::memcpy(buffer, data_ + position_, std::size_t(n));
    position_ += n;
    return n;
}

std::int64_t TSeBytesStream::Write(const void*, std::int64_t) { InvalidStreamOperation(); }
void TSeBytesStream::SetSize(std::int64_t) { InvalidStreamOperation(); }

std::int64_t TSeBytesStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    const std::int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position_ : size_;
    if (offset < -base)
        InvalidStreamOperation();
    position_ = base + offset;
    return position_;
}

namespace {

TSeByteReader viewOf(TStream& stream, std::int64_t start, std::unique_ptr<std::uint8_t[]>& copy)
{
    if (auto* memory = dynamic_cast<TMemoryStream*>(&stream)) {
        const std::int64_t size = memory->Size();
        const std::int64_t from = std::min(start, size);
        return TSeByteReader(memory->Memory() + from, std::size_t(size - from));
    }
    const std::int64_t left = std::max<std::int64_t>(BytesLeft(stream), 0);
    copy.reset(new std::uint8_t[std::size_t(left) + 1]);
    stream.ReadBuffer(copy.get(), left);
    return TSeByteReader(copy.get(), std::size_t(left));
}

} // namespace

TSeStreamBytes::TSeStreamBytes(TStream& stream)
    : stream_(stream), start_(stream.Position()), reader_(viewOf(stream, start_, copy_))
{
}

TSeStreamBytes::~TSeStreamBytes() = default;

void TSeStreamBytes::Finish() { stream_.Seek(start_ + std::int64_t(reader_.Position()), soBeginning); }
