// Sizing by the borders, the outline drag, closing, hover tracking of the
// skin's caption buttons, skin changes under a live form, and the plain
// frame's two looks.

#include "tests/skin/controls/forms/FormTestSupport.h"

#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeSystemButtons.h"

#include "platform/RectMath.h"
#include "platform/UxTheme.h"
#include "platform/window/WindowTable.h"
#include "ui/forms/Application.h"

namespace {

using formtest::FormTest;
using formtest::Options;

class FrameDragAndSkin : public FormTest {
protected:
    int visibleTopLevels()
    {
        int count = 0;
        for (HWND top : TopLevelWindows())
            count += IsWindowVisible(top) ? 1 : 0;
        return count;
    }
};

TEST_F(FrameDragAndSkin, BordersSizeTheFormAndALeftEdgeNeverPassesTheMinimumWidth)
{
    build();
    RECT start = windowRect();
    EXPECT_EQ(hitTest(POINT{Width(start) - 2, 120}), HTRIGHT);
    EXPECT_EQ(hitTest(POINT{120, Height(start) - 2}), HTBOTTOM);
    dragFrom(POINT{Width(start) - 2, 120}, POINT{start.right - 2 + 40, start.top + 120});
    dragFrom(POINT{120, Height(start) - 2}, POINT{start.left + 120, start.bottom - 2 + 30});
    RECT grown = windowRect();
    EXPECT_EQ(Width(grown), Width(start) + 40);
    EXPECT_EQ(Height(grown), Height(start) + 30);
    EXPECT_EQ(clientSize().cx, 340);
    EXPECT_EQ(clientSize().cy, 230);

    // Far past the right edge: the left edge stops 150 short of it.
    dragFrom(POINT{1, 120}, POINT{grown.right + 200, grown.top + 120});
    EXPECT_EQ(windowRect().right, grown.right);
    EXPECT_EQ(Width(windowRect()), 150);
}

TEST_F(FrameDragAndSkin, AnOutlineDragMovesOnceOnRelease)
{
    build(Options{.configure = [](TSeSkinForm* f) { f->Dragging()->SetDragMode(kfdmBorder); }});
    RECT start = windowRect();
    int before = visibleTopLevels();
    POINT p = screenOf(POINT{60, 12});
    backend().mouseMove(p.x, p.y);
    pump();
    backend().mouseDown();
    pump();
    backend().mouseMove(p.x + 100, p.y + 70);
    pump();
    EXPECT_EQ(windowRect(), start) << "the window waits for the release";
    EXPECT_EQ(visibleTopLevels(), before + 1) << "the outline shows above everything";
    backend().mouseUp();
    pump();
    EXPECT_EQ(windowRect(), Offset(start, 100, 70));
    EXPECT_EQ(visibleTopLevels(), before);
}

TEST_F(FrameDragAndSkin, WithoutMoveableTheCaptionIsClient)
{
    build(Options{.configure = [](TSeSkinForm* f) { f->Dragging()->SetMoveable(false); }});
    EXPECT_EQ(hitTest(POINT{60, 12}), HTCLIENT);
}

TEST_F(FrameDragAndSkin, CloseAsksFirstAndAModalHostOnlyGetsCancel)
{
    build();
    skin->OnClose = [](TObject*, bool& allow) { allow = false; };
    skin->Close();
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    skin->OnClose = nullptr;
    skin->Close();
    EXPECT_FALSE(IsWindowVisible(hwnd())) << "a form that is not the main one hides";

    TForm* dialog = makeForm("Dialog");
    dialog->BeginLoading();
    auto* dialogSkin = new TSeSkinForm(dialog);
    dialogSkin->SetSkinEngine(engine);
    dialog->EndLoading();
    script({[&] { dialogSkin->Close(); }});
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(FrameDragAndSkin, HoverFollowsThePointerOverTheSkinsButtons)
{
    build();
    skin->GetClientBounds();
    auto* close = dynamic_cast<TSeSystemButton*>(FindObject(skin->SkinCopy(), "CloseButton"));
    ASSERT_NE(close, nullptr);
    RECT r = close->BoundsRect();
    POINT over = screenOf(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    backend().mouseMove(over.x, over.y);
    skin->TrackHover();
    EXPECT_EQ(close->Look(), TSeButtonLook::Hot);
    backend().mouseMove(over.x, over.y + 100);
    skin->TrackHover();
    EXPECT_EQ(close->Look(), TSeButtonLook::Normal);
}

TEST_F(FrameDragAndSkin, ASkinReplacedUnderALiveFormKeepsTheClientAndFallsBackToThePlainFrame)
{
    build();
    ASSERT_NE(skin->SkinCopy(), nullptr);
    auto changeSkin = [&](bool withForm) {
        engine->BeforeChange();
        engine->Source()->Clear();
        engine->Source()->Bitmaps().Add(skintest::MakePartsBitmap());
        engine->Source()->AddObject(skintest::MakeButtonObject(&engine->Source()->Bitmaps()));
        if (withForm)
            engine->Source()->AddObject(skintest::MakeFormObject(&engine->Source()->Bitmaps()));
        engine->AfterChange();
        pump();
        EXPECT_EQ(skin->SkinCopy() != nullptr, withForm);
        EXPECT_EQ(clientSize().cx, 300);
        EXPECT_EQ(clientSize().cy, 200);
    };
    changeSkin(false);
    changeSkin(true);
}

TEST_F(FrameDragAndSkin, ThePlainFrameIsThemedOrClassic)
{
    build(Options{.skinned = false, .configure = {}});
    RECT window = windowRect();
    POINT caption{window.left + 80, window.top + 8};
    POINT border{window.left + 1, window.top + 100};
    Pixel themed = screenPixel(border);
    writeScreen("plain_frame_themed.png");
    EnableTheming(FALSE);
    SendMessage(hwnd(), WM_THEMECHANGED, 0, 0);
    skin->UpdateFrame();
    pump();
    Pixel classic = screenPixel(caption);
    writeScreen("plain_frame_classic.png");
    EXPECT_NE(screenPixel(border), themed) << "the classic frame has its raised edge";
    EnableTheming(TRUE);
    EXPECT_EQ(classic & 0xFFFFFF, PixelFromColorRef(GetSysColor(COLOR_ACTIVECAPTION)) & 0xFFFFFF);
    EXPECT_EQ(clientSize().cx, 300);
}

} // namespace
