#pragma once
// TfrmSettings: the player interface, the start-up options and, where a
// sound server runs, the sound devices and "Sounds to microphone". The
// fields are filled once at creation; OK applies and saves them, Cancel and
// the close box change nothing.

#include "dialogs/ControlKinds.h"

#include "ui/forms/Form.h"

#include <string>
#include <utility>
#include <vector>

class TComboBox;
class TOpenDialog;
class TSeSkinCheckBox;
class TSeSkinEditButton;

namespace brio {
class SettingsHost;
}

class TfrmSettings : public TForm {
public:
    TfrmSettings(TComponent* owner, brio::SettingsHost& host);

    void FormCreate(TObject* sender);
    void edtPlayerInterfaceButtonClick(TObject* sender);
    void SeSkinButton1Click(TObject* sender);

    brio::CaptionPanelKind* SeSkinPanel1 = nullptr;
    brio::CaptionGroupBoxKind* SeSkinGroupBox2 = nullptr;
    TSeSkinEditButton* edtPlayerInterface = nullptr;
    brio::CaptionGroupBoxKind* SeSkinGroupBox3 = nullptr;
    TSeSkinCheckBox* cbAutoRun = nullptr;
    TSeSkinCheckBox* cbMinimize = nullptr;
    brio::CaptionGroupBoxKind* SeSkinGroupBox1 = nullptr;
    TSeSkinCheckBox* cbSoundtomic = nullptr;
    brio::LabelKind* lbMicrophone = nullptr;
    TComboBox* cbMicrophone = nullptr;
    brio::LabelKind* lbOutput = nullptr;
    TComboBox* cbOutput = nullptr;
    brio::ButtonKind* SeSkinButton1 = nullptr;
    brio::ButtonKind* SeSkinButton2 = nullptr;
    TSeSkinForm* SeSkinForm1 = nullptr;
    TOpenDialog* od = nullptr;

private:
    void fillDevices();
    void applyDevices();

    brio::SettingsHost& host_;
    bool deviceChoice_ = false; // the "Other" group shows: a sound server answers
    // Name and description of each entry after "(default)" in the two lists.
    std::vector<std::pair<std::string, std::string>> microphones_;
    std::vector<std::pair<std::string, std::string>> outputs_;
};
