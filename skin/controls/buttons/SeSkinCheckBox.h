#pragma once
// TSeSkinCheckBox: the check box drawn from its skin object ("CheckBox" by
// default): the "Checked", "Mixed" or "Unchecked" child for the state as the
// box (its size from "Checked"), the caption in the "Text" child's font.
// Without a usable skin, or a missing box child, the plain look draws.

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/buttons/SeCustomCheckBox.h"

#include <cstdint>
#include <string>

class TSeSkinCheckBox : public TSeCustomCheckBox {
public:
    explicit TSeSkinCheckBox(TComponent* owner);
    ~TSeSkinCheckBox() override;

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine) { binding_.SetEngine(engine); }
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    std::string Version() const { return "3.2.0"; }

    bool Skinned() const { return binding_.Skinned(); }
    // 8 disabled, 5 hot, 7 focused, else 0.
    std::uint8_t SkinState() const;

    void WndProc(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    SIZE GetCheckSize() override;
    void PaintCheck(TCanvas& canvas, const RECT& box) override;
    void SelectCaptionFont(TCanvas& canvas) override;

private:
    TSeSkinObject* boxObject();

    TSeSkinBinding binding_;
};
