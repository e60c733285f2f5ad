#include "dialogs/uSettings.h"

#include "app/uCommon.h"
#include "dialogs/EditDialogParts.h"
#include "dialogs/SettingsHost.h"
#include "player/OutputDeviceSetting.h"
#include "player/PlayerControl.h"
#include "skin/controls/buttons/SeSkinCheckBox.h"
#include "skin/controls/edit/SeSkinEditButton.h"
#include "ui/commondlg/FileDialogs.h"
#include "ui/stdctrls/ComboBox.h"

namespace {

constexpr const char* DefaultDevice = "(default)";
constexpr int PlainClientHeight = 309;
constexpr int OtherGroupHeight = 112; // the microphone box and the two device lists

TSeSkinCheckBox* makeCheckBox(TfrmSettings* form, TWinControl* parent, int top, const std::string& caption, int tab)
{
    auto* box = new TSeSkinCheckBox(form);
    box->SetParent(parent);
    box->SetBounds(24, top, 270, 20); // wide enough for the longest caption
    box->SetCaption(caption);
    box->SetTransparent(true);
    box->SetAlignment(ktaLeftJustify);
    box->SetSpacing(5);
    box->SetTabOrder(tab);
    box->SetSkinObject("CheckBox"); // no engine: the plain look, as the rest of the panel
    return box;
}

brio::CaptionGroupBoxKind* makeGroup(TfrmSettings* form, TWinControl* parent, int top, int height,
                                     const std::string& caption, int tab)
{
    auto* box = new brio::CaptionGroupBoxKind(form);
    box->SetParent(parent);
    box->SetBounds(4, top, 310, height);
    box->SetAlign(alTop);
    box->SetTabOrder(tab);
    brio::StyleCaptionGroupBox(box, caption);
    return box;
}

TComboBox* makeDeviceList(TfrmSettings* form, TWinControl* parent, int top)
{
    auto* list = new TComboBox(form);
    list->SetParent(parent);
    list->SetBounds(110, top, 184, 21);
    return list;
}

// "(default)" first, then each device by its description; the entry for `chosen` is selected.
void fillList(TComboBox* list, const std::vector<std::pair<std::string, std::string>>& devices, const std::string& chosen)
{
    list->Items()->Clear();
    list->Items()->Add(DefaultDevice);
    int selected = 0;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        list->Items()->Add(devices[i].second.empty() ? devices[i].first : devices[i].second);
        if (devices[i].first == chosen)
            selected = int(i) + 1;
    }
    list->SetItemIndex(selected);
}

std::string chosenName(const TComboBox* list, const std::vector<std::pair<std::string, std::string>>& devices)
{
    const int index = list->ItemIndex() - 1;
    return index >= 0 && index < int(devices.size()) ? devices[std::size_t(index)].first : std::string();
}

} // namespace

TfrmSettings::TfrmSettings(TComponent* owner, brio::SettingsHost& host) : TForm(owner), host_(host)
{
    BeginLoading();
    SetName("frmSettings");
    SetCaption("Settings");
    SetBorderIcons({});
    SetPosition(poDesktopCenter);
    SetBounds(117, 73, 318, PlainClientHeight);
    SetClientWidth(318);
    SetClientHeight(PlainClientHeight);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);

    SeSkinPanel1 = new brio::CaptionPanelKind(this);
    SeSkinPanel1->SetParent(this);
    SeSkinPanel1->SetAlign(alClient);
    SeSkinPanel1->SetCaption("");
    SeSkinPanel1->SetShowButton(false);
    SeSkinPanel1->SetBorderWidth(3);

    SeSkinGroupBox2 = makeGroup(this, SeSkinPanel1, 24, 57, "Player Interface", 3);
    edtPlayerInterface = brio::DialogEditWithButton(this, SeSkinGroupBox2, 16, 24, 281);
    edtPlayerInterface->SetName("edtPlayerInterface");
    edtPlayerInterface->SetTabOrder(0);
    edtPlayerInterface->OnButtonClick = [this](TObject* sender) { edtPlayerInterfaceButtonClick(sender); };

    SeSkinGroupBox3 = makeGroup(this, SeSkinPanel1, 81, 80, "Startup", 4);
    cbAutoRun = makeCheckBox(this, SeSkinGroupBox3, 24, "Run on Windows startup", 0);
    cbMinimize = makeCheckBox(this, SeSkinGroupBox3, 48, "Minisize when application startup", 1);

    SeSkinGroupBox1 = makeGroup(this, SeSkinPanel1, 161, OtherGroupHeight, "Other", 2);
    cbSoundtomic = makeCheckBox(this, SeSkinGroupBox1, 24, "Sounds to microphone", 0);
    lbMicrophone = brio::DialogLabel(this, SeSkinGroupBox1, 24, 55, 80, "Microphone");
    cbMicrophone = makeDeviceList(this, SeSkinGroupBox1, 52);
    lbOutput = brio::DialogLabel(this, SeSkinGroupBox1, 24, 83, 80, "Sound output");
    cbOutput = makeDeviceList(this, SeSkinGroupBox1, 80);
    SeSkinGroupBox1->SetVisible(false);

    SeSkinButton1 = brio::OkButton(this, SeSkinPanel1, 160, 280);
    SeSkinButton1->SetDefault(true);
    SeSkinButton1->OnClick = [this](TObject* sender) { SeSkinButton1Click(sender); };
    SeSkinButton2 = brio::CancelButton(this, SeSkinPanel1, 240, 280);
    SeSkinButton2->SetCancel(true); // here Escape cancels, as the close box does

    SeSkinForm1 = brio::SkinFrame(this, {kbiClose});
    SeSkinForm1->SetBorderStyle(kbsToolWindow);
    SeSkinForm1->SetSkinObject("ToolWindow");
    SeSkinForm1->Shadow()->SetEnabled(true);
    SeSkinForm1->Animation()->SetEnabled(true);

    od = new TOpenDialog(this);
    od->SetFilter("Brio Player Interface|*.bpi");
    od->SetDefaultExt("*.bpi");
    EndLoading();
    FormCreate(this);
}

void TfrmSettings::FormCreate(TObject*)
{
    const brio::TSettingRec& s = brio::Settings;
    cbAutoRun->SetChecked(s.autorun);
    cbMinimize->SetChecked(s.minimize);
    cbSoundtomic->SetChecked(s.mic);
    edtPlayerInterface->SetText(s.player);
    fillDevices();
}

void TfrmSettings::fillDevices()
{
    // The "Other" group has something to offer only where a sound server runs.
    deviceChoice_ = host_.Player().SoundServerPresent();
    if (!deviceChoice_)
        return;
    microphones_ = host_.Player().Microphones();
    outputs_ = host_.Player().OutputDevices();
    fillList(cbMicrophone, microphones_, player::ReadMicrophoneSource(brio::SettingsFile()));
    fillList(cbOutput, outputs_, host_.Player().OutputDevice());
    SeSkinGroupBox1->SetVisible(true);
    SetClientHeight(PlainClientHeight + OtherGroupHeight);
    SeSkinButton1->SetTop(280 + OtherGroupHeight);
    SeSkinButton2->SetTop(280 + OtherGroupHeight);
}

void TfrmSettings::edtPlayerInterfaceButtonClick(TObject*)
{
    if (od->Execute() && brio::AcceptableFileName(od->FileName()))
        edtPlayerInterface->SetText(od->FileName());
}

void TfrmSettings::SeSkinButton1Click(TObject*)
{
    const std::string typed = edtPlayerInterface->Text();
    if (!brio::AcceptableFileName(typed)) {
        SetModalResult(mrNone);
        return;
    }
    brio::TSettingRec& s = brio::Settings;
    s.autorun = cbAutoRun->Checked();
    s.minimize = cbMinimize->Checked();
    const bool micChanged = s.mic != cbSoundtomic->Checked();
    s.mic = cbSoundtomic->Checked();
    // Relative when picked under the program's folder: the folder only as a prefix.
    s.player = brio::StoredPathOf(typed);
    if (s.player != s.loadedPlayer) {
        const bool started = host_.ReloadPlayerInterface(this);
        // Only an interface that really started counts as loaded; a missing one is tried again at the next OK.
        if (started)
            s.loadedPlayer = s.player;
    }
    brio::SaveSettings();
    applyDevices();
    if (micChanged)
        host_.MicrophoneChanged();
}

void TfrmSettings::applyDevices()
{
    TPlayerControl& player = host_.Player();
    std::string source = player.MicrophoneSource();
    if (deviceChoice_) {
        source = chosenName(cbMicrophone, microphones_);
        const std::string output = chosenName(cbOutput, outputs_);
        player::WriteMicrophoneSource(brio::SettingsFile(), source);
        player::WriteOutputDevice(brio::SettingsFile(), output);
        if (output != player.OutputDevice())
            player.SetOutputDevice(output);
    }
    if (brio::Settings.mic != player.SoundsToMicrophone() || source != player.MicrophoneSource()) {
        if (!player.SetSoundsToMicrophone(brio::Settings.mic, source))
            brio::ShowPlainMessage(player.MicrophoneMessage());
    }
}
