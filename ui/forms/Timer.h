#pragma once
// TTimer: OnTimer every Interval milliseconds while Enabled, driven by a
// hidden window of its own so the ticks arrive through the message loop.
// A tick without a handler does nothing.

#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include "platform/WinUser.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    TNotifyEvent OnTimer;

protected:
    virtual void Timer();
    void Loaded() override;

private:
    void updateTimer();
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    bool enabled_ = true;
    unsigned interval_ = 1000;
    HWND window_ = nullptr;
    WNDPROC proc_ = nullptr;
    bool running_ = false;
};
