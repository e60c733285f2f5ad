#pragma once
// TSeSkinPanel: the panel drawn from the engine's "Panel" object: "Frame"
// over the whole panel, "Title" or "Caption" in the caption bar (whose
// height the skin's "Caption" sets) and the roll and hide buttons. It keeps
// the caption height it had before its first skin, to return to when the
// skin goes.

#include "skin/controls/panels/SeCustomPanel.h"
#include "skin/controls/base/SeSkinBinding.h"

class TSeSkinEngine;

class TSeSkinPanel : public TSeCustomPanel {
public:
    explicit TSeSkinPanel(TComponent* owner);
    ~TSeSkinPanel() override;

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine);
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name);
    std::string Version() const { return "3.2.0"; }
    // The skin copy drawn with now; null for the plain look.
    TSeSkinObject* Skin() const;
    // The plain caption height kept while skinned; 0 before the first skin.
    int RememberedCaptionHeight() const { return plainCaptionHeight_; }

    void WndProc(TMessage& message) override;

protected:
    void PaintPanel(TCanvas& canvas) override;
    void PaintCaption(TCanvas& canvas) override;
    void PaintButton(TCanvas& canvas) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Caption height and transparency after the copy was taken or dropped.
    void applyBinding();

    mutable TSeSkinBinding binding_;
    int plainCaptionHeight_ = 0;
};
