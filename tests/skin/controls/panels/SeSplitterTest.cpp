// The splitter: which neighbour it resizes, the limits of a drag, snapping,
// Escape, the far edge of right and bottom neighbours, and the drag line
// that is drawn and erased by inverting pixels.

#include "tests/skin/controls/panels/ControlsTestSupport.h"

#include "skin/controls/panels/SeCustomPanel.h"
#include "skin/controls/panels/SeSkinSplitter.h"

namespace {

using controlstest::ControlsTest;

class Splitter : public ControlsTest {
protected:
    // Form client 300 x 200: `side` 80 wide (or high), the splitter, and a
    // panel filling the rest.
    void build(TAlign align)
    {
        const bool vertical = align == alTop || align == alBottom;
        side = add<TSeCustomPanel>(form, align == alRight ? 220 : 0, align == alBottom ? 120 : 0, 80, 80);
        side->SetAlign(align);
        splitter = add<TSeCustomSplitter>(form, 0, 0, 3, 3);
        splitter->SetAlign(align);
        // Placed beside its neighbour, as thick as a splitter is.
        if (vertical)
            splitter->SetBounds(0, align == alBottom ? 117 : 80, 300, 3);
        else
            splitter->SetBounds(align == alRight ? 217 : 80, 0, 3, 200);
        rest = add<TSeCustomPanel>(form, 0, 0, 10, 10);
        rest->SetAlign(alClient);
        pump();
    }
    void press()
    {
        const TPoint p = splitter->ClientToScreen(TPoint{1, 1});
        backend().mouseMove(p.x, p.y);
        backend().mouseDown();
        pump();
        pressed = p;
    }
    void moveBy(int dx, int dy)
    {
        backend().mouseMove(pressed.x + dx, pressed.y + dy);
        pump();
    }
    void release()
    {
        backend().mouseUp();
        pump();
    }
    int sideSize() const
    {
        return side->Align() == alTop || side->Align() == alBottom ? side->Height() : side->Width();
    }

    TSeCustomPanel* side = nullptr;
    TSeCustomSplitter* splitter = nullptr;
    TSeCustomPanel* rest = nullptr;
    TPoint pressed{};
};

TEST_F(Splitter, ResizesItsNeighbourWithinMinSizeAndTheRoomLeft)
{
    build(alLeft);
    ASSERT_EQ(splitter->Left(), 80);
    EXPECT_EQ(splitter->FindControl(), side);
    EXPECT_EQ(splitter->Cursor(), crHSplit);
    int moved = 0;
    splitter->OnMoved = [&](TObject*) { ++moved; };
    splitter->SetAutoSnap(false);

    press();
    ASSERT_TRUE(splitter->Dragging());
    // 300 - MinSize 30 - (80 + 3) + 80.
    EXPECT_EQ(splitter->MaxSize(), 267);
    moveBy(25, 0);
    EXPECT_EQ(sideSize(), 80) << "a line drag applies on release";
    EXPECT_EQ(splitter->NewSize(), 105);
    moveBy(-200, 0);
    EXPECT_EQ(splitter->NewSize(), 30);
    moveBy(500, 0);
    EXPECT_EQ(splitter->NewSize(), 267);
    release();
    EXPECT_FALSE(splitter->Dragging());
    EXPECT_EQ(sideSize(), 267);
    EXPECT_EQ(rest->Width(), 30) << "the far side keeps MinSize";
    EXPECT_EQ(moved, 1);
}

TEST_F(Splitter, SnapsShutBelowMinSizeAndAsksOnCanResize)
{
    build(alLeft);
    press();
    moveBy(-60, 0);
    release();
    EXPECT_EQ(sideSize(), 0) << "AutoSnap closes the neighbour";

    // Closed, it is still found at its edge and can be pulled open again.
    EXPECT_EQ(splitter->FindControl(), side);
    splitter->OnCanResize = [](TObject*, int& size, bool& accept) {
        accept = size != 70;
        size = size / 10 * 10;
    };
    press();
    moveBy(65, 0);
    moveBy(70, 0);
    EXPECT_EQ(splitter->NewSize(), 60) << "70 was refused, 65 rounded down";
    release();
    EXPECT_EQ(sideSize(), 60);
}

TEST_F(Splitter, WithoutANeighbourNothingHappens)
{
    auto* lone = add<TSeCustomSplitter>(form, 0, 0, 3, 100);
    lone->SetAlign(alLeft);
    pump();
    EXPECT_EQ(lone->FindControl(), nullptr);
    const TPoint p = lone->ClientToScreen(TPoint{1, 10});
    backend().mouseMove(p.x, p.y);
    backend().mouseDown();
    pump();
    EXPECT_FALSE(lone->Dragging());
    backend().mouseMove(p.x + 40, p.y);
    backend().mouseUp();
    pump();
}

TEST_F(Splitter, RightAndBottomNeighboursKeepTheirFarEdge)
{
    build(alRight);
    EXPECT_EQ(splitter->FindControl(), side);
    press();
    moveBy(-20, 0);
    release();
    EXPECT_EQ(side->Width(), 100);
    EXPECT_EQ(side->Left() + side->Width(), 300);
    EXPECT_EQ(splitter->Left() + splitter->Width(), side->Left()) << "the splitter follows its neighbour";

    delete splitter;
    delete side;
    delete rest;
    build(alBottom);
    EXPECT_EQ(splitter->Cursor(), crVSplit) << "turned with the splitter";
    EXPECT_EQ(splitter->FindControl(), side);
    press();
    moveBy(0, 15);
    release();
    EXPECT_EQ(side->Height(), 65);
    EXPECT_EQ(side->Top() + side->Height(), 200);
}

TEST_F(Splitter, DragLineIsInvertedAndErasedExactlyAndEscapeCancels)
{
    build(alLeft);
    auto* focused = add<TSeCustomPanel>(rest, 10, 40, 50, 50);
    focused->SetTabStop(true);
    focused->SetFocus();
    pump();
    const RECT area{0, 0, 300, 200};
    const std::vector<COLORREF> before = windowPixels(form, area);

    press();
    const RECT first = splitter->LineRect();
    std::vector<COLORREF> shown = windowPixels(form, area);
    int inverted = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) {
            const std::size_t i = std::size_t(y * 300 + x);
            if (!Contains(first, x, y)) {
                ASSERT_EQ(shown[i], before[i]) << "outside the line at " << x << "," << y;
                continue;
            }
            const bool flipped = shown[i] == (before[i] ^ 0xFFFFFFu);
            ASSERT_TRUE(flipped || shown[i] == before[i]) << x << "," << y;
            inverted += flipped;
        }
    EXPECT_EQ(inverted, ::Width(first) * ::Height(first) / 2) << "a dotted line: every other pixel";

    for (int dx : {5, 9, 30, 12, -40})
        moveBy(dx, 0);
    EXPECT_TRUE(splitter->LineVisible());
    backend().pressKey(VK_ESCAPE);
    pump();
    EXPECT_FALSE(splitter->Dragging());
    EXPECT_EQ(sideSize(), 80) << "Escape applies nothing";
    EXPECT_EQ(windowPixels(form, area), before) << "every line drawn was erased";
    release();
    EXPECT_EQ(sideSize(), 80);

    // Keys reach the focused control again.
    int keys = 0;
    focused->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++keys; };
    backend().pressKey('A');
    pump();
    EXPECT_EQ(keys, 1);
}

TEST_F(Splitter, ALiveDragSurvivesItsFocusedControlGoingAwayAndCancelsBackToTheStart)
{
    build(alLeft);
    splitter->SetResizeStyle(rsUpdate);
    auto* focused = add<TSeCustomPanel>(rest, 10, 40, 50, 50);
    focused->SetTabStop(true);
    focused->SetFocus();
    pump();
    press();
    moveBy(30, 0);
    EXPECT_EQ(sideSize(), 110) << "rsUpdate resizes while dragging";
    delete focused;
    moveBy(40, 0);
    release();
    EXPECT_EQ(sideSize(), 120);

    rest->SetFocus();
    pump();
    press();
    moveBy(-25, 0);
    EXPECT_EQ(sideSize(), 95);
    splitter->CancelDrag();
    EXPECT_EQ(sideSize(), 120) << "a cancelled live drag goes back";
    release();

    // No focused control at all: the drag still works.
    form->SetActiveControl(nullptr);
    press();
    moveBy(10, 0);
    release();
    EXPECT_EQ(sideSize(), 130);
}

TEST_F(Splitter, SkinnedSplitterIsItsObjectDrawnWhole)
{
    build(alLeft);
    TSeSkinEngine* engine = engineWith({controlstest::Shape{"Splitter", 6, 100, TColor(0x3C3C3C)}});
    auto* skinned = add<TSeSkinSplitter>(rest, 0, 0, 5, 10);
    skinned->SetAlign(alLeft);
    skinned->SetSkinEngine(engine);
    pump();
    ASSERT_NE(skinned->Skin(), nullptr);
    for (COLORREF c : pixels(skinned))
        ASSERT_EQ(c, COLORREF(0x3C3C3C));
    skinned->SetSkinObject("Missing");
    pump();
    EXPECT_EQ(skinned->Skin(), nullptr);
    EXPECT_EQ(pixelAt(skinned, 2, 2), ColorToRGB(clBtnFace)) << "the plain splitter";
}

} // namespace
