#pragma once
// TSeMessageForm: the modal form of a message box. The application owns
// it; it previews keys so that Enter and Escape reach its buttons from
// anywhere on it.

#include "skin/controls/message/SeMessageTypes.h"
#include "ui/forms/Form.h"

class TSeCustomForm;

class TSeMessageForm : public TForm {
public:
    explicit TSeMessageForm(TComponent* owner);

    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value) { helpContext_ = value; }
    // The button made for `button`, or null when the box has none.
    TControl* Button(TMsgDlgBtn button) const;
    // The component that draws the frame; the form owns it.
    TSeCustomForm* FormSkin() const { return formSkin_; }
    void SetFormSkin(TSeCustomForm* skin) { formSkin_ = skin; }

private:
    int helpContext_ = 0;
    TSeCustomForm* formSkin_ = nullptr;
};
