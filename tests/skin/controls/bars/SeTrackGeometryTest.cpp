// The track bar's arithmetic: value to pixel and back, snapping to the tick
// spacing, and the thumb's outline.

#include "skin/controls/bars/SeTrackGeometry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

using namespace brio;

TEST(TrackGeometry, RoundsHalfToEven)
{
    EXPECT_EQ(roundHalfEven(104.5), 104);
    EXPECT_EQ(roundHalfEven(105.5), 106);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(-2.6), -3);
}

TEST(TrackGeometry, PixelOfFiftyOnTheVolumeBarIs118)
{
    // 238 wide, thumb 11, margin 9: 5 + 9 + round(209 * 0.5).
    const TrackAxis axis{238, 11, 9, 0, 100};
    EXPECT_EQ(trackPixelFromPosition(axis, 50), 118);
    EXPECT_EQ(trackPixelFromPosition(axis, 0), 14);
    EXPECT_EQ(trackPixelFromPosition(axis, 100), 223);
    EXPECT_EQ(trackPixelFromPosition(TrackAxis{238, 11, 9, 5, 5}, 5), 0) << "no range";
}

TEST(TrackGeometry, EveryPositionSurvivesTheWayToAPixelAndBack)
{
    for (const TrackAxis axis : {TrackAxis{238, 11, 9, 0, 100}, TrackAxis{150, 9, 9, -20, 20},
                                 TrackAxis{400, 16, 8, 1000, 1100}}) {
        for (int v = axis.min; v <= axis.max; ++v)
            ASSERT_EQ(trackPositionFromPixel(axis, trackPixelFromPosition(axis, v), 1), v)
                << "min " << axis.min << " max " << axis.max;
    }
}

TEST(TrackGeometry, SnapsToTheNearestMultipleOnBothSidesOfZero)
{
    EXPECT_EQ(snapToFrequency(12, 5), 10);
    EXPECT_EQ(snapToFrequency(13, 5), 15);
    EXPECT_EQ(snapToFrequency(-12, 5), -10);
    EXPECT_EQ(snapToFrequency(-13, 5), -15);
    EXPECT_EQ(snapToFrequency(-14, 5), -15);
    EXPECT_EQ(snapToFrequency(7, 0), 7) << "no spacing counts as 1";
    EXPECT_EQ(snapToFrequency(-7, -3), -7);
    EXPECT_EQ(snapToFrequency(2147483647, 1), 2147483647);

    std::mt19937 random(14);
    std::uniform_int_distribution<int> values(-100000, 100000), steps(-3, 40);
    for (int i = 0; i < 20000; ++i) {
        const int v = values(random), f = steps(random), step = f < 1 ? 1 : f;
        const int s = snapToFrequency(v, f);
        ASSERT_EQ(s % step, 0) << v << " by " << f;
        ASSERT_LE(2 * std::abs(s - v), step) << v << " by " << f << " gave " << s;
        ASSERT_EQ(snapToFrequency(-v, f), -s) << v << " by " << f;
    }
}

TEST(TrackGeometry, DraggedPixelsSnapAndStayInRange)
{
    const TrackAxis axis{238, 11, 9, 0, 100};
    auto pixelOf = [&](int v) { return trackPixelFromPosition(axis, v); };
    EXPECT_EQ(trackPositionFromPixel(axis, pixelOf(12), 5), 10);
    EXPECT_EQ(trackPositionFromPixel(axis, pixelOf(13), 5), 15);
    EXPECT_EQ(trackPositionFromPixel(axis, pixelOf(13), 0), 13);
    EXPECT_EQ(trackPositionFromPixel(axis, -500, 1), 0);
    EXPECT_EQ(trackPositionFromPixel(axis, 5000, 1), 100);
    EXPECT_EQ(trackPositionFromPixel(axis, pixelOf(99), 7), 98) << "98 is the nearest multiple in range";
    const TrackAxis negative{238, 11, 9, -50, 50};
    EXPECT_EQ(trackPositionFromPixel(negative, trackPixelFromPosition(negative, -13), 5), -15);
}

TEST(TrackGeometry, BarsWithNoRoomForTheThumbGiveMin)
{
    for (int length : {0, 1, 20, 29})
        for (int pixel : {-5, 0, 3, 14, 40})
            EXPECT_EQ(trackPositionFromPixel(TrackAxis{length, 11, 9, -4, 9}, pixel, 1), -4) << length;
    EXPECT_EQ(trackPositionFromPixel(TrackAxis{238, 11, 9, -2147483647 - 1, 2147483647}, 5000, 1), 2147483647);
}

TEST(TrackGeometry, ThumbCrossStartFollowsTheTickSide)
{
    EXPECT_EQ(trackCrossStart(7, 9, TrackTicks::bottomRight, true), 7 + 2);
    EXPECT_EQ(trackCrossStart(7, 9, TrackTicks::topLeft, true), 7 + 4 + 5);
    EXPECT_EQ(trackCrossStart(7, 9, TrackTicks::topLeft, false), 7 + 4);
    EXPECT_EQ(trackCrossStart(7, 9, TrackTicks::both, true), 7 + 2 + 5);
}

TEST(TrackGeometry, PointedThumbCoversItsBodyAndTipButNotTheCornersBesideTheTip)
{
    // Horizontal, ticks below: body 10..21 across 20..40, tip from 34 to 40.
    const ThumbOutline down = trackThumbOutline(true, TrackTicks::bottomRight, 15, 11, 20, 20);
    EXPECT_TRUE(trackThumbContains(down, 15, 25));
    EXPECT_TRUE(trackThumbContains(down, 10, 20)) << "top-left corner";
    EXPECT_TRUE(trackThumbContains(down, 15, 38)) << "near the tip";
    EXPECT_FALSE(trackThumbContains(down, 10, 39)) << "beside the tip";
    EXPECT_FALSE(trackThumbContains(down, 20, 39)) << "beside the tip";
    EXPECT_FALSE(trackThumbContains(down, 15, 19));
    EXPECT_FALSE(trackThumbContains(down, 22, 25));

    // Vertical, ticks on the left: the tip points left.
    const ThumbOutline left = trackThumbOutline(false, TrackTicks::topLeft, 50, 11, 10, 20);
    EXPECT_TRUE(trackThumbContains(left, 11, 50));
    EXPECT_FALSE(trackThumbContains(left, 11, 45));
    EXPECT_TRUE(trackThumbContains(left, 28, 45));

    const ThumbOutline square = trackThumbOutline(true, TrackTicks::both, 15, 11, 20, 20);
    EXPECT_EQ(square.count, 4);
    EXPECT_TRUE(trackThumbContains(square, 10, 39));
    EXPECT_FALSE(trackThumbContains(square, 10, 40));
}

} // namespace
