#pragma once
// TEdit: a single-line text box with a sunken edge: caret, selection by
// mouse and Shift+keys, clipboard, MaxLength, ReadOnly, PasswordChar, and
// text that scrolls sideways to keep the caret in view. Indexes count
// UTF-16 units, as SelStart and SelLength always have.

#include "ui/stdctrls/EditBuffer.h"
#include "ui/control/GraphicControl.h"

#include <vector>

class TEdit : public TCustomControl {
public:
    explicit TEdit(TComponent* owner);

    std::string Text() const override { return text_; }
    void SetText(const std::string& value) override;

    int MaxLength() const { return buffer_.MaxLength(); }
    void SetMaxLength(int value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    // Zero shows the text itself; anything else hides each character.
    char16_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char16_t value);
    bool AutoSelect = true;
    // Off: the selection stays lit while another control has the focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);

    int SelStart() const { return buffer_.SelStart(); }
    void SetSelStart(int value);
    int SelLength() const { return buffer_.SelLength(); }
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection as if typed (MaxLength and ReadOnly aside).
    void SetSelText(const std::string& value);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // The caret's position in client coordinates.
    POINT CaretPos() const;
    // How far the text is scrolled to the left, in pixels.
    int ScrollOffset() const { return scrollX_; }

    bool WantsKey(WORD key) const override;
    bool WantsChars() const override { return true; }
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    virtual void Change();

private:
    void typeUnit(char16_t unit);
    // After an edit: the control text follows the buffer, OnChange runs.
    void textEdited();
    void caretMoved();
    std::u16string displayText() const;
    // x of every UTF-16 position in the displayed text (unscrolled).
    const std::vector<int>& positionsX() const;
    int positionAt(int x) const;
    void scrollToCaret();
    void placeCaret();
    int lineHeight() const;

    TEditBuffer buffer_;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    char16_t passwordChar_ = 0;
    char16_t pendingHighSurrogate_ = 0;
    int scrollX_ = 0;
    bool selecting_ = false;
    bool hasCaret_ = false;
    mutable std::vector<int> positions_;
    mutable bool positionsValid_ = false;
};
