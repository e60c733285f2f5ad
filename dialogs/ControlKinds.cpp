#include "dialogs/ControlKinds.h"

#include "ui/commondlg/MessageBox.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

namespace brio {

namespace {

HWND messageOwner()
{
    TCustomForm* form = Application->MainForm();
    return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

} // namespace

void ShowPlainMessage(const std::string& text)
{
    ::MessageBox(messageOwner(), text, Application->Title(), MB_OK);
}

bool ConfirmYesNo(const std::string& text)
{
    return ::MessageBox(messageOwner(), text, Application->Title(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void SetButtonGlyph(ButtonKind* button, TPicture*, const std::string& caption)
{
    button->SetCaption(caption);
}

void StyleGroupBox(GroupBoxKind* box)
{
    box->SetBevelOuter(bvNone);
    box->SetCaption("");
}

} // namespace brio
