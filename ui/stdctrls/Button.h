#pragma once
// TButton: the classic push button. Its behaviour (Default, Cancel,
// ModalResult, Space, accelerators) comes from TButtonControl; it adds the
// pushed look that follows the held mouse in and out of the button.

#include "ui/stdctrls/ButtonControl.h"

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    // Drawn pushed now: held by Space, or by the mouse while over it.
    bool Down() const { return Pressed() && (pointerInside_ || !ControlState().Contains(csLButtonDown)); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    bool pointerInside_ = true;
};
