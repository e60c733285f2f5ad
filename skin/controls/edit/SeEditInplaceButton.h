#pragma once
// The push button inside an edit box. It takes the focus only when it is
// a tab stop of its own: otherwise a press would move the focus away from
// the box, and with it the box's caret and selection.

template <typename Button> class TSeEditInplaceButton : public Button {
public:
    using Button::Button;
    bool CanFocus() const override { return this->TabStop() && Button::CanFocus(); }
};
