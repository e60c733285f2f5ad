// The frame as the user meets it: the main window's settings, titles that
// never flash a platform caption, the system menu and the tray icon, and
// the frame's private messages.

#include "tests/skin/controls/forms/FormTestSupport.h"

#include "skin/controls/forms/SeCustomForm.h"
#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SeCustomPopupMenu.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"

#include "platform/RectMath.h"
#include "platform/desktop/TrayHost.h"
#include "ui/forms/Application.h"
#include "ui/menus/Menu.h"

namespace {

using formtest::FormTest;
using formtest::Options;

void mainWindowSettings(TSeSkinForm* f)
{
    f->SetBorderIcons({kbiClose, kbiMinimize, kbiTray});
    f->Dragging()->SetSizeable(false);
}

TSeCustomItem* rows(TPopupMenu* menu)
{
    return static_cast<TSeCustomPopupMenu*>(menu)->Items();
}

std::vector<std::string> captions(TPopupMenu* menu)
{
    std::vector<std::string> out;
    for (int i = 0; i < rows(menu)->Count(); ++i)
        out.push_back(rows(menu)->Items(i)->Caption());
    return out;
}

class FrameBehaviour : public FormTest {};

TEST_F(FrameBehaviour, MainWindowBordersAreClientAndItsCaptionMovesWithSnapping)
{
    build(Options{.mainForm = true, .configure = mainWindowSettings});
    EXPECT_EQ(hitTest(POINT{2, 100}), HTCLIENT) << "left border";
    EXPECT_EQ(hitTest(POINT{300, 232}), HTCLIENT) << "bottom border";
    EXPECT_EQ(hitTest(POINT{60, 12}), HTCAPTION);

    dragFrom(POINT{60, 12}, screenOf(POINT{60 + 40, 12 + 30}));
    EXPECT_EQ(windowRect().left, 140);
    EXPECT_EQ(windowRect().top, 130);
    // 10 pixels from the work area's left edge: it snaps onto it.
    dragFrom(POINT{60, 12}, POINT{10 + 60, 300});
    EXPECT_EQ(windowRect().left, 0);

    skin->Maximize();
    pump();
    RECT maximized = windowRect();
    dragFrom(POINT{60, 12}, POINT{400, 400});
    EXPECT_EQ(windowRect(), maximized) << "a maximized form does not move";
}

TEST_F(FrameBehaviour, APressOnCloseReleasedElsewhereClosesNothing)
{
    build(Options{.mainForm = true, .configure = mainWindowSettings});
    int closes = 0;
    skin->OnClose = [&](TObject*, bool&) { ++closes; };
    skin->GetClientBounds();
    RECT close = FindObject(skin->SkinCopy(), "CloseButton")->BoundsRect();
    dragFrom(POINT{(close.left + close.right) / 2, 14}, screenOf(POINT{100, 150}));
    EXPECT_EQ(closes, 0);
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    clickAt(POINT{(close.left + close.right) / 2, 14});
    EXPECT_EQ(closes, 1);
}

// The platform paints its own caption while storing a new title; the
// skinned form must not let it show, not even before the next paint.
TEST_F(FrameBehaviour, ANewTitleNeverShowsAPlatformCaption)
{
    for (bool skinned : {true, false}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain frame");
        build(Options{.skinned = skinned, .configure = {}});
        PixelBufferPtr before = backend().composeScreen();
        RECT window = windowRect();
        SetWindowText(hwnd(), "A much longer title than before");
        PixelBufferPtr after = backend().composeScreen();
        int changed = 0;
        for (int y = window.top; y < window.top + 30; ++y)
            for (int x = window.left; x < window.right; ++x)
                changed += before->at(x, y) != after->at(x, y);
        EXPECT_EQ(changed, 0) << "caption pixels changed before any paint";
        if (changed)
            writeScreen("platform_caption_flash.png");
        pump();
        EXPECT_EQ(skin->Caption(), "A much longer title than before");
        EXPECT_EQ(GetWindowLongPtr(hwnd(), GWL_STYLE) & WS_CAPTION, LONG_PTR(WS_CAPTION)) << "bits put back";
        delete host;
    }
}

TEST_F(FrameBehaviour, TheBuiltInMenuFollowsTheIconsAndTheState)
{
    build(Options{.configure = mainWindowSettings});
    EXPECT_EQ(captions(skin->BuildSystemMenu()),
              (std::vector<std::string>{"Mi&nimize", "Minimize to &Tray", "-", "&Close"}));
    skin->SetBorderIcons({kbiClose});
    EXPECT_EQ(captions(skin->BuildSystemMenu()), (std::vector<std::string>{"&Close"}));
    skin->SetBorderIcons({kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray});
    skin->Maximize();
    EXPECT_EQ(captions(skin->BuildSystemMenu()),
              (std::vector<std::string>{"&Restore", "Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}));
    rows(skin->BuildSystemMenu())->Items(0)->RunClick();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
}

TEST_F(FrameBehaviour, ARightClickOnTheTrayIconOpensTheMenuAtThePointer)
{
    build(Options{.mainForm = true, .configure = mainWindowSettings});
    skin->MinimizeToTray();
    pump();
    ASSERT_TRUE(skin->TrayIconShown());
    script({[this] { backend().desktopClicked(); }});
    ASSERT_TRUE(backend().tray().click(skin->TrayWindow(), skin->TrayIconData().uID, WM_RBUTTONUP, POINT{1100, 790}));
    pump();
    ASSERT_NE(skin->BuiltInMenu(), nullptr);
    EXPECT_EQ(skin->BuiltInMenu()->PopupPoint().x, 1100);
    EXPECT_EQ(skin->BuiltInMenu()->PopupPoint().y, 790);
    EXPECT_EQ(captions(skin->BuiltInMenu()), (std::vector<std::string>{"&Restore", "-", "&Close"}));
}

// Records what the notification area is asked, in order.
class RecordingTray : public brio::TrayHost {
public:
    bool add(const brio::TrayIcon&) override
    {
        calls.push_back("add");
        return true;
    }
    void modify(const brio::TrayIcon&) override { calls.push_back("modify"); }
    void remove(HWND, UINT) override { calls.push_back("remove"); }
    std::vector<std::string> calls;
};

TEST_F(FrameBehaviour, TheIconIsModifiedAtLoadBeforeAnyAddAndDeletedWhenTheFormGoes)
{
    RecordingTray tray;
    backend().useTrayHost(&tray);
    build(Options{.mainForm = true, .configure = {}});
    skin->MinimizeToTray();
    delete host;
    host = nullptr;
    backend().useTrayHost(nullptr);
    std::vector<std::string> expected{"add", "remove"};
    // NIM_MODIFY of an icon never added fails quietly, before the tray host.
    EXPECT_EQ(tray.calls, expected);
}

TEST_F(FrameBehaviour, PaintFormDrawsTheFrameAtSignedOffsets)
{
    build();
    skintest::Target plain(400, 300), shifted(400, 300);
    SendMessage(hwnd(), SEM_PAINTFORM, 0, reinterpret_cast<LPARAM>(plain.bitmap.DC()));
    WPARAM offsets = MAKEWPARAM(WORD(-10), WORD(-5));
    EXPECT_EQ(SendMessage(hwnd(), SEM_PAINTFORM, offsets, reinterpret_cast<LPARAM>(shifted.bitmap.DC())), 1);
    for (POINT p : {POINT{20, 10}, POINT{150, 14}, POINT{200, 100}, POINT{300, 230}})
        EXPECT_EQ(shifted.bitmap.Pixels(p.x - 10, p.y - 5), plain.bitmap.Pixels(p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(FrameBehaviour, ASkinWithoutAnyFormObjectGivesThePlainFrame)
{
    TSeSkinEngine* buttonsOnly = new TSeSkinEngine(Application);
    buttonsOnly->Source()->Bitmaps().Add(skintest::MakePartsBitmap());
    buttonsOnly->Source()->AddObject(skintest::MakeButtonObject(&buttonsOnly->Source()->Bitmaps()));
    build(Options{.skinned = false, .configure = [&](TSeSkinForm* f) { f->SetSkinEngine(buttonsOnly); }});
    EXPECT_EQ(skin->SkinCopy(), nullptr);
    EXPECT_EQ(clientSize().cx, 300);
    EXPECT_EQ(skin->GetClientBounds().top, GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CYCAPTION));
    writeScreen("plain_frame.png");
}

class CountingForm : public TSeSkinForm {
public:
    using TSeSkinForm::TSeSkinForm;
    int animations = 0;

protected:
    void RunShowAnimation() override { ++animations; }
};

TEST_F(FrameBehaviour, TheShowAnimationStartsOnABareShow)
{
    host = makeForm();
    host->BeginLoading();
    auto* counting = new CountingForm(host);
    counting->SetSkinEngine(engine);
    counting->Animation()->SetEnabled(true);
    host->EndLoading();
    host->Show(); // SWP_SHOWWINDOW with SWP_NOMOVE | SWP_NOSIZE
    pump();
    EXPECT_EQ(counting->animations, 1);
    host->Hide();
    host->Show();
    pump();
    EXPECT_EQ(counting->animations, 2);
}

} // namespace

namespace {

class FrameOptions : public FormTest {};

TEST_F(FrameOptions, ConstraintsEnlargeTheHostAndLimitSizing)
{
    build();
    TSizeConstraints limits;
    limits.MinWidth = 400;
    limits.MinHeight = 300;
    limits.MaxWidth = 500;
    skin->SetConstraints(&limits);
    pump();
    EXPECT_EQ(Width(windowRect()), 400);
    EXPECT_EQ(Height(windowRect()), 300);
    host->SetBounds(100, 100, 900, 320);
    EXPECT_EQ(Width(windowRect()), 500);
}

TEST_F(FrameOptions, StayOnTopMakesTheWindowTopmostAndBack)
{
    build();
    skin->SetStayOnTop(true);
    EXPECT_TRUE(GetWindowLongPtr(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    skin->SetStayOnTop(false);
    EXPECT_FALSE(GetWindowLongPtr(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(FrameOptions, TheShadowBandBelongsToTheWindowExceptWhenMaximized)
{
    build();
    skin->Shadow()->SetSize(6);
    skin->Shadow()->SetEnabled(true);
    pump();
    EXPECT_EQ(skin->ShadowExtent(), 6);
    EXPECT_EQ(skin->WindowSize().cx, skin->FrameSize().cx + 6);
    EXPECT_EQ(skin->WindowSize().cy, skin->FrameSize().cy + 6);
    // The band joins the region once a picture of the desktop is taken,
    // which a move does.
    host->SetBounds(host->Left() + 10, host->Top(), host->Width(), host->Height());
    pump();
    RECT region{};
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd(), rgn), ERROR);
    GetRgnBox(rgn, &region);
    EXPECT_EQ(region.right, skin->WindowSize().cx) << "the region reaches into the band";
    skin->Maximize();
    pump();
    EXPECT_EQ(skin->ShadowExtent(), 0);
    EXPECT_EQ(skin->WindowSize().cx, skin->FrameSize().cx);
    GetWindowRgn(hwnd(), rgn);
    GetRgnBox(rgn, &region);
    EXPECT_EQ(region.right, skin->FrameSize().cx);
    DeleteObject(rgn);
}

} // namespace

namespace {

class FrameBuffers : public FormTest {};

// Every buffering mode gives the same picture as painting straight into the
// window: the strips copied back must cover the frame exactly.
TEST_F(FrameBuffers, EveryModePaintsTheSameFrame)
{
    build();
    RECT window = windowRect();
    auto framePixels = [&] {
        PixelBufferPtr screen = backend().composeScreen();
        std::vector<Pixel> pixels;
        for (int y = window.top; y < window.bottom; ++y)
            for (int x = window.left; x < window.right; ++x)
                pixels.push_back(screen->at(x, y));
        return pixels;
    };
    skin->PaintNonClient();
    const std::vector<Pixel> direct = framePixels();
    for (TSeFormPerformance mode : {ksfpSharedBuffer, ksfpPersistentBuffer, ksfpDoubleBuffer}) {
        skin->SetPerformance(mode);
        // Garbage in the frame first, so a strip left out shows.
        HDC dc = GetWindowDC(hwnd());
        RECT all{0, 0, Width(window), Height(window)};
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &all, red);
        DeleteObject(red);
        ReleaseDC(hwnd(), dc);
        skin->UpdateRegion();
        skin->PaintNonClient();
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(framePixels(), direct) << "mode " << int(mode);
    }
}

} // namespace
