#pragma once
// TSeSkinGroupBox: the group box drawn from the engine's "GroupBox" object:
// "Frame" round the children, broken by the caption, and "Caption" behind
// the caption text. Its check box is a skinned one on the same engine.

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/panels/SeCustomGroupBox.h"

class TSeSkinEngine;
class TSeSkinObject;

class TSeSkinGroupBox : public TSeCustomGroupBox {
public:
    explicit TSeSkinGroupBox(TComponent* owner);
    ~TSeSkinGroupBox() override;

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine);
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name);
    std::string Version() const { return "3.2.0"; }
    // The skin copy drawn with now; null for the plain look.
    TSeSkinObject* Skin() const;

    void WndProc(TMessage& message) override;

protected:
    TSeCustomCheckBox* CreateCheckBox() override;
    bool AlwaysWidenCaption() const override { return true; }
    void PaintBackground(TCanvas& canvas) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void applyBinding();

    mutable TSeSkinBinding binding_;
};
