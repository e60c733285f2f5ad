#include "dialogs/uItemEdit.h"

#include "dialogs/EditDialogParts.h"
#include "skin/controls/edit/SeSkinEdit.h"
#include "skin/controls/edit/SeSkinEditButton.h"
#include "ui/commondlg/FileDialogs.h"

TfrmItemEdit::TfrmItemEdit(TComponent* owner) : TForm(owner)
{
    BeginLoading();
    SeSkinGroupBox1 = brio::EditDialogBody(this, "frmItemEdit", 238, 199, 366, 175);
    SeSkinLabel1 = brio::DialogLabel(this, SeSkinGroupBox1, 16, 16, 93, "Sound Effect Name");
    SeSkinLabel2 = brio::DialogLabel(this, SeSkinGroupBox1, 16, 80, 56, "Sound Path");
    SeSkinButton1 = brio::OkButton(this, SeSkinGroupBox1, 204, 142);
    SeSkinButton1->OnClick = [this](TObject* sender) { SeSkinButton1Click(sender); };
    SeSkinButton2 = brio::CancelButton(this, SeSkinGroupBox1, 284, 142);
    SeSkinButton2->OnClick = [this](TObject* sender) { SeSkinButton2Click(sender); };
    edtSoundName = brio::DialogEdit(this, SeSkinGroupBox1, 16, 40, 337);
    edtSoundName->SetName("edtSoundName");
    edtSoundName->SetTabOrder(2);
    edtSoundPath = brio::DialogEditWithButton(this, SeSkinGroupBox1, 16, 104, 337);
    edtSoundPath->SetName("edtSoundPath");
    edtSoundPath->SetTabOrder(3);
    edtSoundPath->OnButtonClick = [this](TObject* sender) { edtSoundPathButtonClick(sender); };
    SeSkinForm1 = brio::EditDialogFrame(this);
    od = new TOpenDialog(this); // every file is offered
    OnActivate = [this](TObject* sender) { FormActivate(sender); };
    EndLoading();
}

void TfrmItemEdit::FormActivate(TObject*)
{
    edtSoundName->SetFocus();
}

void TfrmItemEdit::SeSkinButton1Click(TObject*)
{
    if (!edtSoundName->Text().empty() && !edtSoundPath->Text().empty()) {
        if (!brio::AcceptableFileName(edtSoundPath->Text())) {
            SetModalResult(mrNone);
            return;
        }
        SetModalResult(mrOk);
        return;
    }
    brio::ShowPlainMessage(brio::SoundNameOrPathMissing);
    SetModalResult(mrNone);
}

void TfrmItemEdit::SeSkinButton2Click(TObject*)
{
    edtSoundName->SetText("");
    edtSoundPath->SetText("");
    SetModalResult(mrCancel);
}

void TfrmItemEdit::edtSoundPathButtonClick(TObject*)
{
    if (od->Execute() && brio::AcceptableFileName(od->FileName()))
        edtSoundPath->SetText(od->FileName());
}
