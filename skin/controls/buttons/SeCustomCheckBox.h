#pragma once
// TSeCustomCheckBox: the check box of the skinned library in its plain look
// (the themed check-box part, or the classic frame control with themes
// off); TSeSkinCheckBox draws it from a skin. It is see-through by default,
// so it sits on any background.
//
// A click, Space or the caption's accelerator moves it on: unchecked, then
// grayed (with AllowGrayed), then checked, then unchecked. Every change of
// State fires OnClick, also one made by code; setting the value it has
// fires nothing.

#include "skin/controls/base/SeCustomControl.h"
#include "skin/controls/buttons/SeButtonTypes.h"

#include <string>

class TSeCustomCheckBox : public TSeCustomControl {
public:
    explicit TSeCustomCheckBox(TComponent* owner);
    ~TSeCustomCheckBox() override;

    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    TSeLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TSeLeftRight value);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Held down by the mouse or Space, not yet released.
    bool Pressed() const { return pressed_; }

    void WndProc(TMessage& message) override;

    // Layout, in control coordinates.
    RECT CheckRect();
    // Where the measured caption is drawn (the area beside the box).
    RECT CaptionRect(TCanvas& canvas);
    // The same in the font the caption is drawn in.
    RECT CaptionBounds();

protected:
    virtual SIZE GetCheckSize();
    virtual void PaintCheck(TCanvas& canvas, const RECT& box);
    virtual void PaintCaption(TCanvas& canvas);
    virtual void Toggle();
    // Sets the canvas font the caption is drawn in.
    virtual void SelectCaptionFont(TCanvas& canvas);

    void Paint() override;
    void MouseEnter() override { Invalidate(); }
    void MouseLeave() override { Invalidate(); }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void SetPressed(bool value);

private:

    bool allowGrayed_ = false;
    TSeLeftRight alignment_ = ktaLeftJustify;
    int spacing_ = 5;
    TCheckBoxState state_ = cbUnchecked;
    bool wordWrap_ = false;
    bool pressed_ = false;
};
