// GetWindowPlacement / SetWindowPlacement: the restored rectangle survives
// minimizing and maximizing, and setting a placement moves, minimizes,
// maximizes or restores the window.

#include "WindowTestSupport.h"

using namespace windowtest;

namespace {

class WindowPlacement : public WindowTest {
protected:
    WINDOWPLACEMENT placementOf(HWND hwnd)
    {
        WINDOWPLACEMENT p;
        p.length = 0; // ignored when reading
        EXPECT_TRUE(GetWindowPlacement(hwnd, &p));
        EXPECT_EQ(p.length, sizeof(WINDOWPLACEMENT));
        return p;
    }
    RECT windowRect(HWND hwnd)
    {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return r;
    }
};

TEST_F(WindowPlacement, NormalRectangleIsKeptWhileMinimizedOrMaximized)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 120, 400, 320});
    const RECT normal{100, 120, 400, 320};
    WINDOWPLACEMENT p = placementOf(hwnd);
    EXPECT_EQ(p.showCmd, UINT(SW_SHOWNORMAL));
    EXPECT_EQ(p.rcNormalPosition, normal);

    ShowWindow(hwnd, SW_MAXIMIZE);
    p = placementOf(hwnd);
    EXPECT_EQ(p.showCmd, UINT(SW_SHOWMAXIMIZED));
    EXPECT_EQ(p.rcNormalPosition, normal);
    EXPECT_NE(windowRect(hwnd), normal);

    ShowWindow(hwnd, SW_MINIMIZE);
    p = placementOf(hwnd);
    EXPECT_EQ(p.showCmd, UINT(SW_SHOWMINIMIZED));
    EXPECT_EQ(p.flags, WPF_RESTORETOMAXIMIZED) << "minimized from maximized";
    EXPECT_EQ(p.rcNormalPosition, normal);
    EXPECT_EQ(p.ptMinPosition.x, windowRect(hwnd).left);

    ShowWindow(hwnd, SW_RESTORE); // back to maximized
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_EQ(windowRect(hwnd), normal);
}

TEST_F(WindowPlacement, RectanglesAreRelativeToTheWorkArea)
{
    backend().setWorkArea(RECT{0, 30, 1280, 800});
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 130, 300, 330});
    EXPECT_EQ(placementOf(hwnd).rcNormalPosition, (RECT{100, 100, 300, 300}));

    WINDOWPLACEMENT p = placementOf(hwnd);
    p.rcNormalPosition = RECT{10, 10, 210, 110};
    ASSERT_TRUE(SetWindowPlacement(hwnd, &p));
    EXPECT_EQ(windowRect(hwnd), (RECT{10, 40, 210, 140}));
}

TEST_F(WindowPlacement, SettingAPlacementAppliesStateAndNormalRectangle)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    WINDOWPLACEMENT p = placementOf(hwnd);

    // Minimized with a new normal rectangle: restoring goes there.
    p.showCmd = SW_SHOWMINIMIZED;
    p.rcNormalPosition = RECT{50, 60, 250, 200};
    ASSERT_TRUE(SetWindowPlacement(hwnd, &p));
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_EQ(placementOf(hwnd).rcNormalPosition, p.rcNormalPosition);
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_EQ(windowRect(hwnd), p.rcNormalPosition);

    // Maximized: the normal rectangle given, not the old one, is remembered.
    p.showCmd = SW_SHOWMAXIMIZED;
    p.rcNormalPosition = RECT{200, 200, 500, 450};
    ASSERT_TRUE(SetWindowPlacement(hwnd, &p));
    EXPECT_TRUE(IsZoomed(hwnd));
    EXPECT_EQ(placementOf(hwnd).rcNormalPosition, p.rcNormalPosition);

    // Normal from maximized: the window comes back at the given rectangle.
    p.showCmd = SW_SHOWNORMAL;
    p.rcNormalPosition = RECT{20, 30, 220, 230};
    ASSERT_TRUE(SetWindowPlacement(hwnd, &p));
    EXPECT_FALSE(IsZoomed(hwnd));
    EXPECT_EQ(windowRect(hwnd), p.rcNormalPosition);

    // Minimized but restoring to maximized.
    p.showCmd = SW_SHOWMINIMIZED;
    p.flags = WPF_RESTORETOMAXIMIZED;
    ASSERT_TRUE(SetWindowPlacement(hwnd, &p));
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_TRUE(IsZoomed(hwnd));

    p.showCmd = SW_HIDE;
    ASSERT_TRUE(SetWindowPlacement(hwnd, &p));
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(WindowPlacement, BadCallsFailWithoutTouchingTheWindow)
{
    HWND hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
    WINDOWPLACEMENT p = placementOf(hwnd);
    p.rcNormalPosition = RECT{0, 0, 50, 50};
    p.length = 12;
    EXPECT_FALSE(SetWindowPlacement(hwnd, &p));
    EXPECT_EQ(windowRect(hwnd), (RECT{100, 100, 400, 300}));
    EXPECT_FALSE(SetWindowPlacement(hwnd, nullptr));
    EXPECT_FALSE(GetWindowPlacement(hwnd, nullptr));
    DestroyWindow(hwnd);
    EXPECT_FALSE(GetWindowPlacement(hwnd, &p));
    p.length = sizeof(WINDOWPLACEMENT);
    EXPECT_FALSE(SetWindowPlacement(hwnd, &p));
}

TEST_F(WindowPlacement, ChildWindowsUseParentCoordinates)
{
    HWND top = createTop(WS_POPUP | WS_VISIBLE, RECT{100, 100, 500, 400});
    HWND child = createChild(top, RECT{10, 20, 110, 80}, WS_CHILD | WS_VISIBLE | WS_CAPTION);
    EXPECT_EQ(placementOf(child).rcNormalPosition, (RECT{10, 20, 110, 80}));
    ShowWindow(child, SW_MINIMIZE);
    EXPECT_EQ(placementOf(child).rcNormalPosition, (RECT{10, 20, 110, 80}));
}

} // namespace
