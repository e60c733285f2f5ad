// TCustomForm: window styles from the border settings, placement, showing,
// activation, focus bookkeeping and dialog keys. Modal showing and closing
// live in FormModal.cpp.

#include "ui/forms/Form.h"

#include "ui/forms/ActionList.h"
#include "ui/forms/Application.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Icon.h"
#include "ui/forms/Screen.h"

#include <algorithm>

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), icon_(std::make_unique<TIcon>())
{
    SetVisible(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    DoDestroy();
    Destroying();
    DestroyComponents();
    activeControl_ = nullptr;
    focusedControl_ = nullptr;
    DestroyHandle();
    Screen->RemoveForm(this);
    Application->FormDestroyed(this);
}

void TCustomForm::AfterConstruction()
{
    if (created_)
        return;
    created_ = true;
    formState_.Exclude(fsCreating);
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::DoDestroy()
{
    if (destroyHandled_)
        return;
    destroyHandled_ = true;
    if (!OnDestroy)
        return;
    try {
        OnDestroy(this);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    if (activeControl_ && !ContainsControl(activeControl_))
        activeControl_ = nullptr;
}

// ---- Window styles ------------------------------------------------------------------------

DWORD TCustomForm::windowStyle(DWORD& exStyle) const
{
    DWORD style = WS_CLIPCHILDREN;
    exStyle = 0;
    switch (borderStyle_) {
    case bsNone:
        style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        style |= WS_POPUP | WS_CAPTION;
        exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin)
        exStyle |= WS_EX_TOOLWINDOW;
    if (borderStyle_ != bsNone) {
        if (borderIcons_.Contains(biSystemMenu))
            style |= WS_SYSMENU;
        bool boxes = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
        if (boxes && borderIcons_.Contains(biMinimize))
            style |= WS_MINIMIZEBOX;
        if (boxes && borderIcons_.Contains(biMaximize))
            style |= WS_MAXIMIZEBOX;
        if (borderIcons_.Contains(biHelp) && (borderStyle_ == bsDialog || !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))))
            exStyle |= WS_EX_CONTEXTHELP;
    }
    if (formStyle_ == fsStayOnTop)
        exStyle |= WS_EX_TOPMOST;
    return style;
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style = windowStyle(params.ExStyle);
    if (!Enabled())
        params.Style |= WS_DISABLED;
    params.WndParent = ParentWindow();
    if (!params.WndParent) {
        TCustomForm* main = Application->MainForm();
        if (main && main != this && main->HandleAllocated())
            params.WndParent = main->Handle();
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    if (value == borderIcons_)
        return;
    borderIcons_ = value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value)
{
    formStyle_ = value;
    if (HandleAllocated())
        SetWindowPos(Handle(), value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState() const
{
    if (!const_cast<TCustomForm*>(this)->HandleAllocated())
        return windowState_;
    HWND hwnd = const_cast<TCustomForm*>(this)->Handle();
    if (IsIconic(hwnd))
        return wsMinimized;
    if (IsZoomed(hwnd))
        return wsMaximized;
    return wsNormal;
}

void TCustomForm::SetWindowState(TWindowState value)
{
    windowState_ = value;
    if (!HandleAllocated() || !Showing())
        return;
    const int commands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ShowWindow(Handle(), commands[value]);
}

TRect TCustomForm::ClientRect() const
{
    if (const_cast<TCustomForm*>(this)->HandleAllocated())
        return TWinControl::ClientRect();
    DWORD exStyle = 0;
    DWORD style = windowStyle(exStyle);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return Rect(0, 0, std::max(0, Width() - ::Width(frame)), std::max(0, Height() - ::Height(frame)));
}

// ---- Showing -------------------------------------------------------------------------------

void TCustomForm::Show()
{
    AfterConstruction();
    SetVisible(true);
    if (HandleAllocated()) {
        BringToFront();
        SetForegroundWindow(Handle());
    }
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::placeOnScreen()
{
    if (placed_)
        return;
    placed_ = true;
    TRect area;
    switch (position_) {
    case poScreenCenter:
        area = Rect(0, 0, Screen->Width(), Screen->Height());
        break;
    case poDesktopCenter:
        area = Screen->WorkAreaRect();
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* center = position_ == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
        if (!center)
            center = Application->MainForm();
        if (center && center != this && center->HandleAllocated() && center->Visible())
            area = center->BoundsRect();
        else
            area = Rect(0, 0, Screen->Width(), Screen->Height());
        break;
    }
    default:
        return;
    }
    int x = area.left + (::Width(area) - Width()) / 2;
    int y = area.top + (::Height(area) - Height()) / 2;
    SetBounds(std::max(x, 0), std::max(y, 0), Width(), Height());
}

void TCustomForm::showingChanged()
{
    if (Showing()) {
        DoShow();
        placeOnScreen();
        int command = SW_SHOWNORMAL;
        if (windowState_ == wsMinimized)
            command = SW_SHOWMINIMIZED;
        else if (windowState_ == wsMaximized)
            command = SW_SHOWMAXIMIZED;
        ShowWindow(Handle(), command);
        formState_.Include(fsVisible);
    } else {
        DoHide();
        if (HandleAllocated())
            ShowWindow(Handle(), SW_HIDE);
        formState_.Exclude(fsVisible);
    }
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::SetFocus()
{
    if (!Visible() || !Enabled())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (HandleAllocated())
        SetForegroundWindow(Handle());
}

// ---- Activation and focus -----------------------------------------------------------------------

void TCustomForm::setActive(bool value)
{
    if (value == active_)
        return;
    active_ = value;
    if (value) {
        Screen->SetActiveForm(this);
        if (!activeControl_)
            activeControl_ = FindNextControl(nullptr, true, true, false);
        if (activeControl_ && activeControl_->CanFocus())
            ::SetFocus(activeControl_->Handle());
        else if (HandleAllocated() && GetFocus() != Handle())
            ::SetFocus(Handle());
        formState_.Include(fsActivated);
        Perform(CM_ACTIVATE);
    } else {
        Perform(CM_DEACTIVATE);
    }
}

void TCustomForm::Activate()
{
    if (OnActivate)
        OnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (OnDeactivate)
        OnDeactivate(this);
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == activeControl_)
        return;
    if (!ComponentState().Contains(csLoading) && control &&
        (control == this || !ContainsControl(control) || !control->CanFocus()))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (active_ && control && !ComponentState().Contains(csLoading))
        ::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control)
{
    bool wasActive = active_;
    SetActiveControl(control);
    if (!wasActive && Showing())
        SetFocus();
    if (control && control->HandleAllocated() && Showing() && GetFocus() != control->Handle())
        ::SetFocus(control->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* control)
{
    if (ComponentState().Contains(csDestroying))
        return false;
    Screen->SetActiveControl(this, control);
    if (control == focusedControl_)
        return true;
    TWinControl* old = focusedControl_;
    focusedControl_ = control;
    if (control != this)
        activeControl_ = control;
    // The lowest control that holds both keeps the focus inside it.
    TWinControl* common = nullptr;
    for (TWinControl* c = control; c && !common; c = c->Parent())
        if (old && c->ContainsControl(old))
            common = c;
    for (TWinControl* c = old; c && c != common; c = c->Parent()) {
        c->Perform(CM_EXIT);
        if (focusedControl_ != control)
            return false;
    }
    std::vector<TWinControl*> entering;
    for (TWinControl* c = control; c && c != common; c = c->Parent())
        entering.push_back(c);
    for (auto it = entering.rbegin(); it != entering.rend(); ++it) {
        (*it)->Perform(CM_ENTER);
        if (focusedControl_ != control)
            return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    return true;
}

void TCustomForm::ControlRemoving(TWinControl* control)
{
    if (activeControl_ && control->ContainsControl(activeControl_))
        activeControl_ = nullptr;
    if (focusedControl_ && control->ContainsControl(focusedControl_)) {
        focusedControl_ = nullptr;
        if (control->Focused() && HandleAllocated())
            ::SetFocus(Handle());
    }
    Screen->ControlRemoving(control);
}

bool TCustomForm::IsShortCut(WORD key, TShiftState shift)
{
    bool handled = false;
    if (OnShortCut)
        OnShortCut(key, shift, handled);
    if (handled)
        return true;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TActionList*>(Components(i)); list && list->IsShortCut(key, shift))
            return true;
    return false;
}

// ---- Messages ---------------------------------------------------------------------------------

void TCustomForm::handleDialogKey(TMessage& m)
{
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    bool alt = GetKeyState(VK_MENU) < 0;
    if (!ctrl && !alt) {
        switch (m.WParam) {
        case VK_TAB:
            SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
            m.Result = 1;
            return;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (activeControl_ && activeControl_->Parent()) {
                bool forward = m.WParam == VK_RIGHT || m.WParam == VK_DOWN;
                if (TWinControl* next = activeControl_->Parent()->FindNextControl(activeControl_, forward, false, true)) {
                    next->SetFocus();
                    m.Result = 1;
                    return;
                }
            }
            break;
        default:
            break;
        }
    }
    TWinControl::WndProc(m);
}

void TCustomForm::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_ACTIVATE:
        DefaultHandler(m);
        setActive(LOWORD(m.WParam) != WA_INACTIVE);
        return;
    case WM_CLOSE:
        Close();
        return;
    case WM_SYSCOMMAND:
        // The main form's minimize and restore are the application's.
        if (Application->MainForm() == this) {
            if ((m.WParam & 0xFFF0) == SC_MINIMIZE) {
                Application->Minimize();
                return;
            }
            if ((m.WParam & 0xFFF0) == SC_RESTORE && HandleAllocated() && IsIconic(Handle())) {
                Application->Restore();
                return;
            }
        }
        break;
    case WM_SETFOCUS:
        if (activeControl_ && activeControl_ != this && activeControl_->CanFocus() &&
            activeControl_->HandleAllocated()) {
            ::SetFocus(activeControl_->Handle());
            return;
        }
        break;
    case CM_ACTIVATE:
        Activate();
        return;
    case CM_DEACTIVATE:
        Deactivate();
        return;
    case CM_DIALOGKEY:
        handleDialogKey(m);
        return;
    case CM_SHOWINGCHANGED:
        showingChanged();
        return;
    case CM_RELEASE:
        Free();
        return;
    case WM_SIZE:
        DefaultHandler(m);
        if (m.WParam == SIZE_MINIMIZED)
            windowState_ = wsMinimized;
        else if (m.WParam == SIZE_MAXIMIZED)
            windowState_ = wsMaximized;
        else if (m.WParam == SIZE_RESTORED)
            windowState_ = wsNormal;
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}
