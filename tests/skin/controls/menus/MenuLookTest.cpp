// How skinned menus look and where they open: the shipped skin's rows and
// frame, the plain look, placement near the screen's edges, the popup's
// small minimum size, and scrolled submenus.

#include "tests/skin/controls/menus/MenuTestSupport.h"
#include "tests/skin/SkinTestSupport.h"

#include "skin/controls/menus/SeMenuSkin.h"
#include "skin/controls/menus/SePopupForm.h"
#include "skin/controls/menus/SePopupPlacement.h"
#include "skin/controls/menus/SeSkinItem.h"
#include "skin/controls/menus/SeSkinPopupMenu.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/shipped/ShippedSkin.h"

#include "ui/component/Stream.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImageList.h"
#include "ui/forms/Screen.h"

#include "platform/RectMath.h"
#include "platform/gdi/raster/PixelBuffer.h"

#include <set>

namespace {

using menutest::MenuTest;
using Events = std::vector<std::string>;

class MenuLook : public MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        images = new TImageList(form);
        images->SetSize(16, 16);
        for (const char* name : {"SE_FORM_CLOSE", "SE_FORM_MINIMIZE", "SE_FORM_MAXIMIZE"}) {
            TBitmap bitmap;
            bitmap.LoadFromResourceName(nullptr, name);
            images->AddMasked(&bitmap, clFuchsia);
        }
    }

    bool loadShippedSkin()
    {
        const auto bytes = ::ShippedSkinStream();
        if (bytes.empty())
            return false;
        engine = new TSeSkinEngine(form);
        TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        engine->ReadSkinStream(stream);
        return true;
    }

    // The rows every gallery menu shows.
    void fill(TSeCustomPopupMenu* target)
    {
        target->SetImages(images);
        TSeCustomItem* items = target->Items();
        add(items, "&Restore")->SetImageIndex(2);
        add(items, "Mi&nimize")->SetImageIndex(1);
        add(items, "&Loop")->SetChecked(true);
        add(items, "&Locked")->SetEnabled(false);
        TSeCustomItem* more = add(items, "&More");
        add(more, "&Effects");
        add(more, "&Voices");
        add(items, "-");
        TSeCustomItem* close = add(items, "&Close");
        close->SetImageIndex(0);
        close->SetShortCut(TextToShortCut("Alt+F4"));
    }

    // Opens `target`, selects `row`, opens its submenu when it has one,
    // writes the screen and closes.
    PixelBufferPtr shoot(TSeCustomPopupMenu* target, const std::string& png)
    {
        PixelBufferPtr shot;
        script({press(VK_DOWN), press(VK_DOWN), press(VK_DOWN), press(VK_DOWN), press(VK_RIGHT), [&, png] {
                     shot = backend().composeScreen();
                     backend().writeScreenPng(skintest::OutputPath(png));
                 },
                 press(VK_MENU)});
        target->Popup(140, 150);
        pump();
        return shot;
    }

    TImageList* images = nullptr;
    TSeSkinEngine* engine = nullptr;
};

// Distinct colours inside a rectangle of the screen.
std::size_t coloursIn(const PixelBuffer& screen, const RECT& r)
{
    std::set<Pixel> colours;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            colours.insert(screen.at(x, y) & 0xFFFFFF);
    return colours.size();
}

bool sameArea(const PixelBuffer& screen, const RECT& a, const RECT& b)
{
    for (int y = 0; y < Height(a); ++y)
        for (int x = 0; x < Width(a); ++x)
            if (screen.at(a.left + x, a.top + y) != screen.at(b.left + x, b.top + y))
                return false;
    return true;
}

TEST_F(MenuLook, TheShippedSkinDrawsFrameRowsAndSelection)
{
    if (!loadShippedSkin())
        GTEST_SKIP() << "this build has no artwork generator, so no shipped skin";
    auto* skinned = new TSeSkinPopupMenu(form);
    skinned->SetSkinEngine(engine);
    ASSERT_TRUE(skinned->Skin().Bound());
    fill(skinned);
    std::vector<RECT> rows;
    RECT window{};
    script({[&] {
        TSePopupWindow* level = visibleLevels().at(0);
        GetWindowRect(level->Handle(), &window);
        for (int i = 0; i < level->View()->RowCount(); ++i)
            rows.push_back(level->View()->RowScreenRect(i));
    }});
    PixelBufferPtr shot = shoot(skinned, "menus-skinned.png");
    ASSERT_TRUE(shot);
    ASSERT_EQ(rows.size(), 7u);

    // Rows are the skin's "Item" height, stacked inside the frame.
    EXPECT_EQ(Height(rows[0]), skinned->Skin().Item()->Height());
    const RECT insets = skinned->Skin().ClientInsets();
    EXPECT_EQ(rows[0].left - window.left, insets.left);
    EXPECT_EQ(rows[0].top - window.top, insets.top);
    // The highlighted row (4 presses: Locked is selectable, More opens)
    // differs from a plain one of the same size, and rows show text.
    const RECT more = rows.at(4);
    RECT restore = rows.at(0);
    restore.bottom = restore.top + Height(more);
    EXPECT_FALSE(sameArea(*shot, more, restore));
    EXPECT_GT(coloursIn(*shot, rows[2]), 3u) << "text and a check mark on the row";
    // Rows the selection passed over and rows it never reached look alike:
    // the frame's middle behind them, not what was drawn there before.
    auto besideText = [&](const RECT& r) { return shot->at(r.right - 4, (r.top + r.bottom) / 2); };
    EXPECT_EQ(besideText(rows[0]), besideText(rows[6]));
    EXPECT_NE(besideText(rows[6]) & 0xFFFFFF, 0u);
    EXPECT_EQ(shot->at(rows[5].right - 4, rows[5].top + 1), besideText(rows[6])) << "behind the separator";
}

TEST_F(MenuLook, WithoutASkinTheMenuIsPlainAndStillComplete)
{
    auto* skinned = new TSeSkinPopupMenu(form); // no engine
    EXPECT_FALSE(skinned->Skin().Bound());
    fill(skinned);
    RECT window{};
    std::vector<RECT> rows;
    script({[&] {
        TSePopupWindow* level = visibleLevels().at(0);
        GetWindowRect(level->Handle(), &window);
        for (int i = 0; i < level->View()->RowCount(); ++i)
            rows.push_back(level->View()->RowScreenRect(i));
    }});
    PixelBufferPtr shot = shoot(skinned, "menus-plain.png");
    ASSERT_TRUE(shot);
    ASSERT_EQ(rows.size(), 7u);
    // Three frame pixels around the rows; the separator is 15 high.
    EXPECT_EQ(rows[0].left - window.left, 3);
    EXPECT_EQ(rows[0].top - window.top, 3);
    EXPECT_EQ(window.bottom - rows.back().bottom, 3);
    EXPECT_EQ(Height(rows[5]), 15);
}

TEST_F(MenuLook, NearTheBottomRightCornerAMenuOpensLeftOfAndAboveThePoint)
{
    add(menu->Items(), "&Play");
    add(menu->Items(), "&Stop");
    RECT shown{};
    script({[&] { shown = levelRect(0); }, press(VK_ESCAPE)});
    const RECT work = Screen->WorkAreaRect();
    const POINT at{work.right - 5, work.bottom - 5};
    popup(at.x, at.y);
    EXPECT_EQ(shown.right, at.x);
    EXPECT_EQ(shown.bottom, at.y);

    // The placement rule on its own, beside a row as well.
    const RECT screen{0, 0, 1280, 800};
    const SIZE size{100, 60};
    EXPECT_EQ(brio::placePopup(size, screen, brio::PopupAnchor::AtPoint, POINT{10, 10}, RECT{}).x, 10);
    const POINT flipped = brio::placePopup(size, screen, brio::PopupAnchor::AtPoint, POINT{1250, 780}, RECT{});
    EXPECT_EQ(flipped.x, 1150);
    EXPECT_EQ(flipped.y, 720);
    const RECT row{1150, 770, 1250, 790};
    const POINT beside = brio::placePopup(size, screen, brio::PopupAnchor::BesideRow, POINT{}, row);
    EXPECT_EQ(beside.x, 1050) << "left of the row";
    EXPECT_EQ(beside.y, 730) << "its bottom on the row's bottom";
    // Still too large: pushed inside the work area.
    const POINT pushed = brio::placePopup(SIZE{900, 900}, screen, brio::PopupAnchor::AtPoint, POINT{400, 100}, RECT{});
    EXPECT_EQ(pushed.x, 0);
    EXPECT_EQ(pushed.y, 0);
}

TEST_F(MenuLook, AOneRowMenuIsNotPaddedToAFormsMinimumSize)
{
    add(menu->Items(), "&X");
    RECT shown{};
    RECT row{};
    script({[&] {
                shown = levelRect(0);
                row = visibleLevels().at(0)->View()->RowScreenRect(0);
            },
            press(VK_ESCAPE)});
    popup();
    EXPECT_EQ(Height(shown), Height(row) + 6);
    EXPECT_LT(Height(shown), 40);
    EXPECT_LT(Width(shown), 150);
}

TEST_F(MenuLook, AScrolledSubmenuShowsItsCountAndFollowsTheSelection)
{
    TSeCustomItem* many = add(menu->Items(), "&Many");
    many->SetScrolled(true);
    many->SetScrollCount(3);
    for (int i = 0; i < 6; ++i)
        add(many, "Row &" + std::to_string(i));
    auto shownRows = [&](std::size_t level) {
        std::string shown;
        TSePopupView* view = visibleLevels().at(level)->View();
        for (int i = 0; i < view->RowCount(); ++i)
            if (!IsEmpty(view->RowRect(i)))
                shown += std::to_string(i);
        return shown;
    };
    std::vector<std::string> seen;
    RECT sub{};
    script({press(VK_RIGHT), [&] {
                seen.push_back(shownRows(1));
                sub = levelRect(1);
            },
            press(VK_UP), [&] { seen.push_back(shownRows(1)); }, press(VK_DOWN),
            [&] { seen.push_back(shownRows(1)); },
            // Holding the pointer over the lower scroll area scrolls.
            [&] { backend().mouseMove((sub.left + sub.right) / 2, sub.bottom - 3 - 4); },
            [&] { advance(100); }, [&] { advance(100); }, [&] { seen.push_back(shownRows(1)); },
            press(VK_MENU)});
    popup();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(seen, (std::vector<std::string>{"012", "345", "012", "234"}));
}

TEST_F(MenuLook, PopupsTakeTheMenusEffectsAndOnlyTheFirstLevelAnimates)
{
    TSeCustomItem* more = add(menu->Items(), "&More");
    add(more, "&Effects");
    menu->PopupMenuOptions()->Shadow()->SetEnabled(true);
    menu->PopupMenuOptions()->Shadow()->SetSize(6);
    menu->PopupMenuOptions()->Animation()->SetEnabled(true);
    menu->PopupMenuOptions()->Animation()->SetTime(50);
    std::vector<std::string> seen;
    script({press(VK_RIGHT), [&] {
                for (TSePopupWindow* level : visibleLevels()) {
                    TSePopupForm* popupForm = level->PopupForm();
                    RECT window{};
                    GetWindowRect(level->Handle(), &window);
                    const RECT row = level->View()->RowScreenRect(0);
                    seen.push_back(std::string(popupForm->Animation()->Enabled() ? "animated" : "still") + " shadow " +
                                   std::to_string(window.right - row.right - 3) + " " +
                                   std::to_string(window.bottom - row.bottom - 3));
                }
            },
            press(VK_MENU)});
    popup();
    EXPECT_EQ(seen, (std::vector<std::string>{"animated shadow 6 6", "still shadow 6 6"}));
}

} // namespace
