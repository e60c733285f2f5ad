// The tree with the library's scroll bars over its native ones: the overlay
// follows keys, wheel, moves, resizes and a recreated window; dragging it
// scrolls the tree with the native scroll codes; the skinned tree draws its
// frame and background from the skin and hands its engine to the bars.

#include "tests/skin/controls/panels/ControlsTestSupport.h"

#include "skin/controls/scroll/SeSkinScrollBar.h"
#include "skin/controls/tree/SeSkinSTreeView.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinTypes.h"
#include "tests/skin/controls/scroll/ClassicLook.h"
#include "ui/stdctrls/Panel.h"

#include <string>

namespace {

using controlstest::ControlsTest;
using controlstest::Shape;

class TreeOverlay : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        tree = add<TSeCustomTreeView>(form, 10, 10, 150, 120);
        fill(tree, 60);
        pump();
    }
    static void fill(TTreeView* view, int count)
    {
        for (int i = 0; i < count; ++i)
            view->Items()->Add(nullptr, "Item " + std::to_string(i));
    }
    TSeInplaceScrollBar* vertical() const { return tree->SubScrollBar()->Vertical(); }
    TSeCustomScrollBar* inner() const { return vertical()->ScrollBar(); }
    // The native bar's rectangle on the screen, empty when hidden.
    RECT nativeBar(TWinControl* view, LONG which = OBJID_VSCROLL) const
    {
        SCROLLBARINFO info;
        if (!GetScrollBarInfo(view->Handle(), which, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE))
            return RECT{};
        return info.rcScrollBar;
    }
    static RECT onScreen(const TControl* control)
    {
        const TPoint p = control->ClientToScreen(TPoint{0, 0});
        return RECT{p.x, p.y, p.x + control->Width(), p.y + control->Height()};
    }
    void expectOverNativeBar(TWinControl* view, TSeInplaceScrollBar* overlay)
    {
        const RECT native = nativeBar(view);
        ASSERT_FALSE(IsEmpty(native));
        EXPECT_TRUE(overlay->Visible());
        const RECT over = onScreen(overlay);
        EXPECT_EQ(over.left, native.left);
        EXPECT_EQ(over.top, native.top);
        EXPECT_EQ(over.right, native.right);
        EXPECT_EQ(over.bottom, native.bottom);
    }
    void drag(TControl* control, POINT from, POINT to)
    {
        TPoint a = control->ClientToScreen(TPoint{from.x, from.y});
        backend().mouseMove(a.x, a.y);
        backend().mouseDown();
        pump();
        for (int step = 1; step <= 8; ++step) {
            backend().mouseMove(a.x + (to.x - from.x) * step / 8, a.y + (to.y - from.y) * step / 8);
            pump();
        }
        backend().mouseUp();
        pump();
    }

    TSeCustomTreeView* tree = nullptr;
};

TEST_F(TreeOverlay, SitsExactlyOverTheNativeBarAfterMovesAndResizes)
{
    ASSERT_NE(tree->SubScrollBar(), nullptr);
    EXPECT_EQ(vertical()->Parent(), form) << "a sibling of the tree";
    expectOverNativeBar(tree, vertical());
    EXPECT_FALSE(tree->SubScrollBar()->Horizontal()->Visible()) << "the tree has no horizontal bar";

    tree->SetBounds(40, 25, 180, 150);
    pump();
    expectOverNativeBar(tree, vertical());
    tree->SetLeft(5);
    pump();
    expectOverNativeBar(tree, vertical());

    // A new parent takes the overlays along.
    auto* panel = add<TPanel>(form, 100, 20, 180, 160);
    tree->SetParent(panel);
    tree->SetBounds(8, 8, 140, 120);
    pump();
    EXPECT_EQ(vertical()->Parent(), panel);
    expectOverNativeBar(tree, vertical());
}

TEST_F(TreeOverlay, CopiesTheNativeRangePageAndPosition)
{
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &si));
    EXPECT_EQ(inner()->Min(), si.nMin);
    EXPECT_EQ(inner()->Max(), si.nMax);
    EXPECT_EQ(inner()->PageSize(), int(si.nPage));
    EXPECT_EQ(inner()->Position(), 0);
    EXPECT_EQ(inner()->Kind(), sbVertical);
}

TEST_F(TreeOverlay, KeysAndWheelOnTheTreeMoveTheOverlaysThumb)
{
    tree->SetSelected(tree->Items()->GetFirstNode());
    tree->SetFocus();
    pump();
    const int thumbAtTop = inner()->GetThumbRect().top;
    for (int i = 0; i < 20; ++i)
        backend().pressKey(VK_DOWN);
    pump();
    ASSERT_GT(tree->TopRow(), 0);
    EXPECT_EQ(inner()->Position(), tree->TopRow());
    EXPECT_GT(inner()->GetThumbRect().top, thumbAtTop);

    const TPoint middle = tree->ClientToScreen(TPoint{40, 40});
    backend().mouseMove(middle.x, middle.y);
    const int before = tree->TopRow();
    backend().wheel(-WHEEL_DELTA);
    pump();
    ASSERT_GT(tree->TopRow(), before);
    EXPECT_EQ(inner()->Position(), tree->TopRow());
    backend().wheel(WHEEL_DELTA * 10);
    pump();
    EXPECT_EQ(tree->TopRow(), 0);
    EXPECT_EQ(inner()->Position(), 0);
    EXPECT_EQ(inner()->GetThumbRect().top, thumbAtTop);
}

TEST_F(TreeOverlay, DraggingTheOverlaySendsTrackThenPositionThenEnd)
{
    std::vector<WORD> codes;
    TWndMethod old = tree->WindowProc;
    tree->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_VSCROLL)
            codes.push_back(LOWORD(m.WParam));
        old(m);
    };
    const RECT thumb = inner()->GetThumbRect();
    const POINT grip{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    drag(vertical(), grip, POINT{grip.x, grip.y + 40});
    tree->WindowProc = old;

    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes[codes.size() - 2], SB_THUMBPOSITION);
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    for (size_t i = 0; i + 2 < codes.size(); ++i)
        EXPECT_EQ(codes[i], SB_THUMBTRACK) << i;
    EXPECT_GT(tree->TopRow(), 0);
    EXPECT_EQ(inner()->Position(), tree->TopRow());
}

TEST_F(TreeOverlay, ALineStepShowsWhereTheTreeReallyIs)
{
    tree->ScrollTo(1000);
    pump();
    const int last = tree->TopRow();
    ASSERT_GT(last, 0);
    EXPECT_EQ(inner()->Position(), last);
    // The bar's own arithmetic would go one further; the tree cannot.
    const RECT down = inner()->GetSecondButtonRect();
    const TPoint p = vertical()->ClientToScreen(TPoint{(down.left + down.right) / 2, (down.top + down.bottom) / 2});
    backend().click(p.x, p.y);
    pump();
    EXPECT_EQ(tree->TopRow(), last);
    EXPECT_EQ(inner()->Position(), last);

    const RECT up = inner()->GetFirstButtonRect();
    const TPoint q = vertical()->ClientToScreen(TPoint{(up.left + up.right) / 2, (up.top + up.bottom) / 2});
    backend().click(q.x, q.y);
    pump();
    EXPECT_EQ(tree->TopRow(), last - 1);
    EXPECT_EQ(inner()->Position(), last - 1);
}

TEST_F(TreeOverlay, HidesWhenTheNativeBarOrTheTreeDoes)
{
    tree->Items()->Clear();
    fill(tree, 2);
    pump();
    EXPECT_TRUE(IsEmpty(nativeBar(tree)));
    EXPECT_FALSE(vertical()->Visible());
    fill(tree, 40);
    pump();
    expectOverNativeBar(tree, vertical());

    tree->Hide();
    pump();
    EXPECT_FALSE(vertical()->Visible());
    tree->Show();
    pump();
    expectOverNativeBar(tree, vertical());
}

TEST_F(TreeOverlay, KeepsPaintingAndFollowingAfterTheBorderRecreatesTheWindow)
{
    // Classic look: the background is the tree's colour, not the themed part.
    const ClassicLook classic;
    tree->SetColor(TColor(0x00C0FF));
    HWND before = tree->Handle();
    tree->SetBorderStyle(bsNone);
    pump();
    EXPECT_NE(tree->Handle(), before) << "the window was made again";
    expectOverNativeBar(tree, vertical());
    // A row's empty right end shows the tree's colour.
    tree->SetColor(TColor(0x30A030));
    pump();
    EXPECT_EQ(pixelAt(tree, tree->ClientWidth() - 3, 3), ColorToRGB(TColor(0x30A030)));
    tree->ScrollTo(10);
    pump();
    EXPECT_EQ(inner()->Position(), 10);
    savePng("tree-recreated.png");
}

TEST_F(TreeOverlay, ClassicFrameAndHotFlag)
{
    const ClassicLook classic;
    tree->Invalidate();
    RedrawWindow(tree->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    pump();
    HDC dc = GetWindowDC(tree->Handle());
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_3DSHADOW)) << "sunken outer edge";
    EXPECT_EQ(GetPixel(dc, 1, 1), GetSysColor(COLOR_3DDKSHADOW)) << "dark inner edge";
    ReleaseDC(tree->Handle(), dc);
    EXPECT_FALSE(tree->Hot());
    moveTo(tree);
    pump();
    EXPECT_TRUE(tree->Hot());
    const TPoint away = form->ClientToScreen(TPoint{280, 190});
    backend().mouseMove(away.x, away.y);
    pump();
    EXPECT_FALSE(tree->Hot());
}

class SkinTree : public TreeOverlay {};

TEST_F(SkinTree, FrameBackgroundAndBarsComeFromTheSkinAndFollowItsEngine)
{
    const TColor listColour = TColor(0x402010), frameColour = TColor(0x1010C0), barFrame = TColor(0x606000);
    const std::vector<Shape> objects{
        Shape{"ListBox", 100, 100, listColour, {}, {Shape{"Frame", 100, 100, frameColour}}},
        Shape{"ScrollBar", 20, 100, clNone, {}, {Shape{"VertFrame", 15, 100, barFrame}}},
    };
    TSeSkinEngine* first = engineWith(objects);
    TSeSkinEngine* second = engineWith(objects);
    auto* skinned = add<TSeSkinSTreeView>(form, 170, 10, 120, 120);
    fill(skinned, 50);
    EXPECT_EQ(skinned->SkinObject(), "ListBox");
    skinned->SetSkinEngine(first);
    pump();
    ASSERT_TRUE(skinned->Skinned());
    EXPECT_EQ(skinned->Color(), listColour);
    auto* bar = dynamic_cast<TSeSkinScrollBar*>(skinned->SubScrollBar()->Vertical()->ScrollBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->SkinEngine(), first);
    EXPECT_TRUE(bar->Skinned());
    EXPECT_EQ(pixelAt(bar, 4, 40), ColorToRGB(barFrame));
    HDC dc = GetWindowDC(skinned->Handle());
    EXPECT_EQ(GetPixel(dc, 0, 0), ColorToRGB(frameColour));
    ReleaseDC(skinned->Handle(), dc);
    expectOverNativeBar(skinned, skinned->SubScrollBar()->Vertical());
    savePng("tree-skinned.png");

    skinned->SetSkinEngine(second);
    EXPECT_EQ(bar->SkinEngine(), second) << "the bars are bound again with the tree";
    // The engine replacing its skin drops and re-takes the copies.
    skinned->Perform(SEM_SKINCHANGING, reinterpret_cast<WPARAM>(second), reinterpret_cast<LPARAM>(second));
    EXPECT_FALSE(skinned->Skinned());
    skinned->Perform(SEM_SKINCHANGED, reinterpret_cast<WPARAM>(second), reinterpret_cast<LPARAM>(second));
    EXPECT_TRUE(skinned->Skinned());
    delete second;
    EXPECT_FALSE(skinned->Skinned());
    EXPECT_EQ(bar->SkinEngine(), nullptr);
    pump();
}

TEST_F(SkinTree, IsADropInForTheFrameworkTree)
{
    TTreeView* plain = new TSeSkinSTreeView(form);
    plain->SetBounds(170, 10, 100, 100);
    plain->SetParent(form);
    fill(plain, 30);
    plain->SetSelected(plain->Items()->Item(12));
    pump();
    EXPECT_EQ(plain->Selected()->Text(), "Item 12");
    delete plain;
    pump();
}

} // namespace
