// Menu items, menus and the popup-menu base.

#include "ui/menus/Menu.h"

#include "ui/component/Exception.h"
#include "ui/graphics/ImageList.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <cctype>

void TMenuActionLink::Change()
{
    client_->ActionChange(Action(), false);
}

// ---- TMenuItem -----------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem()
{
    actionLink_.reset();
    while (!items_.empty()) {
        TMenuItem* child = items_.back();
        items_.pop_back();
        child->parent_ = nullptr;
        delete child;
    }
    if (parent_)
        parent_->Remove(this);
}

void TMenuItem::MenuChanged()
{
    if (OnChange)
        OnChange(this);
}

void TMenuItem::SetCaption(const std::string& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    MenuChanged();
}

void TMenuItem::SetShortCut(TShortCut value)
{
    if (value == shortCut_)
        return;
    shortCut_ = value;
    MenuChanged();
}

void TMenuItem::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    if (value && RadioItem && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->RadioItem && sibling->GroupIndex == GroupIndex)
                sibling->SetChecked(false);
    MenuChanged();
}

void TMenuItem::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    MenuChanged();
}

void TMenuItem::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    MenuChanged();
}

void TMenuItem::SetImageIndex(int value)
{
    if (value == imageIndex_)
        return;
    imageIndex_ = value;
    MenuChanged();
}

void TMenuItem::SetDefault(bool value)
{
    if (value == default_)
        return;
    if (value && parent_)
        for (TMenuItem* sibling : parent_->items_)
            sibling->default_ = false;
    default_ = value;
    MenuChanged();
}

TBasicAction* TMenuItem::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* action)
{
    if (!action) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TMenuActionLink>(this);
    actionLink_->SetAction(action);
    ActionChange(action, ComponentState().Contains(csLoading));
    action->FreeNotification(this);
}

void TMenuItem::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if (!checkDefaults || caption_.empty())
        SetCaption(action->Caption());
    if (!checkDefaults || !checked_)
        SetChecked(action->Checked());
    if (!checkDefaults || enabled_)
        SetEnabled(action->Enabled());
    if (!checkDefaults || hint_.empty())
        SetHint(action->Hint());
    if (!checkDefaults || imageIndex_ == -1)
        SetImageIndex(action->ImageIndex());
    if (!checkDefaults || shortCut_ == scNone)
        SetShortCut(action->ShortCut());
    if (!checkDefaults || visible_)
        SetVisible(action->Visible());
}

void TMenuItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && actionLink_ && component == actionLink_->Action())
        actionLink_.reset();
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("Menu index out of range");
    return items_[std::size_t(index)];
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item)
        return;
    if (item->parent_)
        throw EInvalidOperation("Menu inserted twice");
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item)
            throw EInvalidOperation("Menu inserted twice");
    if (index < 0 || index > Count())
        throw EListError("Menu index out of range");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    MenuChanged();
}

void TMenuItem::Delete(int index)
{
    TMenuItem* item = Items(index);
    Remove(item);
    delete item;
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        throw EListError("Menu item not found");
    items_.erase(it);
    item->parent_ = nullptr;
    MenuChanged();
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& caption) const
{
    auto strip = [](const std::string& s) {
        std::string out;
        for (char c : s)
            if (c != '&')
                out += brio::asciiLower(c);
        return out;
    };
    std::string wanted = strip(caption);
    for (TMenuItem* item : items_)
        if (strip(item->caption_) == wanted)
            return item;
    return nullptr;
}

int TMenuItem::MenuIndex() const
{
    return parent_ ? parent_->IndexOf(this) : -1;
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click()
{
    if (!enabled_)
        return;
    if (AutoCheck)
        SetChecked(!checked_);
    if (OnClick)
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute(this);
}

// ---- TMenu ---------------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this))
{
    items_->menu_ = this;
}

TMenu::~TMenu()
{
    // The root item is an owned component and goes with the owner's list.
}

void TMenu::SetImages(TImageList* images)
{
    images_ = images;
    if (images)
        images->FreeNotification(this);
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == images_)
        images_ = nullptr;
    if (component == items_)
        items_ = nullptr;
}

namespace {

TMenuItem* findByShortCut(TMenuItem* item, TShortCut shortCut)
{
    if (!item)
        return nullptr;
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        if (child->ShortCut() == shortCut && child->Visible())
            return child;
        if (TMenuItem* found = findByShortCut(child, shortCut))
            return found;
    }
    return nullptr;
}

} // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const
{
    return shortCut == scNone ? nullptr : findByShortCut(items_, shortCut);
}

bool TMenu::IsShortCut(WORD key, TShiftState shift)
{
    TMenuItem* item = FindItemByShortCut(::ShortCut(key, shift));
    if (!item || !item->Enabled())
        return false;
    item->Click();
    return true;
}

// ---- TPopupMenu ---------------------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* component)
{
    popupComponent_ = component;
    if (component)
        component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == popupComponent_)
        popupComponent_ = nullptr;
}

void TPopupMenu::DoPopup()
{
    if (OnPopup)
        OnPopup(this);
}

void TPopupMenu::Popup(int x, int y)
{
    popupPoint_ = TPoint{x, y};
    DoPopup();
    if (!Items())
        return;
    if (TMenuItem* chosen = TrackPopupItems(Items(), Images(), popupPoint_))
        chosen->Click();
}
