// Choosing with the mouse, the deferred click, and dismissal.

#include "tests/skin/controls/menus/MenuTestSupport.h"

#include "skin/controls/menus/SeClickHandler.h"

#include "ui/forms/ActionList.h"

#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/RectMath.h"

namespace {

using menutest::MenuTest;
using Events = std::vector<std::string>;

class MenuClicks : public MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        add(menu->Items(), "&Play");
        moveTo = add(menu->Items(), "&Move to");
        add(moveTo, "&Effects");
        add(moveTo, "&Voices");
        add(menu->Items(), "-");
        add(menu->Items(), "&Remove");
    }

    std::function<void()> moveToRow(std::size_t level, int row)
    {
        return [this, level, row] {
            POINT p = rowPoint(level, row);
            backend().mouseMove(p.x, p.y);
        };
    }
    std::function<void()> clickRow(std::size_t level, int row)
    {
        return [this, level, row] {
            POINT p = rowPoint(level, row);
            backend().click(p.x, p.y);
        };
    }

    TSeCustomItem* moveTo = nullptr;
};

TEST_F(MenuClicks, TheHandlerRunsAfterThePopupIsGoneAndTheFormBelowRepainted)
{
    RECT shown{};
    PixelBufferPtr seenInHandler;
    TSeCustomItem* remove = menu->Items()->Items(3);
    remove->OnClick = [&](TObject*) {
        log.add(TSePopupWindow::OpenWindows().empty() ? "no popup window" : "a popup window exists");
        seenInHandler = backend().composeScreen();
    };
    script({[&] { GetWindowRect(visibleLevels().at(0)->Handle(), &shown); }, moveToRow(0, 3), clickRow(0, 3)});
    popup(120, 130); // over the form's client area
    EXPECT_EQ(log.events(), (Events{"no popup window"}));
    ASSERT_TRUE(seenInHandler);
    ASSERT_FALSE(IsEmpty(shown));

    // Where the menu was, the screen shows the form as it is without it.
    PixelBufferPtr clean = backend().composeScreen();
    int differing = 0;
    for (int y = shown.top; y < shown.bottom; ++y)
        for (int x = shown.left; x < shown.right; ++x)
            differing += seenInHandler->at(x, y) != clean->at(x, y);
    if (differing)
        backend().writeScreenPng(BRIO_TEST_OUTPUT_DIR "/menu-click-order.png");
    EXPECT_EQ(differing, 0);
}

TEST_F(MenuClicks, HoverOpensASubmenuBesideTheRowAndAClickThereChooses)
{
    RECT root{}, sub{};
    script({moveToRow(0, 1), noteLevels(), [&] {
                root = levelRect(0);
                sub = levelRect(1);
            },
            moveToRow(1, 1), noteSelection(1),
            // Back on a plain row of the first level: the submenu closes.
            moveToRow(0, 0), noteLevels(), moveToRow(0, 1), moveToRow(1, 1), clickRow(1, 1)});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (Events{"levels 2", "selected &Voices", "levels 1", "&Voices"}));
    EXPECT_EQ(sub.left, root.right - 3); // beside the row, which lies 3 pixels inside the frame
}

TEST_F(MenuClicks, SeparatorsAndDisabledRowsDoNothingWhenClicked)
{
    menu->Items()->Items(0)->SetEnabled(false);
    script({clickRow(0, 2), noteLevels(), clickRow(0, 0), noteLevels(), press(VK_ESCAPE)});
    popup();
    EXPECT_EQ(log.events(), (Events{"levels 1", "levels 1"}));
}

TEST_F(MenuClicks, APressOutsideClosesEverythingAndRunsNothing)
{
    script({press(VK_DOWN), press(VK_RIGHT), noteLevels(), [&] { backend().click(900, 700); }});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (Events{"levels 2"}));
    EXPECT_TRUE(visibleLevels().empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuClicks, AClickOnTheDesktopClosesEveryLevel)
{
    // The window system takes the capture away; no level may take it back.
    script({press(VK_DOWN), press(VK_RIGHT), noteLevels(), [&] { backend().desktopClicked(); }});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (Events{"levels 2"}));
    EXPECT_TRUE(visibleLevels().empty());
}

TEST_F(MenuClicks, ASecondPopupClosesTheFirst)
{
    auto* other = new TSeCustomPopupMenu(form);
    add(other->Items(), "&Other");
    script({noteLevels(), [&] {
                // While the first menu tracks, a second one pops up.
                script({noteLevels(), [&] { log.add(visibleLevels().at(0)->Item() == other->Items() ? "second"
                                                                                                     : "first"); },
                        press(VK_RETURN)});
                other->Popup(400, 300);
                log.add("second closed");
            }});
    popup();
    EXPECT_EQ(log.events(), (Events{"levels 1", "levels 1", "second", "second closed", "&Other"}));
    EXPECT_EQ(TSeCustomPopupMenu::Showing(), nullptr);
}

TEST_F(MenuClicks, RowsFreedWhileTheMenuShowsCloseItAndAnActionUpdateOnlyRepaints)
{
    TAction action(nullptr);
    action.SetCaption("&Act");
    auto* acting = new TSeCustomItem(form);
    acting->SetAction(&action);
    menu->Items()->Add(acting);
    script({press(VK_UP), [&] { action.SetEnabled(false); }, noteLevels(), noteSelection(),
            press(VK_RETURN), noteLevels(),
            // A handler frees a row of the open submenu's parent level.
            press(VK_DOWN), press(VK_DOWN), press(VK_RIGHT), noteLevels(),
            [&] { delete menu->Items()->Items(0); }});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(log.events(), (Events{"levels 1", "selected &Act", "levels 1", "levels 2"}));
    EXPECT_TRUE(visibleLevels().empty());
    EXPECT_FALSE(acting->Enabled());
}

TEST_F(MenuClicks, ADeferredClickOfAnItemFreedMeanwhileDoesNothing)
{
    TSeCustomItem* play = menu->Items()->Items(0);
    script({press(VK_RETURN)});
    menu->Popup(200, 200); // the click now waits in the queue
    delete play;
    pump();
    EXPECT_TRUE(log.events().empty());

    // A message handled while the click waits for the screen to settle
    // frees the whole menu.
    TSeCustomItem* again = add(menu->Items(), "&Again");
    menu->Items()->Remove(again);
    menu->Items()->Insert(0, again);
    script({press(VK_RETURN)});
    menu->Popup(200, 200);
    PostMessage(form->Handle(), WM_APP + 7, 0, 0);
    Application->MessageFilter = [this](MSG& msg) {
        if (msg.message != WM_APP + 7)
            return false;
        delete menu;
        menu = nullptr;
        return true;
    };
    pump();
    Application->MessageFilter = nullptr;
    EXPECT_EQ(menu, nullptr);
    EXPECT_TRUE(log.events().empty());
}

} // namespace
