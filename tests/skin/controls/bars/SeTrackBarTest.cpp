// The track bar driven as a user drives it: clicks beside the thumb, drags,
// keys, and what OnChange reports; the skinned bar's sizes from its skin.

#include "tests/skin/controls/panels/ControlsTestSupport.h"

#include "skin/controls/bars/SeSkinTrackBar.h"
#include "skin/engine/SeSkinEngine.h"

namespace {

using controlstest::ControlsTest;
using controlstest::Shape;

class TrackBar : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        bar = add<TSeCustomTrackBar>(form, 10, 10, 150, 45);
        bar->OnChange = [this](TObject*) { changes.push_back(bar->Position()); };
        pump();
    }
    TPoint at(int x, int y) const { return bar->ClientToScreen(TPoint{x, y}); }
    void clickAt(int x, int y)
    {
        const TPoint p = at(x, y);
        backend().click(p.x, p.y);
        pump();
    }
    // A point on the thumb: its centre along, a little below its top.
    TPoint onThumb() const { return TPoint{bar->PixelFromPosition(bar->Position()), bar->ThumbCrossStart() + 3}; }

    TSeCustomTrackBar* bar = nullptr;
    std::vector<int> changes;
};

TEST_F(TrackBar, ClicksBesideTheThumbStepOnePageAndAnnounceEvenWhenClamped)
{
    ASSERT_EQ(bar->Position(), 3);
    clickAt(2, 20);
    EXPECT_EQ(bar->Position(), 1);
    clickAt(2, 20);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(changes, (std::vector<int>{1, 0}));
    EXPECT_TRUE(bar->Focused()) << "a press takes focus";

    changes.clear();
    clickAt(149, 20);
    EXPECT_EQ(changes, (std::vector<int>{2}));
}

TEST_F(TrackBar, KeysMoveByLineAndPageAndHomeAtMinIsSilent)
{
    bar->SetFocus();
    bar->SetPosition(0);
    changes.clear();
    for (int key : {VK_HOME, VK_RIGHT, VK_DOWN, VK_LEFT, VK_NEXT, VK_UP, VK_PRIOR, VK_PRIOR, VK_END, VK_NEXT}) {
        backend().pressKey(key);
        pump();
    }
    // Home at 0 changes nothing; Page Up at 0 and Page Down at 10 are
    // clamped back but still announced.
    EXPECT_EQ(changes, (std::vector<int>{1, 2, 1, 3, 2, 0, 0, 10, 10}));
    EXPECT_TRUE(bar->Focused()) << "arrows stay with the bar";
}

TEST_F(TrackBar, DragAnnouncesEachDistinctValueOnce)
{
    bar->SetMax(100);
    bar->SetPosition(20);
    changes.clear();
    const TPoint start = onThumb();
    ASSERT_TRUE(bar->ThumbHitTest(start.x, start.y));
    TPoint p = at(start.x, start.y);
    backend().mouseMove(p.x, p.y);
    backend().mouseDown();
    pump();
    EXPECT_TRUE(bar->Dragging());
    for (int dx = 1; dx <= 30; ++dx) {
        backend().mouseMove(p.x + dx, p.y + (dx % 3));
        pump();
    }
    // Past the end and back: clamped at 100 without repeats.
    backend().mouseMove(p.x + 400, p.y);
    pump();
    backend().mouseMove(p.x + 500, p.y);
    pump();
    backend().mouseUp();
    pump();
    EXPECT_FALSE(bar->Dragging());
    ASSERT_FALSE(changes.empty());
    for (std::size_t i = 1; i < changes.size(); ++i)
        EXPECT_NE(changes[i], changes[i - 1]) << "repeated at " << i;
    EXPECT_EQ(changes.back(), 100);
    EXPECT_EQ(changes[changes.size() - 2], bar->PositionFromPixel(start.x + 30));
}

TEST_F(TrackBar, RangeSettersKeepPositionInsideAndRefuseAnEmptyRange)
{
    bar->SetMax(2);
    EXPECT_EQ(bar->Position(), 2);
    bar->SetMin(2);
    EXPECT_EQ(bar->Min(), 0) << "Min must stay below Max";
    bar->SetMin(-5);
    bar->SetMax(-5);
    EXPECT_EQ(bar->Max(), 2);
    bar->SetMin(1);
    bar->SetPosition(-100);
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(changes, (std::vector<int>{2, 1}));
    bar->SetFrequency(0);
    EXPECT_EQ(bar->PositionFromPixel(bar->PixelFromPosition(2)), 2) << "no spacing snaps to every value";
}

TEST_F(TrackBar, TinyAndOddBarsPaintAndTakeInputWithoutHarm)
{
    for (TTrackOrientation orientation : {toHorizontal, toVertical})
        for (TTickMark ticks : {tmBoth, tmBottomRight, tmTopLeft})
            for (int w : {0, 1, 3, 12, 30})
                for (int h : {0, 2, 45}) {
                    bar->SetOrientation(orientation);
                    bar->SetTickMarks(ticks);
                    bar->SetBounds(5, 5, w, h);
                    bar->SetIntervalHighlightType(htLowInterval);
                    bar->Repaint();
                    clickAt(0, 0);
                    clickAt(w / 2, h / 2);
                    backend().pressKey(VK_RIGHT);
                    pump();
                    ASSERT_GE(bar->Position(), bar->Min());
                    ASSERT_LE(bar->Position(), bar->Max());
                }
    bar->SetBounds(5, 5, 150, 45);
    bar->SetMin(-2147483647 - 1);
    bar->SetMax(2147483647);
    bar->SetFrequency(1);
    bar->Repaint();
    clickAt(149, 20);
    EXPECT_GT(bar->Position(), 0) << "a whole-int range still pages";
}

TEST_F(TrackBar, SkinnedBarTakesThumbAndMarginFromItsSkin)
{
    TSeSkinEngine* engine = engineWith({Shape{"TrackBar", 150, 24, clNone, {}, {
        Shape{"ThumbHorz", 11, 18, TColor(0x2080F0)},
        Shape{"FrameHorz", 150, 24, clNone, RECT{9, 3, 9, 3}},
        Shape{"TrackHorz", 100, 6, TColor(0x404040)},
    }}});
    auto* skinned = add<TSeSkinTrackBar>(form, 10, 80, 238, 45);
    skinned->SetMax(100);
    EXPECT_EQ(skinned->PixelFromPosition(50), 4 + 9 + 106) << "plain: thumb 9, margin 9";
    skinned->SetSkinEngine(engine);
    ASSERT_TRUE(skinned->Skin() != nullptr);
    EXPECT_EQ(skinned->PixelFromPosition(50), 118);
    EXPECT_EQ(skinned->ThumbCrossStart(), 3 + 11 / 4);

    // The thumb's own colour lies where the skin says the thumb is.
    skinned->SetPosition(50);
    pump();
    EXPECT_EQ(pixelAt(skinned, 118, skinned->ThumbCrossStart() + 1), COLORREF(0x2080F0));
    EXPECT_EQ(pixelAt(skinned, 118 + 6, skinned->ThumbCrossStart() + 9), COLORREF(0x404040))
        << "the channel runs on beside the thumb";
}

TEST_F(TrackBar, SkinnedBarGoesPlainWhileItsEngineChangesSkinsAndWhenTheEngineGoes)
{
    TSeSkinEngine* engine = engineWith({Shape{"TrackBar", 150, 24, clNone, {}, {
        Shape{"ThumbHorz", 11, 18, TColor(0x2080F0)},
        Shape{"FrameHorz", 150, 24, clNone, RECT{9, 3, 9, 3}},
    }}});
    TSeSkinEngine* other = engineWith({Shape{"TrackBar", 10, 10}});
    auto* skinned = add<TSeSkinTrackBar>(form, 10, 80, 238, 45);
    skinned->SetMax(100);
    skinned->SetSkinEngine(engine);
    auto send = [&](UINT msg, TSeSkinEngine* from) {
        skinned->Perform(msg, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(from));
    };
    ASSERT_NE(skinned->Skin(), nullptr);
    send(SEM_SKINCHANGING, other);
    EXPECT_NE(skinned->Skin(), nullptr) << "another engine's change is not ours";
    send(SEM_SKINCHANGING, engine);
    EXPECT_EQ(skinned->Skin(), nullptr);
    EXPECT_EQ(skinned->PixelFromPosition(50), 119) << "plain sizes meanwhile";
    send(SEM_SKINCHANGED, engine);
    EXPECT_EQ(skinned->PixelFromPosition(50), 118);
    delete engine;
    EXPECT_EQ(skinned->SkinEngine(), nullptr);
    EXPECT_EQ(skinned->PixelFromPosition(50), 119);
    pump();
}

} // namespace
