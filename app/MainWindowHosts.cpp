#include "app/MainWindowHosts.h"

#include "app/uMain.h"
#include "dialogs/uGroupEdit.h"
#include "dialogs/uItemEdit.h"
#include "player/PlayerControl.h"
#include "skin/controls/edit/SeSkinEdit.h"
#include "skin/controls/edit/SeSkinEditButton.h"
#include "ui/commondlg/FileDialogs.h"

#include <memory>

bool MainSettingsHost::ReloadPlayerInterface(TComponent* owner)
{
    return window_.ReloadPlayerInterface(owner);
}

TPlayerControl& MainSettingsHost::Player()
{
    return *window_.FlashPlayer;
}

void MainSettingsHost::MicrophoneChanged()
{
    window_.MicrophoneChanged();
}

bool MainLibraryHost::editSound(std::string& name, std::string& path)
{
    auto dialog = std::make_unique<TfrmItemEdit>(&window_);
    dialog->edtSoundName->SetText(name);
    dialog->edtSoundPath->SetText(path);
    if (dialog->ShowModal() != mrOk)
        return false;
    name = dialog->edtSoundName->Text();
    path = dialog->edtSoundPath->Text();
    return true;
}

bool MainLibraryHost::editGroup(std::string& name)
{
    auto dialog = std::make_unique<TfrmGroupEdit>(&window_);
    dialog->edtGroupName->SetText(name);
    if (dialog->ShowModal() != mrOk)
        return false;
    name = dialog->edtGroupName->Text();
    return true;
}

bool MainLibraryHost::confirm(const std::string& question)
{
    return brio::ConfirmYesNo(question);
}

void MainLibraryHost::showMessage(const std::string& text)
{
    brio::ShowPlainMessage(text);
}

std::optional<std::string> MainLibraryHost::chooseSaveFile(const std::string& suggested)
{
    window_.sd->SetFileName(suggested);
    if (!window_.sd->Execute())
        return std::nullopt;
    return window_.sd->FileName();
}

void MainLibraryHost::preview(const std::string& file, bool loop)
{
    window_.FlashPlayer->SetVariable("previewLoop", loop ? "true" : "false");
    window_.FlashPlayer->SetVariable("previewFn", file);
}

void MainLibraryHost::stopPreview()
{
    window_.FlashPlayer->SetVariable("previewStop", "1");
}
