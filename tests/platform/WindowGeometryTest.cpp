// Geometry: SetWindowPos and its flags, frame changes, z-order, placement,
// coordinates and the window tree.

#include "WindowTestSupport.h"

#include <cstring>
#include <string>

using namespace windowtest;

namespace {

class WindowGeometry : public WindowTest {};

TEST_F(WindowGeometry, SetWindowPosSendsWhatEachFlagAllows)
{
    HWND top = createTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 300});
    HWND child = createChild(top, RECT{10, 10, 60, 60});
    Pump();
    Recorder& r = Recorder::instance();
    r.ignore({WM_PAINT, WM_ERASEBKGND, WM_NCPAINT, WM_CHILDACTIVATE});
    r.clear();
    const UINT quiet = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(child, nullptr, 20, 30, 0, 0, quiet | SWP_NOSIZE);
    ExpectSequence({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WL(WM_MOVE, 0, MAKELPARAM(20, 30))}, child, "move");
    SetWindowPos(child, nullptr, 0, 0, 70, 80, quiet | SWP_NOMOVE);
    ExpectSequence({WM_WINDOWPOSCHANGING, W(WM_NCCALCSIZE, TRUE), WM_WINDOWPOSCHANGED,
                    WL(WM_SIZE, SIZE_RESTORED, MAKELPARAM(70, 80))},
                   child, "size");
    SetWindowPos(child, nullptr, 0, 0, 0, 0, quiet | SWP_NOMOVE | SWP_NOSIZE);
    ExpectSequence({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}, child, "nothing changes");
    SetWindowPos(child, nullptr, 0, 0, 0, 0, quiet | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    ExpectSequence({WM_WINDOWPOSCHANGING, W(WM_NCCALCSIZE, TRUE), WM_WINDOWPOSCHANGED}, child, "frame changed");
    SetWindowPos(child, nullptr, 5, 5, 0, 0, quiet | SWP_NOSIZE | SWP_NOSENDCHANGING);
    ExpectSequence({WM_WINDOWPOSCHANGED, WM_MOVE}, child, "no changing");
    SetWindowPos(child, nullptr, 0, 0, 0, 0, quiet | SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    EXPECT_FALSE(IsWindowVisible(child));
    SetWindowPos(child, nullptr, 0, 0, 0, 0, quiet | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    EXPECT_TRUE(IsWindowVisible(child));
    ExpectSequence({WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}, child,
                   "hide and show");
    RECT rect;
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect, (RECT{5, 5, 75, 85}));
}

TEST_F(WindowGeometry, WindowPosChangingHandlerAndNcCalcSizeHaveTheirSay)
{
    HWND hwnd = createTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    Pump();
    Recorder::instance().answer = [](HWND, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_WINDOWPOSCHANGING) {
            auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(wp->flags & SWP_NOSIZE))
                wp->cx = std::min(wp->cx, 150); // a size limit, as a skinned form keeps one
            return 0;
        }
        if (msg == WM_NCCALCSIZE && wParam) {
            // A component that draws its own frame: a 5 pixel band on top.
            reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0].top += 5;
            return 0;
        }
        return std::nullopt;
    };
    SetWindowPos(hwnd, nullptr, 0, 0, 400, 120, SWP_NOMOVE | SWP_NOZORDER);
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 0, 150, 120}));
    GetClientRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 0, 150, 115}));
}

TEST_F(WindowGeometry, FrameChangeRecomputesTheClientArea)
{
    HWND hwnd = createTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 100});
    Pump();
    RECT r;
    GetClientRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 0, 200, 100}));
    SetWindowLongPtr(hwnd, GWL_STYLE, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME);
    GetClientRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 0, 200, 100})) << "styles alone change nothing";
    Recorder::instance().clear();
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    GetClientRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 0, 200 - 8, 100 - 8 - 19}));
    ExpectSequence({WM_WINDOWPOSCHANGING, W(WM_NCCALCSIZE, TRUE), WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}, hwnd,
                   "frame changed");
    RECT adjusted{0, 0, 100, 50};
    AdjustWindowRectEx(&adjusted, WS_CAPTION | WS_THICKFRAME, FALSE, 0);
    EXPECT_EQ(adjusted, (RECT{-4, -23, 104, 54}));
    adjusted = RECT{0, 0, 100, 50};
    AdjustWindowRectEx(&adjusted, WS_CAPTION, FALSE, WS_EX_TOOLWINDOW);
    EXPECT_EQ(adjusted, (RECT{-3, -18, 103, 53}));
}

TEST_F(WindowGeometry, ZOrderBandsAndRelations)
{
    HWND a = createTop(WS_POPUP | WS_VISIBLE);
    HWND b = createTop(WS_POPUP | WS_VISIBLE);
    HWND c = createTop(WS_POPUP | WS_VISIBLE);
    auto order = [] {
        std::vector<HWND> v;
        for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
            v.push_back(h);
        return v;
    };
    EXPECT_EQ(order(), (std::vector<HWND>{c, b, a}));
    SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(order(), (std::vector<HWND>{b, a, c}));
    SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(order(), (std::vector<HWND>{a, c, b})) << "topmost stays above";
    EXPECT_TRUE(GetWindowLongPtr(a, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(b, a, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(order(), (std::vector<HWND>{a, b, c})) << "below a, still not topmost";
    SetWindowPos(a, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(GetWindowLongPtr(a, GWL_EXSTYLE) & WS_EX_TOPMOST);

    HWND child1 = createChild(a, RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, 1);
    HWND child2 = createChild(a, RECT{0, 0, 10, 10}, WS_CHILD | WS_VISIBLE, 2);
    HWND grandchild = createChild(child1, RECT{0, 0, 5, 5}, WS_CHILD | WS_VISIBLE, 3);
    EXPECT_EQ(GetWindow(a, GW_CHILD), child2);
    EXPECT_EQ(GetParent(grandchild), child1);
    EXPECT_EQ(GetAncestor(grandchild, GA_ROOT), a);
    EXPECT_EQ(GetAncestor(a, GA_PARENT), GetDesktopWindow());
    EXPECT_TRUE(IsChild(a, grandchild));
    EXPECT_FALSE(IsChild(b, grandchild));
    EXPECT_EQ(GetDlgItem(a, 2), child2);
    static std::vector<HWND> seen;
    seen.clear();
    EnumChildWindows(a, [](HWND h, LPARAM) -> BOOL { seen.push_back(h); return TRUE; }, 0);
    EXPECT_EQ(seen, (std::vector<HWND>{child2, child1, grandchild}));
    EXPECT_EQ(SetParent(child1, b), a);
    EXPECT_TRUE(IsChild(b, grandchild));
    EXPECT_EQ(SetParent(b, grandchild), nullptr) << "no cycles";
    HWND owned = CreateWindowEx(0, kRecordingClass, "owned", WS_POPUP, 0, 0, 10, 10, child2, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), a);
    EXPECT_EQ(GetParent(owned), a);
    DestroyWindow(a);
    EXPECT_FALSE(IsWindow(owned)) << "owned windows go with their owner";
}

TEST_F(WindowGeometry, BringWindowToTopRaisesAndActivates)
{
    HWND a = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND b = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Pump();
    EXPECT_EQ(GetForegroundWindow(), b);
    EXPECT_EQ(GetTopWindow(nullptr), b);
    EXPECT_TRUE(BringWindowToTop(a));
    EXPECT_EQ(GetTopWindow(nullptr), a);
    EXPECT_EQ(GetForegroundWindow(), a);
    EXPECT_EQ(GetActiveWindow(), a);
    DestroyWindow(a);
    EXPECT_NE(GetForegroundWindow(), a) << "a destroyed window is not in the foreground";
    EXPECT_FALSE(BringWindowToTop(a));
}

TEST_F(WindowGeometry, ClassesAnswerByNameAndByWindow)
{
    HWND w = createTop(WS_POPUP);
    char name[64];
    EXPECT_EQ(GetClassName(w, name, sizeof name), int(std::strlen(kRecordingClass)));
    EXPECT_STREQ(name, kRecordingClass);
    char shortName[4];
    EXPECT_EQ(GetClassName(w, shortName, sizeof shortName), 3) << "cut to the buffer, still terminated";
    EXPECT_EQ(std::string(shortName), std::string(kRecordingClass).substr(0, 3));
    EXPECT_EQ(GetClassName(nullptr, name, sizeof name), 0);

    WNDCLASS wc{};
    ASSERT_TRUE(GetClassInfo(nullptr, kRecordingClass, &wc));
    EXPECT_EQ(wc.lpfnWndProc, &RecordingProc);
    EXPECT_TRUE(wc.style & CS_DBLCLKS);
    EXPECT_STREQ(wc.lpszClassName, kRecordingClass);
    EXPECT_FALSE(GetClassInfo(nullptr, "NoSuchClass", &wc));
}

TEST_F(WindowGeometry, MinimizeMaximizeAndRestore)
{
    RECT work{0, 0, 1280, 760};
    SystemParametersInfo(SPI_SETWORKAREA, 0, &work, 0);
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{50, 60, 350, 260});
    Pump();
    Recorder& r = Recorder::instance();
    r.ignore({WM_PAINT, WM_ERASEBKGND, WM_NCPAINT, WM_NCCALCSIZE, WM_GETMINMAXINFO, WM_WINDOWPOSCHANGING,
              WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS, WM_SETFOCUS});
    r.clear();
    ShowWindow(hwnd, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(hwnd));
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect, (RECT{-4, -4, 1284, 764})) << "borders just outside the work area";
    ShowWindow(hwnd, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_FALSE(IsZoomed(hwnd));
    EXPECT_NE(GetActiveWindow(), hwnd);
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_TRUE(IsZoomed(hwnd)) << "back to maximized, as it was before";
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(hwnd));
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect, (RECT{50, 60, 350, 260}));
    ExpectSequence({WM_MOVE, W(WM_SIZE, SIZE_MAXIMIZED), WM_MOVE, WL(WM_SIZE, SIZE_MINIMIZED, 0), WM_MOVE,
                    W(WM_SIZE, SIZE_MAXIMIZED), WM_MOVE, W(WM_SIZE, SIZE_RESTORED)},
                   hwnd, "placement");
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(ShowWindow(hwnd, SW_HIDE));
}

TEST_F(WindowGeometry, CoordinatesMapBetweenWindowsAndScreen)
{
    HWND top = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    HWND child = createChild(top, RECT{10, 20, 110, 120}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p, (POINT{100 + 4 + 10 + 1, 100 + 4 + 19 + 20 + 1}));
    ScreenToClient(top, &p);
    EXPECT_EQ(p, (POINT{11, 21}));
    POINT points[2] = {{0, 0}, {5, 5}};
    MapWindowPoints(child, top, points, 2);
    EXPECT_EQ(points[1], (POINT{16, 26}));
    EXPECT_EQ(WindowFromPoint(POINT{130, 150}), child);
    EXPECT_EQ(WindowFromPoint(POINT{102, 102}), top);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), nullptr);
    EnableWindow(child, FALSE);
    EXPECT_EQ(WindowFromPoint(POINT{130, 150}), top) << "disabled children let the mouse through";
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{15, 25}), child);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{15, 25}, CWP_SKIPDISABLED), top);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{-1, 0}), nullptr);
}

} // namespace
