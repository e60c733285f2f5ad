#pragma once
// One decoded sound as the mixer sees it: stereo float frames at the output
// rate. A short sound is all head; a long one keeps its first seconds in the
// head (so a restart sounds at once) and streams the rest through a ring.

#include "audio/StreamRing.h"

#include <memory>
#include <vector>

namespace audio {

class DecodedStream;

struct Sound {
    Sound();
    ~Sound();

    std::vector<float> head; // interleaved stereo
    long long headFrames = 0;
    // Output frames in the whole sound; for a streamed sound an estimate from
    // the file's header, -1 when unknown.
    long long totalFrames = 0;
    double durationSeconds = 0;
    bool streamed() const { return ring != nullptr; }

    std::unique_ptr<StreamRing> ring;
    // Worker only: the decoder that feeds the ring, and where it stands.
    std::unique_ptr<DecodedStream> source;
    std::uint32_t servedEpoch = 0;
    long long nextChunkStart = 0;
    bool sourceBroken = false;
};

} // namespace audio
