#include "skin/controls/message/SeSkinMessage.h"

#include "skin/controls/forms/SeSkinForm.h"
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

TSeCustomForm* TSeSkinMessage::CreateFormSkin(TComponent* owner)
{
    auto* skin = new TSeSkinForm(owner);
    skin->SetSkinEngine(engine_);
    return skin;
}
