#include "skin/controls/base/SeSkinBinding.h"

#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/control/WinControl.h"

TSeSkinBinding::TSeSkinBinding(TControl& control, std::string objectName)
    : control_(control), objectName_(std::move(objectName))
{
}

TSeSkinBinding::~TSeSkinBinding()
{
    if (engine_)
        engine_->RemoveFreeNotification(&control_);
}

void TSeSkinBinding::SetEngine(TSeSkinEngine* engine)
{
    if (engine == engine_)
        return;
    if (engine_)
        engine_->RemoveFreeNotification(&control_);
    engine_ = engine;
    if (engine_)
        engine_->FreeNotification(&control_);
    Bind();
}

void TSeSkinBinding::SetObjectName(const std::string& name)
{
    if (name == objectName_)
        return;
    objectName_ = name;
    Bind();
}

void TSeSkinBinding::Bind()
{
    copy_.reset();
    TSeSkinSource* source = engine_ ? engine_->Source() : nullptr;
    if (source && !source->Replacing() && source->Count() > 0)
        if (TSeSkinObject* object = source->GetObjectByName(objectName_))
            copy_.reset(CloneSkinObject(*object, nullptr));
    changed();
}

void TSeSkinBinding::Unbind()
{
    if (!copy_)
        return;
    copy_.reset();
    changed();
}

void TSeSkinBinding::changed()
{
    if (OnChange)
        OnChange();
    control_.Invalidate();
}

TSeSkinObject* TSeSkinBinding::Object()
{
    if (!copy_)
        return nullptr;
    // Windowless controls draw on their parent's window.
    auto* window = dynamic_cast<TWinControl*>(&control_);
    if (!window)
        window = control_.Parent();
    HWND hwnd = window && window->HandleAllocated() ? window->Handle() : nullptr;
    if (copy_->Control() != hwnd)
        copy_->BindControl(hwnd, control_.BiDiMode());
    return copy_.get();
}

bool TSeSkinBinding::HandleMessage(TMessage& m)
{
    switch (m.Msg) {
    case SEM_SKINOBJECTCHANGED:
        control_.Invalidate();
        return true;
    case SEM_SKINCHANGING:
        if (engine_ && m.WParam == reinterpret_cast<WPARAM>(engine_))
            Unbind();
        return true;
    case SEM_SKINCHANGED:
        if (engine_ && m.WParam == reinterpret_cast<WPARAM>(engine_))
            Bind();
        return true;
    default:
        return false;
    }
}

void TSeSkinBinding::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component == engine_) {
        engine_ = nullptr;
        Unbind();
    }
}
