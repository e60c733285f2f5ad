#include "skin/controls/message/SeSkinMessage.h"

#include "skin/controls/buttons/SeSkinButton.h"
#include "skin/controls/buttons/SeSkinCheckBox.h"
#include "skin/controls/edit/SeSkinEdit.h"
#include "skin/controls/forms/SeSkinForm.h"
#include "skin/controls/panels/SeSkinLabel.h"
#include "skin/engine/SeSkinEngine.h"

TSeSkinMessage::TSeSkinMessage(TComponent* owner) : TSeCustomMessage(owner) {}

TSeSkinMessage::~TSeSkinMessage()
{
    SetSkinEngine(nullptr);
}

void TSeSkinMessage::SetSkinEngine(TSeSkinEngine* engine)
{
    if (engine == engine_)
        return;
    if (engine_)
        engine_->RemoveFreeNotification(this);
    engine_ = engine;
    if (engine_)
        engine_->FreeNotification(this);
}

void TSeSkinMessage::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component == engine_)
        engine_ = nullptr;
    TSeCustomMessage::Notification(component, operation);
}

namespace {

// A skinned part made for `owner` and bound to `engine`.
template <class T>
T* boundTo(TSeSkinEngine* engine, TComponent* owner)
{
    auto* part = new T(owner);
    part->SetSkinEngine(engine);
    return part;
}

} // namespace

TSeMessageButton* TSeSkinMessage::CreateButton(TComponent* owner)
{
    auto* button = boundTo<TSeSkinButton>(engine_, owner);
    if (auto* parent = dynamic_cast<TWinControl*>(owner))
        button->SetParent(parent);
    return button;
}

TSeMessageEdit* TSeSkinMessage::CreateEdit(TComponent* owner)
{
    return boundTo<TSeSkinEdit>(engine_, owner);
}

TSeMessageLabel* TSeSkinMessage::CreateLabel(TComponent* owner)
{
    return boundTo<TSeSkinLabel>(engine_, owner);
}

TSeMessageCheckBox* TSeSkinMessage::CreateCheckBox(TComponent* owner)
{
    return boundTo<TSeSkinCheckBox>(engine_, owner);
}

TSeCustomForm* TSeSkinMessage::CreateFormSkin(TComponent* owner)
{
    return boundTo<TSeSkinForm>(engine_, owner);
}
