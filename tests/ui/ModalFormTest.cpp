// ShowModal, closing, dialog keys and the error report.

#include "tests/support/UiTestSupport.h"

#include "ui/commondlg/MessageBox.h"
#include "ui/forms/Screen.h"

namespace {

using uitest::EventLog;
using uitest::UiTest;

class ModalForm : public UiTest {};

TButtonControl* AddButton(TForm* form, const std::string& caption, int x, TModalResult result = mrNone)
{
    auto* b = new TButtonControl(form);
    b->SetCaption(caption);
    b->SetBounds(x, 160, 75, 25);
    b->SetModalResult(result);
    b->SetParent(form);
    return b;
}

TEST_F(ModalForm, ShowModalDisablesOtherWindowsAndReturnsTheResult)
{
    TForm* main = makeForm("Main");
    main->Show();
    pump();
    TForm* dialog = makeForm("Dialog");
    TButtonControl* ok = AddButton(dialog, "OK", 10, mrOk);
    bool mainDisabledMeanwhile = false;
    script({[&] {
        mainDisabledMeanwhile = !IsWindowEnabled(main->Handle());
        click(ok);
    }});
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(mainDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    // Showing it again works and starts from no result.
    script({[&] { dialog->SetModalResult(mrIgnore); }});
    EXPECT_EQ(dialog->ShowModal(), mrIgnore);
    EXPECT_TRUE(scriptDone());
}

TEST_F(ModalForm, NestedModalFormsEndInsideOut)
{
    TForm* outer = makeForm("Outer");
    TForm* inner = makeForm("Inner");
    EventLog log;
    TButtonControl* open = AddButton(outer, "Open", 10);
    open->OnClick = [&](TObject*) {
        TModalResult r = inner->ShowModal();
        log.add("inner " + std::to_string(r));
        EXPECT_FALSE(IsWindowEnabled(outer->Handle()) == FALSE && outer->ModalResult() != mrNone);
    };
    TButtonControl* yes = AddButton(inner, "Yes", 10, mrYes);
    script({[&] { click(open); },
            [&] {
                log.add(IsWindowEnabled(outer->Handle()) ? "outer enabled" : "outer disabled");
                click(yes);
            },
            [&] { outer->Close(); }});
    TModalResult r = outer->ShowModal();
    log.add("outer " + std::to_string(r));
    EXPECT_EQ(log.events(), (std::vector<std::string>{"outer disabled", "inner 6", "outer 2"}));
}

TEST_F(ModalForm, CloseQueryAndCloseActionCanKeepTheDialogOpen)
{
    TForm* dialog = makeForm("Dialog");
    int queries = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    int closes = 0;
    dialog->OnClose = [&](TObject*, TCloseAction& action) {
        if (++closes == 1)
            action = caNone;
    };
    script({[&] { dialog->SetModalResult(mrOk); },          // refused by the query
            [&] { EXPECT_EQ(dialog->ModalResult(), mrNone); dialog->SetModalResult(mrOk); }, // refused by OnClose
            [&] { EXPECT_TRUE(dialog->Visible()); dialog->SetModalResult(mrRetry); }});
    EXPECT_EQ(dialog->ShowModal(), mrRetry);
    EXPECT_EQ(queries, 3);
    EXPECT_EQ(closes, 2);
}

TEST_F(ModalForm, ShowingAVisibleFormModallyIsRefused)
{
    TForm* form = makeForm();
    form->Show();
    EXPECT_THROW(form->ShowModal(), EInvalidOperation);
}

TEST_F(ModalForm, EnterAndEscapeReachTheDefaultAndCancelButtons)
{
    TForm* dialog = makeForm("Dialog");
    // Stands for an edit box: takes the focus first and is no button.
    auto* field = new TCustomControl(dialog);
    field->SetBounds(10, 10, 200, 22);
    field->SetTabStop(true);
    field->SetParent(dialog);
    TButtonControl* other = AddButton(dialog, "Other", 10);
    TButtonControl* ok = AddButton(dialog, "OK", 100, mrOk);
    TButtonControl* cancel = AddButton(dialog, "Cancel", 190, mrCancel);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    EventLog log;
    other->OnClick = log.notify("other");
    ok->OnClick = [&](TObject*) { log.add("ok sees result " + std::to_string(dialog->ModalResult())); };

    script({[&] {
        EXPECT_TRUE(ok->Active());
        backend().pressKey(VK_RETURN);
    }});
    EXPECT_EQ(dialog->ShowModal(), mrOk);

    script({[&] { backend().pressKey(VK_ESCAPE); }});
    EXPECT_EQ(dialog->ShowModal(), mrCancel);

    // With another button focused, Enter presses that one.
    script({[&] {
                other->SetFocus();
                EXPECT_FALSE(ok->Active());
                backend().pressKey(VK_RETURN);
            },
            [&] { dialog->SetModalResult(mrAbort); }});
    EXPECT_EQ(dialog->ShowModal(), mrAbort);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"ok sees result 1", "other"}));
}

TEST_F(ModalForm, AcceleratorsReachButtonsThroughDialogChar)
{
    TForm* dialog = makeForm("Dialog");
    AddButton(dialog, "&Yes", 10, mrYes);
    AddButton(dialog, "&No", 100, mrNo);
    EXPECT_TRUE(IsAccel('n', "&No"));
    EXPECT_FALSE(IsAccel('n', "&&No"));
    EXPECT_FALSE(IsAccel('y', "&No"));
    script({[&] {
        backend().keyDown(VK_MENU);
        backend().pressKey('N');
        backend().keyUp(VK_MENU);
    }});
    EXPECT_EQ(dialog->ShowModal(), mrNo);
}

TEST_F(ModalForm, KeyPreviewLetsTheFormSeeKeysFirst)
{
    TForm* form = makeForm();
    TButtonControl* button = AddButton(form, "B", 10);
    form->SetKeyPreview(true);
    EventLog log;
    form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        log.add("form " + std::to_string(key));
        if (key == 'X')
            key = 0;
    };
    button->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { log.add("button " + std::to_string(key)); };
    form->Show();
    pump();
    backend().pressKey('A');
    backend().pressKey('X');
    pump();
    EXPECT_EQ(log.events(), (std::vector<std::string>{"form 65", "button 65", "form 88"}));
}

TEST_F(ModalForm, AnExceptionInAClickHandlerIsReportedAndTheLoopGoesOn)
{
    TForm* main = makeForm("Main");
    Application->SetTitle("Clatterbox");
    TButtonControl* bad = AddButton(main, "Bad", 10);
    bad->OnClick = [](TObject*) { throw EInvalidOperation("The key table is locked"); };
    int goodClicks = 0;
    TButtonControl* good = AddButton(main, "Good", 100);
    good->OnClick = [&](TObject*) { ++goodClicks; };
    main->Show();
    pump();
    click(bad);
    click(good);
    pump();
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].text, "The key table is locked.");
    EXPECT_EQ(messageBoxes[0].caption, "Clatterbox");
    EXPECT_EQ(messageBoxes[0].type, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(goodClicks, 1);

    // Inside a modal loop the dialog stays up after the report.
    TForm* dialog = makeForm("Dialog");
    TButtonControl* boom = AddButton(dialog, "Boom", 10);
    boom->OnClick = [](TObject*) { throw std::runtime_error("boom"); };
    TButtonControl* ok = AddButton(dialog, "OK", 100, mrOk);
    script({[&] { click(boom); }, [&] { click(ok); }});
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    ASSERT_EQ(messageBoxes.size(), 2u);
    EXPECT_EQ(messageBoxes[1].text, "boom.");
}

TEST_F(ModalForm, RunEndsWhenTheMainFormCloses)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    EXPECT_EQ(Application->MainForm(), main);
    EventLog log;
    main->OnShow = log.notify("show");
    main->OnActivate = log.notify("activate");
    main->OnClose = [&](TObject*, TCloseAction& action) {
        log.add("close " + std::to_string(action));
    };
    script({[&] { PostMessage(main->Handle(), WM_CLOSE, 0, 0); }});
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(log.events(), (std::vector<std::string>{"show", "activate", "close 1"}));
}

TEST_F(ModalForm, ReleasedFormsGoAwayAfterPendingMessages)
{
    TForm* form = makeForm();
    form->Show();
    bool destroyed = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    form->Close();
    EXPECT_FALSE(destroyed);
    pump();
    EXPECT_TRUE(destroyed);
}

TEST_F(ModalForm, MessageBoxShowsAClassicDialog)
{
    SetMessageBoxHook(nullptr);
    script({[&] { backend().pressKey(VK_RETURN); }});
    EXPECT_EQ(MessageBox(nullptr, "Save the key table?", "Clatterbox", MB_YESNOCANCEL | MB_ICONQUESTION), IDYES);
    script({[&] { backend().pressKey(VK_ESCAPE); }});
    EXPECT_EQ(MessageBox(nullptr, "Save?", "Clatterbox", MB_YESNOCANCEL | MB_DEFBUTTON2), IDCANCEL);
    script({[&] { backend().pressKey(VK_RETURN); }});
    EXPECT_EQ(MessageBox(nullptr, "Save?", "Clatterbox", MB_YESNO | MB_DEFBUTTON2), IDNO);
    script({[&] { backend().pressKey(VK_ESCAPE); }});
    EXPECT_EQ(MessageBox(nullptr, "Done.", "Clatterbox", MB_OK), IDOK);
    EXPECT_EQ(Screen->FormCount(), 0);
}

} // namespace
