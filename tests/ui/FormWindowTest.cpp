// Border styles, placement, client size, the replaceable WindowProc,
// painting order of windowless children, and minimizing.

#include "tests/support/UiTestSupport.h"

#include "ui/graphics/Bitmap.h"
#include "ui/forms/Screen.h"

namespace {

using uitest::EventLog;
using uitest::UiTest;

class FormWindow : public UiTest {};

TEST_F(FormWindow, BorderStylesMakeTheirWindowStyles)
{
    struct Case {
        TFormBorderStyle border;
        DWORD present;
        DWORD absent;
        DWORD exPresent;
    };
    const Case cases[] = {
        {bsNone, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0},
        {bsSingle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_THICKFRAME, 0},
        {bsSizeable, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0, 0},
        {bsDialog, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
         WS_EX_DLGMODALFRAME},
        {bsToolWindow, WS_CAPTION, WS_THICKFRAME | WS_MINIMIZEBOX, WS_EX_TOOLWINDOW},
        {bsSizeToolWin, WS_CAPTION | WS_THICKFRAME, WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.border));
        TForm* form = makeForm();
        form->SetBorderStyle(c.border);
        DWORD style = DWORD(GetWindowLong(form->Handle(), GWL_STYLE));
        DWORD exStyle = DWORD(GetWindowLong(form->Handle(), GWL_EXSTYLE));
        EXPECT_EQ(style & c.present, c.present);
        EXPECT_EQ(style & c.absent, 0u);
        EXPECT_EQ(exStyle & c.exPresent, c.exPresent);
        delete form;
    }
    TForm* form = makeForm();
    form->SetBorderIcons({biSystemMenu});
    DWORD style = DWORD(GetWindowLong(form->Handle(), GWL_STYLE));
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
}

TEST_F(FormWindow, ClientSizeHoldsBeforeAndAfterTheWindowExists)
{
    auto* form = new TForm(Application);
    form->SetBorderStyle(bsDialog);
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    EXPECT_FALSE(form->HandleAllocated());
    form->Show();
    RECT client{};
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
    form->SetBorderStyle(bsSizeable); // recreated with the same bounds
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(FormWindow, PositionsCentreTheForm)
{
    TForm* main = makeForm("Main");
    Application->CreateForm(main); // replaces the pointer with an application-made main form
    main->SetBounds(100, 100, 400, 300);
    main->Show();
    auto* screenCentred = new TForm(Application);
    screenCentred->SetBounds(0, 0, 200, 100);
    screenCentred->SetPosition(poScreenCenter);
    screenCentred->Show();
    EXPECT_EQ(screenCentred->Left(), (Screen->Width() - 200) / 2);
    EXPECT_EQ(screenCentred->Top(), (Screen->Height() - 100) / 2);
    auto* onMain = new TForm(Application);
    onMain->SetBounds(0, 0, 200, 100);
    onMain->SetPosition(poMainFormCenter);
    onMain->Show();
    EXPECT_EQ(onMain->Left(), 100 + (400 - 200) / 2);
    EXPECT_EQ(onMain->Top(), 100 + (300 - 100) / 2);
}

TEST_F(FormWindow, AHookedWindowProcSeesMessagesFirstAndChains)
{
    TForm* form = makeForm();
    auto* control = new TCustomControl(form);
    control->SetBounds(10, 10, 50, 50);
    control->SetParent(form);
    std::vector<UINT> seen;
    TWndMethod previous = control->WindowProc;
    control->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_MOUSEENTER)
            seen.push_back(m.Msg);
        if (m.Msg == WM_USER + 1) {
            m.Result = 42; // swallowed
            return;
        }
        previous(m);
    };
    control->SetCaption("changed");
    EXPECT_EQ(control->Perform(WM_USER + 1), 42);
    form->Show();
    pump();
    EXPECT_EQ(SendMessage(control->Handle(), WM_USER + 1, 0, 0), 42);
    moveTo(control);
    pump();
    EXPECT_EQ(seen, (std::vector<UINT>{CM_TEXTCHANGED, CM_MOUSEENTER}));
    char text[32] = {};
    GetWindowText(control->Handle(), text, sizeof(text));
    EXPECT_STREQ(text, "changed");
    control->WindowProc = previous;
}

// Paints a solid block of its colour.
class TBlock : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        RECT r = ClientRect();
        Canvas()->FillRect(r);
    }
};

TEST_F(FormWindow, WindowlessChildrenPaintInZOrder)
{
    TForm* form = makeForm();
    auto* red = new TBlock(form);
    red->SetColor(clRed);
    red->SetBounds(10, 10, 50, 50);
    red->SetParent(form);
    auto* blue = new TBlock(form);
    blue->SetColor(clBlue);
    blue->SetBounds(30, 30, 50, 50);
    blue->SetParent(form);
    form->Show();
    TBitmap picture(300, 200);
    form->PaintTo(picture.Canvas()->Handle(), 0, 0);
    EXPECT_EQ(picture.Canvas()->Pixels(40, 40), clBlue);
    red->BringToFront();
    form->PaintTo(picture.Canvas()->Handle(), 0, 0);
    EXPECT_EQ(picture.Canvas()->Pixels(40, 40), clRed);
    EXPECT_EQ(picture.Canvas()->Pixels(70, 70), clBlue);
    red->SendToBack();
    red->SetVisible(false);
    form->PaintTo(picture.Canvas()->Handle(), 0, 0);
    EXPECT_EQ(picture.Canvas()->Pixels(15, 15), ColorToRGB(clBtnFace));
}

TEST_F(FormWindow, MinimizingTheMainFormGoesThroughTheApplication)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    EventLog log;
    Application->OnMinimize = log.notify("minimize");
    Application->OnRestore = log.notify("restore");
    main->Show();
    pump();
    SendMessage(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(main->Handle()));
    EXPECT_EQ(main->WindowState(), wsMinimized);
    SendMessage(main->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(main->Handle()));
    EXPECT_EQ(log.events(), (std::vector<std::string>{"minimize", "restore"}));
    Application->OnMinimize = nullptr;
    Application->OnRestore = nullptr;
}

} // namespace

namespace {

using uitest::UiTest;

class ScreenTest : public UiTest {};

TEST_F(ScreenTest, KnowsFormsInCreationOrderAndTheDisplay)
{
    TForm* first = makeForm("First");
    TForm* second = makeForm("Second");
    ASSERT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->Forms(0), first);
    EXPECT_EQ(Screen->Forms(1), second);
    EXPECT_THROW(Screen->Forms(2), EListError);
    delete first;
    EXPECT_EQ(Screen->Forms(0), second);

    EXPECT_EQ(Screen->Width(), 1280);
    EXPECT_EQ(Screen->Height(), 800);
    ASSERT_GE(Screen->MonitorCount(), 1);
    EXPECT_TRUE(Screen->Monitors(0)->Primary);
    EXPECT_EQ(Screen->Monitors(0)->Width(), 1280);
    TRect work = Screen->WorkAreaRect();
    EXPECT_LE(::Height(work), 800);

    second->Show();
    pump();
    EXPECT_EQ(Screen->ActiveForm(), second);
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(backend().cursor(), Screen->Cursors(crHourGlass));
    Screen->SetCursor(crDefault);
}

} // namespace

namespace {

using uitest::UiTest;

class ParentProperties : public UiTest {};

TEST_F(ParentProperties, FontColourAndShowHintFlowDownUntilSetLocally)
{
    TForm* form = makeForm();
    auto* panel = new TCustomControl(form);
    panel->SetParent(form);
    auto* inherits = new TGraphicControl(form);
    inherits->SetParent(panel);
    inherits->SetParentColor(true);
    auto* own = new TGraphicControl(form);
    own->SetParent(panel);
    own->Font()->SetSize(14);
    own->SetColor(clRed);

    form->Font()->SetName("Arial");
    form->Font()->SetStyle({fsBold});
    EXPECT_EQ(panel->Font()->Name(), "Arial");
    EXPECT_EQ(inherits->Font()->Name(), "Arial");
    EXPECT_TRUE(inherits->Font()->Style().Contains(fsBold));
    EXPECT_TRUE(inherits->ParentFont());
    EXPECT_FALSE(own->ParentFont());
    EXPECT_NE(own->Font()->Name(), "Arial");

    panel->SetColor(clYellow);
    EXPECT_EQ(inherits->Color(), clYellow);
    EXPECT_EQ(own->Color(), clRed);

    form->SetShowHint(true);
    EXPECT_TRUE(inherits->ShowHint());
    own->SetShowHint(false);
    form->SetShowHint(false);
    form->SetShowHint(true);
    EXPECT_FALSE(own->ShowHint());
}

TEST_F(FormWindow, TheManagersMinimizeAndRestoreGoThroughTheApplication)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    EventLog log;
    Application->OnMinimize = log.notify("minimize");
    Application->OnRestore = log.notify("restore");
    main->Show();
    pump();
    backend().managerMinimizes(main->Handle());
    pump();
    EXPECT_EQ(main->WindowState(), wsMinimized);
    backend().managerRestores(main->Handle());
    pump();
    EXPECT_NE(main->WindowState(), wsMinimized);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"minimize", "restore"}));
    Application->OnMinimize = nullptr;
    Application->OnRestore = nullptr;
}

} // namespace
