#pragma once
// Menu items and the popup-menu base. A TPopupMenu shows its items in a
// plain classic pop-up of its own; skinned menus derive from it and
// replace Popup.

#include "ui/forms/ActionList.h"
#include "ui/component/Geometry.h"
#include "ui/component/Component.h"
#include "ui/component/ShortCut.h"
#include "ui/component/Types.h"

#include <memory>
#include <string>
#include <vector>

class TMenu;
class TMenuItem;
class TImageList;

class TMenuActionLink : public TBasicActionLink {
public:
    explicit TMenuActionLink(TMenuItem* client) : client_(client) {}
    void Change() override;

private:
    TMenuItem* client_;
};

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    // Frees the sub-items as well.
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool RadioItem = false;
    int GroupIndex = 0;
    bool AutoCheck = false;
    // A separator line ("-").
    bool IsLine() const { return caption_ == "-"; }

    TBasicAction* Action() const;
    void SetAction(TBasicAction* action);
    virtual void ActionChange(TBasicAction* sender, bool checkDefaults);

    // ---- Sub-items
    int Count() const { return int(items_.size()); }
    // Raises EListError for an index out of range.
    TMenuItem* Items(int index) const;
    TMenuItem* operator[](int index) const { return Items(index); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out and frees it.
    void Delete(int index);
    // Takes the item out; the caller keeps it.
    void Remove(TMenuItem* item);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Find(const std::string& caption) const;
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    // The menu the item tree belongs to.
    TMenu* GetParentMenu() const;

    // Runs the action (or OnClick); an auto-check item flips first.
    virtual void Click();
    TNotifyEvent OnClick;
    TNotifyEvent OnChange;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    virtual void MenuChanged();

private:
    friend class TMenu;
    std::string caption_;
    TShortCut shortCut_ = scNone;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    int imageIndex_ = -1;
    std::string hint_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;
    std::vector<TMenuItem*> items_;
    std::unique_ptr<TMenuActionLink> actionLink_;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    TMenuItem* Items() const { return items_; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // The item anywhere in the tree with this shortcut, or null.
    TMenuItem* FindItemByShortCut(TShortCut shortCut) const;
    // Clicks the enabled item with this shortcut; false when none.
    bool IsShortCut(WORD key, TShiftState shift);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* items_;
    TImageList* images_ = nullptr;
};

enum TPopupAlignment : std::uint8_t { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // Shows the menu with its top-left corner at a screen point and waits
    // for a choice; the chosen item is clicked after the menu is gone.
    virtual void Popup(int x, int y);
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component);
    TPoint PopupPoint() const { return popupPoint_; }
    bool AutoPopup = true;
    TPopupAlignment Alignment = paLeft;

    TNotifyEvent OnPopup;

protected:
    virtual void DoPopup();
    void SetPopupPoint(TPoint p) { popupPoint_ = p; }
    void Notification(TComponent* component, TOperation operation) override;

private:
    TComponent* popupComponent_ = nullptr;
    TPoint popupPoint_{};
};

// The plain pop-up list: shows `items` at a screen point, runs a nested
// loop, and returns the chosen item (null when cancelled).
TMenuItem* TrackPopupItems(TMenuItem* items, TImageList* images, TPoint at);
