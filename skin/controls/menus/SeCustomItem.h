#pragma once
// TSeCustomItem: one row of a skinned menu, and the invisible root of each
// menu. Items form a tree (the ordered child list); an item may follow an
// action. Before each popup the menu pushes its options and flags down the
// whole tree; PopupAt opens an item's children as one menu level.

#include "ui/component/Component.h"
#include "ui/component/Exception.h"
#include "ui/component/ShortCut.h"
#include "ui/component/Types.h"

#include "platform/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBasicAction;
class TImageList;
class TSeCustomItemActionLink;
class TSeMenuSkin;
class TSePopupMenuOptions;
class TSePopupWindow;
class TSeItemView;
class TWinControl;

class EMenuItemError : public Exception {
public:
    using Exception::Exception;
};

class TSeCustomItem : public TComponent {
public:
    explicit TSeCustomItem(TComponent* owner);
    ~TSeCustomItem() override;

    // ---- Published properties
    TBasicAction* Action() const;
    // Links the item to `action` and copies the action's values in; null
    // unlinks.
    void SetAction(TBasicAction* action);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value) { helpContext_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { imageIndex_ = value; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Scrolled() const { return scrolled_; }
    void SetScrolled(bool value) { scrolled_ = value; }
    int ScrollCount() const { return scrollCount_; }
    void SetScrollCount(int value) { scrollCount_ = value < 0 ? 0 : value; }
    TNotifyEvent OnClick;
    TNotifyEvent OnBeforeDropDown;

    // ---- Tree
    int Count() const { return int(items_.size()); }
    // Raises EListError for an index out of range.
    TSeCustomItem* Items(int index) const;
    TSeCustomItem* Parent() const { return parent_; }
    TComponent* ParentComponent() const { return parent_; }
    // Raises EMenuItemError when `item` already has a parent.
    void Add(TSeCustomItem* item);
    void Insert(int index, TSeCustomItem* item);
    // Takes the item out; the caller keeps it.
    void Remove(TSeCustomItem* item);
    // Frees every child.
    void Clear();
    int IndexOf(const TSeCustomItem* item) const;
    TSeCustomItem* Root();

    bool IsSeparator() const { return caption_ == "-"; }
    // The images of this item or the nearest ancestor that has some.
    TImageList* EffectiveImages() const;
    // Rows the keyboard and the mouse may land on.
    bool Selectable() const { return visible_ && !IsSeparator(); }

    // ---- Clicks
    // What a chosen row does: separators, rows with children and disabled
    // rows do nothing; otherwise the click is deferred to the click
    // handler, or runs at once when there is none.
    void Click();
    // Runs the click now: OnClick when set, else the linked action.
    virtual void RunClick();

    // ---- Popping up
    // Opens this item's visible children as one menu level, beside
    // `parentRow` (screen coordinates) of `parentView`, or with its corner at
    // (x, y) when there is no parent row; returns when the level has closed.
    void PopupAt(TSeItemView* parentView, int x, int y, const RECT* parentRow);
    // The window a level of this item's children opens in.
    virtual std::unique_ptr<TSePopupWindow> CreatePopupWindow();
    // A fresh item of this item's class (the system menu builds rows so).
    virtual TSeCustomItem* CreateItem(TComponent* owner);

    // ---- Pushed down before a popup
    TSePopupMenuOptions* Options() const { return options_; }
    TWinControl* OwnerControl() const { return ownerControl_; }
    TSeMenuSkin* MenuSkin() const { return menuSkin_; }
    bool AnimateFirstLevel() const { return animateFirstLevel_; }
    bool OpenedByPopup() const { return openedByPopup_; }
    bool BringToForeground() const { return bringToForeground_; }
    void PushOptions(TSePopupMenuOptions* options);
    void PushOwnerControl(TWinControl* control);
    void PushMenuSkin(TSeMenuSkin* skin);
    void PushAnimateFirstLevel(bool value);
    void PushOpenedByPopup(bool value);
    void PushBringToForeground(bool value);

    // ---- Layout state kept by the open level
    RECT RowRect() const { return rowRect_; }
    void SetRowRect(const RECT& r) { rowRect_ = r; }
    int FirstVisibleRow() const { return firstVisibleRow_; }
    void SetFirstVisibleRow(int row) { firstVisibleRow_ = row < 0 ? 0 : row; }

    // ---- Change notification
    // Grows on every change of a row's caption, state or the child lists
    // anywhere in the tree (kept by the root).
    std::uint64_t TreeVersion() const;
    // Grows when this item's child list changes.
    std::uint64_t ChildrenVersion() const { return childrenVersion_; }
    // Grows when one of its children changes caption, check, state or
    // visibility.
    std::uint64_t ChildrenLookVersion() const { return childrenLookVersion_; }
    // The root calls this on every change in its tree (the menu listens).
    std::function<void(TSeCustomItem* changed)> OnTreeChange;

    // The live item with this serial, or null once it is freed: a deferred
    // click carries the serial, never the pointer.
    std::uint64_t Serial() const { return serial_; }
    static TSeCustomItem* FromSerial(std::uint64_t serial);

    // The action's values changed (or were just linked); with
    // `checkDefaults` only values still at their defaults take them.
    void ActionChange(TBasicAction* sender, bool checkDefaults);

protected:
    void Changed();
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TSeCustomItemActionLink;
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    int helpContext_ = 0;
    std::string hint_;
    int imageIndex_ = -1;
    TImageList* images_ = nullptr;
    TShortCut shortCut_ = scNone;
    bool visible_ = true;
    bool scrolled_ = false;
    int scrollCount_ = 0;

    TSeCustomItem* parent_ = nullptr;
    std::vector<TSeCustomItem*> items_;
    std::unique_ptr<TSeCustomItemActionLink> actionLink_;

    TSePopupMenuOptions* options_ = nullptr;
    TWinControl* ownerControl_ = nullptr;
    TSeMenuSkin* menuSkin_ = nullptr;
    bool animateFirstLevel_ = false;
    bool openedByPopup_ = false;
    bool bringToForeground_ = false;
    RECT rowRect_{};
    int firstVisibleRow_ = 0;
    std::uint64_t treeVersion_ = 0;
    std::uint64_t childrenVersion_ = 0;
    std::uint64_t childrenLookVersion_ = 0;
    std::uint64_t serial_;
};
