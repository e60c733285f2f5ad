#pragma once
// TSeSkinLabel: a label whose colour and font come from the engine's
// "Label" object when the skin has one; it keeps its own otherwise.

#include "skin/controls/panels/SeCustomLabel.h"
#include "skin/controls/base/SeSkinBinding.h"

class TSeSkinEngine;

class TSeSkinLabel : public TSeCustomLabel {
public:
    explicit TSeSkinLabel(TComponent* owner);
    ~TSeSkinLabel() override;

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine);
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name);
    std::string Version() const { return "3.2.0"; }
    // The skin copy drawn with now; null for the plain look.
    TSeSkinObject* Skin() const;

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void applyBinding();

    mutable TSeSkinBinding binding_;
};
