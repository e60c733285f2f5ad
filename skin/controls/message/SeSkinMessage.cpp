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

TSeMessageButton* TSeSkinMessage::CreateButton(TComponent* owner)
{
    auto* button = new TSeSkinButton(owner);
    button->SetSkinEngine(engine_);
    if (auto* parent = dynamic_cast<TWinControl*>(owner))
        button->SetParent(parent);
    return button;
}

TSeMessageEdit* TSeSkinMessage::CreateEdit(TComponent* owner)
{
    auto* edit = new TSeSkinEdit(owner);
    edit->SetSkinEngine(engine_);
    return edit;
}

TSeMessageLabel* TSeSkinMessage::CreateLabel(TComponent* owner)
{
    auto* label = new TSeSkinLabel(owner);
    label->SetSkinEngine(engine_);
    return label;
}

TSeMessageCheckBox* TSeSkinMessage::CreateCheckBox(TComponent* owner)
{
    auto* box = new TSeSkinCheckBox(owner);
    box->SetSkinEngine(engine_);
    return box;
}

TSeCustomForm* TSeSkinMessage::CreateFormSkin(TComponent* owner)
{
    auto* skin = new TSeSkinForm(owner);
    skin->SetSkinEngine(engine_);
    return skin;
}
