// The mixer driven directly, with sounds built in memory: gains, ramps,
// loops, restarts, stops, the sound switch and the limiter.

#include "audio/Mixer.h"
#include "audio/Sound.h"

#include "tests/support/SoundFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

using namespace audio;
using audiotest::Peak;

namespace {

constexpr int Rate = 48000;

std::unique_ptr<Sound> MakeSound(long long frames, const std::function<float(long long)>& sample)
{
    auto sound = std::make_unique<Sound>();
    sound->headFrames = sound->totalFrames = frames;
    sound->head.resize(std::size_t(frames) * 2);
    for (long long f = 0; f < frames; ++f)
        sound->head[2 * f] = sound->head[2 * f + 1] = sample(f);
    return sound;
}

std::unique_ptr<Sound> Constant(float level, long long frames = Rate)
{
    return MakeSound(frames, [level](long long) { return level; });
}

class MixerTest : public ::testing::Test {
protected:
    Mixer mixer{Rate};
    std::vector<std::unique_ptr<Sound>> sounds;
    std::uint32_t serial = 0;

    void give(int key, std::unique_ptr<Sound> sound)
    {
        mixer.post({MixerCommandKind::Assign, key, 0, 0, sound.get()});
        sounds.push_back(std::move(sound));
    }
    void send(MixerCommandKind kind, int key = 0, float value = 0) { mixer.post({kind, key, value, 0, nullptr}); }
    void play(int key) { mixer.post({MixerCommandKind::Play, key, 0, ++serial, nullptr}); }

    std::vector<float> render(int frames)
    {
        std::vector<float> out(std::size_t(frames) * 2, 99.0f);
        mixer.render(out.data(), frames);
        return out;
    }

    std::vector<MixerEvent> events(MixerEventKind kind)
    {
        std::vector<MixerEvent> found;
        MixerEvent event;
        while (mixer.nextEvent(event))
            if (event.kind == kind)
                found.push_back(event);
        return found;
    }

    // The largest change from one frame to the next on the left channel.
    static float LargestStep(const std::vector<float>& stereo)
    {
        float largest = 0;
        for (std::size_t f = 1; f < stereo.size() / 2; ++f)
            largest = std::max(largest, std::fabs(stereo[2 * f] - stereo[2 * (f - 1)]));
        return largest;
    }
};

TEST_F(MixerTest, KeyAndMasterGainsMultiplyExactlyAfterTheRamp)
{
    give(3, Constant(1.0f));
    send(MixerCommandKind::KeyVolume, 3, 0.5f);
    send(MixerCommandKind::MasterVolume, 0, 0.5f);
    render(mixer.rampFrames());
    play(3);
    const std::vector<float> out = render(mixer.rampFrames() * 3);
    for (std::size_t f = mixer.rampFrames(); f < out.size() / 2; ++f) {
        ASSERT_EQ(out[2 * f], 0.25f) << "frame " << f;
        ASSERT_EQ(out[2 * f + 1], 0.25f) << "frame " << f;
    }
    // The start itself is a straight ramp from silence.
    EXPECT_LT(out[0], 0.25f / mixer.rampFrames() * 1.01f);
    EXPECT_LE(LargestStep(out), 0.25f / mixer.rampFrames() * 1.01f);
}

TEST_F(MixerTest, VolumeChangesRampWithoutSteps)
{
    give(0, Constant(0.8f));
    play(0);
    render(1000);
    send(MixerCommandKind::KeyVolume, 0, 0.1f);
    const std::vector<float> out = render(1000);
    EXPECT_LE(LargestStep(out), 0.8f * 0.9f / mixer.rampFrames() * 1.01f);
    EXPECT_FLOAT_EQ(out.back(), 0.08f);
    // Out of range values are clamped, not wrapped.
    send(MixerCommandKind::KeyVolume, 0, 7.0f);
    EXPECT_FLOAT_EQ(render(1000).back(), 0.8f);
    send(MixerCommandKind::KeyVolume, 0, -3.0f);
    EXPECT_EQ(render(1000).back(), 0.0f);
}

TEST_F(MixerTest, LoopingSoundIsContinuousAcrossTheWrap)
{
    // 100 frames holding exactly one period, so a seamless loop is a perfect sine.
    const long long length = 100;
    give(1, MakeSound(length, [](long long f) { return float(0.5 * std::sin(2 * M_PI * double(f) / 100.0)); }));
    send(MixerCommandKind::Loop, 1, 1);
    play(1);
    const std::vector<float> out = render(1000);
    for (std::size_t f = std::size_t(mixer.rampFrames()); f < 1000; ++f)
        ASSERT_NEAR(out[2 * f], 0.5 * std::sin(2 * M_PI * double(f % length) / 100.0), 1e-6) << "frame " << f;
    EXPECT_TRUE(events(MixerEventKind::Ended).empty());
}

TEST_F(MixerTest, SoundWithoutLoopEndsOnceAndReportsIt)
{
    give(2, Constant(0.5f, 300));
    play(2);
    const std::vector<float> out = render(600);
    EXPECT_EQ(out[2 * 299], 0.5f);
    EXPECT_EQ(out[2 * 300], 0.0f);
    EXPECT_EQ(Peak(out, 300), 0.0f);
    const std::vector<MixerEvent> ended = events(MixerEventKind::Ended);
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].key, 2);
    EXPECT_EQ(ended[0].serial, serial);
}

TEST_F(MixerTest, RestartPlaysFromTheStartWhileTheOldRunFadesOut)
{
    // A ramp source: each frame's value tells where in the sound it came from.
    give(4, MakeSound(Rate, [](long long f) { return float(f) / Rate; }));
    play(4);
    render(10000);
    play(4);
    const int ramp = mixer.rampFrames();
    const std::vector<float> out = render(ramp * 2);
    // After the crossfade only the new run is heard, from its own start.
    for (int f = ramp; f < ramp * 2; ++f)
        ASSERT_NEAR(out[2 * f], float(f) / Rate, 1e-6) << "frame " << f;
    // During it, the old run (at ~0.21) fades out smoothly.
    EXPECT_NEAR(out[0], 10000.0f / Rate, 0.002);
    EXPECT_LE(LargestStep(out), 10000.0f / Rate / ramp * 1.05f);
    // Restarting is not an end.
    EXPECT_TRUE(events(MixerEventKind::Ended).empty());
}

TEST_F(MixerTest, StopRampsToSilenceThenStaysSilent)
{
    give(5, Constant(1.0f));
    play(5);
    render(500);
    send(MixerCommandKind::Stop, 5);
    const std::vector<float> out = render(1000);
    const int ramp = mixer.rampFrames();
    EXPECT_LE(LargestStep(out), 1.0f / ramp * 1.01f);
    EXPECT_GT(out[0], 0.9f);
    EXPECT_EQ(Peak(out, ramp), 0.0f);
    EXPECT_EQ(events(MixerEventKind::Ended).size(), 1u);
}

TEST_F(MixerTest, StopAllStopsEveryVoice)
{
    for (int key = 0; key < KeyCount; ++key) {
        give(key, Constant(0.04f));
        play(key);
    }
    render(500);
    send(MixerCommandKind::StopAll);
    const std::vector<float> out = render(1000);
    EXPECT_EQ(Peak(out, mixer.rampFrames()), 0.0f);
    EXPECT_EQ(events(MixerEventKind::Ended).size(), std::size_t(KeyCount));
}

TEST_F(MixerTest, SoundSwitchMutesWithARampWhileVoicesRunOn)
{
    give(6, Constant(1.0f, 2000));
    play(6);
    render(500);
    send(MixerCommandKind::SoundSwitch, 0, 0);
    const std::vector<float> muted = render(1000);
    EXPECT_LE(LargestStep(muted), 1.0f / mixer.rampFrames() * 1.01f);
    EXPECT_EQ(Peak(muted, mixer.rampFrames()), 0.0f);
    EXPECT_TRUE(events(MixerEventKind::Ended).empty()) << "a muted voice still plays";
    send(MixerCommandKind::SoundSwitch, 0, 1);
    const std::vector<float> back = render(1000);
    EXPECT_LE(LargestStep(std::vector<float>(back.begin(), back.begin() + 2 * 400)), 1.0f / mixer.rampFrames() * 1.01f);
    // The voice kept its place while muted: it ends 2000 frames after its start.
    EXPECT_EQ(back[2 * 490], 1.0f);
    EXPECT_EQ(back[2 * 510], 0.0f);
    EXPECT_EQ(events(MixerEventKind::Ended).size(), 1u);
}

TEST_F(MixerTest, LimiterKeepsTwentyFullScaleVoicesInsideFullScale)
{
    for (int key = 0; key < KeyCount; ++key) {
        // Same phase on every key: the worst case, a sum of twenty.
        give(key, MakeSound(Rate, [](long long f) { return float(std::sin(2 * M_PI * 220.0 * double(f) / Rate)); }));
        play(key);
    }
    const std::vector<float> out = render(Rate / 2);
    float peak = 0;
    for (std::size_t f = 0; f < out.size() / 2; ++f) {
        const float expectedSign = float(std::sin(2 * M_PI * 220.0 * double(f) / Rate));
        ASSERT_LE(std::fabs(out[2 * f]), 1.0f) << "frame " << f;
        // A wrapped sum would flip sign.
        if (std::fabs(expectedSign) > 0.01f) {
            ASSERT_GE(out[2 * f] * expectedSign, 0.0f) << "frame " << f;
        }
        peak = std::max(peak, std::fabs(out[2 * f]));
    }
    EXPECT_GT(peak, 0.9f) << "limited, not silenced";
}

TEST_F(MixerTest, LimiterLetsQuietMixesThroughUntouchedAndRecoversAfterLoudOnes)
{
    give(0, Constant(1.0f, Rate / 10));
    give(1, Constant(1.0f, Rate / 10));
    give(2, Constant(0.3f, 2 * Rate));
    play(0);
    play(1);
    play(2);
    render(Rate / 5); // the loud pair ends after a tenth of a second
    const std::vector<float> later = render(Rate);
    EXPECT_EQ(later[2 * (Rate - 1)], 0.3f);
}

TEST_F(MixerTest, AssignWhilePlayingFadesOutAndRetiresTheOldSound)
{
    give(7, Constant(1.0f));
    Sound* first = sounds.back().get();
    play(7);
    render(500);
    give(7, Constant(0.5f));
    play(7);
    const std::vector<float> out = render(2000);
    EXPECT_LE(LargestStep(out), 1.0f / mixer.rampFrames() * 1.01f);
    EXPECT_EQ(out[2 * 1999], 0.5f);
    MixerEvent retired;
    ASSERT_TRUE(mixer.nextRetired(retired));
    EXPECT_EQ(retired.sound, first);
}

TEST_F(MixerTest, CommandsForVoicesOutOfRangeAreIgnored)
{
    auto sound = Constant(1.0f);
    for (int key : {-1, VoiceCount, 1000}) {
        mixer.post({MixerCommandKind::Assign, key, 0, 0, sound.get()});
        play(key);
        send(MixerCommandKind::KeyVolume, key, 1);
    }
    EXPECT_EQ(Peak(render(1000)), 0.0f);
    MixerEvent retired;
    EXPECT_FALSE(mixer.nextRetired(retired));
}

TEST_F(MixerTest, ProgressReportsThePositionOfEachPlayingVoice)
{
    give(9, Constant(0.1f, Rate));
    play(9);
    render(Rate / 2);
    const std::vector<MixerEvent> progress = events(MixerEventKind::Progress);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back().key, 9);
    EXPECT_EQ(progress.back().total, Rate);
    EXPECT_NEAR(double(progress.back().position), Rate / 2, Rate / 20);
}

} // namespace
