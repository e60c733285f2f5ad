// The application object: message loop, idle work, error report, and the
// control under the pointer. Hints are in ApplicationHints.cpp.

#include "ui/forms/Application.h"

#include "ui/forms/ActionList.h"
#include "ui/commondlg/MessageBox.h"
#include "ui/component/Exception.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Icon.h"
#include "ui/forms/Screen.h"

#include "platform/WinUser.h"

TApplication* TApplicationAccess::operator->() const
{
    return *this;
}

TApplicationAccess::operator TApplication*() const
{
    // Never freed: forms and controls report to it until the very end.
    static TApplication* application = new TApplication(nullptr);
    return application;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner), icon_(std::make_unique<TIcon>())
{
    HintWindowClass = [](TComponent* hintOwner) { return new THintWindow(hintOwner); };
}

TApplication::~TApplication() = default;

void TApplication::Initialize()
{
    terminated_ = false;
    mouseControl_ = nullptr;
    trackedWindow_ = nullptr;
    CancelHint();
}

void TApplication::formCreated(TComponent* component)
{
    auto* form = dynamic_cast<TCustomForm*>(component);
    if (!form)
        return;
    if (!mainForm_)
        mainForm_ = form;
    form->AfterConstruction();
}

void TApplication::FormDestroyed(TCustomForm* form)
{
    if (mainForm_ == form)
        mainForm_ = nullptr;
    ControlDestroyed(form);
}

// ---- Message loop --------------------------------------------------------------------------

bool TApplication::processMessage()
{
    MSG msg;
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    if (MessageFilter && MessageFilter(msg))
        return true;
    if (isHintMessage(msg))
        CancelHint();
    TranslateMessage(&msg);
    try {
        DispatchMessage(&msg);
    } catch (...) {
        HandleException(this);
    }
    return true;
}

void TApplication::idle()
{
    POINT p{};
    GetCursorPos(&p);
    if (mouseControl_) {
        TControl* under = FindDragTarget(p, false);
        if (under != mouseControl_)
            setMouseControl(under);
    }
    bool done = true;
    try {
        UpdateActionLists();
        if (OnIdle)
            OnIdle(this, done);
    } catch (...) {
        HandleException(this);
    }
    if (done && !terminated_)
        WaitMessage();
}

void TApplication::HandleMessage()
{
    if (!processMessage())
        idle();
}

void TApplication::ProcessMessages()
{
    // Cooking input can post messages (a pointer leaving) while the look
    // that cooked it reports an empty queue; look once more.
    MSG peek;
    do {
        while (processMessage()) {
        }
    } while (PeekMessage(&peek, nullptr, 0, 0, PM_NOREMOVE));
}

void TApplication::Run()
{
    terminated_ = false;
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    }
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::Minimize()
{
    if (mainForm_ && mainForm_->HandleAllocated())
        ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
    if (OnMinimize)
        OnMinimize(this);
}

void TApplication::Restore()
{
    if (mainForm_ && mainForm_->HandleAllocated() && IsIconic(mainForm_->Handle()))
        ShowWindow(mainForm_->Handle(), SW_RESTORE);
    if (OnRestore)
        OnRestore(this);
}

// ---- Errors ------------------------------------------------------------------------------------

void TApplication::HandleException(TObject* sender)
{
    std::exception_ptr current = std::current_exception();
    if (!current)
        return;
    try {
        std::rethrow_exception(current);
    } catch (const Exception& error) {
        if (OnException)
            OnException(sender, error);
        else
            ShowException(error);
    } catch (const std::exception& error) {
        Exception wrapped(error.what());
        if (OnException)
            OnException(sender, wrapped);
        else
            ShowException(wrapped);
    } catch (...) {
        Exception wrapped("An unknown error occurred.");
        if (OnException)
            OnException(sender, wrapped);
        else
            ShowException(wrapped);
    }
}

void TApplication::ShowException(const Exception& error)
{
    std::string text = error.Message();
    if (!text.empty() && text.back() > '.')
        text += '.';
    std::string caption = title_.empty() ? "Error" : title_;
    MessageBox(text, caption, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    HWND owner = GetActiveWindow();
    return ::MessageBox(owner, text, caption, flags);
}

// ---- The control under the pointer ------------------------------------------------------------

void TApplication::TrackMouseControl(TControl* window, TPoint clientPos)
{
    auto* winControl = dynamic_cast<TWinControl*>(window);
    if (!winControl || !winControl->HandleAllocated())
        return;
    TControl* target = winControl->ControlAtPos(clientPos, false);
    setMouseControl(target ? target : window);
    if (trackedWindow_ != winControl->Handle()) {
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = winControl->Handle();
        TrackMouseEvent(&track);
        trackedWindow_ = track.hwndTrack;
    }
}

void TApplication::MouseLeftWindow(TControl* window)
{

    auto* winControl = dynamic_cast<TWinControl*>(window);
    if (winControl && winControl->HandleAllocated() && trackedWindow_ == winControl->Handle())
        trackedWindow_ = nullptr;
    POINT p{};
    GetCursorPos(&p);
    TControl* under = FindDragTarget(p, false);
    if (mouseControl_ && window && (mouseControl_ == window || mouseControl_->Parent() == window))
        setMouseControl(under);
}

void TApplication::setMouseControl(TControl* control)
{
    if (control == mouseControl_)
        return;
    TControl* old = mouseControl_;
    mouseControl_ = control;
    if (old)
        old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
    if (mouseControl_ == control && control)
        control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
    bool wasShowing = hintShowing_;
    CancelHint();
    if (control && showHint_ && control->ShowHint() && !control->Hint().empty()) {
        hintControl_ = control;
        startHintTimer(wasShowing ? HintShortPause : HintPause);
    }
}

void TApplication::ControlDestroyed(TControl* control)
{
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
    if (hintControl_ == control)
        CancelHint();
    if (hintWindow_ == control)
        hintWindow_ = nullptr;
}
