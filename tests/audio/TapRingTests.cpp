// The ring between the mixer and the microphone's stream: what goes in comes
// out in order, a backlog is drained without a jump in the wave, and a gap is
// silence rather than stale audio.

#include "audio/TapRing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using audio::TapRing;

namespace {

constexpr double Pi = 3.14159265358979323846;

std::vector<float> Sine(long long first, int frames, double frequency = 440)
{
    std::vector<float> stereo(std::size_t(frames) * 2);
    for (int i = 0; i < frames; ++i)
        stereo[2 * i] = stereo[2 * i + 1] = float(0.5 * std::sin(2 * Pi * frequency * double(first + i) / 48000));
    return stereo;
}

// The largest step between neighbouring samples: a 440 Hz sine at 0.5 moves at most 0.029 per frame.
float LargestStep(const std::vector<float>& stereo)
{
    float largest = 0;
    for (std::size_t i = 2; i < stereo.size(); i += 2)
        largest = std::max(largest, std::fabs(stereo[i] - stereo[i - 2]));
    return largest;
}

} // namespace

TEST(TapRing, PassesTheMixThroughInOrderAndPadsAGapWithSilence)
{
    TapRing ring;
    const auto in = Sine(0, 1000);
    ring.push(in.data(), 1000);
    std::vector<float> out(1200 * 2, 9.0f);
    ring.pull(out.data(), 1200, 2000, 4000);
    EXPECT_EQ(std::vector<float>(out.begin(), out.begin() + 2000), in);
    for (std::size_t i = 2000; i < out.size(); ++i)
        ASSERT_EQ(out[i], 0.0f);
    EXPECT_EQ(ring.paddedFrames(), 200);
}

TEST(TapRing, ABacklogDrainsTowardsTheTargetWithoutAJump)
{
    TapRing ring;
    long long produced = 0;
    auto push = [&](int frames) {
        const auto block = Sine(produced, frames);
        ring.push(block.data(), frames);
        produced += frames;
    };
    push(4800); // a burst: 100 ms ahead
    std::vector<float> heard;
    for (int i = 0; i < 2000; ++i) { // ten seconds of 5 ms pulls
        push(240);
        std::vector<float> out(240 * 2);
        ring.pull(out.data(), 240, 480, 9600);
        heard.insert(heard.end(), out.begin(), out.end());
    }
    // 1% of ten seconds drained, less the first window that measured the backlog.
    EXPECT_GE(ring.drainedFrames(), 3500);
    EXPECT_LE(ring.backlog(), 1100);
    EXPECT_EQ(ring.skippedFrames(), 0);
    EXPECT_LT(LargestStep(heard), 0.035f) << "draining bends the wave, it never cuts it";
}

TEST(TapRing, BurstsAloneAreNotDrained)
{
    TapRing ring;
    long long produced = 0;
    for (int i = 0; i < 200; ++i) {
        // 20 ms arrive at once, then are pulled in four parts: the backlog swings, but its least is 0.
        const auto block = Sine(produced, 960);
        ring.push(block.data(), 960);
        produced += 960;
        for (int part = 0; part < 4; ++part) {
            std::vector<float> out(240 * 2);
            ring.pull(out.data(), 240, 480, 9600);
        }
    }
    EXPECT_EQ(ring.drainedFrames(), 0) << "the pitch is left alone";
}

TEST(TapRing, ABacklogBeyondTheLimitIsSkippedAndAFullRingDropsTheNewest)
{
    TapRing ring;
    const auto burst = Sine(0, TapRing::Frames);
    ring.push(burst.data(), TapRing::Frames);
    ring.push(burst.data(), 100);
    EXPECT_EQ(ring.droppedFrames(), 100);
    std::vector<float> out(100 * 2);
    ring.pull(out.data(), 100, 480, 9600);
    EXPECT_EQ(ring.skippedFrames(), TapRing::Frames - 100 - 480);
    EXPECT_EQ(ring.backlog(), 480);
}
