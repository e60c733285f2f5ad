// The tree view: tree-order walks, insertion places, deletion with
// children and where the selection goes, hit tests, expanding and
// collapsing by mouse and keyboard, right-click selection, scrolling.

#include "tests/support/UiTestSupport.h"

#include "ui/views/TreeView.h"

namespace {

using uitest::EventLog;
using uitest::UiTest;

class TreeViewTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        tree = new TTreeView(form);
        tree->SetParent(form);
        tree->SetBounds(0, 0, 300, 200);
        tree->OnChange = [this](TObject*, TTreeNode* node) { log.add("change " + (node ? node->Text() : "none")); };
        form->Show();
        pump();
    }

    // Groups "A(2)", "B(1)", "C(0)" with their sounds.
    void addGroups()
    {
        TTreeNodes* items = tree->Items();
        a = items->Add(nullptr, "A(2)");
        items->AddChild(a, "a1");
        items->AddChild(a, "a2");
        b = items->Add(nullptr, "B(1)");
        items->AddChild(b, "b1");
        c = items->Add(nullptr, "C(0)");
    }

    std::vector<std::string> walk() const
    {
        std::vector<std::string> texts;
        for (TTreeNode* n = tree->Items()->GetFirstNode(); n; n = n->GetNext())
            texts.push_back(n->Text());
        return texts;
    }

    TPoint rowPoint(int row, int x) const { return screenPoint(tree, x, row * tree->RowHeight() + tree->RowHeight() / 2); }
    void clickAt(TPoint p, MouseButton button = MouseButton::Left)
    {
        backend().click(p.x, p.y, button);
        pump();
        advance(1000);
    }
    void press(int key)
    {
        backend().pressKey(key);
        pump();
    }

    TForm* form = nullptr;
    TTreeView* tree = nullptr;
    TTreeNode* a = nullptr;
    TTreeNode* b = nullptr;
    TTreeNode* c = nullptr;
    EventLog log;
};

TEST_F(TreeViewTest, NodesWalkInTreeOrderWhereverTheyWereAdded)
{
    addGroups();
    TTreeNodes* items = tree->Items();
    items->AddFirst(a, "first");
    items->Insert(b, "before B");
    items->AddChildFirst(b, "b0");
    items->Add(a->Item(0), "a3");
    EXPECT_EQ(walk(), (std::vector<std::string>{"first", "A(2)", "a1", "a2", "a3", "before B", "B(1)", "b0", "b1",
                                                "C(0)"}));
    EXPECT_EQ(items->Count(), 10);
    EXPECT_EQ(items->Item(4)->Text(), "a3");
    EXPECT_EQ(a->Item(2)->Level(), 1);
    EXPECT_EQ(a->Item(2)->Parent(), a);
    EXPECT_EQ(b->Index(), 3);
    EXPECT_EQ(a->Count(), 3);
    EXPECT_TRUE(a->HasChildren());
    EXPECT_FALSE(c->HasChildren());
    EXPECT_EQ(b->Item(1)->GetPrev(), b->Item(0));
    EXPECT_EQ(b->GetPrev(), items->Item(5));
    EXPECT_EQ(items->Item(5)->GetPrev(), a->Item(2));
    EXPECT_THROW(items->Item(10), EListError);
    EXPECT_THROW(a->Item(3), EListError);
}

TEST_F(TreeViewTest, DeletingAGroupTakesItsSoundsAndMovesTheSelection)
{
    addGroups();
    tree->SetSelected(a->Item(1));
    log.clear();
    a->Delete();
    EXPECT_EQ(walk(), (std::vector<std::string>{"B(1)", "b1", "C(0)"}));
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"change B(1)"}));

    // The last of its siblings hands the selection back, an only child to
    // its parent.
    tree->SetSelected(c);
    c->Delete();
    EXPECT_EQ(tree->Selected(), b);
    tree->SetSelected(b->Item(0));
    b->Item(0)->Delete();
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_FALSE(b->HasChildren());

    // Deleting what is not selected leaves the selection alone.
    tree->Items()->AddChild(b, "b2");
    log.clear();
    b->Item(0)->Delete();
    EXPECT_TRUE(log.events().empty());

    tree->Items()->Clear();
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Items()->GetFirstNode(), nullptr);
    EXPECT_EQ(tree->Items()->Count(), 0);
}

TEST_F(TreeViewTest, GetNodeAtFindsTheNodeOfEachShownRow)
{
    addGroups();
    int h = tree->RowHeight();
    EXPECT_EQ(tree->GetNodeAt(50, 0), a);
    EXPECT_EQ(tree->GetNodeAt(250, h + 1), b); // right of the caption: still the row
    EXPECT_EQ(tree->GetNodeAt(5, 2 * h + h / 2), c);
    EXPECT_EQ(tree->GetNodeAt(50, 3 * h + 1), nullptr); // below the last row
    EXPECT_EQ(tree->GetNodeAt(-1, 1), nullptr);
    EXPECT_TRUE(tree->GetHitTestInfoAt(50, 3 * h + 1).Contains(htNowhere));

    a->Expand(false);
    EXPECT_EQ(tree->GetNodeAt(50, h + 1), a->Item(0));
    EXPECT_EQ(tree->GetNodeAt(50, 3 * h + 1), b);
    TRect button = tree->ButtonRect(a);
    EXPECT_TRUE(tree->GetHitTestInfoAt(button.left + 4, button.top + 4).Contains(htOnButton));
    TRect row = tree->NodeRect(a->Item(0));
    EXPECT_TRUE(tree->GetHitTestInfoAt(2 * tree->Indent() + 4, row.top + 2).Contains(htOnLabel));
    EXPECT_TRUE(tree->GetHitTestInfoAt(2, row.top + 2).Contains(htOnIndent));
    EXPECT_TRUE(tree->GetHitTestInfoAt(290, row.top + 2).Contains(htOnRight));
}

TEST_F(TreeViewTest, ButtonsAndKeysExpandAndCollapse)
{
    addGroups();
    TRect button = tree->ButtonRect(a);
    clickAt(screenPoint(tree, button.left + 4, button.top + 4));
    EXPECT_TRUE(a->Expanded());
    EXPECT_EQ(tree->Selected(), nullptr); // the button does not select
    EXPECT_EQ(tree->RowCount(), 5);
    clickAt(screenPoint(tree, button.left + 4, button.top + 4));
    EXPECT_FALSE(a->Expanded());

    // Nodes without children have no button.
    EXPECT_TRUE(IsRectEmpty(&static_cast<const RECT&>(tree->ButtonRect(c))));

    clickAt(rowPoint(0, 200)); // right of the caption: no selection
    EXPECT_EQ(tree->Selected(), nullptr);
    clickAt(rowPoint(0, 25));
    EXPECT_EQ(tree->Selected(), a);
    press(VK_RIGHT);
    EXPECT_TRUE(a->Expanded());
    press(VK_RIGHT);
    EXPECT_EQ(tree->Selected(), a->Item(0));
    press(VK_DOWN);
    press(VK_DOWN);
    EXPECT_EQ(tree->Selected(), b);
    press(VK_UP);
    EXPECT_EQ(tree->Selected(), a->Item(1));
    press(VK_LEFT);
    EXPECT_EQ(tree->Selected(), a);
    press(VK_LEFT);
    EXPECT_FALSE(a->Expanded());
    press(VK_ADD);
    EXPECT_TRUE(a->Expanded());
    press(VK_SUBTRACT);
    EXPECT_FALSE(a->Expanded());
    backend().typeText("+");
    pump();
    EXPECT_TRUE(a->Expanded());

    // Collapsing over the selection selects the collapsed node.
    tree->SetSelected(a->Item(1));
    a->Collapse(false);
    EXPECT_EQ(tree->Selected(), a);

    // A double click on a caption opens and closes the group.
    TPoint caption = rowPoint(1, 25);
    backend().click(caption.x, caption.y);
    backend().click(caption.x, caption.y);
    pump();
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_TRUE(b->Expanded());
}

TEST_F(TreeViewTest, RightClickSelectsOnlyWhenAsked)
{
    addGroups();
    TTreeNode* seenInMouseDown = nullptr;
    tree->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int, int) {
        if (button == mbRight)
            seenInMouseDown = tree->Selected();
    };
    clickAt(rowPoint(1, 60), MouseButton::Right);
    EXPECT_EQ(tree->Selected(), nullptr);
    tree->RightClickSelect = true;
    clickAt(rowPoint(1, 60), MouseButton::Right);
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_EQ(seenInMouseDown, b);
}

TEST_F(TreeViewTest, SelectionScrollsIntoViewAndShowsHiddenNodes)
{
    TTreeNodes* items = tree->Items();
    items->BeginUpdate();
    TTreeNode* last = nullptr;
    for (int g = 0; g < 10; ++g) {
        TTreeNode* group = items->Add(nullptr, "G" + std::to_string(g));
        for (int s = 0; s < 4; ++s)
            last = items->AddChild(group, "S" + std::to_string(s));
    }
    items->EndUpdate();
    EXPECT_EQ(tree->RowCount(), 10);
    tree->SetSelected(last);
    EXPECT_TRUE(last->IsVisible());
    EXPECT_EQ(tree->RowCount(), 14);
    EXPECT_EQ(tree->TopRow(), 14 - tree->VisibleRowCount());
    EXPECT_EQ(tree->GetNodeAt(50, (tree->VisibleRowCount() - 1) * tree->RowHeight() + 1), last);

    tree->SetFocus();
    press(VK_HOME);
    EXPECT_EQ(tree->TopRow(), 0);
    tree->FullExpand();
    EXPECT_EQ(tree->RowCount(), 50);
    press(VK_END);
    EXPECT_EQ(tree->Selected(), last);
    EXPECT_EQ(tree->TopRow(), 50 - tree->VisibleRowCount());
    tree->FullCollapse();
    EXPECT_EQ(tree->TopRow(), 0);
}

} // namespace
