// Skinned menu items: the tree, the values and their change reports, the
// action link's ends, clicks and the per-popup values pushed down the tree.

#include "skin/controls/menus/SeCustomItem.h"

#include "skin/controls/menus/SeClickHandler.h"
#include "skin/controls/menus/SeCustomItemActionLink.h"
#include "skin/controls/menus/SePopupWindow.h"

#include "ui/control/WinControl.h"
#include "ui/forms/ActionList.h"
#include "ui/graphics/ImageList.h"

#include "platform/WinUser.h"

#include <algorithm>
#include <unordered_map>

namespace {

std::unordered_map<std::uint64_t, TSeCustomItem*>& liveItems()
{
    static std::unordered_map<std::uint64_t, TSeCustomItem*> items;
    return items;
}

std::uint64_t nextSerial()
{
    static std::uint64_t serial = 0;
    return ++serial;
}

// An open level showing `item`'s children reads its messages only as they
// come: one is posted so that it sees at once that its rows changed.
void wakeLevelsOf(const TSeCustomItem* item)
{
    for (TSePopupWindow* window : TSePopupWindow::OpenWindows())
        if (window->Item() == item && window->HandleAllocated())
            PostMessage(window->Handle(), WM_NULL, 0, 0);
}

} // namespace

TSeCustomItem::TSeCustomItem(TComponent* owner) : TComponent(owner), serial_(nextSerial())
{
    liveItems().emplace(serial_, this);
}

TSeCustomItem::~TSeCustomItem()
{
    liveItems().erase(serial_);
    wakeLevelsOf(this);
    actionLink_.reset();
    // The subtree goes with its parent; children this item owns go with
    // its component list a moment later.
    while (!items_.empty()) {
        TSeCustomItem* child = items_.back();
        items_.pop_back();
        child->parent_ = nullptr;
        if (child->Owner() != this)
            delete child;
    }
    if (parent_)
        parent_->Remove(this);
}

TSeCustomItem* TSeCustomItem::FromSerial(std::uint64_t serial)
{
    auto it = liveItems().find(serial);
    return it == liveItems().end() ? nullptr : it->second;
}

// ---- Values --------------------------------------------------------------------------------

void TSeCustomItem::SetCaption(const std::string& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    Changed();
}

void TSeCustomItem::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    Changed();
}

void TSeCustomItem::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Changed();
}

void TSeCustomItem::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    Changed();
}

void TSeCustomItem::SetShortCut(TShortCut value)
{
    shortCut_ = value;
}

void TSeCustomItem::SetImages(TImageList* images)
{
    if (images_ == images)
        return;
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_)
        images_->FreeNotification(this);
}

TImageList* TSeCustomItem::EffectiveImages() const
{
    for (const TSeCustomItem* item = this; item; item = item->parent_)
        if (item->images_)
            return item->images_;
    return nullptr;
}

void TSeCustomItem::Changed()
{
    if (parent_)
        ++parent_->childrenLookVersion_;
    TSeCustomItem* root = Root();
    ++root->treeVersion_;
    if (root->OnTreeChange && !root->ComponentState().Contains(csDestroying))
        root->OnTreeChange(this);
}

std::uint64_t TSeCustomItem::TreeVersion() const
{
    const TSeCustomItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->treeVersion_;
}

// ---- Action --------------------------------------------------------------------------------

TBasicAction* TSeCustomItem::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TSeCustomItem::SetAction(TBasicAction* action)
{
    if (!action) {
        if (TBasicAction* old = Action())
            old->RemoveFreeNotification(this);
        actionLink_.reset();
        return;
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TSeCustomItemActionLink>(this);
    else if (TBasicAction* old = Action(); old && old != action)
        old->RemoveFreeNotification(this);
    actionLink_->SetAction(action);
    ActionChange(action, ComponentState().Contains(csLoading));
    action->FreeNotification(this);
}

void TSeCustomItem::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    if (actionLink_ && sender == actionLink_->Action())
        actionLink_->CopyFromAction(checkDefaults);
}

void TSeCustomItem::Loaded()
{
    TComponent::Loaded();
    if (actionLink_)
        actionLink_->CopyFromAction(true);
}

void TSeCustomItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (actionLink_ && component == actionLink_->Action())
        actionLink_.reset();
    if (component == images_)
        images_ = nullptr;
    if (component == ownerControl_)
        ownerControl_ = nullptr;
}

// ---- Tree ----------------------------------------------------------------------------------

TSeCustomItem* TSeCustomItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("Menu index out of range");
    return items_[std::size_t(index)];
}

void TSeCustomItem::Add(TSeCustomItem* item)
{
    Insert(Count(), item);
}

void TSeCustomItem::Insert(int index, TSeCustomItem* item)
{
    if (!item)
        return;
    if (item->parent_)
        throw EMenuItemError("Toolbar item already inserted");
    // An item inside its own subtree would make the tree a loop.
    for (const TSeCustomItem* p = this; p; p = p->parent_)
        if (p == item)
            throw EMenuItemError("Toolbar item already inserted");
    if (index < 0 || index > Count())
        throw EListError("Menu index out of range");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    ++childrenVersion_;
    wakeLevelsOf(this);
    Changed();
}

void TSeCustomItem::Remove(TSeCustomItem* item)
{
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        throw EListError("Menu item not found");
    items_.erase(it);
    item->parent_ = nullptr;
    ++childrenVersion_;
    wakeLevelsOf(this);
    Changed();
}

void TSeCustomItem::Clear()
{
    while (!items_.empty()) {
        TSeCustomItem* child = items_.back();
        Remove(child);
        delete child;
    }
}

int TSeCustomItem::IndexOf(const TSeCustomItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

TSeCustomItem* TSeCustomItem::Root()
{
    TSeCustomItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root;
}

// ---- Clicks --------------------------------------------------------------------------------

void TSeCustomItem::Click()
{
    if (IsSeparator() || Count() > 0 || !enabled_)
        return;
    if (TSeClickHandler* handler = TSeClickHandler::Existing()) {
        handler->Post(this);
        return;
    }
    RunClick();
}

void TSeCustomItem::RunClick()
{
    if (OnClick)
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute(this);
}

TSeCustomItem* TSeCustomItem::CreateItem(TComponent* owner)
{
    return new TSeCustomItem(owner);
}

std::unique_ptr<TSePopupWindow> TSeCustomItem::CreatePopupWindow()
{
    return std::make_unique<TSePopupWindow>(this);
}

// ---- Values pushed down before a popup ----------------------------------------------------------

namespace {

template <typename Apply> void forTree(TSeCustomItem* item, const Apply& apply)
{
    apply(item);
    for (int i = 0; i < item->Count(); ++i)
        forTree(item->Items(i), apply);
}

} // namespace

void TSeCustomItem::PushOptions(TSePopupMenuOptions* options)
{
    forTree(this, [options](TSeCustomItem* i) { i->options_ = options; });
}

void TSeCustomItem::PushOwnerControl(TWinControl* control)
{
    forTree(this, [control](TSeCustomItem* i) {
        if (i->ownerControl_ == control)
            return;
        if (i->ownerControl_)
            i->ownerControl_->RemoveFreeNotification(i);
        i->ownerControl_ = control;
        if (control)
            control->FreeNotification(i);
    });
}

void TSeCustomItem::PushMenuSkin(TSeMenuSkin* skin)
{
    forTree(this, [skin](TSeCustomItem* i) { i->menuSkin_ = skin; });
}

void TSeCustomItem::PushAnimateFirstLevel(bool value)
{
    forTree(this, [value](TSeCustomItem* i) { i->animateFirstLevel_ = value; });
}

void TSeCustomItem::PushOpenedByPopup(bool value)
{
    forTree(this, [value](TSeCustomItem* i) { i->openedByPopup_ = value; });
}

void TSeCustomItem::PushBringToForeground(bool value)
{
    forTree(this, [value](TSeCustomItem* i) { i->bringToForeground_ = value; });
}
