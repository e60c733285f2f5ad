// What a window manager does on its own (moves, minimizes, restores, hides
// for another desktop, closes, takes the focus away), reported through the
// headless backend the way the SDL backend reports it: the window system's
// state and messages follow, pop-ups end, and nothing of ours activates
// itself in answer.

#include "WindowTestSupport.h"

#include "platform/RectMath.h"

using namespace windowtest;

namespace {

class ExternalChanges : public WindowTest {
protected:
    // The middle of the frame's close button, found by hit-testing.
    POINT closeButton(HWND hwnd)
    {
        RECT r;
        GetWindowRect(hwnd, &r);
        for (LONG y = r.top; y < r.top + 40; ++y)
            for (LONG x = r.right - 1; x > r.left; --x)
                if (SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                    return POINT{x - 4, y + 4};
        ADD_FAILURE() << "no close button";
        return POINT{};
    }

    // A pop-up that holds the mouse capture, as a dropped-down list does.
    HWND openPopup(HWND owner)
    {
        HWND popup = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kRecordingClass, "",
                                    WS_POPUP | WS_BORDER, 150, 200, 120, 80, nullptr, nullptr, nullptr, nullptr);
        SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        SetCapture(popup);
        Recorder::instance().name(owner, "owner");
        Recorder::instance().name(popup, "popup");
        Pump();
        Recorder::instance().clear();
        return popup;
    }
};

} // namespace

TEST_F(ExternalChanges, MoveByTheManagerMovesHitTestingAndTheCloseButton)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    Pump();
    POINT oldClose = closeButton(hwnd);
    Recorder::instance().clear();
    Recorder::instance().ignore({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_GETMINMAXINFO, WM_NCCALCSIZE});

    backend().managerPlaces(hwnd, RECT{194, 130, 494, 330});
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    ExpectSequence({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WL(WM_MOVE, 0, MAKELPARAM(origin.x, origin.y))}, hwnd,
                   "moved by the manager");
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{194, 130, 494, 330}));
    POINT newClose = closeButton(hwnd);
    EXPECT_EQ(newClose.x, oldClose.x + 94);
    EXPECT_EQ(newClose.y, oldClose.y + 30);
    EXPECT_EQ(WindowFromPoint(POINT{newClose.x, newClose.y}), hwnd);

    // The visible button closes it.
    backend().click(newClose.x, newClose.y);
    Pump();
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(ExternalChanges, ResizeByTheManagerSendsSizeAndRepaints)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    Pump();
    Recorder::instance().clear();
    Recorder::instance().ignore({WM_NCPAINT, WM_ERASEBKGND, WM_GETMINMAXINFO, WM_NCCALCSIZE});
    backend().managerPlaces(hwnd, RECT{0, 0, 1280, 800}); // a full-screen toggle
    Pump();
    ExpectSequence({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, W(WM_SIZE, SIZE_RESTORED), Step(WM_PAINT, Posted)}, hwnd,
                   "sized by the manager");
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 1280 - 8);
}

TEST_F(ExternalChanges, MinimizeAndRestoreComeAsSysCommandsAndKeepTheManagersPlace)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    Pump();
    backend().managerPlaces(hwnd, RECT{300, 250, 600, 450});
    Pump();
    Recorder::instance().clear();
    Recorder::instance().ignore({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_GETMINMAXINFO, WM_NCCALCSIZE,
                                 WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE, WM_NCACTIVATE,
                                 WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS, WM_SETFOCUS, WM_SHOWWINDOW,
                                 WM_GETICON, WM_QUERYOPEN});

    backend().managerMinimizes(hwnd);
    EXPECT_FALSE(IsIconic(hwnd)) << "the command is posted, not carried out at once";
    Pump();
    EXPECT_TRUE(IsIconic(hwnd));
    backend().managerMinimizes(hwnd); // what our own minimize echoes back
    Pump();
    // While minimized, the manager's idea of a place means nothing.
    backend().managerPlaces(hwnd, RECT{0, 0, 160, 24});

    backend().managerRestores(hwnd);
    Pump();
    EXPECT_FALSE(IsIconic(hwnd));
    backend().managerRestores(hwnd);
    Pump();
    ExpectSequence({W(WM_SYSCOMMAND, SC_MINIMIZE, Posted), W(WM_SYSCOMMAND, SC_RESTORE, Posted)}, hwnd,
                   "minimize and restore by the manager");
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{300, 250, 600, 450})) << "the window went back to a stale place";
}

TEST_F(ExternalChanges, MaximizeByTheManagerAndBack)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    Pump();
    Recorder::instance().clear();
    Recorder::instance().ignore({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_GETMINMAXINFO, WM_NCCALCSIZE,
                                 WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE, WM_NCACTIVATE,
                                 WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS, WM_SETFOCUS, WM_SHOWWINDOW});
    backend().managerMaximizes(hwnd);
    Pump();
    EXPECT_TRUE(IsZoomed(hwnd));
    backend().managerMaximizes(hwnd);
    backend().managerRestores(hwnd);
    Pump();
    EXPECT_FALSE(IsZoomed(hwnd));
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{100, 100, 400, 300}));
    ExpectSequence({W(WM_SYSCOMMAND, SC_MAXIMIZE, Posted), W(WM_SYSCOMMAND, SC_RESTORE, Posted)}, hwnd,
                   "maximize and restore by the manager");
}

TEST_F(ExternalChanges, AnotherDesktopKeepsTheStateAndTakesNoActivation)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    Pump();
    ASSERT_EQ(GetActiveWindow(), hwnd);
    backend().managerHides(hwnd);
    Pump();
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    // Back on its desktop nothing is reported; only the manager's focus
    // would make it active again.
    Recorder::instance().clear();
    Pump();
    EXPECT_TRUE(Recorder::instance().trace().empty()) << Recorder::instance().describe();
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(ExternalChanges, PopupEndsWhenTheFocusGoesToAnotherProgram)
{
    HWND owner = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    HWND popup = openPopup(owner);
    backend().focusGoesToAnotherProgram();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    ExpectSequence({On(popup, WM_CANCELMODE), On(popup, WM_CAPTURECHANGED), On(owner, WM_NCACTIVATE),
                    On(owner, WM_ACTIVATE), Step(WM_ACTIVATEAPP, Optional), Step(WM_ACTIVATEAPP, Optional),
                    On(owner, WM_KILLFOCUS)},
                   nullptr, "focus to another program with a pop-up open");
}

TEST_F(ExternalChanges, PopupEndsWhenItsOwnerIsMinimizedHiddenOrAnotherWindowActivates)
{
    HWND owner = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    HWND popup = openPopup(owner);
    backend().managerMinimizes(owner);
    EXPECT_EQ(GetCapture(), nullptr) << "minimized by the manager";
    Pump();
    ShowWindow(owner, SW_RESTORE);
    Pump();

    openPopup(owner);
    backend().managerHides(owner);
    EXPECT_EQ(GetCapture(), nullptr) << "moved to another desktop";
    SetActiveWindow(owner);

    openPopup(owner);
    ShowWindow(owner, SW_MINIMIZE);
    EXPECT_EQ(GetCapture(), nullptr) << "minimized by the program";
    ShowWindow(owner, SW_RESTORE);

    HWND other = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{500, 100, 800, 300});
    SetActiveWindow(owner);
    openPopup(owner);
    SetActiveWindow(other);
    EXPECT_EQ(GetCapture(), nullptr) << "another window of ours activated";

    // A window that captures the mouse while it comes to the front keeps it.
    SetCapture(owner);
    SetActiveWindow(owner);
    EXPECT_EQ(GetCapture(), owner);
    ReleaseCapture();
    DestroyWindow(popup);
}

TEST_F(ExternalChanges, DesktopClickEndsThePopupAndKeepsTheActivation)
{
    HWND owner = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    HWND popup = openPopup(owner);
    backend().desktopClicked();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetActiveWindow(), owner);
    ExpectSequence({On(popup, WM_CANCELMODE), On(popup, WM_CAPTURECHANGED)}, nullptr, "click on the bare desktop");
    DestroyWindow(popup);
}

TEST_F(ExternalChanges, CloseRequestEndsTrackingFirstThenClosesAtOnce)
{
    HWND owner = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    HWND popup = openPopup(owner);
    Recorder::instance().ignore({WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS, WM_WINDOWPOSCHANGING,
                                 WM_WINDOWPOSCHANGED, WM_NCDESTROY, WM_SHOWWINDOW, WM_GETICON});
    backend().managerCloses(owner);
    Pump();
    EXPECT_FALSE(IsWindow(owner));
    ExpectSequence({On(popup, WM_CANCELMODE), On(popup, WM_CAPTURECHANGED), On(popup, Step(WM_NULL, Posted)),
                    On(owner, W(WM_SYSCOMMAND, SC_CLOSE, Posted)), On(owner, WM_CLOSE), On(owner, WM_DESTROY)},
                   nullptr, "close through the manager with a pop-up open");
    DestroyWindow(popup);
}
