// Painting: synthesis order, update regions, erase marks, and what clips
// drawing (children, siblings, window regions).

#include "WindowTestSupport.h"

#include "platform/gdi/DeviceContext.h"

#include <map>

using namespace windowtest;

namespace {

class WindowPaint : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Recorder::instance().answer = [this](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (msg != WM_PAINT || !colors.count(hwnd))
                return std::nullopt;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            lastPaint[hwnd] = ps.rcPaint;
            RECT client;
            GetClientRect(hwnd, &client);
            HBRUSH brush = CreateSolidBrush(colors[hwnd]);
            FillRect(dc, &client, brush); // the DC keeps it inside the update region
            DeleteObject(brush);
            EndPaint(hwnd, &ps);
            return 0;
        };
    }

    Pixel screenAt(int x, int y) { return backend().composeScreen()->at(x, y) & 0xFFFFFF; }

    std::map<HWND, COLORREF> colors;
    std::map<HWND, RECT> lastPaint;
};

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

Pixel rgb(COLORREF c)
{
    return PixelFromColorRef(c) & 0xFFFFFF;
}

TEST_F(WindowPaint, ParentsPaintBeforeTheirChildren)
{
    HWND top = createTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    HWND child = createChild(top, RECT{10, 10, 40, 40});
    Recorder& r = Recorder::instance();
    r.name(top, "top");
    r.name(child, "child");
    Pump();
    r.clear();
    // Without WS_CLIPCHILDREN the parent's invalidation reaches its children.
    InvalidateRect(top, nullptr, TRUE);
    Pump();
    ExpectSequence({On(top, Step(WM_PAINT, Posted)), On(top, WM_ERASEBKGND), On(child, Step(WM_PAINT, Posted)),
                    On(child, WM_ERASEBKGND)},
                   nullptr, "paint order");
    // Invalidated without erase: no WM_ERASEBKGND.
    InvalidateRect(child, nullptr, FALSE);
    Pump();
    ExpectSequence({On(child, Step(WM_PAINT, Posted))}, nullptr, "no erase");
}

TEST_F(WindowPaint, BeginPaintValidatesAndClipsToTheUpdateRegion)
{
    HWND top = createTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    Pump();
    colors[top] = kRed;
    RECT small{20, 30, 25, 40};
    InvalidateRect(top, &small, FALSE);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(update, small);
    Pump();
    EXPECT_EQ(lastPaint[top], small);
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(screenAt(22, 35), rgb(kRed));
    EXPECT_NE(screenAt(19, 35), rgb(kRed));
    EXPECT_NE(screenAt(22, 41), rgb(kRed));
    // Validated parts need no painting.
    InvalidateRect(top, nullptr, FALSE);
    ValidateRect(top, nullptr);
    Recorder::instance().clear();
    Pump();
    ExpectSequence({}, top, "validated");
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    InvalidateRect(top, &small, FALSE);
    EXPECT_EQ(GetUpdateRgn(top, rgn, FALSE), SIMPLEREGION);
    DeleteObject(rgn);
}

TEST_F(WindowPaint, RegionsInvalidateAndValidateTheirOwnShape)
{
    HWND top = createTop(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    Pump();
    colors[top] = kGreen;
    // An L shape: two rectangles, whose bounding box is not all to be painted.
    HRGN shape = CreateRectRgn(10, 10, 50, 20);
    HRGN foot = CreateRectRgn(10, 20, 20, 60);
    CombineRgn(shape, shape, foot, RGN_OR);
    EXPECT_TRUE(InvalidateRgn(top, shape, FALSE));
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetUpdateRgn(top, update, FALSE), COMPLEXREGION);
    EXPECT_TRUE(EqualRgn(update, shape));
    // Validating the foot leaves the bar.
    EXPECT_TRUE(ValidateRgn(top, foot));
    RECT pending;
    EXPECT_TRUE(GetUpdateRect(top, &pending, FALSE));
    EXPECT_EQ(pending, (RECT{10, 10, 50, 20}));
    EXPECT_TRUE(InvalidateRgn(top, foot, FALSE));
    Pump();
    EXPECT_EQ(screenAt(45, 15), rgb(kGreen));
    EXPECT_EQ(screenAt(15, 55), rgb(kGreen));
    EXPECT_NE(screenAt(45, 55), rgb(kGreen)) << "inside the box, outside the shape";
    EXPECT_FALSE(GetUpdateRect(top, &pending, FALSE));

    // A null region means the whole client area; a dead one is refused.
    EXPECT_TRUE(InvalidateRgn(top, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(top, &pending, FALSE));
    EXPECT_EQ(pending, (RECT{0, 0, 100, 100}));
    EXPECT_TRUE(ValidateRgn(top, nullptr));
    EXPECT_FALSE(GetUpdateRect(top, &pending, FALSE));
    HRGN dead = CreateRectRgn(0, 0, 5, 5);
    DeleteObject(dead);
    EXPECT_FALSE(InvalidateRgn(top, dead, FALSE));
    EXPECT_FALSE(ValidateRgn(top, dead));
    EXPECT_FALSE(GetUpdateRect(top, &pending, FALSE));
    for (HRGN r : {shape, foot, update})
        DeleteObject(r);
}

TEST_F(WindowPaint, RedrawWindowFlags)
{
    HWND top = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 200, 150});
    HWND child = createChild(top, RECT{10, 10, 40, 40});
    Pump();
    Recorder& r = Recorder::instance();
    r.name(top, "top");
    r.name(child, "child");
    r.clear();
    // WS_CLIPCHILDREN keeps the children out unless asked for.
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ExpectSequence({On(top, WM_PAINT)}, nullptr, "update now, sent");
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ExpectSequence({On(top, WM_NCPAINT), On(top, WM_PAINT), On(top, WM_ERASEBKGND), On(child, WM_PAINT),
                    On(child, WM_ERASEBKGND)},
                   nullptr, "frame, erase, children");
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    ExpectSequence({On(top, WM_ERASEBKGND)}, nullptr, "erase now");
    Pump();
    ExpectSequence({On(top, Step(WM_PAINT, Posted))}, nullptr, "paint follows");
    // UpdateWindow paints only what waits.
    UpdateWindow(top);
    ExpectSequence({}, nullptr, "nothing to update");
}

TEST_F(WindowPaint, ChildrenAndSiblingsClipEachOther)
{
    HWND top = createTop(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 120, 120});
    HWND lower = createChild(top, RECT{10, 10, 60, 60}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    HWND upper = createChild(top, RECT{40, 40, 90, 90}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    colors[top] = kRed;
    colors[lower] = kBlue;
    colors[upper] = kGreen;
    Pump();
    EXPECT_EQ(screenAt(5, 5), rgb(kRed));
    EXPECT_EQ(screenAt(20, 20), rgb(kBlue));
    EXPECT_EQ(screenAt(50, 50), rgb(kGreen)) << "the upper sibling stays on top";
    EXPECT_EQ(screenAt(80, 80), rgb(kGreen));
    // The parent repaints around its children.
    InvalidateRect(top, nullptr, FALSE);
    InvalidateRect(lower, nullptr, FALSE);
    Pump();
    EXPECT_EQ(screenAt(20, 20), rgb(kBlue));
    EXPECT_EQ(screenAt(50, 50), rgb(kGreen));

    // A window region limits both drawing and hit testing.
    HWND shaped = createChild(top, RECT{0, 90, 30, 120});
    colors[shaped] = kBlue;
    SetWindowRgn(shaped, CreateRectRgn(0, 0, 10, 30), TRUE);
    Pump();
    EXPECT_EQ(screenAt(5, 100), rgb(kBlue));
    EXPECT_EQ(screenAt(20, 100), rgb(kRed));
    EXPECT_EQ(WindowFromPoint(POINT{5, 100}), shaped);
    EXPECT_EQ(WindowFromPoint(POINT{20, 100}), top);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(shaped, copy), SIMPLEREGION);
    DeleteObject(copy);
}

TEST_F(WindowPaint, HiddenWindowsHaveNothingToPaintAndDcsDrawNowhere)
{
    HWND top = createTop(WS_POPUP, RECT{0, 0, 50, 50});
    InvalidateRect(top, nullptr, TRUE);
    Recorder::instance().clear();
    EXPECT_EQ(Pump(), 0);
    HDC dc = GetDC(top);
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
    EXPECT_EQ(WindowFromDC(dc), top);
    EXPECT_EQ(ReleaseDC(top, dc), 1);
    EXPECT_EQ(ReleaseDC(top, dc), 0);
    ShowWindow(top, SW_SHOWNA);
    dc = GetWindowDC(top);
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 50, 50}));
    ReleaseDC(top, dc);
}

} // namespace
