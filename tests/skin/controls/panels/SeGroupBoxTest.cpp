// The group box: its client area under the caption, the check box that
// enables the children, the accelerator, and see-through children that
// show the skinned group box's own pixels.

#include "tests/skin/controls/panels/ControlsTestSupport.h"

#include "skin/controls/bars/SeCustomProgressBar.h"
#include "skin/controls/buttons/SeSkinButton.h"
#include "skin/controls/buttons/SeSkinCheckBox.h"
#include "skin/controls/panels/SeCustomPanel.h"
#include "skin/controls/panels/SeSkinGroupBox.h"
#include "skin/engine/SeSkinEngine.h"

namespace {

using controlstest::ControlsTest;
using uitest::EventLog;

class GroupBox : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        box = add<TSeCustomGroupBox>(form, 10, 10, 200, 150);
        child = add<TSeCustomPanel>(box, 20, 40, 60, 40);
        child->SetTabStop(true);
        pump();
    }
    TSeCustomGroupBox* box = nullptr;
    TSeCustomPanel* child = nullptr;
};

TEST_F(GroupBox, ClientAreaStartsUnderTheCaptionAndAtTheTopWithoutOne)
{
    auto* fill = add<TSeCustomPanel>(box, 0, 0, 10, 10);
    fill->SetAlign(alClient);
    EXPECT_EQ(fill->BoundsRect(), (RECT{0, 0, 200, 150})) << "an empty caption gives client top 0";
    box->SetCaption("Volume");
    const int h = box->CaptionHeight();
    EXPECT_GT(h, 8);
    EXPECT_EQ(fill->BoundsRect(), (RECT{0, h, 200, 150}));
    EXPECT_EQ(box->GetFrameRect(), (RECT{3, h / 2 + 1, 198, 148}));
    const RECT caption = box->GetCaptionRect();
    EXPECT_EQ(caption.left, 12 - 3) << "the gap reaches 3 pixels beyond the text";
    box->SetCaptionMargin(30);
    EXPECT_EQ(box->GetCaptionRect().left, 27);
}

TEST_F(GroupBox, CheckBoxEnablesTheChildrenAndKeepsTheBoxEnabled)
{
    EventLog log;
    box->OnCheckBoxClick = log.notify("checkbox");
    box->OnClick = log.notify("click");
    box->SetCaption("Sounds to microphone");
    box->SetUseCheckBox(true);
    TSeCustomCheckBox* check = box->CheckBox();
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->Left(), 12);
    EXPECT_EQ(check->Top(), 0);
    EXPECT_EQ(check->Caption(), "Sounds to microphone");
    EXPECT_TRUE(check->Checked());
    EXPECT_LE(check->Width(), 200 - 12 - 2);
    EXPECT_EQ(box->CaptionHeight(), check->Height());

    box->SetEnabled(false);
    EXPECT_TRUE(box->Enabled()) << "a group box with a check box stays enabled";
    EXPECT_TRUE(child->Enabled());

    click(check);
    pump();
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(child->Enabled()) << "the children follow the box";
    EXPECT_EQ(log.events(), (std::vector<std::string>{"click", "checkbox"}));
    box->SetChecked(true);
    EXPECT_TRUE(check->Checked());
    EXPECT_TRUE(child->Enabled());
    EXPECT_EQ(log.events().size(), 2u) << "a change by code is no click";

    box->SetWidth(60);
    EXPECT_EQ(check->Width(), 60 - 12 - 2) << "re-placed on resize";

    box->SetChecked(false);
    box->SetUseCheckBox(false);
    EXPECT_EQ(box->CheckBox(), nullptr);
    EXPECT_TRUE(child->Enabled()) << "without the box the children follow Enabled again";
    box->SetEnabled(false);
    EXPECT_FALSE(box->Enabled());
    EXPECT_FALSE(child->Enabled());
}

TEST_F(GroupBox, AcceleratorSelectsTheFirstChild)
{
    auto* outside = add<TSeCustomPanel>(form, 220, 10, 40, 40);
    outside->SetTabStop(true);
    outside->SetFocus();
    box->SetCaption("&Keys");
    pump();
    pressWith(VK_MENU, 'K');
    EXPECT_TRUE(child->Focused());

    outside->SetFocus();
    box->SetCaption("&Mic");
    box->SetUseCheckBox(true);
    pump();
    pressWith(VK_MENU, 'M');
    EXPECT_FALSE(box->Checked()) << "with a check box the accelerator toggles it";
    EXPECT_FALSE(child->Enabled());
}

TEST_F(GroupBox, SkinnedBoxBindsItsCheckBoxAndSeeThroughChildrenShowItsPixels)
{
    TSeSkinEngine* engine = shippedEngine();
    if (!engine)
        GTEST_SKIP() << "no shipped skin in this build";
    auto* skinned = add<TSeSkinGroupBox>(form, 10, 10, 240, 160);
    skinned->SetCaption("Player");
    skinned->SetSkinEngine(engine);
    ASSERT_NE(skinned->Skin(), nullptr);
    EXPECT_TRUE(skinned->Transparent()) << "the shipped frame is masked";
    skinned->SetUseCheckBox(true);
    auto* check = dynamic_cast<TSeSkinCheckBox*>(skinned->CheckBox());
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->SkinEngine(), engine);
    skinned->SetUseCheckBox(false);
    pump();

    // The frame's corner and the caption lie in it.
    const RECT spot{2, 2, 102, 52};
    skinned->Repaint();
    const std::vector<COLORREF> alone = windowPixels(skinned, spot);

    // A see-through bar that draws nothing over it shows exactly those pixels.
    auto* bar = add<TSeCustomProgressBar>(skinned, spot.left, spot.top, ::Width(spot), ::Height(spot));
    bar->SetShowBorder(false);
    bar->SetPerformance(kspDoubleBuffer);
    pump();
    bar->Repaint();
    EXPECT_EQ(pixels(bar), alone);
    bar->SetPerformance(kspNoBuffer);
    bar->Repaint();
    EXPECT_EQ(pixels(bar), alone) << "also painted straight on the window";

    // A see-through skinned button: its masked corner is the group box's pixel.
    auto* button = add<TSeSkinButton>(skinned, spot.left, spot.top, ::Width(spot), ::Height(spot));
    button->SetSkinEngine(engine);
    button->SetTransparent(true);
    delete bar;
    pump();
    button->Repaint();
    EXPECT_EQ(pixelAt(button, 0, 0), alone[0]);
    savePng("groupbox-transparency.png");
}

} // namespace
