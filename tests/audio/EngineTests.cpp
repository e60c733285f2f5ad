// The engine on the pulled output: assignment on the worker, key states,
// presses, events, and long sounds streamed with bounded memory.

#include "audio/AudioEngine.h"

#include "tests/support/SoundFixtures.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

using namespace audio;
using namespace audiotest;

namespace {

constexpr int Rate = 48000;

std::string ConstantFile(const std::string& name, double level, double seconds)
{
    ToneSpec spec;
    spec.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    spec.sampleRate = Rate;
    spec.frequency = 0;
    spec.amplitude = level;
    spec.seconds = seconds;
    return WriteTone(name, spec);
}

class EngineTest : public ::testing::Test {
protected:
    AudioEngine engine;

    void SetUp() override { ASSERT_TRUE(engine.start(PulledOptions(Rate))); }

    KeyState assignAndWait(int key, const std::string& path)
    {
        engine.assign(key, path);
        return WaitLoaded(engine, key);
    }

    // Renders in small blocks at a few times real time, so the worker keeps up with streamed sounds.
    std::vector<float> renderPaced(int frames)
    {
        std::vector<float> out;
        out.reserve(std::size_t(frames) * 2);
        const int block = Rate / 100;
        for (int done = 0; done < frames; done += block) {
            const std::vector<float> part = Render(engine, std::min(block, frames - done));
            out.insert(out.end(), part.begin(), part.end());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return out;
    }
};

TEST_F(EngineTest, HalfKeyAndHalfMasterGiveAQuarter)
{
    ASSERT_EQ(assignAndWait(0, ConstantFile("one.wav", 1.0, 1.0)).status, KeyStatus::Ready);
    engine.setKeyVolume(0, 50);
    engine.setMasterVolume(50);
    Render(engine, 1000);
    engine.play(0);
    const std::vector<float> out = Render(engine, 2000);
    EXPECT_EQ(out[2 * 1999], 0.25f);
    EXPECT_EQ(out[2 * 1999 + 1], 0.25f);
    EXPECT_EQ(engine.keyState(0).status, KeyStatus::Playing);
    // Volumes outside 0..100 are clamped.
    engine.setKeyVolume(0, 250);
    engine.setMasterVolume(-5);
    EXPECT_EQ(engine.keyState(0).volume, 100);
    EXPECT_EQ(Render(engine, 1000)[2 * 999], 0.0f);
}

TEST_F(EngineTest, KeyStatesFollowPressesAndTheSoundsEnd)
{
    std::atomic<int> ended{0};
    engine.setEventCallback([&](const AudioEvent& event) {
        if (event.kind == AudioEventKind::VoiceEnded && event.key == 4)
            ++ended;
    });
    EXPECT_EQ(engine.keyState(4).status, KeyStatus::Empty);
    const KeyState ready = assignAndWait(4, ConstantFile("short.wav", 0.5, 0.1));
    EXPECT_EQ(ready.status, KeyStatus::Ready);
    EXPECT_NEAR(ready.duration, 0.1, 0.001);

    engine.play(4);
    EXPECT_EQ(engine.keyState(4).status, KeyStatus::Playing);
    Render(engine, Rate / 5);
    ASSERT_TRUE(WaitFor([&] { return ended == 1; }));
    EXPECT_EQ(engine.keyState(4).status, KeyStatus::Ready);

    // A press on a looping key stops it.
    engine.setLoop(4, true);
    engine.play(4);
    EXPECT_EQ(engine.keyState(4).status, KeyStatus::Looping);
    EXPECT_GT(Peak(Render(engine, Rate / 2), Rate / 4), 0.4f) << "loops past its end";
    engine.play(4);
    EXPECT_EQ(engine.keyState(4).status, KeyStatus::Ready);
    EXPECT_EQ(Peak(Render(engine, 1000), 500), 0.0f);

    engine.play(4);
    Render(engine, 1000);
    engine.stopAll();
    EXPECT_EQ(engine.keyState(4).status, KeyStatus::Ready);
    EXPECT_EQ(Peak(Render(engine, 1000), 500), 0.0f);
}

TEST_F(EngineTest, SoundSwitchOffSilencesButKeysStillPlay)
{
    assignAndWait(1, ConstantFile("level.wav", 0.5, 1.0));
    engine.setSoundSwitch(false);
    Render(engine, 1000);
    engine.play(1);
    EXPECT_EQ(Peak(Render(engine, 2000)), 0.0f);
    EXPECT_EQ(engine.keyState(1).status, KeyStatus::Playing);
    engine.setSoundSwitch(true);
    EXPECT_EQ(Render(engine, 2000)[2 * 1999], 0.5f);
}

TEST_F(EngineTest, BadFilesAreUnplayableWithAReason)
{
    const KeyState missing = assignAndWait(2, FixtureFolder() + "/gone.mp3");
    EXPECT_EQ(missing.status, KeyStatus::Unplayable);
    EXPECT_NE(missing.reason.find("not found"), std::string::npos) << missing.reason;
    const KeyState corrupt = assignAndWait(3, WriteBytes("corrupt.wav", {'R', 'I', 'F', 'F', 1, 2, 3}));
    EXPECT_EQ(corrupt.status, KeyStatus::Unplayable);
    EXPECT_FALSE(corrupt.reason.empty());
    engine.play(2);
    engine.play(3);
    EXPECT_EQ(engine.keyState(2).status, KeyStatus::Unplayable);
    EXPECT_EQ(Peak(Render(engine, 1000)), 0.0f);
    // A good file replaces the bad one; an empty name clears the key.
    EXPECT_EQ(assignAndWait(2, ConstantFile("fine.wav", 0.1, 0.2)).status, KeyStatus::Ready);
    EXPECT_TRUE(assignAndWait(2, "").reason.empty());
    EXPECT_EQ(engine.keyState(2).status, KeyStatus::Empty);
}

TEST_F(EngineTest, TheLastAssignmentWins)
{
    const std::string quiet = ConstantFile("quiet.wav", 0.1, 1.0);
    const std::string loud = ConstantFile("loud.wav", 0.9, 1.0);
    for (int i = 0; i < 5; ++i) {
        engine.assign(5, quiet);
        engine.assign(5, loud);
    }
    ASSERT_EQ(WaitLoaded(engine, 5).status, KeyStatus::Ready);
    EXPECT_NE(engine.keyState(5).path.find("loud"), std::string::npos);
    engine.play(5);
    EXPECT_EQ(Render(engine, 2000)[2 * 1999], 0.9f);
}

TEST_F(EngineTest, KeysOutOfRangeAreIgnored)
{
    const std::string path = ConstantFile("any.wav", 0.5, 0.2);
    for (int key : {-1, KeyCount, 1 << 30}) {
        engine.assign(key, path);
        engine.play(key);
        engine.setKeyVolume(key, 50);
        engine.setLoop(key, true);
        engine.stop(key);
        EXPECT_EQ(engine.keyState(key).status, KeyStatus::Empty);
    }
    EXPECT_EQ(Peak(Render(engine, 2000)), 0.0f);
}

class StreamingTest : public EngineTest {
protected:
    static constexpr double Seconds = 6.0;
    static constexpr double Frequency = 441.0; // a whole number of periods in the file

    void SetUp() override
    {
        EngineOptions options = PulledOptions(Rate);
        options.streamAfterSeconds = 1.0;
        options.streamHeadSeconds = 0.25;
        ASSERT_TRUE(engine.start(options));
        ToneSpec tone;
        tone.sampleRate = Rate;
        tone.frequency = Frequency;
        tone.seconds = Seconds;
        tone.amplitude = 0.5;
        const KeyState state = assignAndWait(0, WriteTone("long.wav", tone));
        ASSERT_EQ(state.status, KeyStatus::Ready) << state.reason;
        ASSERT_TRUE(state.streamed);
    }

    static float Expected(long long frame) { return float(0.5 * std::sin(2 * M_PI * Frequency * double(frame) / Rate)); }

    // Every frame of a run equals the file's frame (16-bit quantisation aside).
    static void ExpectFollowsFile(const std::vector<float>& out, long long from, long long to, long long fileFrame)
    {
        for (long long f = from; f < to; ++f)
            ASSERT_NEAR(out[2 * f], Expected(fileFrame + f - from), 1e-4) << "output frame " << f;
    }
};

TEST_F(StreamingTest, MemoryStaysBoundedAndTheWholeFilePlays)
{
    const long long wholeBytes = (long long)(Seconds * Rate * 2 * sizeof(float));
    EXPECT_LT(engine.keyState(0).memoryBytes, wholeBytes / 2);
    engine.play(0);
    const std::vector<float> out = renderPaced(int(Seconds * Rate) + Rate / 2);
    ExpectFollowsFile(out, Rate / 100, (long long)(Seconds * Rate), Rate / 100);
    EXPECT_EQ(Peak(out, (long long)(Seconds * Rate)), 0.0f);
    EXPECT_EQ(engine.underrunFrames(), 0);
    EXPECT_TRUE(WaitFor([&] { return engine.keyState(0).status == KeyStatus::Ready; }));
}

TEST_F(StreamingTest, LoopWrapsSeamlesslyAndRestartGoesBackToTheStart)
{
    engine.setLoop(0, true);
    engine.play(0);
    const long long length = (long long)(Seconds * Rate);
    std::vector<float> out = renderPaced(int(length * 2 + Rate));
    // Across both wraps the tone carries on as if the file never ended.
    ExpectFollowsFile(out, Rate / 100, length * 2 + Rate, Rate / 100);
    EXPECT_EQ(engine.keyState(0).status, KeyStatus::Looping);

    // Restart mid-stream: after the crossfade the file plays from its start, past its head.
    engine.setLoop(0, false);
    engine.play(0);
    out = renderPaced(2 * Rate);
    ExpectFollowsFile(out, Rate / 100, 2 * Rate, Rate / 100);
    EXPECT_EQ(engine.underrunFrames(), 0);
}

TEST(EngineDevice, WithoutADeviceKeysStillStartAndEnd)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    AudioEngine engine;
    EXPECT_FALSE(engine.start());
    unsetenv("SDL_AUDIODRIVER");
    const DeviceStatus status = engine.deviceStatus();
    EXPECT_EQ(status.state, DeviceState::Silent);
    EXPECT_FALSE(status.message.empty());
    engine.assign(0, ConstantFile("brief.wav", 0.5, 0.1));
    ASSERT_EQ(WaitLoaded(engine, 0).status, KeyStatus::Ready);
    engine.play(0);
    EXPECT_EQ(engine.keyState(0).status, KeyStatus::Playing);
    EXPECT_TRUE(WaitFor([&] { return engine.keyState(0).status == KeyStatus::Ready; }, 3000));
}

} // namespace
