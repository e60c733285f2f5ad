#include "audio/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <sys/stat.h>

namespace audio {

namespace {

constexpr float Half = 0.70710678f; // -3 dB: a centre or surround channel shared by two sides

enum class Side { Left, Right, Both, Centre, None };

Side SideOf(int channelMap)
{
    switch (channelMap) {
    case SF_CHANNEL_MAP_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT:
    case SF_CHANNEL_MAP_REAR_LEFT:
    case SF_CHANNEL_MAP_SIDE_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER:
    case SF_CHANNEL_MAP_TOP_FRONT_LEFT:
    case SF_CHANNEL_MAP_TOP_REAR_LEFT:
        return Side::Left;
    case SF_CHANNEL_MAP_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT:
    case SF_CHANNEL_MAP_REAR_RIGHT:
    case SF_CHANNEL_MAP_SIDE_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER:
    case SF_CHANNEL_MAP_TOP_FRONT_RIGHT:
    case SF_CHANNEL_MAP_TOP_REAR_RIGHT:
        return Side::Right;
    case SF_CHANNEL_MAP_MONO:
        return Side::Both;
    case SF_CHANNEL_MAP_LFE:
        return Side::None; // rumble the small speakers cannot carry
    default:
        return Side::Centre;
    }
}

// The usual WAV order when a file carries no channel map.
int DefaultMap(int channel)
{
    static const int order[] = {SF_CHANNEL_MAP_FRONT_LEFT, SF_CHANNEL_MAP_FRONT_RIGHT, SF_CHANNEL_MAP_FRONT_CENTER,
                                SF_CHANNEL_MAP_LFE,        SF_CHANNEL_MAP_REAR_LEFT,   SF_CHANNEL_MAP_REAR_RIGHT,
                                SF_CHANNEL_MAP_SIDE_LEFT,  SF_CHANNEL_MAP_SIDE_RIGHT};
    return channel < 8 ? order[channel] : SF_CHANNEL_MAP_INVALID;
}

std::string MissingReason(const std::string& path)
{
    if (path.empty())
        return "no file name";
    struct stat info{};
    if (stat(path.c_str(), &info) != 0)
        return "file not found: " + path;
    if (!S_ISREG(info.st_mode))
        return "not a file: " + path;
    return {};
}

} // namespace

std::unique_ptr<SoundFile> SoundFile::open(const std::string& path, std::string& error)
{
    error = MissingReason(path);
    if (!error.empty())
        return nullptr;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) {
        error = std::string("cannot decode ") + path + ": " + sf_strerror(nullptr);
        return nullptr;
    }
    if (info.channels <= 0 || info.samplerate < 1000 || info.samplerate > 768000) {
        sf_close(file);
        error = "cannot decode " + path + ": unusable channel count or sample rate";
        return nullptr;
    }
    std::unique_ptr<SoundFile> sound(new SoundFile);
    sound->file_ = file;
    sound->sampleRate_ = info.samplerate;
    sound->channels_ = info.channels;
    sound->frames_ = info.frames;
    // Integer formats arrive as -1..1; float files may hold louder peaks, left for the limiter.
    sf_command(file, SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
    sound->buildDownmix(file);
    return sound;
}

SoundFile::~SoundFile()
{
    if (file_)
        sf_close(file_);
}

void SoundFile::buildDownmix(SNDFILE* file)
{
    leftGain_.assign(channels_, 0.0f);
    rightGain_.assign(channels_, 0.0f);
    if (channels_ <= 2) {
        // Mono plays at full level on both sides; stereo passes through.
        leftGain_[0] = 1.0f;
        rightGain_[channels_ - 1] = 1.0f;
        return;
    }
    std::vector<int> map(channels_, SF_CHANNEL_MAP_INVALID);
    if (sf_command(file, SFC_GET_CHANNEL_MAP_INFO, map.data(), int(sizeof(int) * map.size())) != SF_TRUE)
        for (int c = 0; c < channels_; ++c)
            map[c] = DefaultMap(c);
    for (int c = 0; c < channels_; ++c) {
        switch (SideOf(map[c])) {
        case Side::Left: leftGain_[c] = 1.0f; break;
        case Side::Right: rightGain_[c] = 1.0f; break;
        case Side::Both: leftGain_[c] = rightGain_[c] = 1.0f; break;
        case Side::Centre: leftGain_[c] = rightGain_[c] = Half; break;
        case Side::None: break;
        }
    }
    // Scale so that every channel at full scale and in phase still fits in -1..1.
    float leftSum = 0, rightSum = 0;
    for (int c = 0; c < channels_; ++c) {
        leftSum += leftGain_[c];
        rightSum += rightGain_[c];
    }
    const float loudest = std::max({leftSum, rightSum, 1.0f});
    for (int c = 0; c < channels_; ++c) {
        leftGain_[c] /= loudest;
        rightGain_[c] /= loudest;
    }
}

long long SoundFile::readStereo(float* out, long long frames)
{
    if (failed_ || frames <= 0)
        return 0;
    long long got = 0;
    if (channels_ == 2) {
        got = sf_readf_float(file_, out, frames);
    } else {
        scratch_.resize(std::size_t(frames) * channels_);
        got = sf_readf_float(file_, scratch_.data(), frames);
        const float* in = scratch_.data();
        for (long long f = 0; f < got; ++f, in += channels_) {
            float left = 0, right = 0;
            for (int c = 0; c < channels_; ++c) {
                left += in[c] * leftGain_[c];
                right += in[c] * rightGain_[c];
            }
            out[2 * f] = left;
            out[2 * f + 1] = right;
        }
    }
    if (got < 0) {
        failed_ = true;
        return 0;
    }
    // Keep what decoded before a damaged stretch; the next read reports the end.
    if (sf_error(file_) != SF_ERR_NO_ERROR)
        failed_ = true;
    // A damaged float file can carry NaN or infinity; they would poison the whole mix.
    for (long long i = 0; i < got * 2; ++i)
        if (!std::isfinite(out[i]))
            out[i] = 0.0f;
    return got;
}

bool SoundFile::rewind()
{
    failed_ = false;
    return sf_seek(file_, 0, SEEK_SET) == 0;
}

} // namespace audio
