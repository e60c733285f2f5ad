// The item tree, action links and shortcut lookup of skinned menus.

#include "tests/skin/controls/menus/MenuTestSupport.h"

#include "skin/controls/menus/SeMatchShortcut.h"

#include "ui/forms/ActionList.h"
#include "ui/graphics/ImageList.h"

namespace {

using menutest::MenuTest;
using Events = std::vector<std::string>;

class MenuItems : public MenuTest {};

TEST_F(MenuItems, AnItemHasOneParentAndNeverContainsItself)
{
    TSeCustomItem* a = add(menu->Items(), "&A");
    TSeCustomItem* b = add(a, "&B");
    auto expectRefused = [](const std::function<void()>& insert) {
        try {
            insert();
            ADD_FAILURE() << "inserted";
        } catch (const EMenuItemError& e) {
            EXPECT_STREQ(e.what(), "Toolbar item already inserted");
        }
    };
    expectRefused([&] { menu->Items()->Add(b); });
    auto* loose = new TSeCustomItem(form);
    b->Add(loose);
    menu->Items()->Remove(a);
    expectRefused([&] { loose->Add(a); }); // a holds loose: a loop
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(loose->Parent(), b);
    // Freeing a row frees its subtree, which leaves the menu's tree.
    menu->Items()->Add(a);
    delete a;
    EXPECT_EQ(menu->Items()->Count(), 0);
}

TEST_F(MenuItems, EveryChangeOfARowOrOfAChildListReachesTheRoot)
{
    TSeCustomItem* a = add(menu->Items(), "&A");
    TSeCustomItem* b = add(a, "&B");
    std::vector<std::string> changed;
    menu->Items()->OnTreeChange = [&](TSeCustomItem* item) { changed.push_back(item->Caption()); };
    b->SetCaption("&Bee");
    b->SetChecked(true);
    b->SetEnabled(false);
    b->SetVisible(false);
    b->SetVisible(false); // no change
    b->SetImageIndex(3);  // only stored
    add(a, "&C");
    EXPECT_EQ(changed, (Events{"&Bee", "&Bee", "&Bee", "&Bee", "&A"}));
    menu->Items()->OnTreeChange = nullptr;
}

TEST_F(MenuItems, AnActionLinksItsValuesUntilTheItemSetsItsOwn)
{
    TAction action(nullptr);
    action.SetCaption("&Play");
    action.SetHint("Plays the sound");
    action.OnExecute = log.notify("action");
    auto* item = new TSeCustomItem(form);
    menu->Items()->Add(item);
    item->SetAction(&action);
    EXPECT_EQ(item->Caption(), "&Play");
    EXPECT_EQ(item->Hint(), "Plays the sound");

    action.SetEnabled(false);
    EXPECT_FALSE(item->Enabled());
    action.SetEnabled(true);

    // A caption set by code unlinks the caption only.
    item->SetCaption("&Start");
    action.SetCaption("&Play again");
    action.SetEnabled(false);
    action.SetVisible(false);
    EXPECT_EQ(item->Caption(), "&Start");
    EXPECT_FALSE(item->Enabled());
    EXPECT_FALSE(item->Visible());
    action.SetEnabled(true);
    action.SetVisible(true);

    // The click runs the action unless the item has a handler of its own.
    item->RunClick();
    item->OnClick = log.notify("own handler");
    item->RunClick();
    EXPECT_EQ(log.events(), (Events{"action", "own handler"}));
}

TEST_F(MenuItems, WhileLoadingOnlyDefaultValuesTakeTheAction)
{
    TAction action(nullptr);
    action.SetCaption("&Play");
    action.SetImageIndex(4);
    action.SetChecked(true);
    auto* item = new TSeCustomItem(form);
    item->BeginLoading();
    item->SetCaption("&Stored caption");
    item->SetAction(&action);
    item->EndLoading();
    EXPECT_EQ(item->Caption(), "&Stored caption");
    EXPECT_EQ(item->ImageIndex(), 4);
    EXPECT_TRUE(item->Checked());
    delete item;
}

TEST_F(MenuItems, AFreedActionOrImageListLeavesNothingBehind)
{
    auto* action = new TAction(form);
    action->SetCaption("&Play");
    auto* images = new TImageList(form);
    TSeCustomItem* item = add(menu->Items(), "");
    item->SetAction(action);
    menu->Items()->SetImages(images);
    EXPECT_EQ(item->EffectiveImages(), images);
    delete action;
    delete images;
    EXPECT_EQ(item->Action(), nullptr);
    EXPECT_EQ(item->EffectiveImages(), nullptr);
    item->RunClick(); // nothing to run, nothing dangling
    EXPECT_EQ(item->Caption(), "&Play");
}

class Shortcuts : public MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        file = add(menu->Items(), "&File");
        save = add(file, "&Save");
        save->SetShortCut(::ShortCut('S', TShiftState{ssCtrl}));
        hidden = add(file, "&Hidden");
        hidden->SetShortCut(::ShortCut('H', TShiftState{ssCtrl}));
        hidden->SetVisible(false);
    }

    TSeCustomItem* file = nullptr;
    TSeCustomItem* save = nullptr;
    TSeCustomItem* hidden = nullptr;
};

TEST_F(Shortcuts, AVisibleRowRunsAfterItsParentsUpdated)
{
    file->OnBeforeDropDown = log.notify("file updates");
    EXPECT_TRUE(MatchShortcut(menu->Items(), 'S', TShiftState{ssCtrl}));
    EXPECT_FALSE(MatchShortcut(menu->Items(), 'S', TShiftState{ssShift}));
    EXPECT_FALSE(MatchShortcut(menu->Items(), 'H', TShiftState{ssCtrl})) << "hidden rows have no shortcut";
    pump();
    EXPECT_EQ(log.events(), (Events{"file updates", "&Save"}));
}

TEST_F(Shortcuts, AParentThatRebuildsItsRowsIsFollowedAndOneThatNeverSettlesIsGivenUp)
{
    // Rebuilt once: the lookup runs again and finds the new row.
    int rebuilds = 0;
    file->OnBeforeDropDown = [&](TObject*) {
        if (rebuilds++ > 0)
            return;
        file->Clear();
        TSeCustomItem* fresh = add(file, "&Fresh save");
        fresh->SetShortCut(::ShortCut('S', TShiftState{ssCtrl}));
    };
    EXPECT_TRUE(MatchShortcut(menu->Items(), 'S', TShiftState{ssCtrl}));
    pump();
    EXPECT_EQ(log.events(), (Events{"&Fresh save"}));

    // Rebuilt on every call: a bounded number of tries, then no click.
    rebuilds = 0;
    log.clear();
    file->OnBeforeDropDown = [&](TObject*) {
        ++rebuilds;
        file->Clear();
        TSeCustomItem* again = add(file, "&Again");
        again->SetShortCut(::ShortCut('S', TShiftState{ssCtrl}));
    };
    EXPECT_FALSE(MatchShortcut(menu->Items(), 'S', TShiftState{ssCtrl}));
    EXPECT_EQ(rebuilds, brio::kShortcutRetries + 1);
    pump();
    EXPECT_TRUE(log.events().empty());
}

TEST_F(Shortcuts, AHandlerThatThrowsReachesTheErrorReport)
{
    save->OnClick = [](TObject*) { throw Exception("disk full"); };
    std::string reported;
    Application->OnException = [&](TObject*, const Exception& e) { reported = e.what(); };
    EXPECT_TRUE(MatchShortcut(menu->Items(), 'S', TShiftState{ssCtrl}));
    pump();
    EXPECT_EQ(reported, "disk full");
}

} // namespace
