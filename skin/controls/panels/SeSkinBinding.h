#pragma once
// The skin binding a skinned control carries: the engine it names, the name
// of its object, and the private copy of that object it draws with. The
// control forwards the engine's change messages and the engine's removal
// here; the copy exists only while the engine holds a complete skin with an
// object of that name.

#include "skin/engine/SeSkinObject.h"
#include "ui/control/ControlMessages.h"

#include <memory>
#include <optional>
#include <string>

class TControl;
class TSeSkinEngine;

namespace brio {

class SeSkinBinding {
public:
    SeSkinBinding(TControl& control, std::string objectName);
    ~SeSkinBinding();
    SeSkinBinding(const SeSkinBinding&) = delete;
    SeSkinBinding& operator=(const SeSkinBinding&) = delete;

    TSeSkinEngine* engine() const { return engine_; }
    const std::string& objectName() const { return objectName_; }
    // Stores and binds again (also for the same engine: its skin may have
    // been loaded since).
    void setEngine(TSeSkinEngine* engine);
    // Binds again when the name changed; true then.
    bool setObjectName(const std::string& name);

    // Drops any copy, then copies the named object when the engine holds a
    // loaded skin that is not being replaced.
    void bind();
    void unbind() { copy_.reset(); }
    // The private copy, null when there is none.
    TSeSkinObject* object() const { return copy_.get(); }
    // The copy may be drawn with now: the control is neither loading nor
    // going away, and the engine's skin is complete and still has the object.
    bool usable() const;
    // A child of the copy by name, null when there is no copy or no child.
    TSeSkinObject* child(const std::string& name) const;
    // The first of `names` the copy has.
    TSeSkinObject* firstChild(std::initializer_list<const char*> names) const;

    enum class Outcome { none, repaint, dropped, bound };
    // SEM_SKINOBJECTCHANGED asks for a repaint; SEM_SKINCHANGING and
    // SEM_SKINCHANGED for the control's own engine drop the copy or bind
    // again. Other messages, and other engines' changes, give none.
    Outcome handle(const TMessage& message);
    // From the control's Notification: the engine is going away.
    bool engineRemoved(const TComponent* component);

private:
    TControl& control_;
    TSeSkinEngine* engine_ = nullptr;
    std::string objectName_;
    std::unique_ptr<TSeSkinObject> copy_;
};

// Whether a control whose "Frame" is `frame` must show its parent through
// it: for a bitmap frame, whether any of its parts is masked; nothing to say
// for other frames (or none).
std::optional<bool> maskedFrame(const TSeSkinObject* frame);

} // namespace brio
