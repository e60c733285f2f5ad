// The thumb's arithmetic on its own: lengths, the round trip between a
// thumb start and a position, and ranges near the integer limits.

#include "skin/controls/scroll/SeScrollGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

using brio::ScrollRangeInfo;

TEST(ScrollGeometry, ThumbLengthFollowsThePageWithAFloorAndVanishesWhenItFillsTheTrack)
{
    // 20 of 100 on 200 pixels: 40.
    EXPECT_EQ(brio::ScrollThumbLength({0, 99, 20}, 200, 17), 40);
    // One row of ten thousand would be a sliver; two thirds of the system
    // thumb height (17 div 3 x 2) is the least.
    EXPECT_EQ(brio::ScrollThumbLength({0, 9999, 1}, 200, 17), 10);
    // Without a page the thumb is as long as the system's.
    EXPECT_EQ(brio::ScrollThumbLength({0, 99, 0}, 200, 17), 17);
    // A page of the whole range, or a track too short for the thumb: none.
    EXPECT_EQ(brio::ScrollThumbLength({0, 99, 100}, 200, 17), 0);
    EXPECT_EQ(brio::ScrollThumbLength({0, 99, 0}, 17, 17), 0);
    EXPECT_EQ(brio::ScrollThumbLength({0, 99, 0}, 0, 17), 0);
}

TEST(ScrollGeometry, ButtonsShareABarShorterThanTwoOfThem)
{
    EXPECT_EQ(brio::ScrollButtonLength(121, 1, 17), 17);
    EXPECT_EQ(brio::ScrollButtonLength(30, 1, 17), 14);
    EXPECT_EQ(brio::ScrollButtonLength(1, 1, 17), 0) << "nothing left inside the border";
}

TEST(ScrollGeometry, RangeAndLastPositionWithAndWithoutAPage)
{
    EXPECT_EQ(brio::ScrollRange({0, 99, 20}), 80);
    EXPECT_EQ(brio::ScrollLastPosition({0, 99, 20}), 80);
    EXPECT_EQ(brio::ScrollRange({10, 99, 0}), 89);
    EXPECT_EQ(brio::ScrollLastPosition({10, 99, 0}), 99);
    // A thumb at a position past the last one sits at the track's end.
    EXPECT_EQ(brio::ScrollThumbOffset({0, 99, 20}, 95, 200, 40), 160);
    EXPECT_EQ(brio::ScrollThumbOffset({5, 5, 1}, 5, 200, 40), 0) << "no range: the start";
    EXPECT_EQ(brio::ScrollPositionAt({5, 5, 1}, 70, 200, 40), 5);
    EXPECT_EQ(brio::ScrollPositionAt({0, 99, 20}, 500, 200, 40), 80) << "kept to the last position";
    EXPECT_EQ(brio::ScrollPositionAt({0, 99, 20}, -30, 200, 40), 0);
}

// Whichever side has fewer steps survives the round trip through the other:
// every thumb pixel when positions outnumber pixels, every position when
// pixels outnumber positions.
TEST(ScrollGeometry, RoundTripsAreStableOverManyShapes)
{
    for (int max : {5, 9, 37, 99, 255, 1000, 4097, 65535}) {
        for (int page : {0, 1, 3, 10, 50}) {
            for (int track : {13, 40, 117, 300, 1024}) {
                const ScrollRangeInfo r{-7, max, page};
                const int thumb = brio::ScrollThumbLength(r, track, 17);
                if (thumb == 0)
                    continue;
                const int room = track - thumb;
                const int range = brio::ScrollRange(r);
                if (range < 1)
                    continue;
                if (range >= room) {
                    for (int offset = 0; offset <= room; ++offset) {
                        const int position = brio::ScrollPositionAt(r, offset, track, thumb);
                        ASSERT_EQ(brio::ScrollThumbOffset(r, position, track, thumb), offset)
                            << "max " << max << " page " << page << " track " << track;
                    }
                } else {
                    for (int position = r.min; position <= brio::ScrollLastPosition(r); ++position) {
                        const int offset = brio::ScrollThumbOffset(r, position, track, thumb);
                        ASSERT_EQ(brio::ScrollPositionAt(r, offset, track, thumb), position)
                            << "max " << max << " page " << page << " track " << track;
                    }
                }
            }
        }
    }
}

// Track x page and position x room both exceed 32 bits here.
TEST(ScrollGeometry, HugeRangesDoNotOverflow)
{
    const ScrollRangeInfo r{0, INT_MAX - 1, 1'500'000'000};
    const int track = 3000;
    const int thumb = brio::ScrollThumbLength(r, track, 17);
    EXPECT_EQ(thumb, int(std::lround(3000.0 * 1.5e9 / 2147483647.0)));
    const int range = brio::ScrollRange(r);
    const int middle = range / 2;
    EXPECT_EQ(brio::ScrollThumbOffset(r, middle, track, thumb), int(std::lround(double(middle) * (track - thumb) / range)));
    EXPECT_EQ(brio::ScrollThumbOffset(r, range, track, thumb), track - thumb);
    const int back = brio::ScrollPositionAt(r, (track - thumb) / 2, track, thumb);
    EXPECT_NEAR(double(back), double(range) / 2, double(range) / (track - thumb));

    const ScrollRangeInfo wide{INT_MIN, INT_MAX - 1, 0};
    EXPECT_EQ(brio::ScrollThumbOffset(wide, INT_MAX - 1, 400, 17), 383);
    EXPECT_EQ(brio::ScrollPositionAt(wide, 383, 400, 17), INT_MAX - 1);
    EXPECT_EQ(brio::ScrollPositionAt(wide, 0, 400, 17), INT_MIN);
}

} // namespace
