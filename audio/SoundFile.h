#pragma once
// A sound file read through libsndfile (WAV in any PCM or float format, MP3),
// delivered as interleaved stereo float whatever its channel count.

#include <memory>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace audio {

class SoundFile {
public:
    // Null with a reason a person can read when the file cannot be opened or decoded.
    static std::unique_ptr<SoundFile> open(const std::string& path, std::string& error);
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }
    // Frames the file says it holds; the decoder may deliver a few more or fewer.
    long long frames() const { return frames_; }

    // Up to `frames` stereo frames into `out`; 0 at the end of the file or on a decode error.
    long long readStereo(float* out, long long frames);
    bool rewind();
    bool failed() const { return failed_; }

private:
    SoundFile() = default;
    void buildDownmix(SNDFILE* file);

    SNDFILE* file_ = nullptr;
    int sampleRate_ = 0;
    int channels_ = 0;
    long long frames_ = 0;
    bool failed_ = false;
    // Per source channel, its share of the left and the right output.
    std::vector<float> leftGain_;
    std::vector<float> rightGain_;
    std::vector<float> scratch_;
};

} // namespace audio
