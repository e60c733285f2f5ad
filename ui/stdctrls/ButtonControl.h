#pragma once
// TButtonControl: a push button's behaviour, shared by every button of the
// framework: Default (Enter) and Cancel (Escape) through CM_DIALOGKEY, its
// accelerator through CM_DIALOGCHAR, Space, and a ModalResult that it hands
// to its form before its click handler runs. It paints the classic push
// button; real buttons override Paint.

#include "ui/control/GraphicControl.h"

class TButtonControl : public TCustomControl {
public:
    explicit TButtonControl(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    // Whether Enter presses this button now: it has the focus, or it is the
    // default button and no other button has the focus.
    bool Active() const { return active_; }
    bool Pressed() const { return pressed_; }

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;

private:
    void setPressed(bool value);
    void focusChanged(TControl* focused);

    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    bool pressed_ = false;
    TModalResult modalResult_ = mrNone;
};
