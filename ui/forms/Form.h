#pragma once
// TCustomForm and TForm: a top-level window with a border style, a start
// position, modal showing, closing with a query, activation, the active
// control and focus changes, keyboard preview, Tab navigation and the
// default and cancel buttons.

#include "ui/control/WinControl.h"

class TIcon;

enum TFormStateItem : std::uint8_t { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;
enum TFormStyle : std::uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TShortCutEvent = std::function<void(WORD key, TShiftState shift, bool& handled)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Runs OnCreate once; Application->CreateForm calls it after the
    // constructors, and showing a form that missed it calls it then.
    void AfterConstruction();
    // Runs OnDestroy once. The base destructor calls it; a derived form
    // whose handler uses the derived form's own members calls it first
    // thing in its own destructor.
    void DoDestroy();

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle value);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState value);
    TFormState FormState() const { return formState_; }
    TIcon* Icon() const { return icon_.get(); }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }
    bool Active() const { return active_; }

    // ---- Showing and closing
    void Show();
    void Hide();
    void SetFocus() override;
    // Shows the form with every other window disabled and runs a message
    // loop until ModalResult becomes non-zero; returns that result.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    void Close();
    // Lets the form's own close handling (DoClose, OnClose) settle `action`,
    // for code that closes the form its own way.
    void RunCloseAction(TCloseAction& action) { DoClose(action); }
    virtual bool CloseQuery();
    // Frees the form once the messages already waiting are handled.
    void Release();

    // ---- Focus
    TWinControl* ActiveControl() const { return activeControl_; }
    // Raises EInvalidOperation for a control that cannot take the focus.
    void SetActiveControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    // Called when a control of this form got the focus; sends CM_EXIT and
    // CM_ENTER along the parent chains and CM_FOCUSCHANGED to all.
    bool SetFocusedControl(TWinControl* control);
    // A control of this form is going away: forget it.
    void ControlRemoving(TWinControl* control);
    // Runs the form's OnShortCut, then the shortcuts of its action lists.
    virtual bool IsShortCut(WORD key, TShiftState shift);

    TRect ClientRect() const override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

    friend class TWinControl;

protected:
    void CreateParams(TCreateParams& params) override;
    bool TopLevel() const override { return true; }
    virtual void DoClose(TCloseAction& action);
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activate();
    virtual void Deactivate();
    void Loaded() override;

private:
    void setActive(bool value);
    void placeOnScreen();
    void showingChanged();
    void handleDialogKey(TMessage& m);
    void closeModal();
    DWORD windowStyle(DWORD& exStyle) const;

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = {biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    TFormState formState_ = {fsCreating};
    std::unique_ptr<TIcon> icon_;
    bool keyPreview_ = false;
    bool active_ = false;
    bool created_ = false;
    bool destroyHandled_ = false;
    bool placed_ = false;
    TModalResult modalResult_ = mrNone;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};
