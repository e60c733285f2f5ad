// Skinned menu rows.

#include "skin/controls/menus/SeSkinItem.h"

#include "skin/controls/menus/SePopupWindow.h"

#include "skin/engine/SeSkinEngine.h"

void TSeSkinItem::SetSkinEngine(TSeSkinEngine* engine)
{
    if (skinEngine_ != engine) {
        if (skinEngine_)
            skinEngine_->RemoveFreeNotification(this);
        skinEngine_ = engine;
        if (engine)
            engine->FreeNotification(this);
    }
    for (int i = 0; i < Count(); ++i)
        if (auto* child = dynamic_cast<TSeSkinItem*>(Items(i)))
            child->SetSkinEngine(engine);
}

void TSeSkinItem::Notification(TComponent* component, TOperation operation)
{
    TSeCustomItem::Notification(component, operation);
    if (operation == opRemove && component == skinEngine_)
        skinEngine_ = nullptr;
}

std::unique_ptr<TSePopupWindow> TSeSkinItem::CreatePopupWindow()
{
    return std::make_unique<TSeSkinPopupWindow>(this);
}

TSeCustomItem* TSeSkinItem::CreateItem(TComponent* owner)
{
    auto* item = new TSeSkinItem(owner);
    item->SetSkinEngine(skinEngine_);
    return item;
}
