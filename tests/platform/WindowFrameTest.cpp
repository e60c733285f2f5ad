// The classic frame in DefWindowProc: the move and size loops driven by
// injected input, caption buttons, and WM_CLOSE.

#include "WindowTestSupport.h"

using namespace windowtest;

namespace {

class FrameMessages : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
        Pump();
        Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_NCMOUSEMOVE, WM_MOUSEMOVE, WM_PAINT,
                                     WM_ERASEBKGND, WM_NCPAINT, WM_GETMINMAXINFO, WM_NCCALCSIZE});
        Recorder::instance().clear();
    }
    POINT captionPoint() const { return POINT{200, 110}; }
    void drag(POINT from, POINT to)
    {
        backend().mouseMove(from.x, from.y);
        backend().mouseDown();
        backend().mouseMove((from.x + to.x) / 2, (from.y + to.y) / 2);
        backend().mouseMove(to.x, to.y);
        backend().mouseUp();
        Pump();
    }
    HWND hwnd = nullptr;
};

TEST_F(FrameMessages, CaptionDragMovesWindow)
{
    drag(captionPoint(), POINT{240, 120});
    ExpectSequence({
        W(WM_NCLBUTTONDOWN, HTCAPTION, Posted),
        W(WM_SYSCOMMAND, SC_MOVE | HTCAPTION),
        WM_ENTERSIZEMOVE,
        WM_MOVING,
        WM_WINDOWPOSCHANGING,
        WM_WINDOWPOSCHANGED,
        WM_MOVE,
        Step(WM_MOVING, Optional),
        Step(WM_WINDOWPOSCHANGING, Optional),
        Step(WM_WINDOWPOSCHANGED, Optional),
        WM_CAPTURECHANGED,
        WM_EXITSIZEMOVE,
    }, hwnd, "caption drag");
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{140, 110, 440, 310}));
}

TEST_F(FrameMessages, EscapeEndsAMoveWhereItStarted)
{
    backend().mouseMove(captionPoint().x, captionPoint().y);
    backend().mouseDown();
    backend().mouseMove(250, 130);
    backend().keyDown('A'); // other keys reach the window
    backend().keyDown(VK_ESCAPE);
    backend().mouseMove(300, 160);
    backend().mouseUp();
    Pump();
    ExpectSequence({
        W(WM_NCLBUTTONDOWN, HTCAPTION, Posted),
        W(WM_SYSCOMMAND, SC_MOVE | HTCAPTION),
        WM_ENTERSIZEMOVE,
        WM_MOVING,
        WM_WINDOWPOSCHANGING,
        WM_WINDOWPOSCHANGED,
        WM_MOVE,
        W(WM_KEYDOWN, 'A'),
        WM_WINDOWPOSCHANGING,
        WM_WINDOWPOSCHANGED,
        WM_MOVE,
        WM_CAPTURECHANGED,
        WM_EXITSIZEMOVE,
        Step(WM_LBUTTONUP, Posted), // the loop is over: the release is the window's own
    }, hwnd, "escape during a move");
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{100, 100, 400, 300})) << "back where the move started, the release ignored";
}

TEST_F(FrameMessages, BorderDragSizesWithinTheTrackingLimits)
{
    drag(POINT{399, 299}, POINT{449, 319});
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{100, 100, 450, 320}));
    Recorder::instance().clear();
    drag(POINT{101, 200}, POINT{500, 200}); // the left edge cannot pass the minimum width
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{450 - GetSystemMetrics(SM_CXMINTRACK), 100, 450, 320}));
    ExpectSequence({W(WM_NCLBUTTONDOWN, HTLEFT, Posted), W(WM_SYSCOMMAND, SC_SIZE | WMSZ_LEFT), WM_ENTERSIZEMOVE, W(WM_SIZING, WMSZ_LEFT), WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE,
                    WM_SIZE, Step(WM_SIZING, Optional), Step(WM_WINDOWPOSCHANGING, Optional),
                    Step(WM_WINDOWPOSCHANGED, Optional), WM_CAPTURECHANGED, WM_EXITSIZEMOVE},
                   hwnd, "size from the left");
}

TEST_F(FrameMessages, CaptionButtonsActOnlyWhenReleasedInside)
{
    POINT close{388, 110};
    ASSERT_EQ(SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCLOSE);
    Recorder::instance().clear();
    drag(close, POINT{200, 200}); // released elsewhere: nothing
    EXPECT_TRUE(IsWindow(hwnd));
    POINT minimize{352, 110};
    ASSERT_EQ(SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(minimize.x, minimize.y)), HTMINBUTTON);
    backend().click(minimize.x, minimize.y);
    Pump();
    EXPECT_TRUE(IsIconic(hwnd));
    ShowWindow(hwnd, SW_RESTORE);
    Pump();
    Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_NCMOUSEMOVE, WM_MOUSEMOVE, WM_PAINT, WM_ERASEBKGND,
                                 WM_NCPAINT, WM_GETMINMAXINFO, WM_NCCALCSIZE, WM_WINDOWPOSCHANGING,
                                 WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS,
                                 WM_MOUSEACTIVATE, WM_SETFOCUS});
    Recorder::instance().clear();
    backend().click(close.x, close.y);
    Pump();
    ExpectSequence({W(WM_NCLBUTTONDOWN, HTCLOSE, Posted), WM_CAPTURECHANGED, W(WM_SYSCOMMAND, SC_CLOSE), WM_CLOSE,
                    WM_DESTROY, WM_NCDESTROY},
                   hwnd, "close button");
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(FrameMessages, FrameGeometryFollowsTheStyles)
{
    HWND tool = createTop(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, RECT{500, 100, 700, 200}, nullptr,
                          WS_EX_TOOLWINDOW);
    RECT r;
    GetClientRect(tool, &r);
    EXPECT_EQ(r, (RECT{0, 0, 200 - 6, 100 - 6 - 15}));
    EXPECT_EQ(SendMessage(tool, WM_NCHITTEST, 0, MAKELPARAM(501, 150)), HTBORDER) << "no sizing without a thick frame";
    EXPECT_EQ(SendMessage(tool, WM_NCHITTEST, 0, MAKELPARAM(600, 108)), HTCAPTION);
    EXPECT_EQ(SendMessage(tool, WM_NCHITTEST, 0, MAKELPARAM(690, 108)), HTCLOSE);
    HWND scrolled = createChild(hwnd, RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER);
    GetClientRect(scrolled, &r);
    EXPECT_EQ(r, (RECT{0, 0, 100 - 2 - 16, 98}));
    POINT origin{0, 0};
    ClientToScreen(scrolled, &origin);
    EXPECT_EQ(SendMessage(scrolled, WM_NCHITTEST, 0, MAKELPARAM(origin.x + 90, origin.y + 10)), HTVSCROLL);
    ShowWindow(hwnd, SW_MAXIMIZE);
    EXPECT_EQ(SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(200, 2)), HTCAPTION) << "maximized: no sizing";
}

} // namespace
