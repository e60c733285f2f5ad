// Timers, actions with their clients, and the plain popup menu.

#include "tests/support/UiTestSupport.h"

#include "ui/menus/Menu.h"
#include "ui/forms/Timer.h"

namespace {

using uitest::EventLog;
using uitest::UiTest;

class TimerTest : public UiTest {};

TEST_F(TimerTest, TicksFollowIntervalAndEnabled)
{
    auto* timer = new TTimer(Application);
    timer->SetInterval(100);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) { ++ticks; };
    for (int i = 0; i < 5; ++i)
        advance(50);
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(false);
    advance(500);
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(true);
    timer->SetInterval(20);
    advance(20);
    advance(20);
    EXPECT_EQ(ticks, 4);
    timer->SetInterval(0);
    advance(100);
    EXPECT_EQ(ticks, 4);
    delete timer;
    advance(100);
}

TEST_F(TimerTest, AFailingTickIsReportedAndTheTimerGoesOn)
{
    auto* timer = new TTimer(Application);
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        if (++ticks == 1)
            throw Exception("tick failed");
    };
    advance(10);
    advance(10);
    EXPECT_EQ(ticks, 2);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].text, "tick failed.");
}

TEST_F(TimerTest, ATimerMadeWhileLoadingStartsWhenLoaded)
{
    TForm* form = makeForm();
    form->BeginLoading();
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) { ++ticks; };
    advance(30);
    EXPECT_EQ(ticks, 0);
    form->EndLoading();
    advance(10);
    EXPECT_EQ(ticks, 1);
}

class Actions : public UiTest {};

TEST_F(Actions, ClientsFollowTheirAction)
{
    TForm* form = makeForm();
    auto* list = new TActionList(form);
    auto* play = new TAction(form);
    play->SetActionList(list);
    play->SetCaption("Play(&P)");
    play->SetImageIndex(0);
    int executed = 0;
    play->OnExecute = [&](TObject*) { ++executed; };
    auto* button = new TButtonControl(form);
    button->SetParent(form);
    button->SetAction(play);
    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(form);
    menu->Items()->Add(item);
    item->SetAction(play);

    EXPECT_EQ(button->Caption(), "Play(&P)");
    EXPECT_EQ(item->Caption(), "Play(&P)");
    EXPECT_EQ(item->ImageIndex(), 0);

    play->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(item->Enabled());
    item->Click(); // a disabled item does nothing
    EXPECT_EQ(executed, 0);

    play->SetEnabled(true);
    play->SetCaption("Stop");
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(item->Caption(), "Stop");
    button->Click();
    item->Click();
    EXPECT_EQ(executed, 2);
    EXPECT_EQ(list->ActionCount(), 1);
    delete play;
    EXPECT_EQ(list->ActionCount(), 0);
    EXPECT_EQ(item->Action(), nullptr);
    EXPECT_EQ(button->Action(), nullptr);
}

TEST_F(Actions, UpdateRunsWhenIdleAndShortcutsExecute)
{
    TForm* form = makeForm();
    auto* list = new TActionList(form);
    auto* remove = new TAction(form);
    remove->SetActionList(list);
    remove->SetShortCut(ShortCut(VK_DELETE, {ssCtrl}));
    bool canRemove = false;
    remove->OnUpdate = [&](TObject*) { remove->SetEnabled(canRemove); };
    int removed = 0;
    remove->OnExecute = [&](TObject*) { ++removed; };
    auto* button = new TButtonControl(form);
    button->SetParent(form);
    button->SetAction(remove);

    TForm* dialog = makeForm("Dialog");
    script({[&] { EXPECT_FALSE(button->Enabled()); canRemove = true; },
            [&] {
                EXPECT_TRUE(button->Enabled());
                dialog->SetModalResult(mrOk);
            }});
    dialog->ShowModal();

    form->Show();
    pump();
    pressWith(VK_CONTROL, VK_DELETE);
    EXPECT_EQ(removed, 1);
    canRemove = false;
    pressWith(VK_CONTROL, VK_DELETE); // the update before the shortcut disables it
    EXPECT_EQ(removed, 1);
}

class PopupMenus : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        menu = new TPopupMenu(form);
        for (const char* caption : {"&Play", "-", "&Disabled", "Play &Loop", "&Remove"}) {
            auto* item = new TMenuItem(form);
            item->SetCaption(caption);
            item->OnClick = [this, caption](TObject*) { log.add(caption); };
            menu->Items()->Add(item);
        }
        menu->Items()->Items(2)->SetEnabled(false);
        menu->OnPopup = log.notify("popup");
        form->Show();
        pump();
    }
    TForm* form = nullptr;
    TPopupMenu* menu = nullptr;
    EventLog log;
};

TEST_F(PopupMenus, KeyboardSelectsSkippingSeparators)
{
    // Down lands on Play, then skips the line to the disabled item, which
    // Enter cannot choose; Down again reaches Play Loop.
    script({[&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_RETURN); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_RETURN); }});
    menu->Popup(200, 200);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"popup", "Play &Loop"}));
    EXPECT_EQ(menu->PopupPoint().x, 200);
}

TEST_F(PopupMenus, EscapeCancelsAndAcceleratorsChoose)
{
    script({[&] { backend().pressKey(VK_UP); }, [&] { backend().pressKey(VK_ESCAPE); }});
    menu->Popup(200, 200);
    script({[&] { backend().typeText("r"); }});
    menu->Popup(200, 200);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"popup", "popup", "&Remove"}));
}

TEST_F(PopupMenus, MouseChoosesAndAClickOutsideCancels)
{
    script({[&] {
        // The first row starts below the frame.
        backend().click(210, 208);
    }});
    menu->Popup(200, 200);
    script({[&] { backend().click(10, 10); }});
    menu->Popup(200, 200);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"popup", "&Play", "popup"}));
}

TEST_F(PopupMenus, ContextMenuOpensAtThePointerWithItsComponent)
{
    auto* panel = new TCustomControl(form);
    panel->SetBounds(10, 10, 100, 100);
    panel->SetParent(form);
    panel->SetPopupMenu(menu);
    TPoint p = screenPoint(panel, 20, 30);
    script({[&] { backend().pressKey(VK_ESCAPE); }});
    backend().click(p.x, p.y, MouseButton::Right);
    pump();
    EXPECT_EQ(menu->PopupComponent(), panel);
    EXPECT_EQ(menu->PopupPoint().x, p.x);
    EXPECT_EQ(menu->PopupPoint().y, p.y);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"popup"}));
}

} // namespace

namespace {

using uitest::UiTest;

class MenuItems : public UiTest {};

TEST_F(MenuItems, TheItemTreeRefusesCyclesAndFreesSubItems)
{
    TForm* form = makeForm();
    auto* menu = new TPopupMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("&File");
    auto* open = new TMenuItem(form);
    open->SetCaption("&Open");
    open->SetShortCut(ShortCut('O', {ssCtrl}));
    menu->Items()->Add(file);
    file->Add(open);
    EXPECT_EQ(menu->Items()->Find("file"), file);
    EXPECT_EQ(open->GetParentMenu(), menu);
    EXPECT_EQ(menu->FindItemByShortCut(ShortCut('O', {ssCtrl})), open);
    EXPECT_THROW(open->Add(file), EInvalidOperation);
    EXPECT_THROW(menu->Items()->Add(open), EInvalidOperation);
    EXPECT_THROW(file->Insert(5, new TMenuItem(form)), EListError);
    EXPECT_THROW(file->Items(1), EListError);

    int before = form->ComponentCount();
    menu->Items()->Delete(0); // frees File and Open
    EXPECT_EQ(form->ComponentCount(), before - 2);
    EXPECT_EQ(menu->Items()->Count(), 0);
}

} // namespace
