#pragma once
// TSeSkinEdit: the edit box drawn from a skin object ("Edit"): its "Frame"
// child (or the object) draws the border and the text area's background
// in the state of the moment (disabled, pointer over, focused, normal), and
// its "Text" child (or the object) gives the font. Without a usable skin
// the box draws its plain look.

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/edit/SeCustomEdit.h"

class TSeSkinEngine;
class TSeSkinObject;

class TSeSkinEdit : public TSeCustomEdit {
public:
    explicit TSeSkinEdit(TComponent* owner);

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine) { binding_.SetEngine(engine); }
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    std::string Version() const { return "3.2.0"; }
    bool Skinned() const { return binding_.Skinned(); }

    void WndProc(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void PaintEdges(TCanvas& canvas) override;
    void PaintBackground(TCanvas& canvas) override;
    TFont* EditFont() const override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    // The frame part in the current state, laid out to the whole control.
    TSeSkinObject* arrangedFrame();

    mutable TSeSkinBinding binding_;
};
