#include "skin/controls/message/SeMessageForm.h"

TSeMessageForm::TSeMessageForm(TComponent* owner) : TForm(owner)
{
    SetPosition(poScreenCenter);
    SetKeyPreview(true);
}

TControl* TSeMessageForm::Button(TMsgDlgBtn button) const
{
    return dynamic_cast<TControl*>(FindComponent(brio::messageButtonInfo(button).name));
}
