// The list view and the tree view on their native scroll bars: the bars
// show the rows (and the list's column width), hide when everything fits,
// follow every scroll, and a thumb dragged with the mouse scrolls the rows.

#include "tests/support/UiTestSupport.h"

#include "ui/views/ListView.h"
#include "ui/views/TreeView.h"

namespace {

using uitest::UiTest;

bool hasStyle(TWinControl* control, DWORD bit)
{
    return (GetWindowLong(control->Handle(), GWL_STYLE) & bit) != 0;
}

SCROLLINFO barOf(TWinControl* control, int bar)
{
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    EXPECT_TRUE(GetScrollInfo(control->Handle(), bar, &si));
    return si;
}

class ListScrollBars : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(0, 0, 300, 200);
        list->Columns()->Add()->SetCaption("Key");
        list->Columns()->Items(0)->SetWidth(120);
        form->Show();
        pump();
    }

    void addRows(int count)
    {
        list->Items()->BeginUpdate();
        for (int i = 0; i < count; ++i)
            list->Items()->Add()->SetCaption("Key " + std::to_string(i));
        list->Items()->EndUpdate();
    }

    // Drags the vertical thumb by `dy` pixels with the mouse.
    void dragThumb(int dy)
    {
        SCROLLBARINFO sbi;
        ASSERT_TRUE(GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &sbi));
        int x = (sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2;
        int y = sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2;
        backend().mouseMove(x, y);
        backend().mouseDown();
        backend().mouseMove(x, y + dy);
        backend().mouseUp();
        pump();
    }

    TForm* form = nullptr;
    TListView* list = nullptr;
};

TEST_F(ListScrollBars, SixtyRowsShowTheBarAndADraggedThumbScrollsThem)
{
    EXPECT_FALSE(hasStyle(list, WS_VSCROLL)) << "an empty list needs no bar";
    int widthWithoutBar = list->ClientWidth();
    addRows(60);
    ASSERT_TRUE(hasStyle(list, WS_VSCROLL));
    EXPECT_EQ(list->ClientWidth(), widthWithoutBar - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_FALSE(hasStyle(list, WS_HSCROLL)) << "one narrow column fits";
    int visible = list->VisibleRowCount();
    SCROLLINFO si = barOf(list, SB_VERT);
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 59);
    EXPECT_EQ(si.nPage, UINT(visible));
    EXPECT_EQ(si.nPos, 0);

    dragThumb(40);
    EXPECT_GT(list->TopIndex(), 0);
    EXPECT_EQ(list->TopIndex(), GetScrollPos(list->Handle(), SB_VERT));
    dragThumb(1000);
    EXPECT_EQ(list->TopIndex(), 60 - visible) << "the thumb at the end shows the last page";
    EXPECT_EQ(GetScrollPos(list->Handle(), SB_VERT), 60 - visible);

    // Scrolling by other means moves the bar too.
    list->ScrollTo(7);
    EXPECT_EQ(GetScrollPos(list->Handle(), SB_VERT), 7);
    list->Perform(LVM_SCROLL, 0, 2 * list->RowHeight());
    EXPECT_EQ(GetScrollPos(list->Handle(), SB_VERT), 9);

    // When the page holds every row the bar goes and the rows take its room.
    list->Items()->BeginUpdate();
    while (list->Items()->Count() > visible)
        list->Items()->Delete(list->Items()->Count() - 1);
    list->Items()->EndUpdate();
    EXPECT_FALSE(hasStyle(list, WS_VSCROLL));
    EXPECT_EQ(list->ClientWidth(), widthWithoutBar);
    EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListScrollBars, WideColumnsShowTheHorizontalBarAndBothBarsSettleTogether)
{
    addRows(5);
    EXPECT_FALSE(hasStyle(list, WS_VSCROLL));
    list->Columns()->Add()->SetWidth(400);
    ASSERT_TRUE(hasStyle(list, WS_HSCROLL));
    SCROLLINFO si = barOf(list, SB_HORZ);
    EXPECT_EQ(si.nMax, 519);
    EXPECT_EQ(si.nPage, UINT(list->ClientWidth()));
    list->Perform(WM_HSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    EXPECT_EQ(GetScrollPos(list->Handle(), SB_HORZ), 520 - list->ClientWidth());

    // Rows that only just fit stop fitting once the horizontal bar takes
    // its height: the vertical bar follows, and the pages agree with the
    // client area they leave.
    addRows(list->VisibleRowCount() - 5 + 1);
    EXPECT_TRUE(hasStyle(list, WS_VSCROLL));
    EXPECT_EQ(barOf(list, SB_VERT).nPage, UINT(list->VisibleRowCount()));
    EXPECT_EQ(barOf(list, SB_HORZ).nPage, UINT(list->ClientWidth()));

    list->Columns()->Items(1)->SetWidth(20);
    EXPECT_FALSE(hasStyle(list, WS_HSCROLL));
    EXPECT_EQ(list->ScrollLeft(), 0);
}

class TreeScrollBar : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        tree = new TTreeView(form);
        tree->SetParent(form);
        tree->SetBounds(0, 0, 200, 150);
        form->Show();
        pump();
    }
    TForm* form = nullptr;
    TTreeView* tree = nullptr;
};

TEST_F(TreeScrollBar, TheBarCountsShownRowsAndScrollsTheTree)
{
    TTreeNode* group = tree->Items()->Add(nullptr, "Group");
    for (int i = 0; i < 30; ++i)
        tree->Items()->AddChild(group, "Sound " + std::to_string(i));
    EXPECT_FALSE(hasStyle(tree, WS_VSCROLL)) << "a collapsed group is one row";
    group->Expand(false);
    ASSERT_TRUE(hasStyle(tree, WS_VSCROLL));
    SCROLLINFO si = barOf(tree, SB_VERT);
    EXPECT_EQ(si.nMax, 30);
    EXPECT_EQ(si.nPage, UINT(tree->VisibleRowCount()));

    tree->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 12), 0);
    EXPECT_EQ(tree->TopRow(), 12);
    EXPECT_EQ(GetScrollPos(tree->Handle(), SB_VERT), 12);
    tree->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(GetScrollPos(tree->Handle(), SB_VERT), 13);
    EXPECT_FALSE(hasStyle(tree, WS_HSCROLL)) << "the tree scrolls only by rows";

    group->Collapse(false);
    EXPECT_FALSE(hasStyle(tree, WS_VSCROLL));
    EXPECT_EQ(tree->TopRow(), 0);
}

} // namespace
