#include "skin/controls/forms/SeFormPopupMenu.h"

#include "ui/menus/Menu.h"

TPopupMenu* CreateFormPopupMenu(TComponent* owner)
{
    return new TPopupMenu(owner);
}

void ApplyFormMenuOptions(TPopupMenu*, const TSePopupMenuOptions*) {}
