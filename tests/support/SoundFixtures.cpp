#include "tests/support/SoundFixtures.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace audiotest {

namespace {

// One folder per process (tests may run in parallel processes), removed at exit.
struct Folder {
    std::string path = std::string(BRIO_TEST_OUTPUT_DIR) + "/audio-fixtures-" + std::to_string(getpid());
    Folder() { std::filesystem::create_directories(path); }
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

} // namespace

const std::string& FixtureFolder()
{
    static const Folder folder;
    return folder.path;
}

std::string WriteTone(const std::string& name, const ToneSpec& spec)
{
    const std::string path = FixtureFolder() + "/" + name;
    SF_INFO info{};
    info.samplerate = spec.sampleRate;
    info.channels = spec.channels;
    info.format = spec.format ? spec.format : (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        ADD_FAILURE() << "cannot write fixture " << path << ": " << sf_strerror(nullptr);
        return path;
    }
    const long long frames = (long long)(spec.seconds * spec.sampleRate);
    std::vector<double> samples(std::size_t(frames) * spec.channels);
    for (long long f = 0; f < frames; ++f) {
        const double value =
            spec.frequency > 0 ? spec.amplitude * std::sin(2 * M_PI * spec.frequency * double(f) / spec.sampleRate)
                               : spec.amplitude;
        for (int c = 0; c < spec.channels; ++c)
            samples[std::size_t(f) * spec.channels + c] = value;
    }
    sf_writef_double(file, samples.data(), frames);
    sf_close(file);
    return path;
}

std::string WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes)
{
    const std::string path = FixtureFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

double MeasureFrequency(const std::vector<float>& stereo, int channel, int sampleRate)
{
    const std::size_t frames = stereo.size() / 2;
    long long first = -1, last = -1, crossings = 0;
    for (std::size_t f = 1; f < frames; ++f) {
        if (stereo[2 * (f - 1) + channel] < 0 && stereo[2 * f + channel] >= 0) {
            if (first < 0)
                first = (long long)f;
            else
                ++crossings;
            last = (long long)f;
        }
    }
    if (crossings == 0)
        return 0;
    return double(crossings) * sampleRate / double(last - first);
}

float Peak(const std::vector<float>& stereo, std::size_t firstFrame, std::size_t lastFrame)
{
    float peak = 0;
    for (std::size_t f = firstFrame; f < std::min(lastFrame, stereo.size() / 2); ++f)
        peak = std::max({peak, std::fabs(stereo[2 * f]), std::fabs(stereo[2 * f + 1])});
    return peak;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

audio::KeyState WaitLoaded(const audio::AudioEngine& engine, int key)
{
    WaitFor([&] { return engine.keyState(key).status != audio::KeyStatus::Loading; }, 30000);
    return engine.keyState(key);
}

std::vector<float> Render(audio::AudioEngine& engine, int frames)
{
    std::vector<float> out(std::size_t(frames) * 2);
    engine.render(out.data(), frames);
    return out;
}

audio::EngineOptions PulledOptions(int sampleRate)
{
    audio::EngineOptions options;
    options.output = audio::OutputKind::Pulled;
    options.sampleRate = sampleRate;
    return options;
}

} // namespace audiotest
