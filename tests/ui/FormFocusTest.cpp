// Owner destruction with windows, focus, Tab order, Enter and Exit.

#include "tests/support/UiTestSupport.h"

#include "ui/menus/Menu.h"
#include "ui/forms/Screen.h"

namespace {

using uitest::EventLog;
using uitest::UiTest;

class FormFocus : public UiTest {};

TButtonControl* AddButton(TForm* form, TWinControl* parent, const std::string& name, int x, int y)
{
    auto* b = new TButtonControl(form);
    b->SetName(name);
    b->SetCaption(name);
    b->SetBounds(x, y, 75, 25);
    b->SetParent(parent);
    return b;
}

TEST_F(FormFocus, DestroyingAFormLeavesNoWindowsOrDanglingParents)
{
    TForm* form = makeForm();
    auto* panel = new TCustomControl(form);
    panel->SetBounds(10, 10, 200, 100);
    panel->SetParent(form);
    TButtonControl* inner = AddButton(form, panel, "Inner", 5, 5);
    // Parented on the form but owned by nobody: the form must let it go.
    auto* stray = new TCustomControl(nullptr);
    stray->SetBounds(0, 150, 50, 20);
    stray->SetParent(form);
    form->Show();
    pump();
    HWND formHandle = form->Handle();
    HWND panelHandle = panel->Handle();
    HWND innerHandle = inner->Handle();
    HWND strayHandle = stray->Handle();
    int formsBefore = Screen->FormCount();

    delete form;

    EXPECT_FALSE(IsWindow(formHandle));
    EXPECT_FALSE(IsWindow(panelHandle));
    EXPECT_FALSE(IsWindow(innerHandle));
    EXPECT_EQ(TWinControl::FromHandle(innerHandle), nullptr);
    EXPECT_EQ(Screen->FormCount(), formsBefore - 1);
    EXPECT_EQ(stray->Parent(), nullptr);
    EXPECT_FALSE(stray->HandleAllocated());
    EXPECT_FALSE(IsWindow(strayHandle));
    delete stray;
}

TEST_F(FormFocus, DestroyingAFocusedControlMovesTheFocusToItsForm)
{
    TForm* form = makeForm();
    TButtonControl* a = AddButton(form, form, "A", 10, 10);
    AddButton(form, form, "B", 10, 40);
    form->Show();
    pump();
    a->SetFocus();
    ASSERT_TRUE(a->Focused());
    delete a;
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(GetFocus(), form->Handle());
    EXPECT_EQ(Screen->ActiveControl(), form);
}

TEST_F(FormFocus, FreeNotificationClearsReferences)
{
    TForm* form = makeForm();
    auto* menu = new TPopupMenu(form);
    auto* action = new TAction(form);
    action->SetCaption("Go");
    TButtonControl* button = AddButton(form, form, "B", 0, 0);
    button->SetPopupMenu(menu);
    button->SetAction(action);
    EXPECT_EQ(button->Caption(), "Go");
    delete menu;
    delete action;
    EXPECT_EQ(button->PopupMenu(), nullptr);
    EXPECT_EQ(button->Action(), nullptr);
}

TEST_F(FormFocus, TabAndShiftTabFollowTheTabOrder)
{
    TForm* form = makeForm();
    TButtonControl* a = AddButton(form, form, "A", 10, 10);
    TButtonControl* b = AddButton(form, form, "B", 10, 40);
    TButtonControl* c = AddButton(form, form, "C", 10, 70);
    TButtonControl* hidden = AddButton(form, form, "Hidden", 10, 100);
    TButtonControl* noStop = AddButton(form, form, "NoStop", 10, 130);
    TButtonControl* disabled = AddButton(form, form, "Disabled", 10, 160);
    hidden->SetVisible(false);
    noStop->SetTabStop(false);
    disabled->SetEnabled(false);
    c->SetTabOrder(0); // c, a, b
    form->Show();
    pump();
    EXPECT_EQ(form->ActiveControl(), c);
    EXPECT_TRUE(c->Focused());

    std::vector<std::string> visited;
    for (int i = 0; i < 4; ++i) {
        backend().pressKey(VK_TAB);
        pump();
        visited.push_back(form->ActiveControl()->Name());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"A", "B", "C", "A"}));

    pressWith(VK_SHIFT, VK_TAB);
    pump();
    EXPECT_FALSE(a->Focused());
    EXPECT_TRUE(c->Focused());
    EXPECT_EQ(GetFocus(), c->Handle());
    EXPECT_FALSE(b->Focused());
}

TEST_F(FormFocus, EnterAndExitRunAlongTheParentChains)
{
    TForm* form = makeForm();
    auto* left = new TCustomControl(form);
    left->SetName("Left");
    left->SetBounds(0, 0, 140, 200);
    left->SetParent(form);
    auto* right = new TCustomControl(form);
    right->SetName("Right");
    right->SetBounds(150, 0, 140, 200);
    right->SetParent(form);
    TButtonControl* a = AddButton(form, left, "A", 5, 5);
    TButtonControl* b = AddButton(form, left, "B", 5, 40);
    TButtonControl* c = AddButton(form, right, "C", 5, 5);
    EventLog log;
    for (TWinControl* w : std::vector<TWinControl*>{left, right, a, b, c}) {
        w->OnEnter = log.notify("enter " + w->Name());
        w->OnExit = log.notify("exit " + w->Name());
    }
    form->Show();
    pump();
    EXPECT_TRUE(a->Focused());
    EXPECT_EQ(log.events(), (std::vector<std::string>{"enter Left", "enter A"}));
    log.clear();
    b->SetFocus();
    EXPECT_EQ(log.events(), (std::vector<std::string>{"exit A", "enter B"}));
    log.clear();
    c->SetFocus();
    EXPECT_EQ(log.events(), (std::vector<std::string>{"exit B", "exit Left", "enter Right", "enter C"}));
}

TEST_F(FormFocus, FocusRulesForHiddenDisabledAndInactive)
{
    TForm* form = makeForm();
    TButtonControl* a = AddButton(form, form, "A", 10, 10);
    TButtonControl* b = AddButton(form, form, "B", 10, 40);
    // Chosen while the form is still hidden, focused when it shows.
    form->SetActiveControl(b);
    form->Show();
    pump();
    EXPECT_TRUE(b->Focused());
    b->SetVisible(false);
    EXPECT_FALSE(b->CanFocus());
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(GetFocus(), form->Handle());
    EXPECT_THROW(form->SetActiveControl(b), EInvalidOperation);

    TForm* other = makeForm("Form2");
    other->Show();
    pump();
    EXPECT_FALSE(form->Active());
    a->SetFocus(); // focusing a control brings its form forward
    pump();
    EXPECT_TRUE(form->Active());
    EXPECT_TRUE(a->Focused());
    EXPECT_EQ(Screen->ActiveForm(), form);
}

} // namespace
