#pragma once
// TSeSkinScrollBar: the scroll bar drawn from the engine's "ScrollBar"
// object: the frame over the whole bar, the arrow buttons and the slider
// from its children, each in the state of its part. A vertical bar takes
// its frame's width, a horizontal one its frame's height. Without a usable
// skin it is the plain scroll bar.

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/scroll/SeCustomScrollBar.h"

#include <cstdint>
#include <initializer_list>
#include <string>

class TSeSkinObject;

class TSeSkinScrollBar : public TSeCustomScrollBar {
public:
    explicit TSeSkinScrollBar(TComponent* owner);
    ~TSeSkinScrollBar() override;

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine) { binding_.SetEngine(engine); }
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    std::string Version() const { return "3.2.0"; }
    bool Skinned() const { return binding_.Skinned(); }

    int GetButtonSize() const override;
    void WndProc(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void PaintFirstButton(TCanvas& canvas) override;
    void PaintSecondButton(TCanvas& canvas) override;
    void PaintPageUp(TCanvas& canvas) override;
    void PaintPageDown(TCanvas& canvas) override;
    void PaintThumb(TCanvas& canvas) override;
    void PaintTrack(TCanvas& canvas) override;
    void PaintBarBorder(TCanvas& canvas) override;

private:
    void skinBound();
    TSeSkinObject* part(std::initializer_list<const char*> names) const;
    TSeSkinObject* frame() const;
    // Arranges `object` in `r` in the part's state and draws it.
    void drawPart(TCanvas& canvas, TSeSkinObject* object, const RECT& r, bool pressed, bool hot);

    TSeSkinBinding binding_;
};
