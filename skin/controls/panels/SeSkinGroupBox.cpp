#include "skin/controls/panels/SeSkinGroupBox.h"

#include "platform/gdi/DcStateSaver.h"
#include "skin/controls/buttons/SeSkinCheckBox.h"
#include "skin/controls/panels/SeSkinParts.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Brush.h"
#include "ui/graphics/Font.h"

TSeSkinGroupBox::TSeSkinGroupBox(TComponent* owner) : TSeCustomGroupBox(owner), binding_(*this, "GroupBox")
{
    binding_.OnChange = [this] { applyBinding(); };
    SetTransparent(true);
}

TSeSkinGroupBox::~TSeSkinGroupBox() = default;

TSeSkinObject* TSeSkinGroupBox::Skin() const { return brio::usableSkin(binding_, *this); }

void TSeSkinGroupBox::SetSkinEngine(TSeSkinEngine* engine) { binding_.SetEngine(engine); }

void TSeSkinGroupBox::SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }

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

void TSeSkinGroupBox::Notification(TComponent* component, TOperation operation)
{
    TSeCustomGroupBox::Notification(component, operation);
    binding_.Notification(component, operation);
}

void TSeSkinGroupBox::WndProc(TMessage& m)
{
    if (!binding_.HandleMessage(m))
        TSeCustomGroupBox::WndProc(m);
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
