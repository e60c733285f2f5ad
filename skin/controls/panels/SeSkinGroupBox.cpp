#include "skin/controls/panels/SeSkinGroupBox.h"

#include "platform/gdi/DcStateSaver.h"
#include "skin/controls/buttons/SeSkinCheckBox.h"
#include "skin/controls/panels/SeSkinParts.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Brush.h"
#include "ui/graphics/Font.h"

TSeSkinGroupBox::TSeSkinGroupBox(TComponent* owner) : brio::Skinned<TSeCustomGroupBox>(owner, "GroupBox")
{
    binding_.OnChange = [this] { applyBinding(); };
    SetTransparent(true);
}

TSeSkinGroupBox::~TSeSkinGroupBox() = default;

void TSeSkinGroupBox::applyBinding()
{
    if (ComponentState().Contains(csDestroying))
        return;
    if (const auto masked = brio::maskedFrame(brio::firstSkinChild(binding_.Object(), {"Frame"})))
        SetTransparent(*masked);
    if (auto* box = dynamic_cast<TSeSkinCheckBox*>(CheckBox())) {
        box->SetSkinEngine(binding_.Engine());
        placeCheckBox();
    }
    Realign();
    Invalidate();
}

TSeCustomCheckBox* TSeSkinGroupBox::CreateCheckBox()
{
    auto* box = new TSeSkinCheckBox(this);
    box->SetSkinEngine(binding_.Engine());
    return box;
}

void TSeSkinGroupBox::PaintBackground(TCanvas& canvas)
{
    TSeSkinObject* skin = Skin();
    if (!skin) {
        TSeCustomGroupBox::PaintBackground(canvas);
        return;
    }
    if (!Transparent()) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Parent() ? Parent()->Color() : Color());
        canvas.FillRect(RECT{0, 0, Width(), Height()});
    }
    const RECT caption = GetCaptionRect();
    if (TSeSkinObject* frame = brio::firstSkinChild(skin, {"Frame"})) {
        brio::DcStateSaver saved(canvas.Handle());
        ExcludeClipRect(canvas.Handle(), caption.left, caption.top, caption.right, caption.bottom);
        frame->ApplyState(Enabled() ? SeStateNormal : SeStateDisabled);
        frame->ArrangeIn(GetFrameRect());
        frame->Draw(canvas);
    }
    canvas.Font()->Assign(Font());
    if (TSeSkinObject* object = brio::firstSkinChild(skin, {"Caption"})) {
        object->ArrangeIn(caption);
        object->Draw(canvas);
        canvas.Font()->Assign(object->EffectiveFont());
    }
    if (!CheckBox())
        drawCaption(canvas, false);
}
