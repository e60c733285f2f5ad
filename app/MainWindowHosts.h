#pragma once
// The main window as the settings dialog and the sound library see it:
// adapters that reach the window's player, key table, dialogs and messages.

#include "dialogs/SettingsHost.h"
#include "library/SoundLibrary.h"

class TfrmBrio;

class MainSettingsHost final : public brio::SettingsHost {
public:
    explicit MainSettingsHost(TfrmBrio& window) : window_(window) {}
    bool ReloadPlayerInterface(TComponent* owner) override;
    TPlayerControl& Player() override;
    void MicrophoneChanged() override;

private:
    TfrmBrio& window_;
};

class MainLibraryHost final : public brio::LibraryHost {
public:
    explicit MainLibraryHost(TfrmBrio& window) : window_(window) {}
    bool editSound(std::string& name, std::string& path) override;
    bool editGroup(std::string& name) override;
    bool confirm(const std::string& question) override;
    void showMessage(const std::string& text) override;
    std::optional<std::string> chooseSaveFile(const std::string& suggested) override;
    void preview(const std::string& file, bool loop) override;
    void stopPreview() override;

private:
    TfrmBrio& window_;
};
