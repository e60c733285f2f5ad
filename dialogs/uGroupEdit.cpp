#include "dialogs/uGroupEdit.h"

#include "dialogs/EditDialogParts.h"
#include "skin/controls/edit/SeSkinEdit.h"

TfrmGroupEdit::TfrmGroupEdit(TComponent* owner) : TForm(owner)
{
    BeginLoading();
    SeSkinGroupBox1 = brio::EditDialogBody(this, "frmGroupEdit", 238, 132, 365, 115);
    SeSkinLabel1 = brio::DialogLabel(this, SeSkinGroupBox1, 16, 16, 68, "Group Caption");
    SeSkinButton1 = brio::OkButton(this, SeSkinGroupBox1, 200, 80);
    SeSkinButton1->OnClick = [this](TObject* sender) { SeSkinButton1Click(sender); };
    SeSkinButton2 = brio::CancelButton(this, SeSkinGroupBox1, 280, 80);
    SeSkinButton2->OnClick = [this](TObject* sender) { SeSkinButton2Click(sender); };
    edtGroupName = brio::DialogEdit(this, SeSkinGroupBox1, 16, 40, 337);
    edtGroupName->SetName("edtGroupName");
    edtGroupName->SetTabOrder(2);
    SeSkinForm1 = brio::EditDialogFrame(this);
    OnActivate = [this](TObject* sender) { FormActivate(sender); };
    EndLoading();
}

void TfrmGroupEdit::FormActivate(TObject*)
{
    edtGroupName->SetFocus();
}

void TfrmGroupEdit::SeSkinButton1Click(TObject*)
{
    if (!edtGroupName->Text().empty()) {
        SetModalResult(mrOk);
        return;
    }
    brio::ShowPlainMessage(brio::GroupCaptionMissing);
    SetModalResult(mrNone);
}

void TfrmGroupEdit::SeSkinButton2Click(TObject*)
{
    edtGroupName->SetText("");
    SetModalResult(mrCancel);
}
