#include "skin/controls/hooks/ControlHook.h"

#include "skin/controls/hooks/HookList.h"
#include "skin/controls/hooks/SeHook.h"
#include "ui/control/WinControl.h"
#include "ui/forms/Application.h"

#include "platform/WindowProcedure.h"

#include <algorithm>

namespace {

WNDPROC currentProcedure(HWND hwnd)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtr(hwnd, GWLP_WNDPROC));
}

struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

} // namespace

TControlHook::TControlHook(TWinControl* control) : control_(control)
{
    proc_ = MakeWindowProc(
        [this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return windowProc(hwnd, msg, wParam, lParam); });
}

TControlHook::~TControlHook()
{
    destroying_ = true;
    Uninstall();
    FreeWindowProc(proc_);
}

bool TControlHook::Reachable() const
{
    return installed_ && window_ && IsWindow(window_);
}

void TControlHook::Add(TSeHook* hook)
{
    if (!Contains(hook))
        hooks_.push_back(hook);
}

bool TControlHook::Remove(TSeHook* hook)
{
    hooks_.erase(std::remove(hooks_.begin(), hooks_.end(), hook), hooks_.end());
    if (hooks_.empty())
        retired_ = true;
    return hooks_.empty();
}

bool TControlHook::Contains(const TSeHook* hook) const
{
    return std::find(hooks_.begin(), hooks_.end(), hook) != hooks_.end();
}

void TControlHook::Install()
{
    if (!control_ || hooks_.empty())
        return;
    HWND hwnd = control_->Handle();
    if (!hwnd)
        return;
    if (hwnd != window_ || !IsWindow(window_)) {
        window_ = hwnd;
        installed_ = false;
    }
    passThrough_ = false;
    // Still somewhere in the window's chain: installing again would make
    // the record its own previous procedure.
    if (installed_)
        return;
    WNDPROC current = currentProcedure(hwnd);
    if (current != proc_) {
        previous_ = current;
        SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc_));
    }
    installed_ = true;
}

void TControlHook::Uninstall()
{
    if (!installed_)
        return;
    if (!window_ || !IsWindow(window_)) {
        installed_ = false;
        return;
    }
    if (currentProcedure(window_) == proc_) {
        SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        installed_ = false;
        passThrough_ = false;
    } else {
        // A procedure installed after this one chains to it.
        passThrough_ = true;
    }
}

LRESULT TControlHook::callPrevious(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const
{
    if (previous_)
        return CallWindowProc(previous_, hwnd, msg, wParam, lParam);
    if (!destroying_ && !hooks_.empty() && control_) {
        TMessage m{msg, wParam, lParam, 0};
        control_->DefaultHandler(m);
        return m.Result;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT TControlHook::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    {
        DepthGuard guard(depth_);
        if (passThrough_ || hooks_.empty()) {
            result = callPrevious(hwnd, msg, wParam, lParam);
            if (msg == WM_DESTROY && hwnd == window_) {
                installed_ = false;
                window_ = nullptr;
                releasePending_ = true;
            }
        } else {
            result = dispatch(hwnd, msg, wParam, lParam);
        }
    }
    if (depth_ == 0 && releasePending_ && hooks_.empty()) {
        releasePending_ = false;
        THookList::Instance().PostRelease(this);
    }
    return result;
}

LRESULT TControlHook::dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    // Handlers pump messages (skin changes, live drags, menus): hooks may
    // come and go meanwhile, so the order is taken once and each hook is
    // checked before it runs.
    const std::vector<TSeHook*> order(hooks_.rbegin(), hooks_.rend());
    bool handled = false;
    if (msg != WM_QUIT) {
        for (TSeHook* hook : order) {
            if (!Contains(hook))
                continue;
            try {
                hook->BeforeMessage(m, handled);
            } catch (...) {
                Application->HandleException(hook);
            }
            if (handled)
                break;
        }
    }
    if (!handled || msg == WM_DESTROY)
        m.Result = callPrevious(hwnd, msg, m.WParam, m.LParam);
    bool afterHandled = false;
    for (TSeHook* hook : order) {
        if (!Contains(hook))
            continue;
        try {
            hook->AfterMessage(m, afterHandled);
        } catch (...) {
            Application->HandleException(hook);
        }
        if (afterHandled)
            break;
    }
    if (msg == WM_DESTROY && hwnd == window_)
        afterDestroy();
    return m.Result;
}

void TControlHook::afterDestroy()
{
    Uninstall();
    installed_ = false;
    window_ = nullptr;
    if (hooks_.empty()) {
        releasePending_ = true;
        return;
    }
    // Controls make their windows anew (a border change, a new parent):
    // the hook follows once the new window exists.
    bool controlGoing = !control_ || control_->ComponentState().Contains(csDestroying);
    if (!destroying_ && !controlGoing)
        THookList::Instance().PostReinstall(this);
}
