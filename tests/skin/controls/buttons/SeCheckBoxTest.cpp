// The skinned check box: the cycles with and without AllowGrayed by mouse,
// Space and accelerator, OnClick for every change of State (by code too)
// and none for the value it already has, the box layout on either side, and
// the skinned look of each state.

#include "tests/skin/controls/base/ShippedSkinEngine.h"
#include "tests/support/DibSurface.h"
#include "tests/support/UiTestSupport.h"

#include "skin/controls/buttons/SeSkinCheckBox.h"
#include "skin/engine/SeSkinTypes.h"

#include <memory>

namespace {

using brio::test::DibSurface;
using uitest::UiTest;

class SkinCheckBoxes : public UiTest {
protected:
    TForm* form = nullptr;
    TSeSkinCheckBox* box = nullptr;
    std::vector<TCheckBoxState> seen;

    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        box = new TSeSkinCheckBox(form);
        box->SetBounds(10, 10, 140, 20);
        box->SetCaption("&Loop");
        box->SetParent(form);
        box->OnClick = [this](TObject*) { seen.push_back(box->State()); };
        form->Show();
        pump();
    }
    std::unique_ptr<DibSurface> paint()
    {
        auto surface = std::make_unique<DibSurface>(box->Width(), box->Height());
        box->PaintTo(surface->dc, 0, 0);
        return surface;
    }
};

TEST_F(SkinCheckBoxes, ClicksAlternateOrCycleThroughGrayed)
{
    for (int i = 0; i < 3; ++i) {
        click(box);
        pump();
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbChecked}));

    seen.clear();
    box->SetChecked(false);
    seen.clear();
    box->SetAllowGrayed(true);
    box->SetFocus();
    pump();
    for (int i = 0; i < 3; ++i) {
        backend().keyDown(VK_SPACE);
        pump();
        EXPECT_TRUE(box->Pressed());
        backend().keyUp(VK_SPACE);
        pump();
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));

    // The accelerator from another control focuses and toggles it.
    seen.clear();
    auto* other = new TSeSkinCheckBox(form);
    other->SetBounds(10, 40, 100, 20);
    other->SetCaption("Other");
    other->SetParent(form);
    other->SetFocus();
    pump();
    pressWith(VK_MENU, 'L');
    pump();
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed}));
    EXPECT_TRUE(box->Focused());
}

TEST_F(SkinCheckBoxes, ReleaseOutsideDoesNothingAndTheFarEdgeCountsAsInside)
{
    const TPoint inside = centerOf(box);
    backend().mouseMove(inside.x, inside.y);
    backend().mouseDown();
    pump();
    EXPECT_TRUE(box->Pressed());
    backend().mouseMove(inside.x, inside.y + 60);
    backend().mouseUp();
    pump();
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(box->Pressed());

    // Released on the pixel just past the right edge: still a toggle.
    const TPoint edge = screenPoint(box, box->Width(), 5);
    backend().mouseMove(inside.x, inside.y);
    backend().mouseDown();
    backend().mouseMove(edge.x, edge.y);
    backend().mouseUp();
    pump();
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked}));
}

TEST_F(SkinCheckBoxes, StateByCodeFiresOnClickButTheSameValueFiresNothing)
{
    box->SetChecked(false);
    box->SetState(cbUnchecked);
    EXPECT_TRUE(seen.empty());
    box->SetState(cbGrayed);
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked}));
    EXPECT_TRUE(box->Checked());

    // Nothing fires while a form is being read.
    seen.clear();
    auto* read = new TSeSkinCheckBox(form);
    read->OnClick = [this](TObject*) { seen.push_back(cbGrayed); };
    read->BeginLoading();
    read->SetState(cbChecked);
    read->EndLoading();
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(read->Checked());
}

TEST_F(SkinCheckBoxes, BoxSitsOnTheChosenSideAndTheCaptionBesideIt)
{
    RECT check = box->CheckRect();
    EXPECT_EQ(check.left, 0);
    EXPECT_EQ(check.top, (box->Height() - 13) / 2);
    DibSurface measure(1, 1);
    TCanvas canvas;
    canvas.SetHandle(measure.dc);
    canvas.SetFont(box->Font());
    RECT caption = box->CaptionRect(canvas);
    EXPECT_EQ(caption.left, 13 + box->Spacing());
    EXPECT_LE(caption.right, box->Width());

    box->SetAlignment(ktaRightJustify);
    check = box->CheckRect();
    EXPECT_EQ(check.right, box->Width());
    caption = box->CaptionRect(canvas);
    EXPECT_EQ(caption.left, 2);
    EXPECT_LE(caption.right, check.left);
    canvas.SetHandle(nullptr);

    // The plain look of each state differs.
    box->SetAlignment(ktaLeftJustify);
    const auto unchecked = paint();
    box->SetState(cbChecked);
    const auto checked = paint();
    box->SetState(cbGrayed);
    const auto grayed = paint();
    EXPECT_NE(unchecked->pixels(), checked->pixels());
    EXPECT_NE(checked->pixels(), grayed->pixels());
    EXPECT_NE(unchecked->pixels(), grayed->pixels());
}

TEST_F(SkinCheckBoxes, SkinnedBoxTakesItsSizeAndPictureFromTheSkin)
{
    TSeSkinEngine* engine = skintest::MakeShippedSkinEngine(form);
    if (!engine)
        GTEST_SKIP() << "this build has no shipped skin";
    const auto plain = paint();
    box->SetSkinEngine(engine);
    ASSERT_TRUE(box->Skinned());
    const auto unchecked = paint();
    EXPECT_NE(unchecked->pixels(), plain->pixels());
    box->SetState(cbChecked);
    const auto checked = paint();
    EXPECT_NE(unchecked->pixels(), checked->pixels());
    box->SetEnabled(false);
    EXPECT_EQ(box->SkinState(), SeStateDisabled);
    EXPECT_NE(paint()->pixels(), checked->pixels());

    // A skin without the object: the plain look again.
    box->SetEnabled(true);
    box->SetSkinObject("NoSuchCheckBox");
    EXPECT_FALSE(box->Skinned());
    EXPECT_EQ(box->CheckRect().right - box->CheckRect().left, 13);
}

} // namespace
