#pragma once
// The skin look both skinned edit boxes (with and without a button) add
// to their plain base: a binding to a skin object ("Edit"), whose "Frame"
// part (or the object itself), in the box's state and laid out to the
// whole box, draws the border and, clipped to the text area, the text's
// background; its "Text" part (or the object) gives the font. Without a
// usable skin the plain look is drawn.

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"

#include "platform/gdi/DcStateSaver.h"

#include <string>

class TSeSkinEngine;

template <typename Edit> class TSeEditSkinned : public Edit {
public:
    explicit TSeEditSkinned(TComponent* owner) : Edit(owner), binding_(*this, "Edit")
    {
        // A new copy may bring another font: measurements and height again.
        binding_.OnChange = [this] { this->FontOrFrameChanged(); };
    }

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    virtual void SetSkinEngine(TSeSkinEngine* engine) { binding_.SetEngine(engine); }
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    std::string Version() const { return "3.2.0"; }
    bool Skinned() const { return binding_.Skinned(); }

    void WndProc(TMessage& m) override
    {
        if (!binding_.HandleMessage(m))
            Edit::WndProc(m);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        Edit::Notification(component, operation);
        binding_.Notification(component, operation);
    }

    TFont* EditFont() const override
    {
        TSeSkinObject* skin = binding_.Object();
        if (!skin)
            return Edit::EditFont();
        TSeSkinObject* text = FindObject(skin, "Text");
        return (text ? text : skin)->EffectiveFont();
    }

    void PaintEdges(TCanvas& canvas) override
    {
        if (TSeSkinObject* frame = arrangedFrame())
            frame->Draw(canvas);
        else
            Edit::PaintEdges(canvas);
    }

    void PaintBackground(TCanvas& canvas) override
    {
        TSeSkinObject* frame = arrangedFrame();
        if (!frame) {
            Edit::PaintBackground(canvas);
            return;
        }
        const RECT area = this->GetClientArea();
        brio::DcStateSaver saved(canvas.Handle());
        IntersectClipRect(canvas.Handle(), area.left, area.top, area.right, area.bottom);
        frame->Draw(canvas);
    }

    void MouseEnter() override
    {
        Edit::MouseEnter();
        this->Invalidate();
    }
    void MouseLeave() override
    {
        Edit::MouseLeave();
        this->Invalidate();
    }

    TSeSkinBinding& Binding() const { return binding_; }

private:
    TSeSkinObject* arrangedFrame()
    {
        TSeSkinObject* skin = binding_.Object();
        if (!skin)
            return nullptr;
        TSeSkinObject* frame = FindObject(skin, "Frame");
        if (!frame)
            frame = skin;
        const std::uint8_t state = !this->Enabled()                      ? SeStateDisabled
                                   : this->Hot()                          ? SeStateHot
                                   : this->HasFocus() || this->Focused() ? SeStateFocused
                                                                          : SeStateNormal;
        frame->ApplyState(state);
        frame->ArrangeIn(RECT{0, 0, this->Width(), this->Height()});
        return frame;
    }

    mutable TSeSkinBinding binding_;
};
