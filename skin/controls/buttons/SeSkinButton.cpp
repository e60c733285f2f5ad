#include "skin/controls/buttons/SeSkinButton.h"

#include "skin/controls/buttons/CaptionText.h"
#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SeSkinObject.h"

TSeSkinButton::TSeSkinButton(TComponent* owner) : TSeCustomButton(owner), binding_(*this, "Button")
{
    binding_.OnChange = [this] { skinBound(); };
}

TSeSkinButton::~TSeSkinButton()
{
    binding_.OnChange = nullptr;
}

void TSeSkinButton::skinBound()
{
    TSeSkinObject* object = binding_.Object();
    if (!object)
        return;
    if (auto* face = dynamic_cast<TSeBitmapObject*>(FindObject(object, "Face")))
        SetTransparent(face->Masked() || face->MaskedBorder() || face->MaskedAngles());
}

std::uint8_t TSeSkinButton::SkinState() const
{
    if (!Enabled())
        return SeStateDisabled;
    if (State() == kbsPressed)
        return SeStatePressed;
    if (Hot())
        return SeStateHot;
    if (HasFocus() || ActiveDefault())
        return SeStateFocused;
    return SeStateNormal;
}

void TSeSkinButton::Notification(TComponent* component, TOperation operation)
{
    TSeCustomButton::Notification(component, operation);
    binding_.Notification(component, operation);
}

void TSeSkinButton::WndProc(TMessage& m)
{
    if (binding_.HandleMessage(m))
        return;
    TSeCustomButton::WndProc(m);
}

void TSeSkinButton::PaintFace(TCanvas& canvas)
{
    TSeSkinObject* object = binding_.Object();
    if (!object) {
        TSeCustomButton::PaintFace(canvas);
        return;
    }
    TSeSkinObject* face = FindObject(object, "Face");
    if (!face)
        face = object;
    face->ApplyState(SkinState());
    face->ArrangeIn(ClientRect());
    face->Draw(canvas);
}

void TSeSkinButton::PaintGlyph(TCanvas& canvas)
{
    if (showGlyph_)
        TSeCustomButton::PaintGlyph(canvas);
}

void TSeSkinButton::SelectCaptionFont(TCanvas& canvas)
{
    TSeSkinObject* object = binding_.Object();
    if (!object || !showCaption_) {
        TSeCustomButton::SelectCaptionFont(canvas);
        return;
    }
    TSeSkinObject* text = FindObject(object, "Text");
    if (!text)
        text = object;
    text->ApplyState(SkinState());
    canvas.SetFont(text->EffectiveFont());
}

void TSeSkinButton::PaintText(TCanvas& canvas)
{
    if (!binding_.Object() || !showCaption_) {
        PaintPlainText(canvas);
        return;
    }
    // The skin's font carries the state's colour: no embossing.
    SelectCaptionFont(canvas);
    brio::DrawCaption(canvas, Caption(), CaptionBox(canvas), {WordWrap()}, false);
}
