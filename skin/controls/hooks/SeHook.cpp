#include "skin/controls/hooks/SeHook.h"

#include "skin/controls/hooks/ControlHook.h"
#include "skin/controls/hooks/HookList.h"
#include "ui/control/WinControl.h"

TSeHook::TSeHook(TComponent* owner) : TComponent(owner)
{
    control_ = dynamic_cast<TWinControl*>(owner);
}

TSeHook::~TSeHook()
{
    DetachHook();
    if (control_ && control_ != Owner())
        control_->RemoveFreeNotification(this);
}

void TSeHook::SetActive(bool value)
{
    if (value == active_)
        return;
    active_ = value;
    updateAttachment();
}

void TSeHook::SetControl(TWinControl* control)
{
    if (control == control_)
        return;
    DetachHook();
    if (control_ && control_ != Owner())
        control_->RemoveFreeNotification(this);
    control_ = control;
    if (control_ && control_ != Owner())
        control_->FreeNotification(this);
    updateAttachment();
}

void TSeHook::BeforeMessage(TMessage& message, bool& handled)
{
    handled_ = handled;
    HandleMessage(message);
    handled = handled_;
}

void TSeHook::AfterMessage(TMessage&, bool&) {}

void TSeHook::Loaded()
{
    TComponent::Loaded();
    updateAttachment();
}

void TSeHook::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == control_) {
        DetachHook();
        control_ = nullptr;
    }
}

void TSeHook::updateAttachment()
{
    bool wanted = active_ && control_ && !ComponentState().Contains(csLoading) &&
                  !ComponentState().Contains(csDestroying);
    if (wanted)
        attach();
    else
        DetachHook();
}

void TSeHook::attach()
{
    if (hook_)
        return;
    hook_ = THookList::Instance().FindOrCreate(control_);
    hook_->Add(this);
    hook_->Install();
}

void TSeHook::DetachHook()
{
    if (!hook_)
        return;
    TControlHook* hook = hook_;
    hook_ = nullptr;
    if (hook->Remove(this)) {
        hook->Uninstall();
        THookList::Instance().PostRelease(hook);
    }
}
