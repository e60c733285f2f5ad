// The control under the pointer: CM_MOUSEENTER / CM_MOUSELEAVE for windowed
// and windowless controls, hints, and clicks routed to windowless children.

#include "tests/support/UiTestSupport.h"

#include "ui/forms/Screen.h"

namespace {

using uitest::EventLog;
using uitest::UiTest;

class MouseTracking : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        panel = new TCustomControl(form);
        panel->SetName("Panel");
        panel->SetBounds(10, 10, 150, 150);
        panel->SetParent(form);
        label = new TGraphicControl(form);
        label->SetName("Label");
        label->SetBounds(20, 20, 60, 30);
        label->SetParent(panel);
        shape = new TGraphicControl(form);
        shape->SetName("Shape");
        shape->SetBounds(200, 20, 60, 30);
        shape->SetParent(form);
        for (TControl* c : std::vector<TControl*>{form, panel, label, shape}) {
            c->OnMouseEnter = log.notify("enter " + c->Name());
            c->OnMouseLeave = log.notify("leave " + c->Name());
        }
        form->Show();
        pump();
    }

    TForm* form = nullptr;
    TCustomControl* panel = nullptr;
    TGraphicControl* label = nullptr;
    TGraphicControl* shape = nullptr;
    EventLog log;
};

TEST_F(MouseTracking, EnterAndLeaveFollowThePointer)
{
    TPoint onForm = screenPoint(form, 180, 150);
    backend().mouseMove(onForm.x, onForm.y);
    pump();
    moveTo(panel);
    pump();
    moveTo(label);
    pump();
    moveTo(shape);
    pump();
    backend().mouseMove(5, 5); // the desktop
    pump();
    EXPECT_EQ(log.events(), (std::vector<std::string>{
                                "enter Form1", "leave Form1", "enter Panel", "leave Panel", "enter Label",
                                "leave Label", "enter Shape", "leave Shape"}));
    EXPECT_EQ(Application->MouseControl(), nullptr);
}

TEST_F(MouseTracking, DestroyingTheControlUnderThePointerIsSafe)
{
    moveTo(label);
    pump();
    ASSERT_EQ(Application->MouseControl(), label);
    delete label;
    label = nullptr;
    moveTo(shape);
    pump();
    EXPECT_EQ(Application->MouseControl(), shape);
}

TEST_F(MouseTracking, ClicksReachWindowlessChildrenInTheirOwnCoordinates)
{
    std::vector<std::string> seen;
    label->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        seen.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    label->OnClick = [&](TObject*) { seen.push_back("click"); };
    panel->OnClick = [&](TObject*) { seen.push_back("panel click"); };
    TPoint p = screenPoint(label, 7, 9);
    backend().click(p.x, p.y);
    pump();
    // Released outside: no click.
    backend().mouseMove(p.x, p.y);
    backend().mouseDown();
    TPoint outside = screenPoint(panel, 140, 140);
    backend().mouseMove(outside.x, outside.y);
    backend().mouseUp();
    pump();
    EXPECT_EQ(seen, (std::vector<std::string>{"down 7,9", "click", "down 7,9"}));
}

TEST_F(MouseTracking, HintsShowAfterThePauseAndHideAgain)
{
    label->SetHint("Volume of the key");
    label->SetShowHint(true);
    std::string offered;
    Application->OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
        offered = text;
        EXPECT_TRUE(canShow);
        EXPECT_EQ(info.HintControl, label);
        info.HintData = &offered;
        text += " (%)";
    };
    moveTo(label);
    pump();
    EXPECT_EQ(Application->HintWindow(), nullptr);
    advance(Application->HintPause + 10);
    THintWindow* hint = Application->HintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(offered, "Volume of the key");
    EXPECT_TRUE(hint->Active());
    EXPECT_EQ(hint->Caption(), "Volume of the key (%)");
    EXPECT_TRUE(IsWindowVisible(hint->Handle()));
    EXPECT_NE(GetActiveWindow(), hint->Handle());
    advance(Application->HintHidePause + 10);
    EXPECT_FALSE(IsWindowVisible(hint->Handle()));

    // Refused through the allow flag.
    Application->OnShowHint = [](std::string&, bool& canShow, THintInfo&) { canShow = false; };
    moveTo(shape);
    pump();
    shape->SetHint("x");
    shape->SetShowHint(true);
    moveTo(label);
    pump();
    advance(Application->HintPause + 10);
    EXPECT_FALSE(IsWindowVisible(hint->Handle()));
}

TEST_F(MouseTracking, TheHintWindowClassCanBeReplaced)
{
    struct TLoudHint : THintWindow {
        using THintWindow::THintWindow;
        void ActivateHint(TRect rect, const std::string& text) override { THintWindow::ActivateHint(rect, text + "!"); }
    };
    Application->HintWindowClass = [](TComponent* owner) { return new TLoudHint(owner); };
    label->SetHint("Loud");
    label->SetShowHint(true);
    moveTo(label);
    pump();
    advance(Application->HintPause + 10);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), "Loud!");
    Application->HintWindowClass = [](TComponent* owner) { return new THintWindow(owner); };
}

TEST_F(MouseTracking, SwitchingHintsOffFreesTheWindowSoANewClassTakesEffect)
{
    struct TLoudHint : THintWindow {
        using THintWindow::THintWindow;
        void ActivateHint(TRect rect, const std::string& text) override { THintWindow::ActivateHint(rect, text + "!"); }
    };
    label->SetHint("Quiet");
    label->SetShowHint(true);
    moveTo(label);
    pump();
    advance(Application->HintPause + 10);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), "Quiet");

    Application->HintWindowClass = [](TComponent* owner) { return new TLoudHint(owner); };
    Application->SetShowHint(false);
    EXPECT_EQ(Application->HintWindow(), nullptr);
    Application->SetShowHint(true);
    moveTo(shape);
    pump();
    moveTo(label);
    pump();
    advance(Application->HintPause + 10);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), "Quiet!");
    Application->HintWindowClass = [](TComponent* owner) { return new THintWindow(owner); };
}

} // namespace
