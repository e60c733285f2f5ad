// The show animation on the headless screen: frames reach the screen at
// the window's place through its region, are paced by wall-clock time so
// that the animation lasts about its time and always ends (also for a
// 5 × 5 window, whose frames take next to nothing), and the last frame is
// the plain picture.

#include "DesktopPicture.h"
#include "EffectTestSupport.h"

#include "platform/window/ScreenOverlay.h"
#include "skin/controls/effects/SeAnimationMask.h"
#include "skin/controls/effects/SeShowAnimation.h"
#include "skin/controls/options/SeAnimation.h"
#include "skin/engine/SePixels.h"
#include "tests/support/UiTestSupport.h"

#include <chrono>
#include <set>
#include <stdexcept>
#include <thread>

using namespace effecttest;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class ShowAnimationTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        desktopWindow = std::make_unique<DesktopPicture>(31);
        pump();
    }
    void TearDown() override
    {
        desktopWindow.reset();
        UiTest::TearDown();
    }
    // A window picture at `at` (screen) with the key outside an ellipse, and
    // the desktop under it.
    void prepare(int w, int h, POINT at)
    {
        position = at;
        picture = std::make_unique<Framed>(w, h);
        desktop = std::make_unique<Framed>(w, h);
        FillRandom(picture->view(), 5);
        region = CreateEllipticRgn(0, 0, w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                desktop->view().row(y)[x] = desktopWindow->at(at.x + x, at.y + y);
                if (!PtInRegion(region, x, y))
                    picture->view().row(y)[x] = SeKeyValue;
            }
    }
    Pixel screenAt(int x, int y) { return backend().composeScreen()->at(x, y); }
    // Pixels of the window's rectangle on screen that are not the plain picture.
    int notPlain()
    {
        PixelBufferPtr screen = backend().composeScreen();
        int wrong = 0;
        for (int y = 0; y < picture->view().height(); ++y)
            for (int x = 0; x < picture->view().width(); ++x) {
                const Pixel p = picture->at(x, y);
                const Pixel want = IsKeyPixel(p) ? desktop->at(x, y) : p;
                wrong += screen->at(position.x + x, position.y + y) != want;
            }
        return wrong;
    }
    // Ends a runaway animation with a failure instead of a hung test.
    void guard(brio::ShowAnimation& animation, Clock::time_point start)
    {
        animation.OnFrame = [start, this](int percent) {
            percents.push_back(percent);
            if (msSince(start) > 20000)
                throw std::runtime_error("the animation does not end");
        };
    }

    std::unique_ptr<DesktopPicture> desktopWindow;
    std::unique_ptr<Framed> picture, desktop;
    HRGN region = nullptr;
    POINT position{};
    std::vector<int> percents;
    TSeAnimation options;
};

TEST_F(ShowAnimationTest, LastsItsTimeAndEndsOnThePlainPicture)
{
    prepare(160, 100, POINT{300, 200});
    options.SetTime(400);
    options.SetEffect(keFade);
    brio::ShowAnimation animation;
    int checked = 0;
    const auto start = Clock::now();
    animation.OnFrame = [&](int percent) {
        percents.push_back(percent);
        // The frame is on the screen: the window at the frame's weight over the desktop.
        if (percent < 100 && checked < 5) {
            ++checked;
            const Pixel want = SlowBlend(picture->at(80, 50), desktop->at(80, 50), brio::MaskLevel(percent));
            EXPECT_EQ(screenAt(380, 250), want | 0xFF000000u) << percent << "%";
        }
    };
    ASSERT_TRUE(animation.play(picture->view(), desktop->view(), position, region, options));
    const double took = msSince(start);
    EXPECT_GE(took, 400.0);
    EXPECT_LT(took, 5000.0);
    ASSERT_GE(percents.size(), 2u);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.back(), 100);
    EXPECT_EQ(animation.framesShown(), int(percents.size()));

    EXPECT_EQ(notPlain(), 0) << "the last frame is the plain picture, the desktop outside the shape";
    ASSERT_NE(animation.overlay(), nullptr);
    const HWND overlay = animation.overlay()->handle();
    animation.finish();
    EXPECT_FALSE(IsWindow(overlay));
    EXPECT_EQ(screenAt(380, 250), desktop->at(80, 50)) << "the overlay is gone";
    DeleteObject(region);
}

TEST_F(ShowAnimationTest, AlwaysEndsWhateverTheFrameCosts)
{
    // A 5 × 5 window: thousands of frames that each take next to nothing.
    prepare(5, 5, POINT{10, 10});
    options.SetTime(50);
    brio::ShowAnimation tiny;
    auto start = Clock::now();
    guard(tiny, start);
    ASSERT_TRUE(tiny.play(picture->view(), desktop->view(), position, region, options));
    EXPECT_GE(msSince(start), 50.0);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_EQ(notPlain(), 0);
    DeleteObject(region);

    // Frames slower than the whole time: the first is shown, then it ends.
    prepare(40, 30, POINT{100, 100});
    options.SetTime(100);
    brio::ShowAnimation slow;
    percents.clear();
    start = Clock::now();
    slow.OnFrame = [&](int percent) {
        percents.push_back(percent);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    };
    ASSERT_TRUE(slow.play(picture->view(), desktop->view(), position, region, options));
    EXPECT_EQ(percents, (std::vector<int>{0, 100}));
    DeleteObject(region);
}

TEST_F(ShowAnimationTest, EveryEffectAndDirectionEnds)
{
    prepare(64, 48, POINT{500, 300});
    options.SetTime(50);
    options.SetResolution(3);
    options.SetTileCount(2);
    for (int e = keRandomSelect; e <= keSmoothRectOut; ++e)
        for (TSeDirection d : {kdNone, kdRotate90, kdRotate180, kdRotate270}) {
            options.SetEffect(TkeEffect(e));
            options.SetDirection(d);
            brio::ShowAnimation animation;
            percents.clear();
            guard(animation, Clock::now());
            ASSERT_TRUE(animation.play(picture->view(), desktop->view(), position, region, options));
            EXPECT_NE(animation.effectShown(), keRandomSelect);
            if (e != keRandomSelect) {
                EXPECT_EQ(animation.effectShown(), TkeEffect(e));
            }
            EXPECT_EQ(notPlain(), 0) << "effect " << e << " direction " << int(d);
        }
    DeleteObject(region);
}

TEST_F(ShowAnimationTest, RandomSelectPicksEachOfTheOthers)
{
    std::set<int> picked;
    for (int i = 0; i < 2000; ++i) {
        const TkeEffect e = brio::ResolveEffect(keRandomSelect);
        ASSERT_NE(e, keRandomSelect);
        ASSERT_LE(int(e), int(keSmoothRectOut));
        picked.insert(e);
    }
    EXPECT_EQ(picked.size(), 14u);
    EXPECT_EQ(brio::ResolveEffect(keDiamondIn), keDiamondIn);
}

TEST_F(ShowAnimationTest, NothingToShowIsSkipped)
{
    prepare(40, 30, POINT{100, 100});
    brio::ShowAnimation animation;
    PixelBuffer nothing(0, 0);
    EXPECT_FALSE(animation.play(nothing, nothing, position, region, options));
    Framed other(41, 30);
    EXPECT_FALSE(animation.play(picture->view(), other.view(), position, region, options))
        << "a desktop picture of another size";
    EXPECT_EQ(animation.overlay(), nullptr);
    EXPECT_EQ(animation.framesShown(), 0);
    DeleteObject(region);
}

} // namespace
