#pragma once
// Actions: a command with a caption, state and handler that controls and
// menu items follow through action links; action lists group them, find
// them by shortcut, and update them when the application idles.

#include "ui/component/Component.h"
#include "ui/component/ShortCut.h"
#include "ui/component/Types.h"

#include "platform/WinTypes.h"

#include <string>
#include <vector>

class TBasicAction;
class TControl;
class TImageList;
class TActionList;

// What a client (a control, a menu item) holds to follow an action.
class TBasicActionLink : public TObject {
public:
    TBasicActionLink() = default;
    ~TBasicActionLink() override;
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    TBasicAction* Action() const { return action_; }
    void SetAction(TBasicAction* action);
    virtual bool Execute(TComponent* target = nullptr);
    virtual bool Update();
    // The action's properties changed.
    virtual void Change() {}

private:
    friend class TBasicAction;
    TBasicAction* action_ = nullptr;
};

class TControlActionLink : public TBasicActionLink {
public:
    explicit TControlActionLink(TControl* client) : client_(client) {}
    void Change() override;

private:
    TControl* client_;
};

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* owner);
    ~TBasicAction() override;

    // Runs OnExecute (or the list's handler); false when nobody handled it.
    virtual bool Execute();
    // Runs OnUpdate (or the list's handler); false when nobody handled it.
    virtual bool Update();
    TComponent* ActionComponent() const { return actionComponent_; }
    void SetActionComponent(TComponent* component) { actionComponent_ = component; }
    int ClientCount() const { return int(clients_.size()); }

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;
    TNotifyEvent OnChange;

protected:
    // Tells every client to follow the new properties.
    void Change();

private:
    friend class TBasicActionLink;
    std::vector<TBasicActionLink*> clients_;
    TComponent* actionComponent_ = nullptr;
};

class TContainedAction : public TBasicAction {
public:
    explicit TContainedAction(TComponent* owner) : TBasicAction(owner) {}
    ~TContainedAction() override;
    TActionList* ActionList() const { return actionList_; }
    void SetActionList(TActionList* list);
    const std::string& Category() const { return category_; }
    void SetCategory(const std::string& value) { category_ = value; }
    int Index() const;
    bool Execute() override;
    bool Update() override;

private:
    friend class TActionList;
    TActionList* actionList_ = nullptr;
    std::string category_;
};

class TCustomAction : public TContainedAction {
public:
    explicit TCustomAction(TComponent* owner) : TContainedAction(owner) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Actions of one group index act as radio items when checked.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    bool AutoCheck = false;

    bool Execute() override;

private:
    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
    int imageIndex_ = -1;
    std::string hint_;
    TShortCut shortCut_ = scNone;
    bool visible_ = true;
    int groupIndex_ = 0;
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
};

using TActionEvent = std::function<void(TBasicAction* action, bool& handled)>;

class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* owner);
    ~TActionList() override;

    int ActionCount() const { return int(actions_.size()); }
    // Raises EListError for an index out of range.
    TContainedAction* Actions(int index) const;
    void AddAction(TContainedAction* action);
    void RemoveAction(TContainedAction* action);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

    // Runs the list's handler for an action; true when it handled it.
    bool ExecuteAction(TBasicAction* action);
    bool UpdateAction(TBasicAction* action);
    // Executes the enabled action with this shortcut, if any.
    bool IsShortCut(WORD key, TShiftState shift);
    // OnUpdate for every action (the application does this when idle).
    void UpdateActions();

    TActionEvent OnExecute;
    TActionEvent OnUpdate;
    TNotifyEvent OnChange;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::vector<TContainedAction*> actions_;
    TImageList* images_ = nullptr;
};

// Idle processing: every action list updates its actions.
void UpdateActionLists();
