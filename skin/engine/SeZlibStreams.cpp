#include "skin/engine/SeZlibStreams.h"

#include "ui/Exception.h"

#include <zlib.h>

#include <cstring>

namespace {

constexpr std::size_t BufferSize = 8192;

[[noreturn]] void invalidOperation() { throw EStreamError("Invalid stream operation"); }

} // namespace

struct TCompressionStream::State {
    z_stream z{};
    unsigned char buffer[BufferSize];
    bool finished = false;
};

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& target)
    : state_(std::make_unique<State>()), target_(target)
{
    if (deflateInit(&state_->z, int(level)) != Z_OK)
        throw EStreamError("Cannot start zlib compression");
}

TCompressionStream::~TCompressionStream()
{
    try {
        Finish();
    } catch (...) {
        // Destructors do not throw; Finish reported it to callers who asked.
    }
    deflateEnd(&state_->z);
}

void TCompressionStream::Finish()
{
    if (state_->finished)
        return;
    state_->finished = true;
    z_stream& z = state_->z;
    z.next_in = nullptr;
    z.avail_in = 0;
    int result;
    do {
        z.next_out = state_->buffer;
        z.avail_out = BufferSize;
        result = deflate(&z, Z_FINISH);
        target_.WriteBuffer(state_->buffer, std::int64_t(BufferSize - z.avail_out));
    } while (result == Z_OK);
    if (result != Z_STREAM_END)
        throw EStreamError("zlib compression failed");
}

std::int64_t TCompressionStream::Read(void*, std::int64_t) { invalidOperation(); }

std::int64_t TCompressionStream::Write(const void* buffer, std::int64_t count)
{
    if (state_->finished)
        invalidOperation();
    z_stream& z = state_->z;
    const auto* in = static_cast<const unsigned char*>(buffer);
    std::int64_t left = count;
    while (left > 0) {
        const auto chunk = uInt(std::min<std::int64_t>(left, 1 << 30));
        z.next_in = const_cast<unsigned char*>(in);
        z.avail_in = chunk;
        while (z.avail_in > 0) {
            z.next_out = state_->buffer;
            z.avail_out = BufferSize;
            if (deflate(&z, Z_NO_FLUSH) == Z_STREAM_ERROR)
                throw EStreamError("zlib compression failed");
            target_.WriteBuffer(state_->buffer, std::int64_t(BufferSize - z.avail_out));
        }
        in += chunk;
        left -= chunk;
    }
    written_ += count;
    return count;
}

std::int64_t TCompressionStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    if (origin == soCurrent && offset == 0)
        return written_;
    invalidOperation();
}

std::int64_t TCompressionStream::Size() { invalidOperation(); }
void TCompressionStream::SetSize(std::int64_t) { invalidOperation(); }

struct TDecompressionStream::State {
    z_stream z{};
    unsigned char buffer[BufferSize];
    bool ended = false;
};

TDecompressionStream::TDecompressionStream(TStream& source) : state_(std::make_unique<State>()), source_(source)
{
    if (inflateInit(&state_->z) != Z_OK)
        throw EStreamError("Cannot start zlib decompression");
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&state_->z); }

std::int64_t TDecompressionStream::Read(void* buffer, std::int64_t count)
{
    z_stream& z = state_->z;
    auto* out = static_cast<unsigned char*>(buffer);
    std::int64_t done = 0;
    while (done < count && !state_->ended) {
        if (z.avail_in == 0) {
            const std::int64_t got = source_.Read(state_->buffer, BufferSize);
            if (got <= 0)
                throw EReadError("Corrupt skin stream: the compressed data ends early");
            z.next_in = state_->buffer;
            z.avail_in = uInt(got);
        }
        const auto want = uInt(std::min<std::int64_t>(count - done, 1 << 30));
        z.next_out = out + done;
        z.avail_out = want;
        const int result = inflate(&z, Z_NO_FLUSH);
        done += want - z.avail_out;
        if (result == Z_STREAM_END)
            state_->ended = true;
        else if (result != Z_OK && result != Z_BUF_ERROR)
            throw EReadError(std::string("Corrupt skin stream: ") + (z.msg ? z.msg : "invalid compressed data"));
    }
    position_ += done;
    return done;
}

std::int64_t TDecompressionStream::Write(const void*, std::int64_t) { invalidOperation(); }

std::int64_t TDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    std::int64_t target = origin == soBeginning ? offset : origin == soCurrent ? position_ + offset : -1;
    if (target < position_)
        invalidOperation();
    unsigned char scratch[BufferSize];
    while (position_ < target) {
        if (Read(scratch, std::min<std::int64_t>(target - position_, BufferSize)) == 0)
            break;
    }
    return position_;
}

std::int64_t TDecompressionStream::Size() { invalidOperation(); }
void TDecompressionStream::SetSize(std::int64_t) { invalidOperation(); }
