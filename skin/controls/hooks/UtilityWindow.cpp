#include "skin/controls/hooks/UtilityWindow.h"

#include "platform/WinUser.h"

namespace brio {

namespace {
constexpr const char* kUtilityClass = "TSeUtilityWindow";

void registerClassOnce()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASS wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = kUtilityClass;
    RegisterClass(&wc);
    registered = true;
}
} // namespace

UtilityWindow::UtilityWindow(WindowProcedure procedure) : procedure_(std::move(procedure)) {}

UtilityWindow::~UtilityWindow()
{
    if (hwnd_ && IsWindow(hwnd_))
        DestroyWindow(hwnd_);
    if (proc_)
        FreeWindowProc(proc_);
}

HWND UtilityWindow::handle()
{
    if (hwnd_ && IsWindow(hwnd_))
        return hwnd_;
    registerClassOnce();
    hwnd_ = CreateWindowEx(0, kUtilityClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!hwnd_)
        return nullptr;
    if (!proc_)
        proc_ = MakeWindowProc(procedure_);
    SetWindowLongPtr(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc_));
    return hwnd_;
}

bool UtilityWindow::post(UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = handle();
    return hwnd && PostMessage(hwnd, msg, wParam, lParam);
}

} // namespace brio
