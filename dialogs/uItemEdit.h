#pragma once
// TfrmItemEdit: asks for a sound's name and the path of its file. The
// caller puts the current values into edtSoundName and edtSoundPath, shows
// the dialog modally and reads both back after OK. OK insists on both;
// Cancel empties them; the browse button replaces the whole path.

#include "dialogs/ControlKinds.h"

#include "ui/forms/Form.h"

class TOpenDialog;
class TSeSkinEdit;
class TSeSkinEditButton;

class TfrmItemEdit : public TForm {
public:
    explicit TfrmItemEdit(TComponent* owner);

    void FormActivate(TObject* sender);
    void SeSkinButton1Click(TObject* sender);
    void SeSkinButton2Click(TObject* sender);
    void edtSoundPathButtonClick(TObject* sender);

    brio::CaptionGroupBoxKind* SeSkinGroupBox1 = nullptr;
    brio::LabelKind* SeSkinLabel1 = nullptr;
    brio::LabelKind* SeSkinLabel2 = nullptr;
    brio::ButtonKind* SeSkinButton1 = nullptr;
    brio::ButtonKind* SeSkinButton2 = nullptr;
    TSeSkinEdit* edtSoundName = nullptr;
    TSeSkinEditButton* edtSoundPath = nullptr;
    TSeSkinForm* SeSkinForm1 = nullptr;
    TOpenDialog* od = nullptr;
};

namespace brio {

inline constexpr const char* SoundNameOrPathMissing = "Please specify the sound name and path.";

} // namespace brio
