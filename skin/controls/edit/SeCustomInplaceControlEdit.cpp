// TSeCustomInplaceControlEdit: the child's making, layout and focus.

#include "skin/controls/edit/SeCustomInplaceControlEdit.h"

#include "platform/WinUser.h"

#include <algorithm>

TSeCustomInplaceControlEdit::TSeCustomInplaceControlEdit(TComponent* owner) : TSeCustomEdit(owner)
{
    controlStyle_.Include(csAcceptsControls);
}

void TSeCustomInplaceControlEdit::LayoutInplaceControl()
{
    if (laying_)
        return;
    laying_ = true;
    if (!inplaceControl_) {
        inplaceControl_ = CreateInplaceControl();
        if (inplaceControl_) {
            inplaceControl_->SetParent(this);
            InplaceControlCreated();
        }
    }
    if (inplaceControl_) {
        const RECT r = PlaceInplaceControl();
        inplaceControl_->SetBounds(r.left, r.top, std::max(0, int(r.right - r.left)),
                                   std::max(0, int(r.bottom - r.top)));
    }
    laying_ = false;
}

void TSeCustomInplaceControlEdit::BoundsChanged()
{
    TSeCustomEdit::BoundsChanged();
    LayoutInplaceControl();
}

void TSeCustomInplaceControlEdit::SetParent(TWinControl* parent)
{
    TSeCustomEdit::SetParent(parent);
    if (parent)
        LayoutInplaceControl();
}

void TSeCustomInplaceControlEdit::WndProc(TMessage& m)
{
    if (m.Msg == WM_SETFOCUS && inplaceControl_) {
        // Focus coming back from our own child is not a fresh entry: the
        // selection the user made stays.
        auto* child = dynamic_cast<TWinControl*>(inplaceControl_);
        const HWND previous = reinterpret_cast<HWND>(m.WParam);
        if (child && child->HandleAllocated() && previous == child->Handle()) {
            const bool autoSelect = AutoSelect;
            AutoSelect = false;
            TSeCustomEdit::WndProc(m);
            AutoSelect = autoSelect;
            return;
        }
    }
    TSeCustomEdit::WndProc(m);
}
