#pragma once
// The one place where skinned forms get the popup menus they show (the
// built-in system menu) and hand menu options to a linked menu. Until the
// skinned popup menu takes over here, the framework's plain menu is used
// and the options are not applied.

#include "skin/controls/options/SeWindowOptions.h"

class TComponent;
class TPopupMenu;

// A new popup menu owned by `owner`.
TPopupMenu* CreateFormPopupMenu(TComponent* owner);
// Gives a menu the look options a form keeps for it (skinned menus only).
void ApplyFormMenuOptions(TPopupMenu* menu, const TSePopupMenuOptions* options);
