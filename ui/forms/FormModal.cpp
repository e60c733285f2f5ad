// Modal showing and closing of forms.

#include "ui/forms/Application.h"
#include "ui/component/Exception.h"
#include "ui/forms/Form.h"

#include <vector>

namespace {

struct DisabledWindows {
    HWND keep = nullptr;
    std::vector<HWND> windows;
};

BOOL disableOne(HWND hwnd, LPARAM data)
{
    auto* state = reinterpret_cast<DisabledWindows*>(data);
    if (hwnd != state->keep && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
        state->windows.push_back(hwnd);
        EnableWindow(hwnd, FALSE);
    }
    return TRUE;
}

// Every other visible top-level window stops taking input while a modal
// form runs; they come back in the same state afterwards.
class ModalScope {
public:
    explicit ModalScope(HWND modal)
    {
        state_.keep = modal;
        EnumWindows(disableOne, reinterpret_cast<LPARAM>(&state_));
    }
    ~ModalScope()
    {
        for (HWND hwnd : state_.windows)
            if (IsWindow(hwnd))
                EnableWindow(hwnd, TRUE);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    DisabledWindows state_;
};

} // namespace

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || formState_.Contains(fsModal))
        throw EInvalidOperation("Cannot make a visible window modal");
    AfterConstruction();
    if (HWND capture = GetCapture()) {
        SendMessage(capture, WM_CANCELMODE, 0, 0);
        ReleaseCapture();
    }
    Application->CancelHint();
    HWND activeBefore = GetActiveWindow();
    HandleNeeded();
    formState_.Include(fsModal);
    modalResult_ = mrNone;
    TModalResult result = mrNone;
    {
        ModalScope scope(Handle());
        try {
            Show();
            do {
                Application->HandleMessage();
                if (Application->Terminated())
                    modalResult_ = mrCancel;
                else if (modalResult_ != mrNone)
                    closeModal();
            } while (modalResult_ == mrNone);
            result = modalResult_;
        } catch (...) {
            formState_.Exclude(fsModal);
            throw;
        }
    }
    if (activeBefore && IsWindow(activeBefore) && IsWindowVisible(activeBefore))
        SetActiveWindow(activeBefore);
    formState_.Exclude(fsModal);
    Hide();
    return result;
}

void TCustomForm::closeModal()
{
    TCloseAction action = CloseQuery() ? caHide : caNone;
    if (action != caNone)
        DoClose(action);
    switch (action) {
    case caNone:
        modalResult_ = mrNone;
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TCustomForm::Close()
{
    if (formState_.Contains(fsModal)) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

void TCustomForm::Release()
{
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}
