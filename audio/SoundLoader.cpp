#include "audio/SoundLoader.h"

#include "audio/DecodedStream.h"
#include "audio/Sound.h"

#include <algorithm>

namespace audio {

Sound::Sound() = default;
Sound::~Sound() = default;

namespace {

// Reads until the end or until `limit` frames; the vector grows as the decoder delivers.
long long ReadInto(DecodedStream& stream, std::vector<float>& samples, long long limit)
{
    constexpr long long Block = 16384;
    long long frames = 0;
    while (frames < limit) {
        const long long want = std::min(Block, limit - frames);
        samples.resize(std::size_t(frames + want) * 2);
        const long long got = stream.read(samples.data() + frames * 2, want);
        frames += got;
        if (got < want)
            break;
    }
    samples.resize(std::size_t(frames) * 2);
    return frames;
}

// Places the decoder at the head's end, as it stood after the first pass read the head.
bool StartPass(Sound& sound)
{
    if (!sound.source->rewind() || sound.source->skip(sound.headFrames) != sound.headFrames)
        return false;
    sound.nextChunkStart = sound.headFrames;
    return true;
}

} // namespace

std::unique_ptr<Sound> LoadSound(const std::string& path, int outputRate, std::string& error,
                                 const SoundLoadLimits& limits)
{
    std::unique_ptr<DecodedStream> stream = DecodedStream::open(path, outputRate, error);
    if (!stream)
        return nullptr;
    auto sound = std::make_unique<Sound>();
    sound->durationSeconds = stream->durationSeconds();
    const long long expected = stream->expectedFrames();
    // A file that does not state its length is streamed: it might be hours long.
    const bool whole = expected >= 0 && sound->durationSeconds <= limits.wholeSeconds;
    const long long headLimit = whole ? (long long)(limits.wholeSeconds * outputRate * 1.05) + outputRate
                                      : (long long)(limits.headSeconds * outputRate);
    sound->headFrames = ReadInto(*stream, sound->head, headLimit);
    if (stream->failed() && sound->headFrames == 0) {
        error = "cannot decode " + path + ": the file is damaged";
        return nullptr;
    }
    if (sound->headFrames == 0) {
        error = "cannot play " + path + ": the file holds no sound";
        return nullptr;
    }
    const bool endedInHead = sound->headFrames < headLimit;
    if (endedInHead) {
        sound->totalFrames = sound->headFrames;
        if (sound->durationSeconds == 0)
            sound->durationSeconds = double(sound->headFrames) / outputRate;
        sound->head.shrink_to_fit();
        return sound;
    }
    sound->totalFrames = expected;
    sound->ring = std::make_unique<StreamRing>();
    sound->source = std::move(stream);
    sound->nextChunkStart = sound->headFrames;
    if (whole) {
        // The header understated the length: stream it after all, from a short head.
        sound->totalFrames = -1;
        sound->headFrames = std::min(sound->headFrames, (long long)(limits.headSeconds * outputRate));
        sound->head.resize(std::size_t(sound->headFrames) * 2);
        sound->head.shrink_to_fit();
        if (!StartPass(*sound)) {
            error = "cannot decode " + path + ": the file cannot be read again from its start";
            return nullptr;
        }
    }
    return sound;
}

int FillStream(Sound& sound)
{
    if (!sound.ring || !sound.source || sound.sourceBroken)
        return 0;
    StreamRing& ring = *sound.ring;
    int written = 0;
    for (;;) {
        const std::uint32_t wanted = ring.requestedEpoch.load(std::memory_order_acquire);
        if (wanted != sound.servedEpoch) {
            sound.servedEpoch = wanted;
            if (!StartPass(sound)) {
                sound.sourceBroken = true;
                return written;
            }
        }
        StreamChunk* chunk = ring.beginWrite();
        if (!chunk)
            return written;
        const long long got = sound.source->read(chunk->samples, StreamChunk::Frames);
        chunk->epoch = sound.servedEpoch;
        chunk->startFrame = sound.nextChunkStart;
        chunk->frames = int(got);
        chunk->endOfSound = got < StreamChunk::Frames;
        ring.commitWrite();
        ++written;
        sound.nextChunkStart += got;
        // Decode the next pass straight away: a looping voice wraps without waiting.
        if (chunk->endOfSound && !StartPass(sound)) {
            sound.sourceBroken = true;
            return written;
        }
    }
}

} // namespace audio
