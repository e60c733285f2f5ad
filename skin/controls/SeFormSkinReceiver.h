#pragma once
// How a skinned form and everything on it hear the skin engine's change
// messages. One receiver per form joins the engine's form registry; it sends
// the message to the form's window, then walks the form's control tree
// depth first, through plain containers too (a plain panel may hold a
// skinned control), handing the message to each control's handler.

#include "skin/engine/SeSkinNotify.h"
#include "ui/component/Component.h"

#include <memory>
#include <vector>

class TControl;
class TCustomForm;

// A control of the tree: the message goes straight to its handler.
class TSeControlSkinReceiver : public TSeSkinReceiver {
public:
    explicit TSeControlSkinReceiver(TControl* control) : control_(control) {}

    TControl* Control() const { return control_; }
    void ReceiveSkinMessage(UINT message, TSeSkinEngine* engine) override;
    // The control's current children: the list is read again on each call,
    // so controls that come or go during a notification are seen.
    int SkinChildCount() const override;
    TSeSkinReceiver* SkinChild(int index) const override;

protected:
    TControl* control_;

private:
    void syncChildren() const;
    mutable std::vector<std::unique_ptr<TSeControlSkinReceiver>> children_;
};

// The form itself: owned by the form, registered from creation to
// destruction, and the message goes to the form's window.
class TSeFormSkinReceiver : public TComponent, public TSeControlSkinReceiver {
public:
    explicit TSeFormSkinReceiver(TCustomForm* form);
    ~TSeFormSkinReceiver() override;

    // The form's receiver, made on first use.
    static TSeFormSkinReceiver* ForForm(TCustomForm* form);

    TCustomForm* Form() const { return form_; }
    void ReceiveSkinMessage(UINT message, TSeSkinEngine* engine) override;

private:
    TCustomForm* form_;
};
