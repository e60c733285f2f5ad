// What stands between the mixer and the sound server: requests of any size
// answered without a gap or a repeat, and the buffer length following the
// underruns.

#include "audio/LatencyGovernor.h"
#include "audio/Mixer.h"
#include "audio/RequestSize.h"
#include "audio/Sound.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace audio;

namespace {

constexpr int Rate = 48000;
constexpr std::size_t FrameBytes = 2 * sizeof(float);

// A ramp of distinct values, so a dropped or repeated frame shows.
std::unique_ptr<Sound> Staircase(long long frames)
{
    auto sound = std::make_unique<Sound>();
    sound->headFrames = sound->totalFrames = frames;
    sound->head.resize(std::size_t(frames) * 2);
    for (long long f = 0; f < frames; ++f)
        sound->head[2 * f] = sound->head[2 * f + 1] = float(f) / float(frames);
    return sound;
}

std::vector<float> Play(Mixer& mixer, Sound& sound, const std::vector<std::size_t>& requests)
{
    mixer.post({MixerCommandKind::Assign, 0, 0, 0, &sound});
    mixer.post({MixerCommandKind::Play, 0, 0, 1, nullptr});
    std::vector<float> out;
    for (std::size_t bytes : requests) {
        const std::size_t frames = FramesForRequest(bytes, FrameBytes);
        std::vector<float> part(frames * 2, -9.0f);
        if (frames > 0)
            mixer.render(part.data(), int(frames));
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

TEST(OutputRequests, OddSizesAreAnsweredInWholeFramesWithTheSameSoundAsOneBigRequest)
{
    EXPECT_EQ(FramesForRequest(0, FrameBytes), 0u);
    EXPECT_EQ(FramesForRequest(1, FrameBytes), 1u);   // part of a frame: the whole frame
    EXPECT_EQ(FramesForRequest(8, FrameBytes), 1u);
    EXPECT_EQ(FramesForRequest(9, FrameBytes), 2u);

    // Sizes that cross the mixer's blocks and ramps at every odd place.
    const std::vector<std::size_t> odd = {1, 7, 8 * 1 + 3, 8 * 255, 8 * 257 + 5, 0, 8 * 1001, 13, 8 * 4096 + 1,
                                          8 * 3, 8 * 777, 8 * 300};
    std::size_t total = 0;
    for (std::size_t bytes : odd)
        total += FramesForRequest(bytes, FrameBytes);
    auto oddSound = Staircase(Rate);
    auto wholeSound = Staircase(Rate);
    Mixer oddMixer{Rate}, wholeMixer{Rate};
    const std::vector<float> inPieces = Play(oddMixer, *oddSound, odd);
    const std::vector<float> inOne = Play(wholeMixer, *wholeSound, {total * FrameBytes});
    ASSERT_EQ(inPieces.size(), total * 2);
    ASSERT_EQ(inOne.size(), inPieces.size());
    for (std::size_t i = 0; i < inOne.size(); ++i)
        ASSERT_EQ(inPieces[i], inOne[i]) << "sample " << i << " differs";
    // The stair really is climbing: nothing was left silent or held.
    EXPECT_GT(inPieces.back(), inPieces[inPieces.size() / 2]);
}

TEST(OutputRequests, ALeadWrittenIntoQueuedAudioContinuesSeamlesslyAtTheNextRequest)
{
    auto ledSound = Staircase(Rate);
    auto plainSound = Staircase(Rate);
    Mixer led{Rate}, plain{Rate};
    std::vector<float> silence(2 * 300, 0.0f);
    led.post({MixerCommandKind::Assign, 0, 0, 0, ledSound.get()});
    led.render(silence.data(), 300);
    EXPECT_FALSE(led.renderLead(silence.data(), 300)) << "no voice started";

    led.post({MixerCommandKind::Play, 0, 0, 1, nullptr});
    std::vector<float> queued(2 * 700, 0.25f); // what the server holds: the lead adds to it
    ASSERT_TRUE(led.renderLead(queued.data(), 700));
    EXPECT_FALSE(led.renderLead(silence.data(), 50)) << "a voice is led once";
    std::vector<float> rest(2 * 2000);
    led.render(rest.data(), 2000);

    const std::vector<float> reference = Play(plain, *plainSound, {(700 + 2000) * FrameBytes});
    for (std::size_t i = 0; i < queued.size(); ++i)
        ASSERT_FLOAT_EQ(queued[i], 0.25f + reference[i]) << "lead sample " << i;
    for (std::size_t i = 0; i < rest.size(); ++i)
        ASSERT_EQ(rest[i], reference[queued.size() + i]) << "sample " << i << " after the lead";
}

TEST(OutputRequests, ARestartLedIntoQueuedAudioFadesTheEarlierRunFromTheSamePoint)
{
    // A constant sound restarted: the old run's fade and the new run's rise
    // sum to the same level, so nothing may double anywhere.
    auto sound = std::make_unique<Sound>();
    sound->headFrames = sound->totalFrames = 2 * Rate;
    sound->head.assign(std::size_t(sound->headFrames) * 2, 0.5f);
    Mixer mixer{Rate};
    mixer.post({MixerCommandKind::Assign, 0, 0, 0, sound.get()});
    mixer.post({MixerCommandKind::Play, 0, 0, 1, nullptr});
    std::vector<float> played(2 * 1000), queued(2 * 700), rest(2 * 2000);
    mixer.render(played.data(), 1000);
    mixer.render(queued.data(), 700); // what the server holds when the key comes again
    mixer.post({MixerCommandKind::Play, 0, 0, 2, nullptr});
    ASSERT_TRUE(mixer.renderLead(queued.data(), 700));
    mixer.render(rest.data(), 2000);
    for (std::size_t i = 2 * mixer.rampFrames(); i < played.size(); ++i)
        ASSERT_FLOAT_EQ(played[i], 0.5f);
    for (std::size_t i = 0; i < queued.size(); ++i)
        ASSERT_NEAR(queued[i], 0.5f, 1e-5f) << "queued sample " << i;
    for (std::size_t i = 0; i < rest.size(); ++i)
        ASSERT_NEAR(rest[i], 0.5f, 1e-5f) << "sample " << i << " after the lead";
}

LatencyGovernor::Rules Rules()
{
    LatencyGovernor::Rules rules;
    rules.baseFrames = 192;
    rules.stepFrames = 96;
    rules.maxFrames = 384;
    rules.burstUnderruns = 2;
    rules.burstSeconds = 5;
    rules.quietSeconds = 20;
    return rules;
}

TEST(LatencyGovernor, OnlyABurstOfUnderrunsRaisesTheBufferAndOnlyUpToTheCap)
{
    LatencyGovernor governor(Rules());
    EXPECT_FALSE(governor.underrun(0));
    EXPECT_FALSE(governor.underrun(10)); // too far apart to be a burst
    EXPECT_EQ(governor.frames(), 192);
    EXPECT_TRUE(governor.underrun(11));
    EXPECT_EQ(governor.frames(), 288);
    EXPECT_FALSE(governor.underrun(12)); // a new burst starts counting afresh
    EXPECT_TRUE(governor.underrun(13));
    EXPECT_EQ(governor.frames(), 384);
    EXPECT_FALSE(governor.underrun(14));
    EXPECT_FALSE(governor.underrun(14.5));
    EXPECT_EQ(governor.frames(), 384);
    EXPECT_EQ(governor.underruns(), 7);
}

TEST(LatencyGovernor, AQuietSpellLowersOneStepAtATimeBackToTheBase)
{
    LatencyGovernor governor(Rules());
    EXPECT_FALSE(governor.tick(100)); // never raised: nothing to lower
    governor.underrun(0);
    governor.underrun(1);
    governor.underrun(2);
    governor.underrun(3);
    ASSERT_EQ(governor.frames(), 384);
    EXPECT_FALSE(governor.tick(22)); // 19 s after the last underrun
    EXPECT_TRUE(governor.tick(23.5));
    EXPECT_EQ(governor.frames(), 288);
    EXPECT_FALSE(governor.tick(30)); // the quiet spell counts again from the step
    EXPECT_TRUE(governor.tick(44));
    EXPECT_EQ(governor.frames(), 192);
    EXPECT_FALSE(governor.tick(1000));
    EXPECT_EQ(governor.frames(), 192);
}

} // namespace
