// Skinned popup menus: popping up, the one showing, dismissal.

#include "skin/controls/menus/SeCustomPopupMenu.h"

#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SePopupWindow.h"

#include "ui/control/WinControl.h"
#include "ui/forms/Application.h"

#include "platform/WinUser.h"

namespace {

TSeCustomPopupMenu*& showingMenu()
{
    static TSeCustomPopupMenu* menu = nullptr;
    return menu;
}

} // namespace

TSeCustomPopupMenu::TSeCustomPopupMenu(TComponent* owner) : TPopupMenu(owner), root_(new TSeCustomItem(this)) {}

TSeCustomPopupMenu::~TSeCustomPopupMenu()
{
    if (showingMenu() == this) {
        Dismiss();
        showingMenu() = nullptr;
    }
}

void TSeCustomPopupMenu::ReplaceRoot(TSeCustomItem* root)
{
    TSeCustomItem* old = root_;
    root_ = root;
    delete old;
}

TImageList* TSeCustomPopupMenu::Images() const
{
    return root_ ? root_->Images() : nullptr;
}

void TSeCustomPopupMenu::SetImages(TImageList* images)
{
    if (root_)
        root_->SetImages(images);
}

void TSeCustomPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TPopupMenu::Notification(component, operation);
    if (operation == opRemove && component == root_)
        root_ = nullptr;
}

TSeCustomPopupMenu* TSeCustomPopupMenu::Showing()
{
    return showingMenu();
}

void TSeCustomPopupMenu::Dismiss()
{
    if (!root_)
        return;
    // The loops of the levels end as soon as they run again; the windows
    // go at once, so that nothing of this menu stays on the screen while
    // whatever dismissed it runs.
    for (TSePopupWindow* window : TSePopupWindow::OpenWindows()) {
        if (window->Item()->Root() != root_)
            continue;
        window->View()->EndAll();
        if (window->HandleAllocated())
            PostMessage(window->Handle(), WM_NCMBUTTONDBLCLK, 0, 0);
        window->HideNoActivate();
    }
}

TWinControl* TSeCustomPopupMenu::ownerControl() const
{
    if (auto* control = dynamic_cast<TWinControl*>(PopupComponent()))
        return control;
    return dynamic_cast<TWinControl*>(Owner());
}

void TSeCustomPopupMenu::Popup(int x, int y)
{
    // The menu showing goes first, this one too when it pops up again
    // from inside its own loop (rebuilt by a second right-click).
    if (TSeCustomPopupMenu* other = showingMenu()) {
        other->Dismiss();
        Application->ProcessMessages();
    }
    if (!root_)
        return;
    SetPopupPoint(TPoint{x, y});
    // This menu is the one showing until Popup returns, however it ends.
    struct ShowingScope {
        TSeCustomPopupMenu* menu;
        explicit ShowingScope(TSeCustomPopupMenu* m) : menu(m) { showingMenu() = m; }
        ~ShowingScope()
        {
            if (showingMenu() == menu)
                showingMenu() = nullptr;
        }
    } scope(this);

    BindSkin();
    root_->PushOptions(&options_);
    root_->PushOwnerControl(ownerControl());
    root_->PushMenuSkin(MenuSkin());
    root_->PushOpenedByPopup(true);
    root_->PushAnimateFirstLevel(true);
    root_->PushBringToForeground(BringToForeground);
    DoPopup();
    if (root_)
        root_->PopupAt(nullptr, x, y, nullptr);
}
