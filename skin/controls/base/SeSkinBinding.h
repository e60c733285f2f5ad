#pragma once
// The skin binding every skinned control carries: the engine it names, the
// name of its skin object, and its private copy of that object. The copy is
// made when a usable skin is there (a loaded, non-empty one that holds the
// name), dropped when the engine is about to change its skin and made again
// afterwards; in between, and whenever there is none, the control draws its
// plain look.
//
// The control forwards its messages (HandleMessage) and the engine's removal
// (Notification) here.

#include "ui/component/Component.h"
#include "ui/control/ControlMessages.h"

#include <functional>
#include <memory>
#include <string>

class TControl;
class TSeSkinEngine;
class TSeSkinObject;

class TSeSkinBinding {
public:
    TSeSkinBinding(TControl& control, std::string objectName);
    ~TSeSkinBinding();
    TSeSkinBinding(const TSeSkinBinding&) = delete;
    TSeSkinBinding& operator=(const TSeSkinBinding&) = delete;

    TSeSkinEngine* Engine() const { return engine_; }
    void SetEngine(TSeSkinEngine* engine);
    const std::string& ObjectName() const { return objectName_; }
    void SetObjectName(const std::string& name);

    // The private copy, tied to the control's window; null means the plain look.
    TSeSkinObject* Object();
    bool Skinned() const { return copy_ != nullptr; }

    // Copies the object again from the engine's skin (or drops it).
    void Bind();
    void Unbind();

    // SEM_SKINOBJECTCHANGED repaints; SEM_SKINCHANGING and SEM_SKINCHANGED
    // from this control's engine drop and re-make the copy. True when the
    // message was one of them.
    bool HandleMessage(TMessage& message);
    void Notification(TComponent* component, TOperation operation);

    // Runs after every Bind and Unbind, before the repaint.
    std::function<void()> OnChange;

private:
    void changed();

    TControl& control_;
    TSeSkinEngine* engine_ = nullptr;
    std::string objectName_;
    std::unique_ptr<TSeSkinObject> copy_;
};
