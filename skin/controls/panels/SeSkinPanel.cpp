#include "skin/controls/panels/SeSkinPanel.h"

#include "skin/controls/panels/SeSkinParts.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Font.h"

TSeSkinPanel::TSeSkinPanel(TComponent* owner) : brio::Skinned<TSeCustomPanel>(owner, "Panel")
{
    binding_.OnChange = [this] { applyBinding(); };
}

TSeSkinPanel::~TSeSkinPanel() = default;

void TSeSkinPanel::applyBinding()
{
    if (ComponentState().Contains(csDestroying))
        return;
    if (TSeSkinObject* caption = brio::firstSkinChild(binding_.Object(), {"Caption"})) {
        if (plainCaptionHeight_ == 0)
            plainCaptionHeight_ = CaptionHeight();
        SetCaptionHeight(caption->Height());
    } else if (!binding_.Object() && plainCaptionHeight_ != 0) {
        SetCaptionHeight(plainCaptionHeight_);
    }
    if (const auto masked = brio::maskedFrame(brio::firstSkinChild(binding_.Object(), {"Frame"})))
        SetTransparent(*masked);
    Invalidate();
}

void TSeSkinPanel::PaintPanel(TCanvas& canvas)
{
    TSeSkinObject* frame = brio::firstSkinChild(Skin(), {"Frame"});
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
    if (!Skin()) {
        TSeCustomPanel::PaintCaption(canvas);
        return;
    }
    const RECT r = GetCaptionRect();
    if (!Transparent())
        paintParentBehind(canvas, r);
    TSeSkinObject* caption = brio::firstSkinChild(Skin(), {"Title", "Caption"});
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
    if (Skin() && !IsEmpty(r)) {
        const char* name = ButtonKind() == pbkHide ? "ButtonHide" : Rolled() ? "ButtonRolldown" : "ButtonRollup";
        button = brio::firstSkinChild(Skin(), {name, "Button"});
    }
    if (!button) {
        if (!Skin())
            TSeCustomPanel::PaintButton(canvas);
        return;
    }
    button->ArrangeIn(r);
    button->ApplyState(ButtonPressed() ? SeStatePressed : ButtonHot() ? SeStateHot : SeStateNormal);
    button->Draw(canvas);
}
