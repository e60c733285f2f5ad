// The screen overlay on the headless backend: what is drawn into it shows on
// the composed screen above every window, only through its region; it never
// takes the activation and the mouse goes through it to the window below.

#include "WindowTestSupport.h"

#include "platform/window/ScreenOverlay.h"

#include <fstream>

using namespace windowtest;

namespace {

constexpr Pixel kRed = 0xFFFF0000u;

class ScreenOverlayTest : public WindowTest {
protected:
    Pixel screenAt(int x, int y) { return backend().composeScreen()->at(x, y); }
    void fill(brio::ScreenOverlay& overlay, COLORREF colour)
    {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all{0, 0, 10000, 10000};
        FillRect(overlay.dc(), &all, brush);
        DeleteObject(brush);
    }
    Pixel baseColour = 0;
    HWND makeBase()
    {
        HWND base = createTop(WS_POPUP | WS_VISIBLE, RECT{100, 100, 500, 400});
        Pump();
        baseColour = screenAt(300, 250);
        return base;
    }
};

TEST_F(ScreenOverlayTest, DrawnPixelsShowAboveEveryWindowThroughTheRegion)
{
    HWND base = makeBase();
    brio::ScreenOverlay overlay(RECT{200, 150, 400, 350});
    fill(overlay, RGB(255, 0, 0));
    EXPECT_EQ(screenAt(300, 250), baseColour) << "nothing shows before present";
    overlay.present();
    EXPECT_TRUE(IsWindowVisible(overlay.handle()));
    EXPECT_EQ(screenAt(300, 250), kRed);
    EXPECT_EQ(screenAt(200, 150), kRed);
    EXPECT_EQ(screenAt(199, 150), baseColour);
    EXPECT_EQ(screenAt(400, 250), baseColour);

    // A window brought to the front later stays below it.
    HWND later = createTop(WS_POPUP | WS_VISIBLE, RECT{250, 200, 450, 380});
    SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Pump();
    EXPECT_EQ(screenAt(300, 250), kRed);
    EXPECT_NE(screenAt(420, 370), kRed);

    // A region: only its part shows, the rest is the windows below.
    HRGN ring = CreateEllipticRgn(0, 0, 200, 200);
    overlay.setBounds(RECT{150, 120, 350, 320}, ring);
    DeleteObject(ring); // the overlay keeps its own copy
    fill(overlay, RGB(255, 0, 0));
    overlay.present();
    EXPECT_EQ(screenAt(250, 220), kRed) << "the centre";
    EXPECT_EQ(screenAt(152, 122), baseColour) << "a corner outside the ellipse";
    backend().writeScreenPng(BRIO_TEST_OUTPUT_DIR "/screen-overlay.png");
    (void)base;
}

TEST_F(ScreenOverlayTest, NeverActivatedAndTheMouseGoesThrough)
{
    HWND base = makeBase();
    SetActiveWindow(base);
    brio::ScreenOverlay overlay(RECT{200, 150, 400, 350});
    fill(overlay, RGB(255, 0, 0));
    overlay.present();
    EXPECT_EQ(GetActiveWindow(), base);
    EXPECT_EQ(WindowFromPoint(POINT{300, 250}), overlay.handle()) << "it is on top";

    Recorder& r = Recorder::instance();
    r.clear();
    backend().click(300, 250);
    Pump();
    bool baseClicked = false;
    for (const Recorded& m : r.trace())
        baseClicked |= m.hwnd == base && m.msg == WM_LBUTTONDOWN;
    EXPECT_TRUE(baseClicked) << r.describe();
    EXPECT_EQ(GetActiveWindow(), base);
}

TEST_F(ScreenOverlayTest, HidingOrEndingTheOverlayUncoversTheScreen)
{
    makeBase();
    HWND handle = nullptr;
    {
        brio::ScreenOverlay overlay(RECT{200, 150, 400, 350});
        handle = overlay.handle();
        fill(overlay, RGB(255, 0, 0));
        overlay.present();
        ASSERT_EQ(screenAt(300, 250), kRed);
        overlay.hide();
        EXPECT_EQ(screenAt(300, 250), baseColour);
        overlay.present(); // shows again with the same pixels
        EXPECT_EQ(screenAt(300, 250), kRed);
    }
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(screenAt(300, 250), baseColour);
}

} // namespace
