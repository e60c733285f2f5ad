// Keys in an open skinned menu: moving over rows, opening and closing
// levels, Enter and accelerators.

#include "tests/skin/controls/menus/MenuTestSupport.h"

#include "ui/forms/ActionList.h"

namespace {

using menutest::MenuTest;
using Events = std::vector<std::string>;

class MenuKeys : public MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        add(menu->Items(), "&Play");
        add(menu->Items(), "-");
        add(menu->Items(), "&Hidden")->SetVisible(false);
        add(menu->Items(), "&Locked")->SetEnabled(false);
        moveTo = add(menu->Items(), "&Move to");
        add(moveTo, "&Effects");
        add(moveTo, "-");
        add(moveTo, "&Voices");
        add(menu->Items(), "E&xit");
    }

    TSeCustomItem* moveTo = nullptr;
};

TEST_F(MenuKeys, UpAndDownWrapAndSkipSeparatorsAndHiddenRowsButNotDisabledOnes)
{
    script({noteSelection(), press(VK_DOWN), noteSelection(), press(VK_DOWN), noteSelection(), press(VK_DOWN),
            noteSelection(), press(VK_DOWN), noteSelection(), press(VK_UP), noteSelection(), press(VK_UP),
            noteSelection(), press(VK_ESCAPE)});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (Events{"selected &Play", "selected &Locked", "selected &Move to", "selected E&xit",
                                    "selected &Play", "selected E&xit", "selected &Move to"}));
}

TEST_F(MenuKeys, EscapeClosesOneLevelAltAndF10CloseThemAll)
{
    script({press(VK_DOWN), press(VK_DOWN), press(VK_RIGHT), noteLevels(), noteSelection(1), press(VK_ESCAPE),
            noteLevels(), noteSelection(0), press(VK_RIGHT), noteLevels(), press(VK_MENU)});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (Events{"levels 2", "selected &Effects", "levels 1", "selected &Move to", "levels 2"}));
    EXPECT_TRUE(visibleLevels().empty());
    EXPECT_EQ(GetCapture(), nullptr);

    log.clear();
    script({press(VK_DOWN), press(VK_DOWN), press(VK_RETURN), noteLevels(), [&] {
                backend().keyDown(VK_F10);
                backend().keyUp(VK_F10);
            }});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (Events{"levels 2"}));
    EXPECT_TRUE(visibleLevels().empty());
}

TEST_F(MenuKeys, EnterRightAfterOpeningRunsTheFirstVisibleCommand)
{
    // Rows before it that Enter must not run: hidden, and a separator.
    auto* hidden = new TSeCustomItem(form);
    hidden->SetCaption("&Delete everything");
    hidden->SetVisible(false);
    hidden->OnClick = log.notify("hidden row ran");
    menu->Items()->Insert(0, hidden);
    auto* line = new TSeCustomItem(form);
    line->SetCaption("-");
    menu->Items()->Insert(1, line);

    script({press(VK_RETURN)});
    popup();
    EXPECT_EQ(log.events(), (Events{"&Play"}));

    // With no row to start on, Enter does nothing.
    auto* lonely = new TSeCustomPopupMenu(form);
    add(lonely->Items(), "-");
    add(lonely->Items(), "&Gone")->SetVisible(false);
    log.clear();
    script({noteSelection(), press(VK_RETURN), noteLevels(), press(VK_ESCAPE)});
    lonely->Popup(200, 200);
    pump();
    EXPECT_EQ(log.events(), (Events{"selected ", "levels 1"}));
}

TEST_F(MenuKeys, AcceleratorsRunTheirRowAndIgnoreHiddenOnes)
{
    // "Exit(&E)" with its action: typing E runs the action.
    TAction exit(nullptr);
    exit.SetCaption("Exit(&E)");
    exit.OnExecute = log.notify("exit action");
    auto* exitItem = new TSeCustomItem(form);
    exitItem->SetAction(&exit);
    menu->Items()->Add(exitItem);
    // A hidden row with the same letter, earlier in the menu.
    auto* hidden = add(menu->Items(), "&Erase");
    menu->Items()->Remove(hidden);
    menu->Items()->Insert(0, hidden);
    hidden->SetVisible(false);

    script({[&] { backend().typeText("e"); }});
    popup();
    EXPECT_EQ(log.events(), (Events{"exit action"}));

    // A letter in a submenu opens it and chooses there; a disabled row's
    // letter does nothing.
    log.clear();
    script({[&] { backend().typeText("m"); }, [&] { backend().typeText("v"); }});
    popup();
    EXPECT_EQ(log.events(), (Events{"&Voices"}));
    log.clear();
    script({[&] { backend().typeText("l"); }, noteLevels(), press(VK_ESCAPE)});
    popup();
    EXPECT_EQ(log.events(), (Events{"levels 1"}));
}

TEST_F(MenuKeys, KeysReachAMenuOpenedWhileNoWindowOfOursIsActive)
{
    // As from the notification area with the main window hidden.
    form->Hide();
    pump();
    ASSERT_EQ(GetActiveWindow(), nullptr);
    ASSERT_EQ(GetFocus(), nullptr);
    script({press(VK_DOWN), noteSelection(), [&] { backend().typeText("x"); }});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (Events{"selected &Locked", "E&xit"}));
}

TEST_F(MenuKeys, EnterOnASubmenuRowOpensItAndTheChoiceRunsAfterEveryLevelIsGone)
{
    script({press(VK_UP), press(VK_UP), press(VK_RETURN), press(VK_DOWN), press(VK_RETURN)});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (Events{"&Voices"}));
    EXPECT_TRUE(TSePopupWindow::OpenWindows().empty());
}

} // namespace
