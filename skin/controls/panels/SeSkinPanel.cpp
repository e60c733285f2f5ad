#include "skin/controls/panels/SeSkinPanel.h"

#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Font.h"

TSeSkinPanel::TSeSkinPanel(TComponent* owner) : TSeCustomPanel(owner), binding_(*this, "Panel") {}

TSeSkinPanel::~TSeSkinPanel() = default;

void TSeSkinPanel::SetSkinEngine(TSeSkinEngine* engine)
{
    binding_.setEngine(engine);
    applyBinding();
}

void TSeSkinPanel::SetSkinObject(const std::string& name)
{
    if (binding_.setObjectName(name))
        applyBinding();
}

void TSeSkinPanel::applyBinding()
{
    if (TSeSkinObject* caption = binding_.child("Caption")) {
        if (plainCaptionHeight_ == 0)
            plainCaptionHeight_ = CaptionHeight();
        SetCaptionHeight(caption->Height());
    } else if (!binding_.object() && plainCaptionHeight_ != 0) {
        SetCaptionHeight(plainCaptionHeight_);
    }
    if (const auto masked = brio::maskedFrame(binding_.child("Frame")))
        SetTransparent(*masked);
    Invalidate();
}

void TSeSkinPanel::Notification(TComponent* component, TOperation operation)
{
    TSeCustomPanel::Notification(component, operation);
    if (operation == opRemove && binding_.engineRemoved(component))
        applyBinding();
}

void TSeSkinPanel::WndProc(TMessage& m)
{
    switch (binding_.handle(m)) {
    case brio::SeSkinBinding::Outcome::none: TSeCustomPanel::WndProc(m); return;
    case brio::SeSkinBinding::Outcome::repaint: Invalidate(); return;
    default: applyBinding(); return;
    }
}

void TSeSkinPanel::PaintPanel(TCanvas& canvas)
{
    TSeSkinObject* frame = binding_.usable() ? binding_.child("Frame") : nullptr;
    if (!frame) {
        TSeCustomPanel::PaintPanel(canvas);
        return;
    }
    frame->ArrangeIn(RECT{0, 0, Width(), Height()});
    frame->Draw(canvas);
}

void TSeSkinPanel::PaintCaption(TCanvas& canvas)
{
    if (!ShowCaption())
        return;
    if (!binding_.usable()) {
        TSeCustomPanel::PaintCaption(canvas);
        return;
    }
    const RECT r = GetCaptionRect();
    if (!Transparent())
        PaintParentBackground(canvas, r);
    TSeSkinObject* caption = binding_.firstChild({"Title", "Caption"});
    if (!caption) {
        canvas.Font()->Assign(Font());
        drawCaptionText(canvas, r, Font()->Color());
        return;
    }
    caption->SetText(Caption());
    caption->ApplyState(Enabled() ? SeStateNormal : SeStateDisabled);
    caption->ArrangeIn(r);
    caption->Draw(canvas);
    canvas.Font()->Assign(caption->EffectiveFont());
}

void TSeSkinPanel::PaintButton(TCanvas& canvas)
{
    const RECT r = GetButtonRect();
    TSeSkinObject* button = nullptr;
    if (binding_.usable() && !IsEmpty(r)) {
        const char* name = ButtonKind() == pbkHide ? "ButtonHide" : Rolled() ? "ButtonRolldown" : "ButtonRollup";
        button = binding_.firstChild({name, "Button"});
    }
    if (!button) {
        if (!binding_.usable())
            TSeCustomPanel::PaintButton(canvas);
        return;
    }
    button->ArrangeIn(r);
    button->ApplyState(ButtonPressed() ? SeStatePressed : ButtonHot() ? SeStateHot : SeStateNormal);
    button->Draw(canvas);
}
