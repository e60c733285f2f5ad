// The show-animation masks and the frame they give: every effect shows the
// desktop at 0 % and the window at 100 % in every direction and layout;
// frames match a slow reference that lays the blocks out one by one; the
// pixel effects reveal the same cells in the same order every time.

#include "EffectTestSupport.h"

#include "skin/controls/effects/SeAnimationMask.h"
#include "skin/controls/effects/SeFrameCompose.h"
#include "skin/engine/SePixels.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace effecttest;

namespace {

const TSeDirection kDirections[] = {kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270};

std::string describe(TkeEffect e, TSeDirection d, int w, int h, int r, int t, int p)
{
    std::ostringstream out;
    out << "effect " << int(e) << " direction " << int(d) << " " << w << "x" << h << " resolution " << r
        << " tiles " << t << " at " << p << "%";
    return out.str();
}

// The cell of every pixel, found the long way: each tile draws its cells'
// blocks of resolution + 1 pixels in order, later blocks over earlier ones;
// the grid is then turned into a copy as the picture sees it.
std::vector<std::uint8_t> SlowWeights(const brio::AnimationMask& mask, int w, int h, int r, int t, TSeDirection d)
{
    const int cellsX = w / r / t + 1, cellsY = h / r / t + 1;
    const int tileW = w / t + 1, tileH = h / t + 1;
    std::vector<int> cellOf(std::size_t(w) * std::size_t(h), -1);
    for (int ty = 0; ty < t; ++ty)
        for (int tx = 0; tx < t; ++tx)
            for (int cy = 0; cy < cellsY; ++cy)
                for (int cx = 0; cx < cellsX; ++cx)
                    for (int y = 0; y <= r; ++y)
                        for (int x = 0; x <= r; ++x) {
                            const int lx = cx * r + x, ly = cy * r + y;
                            const int px = tx * tileW + lx, py = ty * tileH + ly;
                            if (lx < tileW && ly < tileH && px < w && py < h)
                                cellOf[std::size_t(py * w + px)] = cy * cellsX + cx;
                        }
    // The grid as drawn, turned clockwise by the direction's quarters.
    std::vector<std::uint8_t> seen(std::size_t(cellsX) * std::size_t(cellsY));
    const int gw = mask.width(), gh = mask.height();
    for (int cy = 0; cy < cellsY; ++cy)
        for (int cx = 0; cx < cellsX; ++cx) {
            int gx = cx, gy = cy;
            if (d == kdRotate90) {
                gx = cy;
                gy = gh - 1 - cx;
            } else if (d == kdRotate180) {
                gx = gw - 1 - cx;
                gy = gh - 1 - cy;
            } else if (d == kdRotate270) {
                gx = gw - 1 - cy;
                gy = cx;
            }
            seen[std::size_t(cy * cellsX + cx)] = mask.row(gy)[gx];
        }
    std::vector<std::uint8_t> weights(cellOf.size());
    for (std::size_t i = 0; i < cellOf.size(); ++i) {
        EXPECT_GE(cellOf[i], 0) << "a pixel no block covers";
        weights[i] = cellOf[i] < 0 ? 0 : seen[std::size_t(cellOf[i])];
    }
    return weights;
}

struct Pictures {
    Framed picture, desktop, frame;
    Pictures(int w, int h, std::uint32_t seed) : picture(w, h), desktop(w, h), frame(w, h)
    {
        FillRandom(picture.view(), seed);
        FillRandom(desktop.view(), seed + 1);
        // Some of the window lies outside its shape.
        std::mt19937 random(seed + 2);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (random() % 7 == 0)
                    picture.view().row(y)[x] = SeKeyValue;
    }
};

TEST(AnimationMask, EveryEffectShowsTheDesktopAtZeroAndTheWindowAtAHundred)
{
    struct Layout {
        int w, h, r, t;
    };
    const Layout layouts[] = {{5, 5, 1, 1}, {1, 1, 1, 1}, {97, 41, 1, 1}, {97, 41, 3, 4}, {40, 90, 10, 20}, {2, 60, 7, 3}};
    std::uint32_t seed = 100;
    for (const Layout& l : layouts) {
        Pictures pics(l.w, l.h, seed += 3);
        for (int e = keFade; e <= keSmoothRectOut; ++e)
            for (TSeDirection d : kDirections) {
                brio::AnimationMask mask;
                mask.layOut(SIZE{l.w, l.h}, l.r, l.t, d);
                for (int p : {0, 100}) {
                    mask.draw(TkeEffect(e), p);
                    brio::composeAnimationFrame(pics.frame.view(), pics.picture.view(), pics.desktop.view(), mask);
                    int wrong = 0;
                    for (int y = 0; y < l.h; ++y)
                        for (int x = 0; x < l.w; ++x) {
                            const Pixel window = pics.picture.at(x, y);
                            const Pixel want = p == 0 || IsKeyPixel(window) ? pics.desktop.at(x, y) : window;
                            wrong += pics.frame.at(x, y) != want;
                        }
                    EXPECT_EQ(wrong, 0) << describe(TkeEffect(e), d, l.w, l.h, l.r, l.t, p);
                }
            }
        EXPECT_TRUE(pics.frame.canaryIntact());
    }
}

TEST(AnimationMask, FramesMatchTheSlowReference)
{
    std::mt19937 random(2024);
    for (int round = 0; round < 150; ++round) {
        const int w = 1 + int(random() % 70), h = 1 + int(random() % 70);
        // Every third round one cell per pixel, the layout with a path of its own.
        const bool straight = round % 3 == 0;
        const int r = straight ? 1 : 1 + int(random() % 10), t = straight ? 1 : 1 + int(random() % 20);
        const TSeDirection d = straight ? kdNone : kDirections[random() % 5];
        const auto e = TkeEffect(keFade + int(random() % 14));
        const int p = int(random() % 101);
        Pictures pics(w, h, random());
        brio::AnimationMask mask;
        mask.layOut(SIZE{w, h}, r, t, d);
        mask.draw(e, p);
        brio::composeAnimationFrame(pics.frame.view(), pics.picture.view(), pics.desktop.view(), mask);
        const std::vector<std::uint8_t> weights = SlowWeights(mask, w, h, r, t, d);
        int wrong = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Pixel window = pics.picture.at(x, y);
                const unsigned weight = IsKeyPixel(window) ? 0 : weights[std::size_t(y * w + x)];
                wrong += pics.frame.at(x, y) != SlowBlend(window, pics.desktop.at(x, y), weight);
            }
        ASSERT_EQ(wrong, 0) << describe(e, d, w, h, r, t, p);
        ASSERT_TRUE(pics.frame.canaryIntact()) << describe(e, d, w, h, r, t, p);
    }
}

TEST(AnimationMask, LevelsRoundHalvesToEven)
{
    EXPECT_EQ(brio::MaskLevel(50), 128); // 127.5
    EXPECT_EQ(brio::MaskLevel(10), 26);  // 25.5
    EXPECT_EQ(brio::MaskLevel(30), 76);  // 76.5
    EXPECT_EQ(brio::MaskLevel(0), 0);
    EXPECT_EQ(brio::MaskLevel(100), 255);
    EXPECT_EQ(brio::MaskLevel(1), 3);
    brio::AnimationMask mask;
    mask.layOut(SIZE{30, 20}, 1, 1, kdNone);
    mask.draw(keFade, 50);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            ASSERT_EQ(mask.row(y)[x], 128);
    // Fading: full at the start while p ≥ 50, nothing at and past the front.
    EXPECT_EQ(brio::FadingLevel(60, 0, 10), 255);
    EXPECT_EQ(brio::FadingLevel(25, 0, 10), 128);
    EXPECT_EQ(brio::FadingLevel(25, 5, 10), 64);
    EXPECT_EQ(brio::FadingLevel(25, 10, 10), 0);
    EXPECT_EQ(brio::FadingLevel(100, 1e9, 10), 255);
}

TEST(AnimationMask, EffectsSweepTheirWay)
{
    brio::AnimationMask mask;
    auto at = [&](double fx, double fy) {
        return mask.row(int(fy * (mask.height() - 1)))[int(fx * (mask.width() - 1))];
    };
    mask.layOut(SIZE{60, 40}, 1, 1, kdNone);
    mask.draw(keDown, 40);
    EXPECT_GT(at(0.5, 0), 0);
    EXPECT_EQ(at(0.5, 1), 0);
    mask.draw(keIn, 40);
    EXPECT_EQ(at(0.5, 0), 255);
    EXPECT_EQ(at(0.5, 1), 255);
    EXPECT_EQ(at(0.5, 0.5), 0);
    mask.draw(keOut, 40);
    EXPECT_EQ(at(0.5, 0), 0);
    EXPECT_EQ(at(0.5, 0.5), 255);
    mask.draw(keRectOut, 40);
    EXPECT_GT(at(0.5, 0.5), 0);
    EXPECT_EQ(at(0, 0), 0);
    mask.draw(keRectIn, 40);
    EXPECT_EQ(at(0.5, 0.5), 0);
    EXPECT_GT(at(0, 0), 0);
    mask.draw(keDiagonal, 30);
    EXPECT_GT(at(0, 0), 0);
    EXPECT_EQ(at(1, 1), 0);
    for (TkeEffect e : {keDiamondOut, keSmoothRectOut}) {
        mask.draw(e, 30);
        EXPECT_GT(at(0.5, 0.5), at(0, 0)) << int(e);
        EXPECT_GT(at(0.5, 0.5), at(1, 1)) << int(e);
    }
    for (TkeEffect e : {keDiamondIn, keSmoothRectIn}) {
        mask.draw(e, 30);
        EXPECT_LT(at(0.5, 0.5), at(0, 0)) << int(e);
    }
    mask.draw(keSmoothDiagonal, 30);
    EXPECT_GT(at(0, 0), at(0.5, 0.5));
    EXPECT_GE(at(0.5, 0.5), at(1, 1));
    mask.draw(kePixelLine, 60);
    int firstColumn = 0, lastColumn = 0;
    for (int y = 0; y < mask.height(); ++y) {
        firstColumn += mask.row(y)[0];
        lastColumn += mask.row(y)[mask.width() - 1];
    }
    EXPECT_GT(firstColumn, lastColumn);

    // Turned: the rows of keDown come from the right (a quarter clockwise),
    // the bottom, and the left.
    auto weightOfPixel = [&](int x, int y) { return mask.weightAt(x, y); };
    const struct {
        TSeDirection d;
        POINT lit, dark;
    } turns[] = {{kdRotate90, {59, 20}, {0, 20}}, {kdRotate180, {30, 39}, {30, 0}}, {kdRotate270, {0, 20}, {59, 20}}};
    for (const auto& turn : turns) {
        mask.layOut(SIZE{60, 40}, 1, 1, turn.d);
        mask.draw(keDown, 40);
        EXPECT_GT(weightOfPixel(turn.lit.x, turn.lit.y), 0) << int(turn.d);
        EXPECT_EQ(weightOfPixel(turn.dark.x, turn.dark.y), 0) << int(turn.d);
    }
}

TEST(AnimationMask, PixelEffectsRevealOneOrderEveryShowing)
{
    for (SIZE size : {SIZE{5, 5}, SIZE{123, 77}}) {
        brio::AnimationMask first, second;
        first.layOut(size, 1, 1, kdNone);
        const int cells = first.width() * first.height();
        std::vector<std::uint8_t> previous(std::size_t(cells), 0);
        for (int p = 0; p <= 100; ++p) {
            first.draw(kePixel, p);
            // A new mask for the same size, as the next showing has.
            second.layOut(size, 1, 1, kdNone);
            second.draw(kePixel, p);
            const std::vector<std::uint8_t> now(first.bytes(), first.bytes() + cells);
            ASSERT_TRUE(std::equal(now.begin(), now.end(), second.bytes())) << "showings differ at " << p << "%";
            int set = 0;
            for (std::size_t i = 0; i < now.size(); ++i) {
                ASSERT_TRUE(now[i] == 0 || now[i] == 255);
                ASSERT_TRUE(previous[i] == 0 || now[i] == 255) << "a revealed cell went away at " << p << "%";
                set += now[i] == 255;
            }
            EXPECT_EQ(set, p * cells / 100) << p << "%";
            previous = now;
        }
        const std::vector<int>& order = first.pixelOrder();
        EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), std::size_t(cells)) << "every cell comes once";
    }
}

} // namespace
