#pragma once
// TSeSkinButton: the push button drawn from its skin object ("Button" by
// default): the "Face" child (or the object) in the button's state, the
// caption in the "Text" child's font. A face drawn masked makes the button
// see-through, so the parent shows round its corners. Without a usable
// skin it is the plain TSeCustomButton.

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/buttons/SeCustomButton.h"

#include <cstdint>
#include <string>

class TSeSkinButton : public TSeCustomButton {
public:
    explicit TSeSkinButton(TComponent* owner);
    ~TSeSkinButton() override;

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine) { binding_.SetEngine(engine); }
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    bool ShowGlyph() const { return showGlyph_; }
    void SetShowGlyph(bool value) { showGlyph_ = value; }
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value) { showCaption_ = value; }
    std::string Version() const { return "3.2.0"; }

    bool Skinned() const { return binding_.Skinned(); }
    // The state code the skin is given now: 8 disabled, 6 pressed, 5 hot,
    // 7 focused or the default look, else 0.
    std::uint8_t SkinState() const;

    void WndProc(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void PaintFace(TCanvas& canvas) override;
    void PaintGlyph(TCanvas& canvas) override;
    void PaintText(TCanvas& canvas) override;
    void SelectCaptionFont(TCanvas& canvas) override;

private:
    void skinBound();

    TSeSkinBinding binding_;
    bool showGlyph_ = true;
    bool showCaption_ = true;
};
