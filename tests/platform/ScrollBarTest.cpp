// The standard scroll bars of a window: their values and clamping, showing
// and hiding with the content, their geometry on screen, the classic look,
// and mouse tracking driven by injected input and the manual clock.

#include "WindowTestSupport.h"

#include "platform/images/PngIo.h"
#include "platform/RectMath.h"

#include <filesystem>

using namespace windowtest;

namespace {

// A frameless 200 x 200 popup at (100, 100): the vertical bar is the
// column x 184..200 of the window, its arrows 16 pixels each, its track
// 168 pixels long.
constexpr RECT kPopup{100, 100, 300, 300};
constexpr int kBarX = 292;      // screen x in the middle of the vertical bar
constexpr int kUpArrowY = 108;  // screen y in the middle of the up arrow
constexpr int kDownArrowY = 292;

struct ScrollEvent {
    WORD code;
    int pos;
    int trackPos; // nTrackPos as the procedure saw it
    DWORD time;
};

class ScrollBars : public WindowTest {
protected:
    void TearDown() override
    {
        SetManualClockSkipsIdleWaits(false);
        WindowTest::TearDown();
    }

    HWND createPopup(DWORD bars = WS_VSCROLL)
    {
        HWND h = createTop(WS_POPUP | WS_VISIBLE | bars, kPopup);
        Pump();
        return h;
    }

    void setBar(HWND h, int bar, int min, int max, UINT page, int pos, UINT extraMask = 0)
    {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | extraMask;
        si.nMin = min;
        si.nMax = max;
        si.nPage = page;
        si.nPos = pos;
        SetScrollInfo(h, bar, &si, TRUE);
    }

    SCROLLINFO info(HWND h, int bar)
    {
        SCROLLINFO si;
        si.fMask = SIF_ALL;
        EXPECT_TRUE(GetScrollInfo(h, bar, &si));
        return si;
    }

    SCROLLBARINFO barInfo(HWND h, LONG object)
    {
        SCROLLBARINFO sbi;
        EXPECT_TRUE(GetScrollBarInfo(h, object, &sbi));
        return sbi;
    }

    // Answers WM_VSCROLL as a window that scrolls by the bar would, and
    // records each request with the clock and the track position.
    void answerScrollsLikeAnApplication(HWND h)
    {
        Recorder::instance().answer = [this, h](HWND hwnd, UINT msg, WPARAM w, LPARAM) -> std::optional<LRESULT> {
            if (hwnd != h || msg != WM_VSCROLL)
                return std::nullopt;
            WORD code = LOWORD(w);
            SCROLLINFO si;
            si.fMask = SIF_ALL;
            GetScrollInfo(hwnd, SB_VERT, &si);
            events.push_back({code, short(HIWORD(w)), si.nTrackPos, GetTickCount()});
            int pos = si.nPos;
            switch (code) {
            case SB_LINEUP: pos -= 1; break;
            case SB_LINEDOWN: pos += 1; break;
            case SB_PAGEUP: pos -= int(si.nPage); break;
            case SB_PAGEDOWN: pos += int(si.nPage); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: pos = si.nTrackPos; break;
            default: break;
            }
            si.fMask = SIF_POS;
            si.nPos = pos;
            SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
            if (onScroll)
                onScroll(code);
            return 0;
        };
    }

    std::vector<WORD> codes() const
    {
        std::vector<WORD> out;
        for (const ScrollEvent& e : events)
            out.push_back(e.code);
        return out;
    }

    std::vector<ScrollEvent> events;
    std::function<void(WORD)> onScroll;
};

TEST_F(ScrollBars, SetScrollInfoCutsThePageToTheRangeAndThePositionToTheLastPage)
{
    HWND h = createPopup();
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 95;
    EXPECT_EQ(SetScrollInfo(h, SB_VERT, &si, FALSE), 90) << "the last page starts at max - page + 1";
    si.fMask = SIF_POS;
    si.nPos = -5;
    EXPECT_EQ(SetScrollInfo(h, SB_VERT, &si, FALSE), 0);
    si.fMask = SIF_PAGE | SIF_POS;
    si.nPage = 0;
    si.nPos = 1000;
    EXPECT_EQ(SetScrollInfo(h, SB_VERT, &si, FALSE), 99) << "without a page the position reaches max";
    si.fMask = SIF_PAGE;
    si.nPage = 500;
    SetScrollInfo(h, SB_VERT, &si, FALSE);
    EXPECT_EQ(info(h, SB_VERT).nPage, 100u) << "page cut to max - min + 1";
    EXPECT_EQ(info(h, SB_VERT).nPos, 0);

    // A shrinking range pulls the position along.
    setBar(h, SB_VERT, 10, 60, 20, 60);
    SCROLLINFO now = info(h, SB_VERT);
    EXPECT_EQ(now.nPos, 41);
    EXPECT_EQ(now.nTrackPos, 41) << "the track position is the position outside a drag";
    EXPECT_EQ(SetScrollPos(h, SB_VERT, 12, FALSE), 41) << "SetScrollPos returns the previous position";
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 12);
    int low = -1, high = -1;
    EXPECT_TRUE(GetScrollRange(h, SB_VERT, &low, &high));
    EXPECT_EQ(low, 10);
    EXPECT_EQ(high, 60);

    // Bad requests change nothing.
    SCROLLINFO bad = si;
    bad.cbSize = 3;
    bad.fMask = SIF_POS;
    bad.nPos = 30;
    EXPECT_EQ(SetScrollInfo(h, SB_VERT, &bad, FALSE), 0);
    bad.cbSize = sizeof(SCROLLINFO);
    bad.fMask = 0x400;
    EXPECT_EQ(SetScrollInfo(h, SB_VERT, &bad, FALSE), 0);
    EXPECT_EQ(SetScrollInfo(h, SB_CTL, &si, FALSE), 0);
    EXPECT_EQ(SetScrollInfo(h, SB_VERT, nullptr, FALSE), 0);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 12);

    // A window that never had the bar has nothing to tell.
    SCROLLINFO none;
    none.fMask = SIF_ALL;
    EXPECT_FALSE(GetScrollInfo(h, SB_HORZ, &none));
    EXPECT_FALSE(GetScrollRange(h, SB_HORZ, &low, &high));
}

TEST_F(ScrollBars, ABarHidesWhenTheContentFitsAndComesBackWhenItDoesNot)
{
    HWND h = createPopup();
    Recorder& r = Recorder::instance();
    r.ignore({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCCALCSIZE});
    r.clear();
    setBar(h, SB_VERT, 0, 99, 100, 0);
    EXPECT_FALSE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
    ExpectSequence({WL(WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 200))}, h, "hidden: the client takes the bar's room");
    EXPECT_TRUE(barInfo(h, OBJID_VSCROLL).rgstate[0] & STATE_SYSTEM_INVISIBLE);

    setBar(h, SB_VERT, 0, 99, 99, 0);
    EXPECT_TRUE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
    ExpectSequence({WL(WM_SIZE, SIZE_RESTORED, MAKELPARAM(184, 200))}, h, "shown again");

    // An empty range hides the bar too.
    SetScrollRange(h, SB_VERT, 5, 5, TRUE);
    EXPECT_FALSE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
    r.clear();

    // Asked to stay, the bar shows disabled, and enables once it is needed.
    setBar(h, SB_VERT, 0, 9, 20, 0, SIF_DISABLENOSCROLL);
    EXPECT_TRUE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
    SCROLLBARINFO sbi = barInfo(h, OBJID_VSCROLL);
    EXPECT_EQ(sbi.rgstate[0], STATE_SYSTEM_UNAVAILABLE);
    EXPECT_TRUE(sbi.rgstate[3] & STATE_SYSTEM_INVISIBLE) << "no thumb on a disabled bar";
    setBar(h, SB_VERT, 0, 99, 20, 0, SIF_DISABLENOSCROLL);
    EXPECT_EQ(barInfo(h, OBJID_VSCROLL).rgstate[0], 0u);
    // Setting only the position never shows or hides.
    ShowScrollBar(h, SB_VERT, FALSE);
    SetScrollPos(h, SB_VERT, 3, TRUE);
    EXPECT_FALSE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ScrollBars, BarInfoGivesScreenRectanglesAndTheThumbAlongTheBar)
{
    HWND h = createTop(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, RECT{100, 100, 400, 300});
    Pump();
    setBar(h, SB_VERT, 0, 99, 10, 45);
    RECT client;
    GetClientRect(h, &client);
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    SCROLLBARINFO v = barInfo(h, OBJID_VSCROLL);
    EXPECT_EQ(v.rcScrollBar, (RECT{origin.x + client.right, origin.y, origin.x + client.right + 16,
                                   origin.y + client.bottom}));
    SCROLLBARINFO horizontal = barInfo(h, OBJID_HSCROLL);
    EXPECT_EQ(horizontal.rcScrollBar, (RECT{origin.x, origin.y + client.bottom, origin.x + client.right,
                                            origin.y + client.bottom + 16}));
    EXPECT_EQ(v.dxyLineButton, 16);

    // In the popup: track 168, thumb 168 * 10 / 100 -> 17, 45 of 90 -> 76 in.
    HWND popup = createPopup();
    setBar(popup, SB_VERT, 0, 99, 10, 45);
    SCROLLBARINFO p = barInfo(popup, OBJID_VSCROLL);
    EXPECT_EQ(p.rcScrollBar, (RECT{284, 100, 300, 300}));
    EXPECT_EQ(p.xyThumbTop, 16 + 76);
    EXPECT_EQ(p.xyThumbBottom, 16 + 76 + 17);
    // A page so small would make a sliver: the thumb stays square.
    setBar(popup, SB_VERT, 0, 9999, 1, 9999);
    p = barInfo(popup, OBJID_VSCROLL);
    EXPECT_EQ(p.xyThumbBottom - p.xyThumbTop, 16);
    EXPECT_EQ(p.xyThumbBottom, 200 - 16) << "the last position puts the thumb at the track's end";

    // Hidden: the client grows and the bar reports itself invisible.
    Recorder::instance().ignore({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED,
                                 WM_NCCALCSIZE});
    Recorder::instance().clear();
    ShowScrollBar(h, SB_BOTH, FALSE);
    EXPECT_TRUE(barInfo(h, OBJID_VSCROLL).rgstate[0] & STATE_SYSTEM_INVISIBLE);
    EXPECT_TRUE(barInfo(h, OBJID_HSCROLL).rgstate[0] & STATE_SYSTEM_INVISIBLE);
    RECT grown;
    GetClientRect(h, &grown);
    EXPECT_EQ(grown.right, client.right + 16);
    EXPECT_EQ(grown.bottom, client.bottom + 16);
    ExpectSequence({WL(WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(grown.right), WORD(grown.bottom)))}, h, "grown");

    SCROLLBARINFO wrongSize;
    wrongSize.cbSize = 4;
    EXPECT_FALSE(GetScrollBarInfo(h, OBJID_VSCROLL, &wrongSize));
    EXPECT_FALSE(GetScrollBarInfo(h, OBJID_CLIENT, &v)) << "the window is no scroll bar control";
}

class ScrollBarMouse : public ScrollBars {
protected:
    void SetUp() override
    {
        ScrollBars::SetUp();
        hwnd = createPopup();
        setBar(hwnd, SB_VERT, 0, 99, 10, 0);
        answerScrollsLikeAnApplication(hwnd);
        Recorder::instance().ignore({WM_NCHITTEST, WM_SETCURSOR, WM_NCMOUSEMOVE, WM_MOUSEMOVE, WM_PAINT,
                                     WM_ERASEBKGND, WM_NCPAINT, WM_MOUSEACTIVATE, WM_ACTIVATE, WM_NCACTIVATE,
                                     WM_ACTIVATEAPP, WM_SETFOCUS, WM_KILLFOCUS, WM_WINDOWPOSCHANGING,
                                     WM_WINDOWPOSCHANGED});
        Recorder::instance().clear();
    }
    // Holds the button through the tracking loop; the clock jumps to each
    // timer, and `release` decides when the button comes up.
    void hold(int x, int y)
    {
        SetManualClockSkipsIdleWaits(true);
        backend().mouseMove(x, y);
        backend().mouseDown();
        Pump();
        SetManualClockSkipsIdleWaits(false);
    }
    HWND hwnd = nullptr;
};

TEST_F(ScrollBarMouse, ArrowClickScrollsOneLineThenEnds)
{
    backend().click(kBarX, kDownArrowY);
    Pump();
    ExpectSequence({W(WM_NCLBUTTONDOWN, HTVSCROLL, Posted), WL(WM_VSCROLL, SB_LINEDOWN, 0),
                    Step(WM_CAPTURECHANGED), WL(WM_VSCROLL, SB_ENDSCROLL, 0)},
                   hwnd, "click on the down arrow");
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 1);

    // The second press of a double click is a press as well.
    backend().click(kBarX, kUpArrowY);
    backend().click(kBarX, kUpArrowY);
    Pump();
    ExpectSequence({W(WM_NCLBUTTONDOWN, HTVSCROLL, Posted), W(WM_VSCROLL, SB_LINEUP), Step(WM_CAPTURECHANGED),
                    W(WM_VSCROLL, SB_ENDSCROLL), W(WM_NCLBUTTONDBLCLK, HTVSCROLL, Posted), W(WM_VSCROLL, SB_LINEUP),
                    Step(WM_CAPTURECHANGED), W(WM_VSCROLL, SB_ENDSCROLL)},
                   hwnd, "double click on the up arrow");
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 0);

    // A disabled arrow ignores the press.
    EnableScrollBar(hwnd, SB_VERT, ESB_DISABLE_DOWN);
    backend().click(kBarX, kDownArrowY);
    Pump();
    EXPECT_TRUE(events.size() == 6) << "no more requests";
}

TEST_F(ScrollBarMouse, HeldArrowRepeatsAfterTheKeyboardDelayAtTheRepeatRate)
{
    onScroll = [&](WORD code) {
        if (code == SB_LINEDOWN && (events.size() == 4 || events.size() > 50))
            backend().mouseUp();
    };
    DWORD start = GetTickCount();
    hold(kBarX, kDownArrowY);
    ASSERT_EQ(codes(), (std::vector<WORD>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(events[0].time, start) << "at once";
    EXPECT_EQ(events[1].time - events[0].time, 500u) << "after (delay setting 1 + 1) * 250 ms";
    EXPECT_EQ(events[2].time - events[1].time, 33u) << "then about thirty a second";
    EXPECT_EQ(events[3].time - events[2].time, 33u);
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 4);
}

TEST_F(ScrollBarMouse, HeldArrowPausesWhileThePointerIsElsewhere)
{
    // The window's own timer, dispatched by the tracking loop, moves the
    // pointer off the arrow, back, and finally lets go.
    int ticks = 0;
    size_t linesWhenAway = 0;
    auto previous = Recorder::instance().answer;
    Recorder::instance().answer = [&](HWND h, UINT msg, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (msg != WM_TIMER)
            return previous(h, msg, w, l);
        ++ticks;
        if (ticks == 1) {
            backend().mouseMove(kBarX, 200);
            linesWhenAway = events.size();
        } else if (ticks == 3) {
            EXPECT_EQ(events.size(), linesWhenAway) << "nothing while away";
            backend().mouseMove(kBarX, kDownArrowY);
        } else if (ticks == 4) {
            backend().mouseUp();
        }
        return 0;
    };
    SetTimer(hwnd, 7, 300, nullptr);
    hold(kBarX, kDownArrowY);
    KillTimer(hwnd, 7);
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(linesWhenAway, 1u) << "one line at the press, none before the delay";
    EXPECT_EQ(events.back().code, SB_ENDSCROLL);
    EXPECT_GT(events.size(), linesWhenAway + 1) << "repeats again once back over the arrow";
}

TEST_F(ScrollBarMouse, PageAreaScrollsUntilTheThumbReachesThePointer)
{
    backend().click(kBarX, 200);
    Pump();
    EXPECT_EQ(codes(), (std::vector<WORD>{SB_PAGEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 10);
    events.clear();

    // Held: pages until the thumb lies under the pointer, then nothing more.
    int pointerY = 250 - 100; // window coordinates
    onScroll = [&](WORD) {
        if (events.size() > 30)
            backend().mouseUp();
    };
    SetTimer(hwnd, 8, 2000, nullptr);
    auto previous = Recorder::instance().answer;
    Recorder::instance().answer = [&](HWND h, UINT msg, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (msg != WM_TIMER)
            return previous(h, msg, w, l);
        backend().mouseUp();
        return 0;
    };
    hold(kBarX, 250);
    KillTimer(hwnd, 8);
    SCROLLBARINFO sbi = barInfo(hwnd, OBJID_VSCROLL);
    EXPECT_LE(sbi.xyThumbTop, pointerY);
    EXPECT_GT(sbi.xyThumbBottom, pointerY);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().code, SB_ENDSCROLL);
    // From 10, page by page, the thumb (17 px, 151 px of travel for 90
    // positions) first covers y 150 at position 80.
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 80);
    EXPECT_EQ(events.size(), 8u) << "seven pages and the end";
}

TEST_F(ScrollBarMouse, ThumbDragTracksThenSetsThePosition)
{
    // Thumb at 16..33 in the window; press in its middle and drag. Moves
    // waiting together are merged, so each one is made as the last is seen.
    int pressY = 100 + 24;
    std::vector<POINT> path = {
        {kBarX, pressY + 40},
        {kBarX + 30, pressY + 75}, // sideways does not matter
        {kBarX, pressY + 400},     // beyond the end stops at the last page
        {kBarX, pressY + 75},
    };
    size_t next = 0;
    onScroll = [&](WORD code) {
        if (code != SB_THUMBTRACK)
            return;
        if (next < path.size())
            backend().mouseMove(path[next].x, path[next].y), ++next;
        else
            backend().mouseUp();
    };
    backend().mouseMove(kBarX, pressY);
    backend().mouseDown();
    backend().mouseMove(path[0].x, path[0].y);
    next = 1;
    Pump();
    // 40 px of 151 over 90 positions -> 24; 75 px -> 45.
    ASSERT_EQ(codes(), (std::vector<WORD>{SB_THUMBTRACK, SB_THUMBTRACK, SB_THUMBTRACK, SB_THUMBTRACK,
                                          SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(events[0].pos, 24);
    EXPECT_EQ(events[1].pos, 45);
    EXPECT_EQ(events[2].pos, 90);
    EXPECT_EQ(events[3].pos, 45);
    EXPECT_EQ(events[4].pos, 45);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(events[size_t(i)].trackPos, events[size_t(i)].pos) << "nTrackPos during the drag, step " << i;
    EXPECT_EQ(GetScrollPos(hwnd, SB_VERT), 45);
    SCROLLBARINFO sbi = barInfo(hwnd, OBJID_VSCROLL);
    EXPECT_EQ(sbi.xyThumbTop, 16 + 76) << "the thumb shows the dropped position";
    EXPECT_EQ(sbi.rgstate[3], 0u) << "no longer pressed";
}

Pixel windowPixel(HWND h, int x, int y)
{
    HDC dc = GetWindowDC(h);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(h, dc);
    return PixelFromColorRef(c);
}

TEST_F(ScrollBars, ClassicLookWithBothBarsOneDisabledAndAPressedArrow)
{
    HWND h = createTop(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, RECT{40, 40, 340, 260});
    SetWindowText(h, "Scroll bars");
    Pump();
    setBar(h, SB_VERT, 0, 99, 20, 40);
    setBar(h, SB_HORZ, 0, 10, 50, 0, SIF_DISABLENOSCROLL);
    SCROLLBARINFO v = barInfo(h, OBJID_VSCROLL);
    SCROLLBARINFO horizontal = barInfo(h, OBJID_HSCROLL);
    RECT window;
    GetWindowRect(h, &window);
    int barX = v.rcScrollBar.left - window.left; // window coordinates
    int barTop = v.rcScrollBar.top - window.top;
    int barBottom = v.rcScrollBar.bottom - window.top;

    // Hold the down arrow and take the picture while it is pressed.
    bool pictured = false;
    Recorder::instance().answer = [&](HWND hwnd, UINT msg, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (hwnd != h || msg != WM_VSCROLL || LOWORD(w) != SB_LINEDOWN || pictured)
            return std::nullopt;
        pictured = true;
        std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
        backend().writeWindowPng(h, std::string(BRIO_TEST_OUTPUT_DIR) + "/scrollbars.png");
        // Pressed and flat: no raised highlight on the arrow's top-left.
        EXPECT_NE(windowPixel(h, barX + 1, barBottom - 15), PixelFromColorRef(GetSysColor(COLOR_3DHILIGHT)));
        EXPECT_TRUE(barInfo(h, OBJID_VSCROLL).rgstate[5] & STATE_SYSTEM_PRESSED);
        backend().mouseUp();
        return 0;
    };
    backend().mouseMove(v.rcScrollBar.left + 8, v.rcScrollBar.bottom - 8);
    backend().mouseDown();
    Pump();
    EXPECT_TRUE(pictured);

    // The thumb mid-way in the face colour, the track dithered around it.
    int thumbMiddle = barTop + (v.xyThumbTop + v.xyThumbBottom) / 2;
    EXPECT_EQ(windowPixel(h, barX + 8, thumbMiddle), PixelFromColorRef(GetSysColor(COLOR_3DFACE)));
    EXPECT_EQ(windowPixel(h, barX + 1, barTop + v.xyThumbTop), PixelFromColorRef(GetSysColor(COLOR_3DLIGHT)))
        << "raised edge: light outside at the top-left";
    Pixel a = windowPixel(h, barX + 4, barTop + 20);
    Pixel b = windowPixel(h, barX + 5, barTop + 20);
    EXPECT_NE(a, b) << "dithered track";
    EXPECT_TRUE(a == PixelFromColorRef(GetSysColor(COLOR_SCROLLBAR)) || a == PixelFromColorRef(GetSysColor(COLOR_3DHILIGHT)));
    EXPECT_TRUE(horizontal.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_TRUE(horizontal.rgstate[3] & STATE_SYSTEM_INVISIBLE) << "a disabled bar has no thumb";
}

} // namespace
