// Actions, action lists and action links.

#include "ui/forms/ActionList.h"

#include "ui/control/Control.h"
#include "ui/component/Exception.h"
#include "ui/graphics/ImageList.h"

#include <algorithm>

namespace {

std::vector<TActionList*>& allActionLists()
{
    static std::vector<TActionList*> lists;
    return lists;
}

} // namespace

void UpdateActionLists()
{
    for (TActionList* list : std::vector<TActionList*>(allActionLists()))
        list->UpdateActions();
}

// ---- Links ---------------------------------------------------------------------------------

TBasicActionLink::~TBasicActionLink()
{
    SetAction(nullptr);
}

void TBasicActionLink::SetAction(TBasicAction* action)
{
    if (action == action_)
        return;
    if (action_) {
        auto& clients = action_->clients_;
        clients.erase(std::remove(clients.begin(), clients.end(), this), clients.end());
    }
    action_ = action;
    if (action_)
        action_->clients_.push_back(this);
}

bool TBasicActionLink::Execute(TComponent* target)
{
    if (!action_)
        return false;
    action_->SetActionComponent(target);
    bool handled = false;
    try {
        handled = action_->Execute();
    } catch (...) {
        if (action_)
            action_->SetActionComponent(nullptr);
        throw;
    }
    if (action_)
        action_->SetActionComponent(nullptr);
    return handled;
}

bool TBasicActionLink::Update()
{
    return action_ && action_->Update();
}

void TControlActionLink::Change()
{
    client_->ActionChange(Action(), false);
}

// ---- TBasicAction ---------------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction()
{
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(clients_))
        link->action_ = nullptr;
    clients_.clear();
}

bool TBasicAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!OnUpdate)
        return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::Change()
{
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(clients_))
        link->Change();
    if (OnChange)
        OnChange(this);
}

// ---- TContainedAction ------------------------------------------------------------------------

TContainedAction::~TContainedAction()
{
    if (actionList_)
        actionList_->RemoveAction(this);
}

void TContainedAction::SetActionList(TActionList* list)
{
    if (list == actionList_)
        return;
    if (actionList_)
        actionList_->RemoveAction(this);
    if (list)
        list->AddAction(this);
}

int TContainedAction::Index() const
{
    if (!actionList_)
        return -1;
    for (int i = 0; i < actionList_->ActionCount(); ++i)
        if (actionList_->Actions(i) == this)
            return i;
    return -1;
}

bool TContainedAction::Execute()
{
    if (actionList_ && actionList_->ExecuteAction(this))
        return true;
    return TBasicAction::Execute();
}

bool TContainedAction::Update()
{
    if (actionList_ && actionList_->UpdateAction(this))
        return true;
    return TBasicAction::Update();
}

// ---- TCustomAction ------------------------------------------------------------------------------

void TCustomAction::SetCaption(const std::string& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    Change();
}

void TCustomAction::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Change();
}

void TCustomAction::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    if (value && groupIndex_ > 0 && ActionList())
        for (int i = 0; i < ActionList()->ActionCount(); ++i)
            if (auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
                other && other != this && other->groupIndex_ == groupIndex_)
                other->SetChecked(false);
    Change();
}

void TCustomAction::SetImageIndex(int value)
{
    if (value == imageIndex_)
        return;
    imageIndex_ = value;
    Change();
}

void TCustomAction::SetHint(const std::string& value)
{
    if (value == hint_)
        return;
    hint_ = value;
    Change();
}

void TCustomAction::SetShortCut(TShortCut value)
{
    if (value == shortCut_)
        return;
    shortCut_ = value;
    Change();
}

void TCustomAction::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    Change();
}

bool TCustomAction::Execute()
{
    Update();
    if (!enabled_)
        return false;
    if (AutoCheck)
        SetChecked(!checked_);
    return TContainedAction::Execute();
}

// ---- TActionList ----------------------------------------------------------------------------------

TActionList::TActionList(TComponent* owner) : TComponent(owner)
{
    allActionLists().push_back(this);
}

TActionList::~TActionList()
{
    auto& lists = allActionLists();
    lists.erase(std::remove(lists.begin(), lists.end(), this), lists.end());
    for (TContainedAction* action : std::vector<TContainedAction*>(actions_))
        RemoveAction(action);
}

TContainedAction* TActionList::Actions(int index) const
{
    if (index < 0 || index >= ActionCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return actions_[std::size_t(index)];
}

void TActionList::AddAction(TContainedAction* action)
{
    if (!action || std::find(actions_.begin(), actions_.end(), action) != actions_.end())
        return;
    if (action->ActionList() && action->ActionList() != this)
        action->ActionList()->RemoveAction(action);
    actions_.push_back(action);
    action->actionList_ = this;
    action->FreeNotification(this);
    if (OnChange)
        OnChange(this);
}

void TActionList::RemoveAction(TContainedAction* action)
{
    auto it = std::find(actions_.begin(), actions_.end(), action);
    if (it == actions_.end())
        return;
    actions_.erase(it);
    action->actionList_ = nullptr;
    if (OnChange)
        OnChange(this);
}

void TActionList::SetImages(TImageList* images)
{
    images_ = images;
    if (images)
        images->FreeNotification(this);
}

void TActionList::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == images_)
        images_ = nullptr;
    if (auto* action = dynamic_cast<TContainedAction*>(component))
        RemoveAction(action);
}

bool TActionList::ExecuteAction(TBasicAction* action)
{
    bool handled = false;
    if (OnExecute)
        OnExecute(action, handled);
    return handled;
}

bool TActionList::UpdateAction(TBasicAction* action)
{
    bool handled = false;
    if (OnUpdate)
        OnUpdate(action, handled);
    return handled;
}

bool TActionList::IsShortCut(WORD key, TShiftState shift)
{
    TShortCut wanted = ::ShortCut(key, shift);
    if (wanted == scNone)
        return false;
    for (TContainedAction* action : std::vector<TContainedAction*>(actions_)) {
        auto* custom = dynamic_cast<TCustomAction*>(action);
        if (!custom || custom->ShortCut() != wanted)
            continue;
        custom->Update();
        if (custom->Enabled() && custom->Visible())
            return custom->Execute();
    }
    return false;
}

void TActionList::UpdateActions()
{
    for (TContainedAction* action : std::vector<TContainedAction*>(actions_))
        action->Update();
}
