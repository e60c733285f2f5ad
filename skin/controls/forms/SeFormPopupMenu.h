#pragma once
// The one place where skinned forms get the popup menus they show (the
// built-in system menu) and hand menu options to a linked menu: skinned
// popup menus, drawn from the form's skin engine.

#include "skin/controls/options/SeWindowOptions.h"

class TComponent;
class TPopupMenu;
class TSeSkinEngine;

// A new skinned popup menu owned by `owner`.
TPopupMenu* CreateFormPopupMenu(TComponent* owner);
// Gives a menu the look options a form keeps for it (skinned menus only).
void ApplyFormMenuOptions(TPopupMenu* menu, const TSePopupMenuOptions* options);
// Draws a skinned menu from `engine` (none: the plain look).
void SetFormMenuEngine(TPopupMenu* menu, TSeSkinEngine* engine);
