#include "skin/controls/panels/SeSkinBinding.h"

#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/control/WinControl.h"

namespace brio {

namespace {

// The window that repaints for the copy: the control's own, or for a
// windowless control its parent's; none before they exist.
HWND repaintWindow(TControl& control)
{
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed)
        windowed = control.Parent();
    return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

bool skinLoaded(const TSeSkinEngine* engine)
{
    return engine && engine->Source() && !engine->Source()->Replacing() && engine->Source()->Count() > 0;
}

} // namespace

SeSkinBinding::SeSkinBinding(TControl& control, std::string objectName)
    : control_(control), objectName_(std::move(objectName))
{
}

SeSkinBinding::~SeSkinBinding()
{
    if (engine_)
        engine_->RemoveFreeNotification(&control_);
}

void SeSkinBinding::setEngine(TSeSkinEngine* engine)
{
    if (engine_ && engine_ != engine)
        engine_->RemoveFreeNotification(&control_);
    engine_ = engine;
    if (engine_)
        engine_->FreeNotification(&control_);
    bind();
}

bool SeSkinBinding::setObjectName(const std::string& name)
{
    if (name == objectName_)
        return false;
    objectName_ = name;
    bind();
    return true;
}

void SeSkinBinding::bind()
{
    copy_.reset();
    if (!skinLoaded(engine_))
        return;
    const TSeSkinObject* source = engine_->Source()->GetObjectByName(objectName_);
    if (!source)
        return;
    copy_.reset(CloneSkinObject(*source, nullptr));
    copy_->BindControl(repaintWindow(control_), control_.BiDiMode());
}

bool SeSkinBinding::usable() const
{
    const TComponentState state = control_.ComponentState();
    if (state.Contains(csLoading) || state.Contains(csDestroying))
        return false;
    if (!copy_ || !skinLoaded(engine_) || !engine_->Source()->GetObjectByName(objectName_))
        return false;
    // A window made after binding still gets the copy's repaint requests.
    if (!copy_->Control())
        copy_->BindControl(repaintWindow(control_), control_.BiDiMode());
    return true;
}

TSeSkinObject* SeSkinBinding::child(const std::string& name) const
{
    return copy_ ? FindObject(copy_.get(), name) : nullptr;
}

TSeSkinObject* SeSkinBinding::firstChild(std::initializer_list<const char*> names) const
{
    for (const char* name : names)
        if (TSeSkinObject* found = child(name))
            return found;
    return nullptr;
}

SeSkinBinding::Outcome SeSkinBinding::handle(const TMessage& message)
{
    const auto* sender = reinterpret_cast<const TSeSkinEngine*>(message.LParam);
    switch (message.Msg) {
    case SEM_SKINOBJECTCHANGED: return Outcome::repaint;
    case SEM_SKINCHANGING:
        if (!engine_ || sender != engine_)
            return Outcome::none;
        copy_.reset();
        return Outcome::dropped;
    case SEM_SKINCHANGED:
        if (!engine_ || sender != engine_)
            return Outcome::none;
        bind();
        return Outcome::bound;
    default: return Outcome::none;
    }
}

bool SeSkinBinding::engineRemoved(const TComponent* component)
{
    if (!engine_ || component != engine_)
        return false;
    engine_ = nullptr;
    copy_.reset();
    return true;
}

std::optional<bool> maskedFrame(const TSeSkinObject* frame)
{
    const auto* bitmap = dynamic_cast<const TSeBitmapObject*>(frame);
    if (!bitmap)
        return std::nullopt;
    return bitmap->Masked() || bitmap->MaskedBorder() || bitmap->MaskedAngles();
}

} // namespace brio
