#pragma once
// What every skinned bar, panel, group box, label and splitter adds to its
// plain class: the published SkinEngine, SkinObject and Version, the skin
// binding, the engine's change messages and its removal handed to it, and
// Skin(), the copy to draw with now (null for the plain look). A class that
// must react to a new or dropped copy sets binding_.OnChange.

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/panels/SeSkinParts.h"

#include <string>

class TSeSkinEngine;
class TSeSkinObject;

namespace brio {

template <class Plain>
class Skinned : public Plain {
public:
    Skinned(TComponent* owner, const char* objectName) : Plain(owner), binding_(*this, objectName) {}

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine) { binding_.SetEngine(engine); }
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    std::string Version() const { return "3.2.0"; }
    TSeSkinObject* Skin() const { return usableSkin(binding_, *this); }

    void WndProc(TMessage& message) override
    {
        if (!binding_.HandleMessage(message))
            Plain::WndProc(message);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        Plain::Notification(component, operation);
        binding_.Notification(component, operation);
    }

    mutable TSeSkinBinding binding_;
};

} // namespace brio
