// The window effects through a skinned form on a known desktop: the shadow
// band on screen and in the window region (and none while maximized, none
// where the desktop cannot be read), the client size kept as the shadow
// comes and goes, translucency of frame and client, and a show animation
// that ends on the picture the window then shows itself.

#include "DesktopPicture.h"
#include "EffectTestSupport.h"

#include "skin/controls/effects/SeShadowPaint.h"
#include "tests/skin/controls/forms/FormTestSupport.h"

#include "platform/RectMath.h"
#include "ui/stdctrls/Label.h"
#include "ui/stdctrls/Panel.h"

#include <chrono>

using namespace effecttest;

namespace {

constexpr Pixel kGrey = 0xFF3F3F3Fu;

class FormEffects : public formtest::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        desktop = std::make_unique<DesktopPicture>(77, blackDesktop);
        pump();
    }
    void TearDown() override
    {
        desktop.reset();
        FormTest::TearDown();
    }
    bool inRegion(POINT windowPoint)
    {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        bool in = GetWindowRgn(hwnd(), region) != ERROR && PtInRegion(region, windowPoint.x, windowPoint.y);
        DeleteObject(region);
        return in;
    }
    // What the screen must show at a window point of the shadow band.
    Pixel band(POINT windowPoint, unsigned alpha)
    {
        POINT s = screenOf(windowPoint);
        return SlowBlend(kGrey, desktop->at(s.x, s.y), alpha) | 0xFF000000u;
    }

    bool blackDesktop = false;
    std::unique_ptr<DesktopPicture> desktop;
};

TEST_F(FormEffects, ShadowBandFollowsTheWindowAndKeepsTheClientSize)
{
    build({.configure = [](TSeSkinForm* f) {
        f->Shadow()->SetEnabled(true);
        f->Shadow()->SetSize(6);
    }});
    EXPECT_EQ(clientSize().cx, 300);
    EXPECT_EQ(clientSize().cy, 200);
    const SIZE frame = skin->FrameSize();
    EXPECT_EQ(skin->WindowSize().cx, frame.cx + 6);
    EXPECT_EQ(skin->WindowSize().cy, frame.cy + 6);
    const POINT right{frame.cx + 2, frame.cy / 2}, bottom{frame.cx / 2, frame.cy + 3};
    const POINT rightEnd{frame.cx + 2, 6}, openCorner{frame.cx + 2, 2};
    auto checkBand = [&](const char* when) {
        EXPECT_TRUE(inRegion(right)) << when;
        EXPECT_TRUE(inRegion(bottom)) << when;
        EXPECT_FALSE(inRegion(openCorner)) << when;
        EXPECT_EQ(screenPixel(screenOf(right)), band(right, 128)) << when;
        EXPECT_EQ(screenPixel(screenOf(bottom)), band(bottom, 128)) << when;
        EXPECT_EQ(screenPixel(screenOf(rightEnd)), band(rightEnd, 20)) << when;
        POINT open = screenOf(openCorner);
        EXPECT_EQ(screenPixel(open), desktop->at(open.x, open.y)) << when;
    };
    checkBand("shown");
    writeScreen("form_shadow.png");

    // Moved so that the new band lies where the window was: the band shows
    // the desktop under it, not the window.
    RECT r = windowRect();
    SetWindowPos(hwnd(), nullptr, r.left - 40, r.top - 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pump();
    checkBand("moved up and left");

    skin->Maximize();
    pump();
    EXPECT_EQ(skin->WindowSize().cx, skin->FrameSize().cx) << "no band while maximized";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(hwnd(), region) != ERROR) {
        RECT box{};
        GetRgnBox(region, &box);
        EXPECT_LE(box.right, skin->FrameSize().cx) << "no region union while maximized";
    }
    DeleteObject(region);
    skin->Restore();
    pump();
    EXPECT_EQ(clientSize().cx, 300);
    checkBand("restored");

    skin->Shadow()->SetEnabled(false);
    pump();
    EXPECT_EQ(clientSize().cx, 300);
    EXPECT_EQ(clientSize().cy, 200);
    EXPECT_EQ(skin->WindowSize().cx, skin->FrameSize().cx);
    skin->Shadow()->SetEnabled(true);
    pump();
    EXPECT_EQ(clientSize().cx, 300);
    EXPECT_EQ(clientSize().cy, 200);
}

class BlackDesktop : public FormEffects {
protected:
    void SetUp() override
    {
        blackDesktop = true;
        FormEffects::SetUp();
    }
};

TEST_F(BlackDesktop, ADesktopThatCannotBeReadLeavesTheBandOut)
{
    build({.configure = [](TSeSkinForm* f) { f->Shadow()->SetEnabled(true); }});
    const SIZE frame = skin->FrameSize();
    EXPECT_FALSE(skin->Effects().desktop().hasImage());
    EXPECT_TRUE(inRegion(POINT{frame.cx / 2, frame.cy / 2}));
    EXPECT_FALSE(inRegion(POINT{frame.cx + 1, frame.cy / 2})) << "the band would show black";
    EXPECT_EQ(clientSize().cx, 300);
}

TEST_F(FormEffects, TranslucentFrameAndClientShowTheDesktop)
{
    build();
    const POINT caption{60, 10};
    const POINT client{skin->GetClientBounds().left + 150, skin->GetClientBounds().top + 100};
    const Pixel opaqueCaption = screenPixel(screenOf(caption));
    const Pixel opaqueClient = screenPixel(screenOf(client));
    // The desktop under a shown window cannot be read: blending switched on
    // now shows from the next showing.
    skin->Blending()->SetValue(100);
    skin->Blending()->SetEnabled(true);
    pump();
    EXPECT_EQ(screenPixel(screenOf(caption)), opaqueCaption);
    host->Hide();
    pump();
    host->Show();
    pump();
    for (POINT p : {caption, client}) {
        const POINT s = screenOf(p);
        const Pixel opaque = p.y == caption.y ? opaqueCaption : opaqueClient;
        EXPECT_EQ(screenPixel(s), SlowBlend(opaque, desktop->at(s.x, s.y), 100) | 0xFF000000u) << p.x << ", " << p.y;
    }
    writeScreen("form_blending.png");
}

TEST_F(FormEffects, ShadowSwitchedOnWhileShownWaitsForAPicture)
{
    build();
    skin->Shadow()->SetEnabled(true);
    pump();
    const SIZE frame = skin->FrameSize();
    EXPECT_EQ(clientSize().cx, 300);
    EXPECT_FALSE(inRegion(POINT{frame.cx + 2, frame.cy / 2})) << "no picture of the desktop yet";
    host->Hide();
    pump();
    host->Show();
    pump();
    EXPECT_TRUE(inRegion(POINT{frame.cx + 2, frame.cy / 2}));
    EXPECT_EQ(screenPixel(screenOf(POINT{frame.cx + 2, frame.cy / 2})), band(POINT{frame.cx + 2, frame.cy / 2}, 128));
}

TEST_F(FormEffects, ShownFormAnimatesAndEndsOnItsOwnPicture)
{
    build({.show = false, .configure = [](TSeSkinForm* f) {
               f->Shadow()->SetEnabled(true);
               f->Animation()->SetEnabled(true);
               f->Animation()->SetEffect(keDiamondOut);
               f->Animation()->SetTime(400);
           }});
    // A windowed child and a windowless one: both are in the picture.
    auto* panel = new TPanel(host);
    panel->SetParent(host);
    panel->SetBounds(20, 20, 120, 60);
    panel->SetColor(clRed);
    panel->SetCaption("Panel");
    auto* label = new TLabel(host);
    label->SetParent(host);
    label->SetBounds(160, 40, 100, 20);
    label->SetCaption("A label");
    const auto start = std::chrono::steady_clock::now();
    host->Show();
    const double took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(took, 400.0);
    EXPECT_LT(took, 10000.0);
    EXPECT_GE(skin->Effects().animation().framesShown(), 2);
    ASSERT_TRUE(skin->Effects().lastFrameShown()) << "the last frame waits for the window";
    PixelBufferPtr lastFrame = backend().composeScreen();
    const std::vector<Pixel> before(lastFrame->row(0), lastFrame->row(0) + std::size_t(lastFrame->width()) * 800);
    writeScreen("form_animation_last_frame.png");

    // The platform's shortest timer.
    advance(20);
    EXPECT_FALSE(skin->Effects().lastFrameShown()) << "gone once the window painted";
    PixelBufferPtr painted = backend().composeScreen();
    const RECT r = windowRect();
    int differ = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            differ += before[std::size_t(y) * std::size_t(painted->width()) + std::size_t(x)] != painted->at(x, y);
    EXPECT_EQ(differ, 0) << "the last frame is the window's own paint";
    writeScreen("form_animation_painted.png");

    // Shown again: it animates again.
    host->Hide();
    pump();
    host->Show();
    EXPECT_TRUE(skin->Effects().lastFrameShown());
    advance(20);
    EXPECT_FALSE(skin->Effects().lastFrameShown());
}

} // namespace
