#include "skin/controls/forms/SeFormPopupMenu.h"

#include "skin/controls/menus/SeSkinPopupMenu.h"

TPopupMenu* CreateFormPopupMenu(TComponent* owner)
{
    return new TSeSkinPopupMenu(owner);
}

void ApplyFormMenuOptions(TPopupMenu* menu, const TSePopupMenuOptions* options)
{
    if (auto* skinned = dynamic_cast<TSeCustomPopupMenu*>(menu); skinned && options)
        skinned->PopupMenuOptions()->Assign(options);
}

void SetFormMenuEngine(TPopupMenu* menu, TSeSkinEngine* engine)
{
    if (auto* skinned = dynamic_cast<TSeSkinPopupMenu*>(menu))
        skinned->SetSkinEngine(engine);
}
