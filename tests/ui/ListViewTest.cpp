// The report list view: the order of selection events, check boxes that
// click, keyboard navigation, scrolling through many rows, the context menu.

#include "tests/support/UiTestSupport.h"

#include "ui/views/ListView.h"
#include "ui/menus/Menu.h"

namespace {

using uitest::EventLog;
using uitest::UiTest;

class RecordingPopupMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int x, int y) override { shownAt.push_back(TPoint{x, y}); }
    std::vector<TPoint> shownAt;
};

class ListViewTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(0, 0, 300, 200);
        list->SetCheckboxes(true);
        list->SetRowSelect(true);
        list->Columns()->Add()->SetCaption("Key");
        list->Columns()->Add()->SetCaption("Volume");
        list->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
            log.add(item->Caption() + (selected ? " on" : " off") +
                    (list->Selected() ? " (now " + list->Selected()->Caption() + ")" : " (none)"));
        };
        list->OnClick = log.notify("click");
        list->OnItemChecked = [this](TObject*, TListItem* item) {
            log.add(item->Caption() + (item->Checked() ? " ticked" : " unticked"));
        };
        list->OnDblClick = log.notify("dblclick");
        form->Show();
        pump();
    }

    void addRows(int count)
    {
        list->Items()->BeginUpdate();
        for (int i = 0; i < count; ++i) {
            TListItem* item = list->Items()->Add();
            item->SetCaption("Key " + std::to_string(i));
            item->SubItems()->Add("100");
        }
        list->Items()->EndUpdate();
    }

    // A point on the caption of a row, right of the check box.
    TPoint rowPoint(int row) const
    {
        int y = list->HeaderHeight() + (row - list->TopIndex()) * list->RowHeight() + list->RowHeight() / 2;
        return screenPoint(list, 60, y);
    }
    void clickRow(int row)
    {
        TPoint p = rowPoint(row);
        backend().click(p.x, p.y);
        pump();
        advance(1000); // the next click is no double click
    }
    void press(int key)
    {
        backend().pressKey(key);
        pump();
    }

    TForm* form = nullptr;
    TListView* list = nullptr;
    EventLog log;
};

TEST_F(ListViewTest, SelectionMovesWithTheOldRowFirst)
{
    addRows(3);
    clickRow(0);
    clickRow(2);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"Key 0 on (now Key 0)", "click", "Key 0 off (none)",
                                                      "Key 2 on (now Key 2)", "click"}));
    EXPECT_EQ(list->ItemIndex(), 2);

    // Clicking the selected row again changes nothing but still clicks.
    log.clear();
    clickRow(2);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"click"}));

    // Empty space below the rows drops the selection.
    log.clear();
    TPoint below = screenPoint(list, 60, 190);
    backend().click(below.x, below.y);
    pump();
    EXPECT_EQ(log.events(), (std::vector<std::string>{"Key 2 off (none)", "click"}));
    EXPECT_EQ(list->Selected(), nullptr);
}

TEST_F(ListViewTest, SelectingInCodeReportsBothRows)
{
    addRows(3);
    list->SetItemIndex(1);
    list->Items()->Item(2)->SetSelected(true);
    list->Items()->Item(2)->SetSelected(false);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"Key 1 on (now Key 1)", "Key 1 off (none)",
                                                      "Key 2 on (now Key 2)", "Key 2 off (none)"}));
}

TEST_F(ListViewTest, CheckboxClickTogglesAndClicksWithoutSelecting)
{
    addRows(3);
    TListItem* row = list->Items()->Item(1);
    TRect box = list->CheckboxRect(row);
    TPoint p = screenPoint(list, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    backend().click(p.x, p.y);
    pump();
    EXPECT_TRUE(row->Checked());
    EXPECT_EQ(log.events(), (std::vector<std::string>{"Key 1 ticked", "click"}));
    advance(1000); // no double click
    backend().click(p.x, p.y);
    pump();
    EXPECT_FALSE(row->Checked());
    EXPECT_EQ(list->Selected(), nullptr);
}

TEST_F(ListViewTest, DoubleClickSeesTheRowSelected)
{
    addRows(3);
    TListItem* seen = nullptr;
    list->OnDblClick = [&](TObject*) { seen = list->Selected(); };
    TPoint p = rowPoint(1);
    backend().click(p.x, p.y);
    backend().click(p.x, p.y);
    pump();
    EXPECT_EQ(seen, list->Items()->Item(1));
}

TEST_F(ListViewTest, KeyboardMovesTheSelectionAndSpaceTicks)
{
    addRows(30);
    list->SetFocus();
    pump();
    press(VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 0);
    press(VK_DOWN);
    press(VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 2);
    press(VK_UP);
    EXPECT_EQ(list->ItemIndex(), 1);
    press(VK_END);
    EXPECT_EQ(list->ItemIndex(), 29);
    press(VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 29);
    press(VK_HOME);
    EXPECT_EQ(list->ItemIndex(), 0);
    press(VK_NEXT);
    EXPECT_EQ(list->ItemIndex(), list->VisibleRowCount() - 1);
    press(VK_PRIOR);
    EXPECT_EQ(list->ItemIndex(), 0);
    log.clear();
    press(VK_SPACE);
    EXPECT_TRUE(list->Items()->Item(0)->Checked());
    press(VK_SPACE);
    EXPECT_FALSE(list->Items()->Item(0)->Checked());
    // Space fires no click, so its ticks are told through their own event.
    EXPECT_EQ(log.events(), (std::vector<std::string>{"Key 0 ticked", "Key 0 unticked"}));
    // Arrows stay in the list instead of moving the focus on.
    EXPECT_TRUE(list->Focused());
}

TEST_F(ListViewTest, ManyRowsScrollToKeepTheSelectionInView)
{
    addRows(50);
    int visible = list->VisibleRowCount();
    ASSERT_GT(visible, 3);
    ASSERT_LT(visible, 50);
    list->SetFocus();
    press(VK_END);
    EXPECT_EQ(list->TopIndex(), 50 - visible);
    EXPECT_EQ(list->GetItemAt(60, list->HeaderHeight() + (visible - 1) * list->RowHeight() + 2),
              list->Items()->Item(49));

    // A click on a scrolled row hits that row.
    clickRow(45);
    EXPECT_EQ(list->ItemIndex(), 45);

    press(VK_HOME);
    EXPECT_EQ(list->TopIndex(), 0);
    backend().wheel(-WHEEL_DELTA);
    pump();
    EXPECT_EQ(list->TopIndex(), 3);
    list->Perform(WM_VSCROLL, MAKEWPARAM(1, 0), 0); // a line down
    EXPECT_EQ(list->TopIndex(), 4);
    list->Perform(WM_VSCROLL, MAKEWPARAM(7, 0), 0); // the bottom
    EXPECT_EQ(list->TopIndex(), 50 - visible);
    list->ScrollBy(1000);
    EXPECT_EQ(list->TopIndex(), 50 - visible);

    // Removing rows pulls the top back so that no empty page shows.
    list->Items()->BeginUpdate();
    while (list->Items()->Count() > 5)
        list->Items()->Delete(list->Items()->Count() - 1);
    list->Items()->EndUpdate();
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(list->ItemIndex(), 0);
    list->Items()->Delete(0);
    EXPECT_EQ(list->Selected(), nullptr);
}

TEST_F(ListViewTest, WideColumnsScrollSidewaysAndPixelScrollsRoundToRows)
{
    addRows(50);
    list->Columns()->Add()->SetWidth(400);
    int overflow = 500 - list->ClientWidth();
    ASSERT_GT(overflow, 0);
    list->Perform(WM_HSCROLL, MAKEWPARAM(7, 0), 0); // the far end
    EXPECT_EQ(list->ScrollLeft(), overflow);
    EXPECT_EQ(list->CheckboxRect(list->Items()->Item(0)).left, 3 - overflow);
    list->SetFocus();
    press(VK_LEFT);
    EXPECT_EQ(list->ScrollLeft(), overflow - 16);
    list->Columns()->Items(2)->SetWidth(10);
    EXPECT_EQ(list->ScrollLeft(), 0);

    list->Perform(LVM_SCROLL, 0, 2 * list->RowHeight() + 1);
    EXPECT_EQ(list->TopIndex(), 3);
    list->Perform(LVM_SCROLL, 0, -1);
    EXPECT_EQ(list->TopIndex(), 2);
}

TEST_F(ListViewTest, RightClickSelectsAndOpensTheMenuAtThePointer)
{
    addRows(3);
    auto* menu = new RecordingPopupMenu(form);
    list->SetPopupMenu(menu);
    TPoint p = rowPoint(1);
    backend().click(p.x, p.y, MouseButton::Right);
    pump();
    EXPECT_EQ(list->ItemIndex(), 1);
    ASSERT_EQ(menu->shownAt.size(), 1u);
    EXPECT_EQ(menu->shownAt[0].x, p.x);
    EXPECT_EQ(menu->shownAt[0].y, p.y);
}

} // namespace
