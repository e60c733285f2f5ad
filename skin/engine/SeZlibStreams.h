#pragma once
// zlib compression and decompression streams that wrap another stream with
// 8,192-byte buffers. They move one way only; anything else raises
// "Invalid stream operation".

#include "ui/component/Stream.h"

#include <cstddef>
#include <cstdint>
#include <memory>

enum class TCompressionLevel { Fastest = 1, Max = 9 };

class TCompressionStream : public TStream {
public:
    TCompressionStream(TCompressionLevel level, TStream& target);
    // Finishes the zlib stream; call Finish first to see its errors.
    ~TCompressionStream() override;
    TCompressionStream(const TCompressionStream&) = delete;
    TCompressionStream& operator=(const TCompressionStream&) = delete;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // Only the current position may be asked for.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override;
    void SetSize(std::int64_t size) override;
    // Writes the rest and the trailer; later writes raise.
    void Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
    TStream& target_;
    std::int64_t written_ = 0;
};

class TDecompressionStream : public TStream {
public:
    explicit TDecompressionStream(TStream& source);
    ~TDecompressionStream() override;
    TDecompressionStream(const TDecompressionStream&) = delete;
    TDecompressionStream& operator=(const TDecompressionStream&) = delete;

    // Raises EReadError for data that is not a valid zlib stream; returns
    // fewer bytes than asked only at its end.
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // The current position, or forward (by reading and dropping).
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override;
    void SetSize(std::int64_t size) override;

private:
    struct State;
    std::unique_ptr<State> state_;
    TStream& source_;
    std::int64_t position_ = 0;
};

// One whole zlib stream from `source`'s position, inflated into a single
// buffer that is never zero-filled, since every byte of it gets written.
// A memory stream is inflated from its own memory. Raises EReadError for
// data that is not a valid zlib stream, for data that ends early and for
// content larger than `limit` bytes.
struct TInflatedBytes {
    struct FreeBytes {
        void operator()(std::uint8_t* bytes) const;
    };
    std::unique_ptr<std::uint8_t, FreeBytes> data;
    std::size_t size = 0;
};
TInflatedBytes InflateWhole(TStream& source, std::int64_t limit);
