#include "platform/window/Timers.h"

#include "platform/window/Clock.h"
#include "platform/window/WindowTable.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <vector>

namespace {

constexpr UINT kMinimumInterval = 10;
constexpr UINT_PTR kFirstThreadTimerId = 0x7FF0;
constexpr UINT_PTR kFirstInternalTimerId = 0xC000;

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    std::uint64_t due = 0;
    TIMERPROC proc = nullptr;
    std::function<void()> internalAction;
    bool internal = false;
};

struct TimerList {
    std::vector<Timer> timers;
    UINT_PTR nextThreadId = kFirstThreadTimerId;
    UINT_PTR nextInternalId = kFirstInternalTimerId;
};

TimerList& timers()
{
    static TimerList list;
    return list;
}

std::vector<Timer>::iterator findTimer(HWND hwnd, UINT_PTR id, bool internal)
{
    auto& list = timers().timers;
    return std::find_if(list.begin(), list.end(),
                        [&](const Timer& t) { return t.hwnd == hwnd && t.id == id && t.internal == internal; });
}

UINT clampInterval(UINT ms)
{
    return std::clamp<UINT>(ms, kMinimumInterval, 0x7FFFFFFF);
}

// Manual clock state; the real clock counts from the first use.
struct ClockState {
    std::atomic<bool> manual{false};
    std::atomic<std::uint64_t> manualNow{0};
    std::atomic<bool> skipIdleWaits{false};
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

ClockState& clockState()
{
    static ClockState state;
    return state;
}

} // namespace

// ---- Clock -------------------------------------------------------------------------

std::uint64_t ClockMilliseconds()
{
    ClockState& c = clockState();
    if (c.manual)
        return c.manualNow;
    auto elapsed = std::chrono::steady_clock::now() - c.start;
    // Start well above zero, as a machine that has been up a while does.
    return 100000 + std::uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void UseManualClock(std::uint64_t startMs)
{
    clockState().manualNow = startMs;
    clockState().manual = true;
}

void AdvanceManualClock(std::uint64_t ms)
{
    clockState().manualNow += ms;
}

void UseRealClock()
{
    clockState().manual = false;
}

bool ManualClockInUse()
{
    return clockState().manual;
}

void SetManualClockSkipsIdleWaits(bool skip)
{
    clockState().skipIdleWaits = skip;
}

bool ManualClockSkipsIdleWaits()
{
    return clockState().skipIdleWaits;
}

DWORD GetTickCount()
{
    return DWORD(ClockMilliseconds());
}

std::uint64_t GetTickCount64()
{
    return ClockMilliseconds();
}

BOOL QueryPerformanceCounter(LARGE_INTEGER* counter)
{
    if (!counter)
        return FALSE;
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    counter->QuadPart = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    return TRUE;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency)
{
    if (!frequency)
        return FALSE;
    frequency->QuadPart = 1000000000;
    return TRUE;
}

// ---- Timers ------------------------------------------------------------------------

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc)
{
    if (hwnd && !LookupWindow(hwnd))
        return 0;
    TimerList& list = timers();
    if (!hwnd) {
        // Thread timers get their identifier from us unless they name one of ours.
        if (id == 0 || findTimer(nullptr, id, false) == list.timers.end())
            id = list.nextThreadId++;
    }
    auto existing = findTimer(hwnd, id, false);
    Timer t;
    t.hwnd = hwnd;
    t.id = id;
    t.interval = clampInterval(elapseMs);
    t.due = ClockMilliseconds() + t.interval;
    t.proc = proc;
    if (existing != list.timers.end())
        *existing = std::move(t);
    else
        list.timers.push_back(std::move(t));
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    auto it = findTimer(hwnd, id, false);
    if (it == timers().timers.end())
        return FALSE;
    timers().timers.erase(it);
    return TRUE;
}

UINT_PTR SetInternalTimer(UINT elapseMs, std::function<void()> action)
{
    TimerList& list = timers();
    Timer t;
    t.id = list.nextInternalId++;
    t.interval = clampInterval(elapseMs);
    t.due = ClockMilliseconds() + t.interval;
    t.internalAction = std::move(action);
    t.internal = true;
    list.timers.push_back(std::move(t));
    return t.id;
}

void KillInternalTimer(UINT_PTR id)
{
    auto it = findTimer(nullptr, id, true);
    if (it != timers().timers.end())
        timers().timers.erase(it);
}

void KillWindowTimers(HWND hwnd)
{
    auto& list = timers().timers;
    std::erase_if(list, [&](const Timer& t) { return t.hwnd == hwnd; });
}

bool TimerExists(HWND hwnd, UINT_PTR id, TIMERPROC proc)
{
    auto it = findTimer(hwnd, id, false);
    return it != timers().timers.end() && it->proc == proc;
}

int MillisecondsToNextTimer()
{
    auto& list = timers().timers;
    if (list.empty())
        return -1;
    std::uint64_t now = ClockMilliseconds();
    std::uint64_t next = UINT64_MAX;
    for (const Timer& t : list)
        next = std::min(next, t.due);
    return next <= now ? 0 : int(std::min<std::uint64_t>(next - now, 0x7FFFFFFF));
}

bool TakeDueTimer(MSG& out, const MessageFilter& filter, bool remove)
{
    for (;;) {
        auto& list = timers().timers;
        std::uint64_t now = ClockMilliseconds();
        // Earliest due first, so that a fast timer does not starve a slow one.
        auto best = list.end();
        for (auto it = list.begin(); it != list.end(); ++it) {
            if (it->due > now)
                continue;
            if (!it->internal && (!filter.acceptsWindow(it->hwnd) || !filter.acceptsNumber(WM_TIMER)))
                continue;
            if (best == list.end() || it->due < best->due)
                best = it;
        }
        if (best == list.end())
            return false;
        // Missed periods are not made up: the next one counts from now.
        if (best->internal) {
            best->due = now + best->interval;
            std::function<void()> action = best->internalAction;
            action();
            continue;
        }
        out = MSG{};
        out.hwnd = best->hwnd;
        out.message = WM_TIMER;
        out.wParam = best->id;
        out.lParam = reinterpret_cast<LPARAM>(best->proc);
        out.time = DWORD(now);
        GetCursorPos(&out.pt);
        if (remove)
            best->due = now + best->interval;
        return true;
    }
}
