// Hints: a pause after the pointer comes to rest on a control with a hint,
// CM_HINTSHOW and OnShowHint to adjust or refuse it, the hint window, and a
// pause after which it hides again.

#include "ui/forms/Application.h"

#include "ui/control/Control.h"
#include "ui/forms/Screen.h"

#include "platform/WinUser.h"

void TApplication::SetShowHint(bool value)
{
    showHint_ = value;
    if (value)
        return;
    CancelHint();
    // The next hint makes a new window, of HintWindowClass as it is then.
    delete hintWindow_;
    hintWindow_ = nullptr;
}

void TApplication::SetHint(const std::string& value)
{
    if (value == hint_)
        return;
    hint_ = value;
    if (OnHint)
        OnHint(this);
}

bool TApplication::isHintMessage(const MSG& msg) const
{
    return hintWindow_ ? hintWindow_->IsHintMsg(msg) : THintWindow::IsKeyOrButtonDown(msg);
}

void TApplication::startHintTimer(int ms)
{
    stopHintTimer();
    hintTimer_ = SetTimer(nullptr, 0, UINT(ms > 0 ? ms : 1), hintTimerProc);
}

void TApplication::stopHintTimer()
{
    if (hintTimer_)
        KillTimer(nullptr, hintTimer_);
    hintTimer_ = 0;
}

void TApplication::hintTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    Application->hintTimerExpired();
}

void TApplication::hintTimerExpired()
{
    stopHintTimer();
    if (hintWaitingToHide_) {
        CancelHint();
        return;
    }
    if (!hintControl_)
        return;
    POINT p{};
    GetCursorPos(&p);
    ActivateHint(p);
}

void TApplication::ActivateHint(TPoint cursorPos)
{
    TControl* control = FindDragTarget(cursorPos, false);
    if (!control || !showHint_)
        return;
    THintInfo info;
    info.HintControl = control;
    info.HintWindowClass = HintWindowClass;
    info.HintPos = TPoint{cursorPos.x, cursorPos.y + 20};
    info.HintMaxWidth = Screen->Width();
    info.HintColor = HintColor;
    info.CursorRect = control->ClientRect();
    info.CursorPos = control->ScreenToClient(cursorPos);
    info.HideTimeout = HintHidePause;
    info.HintStr = control->Hint();
    bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    if (OnShowHint)
        OnShowHint(info.HintStr, canShow, info);
    hintControl_ = control;
    if (!canShow || info.HintStr.empty() || !info.HintWindowClass) {
        if (hintWindow_)
            hintWindow_->ReleaseHandle();
        hintShowing_ = false;
        return;
    }
    if (!hintWindow_)
        hintWindow_ = info.HintWindowClass(this);
    hintWindow_->SetColor(info.HintColor);
    TRect rect = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    OffsetRect(&rect, info.HintPos.x, info.HintPos.y);
    hintWindow_->ActivateHintData(rect, info.HintStr, info.HintData);
    hintShowing_ = true;
    if (info.HideTimeout > 0) {
        hintWaitingToHide_ = true;
        startHintTimer(info.HideTimeout);
    }
}

void TApplication::CancelHint()
{
    stopHintTimer();
    hintWaitingToHide_ = false;
    hintControl_ = nullptr;
    if (hintWindow_ && hintShowing_)
        hintWindow_->ReleaseHandle();
    hintShowing_ = false;
}
