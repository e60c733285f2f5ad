#pragma once
// A sound file decoded and resampled on the fly to the output rate, as stereo
// float frames. Used whole for short sounds and piecewise for streamed ones.

#include <memory>
#include <string>
#include <vector>

typedef struct SRC_STATE_tag SRC_STATE;

namespace audio {

class SoundFile;

class DecodedStream {
public:
    static std::unique_ptr<DecodedStream> open(const std::string& path, int outputRate, std::string& error);
    ~DecodedStream();
    DecodedStream(const DecodedStream&) = delete;
    DecodedStream& operator=(const DecodedStream&) = delete;

    // Up to `frames` output frames; fewer only at the end of the sound.
    long long read(float* out, long long frames);
    // Back to the first frame; the output after a rewind repeats the first pass exactly.
    bool rewind();
    // Skips output frames, as read() would deliver them.
    long long skip(long long frames);

    double durationSeconds() const;
    // Output frames the file should give, from its header; -1 when it does not say.
    long long expectedFrames() const;
    bool failed() const;
    int sourceRate() const;
    int sourceChannels() const;

private:
    DecodedStream() = default;
    bool refill();

    std::unique_ptr<SoundFile> file_;
    SRC_STATE* resampler_ = nullptr;
    double ratio_ = 1.0;
    int outputRate_ = 0;
    std::vector<float> input_;
    long long inputOffset_ = 0; // first unread frame in input_
    long long inputFrames_ = 0;
    bool endOfInput_ = false;
    bool finished_ = false;
};

} // namespace audio
