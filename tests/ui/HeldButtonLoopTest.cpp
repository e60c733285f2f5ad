// The platform's held-button loop inside a program that links the framework:
// whatever the framework defines must not change which messages the loop
// drops while a caption button or a scroll arrow is held.

#include "tests/support/UiTestSupport.h"

#include <vector>

namespace {

using uitest::UiTest;

// Non-client presses and double clicks other than the left press that
// starts the loop; none of them may reach the window while it runs.
std::vector<UINT> strayMessages;

bool isStray(UINT msg)
{
    return msg > WM_NCLBUTTONDOWN && msg <= WM_NCMBUTTONDBLCLK;
}

LRESULT PostingStraysProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (isStray(msg))
        strayMessages.push_back(msg);
    if (msg == WM_NCLBUTTONDOWN) {
        // Queued now, so that the held loop is the one to take them.
        PostMessage(hwnd, WM_NCRBUTTONDOWN, HTCAPTION, lParam);
        PostMessage(hwnd, WM_NCMBUTTONUP, HTCAPTION, lParam);
        PostMessage(hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, lParam);
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

class HeldButtonLoop : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        static bool registered = false;
        if (!registered) {
            WNDCLASS wc{};
            wc.lpfnWndProc = PostingStraysProc;
            wc.lpszClassName = "PostingStrays";
            wc.style = CS_DBLCLKS;
            ASSERT_NE(RegisterClass(&wc), 0);
            registered = true;
        }
        strayMessages.clear();
        hwnd = CreateWindowEx(0, "PostingStrays", "Held", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 100, 100,
                              300, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(hwnd, nullptr);
        SetScrollRange(hwnd, SB_VERT, 0, 10, TRUE);
        pump();
    }
    // Presses at `at`, lets the loop see the posted strays, and releases
    // away from the press so that the button does not act.
    void pressAndRelease(POINT at)
    {
        backend().mouseMove(at.x, at.y);
        backend().mouseDown();
        backend().mouseMove(at.x - 60, at.y + 80);
        backend().mouseUp();
        pump();
    }
    HWND hwnd = nullptr;
};

TEST_F(HeldButtonLoop, DropsNonClientMouseMessagesWhileAButtonIsHeld)
{
    RECT frame;
    GetWindowRect(hwnd, &frame);
    POINT close{frame.right - 12, frame.top + 10};
    ASSERT_EQ(SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCLOSE);
    pressAndRelease(close);
    EXPECT_TRUE(IsWindow(hwnd)) << "released away from the close button";
    EXPECT_EQ(strayMessages, std::vector<UINT>{}) << "while the close button was held";

    strayMessages.clear();
    RECT client;
    GetClientRect(hwnd, &client);
    POINT upArrow{client.right + GetSystemMetrics(SM_CXVSCROLL) / 2, 2};
    ClientToScreen(hwnd, &upArrow);
    ASSERT_EQ(SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(upArrow.x, upArrow.y)), HTVSCROLL);
    pressAndRelease(upArrow);
    EXPECT_EQ(strayMessages, std::vector<UINT>{}) << "while the scroll arrow was held";
}

} // namespace
