#pragma once
// TSeHook: a component that sees the messages of a windowed control before
// (and after) the control's own procedure, by replacing the window
// procedure through the process-wide hook list. Several hooks may share one
// window; the one attached last runs first, and a hook that marks a message
// handled keeps it from the hooks after it and from the control.
//
// The hooked control is the owner (when it is a windowed control) unless
// SetControl names another. A hook built inside a loading bracket attaches
// when loading ends; otherwise when it is made Active or given a control.

#include "ui/component/Component.h"
#include "ui/control/ControlMessages.h"

class TWinControl;
class TControlHook;

class TSeHook : public TComponent {
public:
    explicit TSeHook(TComponent* owner);
    ~TSeHook() override;

    bool Active() const { return active_; }
    // False detaches the hook, True attaches it (unless loading).
    void SetActive(bool value);
    TWinControl* Control() const { return control_; }
    void SetControl(TWinControl* control);
    // The record of the window this hook is attached to, or null.
    TControlHook* Hook() const { return hook_; }
    bool Attached() const { return hook_ != nullptr; }

    // Before the control's procedure. The default hands the message to
    // HandleMessage with `handled` as the starting value of Handled().
    virtual void BeforeMessage(TMessage& message, bool& handled);
    // After the control's procedure (or after the hook that handled it).
    virtual void AfterMessage(TMessage& message, bool& handled);
    // The hook was installed again on a window the control made anew.
    virtual void HookReinstalled() {}

    // Inside a handler: keep the message from the control.
    void MarkHandled() { handled_ = true; }
    bool Handled() const { return handled_; }

protected:
    // The component's own handlers, chosen by message number.
    virtual void HandleMessage(TMessage&) {}
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Detaches; derived destructors call it first so that no message
    // reaches a half-destroyed component.
    void DetachHook();

private:
    void attach();
    void updateAttachment();

    TWinControl* control_ = nullptr;
    TControlHook* hook_ = nullptr;
    bool active_ = true;
    bool handled_ = false;
};
