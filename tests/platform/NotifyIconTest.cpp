// Shell_NotifyIcon on the headless backend's recorded tray: adding,
// changing and removing icons, the failures callers rely on, tips cut on a
// character boundary, and a click coming back as the callback message.

#include "WindowTestSupport.h"

#include "platform/desktop/NotifyIcon.h"

#include <cstring>

using namespace windowtest;

namespace {

constexpr UINT kTrayMessage = 0x056C;

class NotifyIcon : public WindowTest {
protected:
    NOTIFYICONDATA data(HWND hwnd, UINT id, const char* tip = "Clatterbox")
    {
        NOTIFYICONDATA d;
        d.hWnd = hwnd;
        d.uID = id;
        d.uFlags = NIF_MESSAGE | NIF_TIP;
        d.uCallbackMessage = kTrayMessage;
        std::strncpy(d.szTip, tip, sizeof d.szTip - 1);
        return d;
    }
    HeadlessTray& tray() { return backend().tray(); }
};

TEST_F(NotifyIcon, AddModifyDeleteReachTheTray)
{
    HWND hwnd = createTop();
    HICON picture = MakeTestIcon(16, 16, 0xFF2B2D31u, 0xFFF28C28u);
    NOTIFYICONDATA d = data(hwnd, 7);
    d.uFlags |= NIF_ICON;
    d.hIcon = picture;
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &d));
    DestroyIcon(picture); // the tray keeps its own copy
    auto shown = tray().icon(hwnd, 7);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->tip, "Clatterbox");
    EXPECT_EQ(shown->callbackMessage, kTrayMessage);
    ASSERT_EQ(shown->width, 16);
    ASSERT_EQ(shown->pixels.size(), 256u);
    EXPECT_EQ(shown->pixels[0], 0xFFF28C28u);
    EXPECT_EQ(shown->pixels[1], 0xFF2B2D31u);

    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &d)) << "the same window and id twice";

    // Only the flagged fields change.
    NOTIFYICONDATA tip = data(hwnd, 7, "Muted");
    tip.uFlags = NIF_TIP;
    tip.uCallbackMessage = 0;
    ASSERT_TRUE(Shell_NotifyIcon(NIM_MODIFY, &tip));
    shown = tray().icon(hwnd, 7);
    EXPECT_EQ(shown->tip, "Muted");
    EXPECT_EQ(shown->callbackMessage, kTrayMessage);
    EXPECT_EQ(shown->width, 16);

    NOTIFYICONDATA second = data(hwnd, 8);
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &second));
    EXPECT_EQ(tray().icons().size(), 2u);
    ASSERT_TRUE(Shell_NotifyIcon(NIM_DELETE, &d));
    EXPECT_FALSE(tray().icon(hwnd, 7));
    EXPECT_TRUE(tray().icon(hwnd, 8));
    ASSERT_TRUE(Shell_NotifyIcon(NIM_DELETE, &second));
    EXPECT_TRUE(tray().icons().empty());
}

TEST_F(NotifyIcon, FailuresAreQuietAndChangeNothing)
{
    HWND hwnd = createTop();
    NOTIFYICONDATA d = data(hwnd, 1);
    EXPECT_FALSE(Shell_NotifyIcon(NIM_MODIFY, &d));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_DELETE, &d));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, nullptr));
    EXPECT_FALSE(Shell_NotifyIcon(99, &d));
    NOTIFYICONDATA small = d;
    small.cbSize = 8;
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &small));
    NOTIFYICONDATA orphan = data(reinterpret_cast<HWND>(std::intptr_t(0x7777)), 1);
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &orphan)) << "no such window";
    EXPECT_TRUE(tray().icons().empty());

    // Nothing shows icons: adding fails, so the caller minimizes instead.
    tray().setAvailable(false);
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &d));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_DELETE, &d)) << "a refused icon is not known afterwards";
    tray().setAvailable(true);
    EXPECT_TRUE(Shell_NotifyIcon(NIM_ADD, &d));

    // A window that goes away takes its icon along.
    DestroyWindow(hwnd);
    HWND other = createTop();
    NOTIFYICONDATA next = data(other, 1);
    EXPECT_TRUE(Shell_NotifyIcon(NIM_ADD, &next));
    EXPECT_FALSE(tray().icon(hwnd, 1));
    EXPECT_EQ(tray().icons().size(), 1u);
}

TEST_F(NotifyIcon, TipsAreCutOnACharacterBoundary)
{
    HWND hwnd = createTop();
    // 126 ASCII bytes, then a three-byte character that would end past the
    // 127 bytes the field holds before its terminator.
    std::string tip(126, 'a');
    tip += "\xE2\x99\xAA";
    NOTIFYICONDATA d = data(hwnd, 1);
    std::memcpy(d.szTip, tip.data(), sizeof d.szTip); // no terminator in the field at all
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &d));
    EXPECT_EQ(tray().icon(hwnd, 1)->tip, std::string(126, 'a'));

    std::memset(d.szTip, 0, sizeof d.szTip);
    std::strcpy(d.szTip, "Keys \xE2\x99\xAA on");
    d.uFlags = NIF_TIP;
    ASSERT_TRUE(Shell_NotifyIcon(NIM_MODIFY, &d));
    EXPECT_EQ(tray().icon(hwnd, 1)->tip, "Keys \xE2\x99\xAA on") << "short tips stay whole";
}

TEST_F(NotifyIcon, AClickPostsTheCallbackWithTheCursorThere)
{
    HWND hwnd = createTop();
    NOTIFYICONDATA d = data(hwnd, 5);
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &d));
    Pump();
    Recorder& r = Recorder::instance();
    r.clear();
    ASSERT_TRUE(tray().click(hwnd, 5, WM_LBUTTONDBLCLK, POINT{1200, 790}));
    Pump();
    ExpectSequence({WL(kTrayMessage, 5, WM_LBUTTONDBLCLK, Posted)}, hwnd, "double click");
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 1200);
    EXPECT_EQ(cursor.y, 790);

    r.clear();
    tray().click(hwnd, 5, WM_RBUTTONUP, POINT{1100, 780});
    Pump();
    ExpectSequence({WL(kTrayMessage, 5, WM_RBUTTONUP, Posted)}, hwnd, "right button");

    // Deleted before the loop ran: nothing arrives.
    r.clear();
    tray().click(hwnd, 5, WM_RBUTTONUP, POINT{1, 1});
    Shell_NotifyIcon(NIM_DELETE, &d);
    Pump();
    ExpectSequence({}, hwnd, "deleted");
    EXPECT_FALSE(tray().click(hwnd, 5, WM_RBUTTONUP, POINT{1, 1}));
}

} // namespace
