// The real output path through SDL's file-writing and null drivers.

#include "audio/AudioEngine.h"

#include "tests/support/SoundFixtures.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdlib>
#include <fstream>

using namespace audio;
using namespace audiotest;

namespace {

// Sets environment variables for one test and puts them back.
class ScopedEnvironment {
public:
    void set(const char* name, const std::string& value)
    {
        const char* old = std::getenv(name);
        saved_.push_back({name, old ? old : "", old != nullptr});
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->existed)
                setenv(it->name.c_str(), it->value.c_str(), 1);
            else
                unsetenv(it->name.c_str());
        }
    }

private:
    struct Saved {
        std::string name, value;
        bool existed;
    };
    std::vector<Saved> saved_;
};

TEST(AudioDevice, DiskDriverCarriesTheToneAtItsVolume)
{
    const std::string rawPath = FixtureFolder() + "/output.raw";
    ScopedEnvironment environment;
    environment.set("SDL_AUDIODRIVER", "disk");
    environment.set("SDL_DISKAUDIOFILE", rawPath);

    ToneSpec tone;
    tone.sampleRate = 44100;
    tone.frequency = 1000;
    tone.amplitude = 0.8;
    tone.seconds = 0.3;
    const std::string path = WriteTone("device_tone.wav", tone);

    int rate = 0;
    {
        AudioEngine engine;
        ASSERT_TRUE(engine.start()) << engine.deviceStatus().message;
        const DeviceStatus status = engine.deviceStatus();
        EXPECT_EQ(status.state, DeviceState::Playing);
        EXPECT_EQ(status.driver, "disk");
        EXPECT_GT(status.bufferFrames, 0);
        rate = status.sampleRate;
        engine.assign(7, path);
        ASSERT_EQ(WaitLoaded(engine, 7).status, KeyStatus::Ready);
        engine.setKeyVolume(7, 60);
        engine.setMasterVolume(50);
        engine.play(7);
        EXPECT_TRUE(WaitFor([&] { return engine.keyState(7).status == KeyStatus::Ready; }, 5000));
    }

    std::ifstream in(rawPath, std::ios::binary);
    std::vector<float> samples;
    float value;
    while (in.read(reinterpret_cast<char*>(&value), sizeof value))
        samples.push_back(value);
    ASSERT_GT(samples.size(), std::size_t(rate) / 2);
    samples.resize(samples.size() & ~std::size_t(1));
    std::size_t first = 0, last = 0;
    for (std::size_t f = 0; f < samples.size() / 2; ++f)
        if (samples[2 * f] != 0.0f) {
            if (!first)
                first = f;
            last = f;
        }
    EXPECT_NEAR(double(last - first) / rate, 0.3, 0.01);
    const std::vector<float> tonePart(samples.begin() + 2 * first, samples.begin() + 2 * last);
    EXPECT_NEAR(MeasureFrequency(tonePart, 0, rate), 1000.0, 2.0);
    EXPECT_NEAR(Peak(tonePart), 0.8f * 0.6f * 0.5f, 0.005f);
}

TEST(AudioDevice, DummyDriverOpensWithASmallBuffer)
{
    ScopedEnvironment environment;
    environment.set("SDL_AUDIODRIVER", "dummy");
    AudioEngine engine;
    ASSERT_TRUE(engine.start()) << engine.deviceStatus().message;
    const DeviceStatus status = engine.deviceStatus();
    EXPECT_EQ(status.driver, "dummy");
    EXPECT_GT(status.sampleRate, 0);
    EXPECT_LE(status.bufferFrames, 1024);
    engine.shutdown();
    EXPECT_EQ(engine.deviceStatus().state, DeviceState::Stopped);
}

} // namespace
