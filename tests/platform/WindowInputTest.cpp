// Input: routing by hit code, capture, double clicks, activation by click,
// disabled windows, keyboard messages, focus, mouse tracking and the caret.

#include "WindowTestSupport.h"

#include "platform/gdi/DeviceContext.h"

using namespace windowtest;

namespace {

class WindowInput : public WindowTest {
protected:
    // An overlapped window at (100, 100), 300 x 200: client from (104, 123).
    void SetUp() override
    {
        WindowTest::SetUp();
        top = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
        child = createChild(top, RECT{10, 10, 110, 60});
        Recorder::instance().name(top, "top");
        Recorder::instance().name(child, "child");
        Pump();
        Recorder::instance().clear();
    }
    HWND top = nullptr;
    HWND child = nullptr;
};

TEST_F(WindowInput, MouseGoesByHitCode)
{
    backend().mouseMove(200, 250); // client area of the top window
    Pump();
    ExpectSequence({On(top, WM_NCHITTEST), On(top, WL(WM_SETCURSOR, WPARAM(top), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE))),
                    On(top, WL(WM_MOUSEMOVE, 0, MAKELPARAM(96, 127), Posted))},
                   nullptr, "client");
    backend().mouseMove(200, 110); // caption
    Pump();
    ExpectSequence({On(top, WM_NCHITTEST), On(top, WM_SETCURSOR),
                    On(top, WL(WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(200, 110), Posted))},
                   nullptr, "caption");
    backend().mouseMove(120, 140); // the child, at (114, 133)
    backend().mouseDown();
    Pump();
    // Each event is hit-tested when the loop reaches it.
    ExpectSequence({On(child, WM_NCHITTEST), On(child, WM_SETCURSOR), On(top, WM_SETCURSOR),
                    On(child, WL(WM_MOUSEMOVE, 0, MAKELPARAM(6, 7), Posted)), On(child, WM_NCHITTEST),
                    On(child, WM_SETCURSOR), On(top, WM_SETCURSOR),
                    On(child, WL(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 7), Posted))},
                   nullptr, "child");
    backend().mouseUp();
    backend().mouseMove(100 + 299, 100 + 199); // bottom right corner
    Pump();
    Recorder::instance().clear();
    EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MAKELPARAM(399, 299)), HTBOTTOMRIGHT);
    EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MAKELPARAM(101, 200)), HTLEFT);
    EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MAKELPARAM(385, 110)), HTCLOSE);
    EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MAKELPARAM(110, 110)), HTSYSMENU);
    EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MAKELPARAM(50, 50)), HTNOWHERE);
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZENWSE));
}

TEST_F(WindowInput, CaptureGetsEverythingInClientCoordinates)
{
    SetCapture(child);
    EXPECT_EQ(GetCapture(), child);
    backend().mouseMove(20, 30); // far outside
    Pump();
    ExpectSequence({On(child, WL(WM_MOUSEMOVE, 0, MAKELPARAM(WORD(-94), WORD(-103)), Posted))}, nullptr, "captured");
    SetCapture(top);
    ExpectSequence({On(child, WL(WM_CAPTURECHANGED, 0, LPARAM(top)))}, nullptr, "capture moves");
    ReleaseCapture();
    ExpectSequence({On(top, WL(WM_CAPTURECHANGED, 0, 0))}, nullptr, "released");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WindowInput, DoubleClicksNeedTheClassStyleTimeAndPlace)
{
    Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE});
    auto clickAt = [&](int x, int y) {
        backend().click(x, y);
        Pump();
    };
    clickAt(300, 250);
    AdvanceManualClock(400);
    clickAt(301, 251);
    AdvanceManualClock(400);
    clickAt(301, 251); // a third click starts over
    const Step down(WM_LBUTTONDOWN, Posted), up(WM_LBUTTONUP, Posted), dbl(WM_LBUTTONDBLCLK, Posted);
    ExpectSequence({down, up, dbl, up, down, up}, top, "within time and place");
    AdvanceManualClock(501);
    clickAt(301, 251);
    ExpectSequence({down, up}, top, "too late");
    AdvanceManualClock(100);
    clickAt(304, 251);
    ExpectSequence({down, up}, top, "too far");
    // The caption double-clicks whatever the class says.
    HWND plain = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{500, 100, 800, 300}, kPlainClass);
    Pump();
    Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_MOUSEACTIVATE,
                                 WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS, WM_SETFOCUS,
                                 WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT,
                                 WM_SYSCOMMAND, WM_GETMINMAXINFO, WM_NCCALCSIZE, WM_MOVE, WM_SIZE,
                                 WM_ENTERSIZEMOVE, WM_MOVING, WM_CAPTURECHANGED, WM_EXITSIZEMOVE});
    Recorder::instance().clear();
    clickAt(600, 250);
    clickAt(600, 250);
    clickAt(600, 110);
    clickAt(600, 110);
    // The press on the caption starts the move loop, which takes the release;
    // the double click maximizes, so the last release lands in the client area.
    ExpectSequence({down, up, down, up, W(WM_NCLBUTTONDOWN, HTCAPTION, Posted), W(WM_NCLBUTTONDBLCLK, HTCAPTION, Posted),
                    up},
                   plain, "plain class");
    EXPECT_TRUE(IsZoomed(plain)) << "a double click on the caption maximizes";
}

TEST_F(WindowInput, ClickActivatesUnlessTheWindowSaysNo)
{
    HWND other = createTop(WS_POPUP | WS_VISIBLE, RECT{600, 100, 700, 200});
    Recorder::instance().name(other, "other");
    Pump();
    EXPECT_EQ(GetActiveWindow(), other);
    Recorder::instance().ignore({WM_NCHITTEST, WM_MOUSEMOVE, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED,
                                 WM_ACTIVATEAPP, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT});
    Recorder::instance().clear();
    backend().click(300, 250);
    Pump();
    ExpectSequence({On(top, WL(WM_SETCURSOR, WPARAM(top), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE))),
                    On(top, WL(WM_MOUSEACTIVATE, WPARAM(top), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN))),
                    On(other, W(WM_NCACTIVATE, FALSE)), On(other, W(WM_ACTIVATE, WA_INACTIVE)),
                    On(top, W(WM_NCACTIVATE, TRUE)), On(top, W(WM_ACTIVATE, WA_CLICKACTIVE)),
                    On(other, WM_KILLFOCUS), On(top, WM_SETFOCUS),
                    On(top, WL(WM_SETCURSOR, WPARAM(top), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN))),
                    On(top, Step(WM_LBUTTONDOWN, Posted)),
                    On(top, WL(WM_SETCURSOR, WPARAM(top), MAKELPARAM(HTCLIENT, WM_LBUTTONUP))),
                    On(top, Step(WM_LBUTTONUP, Posted))},
                   nullptr, "click activates");
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);

    Recorder::instance().answer = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_MOUSEACTIVATE)
            return MA_NOACTIVATEANDEAT;
        return std::nullopt;
    };
    backend().click(650, 150);
    Pump();
    ExpectSequence({On(other, WM_SETCURSOR), On(other, WM_MOUSEACTIVATE), On(other, WM_SETCURSOR),
                    On(other, WM_SETCURSOR), On(other, Step(WM_LBUTTONUP, Posted))},
                   nullptr, "the press is eaten, the window stays inactive");
    EXPECT_EQ(GetActiveWindow(), top);
}

TEST_F(WindowInput, DisabledWindowsGetNoInput)
{
    EnableWindow(child, FALSE);
    ExpectSequence({On(child, WM_CANCELMODE), On(child, W(WM_ENABLE, FALSE))}, nullptr, "disable");
    Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE});
    Recorder::instance().clear();
    backend().click(120, 140); // over the disabled child: the parent has it
    Pump();
    ExpectSequence({On(top, Step(WM_LBUTTONDOWN, Posted)), On(top, Step(WM_LBUTTONUP, Posted))}, nullptr,
                   "parent gets it");
    EXPECT_EQ(SetFocus(child), nullptr);
    EnableWindow(top, FALSE);
    int beeps = backend().beepCount();
    Recorder::instance().clear();
    backend().click(300, 250);
    backend().pressKey('A');
    Pump();
    ExpectSequence({}, top, "disabled top-level");
    EXPECT_EQ(backend().beepCount(), beeps + 1);
    EXPECT_FALSE(IsWindowEnabled(top));
    EXPECT_TRUE(EnableWindow(top, TRUE));
}

TEST_F(WindowInput, KeysGoToTheFocusAndBecomeCharacters)
{
    SetFocus(child);
    Recorder::instance().clear();
    backend().pressKey(VK_RETURN);
    Pump();
    ExpectSequence({W(WM_KEYDOWN, VK_RETURN, Posted), W(WM_CHAR, 13, Posted), W(WM_KEYUP, VK_RETURN, Posted)}, child,
                   "enter");
    backend().keyDown(VK_LMENU);
    backend().keyDown('F');
    EXPECT_TRUE(GetAsyncKeyState(VK_MENU) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_MENU) & 0x8000) << "not before the message is taken";
    Recorder::instance().ignore({WM_SYSCOMMAND});
    Pump();
    EXPECT_TRUE(GetKeyState(VK_MENU) & 0x8000);
    backend().keyUp('F');
    backend().keyUp(VK_LMENU);
    backend().pressKey(VK_F10);
    Pump();
    ExpectSequence({W(WM_SYSKEYDOWN, VK_MENU, Posted), W(WM_SYSKEYDOWN, 'F', Posted), W(WM_SYSCHAR, 'f', Posted),
                    W(WM_SYSKEYUP, 'F', Posted), W(WM_SYSKEYUP, VK_MENU, Posted), W(WM_SYSKEYDOWN, VK_F10, Posted),
                    W(WM_SYSKEYUP, VK_F10, Posted)},
                   child, "alt and F10");
    backend().typeText("a\xF0\x9F\x98\x80"); // "a" and an emoji: a surrogate pair
    Pump();
    ExpectSequence({W(WM_CHAR, 'a', Posted), W(WM_CHAR, 0xD83D, Posted), W(WM_CHAR, 0xDE00, Posted)}, child,
                   "text");
    backend().keyDown(VK_CAPITAL);
    backend().keyUp(VK_CAPITAL);
    Pump();
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1) << "toggled";
}

TEST_F(WindowInput, FocusMovesWithMessagesAndContextMenusClimb)
{
    SetFocus(child);
    ExpectSequence({On(top, W(WM_KILLFOCUS, WPARAM(child))), On(child, W(WM_SETFOCUS, WPARAM(top)))}, nullptr,
                   "focus to child");
    Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_MOUSEACTIVATE});
    backend().mouseMove(120, 140);
    backend().mouseDown(MouseButton::Right);
    backend().mouseUp(MouseButton::Right);
    Pump();
    ExpectSequence({On(child, Step(WM_RBUTTONDOWN, Posted)), On(child, Step(WM_RBUTTONUP, Posted)),
                    On(child, WL(WM_CONTEXTMENU, WPARAM(child), MAKELPARAM(120, 140))),
                    On(top, WL(WM_CONTEXTMENU, WPARAM(child), MAKELPARAM(120, 140)))},
                   nullptr, "context menu");
    backend().wheel(-WHEEL_DELTA);
    Pump();
    ExpectSequence({On(child, Step(WM_MOUSEWHEEL, Posted)), On(top, WM_MOUSEWHEEL)}, nullptr, "wheel to the focus");
    DestroyWindow(child);
    EXPECT_EQ(GetFocus(), top) << "the parent takes the focus back";
}

TEST_F(WindowInput, TrackMouseEventReportsLeaving)
{
    backend().mouseMove(300, 250);
    Pump();
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = top;
    EXPECT_TRUE(TrackMouseEvent(&track));
    TRACKMOUSEEVENT query;
    query.dwFlags = TME_QUERY;
    TrackMouseEvent(&query);
    EXPECT_EQ(query.hwndTrack, top);
    Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE});
    Recorder::instance().clear();
    backend().mouseMove(300, 260);
    backend().mouseMove(300, 110); // into the caption: out of the client area
    Pump();
    backend().mouseMove(10, 10);
    Pump();
    ExpectSequence({Step(WM_MOUSELEAVE, Posted)}, top, "one leave");
}

TEST_F(WindowInput, CaretInvertsAndRestoresPixels)
{
    Pump();
    HDC dc = GetDC(top);
    Pixel before = LookupDc(dc)->target()->at(4 + 5, 23 + 5);
    ASSERT_TRUE(CreateCaret(top, nullptr, 2, 10));
    SetCaretPos(5, 5);
    ShowCaret(top);
    EXPECT_EQ(LookupDc(dc)->target()->at(9, 28), before ^ 0x00FFFFFFu);
    HideCaret(top);
    EXPECT_EQ(LookupDc(dc)->target()->at(9, 28), before);
    EXPECT_FALSE(ShowCaret(child)) << "another window's caret";
    ShowCaret(top);
    AdvanceManualClock(GetCaretBlinkTime());
    Pump();
    EXPECT_EQ(LookupDc(dc)->target()->at(9, 28), before) << "blinked off";
    DestroyCaret();
    EXPECT_EQ(LookupDc(dc)->target()->at(9, 28), before);
    ReleaseDC(top, dc);
}

} // namespace
