#pragma once
// TSeCustomEditButton: an edit box with a push button inside its frame, at
// the left or right end (used to browse for a file). The text area gives
// up the button's width on that side; the button fills that strip from
// the top of the frame to its bottom. Clicking it runs OnButtonClick and
// leaves the box's text and selection as they were.

#include "skin/controls/edit/SeCustomInplaceControlEdit.h"

#include <cstdint>

enum TSeButtonAlign : std::uint8_t { baLeft, baRight };

class TSeCustomEditButton : public TSeCustomInplaceControlEdit {
public:
    explicit TSeCustomEditButton(TComponent* owner);

    TSeButtonAlign ButtonAlign() const { return buttonAlign_; }
    void SetButtonAlign(TSeButtonAlign value);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    const std::string& ButtonCaption() const { return buttonCaption_; }
    void SetButtonCaption(const std::string& value);
    const std::string& ButtonHint() const { return buttonHint_; }
    void SetButtonHint(const std::string& value);
    bool ButtonShowHint() const { return buttonShowHint_; }
    void SetButtonShowHint(bool value);
    bool ButtonTabStop() const { return buttonTabStop_; }
    void SetButtonTabStop(bool value);
    bool ButtonBlend() const { return buttonBlend_; }
    void SetButtonBlend(bool value);
    int ButtonBlendValue() const { return buttonBlendValue_; }
    void SetButtonBlendValue(int value);
    bool ButtonTransparent() const { return buttonTransparent_; }
    void SetButtonTransparent(bool value);

    // The push button; made with the box's first layout.
    TControl* Button() const { return InplaceControl(); }
    RECT GetTextArea() const override;

    TNotifyEvent OnButtonClick;

protected:
    TControl* CreateInplaceControl() override;
    void InplaceControlCreated() override;
    void FrameChanged() override;
    RECT PlaceInplaceControl() const override;
    // Makes the push button itself; its click is wired by the caller.
    virtual TControl* CreateButton();
    // Hands the Button* settings to the push button.
    virtual void ApplyButtonSettings();
    virtual void ButtonClick();

private:
    void buttonChanged();

    TSeButtonAlign buttonAlign_ = baRight;
    int buttonWidth_ = 21;
    std::string buttonCaption_;
    std::string buttonHint_;
    bool buttonShowHint_ = false;
    bool buttonTabStop_ = false;
    bool buttonBlend_ = false;
    int buttonBlendValue_ = 150;
    bool buttonTransparent_ = false;
};
