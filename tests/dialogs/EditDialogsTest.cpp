// The group and sound edit dialogs and the settings dialog, driven through
// their handlers as the buttons would: validation, what Cancel does, the
// browse buttons, and what OK applies and saves.

#include "dialogs/SettingsHost.h"
#include "dialogs/uGroupEdit.h"
#include "dialogs/uItemEdit.h"
#include "dialogs/uSettings.h"

#include "tests/support/ProgramTestSupport.h"

#include "app/uCommon.h"
#include "skin/controls/buttons/SeSkinCheckBox.h"
#include "skin/controls/edit/SeSkinEdit.h"
#include "skin/controls/edit/SeSkinEditButton.h"

using namespace programtest;

namespace {

class EditDialogs : public ProgramTest {};

TEST_F(EditDialogs, AnEmptyGroupCaptionIsRefusedAndTheDialogStaysOpen)
{
    TForm* owner = makeForm("Owner");
    auto dialog = std::make_unique<TfrmGroupEdit>(owner);
    dialog->SetModalResult(mrOk); // as the OK button sets it before its handler
    dialog->SeSkinButton1Click(nullptr);
    EXPECT_EQ(dialog->ModalResult(), mrNone);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].text, "Please input the group caption.");
    dialog->edtGroupName->SetText("   ");
    dialog->SeSkinButton1Click(nullptr);
    EXPECT_EQ(dialog->ModalResult(), mrOk) << "blanks are a caption";
    dialog->SeSkinButton2Click(nullptr);
    EXPECT_EQ(dialog->edtGroupName->Text(), "");
    EXPECT_EQ(dialog->ModalResult(), mrCancel);
    EXPECT_FALSE(dialog->SeSkinButton2->Cancel()) << "Escape is bound to nothing";
    EXPECT_TRUE(dialog->SeSkinButton1->Default()) << "Enter presses OK";
}

TEST_F(EditDialogs, ASoundNeedsBothNameAndPathAndTheBrowseButtonReplacesThePath)
{
    TForm* owner = makeForm("Owner");
    auto dialog = std::make_unique<TfrmItemEdit>(owner);
    dialog->edtSoundName->SetText("Boom");
    dialog->SeSkinButton1Click(nullptr);
    EXPECT_EQ(dialog->ModalResult(), mrNone);
    ASSERT_EQ(messageBoxes.size(), 1u) << "the message shows once";
    EXPECT_EQ(messageBoxes[0].text, "Please specify the sound name and path.");

    dialog->edtSoundPath->SetText("old/part.wav");
    dialogAnswers.push_back(folder() + "sounds/boom.wav");
    dialog->edtSoundPathButtonClick(nullptr);
    EXPECT_EQ(dialog->edtSoundPath->Text(), folder() + "sounds/boom.wav");
    dialogAnswers.push_back(std::nullopt);
    dialog->edtSoundPathButtonClick(nullptr);
    EXPECT_EQ(dialog->edtSoundPath->Text(), folder() + "sounds/boom.wav") << "a cancelled browse keeps the text";
    dialogAnswers.push_back(folder() + "two\nlines.wav");
    dialog->edtSoundPathButtonClick(nullptr);
    EXPECT_EQ(dialog->edtSoundPath->Text(), folder() + "sounds/boom.wav") << "a name with a line break is refused";
    EXPECT_EQ(messageBoxes.size(), 2u);

    dialog->SeSkinButton1Click(nullptr);
    EXPECT_EQ(dialog->ModalResult(), mrOk);
    dialog->SeSkinButton2Click(nullptr);
    EXPECT_EQ(dialog->edtSoundName->Text(), "");
    EXPECT_EQ(dialog->edtSoundPath->Text(), "");
}

// The main window as the settings dialog sees it: reloads are counted and
// succeed only for files that exist.
class FakeSettingsHost : public brio::SettingsHost {
public:
    explicit FakeSettingsHost(TPlayerControl& player) : player_(player) {}
    bool ReloadPlayerInterface(TComponent*) override
    {
        reloads.push_back(brio::Settings.player);
        return brio::IsExistingFile(brio::FullPathOf(brio::Settings.player));
    }
    TPlayerControl& Player() override { return player_; }
    void MicrophoneChanged() override { ++micChanges; }
    std::vector<std::string> reloads;
    int micChanges = 0;

private:
    TPlayerControl& player_;
};

class SettingsDialog : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        installPlayer();
        owner = makeForm("Owner");
        player = new TPlayerControl(owner);
        audio::EngineOptions options;
        options.output = audio::OutputKind::Pulled;
        options.server.server = "unix:/nonexistent/brio/native"; // no sound server: no device choice
        player->SetEngineOptions(options);
        host = std::make_unique<FakeSettingsHost>(*player);
        brio::LoadSettings();
    }
    std::unique_ptr<TfrmSettings> open() { return std::make_unique<TfrmSettings>(nullptr, *host); }
    void ok(TfrmSettings& dialog)
    {
        dialog.SetModalResult(mrOk);
        dialog.SeSkinButton1Click(nullptr);
    }

    TForm* owner = nullptr;
    TPlayerControl* player = nullptr;
    std::unique_ptr<FakeSettingsHost> host;
};

TEST_F(SettingsDialog, OkWithoutChangesSavesWithoutAReloadAndCancelTouchesNothing)
{
    brio::SaveSettings();
    const std::string before = readFile("settings.ini");
    {
        auto dialog = open();
        EXPECT_FALSE(dialog->SeSkinGroupBox1->Visible()) << "no sound server: nothing to offer under Other";
        dialog->cbAutoRun->SetChecked(true);
        // Cancel: nothing applied.
    }
    EXPECT_EQ(readFile("settings.ini"), before);
    EXPECT_FALSE(brio::Settings.autorun);

    auto dialog = open();
    ok(*dialog);
    EXPECT_TRUE(host->reloads.empty());
    EXPECT_EQ(readFile("settings.ini"), before);
}

TEST_F(SettingsDialog, APickUnderTheFolderIsStoredRelativeAndAReloadRecordsOnlyWhatStarted)
{
    auto dialog = open();
    dialogAnswers.push_back(folder() + "plug-in/compact.bpi");
    dialog->edtPlayerInterfaceButtonClick(nullptr);
    ok(*dialog);
    EXPECT_EQ(brio::Settings.player, "plug-in/compact.bpi");
    EXPECT_EQ(brio::Settings.loadedPlayer, "plug-in/compact.bpi");
    EXPECT_EQ(host->reloads, (std::vector<std::string>{"plug-in/compact.bpi"}));

    // Back to the first one: the comparison is with what is loaded now, so it reloads.
    dialog = open();
    dialog->edtPlayerInterface->SetText("plug-in/default.bpi");
    ok(*dialog);
    EXPECT_EQ(host->reloads.back(), "plug-in/default.bpi");
    EXPECT_EQ(host->reloads.size(), 2u);

    // A file that is not there: tried, not recorded, so the next OK tries again.
    dialog = open();
    dialog->edtPlayerInterface->SetText("plug-in/missing.bpi");
    ok(*dialog);
    ok(*dialog);
    EXPECT_EQ(host->reloads.size(), 4u);
    EXPECT_EQ(brio::Settings.loadedPlayer, "plug-in/default.bpi");

    // A path that merely holds the folder's text elsewhere stays full.
    const std::string elsewhere = scratchFolder() + folder() + "x.bpi";
    dialog = open();
    dialog->edtPlayerInterface->SetText(elsewhere);
    ok(*dialog);
    EXPECT_EQ(brio::Settings.player, elsewhere);
}

TEST_F(SettingsDialog, TheMicrophoneFlagIsAppliedAndTheSwitchTold)
{
    auto dialog = open();
    dialog->cbSoundtomic->SetChecked(true);
    ok(*dialog);
    EXPECT_TRUE(brio::Settings.mic);
    EXPECT_EQ(host->micChanges, 1);
    EXPECT_TRUE(player->SoundsToMicrophone());
    EXPECT_NE(readFile("settings.ini").find("mic=1"), std::string::npos);
}

} // namespace
