// Windows and messages: creation and destruction order, stale handles,
// retrieval order, timers, procedure chains and cross-thread posting.

#include "WindowTestSupport.h"

#include "platform/WindowProcedure.h"

#include <chrono>
#include <string>
#include <thread>

using namespace windowtest;

namespace {

class WindowMessages : public WindowTest {};

TEST_F(WindowMessages, CreateVisibleTopLevelInClassicOrder)
{
    HWND top = createTop();
    ASSERT_TRUE(top);
    ExpectSequence({
        WM_GETMINMAXINFO,
        WM_NCCREATE,
        W(WM_NCCALCSIZE, FALSE),
        WM_CREATE,
        W(WM_SIZE, SIZE_RESTORED),
        WM_MOVE,
        W(WM_SHOWWINDOW, TRUE),
        WM_WINDOWPOSCHANGING,
        W(WM_ACTIVATEAPP, TRUE),
        W(WM_NCACTIVATE, TRUE),
        W(WM_ACTIVATE, WA_ACTIVE),
        WM_SETFOCUS,
        WM_WINDOWPOSCHANGED,
    }, top, "create");
    Pump();
    ExpectSequence({Step(WM_PAINT, Posted), WM_NCPAINT, WM_ERASEBKGND}, top, "first paint");
    char text[16];
    EXPECT_EQ(GetWindowText(top, text, sizeof text), 3);
    EXPECT_STREQ(text, "Top");
    RECT client;
    GetClientRect(top, &client);
    // Thick frame 4 on each side, caption 19.
    EXPECT_EQ(client, (RECT{0, 0, 300 - 8, 200 - 8 - 19}));
}

TEST_F(WindowMessages, DestroyGoesParentFirstThenChildrenFirst)
{
    HWND top = createTop(WS_POPUP | WS_VISIBLE);
    HWND child = createChild(top, RECT{10, 10, 50, 50});
    HWND grandchild = createChild(child, RECT{1, 1, 5, 5});
    Recorder& r = Recorder::instance();
    r.name(top, "top");
    r.name(child, "child");
    r.name(grandchild, "grandchild");
    Pump();
    r.clear();
    r.ignore({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS,
              WM_PARENTNOTIFY, WM_SHOWWINDOW});
    EXPECT_TRUE(DestroyWindow(top));
    ExpectSequence({
        On(top, WM_DESTROY),
        On(child, WM_DESTROY),
        On(grandchild, WM_DESTROY),
        On(grandchild, WM_NCDESTROY),
        On(child, WM_NCDESTROY),
        On(top, WM_NCDESTROY),
    }, nullptr, "destroy");
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(grandchild));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowMessages, RefusedCreationLeavesNoWindow)
{
    Recorder& r = Recorder::instance();
    r.answer = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_NCCREATE)
            return FALSE;
        return std::nullopt;
    };
    EXPECT_EQ(createTop(), nullptr);
    ExpectSequence({WM_GETMINMAXINFO, WM_NCCREATE}, nullptr, "WM_NCCREATE refused");

    r.answer = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_CREATE)
            return -1;
        return std::nullopt;
    };
    EXPECT_EQ(createTop(WS_POPUP), nullptr);
    ExpectSequence({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}, nullptr, "WM_CREATE refused");
    EXPECT_EQ(AllWindows().size(), 1u); // the desktop
}

TEST_F(WindowMessages, StaleHandlesAreRefusedAndTheirMessagesDropped)
{
    HWND a = createTop(WS_POPUP);
    EXPECT_TRUE(PostMessage(a, WM_USER, 1, 2));
    DestroyWindow(a);
    Recorder::instance().clear();
    EXPECT_EQ(Pump(), 0);
    EXPECT_TRUE(Recorder::instance().trace().empty());
    EXPECT_FALSE(PostMessage(a, WM_USER, 0, 0));
    EXPECT_EQ(SendMessage(a, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_FALSE(SetWindowPos(a, nullptr, 0, 0, 1, 1, 0));
    // The slot is reused, the handle is not.
    HWND b = createTop(WS_POPUP);
    EXPECT_NE(a, b);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_TRUE(IsWindow(b));
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(std::uintptr_t(0x12345678))));
}

TEST_F(WindowMessages, WindowDestroyedFromItsOwnHandlerIsSafe)
{
    HWND top = createTop(WS_POPUP | WS_VISIBLE);
    HWND child = createChild(top, RECT{0, 0, 20, 20});
    Pump();
    Recorder& r = Recorder::instance();
    r.answer = [&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_USER) {
            DestroyWindow(hwnd == child ? top : hwnd); // the child takes its parent with it
            return 7;
        }
        return std::nullopt;
    };
    r.clear();
    EXPECT_EQ(SendMessage(child, WM_USER, 0, 0), 7);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));

    HWND other = createTop(WS_POPUP | WS_VISIBLE);
    PostMessage(other, WM_USER, 0, 0);
    PostMessage(other, WM_USER + 1, 0, 0);
    r.ignore({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS});
    r.clear();
    Pump();
    ExpectSequence({Step(WM_USER, Posted), WM_DESTROY, WM_NCDESTROY}, other, "destroyed while dispatching");
}

TEST_F(WindowMessages, PostedBeforePaintBeforeTimer)
{
    HWND hwnd = createTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50});
    Pump();
    SetTimer(hwnd, 5, 100, nullptr);
    AdvanceManualClock(100);
    InvalidateRect(hwnd, nullptr, TRUE);
    PostMessage(hwnd, WM_USER, 1, 0);
    PostMessage(hwnd, WM_USER, 2, 0);
    Recorder::instance().clear();
    Pump();
    ExpectSequence({
        W(WM_USER, 1, Posted),
        W(WM_USER, 2, Posted),
        Step(WM_PAINT, Posted),
        WM_ERASEBKGND,
        W(WM_TIMER, 5, Posted),
    }, hwnd, "retrieval order");
    KillTimer(hwnd, 5);
}

TEST_F(WindowMessages, PeekFiltersAndQuit)
{
    HWND hwnd = createTop(WS_POPUP);
    PostMessage(hwnd, WM_USER, 0, 0);
    PostMessage(hwnd, WM_USER + 5, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 5, WM_USER + 5, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 5);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 5, WM_USER + 5, PM_REMOVE));
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_USER + 5, WM_USER + 5, PM_REMOVE));
    EXPECT_FALSE(PeekMessage(&msg, reinterpret_cast<HWND>(std::intptr_t(-1)), 0, 0, PM_NOREMOVE));
    PostQuitMessage(3);
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(GetMessage(&msg, reinterpret_cast<HWND>(std::uintptr_t(0x4444)), 0, 0), -1);
}

TEST_F(WindowMessages, TimersFireOncePerPeriodAndStopWhenKilled)
{
    HWND hwnd = createTop(WS_POPUP);
    Recorder::instance().clear();
    EXPECT_EQ(SetTimer(hwnd, 9, 100, nullptr), 9u);
    AdvanceManualClock(99);
    Pump();
    AdvanceManualClock(1);
    Pump();
    AdvanceManualClock(350); // missed periods are not made up
    Pump();
    EXPECT_TRUE(KillTimer(hwnd, 9));
    EXPECT_FALSE(KillTimer(hwnd, 9));
    AdvanceManualClock(500);
    Pump();
    ExpectSequence({W(WM_TIMER, 9, Posted), W(WM_TIMER, 9, Posted)}, hwnd, "window timer");

    static std::vector<UINT_PTR> fired;
    fired.clear();
    auto callback = [](HWND, UINT, UINT_PTR id, DWORD) {
        fired.push_back(id);
        KillTimer(nullptr, id); // killing itself from inside is fine
    };
    UINT_PTR threadTimer = SetTimer(nullptr, 0, 50, callback);
    EXPECT_NE(threadTimer, 0u);
    AdvanceManualClock(60);
    Pump();
    AdvanceManualClock(60);
    Pump();
    EXPECT_EQ(fired, std::vector<UINT_PTR>{threadTimer});

    // A timer killed between retrieval and dispatch calls nothing.
    UINT_PTR again = SetTimer(nullptr, 0, 50, callback);
    AdvanceManualClock(60);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    KillTimer(nullptr, again);
    DispatchMessage(&msg);
    EXPECT_EQ(fired.size(), 1u);
}

TEST_F(WindowMessages, PostFromAnotherThreadWakesGetMessage)
{
    UseRealClock();
    HWND hwnd = createTop(WS_POPUP);
    DWORD uiThread = GetCurrentThreadId();
    std::thread poster([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        PostMessage(hwnd, WM_USER + 7, 42, 0);
        PostThreadMessage(uiThread, WM_USER + 8, 43, 0);
    });
    MSG msg;
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.hwnd, hwnd);
    EXPECT_EQ(msg.message, WM_USER + 7);
    EXPECT_EQ(msg.wParam, 42u);
    ASSERT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.message, WM_USER + 8);
    poster.join();
    EXPECT_FALSE(PostThreadMessage(uiThread + 1000, WM_USER, 0, 0));
}

// A hook in the style of a subclassing component: it remembers the procedure
// it replaced, and when it is removed while another hook sits above it, it
// stays in the chain and only passes messages on.
struct Hook {
    std::string name;
    std::vector<std::string>* log;
    WNDPROC self = nullptr;
    WNDPROC previous = nullptr;
    bool active = false;

    void attach(HWND hwnd)
    {
        self = MakeWindowProc([this](HWND h, UINT m, WPARAM w, LPARAM l) {
            if (active && m == WM_USER)
                log->push_back(name);
            return CallWindowProc(previous, h, m, w, l);
        });
        previous = reinterpret_cast<WNDPROC>(SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self)));
        active = true;
    }
    void detach(HWND hwnd)
    {
        active = false;
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtr(hwnd, GWLP_WNDPROC)) == self)
            SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
};

TEST_F(WindowMessages, ProcedureChainsAttachRemoveFromTheMiddleAndRestore)
{
    HWND hwnd = createTop(WS_POPUP);
    std::vector<std::string> log;
    Hook a{"A", &log}, b{"B", &log}, c{"C", &log};
    auto original = GetWindowLongPtr(hwnd, GWLP_WNDPROC);
    a.attach(hwnd);
    b.attach(hwnd);
    c.attach(hwnd);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(a.previous), original);
    auto sendAndTake = [&] {
        Recorder::instance().clear();
        SendMessage(hwnd, WM_USER, 0, 0);
        std::vector<std::string> got = log;
        log.clear();
        EXPECT_EQ(Recorder::instance().trace().size(), 1u) << "the message still reaches the window";
        return got;
    };
    EXPECT_EQ(sendAndTake(), (std::vector<std::string>{"C", "B", "A"}));
    b.detach(hwnd); // from the middle: C stays on top
    EXPECT_EQ(sendAndTake(), (std::vector<std::string>{"C", "A"}));
    c.detach(hwnd); // puts B's pass-through back
    EXPECT_EQ(sendAndTake(), (std::vector<std::string>{"A"}));
    a.detach(hwnd);
    EXPECT_EQ(sendAndTake(), std::vector<std::string>{});
    // B's pass-through is still installed; putting the original back directly works too.
    SetWindowLongPtr(hwnd, GWLP_WNDPROC, original);
    EXPECT_EQ(sendAndTake(), std::vector<std::string>{});
    for (Hook* h : {&a, &b, &c})
        FreeWindowProc(h->self);
    // A freed procedure left installed falls back to the default procedure.
    WNDPROC orphan = MakeWindowProc([](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 99; });
    SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(orphan));
    EXPECT_EQ(SendMessage(hwnd, WM_USER, 0, 0), 99);
    FreeWindowProc(orphan);
    EXPECT_EQ(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0), 3);
}

TEST_F(WindowMessages, RightButtonHookTurnsPressIntoRelease)
{
    HWND hwnd = createTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    Pump();
    static WNDPROC saved;
    saved = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
        hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_RBUTTONDOWN) {
                SendMessage(h, WM_RBUTTONUP, w, l);
                return 0;
            }
            return CallWindowProc(saved, h, m, w, l);
        })));
    Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_CONTEXTMENU, WM_MOUSEACTIVATE});
    Recorder::instance().clear();
    backend().mouseMove(10, 20);
    backend().mouseDown(MouseButton::Right);
    Pump();
    backend().mouseUp(MouseButton::Right);
    Pump();
    ExpectSequence({WL(WM_RBUTTONUP, MK_RBUTTON, MAKELPARAM(10, 20)), WL(WM_RBUTTONUP, 0, MAKELPARAM(10, 20), Posted)},
                   hwnd, "right button hook");
}

TEST_F(WindowMessages, TextGoesThroughMessagesAndNeverCutsACharacter)
{
    HWND hwnd = createTop(WS_POPUP);
    Recorder::instance().clear();
    EXPECT_TRUE(SetWindowText(hwnd, "Grüße"));
    EXPECT_EQ(GetWindowTextLength(hwnd), 7);
    char small[4];
    EXPECT_EQ(GetWindowText(hwnd, small, sizeof small), 2); // "Gr", not half of "ü"
    EXPECT_STREQ(small, "Gr");
    ExpectSequence({WM_SETTEXT, WM_GETTEXTLENGTH, W(WM_GETTEXT, 4)}, hwnd, "text");
    EXPECT_EQ(GetWindowText(hwnd, small, 0), 0);
}

} // namespace
