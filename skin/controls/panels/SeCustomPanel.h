#pragma once
// TSeCustomPanel: a container with a caption bar, an optional button at the
// bar's right end that rolls the panel up to its bar (or hides it), and a
// bevel. The height to return to when rolled down is kept with the form's
// definition as the binary property "NormalHeight".

#include "skin/controls/base/SeCustomControl.h"

enum TSePanelButtonKind : std::uint8_t { pbkRoll, pbkHide };

class TSeCustomPanel : public TSeCustomControl {
public:
    explicit TSeCustomPanel(TComponent* owner);
    ~TSeCustomPanel() override;

    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value);
    bool ShowBevel() const { return showBevel_; }
    void SetShowBevel(bool value);
    bool ShowButton() const { return showButton_; }
    void SetShowButton(bool value);
    TSePanelButtonKind ButtonKind() const { return buttonKind_; }
    void SetButtonKind(TSePanelButtonKind value);
    bool Rolled() const { return rolled_; }
    // Rolls up to the caption bar or back down to the normal height; the
    // current value changes nothing.
    void SetRolled(bool value);
    bool AnimateRoll() const { return animateRoll_; }
    void SetAnimateRoll(bool value) { animateRoll_ = value; }
    bool ParentRoll() const { return parentRoll_; }
    void SetParentRoll(bool value) { parentRoll_ = value; }
    const std::string& ButtonHint() const { return buttonHint_; }
    void SetButtonHint(const std::string& value) { buttonHint_ = value; }
    const std::string& CaptionHint() const { return captionHint_; }
    void SetCaptionHint(const std::string& value) { captionHint_ = value; }
    TCursor ButtonCursor() const { return buttonCursor_; }
    void SetButtonCursor(TCursor value) { buttonCursor_ = value; }
    TCursor CaptionCursor() const { return captionCursor_; }
    void SetCaptionCursor(TCursor value) { captionCursor_ = value; }

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnRollup;
    TNotifyEvent OnHide;
    TNotifyEvent OnBeforeRoll;

    int CaptionHeight() const { return captionHeight_; }
    void SetCaptionHeight(int value);
    int NormalHeight() const { return normalHeight_; }
    bool ButtonHot() const { return hot_; }
    bool ButtonPressed() const { return pressed_; }

    virtual RECT GetCaptionRect() const;
    RECT GetButtonRect() const;
    void AdjustClientRect(TRect& r) const override;
    void SetBounds(int left, int top, int width, int height) override;

    // "NormalHeight": four bytes, a signed little-endian integer.
    void DefineProperties(TFiler& filer) override;
    void ReadNormalHeight(TStream& stream);
    void WriteNormalHeight(TStream& stream) const;

    void WndProc(TMessage& message) override;

protected:
    virtual void PaintCaption(TCanvas& canvas);
    virtual void PaintPanel(TCanvas& canvas);
    virtual void PaintButton(TCanvas& canvas);
    void PaintBackground(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void ButtonAction();

    // The caption text 5 pixels in from both sides, one line, centred
    // vertically, in the canvas's font and the given colour.
    void drawCaptionText(TCanvas& canvas, const RECT& r, TColor color);
    // The parent's picture behind `r` only.
    void paintParentBehind(TCanvas& canvas, const RECT& r);
    void FrameChanged() override;
    // Repaints the caption bar's button only.
    void invalidateButton();

private:
    void rollUp();
    void rollDown();
    // Sets the height during a roll (and the parent's with ParentRoll).
    void applyRollHeight(int height);
    TCursor cursorAt(TPoint p) const;

    bool showCaption_ = true;
    bool showBevel_ = true;
    bool showButton_ = true;
    TSePanelButtonKind buttonKind_ = pbkRoll;
    bool rolled_ = false;
    bool animateRoll_ = false;
    bool parentRoll_ = false;
    std::string buttonHint_;
    std::string captionHint_;
    TCursor buttonCursor_ = crDefault;
    TCursor captionCursor_ = crDefault;
    int captionHeight_ = 20;
    int normalHeight_ = 0;
    bool hot_ = false;
    bool pressed_ = false;
    bool rolling_ = false;
};
