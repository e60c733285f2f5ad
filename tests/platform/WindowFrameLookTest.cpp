// The classic frame as DefWindowProc paints it: caption buttons that follow
// the held mouse, repaints on activation and title changes, the WM_NCPAINT
// region, the system keys, and a gallery picture of the frames.

#include "WindowTestSupport.h"

#include "platform/chrome/DefFrame.h"
#include "platform/Gdi.h"
#include "platform/images/PngIo.h"
#include "platform/RectMath.h"

#include <algorithm>
#include <filesystem>
#include <functional>

using namespace windowtest;

namespace {

Pixel opaque(COLORREF c)
{
    return 0xFF000000u | (Pixel(GetRValue(c)) << 16) | (Pixel(GetGValue(c)) << 8) | Pixel(GetBValue(c));
}

class FrameLook : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        hwnd = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{100, 100, 400, 300});
        Pump();
        ignoreFrameNoise();
        Recorder::instance().clear();
    }
    void TearDown() override
    {
        paintStages.clear();
        WindowTest::TearDown();
    }
    static void ignoreFrameNoise()
    {
        Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_NCMOUSEMOVE, WM_MOUSEMOVE, WM_PAINT,
                                     WM_ERASEBKGND, WM_NCPAINT, WM_GETMINMAXINFO, WM_NCCALCSIZE,
                                     WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE,
                                     WM_ACTIVATEAPP, WM_KILLFOCUS, WM_SETFOCUS, WM_MOUSEACTIVATE, WM_GETTEXT});
    }

    static FrameLayout layoutOf(HWND h) { return ComputeFrameLayout(*LookupWindow(h)); }
    static RECT buttonRect(HWND h, LRESULT hit) { return CaptionButtonRect(layoutOf(h), hit); }
    static POINT onScreen(HWND h, const RECT& part)
    {
        RECT r;
        GetWindowRect(h, &r);
        return POINT{r.left + (part.left + part.right) / 2, r.top + (part.top + part.bottom) / 2};
    }
    // The window's own pixels, window coordinates.
    static Pixel pixel(HWND h, int x, int y) { return LookupWindow(h)->surface->row(y)[x]; }
    static std::vector<Pixel> pixels(HWND h, const RECT& part)
    {
        std::vector<Pixel> out;
        for (int y = part.top; y < part.bottom; ++y)
            for (int x = part.left; x < part.right; ++x)
                out.push_back(pixel(h, x, y));
        return out;
    }
    static void fillSurface(HWND h, Pixel value)
    {
        PixelBuffer& s = *LookupWindow(h)->surface;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                s.row(y)[x] = value;
    }
    RECT clientInWindow(HWND h) const
    {
        Window* w = LookupWindow(h);
        return Offset(w->client, -w->window.left, -w->window.top);
    }

    // Runs one stage each time the tracking loop runs dry and paints: a
    // stage looks at the frame and injects the next input. Every stage but
    // the last asks for another paint.
    void runPressScript(POINT press, std::vector<std::function<void()>> stages)
    {
        paintStages = std::move(stages);
        stageIndex = 0;
        Recorder::instance().answer = [this](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (msg != WM_PAINT || h != hwnd)
                return std::nullopt;
            PAINTSTRUCT ps;
            BeginPaint(h, &ps);
            EndPaint(h, &ps);
            if (stageIndex < paintStages.size()) {
                std::size_t current = stageIndex++;
                paintStages[current]();
                if (stageIndex < paintStages.size())
                    InvalidateRect(h, nullptr, FALSE);
            }
            return 0;
        };
        backend().mouseMove(press.x, press.y);
        backend().mouseDown();
        InvalidateRect(hwnd, nullptr, FALSE);
        Pump();
        Recorder::instance().answer = nullptr;
        EXPECT_EQ(stageIndex, paintStages.size()) << "the loop ended before every stage ran";
    }

    HWND hwnd = nullptr;
    std::vector<std::function<void()>> paintStages;
    std::size_t stageIndex = 0;
};

TEST_F(FrameLook, CloseButtonShowsPushedOnlyWhileThePointerIsOverIt)
{
    RECT close = buttonRect(hwnd, HTCLOSE);
    POINT inside = onScreen(hwnd, close), outside{200, 110};
    std::vector<Pixel> normal = pixels(hwnd, close);
    runPressScript(inside, {
        [&] {
            EXPECT_NE(pixels(hwnd, close), normal) << "pressed: pushed";
            backend().mouseMove(outside.x, outside.y);
        },
        [&] {
            EXPECT_EQ(pixels(hwnd, close), normal) << "moved out: normal";
            backend().mouseMove(inside.x, inside.y);
        },
        [&] {
            EXPECT_NE(pixels(hwnd, close), normal) << "moved back in: pushed";
            backend().mouseUp();
        },
    });
    ExpectSequence({W(WM_NCLBUTTONDOWN, HTCLOSE, Posted), WM_CAPTURECHANGED, W(WM_SYSCOMMAND, SC_CLOSE), WM_CLOSE,
                    WM_DESTROY, WM_NCDESTROY},
                   hwnd, "close pressed, out, in, released");
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(FrameLook, MinimizeActsOnceAndOnlyWhenReleasedOverTheButton)
{
    RECT minimize = buttonRect(hwnd, HTMINBUTTON);
    POINT inside = onScreen(hwnd, minimize), outside{inside.x, inside.y + 40};
    std::vector<Pixel> normal = pixels(hwnd, minimize);
    runPressScript(inside, {[&] {
        backend().mouseMove(outside.x, outside.y);
        backend().mouseUp();
    }});
    ExpectSequence({W(WM_NCLBUTTONDOWN, HTMINBUTTON, Posted), WM_CAPTURECHANGED}, hwnd, "released outside");
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_EQ(pixels(hwnd, minimize), normal) << "released outside: drawn normal again";
    EXPECT_EQ(GetCapture(), nullptr);

    // The second press follows at once: a double click, which a button takes as a press.
    runPressScript(inside, {
        [&] { backend().mouseMove(outside.x, outside.y); },
        [&] {
            backend().mouseMove(inside.x + 1, inside.y);
            backend().mouseUp();
        },
    });
    ExpectSequence({W(WM_NCLBUTTONDBLCLK, HTMINBUTTON, Posted), WM_CAPTURECHANGED, W(WM_SYSCOMMAND, SC_MINIMIZE),
                    WM_MOVE, W(WM_SIZE, SIZE_MINIMIZED)},
                   hwnd, "out, in, released inside");
    EXPECT_TRUE(IsIconic(hwnd));
}

TEST_F(FrameLook, GreyedButtonIsDrawnDifferentlyAndDoesNothing)
{
    HWND noMaximize = createTop((WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX) | WS_VISIBLE, RECT{500, 100, 800, 300});
    Pump();
    Recorder::instance().clear();
    RECT greyed = buttonRect(noMaximize, HTMAXBUTTON);
    ASSERT_FALSE(IsEmpty(greyed)) << "the maximize box stays, greyed, beside a minimize box";
    EXPECT_NE(pixels(noMaximize, greyed), pixels(hwnd, buttonRect(hwnd, HTMAXBUTTON)));
    POINT p = onScreen(noMaximize, greyed);
    backend().click(p.x, p.y);
    Pump();
    ExpectSequence({W(WM_NCLBUTTONDOWN, HTMAXBUTTON, Posted), W(WM_NCLBUTTONUP, HTMAXBUTTON, Posted)}, noMaximize,
                   "greyed maximize");
    EXPECT_FALSE(IsZoomed(noMaximize));
}

TEST_F(FrameLook, ActivationRepaintsTheCaptionAndLeavesTheClientAlone)
{
    FrameLayout f = layoutOf(hwnd);
    RECT client = clientInWindow(hwnd);
    Pixel clientBefore = pixel(hwnd, client.left + 5, client.top + 5);
    ASSERT_EQ(GetActiveWindow(), hwnd);
    EXPECT_EQ(pixel(hwnd, f.caption.left, f.caption.top), opaque(GetSysColor(COLOR_ACTIVECAPTION)));
    EXPECT_EQ(pixel(hwnd, f.caption.right - 1, f.caption.top), opaque(GetSysColor(COLOR_GRADIENTACTIVECAPTION)))
        << "a gradient towards the buttons";

    EXPECT_EQ(SendMessage(hwnd, WM_NCACTIVATE, FALSE, 0), TRUE);
    EXPECT_EQ(pixel(hwnd, f.caption.left, f.caption.top), opaque(GetSysColor(COLOR_INACTIVECAPTION)));
    EXPECT_EQ(pixel(hwnd, f.caption.right - 1, f.caption.top), opaque(GetSysColor(COLOR_GRADIENTINACTIVECAPTION)));
    EXPECT_EQ(pixel(hwnd, client.left + 5, client.top + 5), clientBefore);

    HWND other = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{500, 100, 800, 300});
    Pump();
    SetActiveWindow(hwnd);
    EXPECT_EQ(pixel(hwnd, f.caption.left, f.caption.top), opaque(GetSysColor(COLOR_ACTIVECAPTION)));
    EXPECT_EQ(pixel(other, f.caption.left, f.caption.top), opaque(GetSysColor(COLOR_INACTIVECAPTION)));
}

TEST_F(FrameLook, NewTitleIsPaintedAtOnceAndLongTitlesStopBeforeTheButtons)
{
    FrameLayout f = layoutOf(hwnd);
    RECT title{f.systemMenu.right + 2, f.caption.top, f.minimizeButton.left - 2, f.caption.bottom - 1};
    RECT buttons{f.minimizeButton.left, f.caption.top, f.caption.right, f.caption.bottom};
    SetWindowText(hwnd, "");
    std::vector<Pixel> empty = pixels(hwnd, title);
    std::vector<Pixel> buttonsBefore = pixels(hwnd, buttons);
    SetWindowText(hwnd, "Clatterbox");
    std::vector<Pixel> shortTitle = pixels(hwnd, title);
    EXPECT_NE(shortTitle, empty) << "painted without waiting for a message";
    std::size_t white = std::count(shortTitle.begin(), shortTitle.end(), opaque(GetSysColor(COLOR_CAPTIONTEXT)));
    EXPECT_GT(white, 20u) << "the title in the caption text colour";
    SetWindowText(hwnd, std::string(200, 'W').c_str());
    EXPECT_EQ(pixels(hwnd, buttons), buttonsBefore) << "the title never runs under the buttons";
    EXPECT_NE(pixels(hwnd, title), shortTitle);
}

TEST_F(FrameLook, NcPaintRegionLimitsThePaintAndTheClientIsNeverTouched)
{
    const Pixel marker = 0xFFFF00FFu;
    FrameLayout f = layoutOf(hwnd);
    RECT client = clientInWindow(hwnd);
    RECT window;
    GetWindowRect(hwnd, &window);
    const int middle = Height(window) / 2;
    fillSurface(hwnd, marker);
    HRGN caption = CreateRectRgn(window.left + f.caption.left, window.top + f.caption.top,
                                 window.left + f.caption.right, window.top + f.caption.bottom);
    SendMessage(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(caption), 0);
    EXPECT_NE(pixel(hwnd, f.caption.left + 30, f.caption.top + 1), marker) << "inside the region";
    EXPECT_EQ(pixel(hwnd, 0, middle), marker) << "outside the region";
    RECT box;
    EXPECT_NE(GetRgnBox(caption, &box), ERROR) << "the sender's region survives";
    DeleteObject(caption);

    SendMessage(hwnd, WM_NCPAINT, 1, 0);
    EXPECT_EQ(pixel(hwnd, 0, middle), opaque(GetSysColor(COLOR_3DLIGHT)));
    EXPECT_EQ(pixel(hwnd, 1, middle), opaque(GetSysColor(COLOR_3DHIGHLIGHT)));
    EXPECT_EQ(pixel(hwnd, Width(window) - 1, middle), opaque(GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(pixel(hwnd, Width(window) - 2, middle), opaque(GetSysColor(COLOR_3DSHADOW)));
    for (int y = client.top; y < client.bottom; y += 7)
        for (int x = client.left; x < client.right; x += 7)
            ASSERT_EQ(pixel(hwnd, x, y), marker) << "client pixel " << x << "," << y;
    EXPECT_EQ(pixel(hwnd, client.left - 1, client.top - 1), opaque(GetSysColor(COLOR_ACTIVEBORDER)));
}

TEST_F(FrameLook, SystemKeys)
{
    backend().keyDown(VK_MENU);
    backend().pressKey(VK_SPACE);
    backend().keyUp(VK_MENU);
    Pump();
    std::vector<Recorded> commands;
    for (const Recorded& r : Recorder::instance().trace())
        if (r.msg == WM_SYSCOMMAND)
            commands.push_back(r);
    ASSERT_EQ(commands.size(), 1u) << Recorder::instance().describe();
    EXPECT_EQ(commands[0].wParam, SC_KEYMENU);
    EXPECT_EQ(commands[0].lParam, ' ');
    EXPECT_EQ(SendMessage(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU, 0), 0);
    EXPECT_TRUE(IsWindow(hwnd)) << "no system menu: the keys do nothing harmful";

    Recorder::instance().clear();
    backend().keyDown(VK_MENU);
    backend().pressKey(VK_F4);
    backend().keyUp(VK_MENU);
    Pump();
    ExpectSequence({W(WM_SYSKEYDOWN, VK_MENU, Posted), W(WM_SYSKEYDOWN, VK_F4, Posted),
                    W(WM_SYSCOMMAND, SC_CLOSE, Posted), WM_CLOSE, WM_DESTROY, WM_NCDESTROY},
                   hwnd, "Alt+F4");
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(FrameLook, Gallery)
{
    DestroyWindow(hwnd);
    HWND inactive = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 340, 200});
    SetWindowText(inactive, "Inactive window");
    HWND dialog = createTop(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, RECT{380, 40, 640, 200}, nullptr,
                            WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP);
    SetWindowText(dialog, "Dialog frame with help");
    HWND tool = createTop(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, RECT{680, 40, 880, 200}, nullptr,
                          WS_EX_TOOLWINDOW);
    SetWindowText(tool, "Tool window");
    HWND edged = createTop(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VSCROLL | WS_HSCROLL
                               | WS_THICKFRAME | WS_VISIBLE,
                           RECT{40, 240, 340, 420}, nullptr, WS_EX_CLIENTEDGE);
    SetWindowText(edged, "A title far too long to fit beside the buttons");
    HWND active = createTop(WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{380, 240, 880, 460});
    SetWindowText(active, "Clatterbox - active, sizeable");
    Pump();
    SetActiveWindow(active);
    Pump();

    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeScreenPng(std::string(BRIO_TEST_OUTPUT_DIR) + "/frame-gallery.png");

    for (HWND h : {active, inactive, dialog, tool, edged}) {
        SCOPED_TRACE(Recorder::instance().nameOf(h));
        FrameLayout f = layoutOf(h);
        bool isActive = h == active;
        EXPECT_EQ(pixel(h, f.caption.left, f.caption.top),
                  opaque(GetSysColor(isActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION)));
        RECT title = f.caption;
        title.left = IsEmpty(f.systemMenu) ? title.left : f.systemMenu.right;
        title.right = f.closeButton.left;
        std::vector<Pixel> titlePixels = pixels(h, title);
        Pixel textColor = opaque(GetSysColor(isActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        EXPECT_GT(std::count(titlePixels.begin(), titlePixels.end(), textColor), 10) << "title text present";
        RECT client = clientInWindow(h);
        EXPECT_EQ(pixel(h, (client.left + client.right) / 2, (client.top + client.bottom) / 2),
                  opaque(GetSysColor(COLOR_WINDOW)));
    }
    EXPECT_FALSE(IsEmpty(layoutOf(dialog).helpButton));
    EXPECT_TRUE(IsEmpty(layoutOf(dialog).systemMenu)) << "a modal dialog frame has no icon";
}

} // namespace
