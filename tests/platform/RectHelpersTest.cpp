// The classic rectangle helpers on random rectangles, checked point by point
// against what each promises.

#include "platform/Gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

bool inside(const RECT& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

RECT randomRect(std::mt19937& rng)
{
    auto pick = [&] { return int(rng() % 14) - 1; };
    // Empty and upside-down rectangles included.
    return RECT{pick(), pick(), pick(), pick()};
}

TEST(RectHelpers, UnionHoldsBothAndSubtractKeepsWhatIsLeft)
{
    std::mt19937 rng(5);
    for (int round = 0; round < 3000; ++round) {
        RECT a = randomRect(rng), b = randomRect(rng);
        RECT u{1, 2, 3, 4}, s{1, 2, 3, 4};
        BOOL unionNotEmpty = UnionRect(&u, &a, &b);
        BOOL leftNotEmpty = SubtractRect(&s, &a, &b);
        EXPECT_EQ(unionNotEmpty, !IsRectEmpty(&u));
        EXPECT_EQ(leftNotEmpty, !IsRectEmpty(&s));
        if (!leftNotEmpty) {
            EXPECT_EQ(s, RECT{}) << "an empty result is the zero rectangle";
        }
        for (int y = -1; y <= 13; ++y)
            for (int x = -1; x <= 13; ++x) {
                bool inA = inside(a, x, y), inB = inside(b, x, y);
                if (inA || inB) {
                    ASSERT_TRUE(inside(u, x, y)) << "union misses " << x << "," << y << " in round " << round;
                }
                // What is in a but not in b stays; nothing outside a appears.
                if (inA && !inB) {
                    ASSERT_TRUE(inside(s, x, y)) << "difference lost " << x << "," << y << " in round " << round;
                }
                if (!inA) {
                    ASSERT_FALSE(inside(s, x, y)) << "difference grew at " << x << "," << y << " in round " << round;
                }
            }
        // The union is the smallest box: each side touches a or b.
        if (unionNotEmpty) {
            bool aEmpty = IsRectEmpty(&a), bEmpty = IsRectEmpty(&b);
            RECT expected = aEmpty ? b : bEmpty ? a : RECT{std::min(a.left, b.left), std::min(a.top, b.top),
                                                           std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
            EXPECT_EQ(u, expected);
        }
    }

    // Subtracting shrinks only when b spans a whole side.
    RECT a{0, 0, 10, 10}, s;
    RECT leftStrip{-5, -1, 4, 11}, middle{3, -1, 6, 11}, corner{5, 5, 20, 20}, all{-1, -1, 11, 11};
    EXPECT_TRUE(SubtractRect(&s, &a, &leftStrip));
    EXPECT_EQ(s, (RECT{4, 0, 10, 10}));
    EXPECT_TRUE(SubtractRect(&s, &a, &middle));
    EXPECT_EQ(s, a) << "a hole in the middle leaves the box";
    EXPECT_TRUE(SubtractRect(&s, &a, &corner));
    EXPECT_EQ(s, a);
    EXPECT_FALSE(SubtractRect(&s, &a, &all));

    RECT r{1, 2, 3, 4};
    EXPECT_TRUE(SetRectEmpty(&r));
    EXPECT_EQ(r, RECT{});
    EXPECT_FALSE(SetRectEmpty(nullptr));
    EXPECT_FALSE(UnionRect(&r, &a, nullptr));
    EXPECT_FALSE(SubtractRect(nullptr, &a, &a));
}

} // namespace
