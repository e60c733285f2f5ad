#include "skin/controls/SeFormSkinReceiver.h"

#include "ui/control/WinControl.h"
#include "ui/forms/Form.h"

#include "platform/WinUser.h"

#include <algorithm>

void TSeControlSkinReceiver::ReceiveSkinMessage(UINT message, TSeSkinEngine* engine)
{
    control_->Perform(message, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
}

int TSeControlSkinReceiver::SkinChildCount() const
{
    syncChildren();
    return int(children_.size());
}

TSeSkinReceiver* TSeControlSkinReceiver::SkinChild(int index) const
{
    if (index < 0 || index >= int(children_.size()))
        return nullptr;
    return children_[std::size_t(index)].get();
}

void TSeControlSkinReceiver::syncChildren() const
{
    const auto* container = dynamic_cast<const TWinControl*>(control_);
    const int count = container ? container->ControlCount() : 0;
    bool same = int(children_.size()) == count;
    for (int i = 0; same && i < count; ++i)
        same = children_[std::size_t(i)]->Control() == container->Controls(i);
    if (same)
        return;
    // Keep the receivers of controls still there (with their own lists);
    // drop those of controls that went away before anyone can reach them.
    std::vector<std::unique_ptr<TSeControlSkinReceiver>> next;
    next.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        TControl* child = container->Controls(i);
        auto kept = std::find_if(children_.begin(), children_.end(),
                                 [child](const auto& r) { return r && r->Control() == child; });
        next.push_back(kept != children_.end() ? std::move(*kept) : std::make_unique<TSeControlSkinReceiver>(child));
    }
    children_ = std::move(next);
}

TSeFormSkinReceiver::TSeFormSkinReceiver(TCustomForm* form)
    : TComponent(form), TSeControlSkinReceiver(form), form_(form)
{
    RegisterSkinForm(this);
}

TSeFormSkinReceiver::~TSeFormSkinReceiver() { UnregisterSkinForm(this); }

TSeFormSkinReceiver* TSeFormSkinReceiver::ForForm(TCustomForm* form)
{
    if (!form)
        return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* receiver = dynamic_cast<TSeFormSkinReceiver*>(form->Components(i)))
            return receiver;
    return new TSeFormSkinReceiver(form);
}

void TSeFormSkinReceiver::ReceiveSkinMessage(UINT message, TSeSkinEngine* engine)
{
    // A form hears it through its window, made now if it has none yet.
    SendMessage(form_->Handle(), message, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
}
