// Submenus of the plain popup menu: opened by hovering, Right, Enter or an
// accelerator; closed one level at a time by Left and Escape; a choice in
// a submenu closes every level before its OnClick runs.

#include "tests/support/UiTestSupport.h"

#include "ui/menus/Menu.h"
#include "ui/forms/Screen.h"

#include "platform/window/WindowTable.h"
#include "platform/WinUser.h"

#include <algorithm>

namespace {

using uitest::EventLog;
using uitest::UiTest;

class PopupSubmenus : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        menu = new TPopupMenu(form);
        add(menu->Items(), "&Play");
        moveTo = add(menu->Items(), "&Move to");
        add(moveTo, "&Effects");
        add(moveTo, "&Voices");
        add(moveTo, "-");
        add(moveTo, "&Locked")->SetEnabled(false);
        add(menu->Items(), "&Remove");
        form->Show();
        pump();
    }

    TMenuItem* add(TMenuItem* parent, const char* caption)
    {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TObject*) {
            // Every level must be gone before the choice runs.
            log.add(std::string(caption) + (openLevels().empty() ? "" : " while a menu shows"));
        };
        parent->Add(item);
        return item;
    }

    // The open menu levels' screen rectangles, the root first.
    std::vector<RECT> openLevels() const
    {
        std::vector<RECT> levels;
        for (HWND hwnd : TopLevelWindows())
            if (IsWindowVisible(hwnd) && (GetWindowLong(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
                RECT r;
                GetWindowRect(hwnd, &r);
                levels.push_back(r);
            }
        std::reverse(levels.begin(), levels.end());
        return levels;
    }

    // A step that notes how many levels are open.
    std::function<void()> noteLevels()
    {
        return [this] { log.add("levels " + std::to_string(openLevels().size())); };
    }

    // The middle of row `row` (separators count) of an open level.
    POINT rowPoint(const RECT& level, int row) const
    {
        return POINT{level.left + 20, level.top + 3 + 19 * row + 9};
    }

    TForm* form = nullptr;
    TPopupMenu* menu = nullptr;
    TMenuItem* moveTo = nullptr;
    EventLog log;
};

TEST_F(PopupSubmenus, KeysOpenAndCloseOneLevelAtATime)
{
    script({[&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_RIGHT); },
            noteLevels(),
            [&] { backend().pressKey(VK_LEFT); },
            noteLevels(),
            [&] { backend().pressKey(VK_RETURN); },
            noteLevels(),
            [&] { backend().pressKey(VK_ESCAPE); },
            noteLevels(),
            [&] { backend().pressKey(VK_ESCAPE); }});
    menu->Popup(200, 200);
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (std::vector<std::string>{"levels 2", "levels 1", "levels 2", "levels 1"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PopupSubmenus, AChoiceInASubmenuRunsAfterEveryLevelIsGone)
{
    // Right lights the submenu's first row; Down skips to Voices.
    script({[&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_RIGHT); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_RETURN); }});
    menu->Popup(200, 200);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"&Voices"}));

    // Accelerators open the submenu and choose inside it.
    log.clear();
    script({[&] { backend().typeText("m"); }, [&] { backend().typeText("e"); }});
    menu->Popup(200, 200);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"&Effects"}));
}

TEST_F(PopupSubmenus, DisabledRowsAndSubmenuRowsAreNotChosen)
{
    // Enter on a submenu row opens it; the disabled row and the parent row
    // stay unchosen; Escape twice leaves without a click.
    script({[&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_RETURN); },
            [&] { backend().pressKey(VK_UP); }, // wraps to Locked, past the line
            [&] { backend().pressKey(VK_RETURN); },
            noteLevels(),
            [&] { backend().pressKey(VK_ESCAPE); },
            [&] { backend().pressKey(VK_ESCAPE); }});
    menu->Popup(200, 200);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"levels 2"}));
}

TEST_F(PopupSubmenus, HoverOpensBesideTheRowAndAClickChooses)
{
    std::vector<RECT> seen;
    script({[&] {
                RECT root = openLevels().at(0);
                POINT p = rowPoint(root, 1);
                backend().mouseMove(p.x, p.y);
            },
            [&] {
                seen = openLevels();
                ASSERT_EQ(seen.size(), 2u);
                // Hovering a plain row closes the submenu again.
                POINT p = rowPoint(seen[0], 2);
                backend().mouseMove(p.x, p.y);
            },
            noteLevels(),
            [&] {
                POINT p = rowPoint(seen[0], 1);
                backend().mouseMove(p.x, p.y);
            },
            [&] {
                // A click on the disabled row does nothing; one on Voices chooses.
                POINT locked = rowPoint(seen[1], 3);
                locked.y -= 19 - 9; // the separator is shorter than a row
                backend().click(locked.x, locked.y);
            },
            noteLevels(),
            [&] {
                POINT p = rowPoint(seen[1], 1);
                backend().click(p.x, p.y);
            }});
    menu->Popup(200, 200);
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (std::vector<std::string>{"levels 1", "levels 2", "&Voices"}));
    ASSERT_EQ(seen.size(), 2u);
    // Beside the parent's row, its first row level with "Move to".
    EXPECT_GE(seen[1].left, seen[0].right - 4);
    EXPECT_LE(seen[1].left, seen[0].right);
    EXPECT_EQ(seen[1].top, seen[0].top + 19);
}

TEST_F(PopupSubmenus, RightStepsIntoASubmenuThatHoveringOpened)
{
    script({[&] {
                POINT p = rowPoint(openLevels().at(0), 1);
                backend().mouseMove(p.x, p.y);
            },
            noteLevels(),
            [&] { backend().pressKey(VK_RIGHT); },
            [&] { backend().pressKey(VK_DOWN); },
            [&] { backend().pressKey(VK_RETURN); }});
    menu->Popup(200, 200);
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (std::vector<std::string>{"levels 2", "&Voices"}));
}

TEST_F(PopupSubmenus, ASubmenuWithoutRoomOnTheRightOpensOnTheLeft)
{
    std::vector<RECT> seen;
    script({[&] { backend().typeText("m"); },
            [&] { seen = openLevels(); },
            [&] { backend().pressKey(VK_MENU); }});
    menu->Popup(Screen->Width() - 30, 200);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].right, Screen->Width()); // the root moved in to stay on the screen
    EXPECT_LE(seen[1].right, seen[0].left + 4);
    EXPECT_GE(seen[1].right, seen[0].left);
    EXPECT_TRUE(log.events().empty());
}

TEST_F(PopupSubmenus, AClickOutsideEveryLevelClosesThemAll)
{
    script({[&] { backend().typeText("m"); },
            noteLevels(),
            [&] { backend().click(5, 5); }});
    menu->Popup(200, 200);
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (std::vector<std::string>{"levels 2"}));
    EXPECT_TRUE(openLevels().empty());
}

} // namespace
