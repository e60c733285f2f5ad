// The timer component and its hidden window.

#include "ui/forms/Timer.h"

#include "ui/forms/Application.h"
#include "ui/component/Exception.h"

#include "platform/WindowProcedure.h"

namespace {
constexpr const char* kTimerWindowClass = "TTimerWindow";
constexpr UINT_PTR kTimerId = 1;
} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner)
{
    updateTimer();
}

TTimer::~TTimer()
{
    if (window_)
        DestroyWindow(window_);
    if (proc_)
        FreeWindowProc(proc_);
}

void TTimer::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    updateTimer();
}

void TTimer::SetInterval(unsigned ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    updateTimer();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    updateTimer();
}

void TTimer::updateTimer()
{
    if (running_ && window_) {
        KillTimer(window_, kTimerId);
        running_ = false;
    }
    if (!enabled_ || interval_ == 0 || ComponentState().Contains(csLoading))
        return;
    if (!window_) {
        static bool registered = false;
        if (!registered) {
            WNDCLASS wc;
            wc.lpfnWndProc = DefWindowProc;
            wc.lpszClassName = kTimerWindowClass;
            RegisterClass(&wc);
            registered = true;
        }
        window_ = CreateWindowEx(0, kTimerWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        if (!window_)
            throw EOutOfResources("Not enough timers available");
        proc_ = MakeWindowProc([this](HWND h, UINT m, WPARAM w, LPARAM l) { return windowProc(h, m, w, l); });
        SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc_));
    }
    if (!SetTimer(window_, kTimerId, interval_, nullptr))
        throw EOutOfResources("Not enough timers available");
    running_ = true;
}

LRESULT TTimer::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_TIMER)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    try {
        Timer();
    } catch (...) {
        Application->HandleException(this);
    }
    return 0;
}

void TTimer::Timer()
{
    if (enabled_ && OnTimer)
        OnTimer(this);
}
