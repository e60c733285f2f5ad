#include "skin/engine/SeZlibStreams.h"

#include "ui/component/Exception.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

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

// ---- Whole streams ---------------------------------------------------------------------

void TInflatedBytes::FreeBytes::operator()(std::uint8_t* bytes) const { std::free(bytes); }

namespace {

// Skin content is mostly pixels and hexadecimal text, which zlib shrinks
// about tenfold; starting near that spares most regrowth.
constexpr std::int64_t ExpectedRatio = 12;
constexpr std::int64_t MinimumCapacity = 64 * 1024;
constexpr std::size_t InputChunk = 64 * 1024;

class Inflater {
public:
    Inflater()
    {
        if (inflateInit(&z_) != Z_OK)
            throw EStreamError("Cannot start zlib decompression");
    }
    ~Inflater() { inflateEnd(&z_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    z_stream& z() { return z_; }

private:
    z_stream z_{};
};

} // namespace

[[noreturn]] void tooLarge(std::int64_t limit)
{
    throw EReadError("Corrupt skin stream: the content inflates to more than " + std::to_string(limit >> 20) +
                     " MiB");
}

TInflatedBytes InflateWhole(TStream& source, std::int64_t limit)
{
    auto* memory = dynamic_cast<TMemoryStream*>(&source);
    const std::int64_t start = source.Position();
    const std::int64_t compressed = std::max<std::int64_t>(source.Size() - start, 0);
    // One byte past the limit tells a stream that is too large from one
    // that just fits.
    const std::int64_t ceiling = limit + 1;
    std::int64_t capacity = std::clamp(compressed * ExpectedRatio, std::min(MinimumCapacity, ceiling), ceiling);

    TInflatedBytes out;
    out.data.reset(static_cast<std::uint8_t*>(std::malloc(std::size_t(capacity))));
    if (!out.data)
        throw std::bad_alloc();
    Inflater inflater;
    z_stream& z = inflater.z();
    std::vector<std::uint8_t> chunk;
    const std::uint8_t* memoryInput = memory ? memory->Memory() + std::min(start, memory->Size()) : nullptr;
    std::int64_t memoryLeft = memory ? compressed : 0;
    bool inputEnded = false;
    for (;;) {
        if (std::int64_t(out.size) == capacity) {
            if (capacity == ceiling)
                tooLarge(limit);
            capacity = std::min(capacity * 2, ceiling);
            auto* grown = static_cast<std::uint8_t*>(std::realloc(out.data.get(), std::size_t(capacity)));
            if (!grown)
                throw std::bad_alloc();
            out.data.release();
            out.data.reset(grown);
        }
        if (z.avail_in == 0 && !inputEnded) {
            if (memory) {
                const std::int64_t take = std::min<std::int64_t>(memoryLeft, 1 << 30);
                z.next_in = const_cast<std::uint8_t*>(memoryInput);
                z.avail_in = uInt(take);
                memoryInput += take;
                memoryLeft -= take;
                inputEnded = memoryLeft == 0;
            } else {
                if (chunk.empty())
                    chunk.resize(InputChunk);
                const std::int64_t got = source.Read(chunk.data(), std::int64_t(chunk.size()));
                z.next_in = chunk.data();
                z.avail_in = uInt(std::max<std::int64_t>(got, 0));
                inputEnded = got <= 0;
            }
        }
        z.next_out = out.data.get() + out.size;
        z.avail_out = uInt(std::min<std::int64_t>(capacity - std::int64_t(out.size), 1 << 30));
        const uInt room = z.avail_out;
        const int result = inflate(&z, Z_NO_FLUSH);
        out.size += room - z.avail_out;
        if (result == Z_STREAM_END)
            break;
        if (result != Z_OK && result != Z_BUF_ERROR)
            throw EReadError(std::string("Corrupt skin stream: ") + (z.msg ? z.msg : "invalid compressed data"));
        if (inputEnded && z.avail_in == 0 && z.avail_out == room)
            throw EReadError("Corrupt skin stream: the compressed data ends early");
    }
    if (std::int64_t(out.size) > limit)
        tooLarge(limit);
    if (memory)
        memory->SetPosition(start + std::int64_t(z.total_in));
    return out;
}
