#include "skin/controls/buttons/SeSkinCheckBox.h"

#include "skin/engine/SeSkinObject.h"

TSeSkinCheckBox::TSeSkinCheckBox(TComponent* owner) : TSeCustomCheckBox(owner), binding_(*this, "CheckBox") {}

TSeSkinCheckBox::~TSeSkinCheckBox() = default;

std::uint8_t TSeSkinCheckBox::SkinState() const
{
    if (!Enabled())
        return SeStateDisabled;
    if (Hot())
        return SeStateHot;
    if (HasFocus())
        return SeStateFocused;
    return SeStateNormal;
}

void TSeSkinCheckBox::Notification(TComponent* component, TOperation operation)
{
    TSeCustomCheckBox::Notification(component, operation);
    binding_.Notification(component, operation);
}

void TSeSkinCheckBox::WndProc(TMessage& m)
{
    if (binding_.HandleMessage(m))
        return;
    TSeCustomCheckBox::WndProc(m);
}

TSeSkinObject* TSeSkinCheckBox::boxObject()
{
    TSeSkinObject* object = binding_.Object();
    if (!object)
        return nullptr;
    switch (State()) {
    case cbChecked:
        return FindObject(object, "Checked");
    case cbGrayed:
        return FindObject(object, "Mixed");
    case cbUnchecked:
        return FindObject(object, "Unchecked");
    }
    return nullptr;
}

SIZE TSeSkinCheckBox::GetCheckSize()
{
    TSeSkinObject* object = binding_.Object();
    if (TSeSkinObject* checked = object ? FindObject(object, "Checked") : nullptr;
        checked && checked->Width() > 0 && checked->Height() > 0)
        return SIZE{checked->Width(), checked->Height()};
    return TSeCustomCheckBox::GetCheckSize();
}

void TSeSkinCheckBox::PaintCheck(TCanvas& canvas, const RECT& box)
{
    TSeSkinObject* part = boxObject();
    if (!part) {
        TSeCustomCheckBox::PaintCheck(canvas, box);
        return;
    }
    part->ApplyState(SkinState());
    part->ArrangeIn(box);
    part->Draw(canvas);
}

void TSeSkinCheckBox::SelectCaptionFont(TCanvas& canvas)
{
    TSeSkinObject* object = binding_.Object();
    if (!object) {
        TSeCustomCheckBox::SelectCaptionFont(canvas);
        return;
    }
    TSeSkinObject* text = FindObject(object, "Text");
    if (!text)
        text = object;
    text->ApplyState(SkinState());
    canvas.SetFont(text->EffectiveFont());
}
