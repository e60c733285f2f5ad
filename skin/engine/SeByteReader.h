#pragma once
// Reading skin content straight out of memory: little-endian integers,
// length-prefixed strings and raw blocks from a byte range, every count
// checked against the bytes left. Every skin reader is built on it; a
// stream is read through TSeStreamBytes. Loading a skin parses its
// inflated bytes in place instead of copying them through memory streams.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ui/component/Stream.h"

class TSeByteReader {
public:
    TSeByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t Left() const { return size_ - position_; }
    std::size_t Position() const { return position_; }
    bool AtEnd() const { return position_ == size_; }

    // Raises EReadError "Corrupt skin stream: <what> of <count> bytes, but
    // only <left> bytes left" when fewer than `count` remain or it is negative.
    void Require(std::int64_t count, const char* what) const;
    // Raises EReadError "Stream read error" when fewer than four bytes remain.
    std::int32_t ReadInt32();
    // int32 byte count, then the bytes; checked as ReadStreamString checks.
    std::string ReadStreamString();
    std::string_view ReadStreamStringView();
    // `count` bytes that the caller has already checked with Require.
    const std::uint8_t* Take(std::size_t count)
    {
        const std::uint8_t* at = data_ + position_;
        position_ += count;
        return at;
    }
    // A component-stream byte; raises "Invalid stream operation" at the end.
    std::uint8_t ReadByte()
    {
        if (AtEnd())
            endReached();
        return data_[position_++];
    }

private:
    [[noreturn]] static void endReached();

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// A read-only stream over bytes held elsewhere, so that readers taking a
// stream (BMP files) parse a block of skin content without a copy.
class TSeBytesStream : public TStream {
public:
    TSeBytesStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(std::int64_t(size)) {}
    std::int64_t Read(void* buffer, std::int64_t count) override;
    // Raises "Invalid stream operation".
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return size_; }
    void SetSize(std::int64_t size) override;

private:
    const std::uint8_t* data_;
    std::int64_t size_;
    std::int64_t position_ = 0;
};

// The bytes a stream still holds: a memory stream's own memory, or for any
// other stream the rest read into a buffer. Finish moves the stream just
// past what the reader used.
class TSeStreamBytes {
public:
    explicit TSeStreamBytes(TStream& stream);
    ~TSeStreamBytes();
    TSeStreamBytes(const TSeStreamBytes&) = delete;
    TSeStreamBytes& operator=(const TSeStreamBytes&) = delete;

    TSeByteReader& Reader() { return reader_; }
    void Finish();

private:
    TStream& stream_;
    std::int64_t start_;
    std::unique_ptr<std::uint8_t[]> copy_;
    TSeByteReader reader_;
};
