// Labels, push buttons, check boxes and combo boxes driven as a user would.

#include "tests/support/UiTestSupport.h"

#include "ui/stdctrls/Button.h"
#include "ui/stdctrls/CheckBox.h"
#include "ui/stdctrls/ComboBox.h"
#include "ui/stdctrls/Edit.h"
#include "ui/stdctrls/Label.h"

namespace {

using uitest::EventLog;
using uitest::UiTest;

class StdControls : public UiTest {
protected:
    TForm* form = nullptr;
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        form->Show();
        pump();
    }
    template <class T> T* add(int x, int y)
    {
        auto* control = new T(form);
        control->SetLeft(x);
        control->SetTop(y);
        control->SetParent(form);
        return control;
    }
};

// ---- Label ----------------------------------------------------------------------------------

TEST_F(StdControls, LabelAutoSizeFollowsCaptionFontAndWordWrap)
{
    auto* label = add<TLabel>(10, 10);
    label->SetCaption("Hello");
    int shortWidth = label->Width();
    int lineHeight = label->Height();
    EXPECT_GT(shortWidth, 10);
    EXPECT_GT(lineHeight, 8);
    label->SetCaption("Hello, wider world");
    EXPECT_GT(label->Width(), shortWidth);
    // An empty caption still measures one line.
    label->SetCaption("");
    EXPECT_EQ(label->Height(), lineHeight);

    // Word wrap keeps within the width and grows downwards.
    label->SetWordWrap(true);
    label->SetWidth(60);
    label->SetCaption("one two three four five six");
    EXPECT_LE(label->Width(), 60);
    EXPECT_GE(label->Height(), 3 * lineHeight);

    // A right-aligned label keeps its right edge.
    auto* right = add<TLabel>(100, 40);
    right->SetAlignment(taRightJustify);
    right->SetCaption("x");
    int rightEdge = right->Left() + right->Width();
    right->SetCaption("much longer text");
    EXPECT_EQ(right->Left() + right->Width(), rightEdge);

    // Without AutoSize nothing moves.
    right->SetAutoSize(false);
    right->SetBounds(5, 5, 30, 30);
    right->SetCaption("another caption entirely");
    EXPECT_EQ(right->Width(), 30);
}

TEST_F(StdControls, LabelAcceleratorFocusesItsControl)
{
    auto* label = add<TLabel>(10, 10);
    label->SetCaption("&Name");
    auto* first = add<TEdit>(10, 40);
    auto* target = add<TEdit>(10, 70);
    label->SetFocusControl(target);
    first->SetFocus();
    pump();
    pressWith(VK_MENU, 'N');
    pump();
    EXPECT_TRUE(target->Focused());

    // Disabled, or with accelerators off, the label does nothing.
    first->SetFocus();
    label->SetEnabled(false);
    pressWith(VK_MENU, 'N');
    pump();
    EXPECT_TRUE(first->Focused());
    label->SetEnabled(true);
    label->SetShowAccelChar(false);
    pressWith(VK_MENU, 'N');
    pump();
    EXPECT_TRUE(first->Focused());

    // A freed focus control is forgotten.
    delete target;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

// ---- Button ----------------------------------------------------------------------------------

TEST_F(StdControls, ButtonClicksOnlyWhenReleasedOverIt)
{
    auto* button = add<TButton>(10, 10);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    TPoint inside = centerOf(button);
    TPoint outside = screenPoint(button, button->Width() + 20, 5);

    backend().mouseMove(inside.x, inside.y);
    backend().mouseDown();
    pump();
    EXPECT_TRUE(button->Down());
    backend().mouseMove(outside.x, outside.y);
    pump();
    EXPECT_FALSE(button->Down());
    backend().mouseUp();
    pump();
    EXPECT_EQ(clicks, 0);

    // Moving back in before the release shows it pushed and clicks.
    backend().mouseMove(inside.x, inside.y);
    backend().mouseDown();
    backend().mouseMove(outside.x, outside.y);
    backend().mouseMove(inside.x, inside.y);
    pump();
    EXPECT_TRUE(button->Down());
    backend().mouseUp();
    pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->Down());
}

TEST_F(StdControls, ButtonClicksWithSpaceAndEnter)
{
    auto* button = add<TButton>(10, 10);
    auto* other = add<TButton>(100, 10);
    EventLog log;
    button->OnClick = log.notify("button");
    other->OnClick = log.notify("other");
    button->SetModalResult(mrOk);
    button->SetFocus();
    pump();
    backend().keyDown(VK_SPACE);
    pump();
    EXPECT_TRUE(button->Down());
    backend().keyUp(VK_SPACE);
    pump();
    backend().pressKey(VK_RETURN);
    pump();
    EXPECT_EQ(log.events(), (std::vector<std::string>{"button", "button"}));
    EXPECT_EQ(form->ModalResult(), mrOk);
}

// ---- Check box -------------------------------------------------------------------------------

TEST_F(StdControls, CheckBoxCyclesThroughItsStates)
{
    auto* box = add<TCheckBox>(10, 10);
    box->SetCaption("&Loop");
    std::vector<TCheckBoxState> seen;
    box->OnClick = [&](TObject*) { seen.push_back(box->State()); };

    click(box);
    pump();
    click(box);
    pump();
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));

    seen.clear();
    box->SetAllowGrayed(true);
    box->SetFocus();
    pump();
    for (int i = 0; i < 3; ++i) {
        backend().pressKey(VK_SPACE);
        pump();
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));

    // Code: the same value fires nothing, a new one fires OnClick.
    seen.clear();
    box->SetChecked(false);
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed}));

    // The accelerator toggles; a press released outside does not.
    pressWith(VK_MENU, 'L');
    pump();
    EXPECT_EQ(box->State(), cbChecked);
    TPoint inside = centerOf(box);
    backend().mouseMove(inside.x, inside.y);
    backend().mouseDown();
    backend().mouseMove(inside.x, inside.y + 100);
    backend().mouseUp();
    pump();
    EXPECT_EQ(box->State(), cbChecked);
}

// ---- Combo box -------------------------------------------------------------------------------

class ComboBoxes : public StdControls {
protected:
    TComboBox* combo = nullptr;
    std::vector<int> changes;
    void SetUp() override
    {
        StdControls::SetUp();
        combo = add<TComboBox>(10, 10);
        for (const char* item : {"Apple", "Banana", "Cherry", "Date", "Elder"})
            combo->Items()->Add(item);
        combo->OnChange = [this](TObject*) { changes.push_back(combo->ItemIndex()); };
        combo->SetFocus();
        pump();
    }
    void key(int vk)
    {
        backend().pressKey(vk);
        pump();
    }
};

TEST_F(ComboBoxes, KeyboardMovesTheChoice)
{
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Banana");
    EXPECT_TRUE(changes.empty());
    key(VK_DOWN);
    key(VK_UP);
    key(VK_UP);
    key(VK_UP); // already first: no change
    key(VK_END);
    key(VK_HOME);
    backend().typeText("c");
    pump();
    EXPECT_EQ(changes, (std::vector<int>{2, 1, 0, 4, 0, 2}));
    EXPECT_EQ(combo->Text(), "Cherry");
    combo->SetText("Date");
    EXPECT_EQ(combo->ItemIndex(), 3);
    combo->SetText("Fig");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
}

TEST_F(ComboBoxes, DropDownChoosesWithMouseOrKeysAndEscapeKeepsTheChoice)
{
    combo->SetItemIndex(0);
    bool wasDown = false;
    script({[&] {
        wasDown = combo->DroppedDown();
        RECT list = combo->DropDownRect();
        int row = combo->ItemHeight() * 3 + combo->ItemHeight() / 2 + 1;
        backend().click(list.left + 10, list.top + row);
    }});
    click(combo);
    pump();
    EXPECT_TRUE(wasDown);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 3);

    script({[&] { backend().pressKey(VK_DOWN); }, [&] { backend().pressKey(VK_RETURN); }});
    key(VK_F4);
    EXPECT_EQ(combo->ItemIndex(), 4);

    script({[&] { backend().pressKey(VK_UP); }, [&] { backend().pressKey(VK_ESCAPE); }});
    key(VK_F4);
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(changes, (std::vector<int>{3, 4}));
    EXPECT_TRUE(scriptDone());
}

// What the window manager does while the list is down ends the list: the
// focus going to another program, a minimize, and a close request, which
// closes the form at once instead of after the next click.
TEST_F(ComboBoxes, DropDownEndsWhenTheManagerTakesTheFocusMinimizesOrCloses)
{
    HWND formHandle = form->Handle();
    bool wasDown = false;
    script({[&] {
        wasDown = combo->DroppedDown();
        backend().focusGoesToAnotherProgram();
    }});
    key(VK_F4);
    EXPECT_TRUE(wasDown);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(scriptDone());

    SetActiveWindow(formHandle);
    combo->SetFocus();
    pump();
    script({[&] { backend().managerMinimizes(formHandle); }});
    key(VK_F4);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(IsIconic(formHandle));
    ShowWindow(formHandle, SW_RESTORE);
    combo->SetFocus();
    pump();

    bool closed = false;
    form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    script({[&] { backend().managerCloses(formHandle); }});
    key(VK_F4);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(closed);
    EXPECT_TRUE(scriptDone());
}

} // namespace
