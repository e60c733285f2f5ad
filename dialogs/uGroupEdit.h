#pragma once
// TfrmGroupEdit: asks for a group's caption. The caller puts the current
// caption into edtGroupName, shows the dialog modally and reads the field
// back after OK. OK refuses an empty caption; Cancel empties the field.

#include "dialogs/ControlKinds.h"

#include "ui/forms/Form.h"

class TSeSkinEdit;

class TfrmGroupEdit : public TForm {
public:
    explicit TfrmGroupEdit(TComponent* owner);

    void FormActivate(TObject* sender);
    void SeSkinButton1Click(TObject* sender);
    void SeSkinButton2Click(TObject* sender);

    brio::CaptionGroupBoxKind* SeSkinGroupBox1 = nullptr;
    brio::LabelKind* SeSkinLabel1 = nullptr;
    brio::ButtonKind* SeSkinButton1 = nullptr;
    brio::ButtonKind* SeSkinButton2 = nullptr;
    TSeSkinEdit* edtGroupName = nullptr;
    TSeSkinForm* SeSkinForm1 = nullptr;
};

namespace brio {

inline constexpr const char* GroupCaptionMissing = "Please input the group caption.";

} // namespace brio
