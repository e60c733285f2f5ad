#pragma once
// TSeSkinSTreeView: the tree drawn from the engine's "ListBox" object: its
// "Frame" child (or the object) as the border, the object's colour and its
// font's colour for the items, and skinned scroll bars from the same engine
// over the native ones. Without a usable skin it is the plain tree. A
// drop-in for TTreeView: the same interface, derived from it.

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/tree/SeCustomTreeView.h"

#include <string>

class TSeSkinEngine;

class TSeSkinSTreeView : public TSeCustomTreeView {
public:
    explicit TSeSkinSTreeView(TComponent* owner);
    ~TSeSkinSTreeView() override;

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine) { binding_.SetEngine(engine); }
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    std::string Version() const { return "3.2.0"; }
    bool Skinned() const { return binding_.Skinned(); }

    void WndProc(TMessage& message) override;

protected:
    TSeCustomScrollBar* CreateScrollBar(TComponent* owner) override;
    void PaintTreeBackground(TCanvas& canvas, const RECT& rect) override;
    void PaintTreeFrame(TCanvas& canvas, const RECT& rect) override;
    void FillBackground(TCanvas* canvas, const TRect& rect) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void skinBound();

    TSeSkinBinding binding_;
};
