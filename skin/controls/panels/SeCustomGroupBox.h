#pragma once
// TSeCustomGroupBox: a frame round child controls with a caption in the gap
// of its top edge, or a check box there that enables and disables the
// children. With the check box the group box itself always stays enabled.

#include "skin/controls/base/SeCustomControl.h"
#include "skin/controls/buttons/SeButtonTypes.h"

class TSeCustomCheckBox;

class TSeCustomGroupBox : public TSeCustomControl {
public:
    explicit TSeCustomGroupBox(TComponent* owner);
    ~TSeCustomGroupBox() override;

    int CaptionMargin() const { return captionMargin_; }
    void SetCaptionMargin(int value);
    bool UseCheckBox() const { return useCheckBox_; }
    void SetUseCheckBox(bool value);
    bool Checked() const { return checked_; }
    // Also the check box's state; the children follow.
    void SetChecked(bool value);
    TSeLeftRight CheckBoxAlignment() const { return checkBoxAlignment_; }
    void SetCheckBoxAlignment(TSeLeftRight value);
    // The check box child while UseCheckBox, else null.
    TSeCustomCheckBox* CheckBox() const { return checkBox_; }
    // Stays True while UseCheckBox.
    void SetEnabled(bool value) override;

    TNotifyEvent OnCheckBoxClick;

    // Geometry, with text measured in the group box's font.
    int CaptionHeight() const;
    virtual RECT GetFrameRect() const;
    RECT GetCaptionRect() const;
    void AdjustClientRect(TRect& r) const override;

    void WndProc(TMessage& message) override;

protected:
    virtual void CheckBoxClick();
    virtual TSeCustomCheckBox* CreateCheckBox();
    // The skinned group box widens the caption's gap also for no caption.
    virtual bool AlwaysWidenCaption() const { return false; }

    // The frame and caption are the background: a see-through child asks
    // for them when it copies its parent's picture.
    void PaintBackground(TCanvas& canvas) override;
    void Resize() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The text in the caption rectangle, one line, centred.
    void drawCaption(TCanvas& canvas, bool themed);
    // Puts the check box at the caption's place with the group box's caption.
    void placeCheckBox();

private:
    SIZE captionTextSize() const;
    void updateChildren();
    void layoutChanged();

    int captionMargin_ = 12;
    bool useCheckBox_ = false;
    bool checked_ = true;
    TSeLeftRight checkBoxAlignment_ = ktaLeftJustify;
    TSeCustomCheckBox* checkBox_ = nullptr;
    bool syncing_ = false;
};
