// The progress bar: what it shows for a position, when it paints, and that
// the pump in its Position setter never runs inside itself.

#include "tests/skin/controls/panels/ControlsTestSupport.h"

#include "platform/window/Clock.h"
#include "skin/controls/bars/SeSkinProgressBar.h"
#include "ui/forms/Timer.h"

namespace {

using controlstest::ControlsTest;
using controlstest::Shape;
using namespace brio;

TEST(ProgressArithmetic, FractionIsEmptyOutsideTheRangeAndForANegativeMin)
{
    EXPECT_DOUBLE_EQ(progressFraction(0, 1000, 1), 0.001);
    EXPECT_DOUBLE_EQ(progressFraction(10, 20, 15), 0.5);
    EXPECT_EQ(progressFraction(-10, 10, 5), 0.0);
    EXPECT_EQ(progressFraction(-10, 10, 10), 0.0);
    EXPECT_EQ(progressFraction(0, 100, 101), 0.0);
    EXPECT_EQ(progressFraction(0, 100, -1), 0.0);
    EXPECT_EQ(progressFraction(5, 5, 5), 0.0);
    EXPECT_DOUBLE_EQ(progressFraction(0, 2147483647, 2147483647), 1.0);
}

TEST(ProgressArithmetic, BlockCountIsRoundedShareOfTheBlocksThatFitPlusOne)
{
    EXPECT_EQ(progressBlockCount(0.009, 20), 0);
    EXPECT_EQ(progressBlockCount(0.01, 20), 1);
    EXPECT_EQ(progressBlockCount(0.5, 20), 11);
    EXPECT_EQ(progressBlockCount(0.525, 20), 11) << "10.5 rounds to even";
    EXPECT_EQ(progressBlockCount(1.0, 20), 21);
    // 132 pixels of 8-pixel blocks with 2-pixel gaps.
    EXPECT_EQ(progressBlocksThatFit(132, 8), 13);
    EXPECT_EQ(progressBlocksThatFit(8, 8), 1);
    EXPECT_EQ(progressBlocksThatFit(0, 8), 0);
    EXPECT_EQ(progressBlocksThatFit(10, 0), 4) << "a zero block counts as one pixel";
}

class ProgressBar : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        bar = add<TSeCustomProgressBar>(form, 10, 10, 140, 16);
        previous = bar->WindowProc;
        bar->WindowProc = [this](TMessage& m) {
            if (m.Msg == WM_PAINT)
                ++paints;
            previous(m);
        };
        pump();
        paints = 0;
    }
    // The highlighted pixels along the middle row.
    int lit()
    {
        int count = 0;
        for (int x = 0; x < bar->Width(); ++x)
            count += pixelAt(bar, x, bar->Height() / 2) == ColorToRGB(clHighlight);
        return count;
    }

    TSeCustomProgressBar* bar = nullptr;
    TWndMethod previous;
    int paints = 0;
};

TEST_F(ProgressBar, PaintsAtOnceOnlyWhenTheFractionChanges)
{
    bar->SetMax(1000);
    pump();
    paints = 0;
    bar->SetPosition(1);
    EXPECT_EQ(paints, 1) << "painted inside the setter, no pump needed";
    bar->SetPosition(1);
    pump();
    EXPECT_EQ(paints, 1);
    bar->SetMin(-10);
    pump();
    paints = 0;
    for (int p : {-10, 0, 500, 1000})
        bar->SetPosition(p);
    pump();
    EXPECT_EQ(paints, 0) << "a negative Min always shows an empty bar";
    EXPECT_EQ(lit(), 0);
}

TEST_F(ProgressBar, BlocksAndSmoothBarGrowWithThePosition)
{
    // Area 136 x 12: blocks 8 wide (round(12 x 0.64)) with 2-pixel gaps.
    bar->SetPosition(0);
    pump();
    EXPECT_EQ(lit(), 0);
    bar->SetPosition(50);
    const int blocks = progressBlockCount(0.5, progressBlocksThatFit(136, 8));
    EXPECT_EQ(lit(), blocks * 8);
    bar->SetPosition(100);
    // 14 blocks: 13 whole ones and the last cut to 6 pixels by the area.
    EXPECT_EQ(lit(), 13 * 8 + 6);
    bar->SetSmooth(true);
    bar->SetPosition(25);
    pump();
    EXPECT_EQ(lit(), 34);
    bar->SetOrientation(kboVertical);
    bar->SetBounds(10, 10, 16, 140);
    pump();
    int litRows = 0;
    for (int y = 0; y < 140; ++y)
        litRows += pixelAt(bar, 8, y) == ColorToRGB(clHighlight);
    EXPECT_EQ(litRows, 34);
    EXPECT_EQ(pixelAt(bar, 8, 137), ColorToRGB(clHighlight)) << "fills from the bottom";
}

TEST_F(ProgressBar, ATimerThatSetsPositionNeverRunsInsideTheSettersPump)
{
    bar->SetMax(1000);
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    int depth = 0, deepest = 0, ticks = 0;
    timer->OnTimer = [&](TObject*) {
        if (++ticks == 20) {
            timer->SetEnabled(false);
            return;
        }
        ++depth;
        deepest = std::max(deepest, depth);
        // The next tick is due before this one's Position pumps.
        AdvanceManualClock(10);
        bar->SetPosition(bar->Position() + 1);
        --depth;
    };
    AdvanceManualClock(10);
    for (int i = 0; i < 30 && ticks < 20; ++i)
        bar->SetPosition(bar->Position() + 100 > 1000 ? 0 : bar->Position() + 100);
    timer->SetEnabled(false);
    EXPECT_EQ(deepest, 1);
    EXPECT_GT(ticks, 1) << "the timer did run from the setter's pump";
    EXPECT_FALSE(TSeCustomProgressBar::Pumping());
}

TEST_F(ProgressBar, SkinnedBarFillsItsFramesMarginsWithTheBarPicture)
{
    TSeSkinEngine* engine = engineWith({Shape{"ProgressBar", 150, 18, clNone, {}, {
        Shape{"Frame", 150, 18, TColor(0x303030), RECT{4, 3, 4, 3}},
        Shape{"BarHorz", 10, 10, TColor(0x2090F0)},
    }}});
    auto* skinned = add<TSeSkinProgressBar>(form, 10, 40, 140, 16);
    skinned->SetSkinEngine(engine);
    ASSERT_TRUE(skinned->Skin() != nullptr);
    EXPECT_EQ(skinned->GetBarArea(), (RECT{4, 3, 136, 13}));
    skinned->SetPosition(50);
    pump();
    int bar = 0;
    for (int x = 0; x < 140; ++x)
        bar += pixelAt(skinned, x, 8) == COLORREF(0x2090F0);
    EXPECT_EQ(bar, 66);
    EXPECT_EQ(pixelAt(skinned, 4, 8), COLORREF(0x2090F0));
    EXPECT_EQ(pixelAt(skinned, 3, 8), COLORREF(0x303030));
}

} // namespace
