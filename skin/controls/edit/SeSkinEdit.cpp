// TSeSkinEdit: the skin binding, the skinned frame and the skin's font.

#include "skin/controls/edit/SeSkinEdit.h"

#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"

#include "platform/gdi/DcStateSaver.h"

TSeSkinEdit::TSeSkinEdit(TComponent* owner) : TSeCustomEdit(owner), binding_(*this, "Edit")
{
    // A new copy may bring another font: measurements and height again.
    binding_.OnChange = [this] { FontOrFrameChanged(); };
}

void TSeSkinEdit::WndProc(TMessage& m)
{
    if (binding_.HandleMessage(m))
        return;
    TSeCustomEdit::WndProc(m);
}

void TSeSkinEdit::Notification(TComponent* component, TOperation operation)
{
    TSeCustomEdit::Notification(component, operation);
    binding_.Notification(component, operation);
}

TFont* TSeSkinEdit::EditFont() const
{
    TSeSkinObject* skin = binding_.Object();
    if (!skin)
        return TSeCustomEdit::EditFont();
    TSeSkinObject* text = FindObject(skin, "Text");
    return (text ? text : skin)->EffectiveFont();
}

TSeSkinObject* TSeSkinEdit::arrangedFrame()
{
    TSeSkinObject* skin = binding_.Object();
    if (!skin)
        return nullptr;
    TSeSkinObject* frame = FindObject(skin, "Frame");
    if (!frame)
        frame = skin;
    const std::uint8_t state = !Enabled() ? SeStateDisabled
                               : Hot()    ? SeStateHot
                               : HasFocus() || Focused() ? SeStateFocused
                                                         : SeStateNormal;
    frame->ApplyState(state);
    frame->ArrangeIn(RECT{0, 0, Width(), Height()});
    return frame;
}

void TSeSkinEdit::PaintEdges(TCanvas& canvas)
{
    TSeSkinObject* frame = arrangedFrame();
    if (!frame) {
        TSeCustomEdit::PaintEdges(canvas);
        return;
    }
    frame->Draw(canvas);
}

void TSeSkinEdit::PaintBackground(TCanvas& canvas)
{
    TSeSkinObject* frame = arrangedFrame();
    if (!frame) {
        TSeCustomEdit::PaintBackground(canvas);
        return;
    }
    // The frame's inside is the text area's background.
    brio::DcStateSaver saved(canvas.Handle());
    const RECT area = GetClientArea();
    IntersectClipRect(canvas.Handle(), area.left, area.top, area.right, area.bottom);
    frame->Draw(canvas);
}

void TSeSkinEdit::MouseEnter()
{
    TSeCustomEdit::MouseEnter();
    Invalidate();
}

void TSeSkinEdit::MouseLeave()
{
    TSeCustomEdit::MouseLeave();
    Invalidate();
}
