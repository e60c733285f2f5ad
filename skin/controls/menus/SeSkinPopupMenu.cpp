// Skinned popup menus: the skin binding.

#include "skin/controls/menus/SeSkinPopupMenu.h"

#include "skin/controls/menus/SeSkinItem.h"

#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinTypes.h"

TSeSkinPopupMenu::TSeSkinPopupMenu(TComponent* owner) : TSeCustomPopupMenu(owner)
{
    ReplaceRoot(new TSeSkinItem(this));
    RegisterSkinForm(this);
}

TSeSkinPopupMenu::~TSeSkinPopupMenu()
{
    UnregisterSkinForm(this);
}

TSeSkinItem* TSeSkinPopupMenu::SkinItems() const
{
    return static_cast<TSeSkinItem*>(Items());
}

void TSeSkinPopupMenu::SetSkinEngine(TSeSkinEngine* engine)
{
    if (skinEngine_ != engine) {
        if (skinEngine_)
            skinEngine_->RemoveFreeNotification(this);
        skinEngine_ = engine;
        if (engine)
            engine->FreeNotification(this);
    }
    if (SkinItems())
        SkinItems()->SetSkinEngine(engine);
    BindSkin();
}

void TSeSkinPopupMenu::BindSkin()
{
    skin_.Bind(skinEngine_);
}

void TSeSkinPopupMenu::ReceiveSkinMessage(UINT message, TSeSkinEngine* engine)
{
    if (engine != skinEngine_)
        return;
    // The copy's bitmap links point into the skin being replaced.
    if (message == SEM_SKINCHANGING)
        skin_.Unbind();
    else if (message == SEM_SKINCHANGED)
        BindSkin();
}

void TSeSkinPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TSeCustomPopupMenu::Notification(component, operation);
    if (operation == opRemove && component == skinEngine_) {
        skinEngine_ = nullptr;
        skin_.Unbind();
    }
}
