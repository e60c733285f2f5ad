// Window states (normal, maximized, minimized, rolled up, in the
// notification area), the way back from each, and closing.

#include "skin/controls/forms/SeCustomForm.h"

#include "skin/controls/hooks/UtilityWindow.h"

#include "platform/RectMath.h"
#include "platform/text/Utf8.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// At most `limit` bytes, never cutting a UTF-8 sequence.
std::string cutText(const std::string& text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t n = limit;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    return text.substr(0, n);
}

constexpr std::size_t kTipLimit = 63;

} // namespace

bool TSeCustomForm::ask(const TSeFormActionEvent& event)
{
    bool allow = true;
    if (event)
        event(this, allow);
    return allow;
}

void TSeCustomForm::beginStateChange()
{
    // The next pointer move repaints the caption buttons.
    hoverZone_ = fzSysButton;
    deferredState_ = kwsNormal;
}

void TSeCustomForm::storeNormalBounds()
{
    if (HWND hwnd = windowHandle())
        GetWindowRect(hwnd, &normalBounds_);
}

void TSeCustomForm::applyNormalBounds()
{
    windowState_ = kwsNormal;
    if (!IsEmpty(normalBounds_))
        applyBounds(normalBounds_);
}

void TSeCustomForm::SetWindowState(TSeWindowState value)
{
    if (Loading()) {
        windowState_ = value;
        return;
    }
    if (value == windowState_)
        return;
    switch (value) {
    case kwsNormal:    Restore(); break;
    case kwsMaximized: Maximize(); break;
    case kwsMinimized: Minimize(); break;
    case kwsRollup:    Rollup(); break;
    case kwsTray:      MinimizeToTray(); break;
    }
}

void TSeCustomForm::Maximize()
{
    if (!ask(OnMaximize))
        return;
    beginStateChange();
    if (windowState_ == kwsMaximized) {
        Restore();
        return;
    }
    previousState_ = windowState_;
    if (windowState_ != kwsRollup && windowState_ != kwsMinimized)
        storeNormalBounds();
    windowState_ = kwsMaximized;
    applyBounds(GetMaximizedBounds());
    dispatchPendingPaints();
    invalidateAll();
    PaintNonClient();
}

void TSeCustomForm::Minimize()
{
    if (hostModal() || !ask(OnMinimize))
        return;
    beginStateChange();
    if (windowState_ == kwsMinimized) {
        Restore();
        return;
    }
    previousState_ = windowState_;
    if (windowState_ == kwsNormal)
        storeNormalBounds();
    windowState_ = kwsMinimized;
    minimizeWindow();
}

void TSeCustomForm::minimizeWindow()
{
    if (minimizeApplication_) {
        Application->Minimize();
        HWND hwnd = windowHandle();
        if (hwnd && form_ != Application->MainForm() && !IsIconic(hwnd))
            ShowWindow(hwnd, SW_MINIMIZE);
    } else {
        applyBounds(GetMinimizedBounds());
    }
}

void TSeCustomForm::Rollup()
{
    if (!ask(OnRollup))
        return;
    beginStateChange();
    if (windowState_ == kwsRollup) {
        Restore();
        return;
    }
    previousState_ = windowState_;
    if (windowState_ != kwsMaximized && windowState_ != kwsMinimized)
        storeNormalBounds();
    windowState_ = kwsRollup;
    applyBounds(GetRollupBounds());
}

void TSeCustomForm::MinimizeToTray()
{
    if (hostModal() || !ask(OnMinToTray))
        return;
    beginStateChange();
    if (windowState_ == kwsTray) {
        Restore();
        return;
    }
    previousState_ = windowState_;
    if (windowState_ == kwsNormal)
        storeNormalBounds();
    windowState_ = kwsTray;
    std::string tip = cutText(minimizeApplication_ ? Application->Title() : caption_, kTipLimit);
    std::memset(trayIcon_.szTip, 0, sizeof(trayIcon_.szTip));
    std::memcpy(trayIcon_.szTip, tip.data(), tip.size());
    // The icon comes first: without a notification area the window would
    // be hidden for good, so it is minimized instead and stays reachable.
    if (!addTrayIcon()) {
        windowState_ = kwsMinimized;
        minimizeWindow();
        return;
    }
    HWND hwnd = windowHandle();
    if (minimizeApplication_) {
        Application->Minimize();
        if (TCustomForm* main = Application->MainForm(); main && main->HandleAllocated())
            ShowWindow(main->Handle(), SW_HIDE);
    }
    if (hwnd)
        ShowWindow(hwnd, SW_HIDE);
}

void TSeCustomForm::Restore()
{
    beginStateChange();
    TSeWindowState previous = previousState_;
    HWND hwnd = windowHandle();
    switch (windowState_) {
    case kwsNormal:
        applyNormalBounds();
        break;
    case kwsMaximized:
        if (previous == kwsMinimized) {
            if (!minimizeApplication_) {
                applyNormalBounds();
                Maximize();
            }
        } else if (previous == kwsRollup) {
            applyNormalBounds();
            Rollup();
        } else {
            // Told to the desktop capture: the form leaves the maximized state.
            previousState_ = kwsMaximized;
            applyNormalBounds();
            if (shadow_->Enabled()) {
                invalidateAll();
                PaintNonClient();
            }
        }
        break;
    case kwsMinimized:
        if (hwnd && IsIconic(hwnd))
            ShowWindow(hwnd, SW_RESTORE);
        if (previous == kwsMaximized) {
            windowState_ = kwsMaximized;
            applyBounds(GetMaximizedBounds());
        } else if (previous == kwsRollup) {
            windowState_ = kwsRollup;
            applyBounds(GetRollupBounds());
        } else {
            applyNormalBounds();
        }
        break;
    case kwsRollup: {
        RECT maximized = GetMaximizedBounds();
        if (frameSize_.cx == Width(maximized) || previous == kwsMaximized) {
            windowState_ = kwsNormal;
            Maximize();
        } else {
            // The form unrolls where it is now.
            RECT now{};
            GetWindowRect(hwnd, &now);
            normalBounds_ = Offset(normalBounds_, now.left - normalBounds_.left, now.top - normalBounds_.top);
            applyNormalBounds();
        }
        break;
    }
    case kwsTray:
        restoreFromTray();
        if (previous == kwsMaximized) {
            windowState_ = kwsMaximized;
            applyBounds(GetMaximizedBounds());
        } else if (previous == kwsRollup) {
            windowState_ = kwsRollup;
            applyBounds(GetRollupBounds());
        } else {
            applyNormalBounds();
        }
        break;
    }
    previousState_ = kwsNormal;
    invalidateAll();
}

void TSeCustomForm::restoreFromTray()
{
    deleteTrayIcon();
    HWND hwnd = windowHandle();
    if (minimizeApplication_) {
        if (TCustomForm* main = Application->MainForm(); main && main->HandleAllocated() && main != form_)
            ShowWindow(main->Handle(), SW_RESTORE);
    }
    if (hwnd) {
        ShowWindow(hwnd, SW_RESTORE);
        SetForegroundWindow(hwnd);
    }
}

bool TSeCustomForm::addTrayIcon()
{
    trayIcon_.hWnd = TrayWindow();
    if (!trayIcon_.hIcon)
        trayIcon_.hIcon = FormIcon();
    trayIconShown_ = Shell_NotifyIcon(NIM_ADD, &trayIcon_) != FALSE;
    return trayIconShown_;
}

void TSeCustomForm::deleteTrayIcon()
{
    if (!trayIconShown_)
        return;
    trayIconShown_ = false;
    Shell_NotifyIcon(NIM_DELETE, &trayIcon_);
}

LRESULT TSeCustomForm::trayWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    try {
        switch (msg) {
        case WM_QUERYENDSESSION: return 1;
        case WM_ENDSESSION:      deleteTrayIcon(); return 0;
        case SEM_TRAYNOTIFY:
            if (lParam == WM_LBUTTONDBLCLK)
                Restore();
            else if (lParam == WM_RBUTTONUP)
                ShowSystemMenu();
            return 0;
        default: break;
        }
    } catch (...) {
        Application->HandleException(this);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void TSeCustomForm::Close()
{
    if (!ask(OnClose) || !form_)
        return;
    if (hostModal()) {
        form_->SetModalResult(mrCancel);
        return;
    }
    if (!form_->CloseQuery())
        return;
    TCloseAction action = caHide;
    form_->RunCloseAction(action);
    if (action == caNone)
        return;
    if (form_ == Application->MainForm()) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:     form_->Hide(); break;
    case caMinimize: Minimize(); break;
    case caFree:     form_->Release(); break;
    default:         break;
    }
}

void TSeCustomForm::ShowHelp()
{
    if (HWND hwnd = windowHandle())
        SendMessage(hwnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
}

// ---- The application's minimize and restore ---------------------------------------------------

namespace {

// The forms that follow the application's minimize and restore, behind one
// pair of handlers chained in front of the application's own: forms come
// and go in any order without cutting each other out of the chain.
struct ApplicationListeners {
    std::vector<TSeCustomForm*> forms;
    TNotifyEvent savedMinimize;
    TNotifyEvent savedRestore;
    bool installed = false;
    bool notifying = false;
};

ApplicationListeners& listeners()
{
    static ApplicationListeners* all = new ApplicationListeners();
    return *all;
}

bool listening(TSeCustomForm* form)
{
    auto& forms = listeners().forms;
    return std::find(forms.begin(), forms.end(), form) != forms.end();
}

// Each form once per application minimize or restore, then the handler that
// was there before. A form's own minimize minimizes the application again
// from inside: that inner round tells nobody.
void notifyForms(TObject* sender, void (TSeCustomForm::*handler)(), const TNotifyEvent& saved)
{
    ApplicationListeners& all = listeners();
    if (all.notifying)
        return;
    all.notifying = true;
    try {
        for (TSeCustomForm* form : std::vector<TSeCustomForm*>(all.forms))
            if (listening(form))
                (form->*handler)();
    } catch (...) {
        all.notifying = false;
        throw;
    }
    all.notifying = false;
    if (saved)
        saved(sender);
}

} // namespace

void TSeCustomForm::chainApplicationEvents()
{
    if (applicationChained_)
        return;
    applicationChained_ = true;
    ApplicationListeners& all = listeners();
    all.forms.push_back(this);
    if (all.installed)
        return;
    all.installed = true;
    all.savedMinimize = Application->OnMinimize;
    all.savedRestore = Application->OnRestore;
    Application->OnMinimize = [](TObject* sender) {
        notifyForms(sender, &TSeCustomForm::applicationMinimized, listeners().savedMinimize);
    };
    Application->OnRestore = [](TObject* sender) {
        notifyForms(sender, &TSeCustomForm::applicationRestored, listeners().savedRestore);
    };
}

void TSeCustomForm::unchainApplicationEvents()
{
    if (!applicationChained_)
        return;
    applicationChained_ = false;
    ApplicationListeners& all = listeners();
    all.forms.erase(std::remove(all.forms.begin(), all.forms.end(), this), all.forms.end());
    if (!all.forms.empty() || !all.installed)
        return;
    all.installed = false;
    Application->OnMinimize = std::move(all.savedMinimize);
    Application->OnRestore = std::move(all.savedRestore);
}

void TSeCustomForm::applicationMinimized()
{
    if (windowState_ != kwsMinimized && windowState_ != kwsTray)
        Minimize();
}

void TSeCustomForm::applicationRestored()
{
    if (windowState_ != kwsMinimized)
        return;
    Restore();
    PaintNonClient();
}
