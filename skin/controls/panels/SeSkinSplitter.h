#pragma once
// TSeSkinSplitter: the splitter drawn whole from the engine's "Splitter"
// object.

#include "skin/controls/panels/SeCustomSplitter.h"
#include "skin/controls/base/SeSkinBinding.h"

class TSeSkinEngine;

class TSeSkinSplitter : public TSeCustomSplitter {
public:
    explicit TSeSkinSplitter(TComponent* owner);
    ~TSeSkinSplitter() override;

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
    mutable TSeSkinBinding binding_;
};
