#pragma once
// TCheckBox: a box with a caption that is unchecked, checked or, with
// AllowGrayed, grayed. Every change of State fires OnClick.

#include "ui/control/GraphicControl.h"

class TCheckBox : public TCustomControl {
public:
    explicit TCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    // taRightJustify puts the caption right of the box, taLeftJustify left of it.
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight value);

    void WndProc(TMessage& message) override;

protected:
    // Moves to the next state: unchecked, (grayed,) checked, unchecked.
    virtual void Toggle();
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;

private:
    void setPressed(bool value);

    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TLeftRight alignment_ = taRightJustify;
    bool pressed_ = false;
};
