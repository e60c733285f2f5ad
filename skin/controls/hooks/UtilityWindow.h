#pragma once
// An invisible, message-only window whose procedure is a callable: the hook
// list and the form's notification-area callback each keep one. The window
// is made on first use and again when it went away meanwhile.

#include "platform/WindowProcedure.h"

namespace brio {

class UtilityWindow {
public:
    explicit UtilityWindow(WindowProcedure procedure);
    ~UtilityWindow();
    UtilityWindow(const UtilityWindow&) = delete;
    UtilityWindow& operator=(const UtilityWindow&) = delete;

    HWND handle();
    // Posts to the window; false when it cannot be made or the queue refuses.
    bool post(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    WindowProcedure procedure_;
    WNDPROC proc_ = nullptr;
    HWND hwnd_ = nullptr;
};

} // namespace brio
