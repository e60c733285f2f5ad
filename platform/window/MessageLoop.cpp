// Sending, posting, retrieving and dispatching messages.

#include "platform/window/Backend.h"
#include "platform/window/Clock.h"
#include "platform/window/InputRouting.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowPaint.h"
#include "platform/window/WindowTable.h"

namespace {

MSG& lastMessage()
{
    static MSG m;
    return m;
}

const HWND kThreadMessagesOnly = reinterpret_cast<HWND>(std::intptr_t(-1));

bool validFilterWindow(HWND hwnd)
{
    return !hwnd || hwnd == kThreadMessagesOnly || LookupWindow(hwnd);
}

// Posted messages and input first; then the quit request; WM_PAINT only
// when nothing else waits, and WM_TIMER after that.
bool retrieve(MSG& out, const MessageFilter& filter, bool remove)
{
    CurrentBackend().pumpEvents();
    MessageQueue& queue = TheMessageQueue();
    if (queue.takePosted(out, filter, remove)) {
        if (remove)
            SetLastMessage(out);
        return true;
    }
    // Raw input turns into messages one event at a time, so that each event
    // meets the state the messages before it left behind.
    for (;;) {
        if (queue.takeInput(out, filter, remove)) {
            if (remove) {
                ApplyInputMessageToKeyState(out);
                SetLastMessage(out);
            }
            return true;
        }
        if (!CookNextInput())
            break;
    }
    if (queue.takeQuit(out, remove))
        return true;
    if (filter.acceptsNumber(WM_PAINT) && TakePaintMessage(out, filter)) {
        SetLastMessage(out);
        return true;
    }
    if (TakeDueTimer(out, filter, remove)) {
        if (remove)
            SetLastMessage(out);
        return true;
    }
    return false;
}

MSG stamped(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = GetTickCount();
    // The cursor belongs to the user-interface thread; other threads post
    // without a position.
    if (OnUserInterfaceThread())
        m.pt = WindowSystem().cursor;
    return m;
}

} // namespace

void SetLastMessage(const MSG& msg)
{
    lastMessage() = msg;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == HWND_BROADCAST) {
        std::vector<HWND> tops = TopLevelWindows();
        for (HWND top : tops)
            CallWindowProcedure(top, msg, wParam, lParam);
        return 0;
    }
    return CallWindowProcedure(hwnd, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MessageQueue& queue = TheMessageQueue();
    if (OnUserInterfaceThread()) {
        if (hwnd == HWND_BROADCAST) {
            std::vector<HWND> tops = TopLevelWindows();
            for (HWND top : tops)
                queue.post(stamped(top, msg, wParam, lParam));
            return TRUE;
        }
        if (hwnd && !LookupWindow(hwnd))
            return FALSE;
    }
    // From another thread the window table is out of reach: the handle is
    // checked when the message is taken, and dropped if it has gone.
    queue.post(stamped(hwnd, msg, wParam, lParam));
    CurrentBackend().wake();
    return TRUE;
}

BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (threadId != UserInterfaceThreadId())
        return FALSE;
    TheMessageQueue().post(stamped(nullptr, msg, wParam, lParam));
    CurrentBackend().wake();
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    TheMessageQueue().postQuit(exitCode);
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    if (!msg || !validFilterWindow(hwnd))
        return FALSE;
    MessageFilter filter{hwnd, filterMin, filterMax};
    return retrieve(*msg, filter, (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

static bool anythingWaiting()
{
    MessageQueue& queue = TheMessageQueue();
    MSG probe;
    return queue.hasPosted() || queue.hasInput() || queue.hasRaw() || queue.takeQuit(probe, false) || AnyPaintPending()
           || MillisecondsToNextTimer() == 0;
}

BOOL WaitMessage()
{
    CurrentBackend().pumpEvents();
    if (anythingWaiting())
        return TRUE;
    int untilTimer = MillisecondsToNextTimer();
    if (untilTimer > 0 && ManualClockInUse() && ManualClockSkipsIdleWaits()) {
        AdvanceManualClock(std::uint64_t(untilTimer));
        return TRUE;
    }
    CurrentBackend().waitEvents(untilTimer);
    return TRUE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (!msg || !validFilterWindow(hwnd))
        return -1;
    MessageFilter filter{hwnd, filterMin, filterMax};
    while (!retrieve(*msg, filter, true))
        WaitMessage();
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

LRESULT DispatchMessage(const MSG* msg)
{
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        // The timer may have been killed since the message was made.
        if (TimerExists(msg->hwnd, msg->wParam, proc))
            proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    if (!msg->hwnd || !LookupWindow(msg->hwnd))
        return 0;
    LRESULT result = CallWindowProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    if (msg->message == WM_PAINT)
        ClearInternalPaint(msg->hwnd);
    return result;
}

DWORD GetMessageTime()
{
    return lastMessage().time;
}

DWORD GetMessagePos()
{
    const POINT& p = lastMessage().pt;
    return MAKELONG(WORD(p.x), WORD(p.y));
}
