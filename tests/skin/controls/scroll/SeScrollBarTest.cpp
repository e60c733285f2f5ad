// The scroll bar driven as a user drives it: held arrows and page areas on
// the manual clock, thumb drags and the scroll codes they report, the
// setters' limits, and the skinned bar's sizes and pictures.

#include "tests/skin/controls/panels/ControlsTestSupport.h"

#include "skin/controls/scroll/SeSkinScrollBar.h"
#include "skin/engine/SeSkinEngine.h"
#include "tests/skin/controls/scroll/ClassicLook.h"

#include <stdexcept>

namespace {

using controlstest::ControlsTest;
using controlstest::Shape;

class ScrollBar : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        bar = add<TSeCustomScrollBar>(form, 10, 10, 17, 150);
        bar->SetKind(sbVertical);
        bar->SetBounds(10, 10, 17, 150);
        bar->SetMax(20);
        bar->OnScroll = [this](TObject*, WORD code, int& position) {
            codes.push_back(code);
            positions.push_back(position);
        };
        pump();
    }
    TPoint at(POINT p) const { return bar->ClientToScreen(TPoint{p.x, p.y}); }
    void pressAt(POINT p)
    {
        const TPoint s = at(p);
        backend().mouseMove(s.x, s.y);
        backend().mouseDown();
        pump();
    }
    void moveTo(POINT p)
    {
        const TPoint s = at(p);
        backend().mouseMove(s.x, s.y);
        pump();
    }
    void release()
    {
        backend().mouseUp();
        pump();
    }
    // One tick at a time: ticks that fall due together arrive as one.
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            advance(TSeCustomScrollBar::RepeatInterval());
    }
    static POINT centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

    TSeCustomScrollBar* bar = nullptr;
    std::vector<WORD> codes;
    std::vector<int> positions;
};

TEST_F(ScrollBar, SettersKeepPositionAndPageInsideTheRange)
{
    bar->SetPosition(50);
    EXPECT_EQ(bar->Position(), 20);
    bar->SetPageSize(500);
    EXPECT_EQ(bar->PageSize(), 21) << "cut to Max - Min + 1";
    bar->SetPageSize(-3);
    EXPECT_EQ(bar->PageSize(), 21) << "negative ignored";
    bar->SetMax(10);
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_EQ(bar->PageSize(), 11);
    bar->SetMin(30);
    EXPECT_EQ(bar->Min(), 10) << "Min lowered to Max";
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_TRUE(IsEmpty(bar->GetThumbRect())) << "a page of the whole range shows no thumb";

    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    bar->SetParams(0, 99, 10, 42);
    EXPECT_EQ(changes, 1);
    bar->SetParams(0, 99, 10, 42);
    EXPECT_EQ(changes, 1) << "the same values announce nothing";
}

TEST_F(ScrollBar, KindSwapsASizeThatDoesNotSuit)
{
    auto* h = add<TSeCustomScrollBar>(form, 40, 10, 121, 17);
    EXPECT_EQ(h->Kind(), sbHorizontal);
    h->SetKind(sbVertical);
    EXPECT_EQ(h->Width(), 17);
    EXPECT_EQ(h->Height(), 121);
}

TEST_F(ScrollBar, AShortBarSplitsItsLengthBetweenTheButtons)
{
    bar->SetHeight(24);
    EXPECT_EQ(bar->GetButtonSize(), 11);
    EXPECT_EQ(bar->GetFirstButtonRect().bottom, bar->GetSecondButtonRect().top);
    EXPECT_TRUE(IsEmpty(bar->GetTrackRect()));
    EXPECT_TRUE(IsEmpty(bar->GetThumbRect()));
}

TEST_F(ScrollBar, AHeldArrowStepsAtOnceThenAfterTheDelayThenAtTheRepeatRate)
{
    const unsigned delay = TSeCustomScrollBar::RepeatDelay();
    const unsigned rate = TSeCustomScrollBar::RepeatInterval();
    ASSERT_GT(delay, rate);
    pressAt(centre(bar->GetSecondButtonRect()));
    EXPECT_EQ(bar->Position(), 1) << "one step on the press";
    EXPECT_TRUE(bar->SecondButtonPressed());
    advance(delay - 1);
    EXPECT_EQ(bar->Position(), 1);
    advance(1);
    EXPECT_EQ(bar->Position(), 2) << "the second after the keyboard delay";
    advance(rate - 1);
    EXPECT_EQ(bar->Position(), 2);
    advance(1);
    EXPECT_EQ(bar->Position(), 3);
    ticks(2);
    EXPECT_EQ(bar->Position(), 5);
    release();
    EXPECT_FALSE(bar->RepeatRunning());
    ticks(5);
    EXPECT_EQ(bar->Position(), 5) << "nothing after release";
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), SB_LINEDOWN), 5);
}

TEST_F(ScrollBar, RepeatStopsAtTheEndOfTheRange)
{
    bar->SetPosition(18);
    pressAt(centre(bar->GetSecondButtonRect()));
    advance(TSeCustomScrollBar::RepeatDelay());
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_FALSE(bar->RepeatRunning()) << "nothing left to scroll";
    release();

    bar->SetPosition(1);
    pressAt(centre(bar->GetFirstButtonRect()));
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_FALSE(bar->RepeatRunning());
    release();
}

TEST_F(ScrollBar, AFailingStepStopsTheRepeat)
{
    int calls = 0;
    bar->OnScroll = [&](TObject*, WORD code, int&) {
        if (code == SB_LINEDOWN && ++calls == 2)
            throw std::runtime_error("handler failed");
    };
    pressAt(centre(bar->GetSecondButtonRect()));
    EXPECT_TRUE(bar->RepeatRunning());
    advance(TSeCustomScrollBar::RepeatDelay());
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(bar->RepeatRunning());
    ticks(4);
    EXPECT_EQ(calls, 2);
    release();
}

TEST_F(ScrollBar, AHeldPageAreaPagesToTheEnd)
{
    bar->SetPageSize(5);
    bar->SetPosition(0);
    const RECT down = bar->GetPageDownRect();
    const POINT nearEnd{8, down.bottom - 3};
    pressAt(nearEnd);
    EXPECT_EQ(bar->Position(), 5);
    EXPECT_TRUE(bar->PageDownPressed());
    advance(TSeCustomScrollBar::RepeatDelay());
    EXPECT_EQ(bar->Position(), 10);
    ticks(6);
    EXPECT_EQ(bar->Position(), 20) << "a page step is limited to Max";
    EXPECT_FALSE(bar->RepeatRunning());
    release();
    for (WORD c : codes)
        EXPECT_TRUE(c == SB_PAGEDOWN || c == SB_ENDSCROLL) << c;
}

TEST_F(ScrollBar, DraggingTheThumbReportsTrackThenPositionThenEnd)
{
    bar->SetPageSize(5);
    const POINT grip = centre(bar->GetThumbRect());
    pressAt(grip);
    EXPECT_TRUE(bar->Dragging());
    const RECT track = bar->GetTrackRect();
    for (int y = grip.y; y <= track.bottom + 20; y += 7)
        moveTo(POINT{grip.x, y});
    EXPECT_EQ(bar->Position(), 16) << "dragged to the end of the track";
    moveTo(POINT{grip.x + 200, track.top + 30});
    const int dragged = bar->Position();
    EXPECT_GT(dragged, 0);
    EXPECT_LT(dragged, 16);
    release();
    EXPECT_FALSE(bar->Dragging());
    ASSERT_GE(codes.size(), 4u);
    EXPECT_EQ(codes[codes.size() - 2], SB_THUMBPOSITION);
    EXPECT_EQ(positions[positions.size() - 2], dragged);
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    for (size_t i = 0; i + 2 < codes.size(); ++i)
        EXPECT_EQ(codes[i], SB_THUMBTRACK);
    // The thumb lands where the pointer left it.
    EXPECT_EQ(bar->ThumbStartFor(dragged), bar->GetThumbRect().top);
}

TEST_F(ScrollBar, OnScrollCanRedirectAStep)
{
    bar->OnScroll = [](TObject*, WORD, int& position) { position = 7; };
    bar->Scroll(SB_LINEDOWN);
    EXPECT_EQ(bar->Position(), 7);
    bar->OnScroll = [](TObject*, WORD, int& position) { position = 1000; };
    bar->Scroll(SB_TOP);
    EXPECT_EQ(bar->Position(), 20) << "limited to Max";
}

TEST_F(ScrollBar, AutoScrollRunsToItsEndAndSwitchesOff)
{
    bar->SetPosition(15);
    bar->SetAutoScrollToMax(true);
    bar->SetAutoScrollToMin(true);
    EXPECT_FALSE(bar->AutoScrollToMax()) << "one direction at a time";
    bar->SetAutoScrollToMax(true);
    ticks(10);
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_FALSE(bar->AutoScrollToMax());
    EXPECT_FALSE(bar->RepeatRunning());
}

TEST_F(ScrollBar, ClassicLookShowsTheHeldPageAreaInTheDarkShadow)
{
    const ClassicLook classic;
    bar->SetPageSize(5);
    bar->SetPosition(10);
    const RECT up = bar->GetPageUpRect();
    pressAt(POINT{8, up.top + 2});
    EXPECT_EQ(bar->Position(), 5);
    // The thumb moved past the pointer? Not yet: still over the page-up area.
    ASSERT_TRUE(bar->InPageUp(POINT{8, up.top + 2}));
    pump();
    EXPECT_EQ(pixelAt(bar, 8, up.top + 2), GetSysColor(COLOR_3DDKSHADOW));
    release();
    pump();
    EXPECT_NE(pixelAt(bar, 8, up.top + 2), GetSysColor(COLOR_3DDKSHADOW));
    savePng("scrollbar-classic.png");
}

class SkinScrollBar : public ControlsTest {};

TEST_F(SkinScrollBar, TakesItsThicknessButtonsAndPicturesFromTheSkin)
{
    const TColor frameColour = TColor(0x203040), buttonColour = TColor(0x40A040), sliderColour = TColor(0x2080F0);
    TSeSkinEngine* engine = engineWith({Shape{"ScrollBar", 20, 100, clNone, {}, {
        Shape{"VertFrame", 13, 100, frameColour},
        Shape{"TopButton", 13, 11, buttonColour},
        Shape{"BottomButton", 13, 11, buttonColour},
        Shape{"VertSlider", 13, 20, sliderColour},
    }}});
    auto* bar = add<TSeSkinScrollBar>(form, 10, 10, 17, 150);
    bar->SetKind(sbVertical);
    bar->SetBounds(10, 10, 17, 150);
    bar->SetParams(0, 99, 10, 50);
    EXPECT_EQ(bar->BorderWidth(), 0);
    bar->SetSkinEngine(engine);
    ASSERT_TRUE(bar->Skinned());
    EXPECT_EQ(bar->Width(), 13) << "the frame's width";
    EXPECT_EQ(bar->GetButtonSize(), 11);
    pump();
    const RECT thumb = bar->GetThumbRect();
    EXPECT_EQ(pixelAt(bar, 6, 5), ColorToRGB(buttonColour));
    EXPECT_EQ(pixelAt(bar, 6, 150 - 5), ColorToRGB(buttonColour));
    EXPECT_EQ(pixelAt(bar, 6, (thumb.top + thumb.bottom) / 2), ColorToRGB(sliderColour));
    EXPECT_EQ(pixelAt(bar, 6, 20), ColorToRGB(frameColour));
    savePng("scrollbar-skinned.png");

    // The engine going away leaves the plain bar.
    delete engine;
    EXPECT_FALSE(bar->Skinned());
    pump();
}

} // namespace
