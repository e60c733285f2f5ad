#include "audio/StreamRing.h"

namespace audio {

StreamRing::StreamRing() : chunks_(new StreamChunk[ChunkCount]) {}

StreamRing::~StreamRing() = default;

StreamChunk* StreamRing::beginWrite()
{
    const std::uint32_t written = writeCount_.load(std::memory_order_relaxed);
    if (written - readCount_.load(std::memory_order_acquire) >= std::uint32_t(ChunkCount))
        return nullptr;
    return &chunks_[written % ChunkCount];
}

void StreamRing::commitWrite()
{
    writeCount_.store(writeCount_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

const StreamChunk* StreamRing::front() const
{
    const std::uint32_t read = readCount_.load(std::memory_order_relaxed);
    if (read == writeCount_.load(std::memory_order_acquire))
        return nullptr;
    return &chunks_[read % ChunkCount];
}

void StreamRing::release()
{
    readCount_.store(readCount_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

int StreamRing::filledChunks() const
{
    return int(writeCount_.load(std::memory_order_acquire) - readCount_.load(std::memory_order_acquire));
}

} // namespace audio
