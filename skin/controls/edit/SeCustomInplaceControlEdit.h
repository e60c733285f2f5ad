#pragma once
// TSeCustomInplaceControlEdit: an edit box that holds one child control
// inside its frame (the edit button's push button). The child is made by
// CreateInplaceControl, sits on the strip PlaceInplaceControl gives it and
// is laid out again whenever the box's size or frame changes. A press on
// the child leaves the box's selection alone: when the child takes the
// focus it goes straight back to the box, without AutoSelect.

#include "skin/controls/edit/SeCustomEdit.h"

class TSeCustomInplaceControlEdit : public TSeCustomEdit {
public:
    explicit TSeCustomInplaceControlEdit(TComponent* owner);

    TControl* InplaceControl() const { return inplaceControl_; }
    void WndProc(TMessage& message) override;
    void SetParent(TWinControl* parent) override;

protected:
    // Called once, from the first layout after construction (a parent or
    // new bounds); the box owns what it returns.
    virtual TControl* CreateInplaceControl() = 0;
    virtual void InplaceControlCreated() {}
    // The child's rectangle in the box's client coordinates.
    virtual RECT PlaceInplaceControl() const = 0;
    // Makes the child when needed and puts it in place.
    void LayoutInplaceControl();
    void BoundsChanged() override;

private:
    TControl* inplaceControl_ = nullptr;
    bool laying_ = false;
};
