#pragma once
// TSeCustomPopupMenu: a popup menu of skinned items. Popup pushes the
// menu's options and its owner down the item tree, fires OnPopup and opens
// the root's children as the first level; it returns when the menu has
// closed. At most one such menu shows at a time: a new Popup dismisses the
// one showing.

#include "skin/controls/options/SeWindowOptions.h"

#include "ui/menus/Menu.h"

class TSeCustomItem;
class TSeMenuSkin;
class TWinControl;

class TSeCustomPopupMenu : public TPopupMenu {
public:
    explicit TSeCustomPopupMenu(TComponent* owner);
    ~TSeCustomPopupMenu() override;

    // The invisible root; its children are the menu's rows.
    TSeCustomItem* Items() const { return root_; }
    TImageList* Images() const;
    void SetImages(TImageList* images);
    TSePopupMenuOptions* PopupMenuOptions() { return &options_; }
    // Menus opened from the notification area come to the front.
    bool BringToForeground = false;

    void Popup(int x, int y) override;
    // The menu whose Popup is running, or null.
    static TSeCustomPopupMenu* Showing();
    // Closes this menu's open levels (when it shows); its Popup returns
    // once the loops have unwound, without a click.
    void Dismiss();

protected:
    // Skinned menus take their skin again here.
    virtual void BindSkin() {}
    virtual TSeMenuSkin* MenuSkin() { return nullptr; }
    // Swaps the root for one of a derived item class (made in the derived
    // constructor).
    void ReplaceRoot(TSeCustomItem* root);
    void Notification(TComponent* component, TOperation operation) override;

private:
    TWinControl* ownerControl() const;

    TSeCustomItem* root_;
    TSePopupMenuOptions options_;
};
