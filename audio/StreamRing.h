#pragma once
// The bounded buffer between the worker, which decodes a long sound ahead of
// the voice, and the mixer, which plays it. Fixed-size chunks in a ring; each
// chunk carries the pass ("epoch") it was decoded for and its frame position,
// so the mixer can drop what was decoded before a restart without any lock.

#include <atomic>
#include <cstdint>
#include <memory>

namespace audio {

struct StreamChunk {
    static constexpr int Frames = 2048;
    std::uint32_t epoch = 0;
    long long startFrame = 0;
    int frames = 0;
    bool endOfSound = false; // the last chunk of a pass; the next one starts a new pass
    float samples[Frames * 2];
};

class StreamRing {
public:
    static constexpr int ChunkCount = 48; // about two seconds at 48 kHz

    StreamRing();
    ~StreamRing();
    StreamRing(const StreamRing&) = delete;
    StreamRing& operator=(const StreamRing&) = delete;

    // Worker side: a free chunk to fill, or null when the ring is full.
    StreamChunk* beginWrite();
    void commitWrite();

    // Mixer side: the oldest filled chunk, or null when none is ready.
    const StreamChunk* front() const;
    void release();

    int filledChunks() const;
    static constexpr std::size_t bytes() { return sizeof(StreamChunk) * ChunkCount; }

    // Raised by the mixer when a voice restarts; the worker then decodes a
    // fresh pass tagged with this epoch.
    std::atomic<std::uint32_t> requestedEpoch{0};

private:
    std::unique_ptr<StreamChunk[]> chunks_;
    std::atomic<std::uint32_t> readCount_{0};
    std::atomic<std::uint32_t> writeCount_{0};
};

} // namespace audio
