// The main window on the headless backend: a first run in an empty folder,
// what start-up and each user action send to the player and in what order,
// the splash running once, the files written at close, and the geometry
// kept across runs.

#include "app/uMain.h"

#include "tests/support/ProgramTestSupport.h"
#include "tests/support/SoundFixtures.h"

#include "app/uCommon.h"
#include "audio/AudioEngine.h"
#include "dialogs/uAbout.h"
#include "platform/window/Clock.h"
#include "ui/forms/ActionList.h"
#include "ui/forms/Screen.h"
#include "ui/graphics/Icon.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImageList.h"
#include "ui/graphics/Picture.h"
#include "ui/stdctrls/Image.h"
#include "ui/views/ListView.h"
#include "ui/views/TreeView.h"

#include <filesystem>
#include <unistd.h>

using namespace programtest;
using brio::Settings;

namespace {

class MainWindow : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(engine.start(audiotest::PulledOptions()));
        TfrmBrio::OnPlayerCreated = [this](TPlayerControl& player) { player.SetAudioEngine(&engine); };
    }
    void TearDown() override
    {
        TfrmBrio::OnPlayerCreated = nullptr;
        ProgramTest::TearDown();
        engine.shutdown();
    }

    // Creates the window and shows it; the splash's twenty ticks run on the
    // manual clock while it is up.
    TfrmBrio* start()
    {
        Application->Initialize();
        TfrmBrio* form = nullptr;
        Application->CreateForm(form);
        createdVariables = form->FlashPlayer->Variables().size();
        splashTicks();
        form->Show();
        pump();
        EXPECT_TRUE(scriptDone()) << "the splash did not run";
        return form;
    }
    void splashTicks()
    {
        std::vector<std::function<void()>> ticks;
        for (int i = 0; i < 20; ++i)
            ticks.push_back([] { AdvanceManualClock(100); });
        script(ticks);
    }
    // Closes as the frame's close button does; false when the window stayed.
    bool closeWindow(TfrmBrio* form)
    {
        SendMessage(form->Handle(), WM_CLOSE, 0, 0);
        pump();
        return Application->Terminated();
    }
    TfrmBrio* restart(TfrmBrio* form)
    {
        EXPECT_TRUE(closeWindow(form));
        delete form;
        pump();
        return start();
    }
    Variables startUp(int rowZeroVolume) const
    {
        Variables expected = {{"playerSoundSwitch", "off"}, {"preSwitch", "off"}, {"playerSoundVol", "100"},
                              {"preVol", "100"}, {"preVol", "100"}};
        if (rowZeroVolume != 3) {
            expected.push_back({"se_vol_0", std::to_string(std::clamp(rowZeroVolume, 0, 100))});
            expected.push_back({"playerSoundVol", "100"});
        }
        return expected;
    }
    static Variables volumes(const std::vector<std::string>& texts = std::vector<std::string>(20, "100"))
    {
        Variables sent;
        for (int n = 0; n < 20; ++n)
            sent.push_back({"se_vol_" + std::to_string(n), texts[std::size_t(n)]});
        return sent;
    }
    static Variables join(Variables a, const Variables& b)
    {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
    std::size_t mark(TfrmBrio* form) const { return form->FlashPlayer->Variables().size(); }
    // The button shows the picture of `image` as its glyph.
    static bool shows(TSeSkinButton* button, TImage* image)
    {
        TBitmap* glyph = button->Glyph();
        TBitmap* picture = image->Picture()->Bitmap();
        if (glyph->Empty() || glyph->Width() != picture->Width() || glyph->Height() != picture->Height())
            return false;
        for (int y = 0; y < glyph->Height(); ++y)
            if (!std::equal(glyph->ScanLine(y), glyph->ScanLine(y) + glyph->Width(), picture->ScanLine(y)))
                return false;
        return true;
    }

    audio::AudioEngine engine;
    std::size_t createdVariables = 0;
};

TEST_F(MainWindow, FirstRunInAnEmptyFolderShowsTheDesignedWindowAndWritesThreeFiles)
{
    TfrmBrio* form = start();
    EXPECT_EQ(form->Left(), TfrmBrio::DesignedLeft);
    EXPECT_EQ(form->Top(), TfrmBrio::DesignedTop);
    EXPECT_EQ(form->ClientWidth(), TfrmBrio::DesignedClientWidth) << form->Width() << " x " << form->Height();
    EXPECT_EQ(form->ClientHeight(), TfrmBrio::DesignedClientHeight);
    EXPECT_TRUE(form->pnKey->Visible());
    EXPECT_EQ(form->sstMain->Items()->Count(), 0);
    ASSERT_EQ(form->sslList->Items()->Count(), 20);
    EXPECT_EQ(form->sslList->Items()->Item(19)->Caption(), "Key ;");
    for (int n = 0; n < 20; ++n)
        EXPECT_EQ(form->KeyTable().volumeText(n), "100");
    // No player file here: the one message says so.
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].text, brio::PlayerMissingMessage);
    EXPECT_EQ(form->FlashPlayer->Runtime(), nullptr);
    EXPECT_EQ(form->FlashPlayer->Width(), 480);
    EXPECT_EQ(form->FlashPlayer->Height(), 240);
    EXPECT_EQ(form->ilMain->Count(), 6);
    EXPECT_EQ(form->ilPlayList->Count(), 20);
    EXPECT_FALSE(form->Icon()->Empty());
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(form->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/main-window.png");

    const int width = form->Width(), height = form->Height();
    ASSERT_TRUE(closeWindow(form));
    EXPECT_EQ(readFile("sel.ini"), "[group]\ncount=0\n");
    EXPECT_EQ(readFile("settings.ini"), "[playback]\nclickstyle=1\nshiftclick=1\nvolumn=100\nsoundswitch=0\n"
                                        "[startup]\nautorun=0\nminimize=0\n"
                                        "[other]\nmic=0\n"
                                        "[window]\nx=97\ny=99\nw=" + std::to_string(width) + "\nh=" +
                                        std::to_string(height) + "\nkeypanel=1\nlibrary=0\nlibrarywidth=0\n"
                                        "[plug_in]\nplayer=plug-in/default.bpi\n");
    std::string keys = "[key]\n";
    for (int n = 0; n < 20; ++n)
        keys += std::to_string(n) + "=\n";
    keys += "[volumn]\n";
    for (int n = 0; n < 20; ++n)
        keys += std::to_string(n) + "=100\n";
    EXPECT_EQ(readFile("Key.ini"), keys);
}

TEST_F(MainWindow, StartUpSendsTheSwitchVolumesAndRowZeroThenTheSplashHandsOverTheTable)
{
    installPlayer();
    const std::string two = writeSound("sounds/two.wav");
    const std::string seven = writeSound(scratchFolder() + "seven.wav");
    writeFile("Key.ini", "[key]\n2=sounds/two.wav\n5=sounds/missing.wav\n7=" + seven + "\n[volumn]\n0=60\n7=150\n");
    // The stored switch and volume never carry over into a new run.
    writeFile("settings.ini", "[playback]\nvolumn=30\nsoundswitch=1\n");
    TfrmBrio* form = start();
    EXPECT_TRUE(messageBoxes.empty());
    ASSERT_NE(form->FlashPlayer->Runtime(), nullptr);
    EXPECT_EQ(form->FlashPlayer->Movie(), folder() + "plug-in/default.bpi");
    EXPECT_FALSE(form->FlashPlayer->Menu());
    EXPECT_FALSE(form->FlashPlayer->Loop());
    std::vector<std::string> shown(20, "100");
    shown[0] = "60";
    shown[7] = "150";
    expectVariables(*form->FlashPlayer, 0,
                    join(join(startUp(60), {{"currentFn", two}, {"currentIndex", "2"}, {"currentFn", seven},
                                            {"currentIndex", "7"}}),
                         volumes(shown)));
    EXPECT_FALSE(Settings.soundswitch);
    EXPECT_EQ(Settings.volumn, 100);
    EXPECT_TRUE(shows(form->btnSound, form->soundonImage));

    // Row 0 stored at the bar's starting position moves nothing.
    delete form;
    writeFile("Key.ini", "[volumn]\n0=3\n");
    form = start();
    std::vector<std::string> three(20, "100");
    three[0] = "3";
    expectVariables(*form->FlashPlayer, 0, join(startUp(3), volumes(three)));
}

TEST_F(MainWindow, TheProgramsFolderIsKnownBeforeThePlayerIsGivenItsFirstMovie)
{
    brio::ExePath.clear();
    brio::AppFolder.clear();
    std::string folderAtCreation;
    TfrmBrio::OnPlayerCreated = [this, &folderAtCreation](TPlayerControl& player) {
        player.SetAudioEngine(&engine);
        folderAtCreation = brio::AppFolder;
    };
    Application->Initialize();
    TfrmBrio* form = nullptr;
    Application->CreateForm(form);
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(brio::ExePath, program.string());
    EXPECT_EQ(folderAtCreation, program.parent_path().string() + "/");
    delete form; // never shown, never closed: nothing is written beside the test program
}

TEST_F(MainWindow, APlayerGivenAsAFullPathIsFoundByTheSecondAttempt)
{
    installPlayer();
    const std::string elsewhere = scratchFolder() + "mine.bpi";
    std::filesystem::copy_file(folder() + "plug-in/default.bpi", elsewhere,
                               std::filesystem::copy_options::overwrite_existing);
    writeFile("settings.ini", "[plug_in]\nplayer=" + elsewhere + "\n");
    TfrmBrio* form = start();
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_EQ(form->FlashPlayer->Movie(), elsewhere);
    EXPECT_NE(form->FlashPlayer->Runtime(), nullptr);
}

TEST_F(MainWindow, EachUserActionSendsItsVariablesInOrder)
{
    TfrmBrio* form = start();
    TPlayerControl& player = *form->FlashPlayer;
    messageBoxes.clear();

    std::size_t from = mark(form);
    form->btnSound->Click();
    EXPECT_TRUE(shows(form->btnSound, form->soundoffImage));
    form->btnSound->Click();
    expectVariables(player, from, {{"playerSoundSwitch", "on"}, {"preSwitch", "on"},
                                   {"playerSoundSwitch", "off"}, {"preSwitch", "off"}});
    EXPECT_TRUE(shows(form->btnSound, form->soundonImage));

    from = mark(form);
    form->tbVol->SetPosition(35);
    form->tbVol->SetPosition(35);
    expectVariables(player, from, {{"playerSoundVol", "35"}, {"preVol", "35"}});

    // The per-key volume carries the master volume, never a date.
    from = mark(form);
    form->sslList->SetSelected(form->sslList->Items()->Item(4));
    form->trVol->SetPosition(20);
    expectVariables(player, from, {{"se_vol_4", "20"}, {"playerSoundVol", "35"}});
    EXPECT_EQ(form->KeyTable().volumeText(4), "20");

    const std::string sound = writeSound("sounds/knock.wav");
    from = mark(form);
    dialogAnswers.push_back(sound);
    form->CustomItem9->Click();
    pump();
    expectVariables(player, from, {{"currentFn", sound}, {"currentIndex", "4"}});
    EXPECT_EQ(form->lbKeyFile->Caption(), sound);

    from = mark(form);
    form->CustomItem10->Click();
    pump();
    Variables flags;
    for (int n = 0; n < 20; ++n)
        flags.push_back({"loopFlag_" + std::to_string(n), n == 4 ? "true" : "false"});
    expectVariables(player, from, flags);

    // The microphone switch and the tree's play entries send nothing.
    from = mark(form);
    form->btnMicClick(form->btnMic);
    form->actPlay->Execute();
    form->actPlayLoop->Execute();
    expectVariables(player, from, {});
    EXPECT_TRUE(Settings.mic);
    EXPECT_TRUE(shows(form->btnMic, form->micoffImage));
}

TEST_F(MainWindow, TheRightButtonNeverReachesThePlayerAsAPress)
{
    TfrmBrio* form = start();
    std::vector<UINT> reached;
    TWndMethod inner = form->OldFlashProc;
    form->OldFlashProc = [&reached, inner](TMessage& message) {
        if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST && message.Msg != WM_MOUSEMOVE)
            reached.push_back(message.Msg);
        inner(message);
    };
    const TPoint at = screenPoint(form->FlashPlayer, 200, 120);
    backend().mouseMove(at.x, at.y);
    backend().mouseDown(MouseButton::Right);
    pump();
    backend().mouseUp(MouseButton::Right);
    pump();
    EXPECT_EQ(reached, (std::vector<UINT>{WM_RBUTTONUP, WM_RBUTTONUP}));
    reached.clear();
    backend().click(at.x, at.y);
    pump();
    EXPECT_EQ(reached, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    // The parameters of the press go with the button-up that replaces it.
    LPARAM seen = 0;
    form->OldFlashProc = [&seen, inner](TMessage& message) {
        if (message.Msg == WM_RBUTTONUP)
            seen = message.LParam;
        inner(message);
    };
    EXPECT_EQ(form->FlashPlayer->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(7, 9)), 0);
    EXPECT_EQ(seen, MAKELPARAM(7, 9));
}

TEST_F(MainWindow, TheSplashRunsOnceAfterStartNeverAfterAboutAMessageOrItself)
{
    TfrmBrio* form = start();
    const std::size_t afterStart = mark(form);
    EXPECT_EQ(afterStart - createdVariables, 20u) << "the splash's twenty volumes";

    script({[] {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (dynamic_cast<TfrmAbout*>(Screen->Forms(i)))
                Screen->Forms(i)->SetModalResult(mrOk);
    }});
    form->actAbout->Execute();
    EXPECT_TRUE(scriptDone());
    brio::ShowPlainMessage("hello");
    form->Perform(WM_ACTIVATE, WA_ACTIVE, 0);
    SetActiveWindow(form->Handle());
    pump();
    EXPECT_EQ(mark(form), afterStart);
}

TEST_F(MainWindow, SwitchAndVolumeStartOffAndFullWhateverWasStored)
{
    TfrmBrio* form = start();
    form->btnSound->Click();
    form->tbVol->SetPosition(40);
    form = restart(form);
    EXPECT_NE(readFile("settings.ini").find("volumn=40\nsoundswitch=1\n"), std::string::npos);
    EXPECT_FALSE(Settings.soundswitch);
    EXPECT_EQ(Settings.volumn, 100);
    EXPECT_EQ(form->tbVol->Position(), 100);
    EXPECT_TRUE(shows(form->btnSound, form->soundonImage));
}

TEST_F(MainWindow, StoredGeometryIsAppliedFieldByFieldAndKeptSane)
{
    writeFile("settings.ini", "[window]\nx=0\ny=150\nw=0\nh=500\n");
    TfrmBrio* form = start();
    EXPECT_EQ(form->Left(), TfrmBrio::DesignedLeft);
    EXPECT_EQ(form->Top(), 150);
    EXPECT_EQ(form->Height(), 500);
    const int designedWidth = form->Width();
    delete form;

    // A damaged file: a giant size, and a place on no screen at all.
    writeFile("settings.ini", "[window]\nx=-90000\ny=70000\nw=100000\nh=100000\n");
    form = start();
    EXPECT_EQ(form->Left(), TfrmBrio::DesignedLeft);
    EXPECT_EQ(form->Top(), TfrmBrio::DesignedTop);
    EXPECT_LE(form->Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(form->Height(), GetSystemMetrics(SM_CYSCREEN));
    delete form;
    writeFile("settings.ini", "[window]\nw=3\nh=2\n");
    form = start();
    EXPECT_GE(form->Width(), GetSystemMetrics(SM_CXMINTRACK));
    EXPECT_GE(form->Height(), GetSystemMetrics(SM_CYMINTRACK));
    EXPECT_NE(form->Width(), designedWidth);
}

TEST_F(MainWindow, ClosingWhileMinimizedStoresTheNormalBounds)
{
    TfrmBrio* form = start();
    form->SetBounds(210, 120, form->Width(), form->Height());
    pump();
    const int width = form->Width(), height = form->Height();
    ShowWindow(form->Handle(), SW_MINIMIZE);
    pump();
    ASSERT_TRUE(closeWindow(form));
    EXPECT_EQ(Settings.x, 210);
    EXPECT_EQ(Settings.y, 120);
    EXPECT_EQ(Settings.w, width);
    EXPECT_EQ(Settings.h, height);
}

TEST_F(MainWindow, ARefusedWriteAtCloseIsReportedKeepsTheWindowAndLosesNothingWritten)
{
    TfrmBrio* form = start();
    messageBoxes.clear();
    form->tbVol->SetPosition(55);
    // Key.ini comes last; a folder in its place refuses the write for any user.
    std::filesystem::create_directories(folder() + "Key.ini");
    EXPECT_FALSE(closeWindow(form));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].text.rfind("Unable to write to " + folder() + "Key.ini", 0), 0u) << messageBoxes[0].text;
    EXPECT_NE(readFile("settings.ini").find("volumn=55"), std::string::npos);
    EXPECT_TRUE(exists("sel.ini"));

    // Once the folder can be written again, closing works.
    std::filesystem::remove(folder() + "Key.ini");
    EXPECT_TRUE(closeWindow(form));
    EXPECT_TRUE(exists("Key.ini"));
}

TEST_F(MainWindow, AReadOnlyFolderAtCloseShowsWhichFileCouldNotBeWritten)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    TfrmBrio* form = start();
    messageBoxes.clear();
    std::filesystem::permissions(folder(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(closeWindow(form));
    std::filesystem::permissions(folder(), std::filesystem::perms::owner_all);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].text.rfind("Unable to write to " + folder() + "sel.ini", 0), 0u) << messageBoxes[0].text;
}

TEST_F(MainWindow, TheKeyPanelToggleGivesTheFullOrNarrowWidthAndIsKeptAcrossARun)
{
    TfrmBrio* form = start();
    form->SetWidth(700);
    form->SeSkinButton1->Click();
    EXPECT_FALSE(form->pnKey->Visible());
    EXPECT_EQ(form->Width(), form->FullWidth() - form->pnKey->Width());
    const int narrow = form->Width();
    form = restart(form);
    EXPECT_FALSE(form->pnKey->Visible());
    EXPECT_EQ(form->Width(), narrow);
    form->SeSkinButton1->Click();
    EXPECT_TRUE(form->pnKey->Visible());
    EXPECT_EQ(form->Width(), form->FullWidth());
    EXPECT_EQ(form->ClientWidth(), TfrmBrio::DesignedClientWidth);
}

TEST_F(MainWindow, TheLibraryIsReachedFromTheOptionsMenuAndStaysAsLeftAcrossARun)
{
    TfrmBrio* form = start();
    EXPECT_FALSE(form->sstMain->Visible()) << "hidden by default, as designed";
    form->actLibrary->Execute();
    EXPECT_TRUE(form->sstMain->Visible());
    EXPECT_TRUE(form->SeSkinSplitter1->Visible());
    EXPECT_TRUE(form->actLibrary->Checked());
    EXPECT_GE(form->sstMain->Width(), TfrmBrio::MinLibraryWidth) << "a usable width when first shown";
    form->sstMain->SetWidth(190);
    form = restart(form);
    EXPECT_TRUE(form->sstMain->Visible());
    EXPECT_EQ(form->sstMain->Width(), 190);
    EXPECT_NE(readFile("settings.ini").find("library=1\nlibrarywidth=190"), std::string::npos);
}

TEST_F(MainWindow, MinimizeAtStartTakesTheWindowDownOnceTheKeysAreHandedOver)
{
    writeFile("settings.ini", "[startup]\nminimize=1\n");
    TfrmBrio* form = start();
    const TSeWindowState state = form->SeSkinForm1->WindowState();
    EXPECT_TRUE(state == kwsTray || state == kwsMinimized) << int(state);
    EXPECT_EQ(form->KeyTable().volumeText(0), "100") << "the splash ran first";
}

TEST_F(MainWindow, TheLibrarysSplitterSitsBetweenTheTreeAndTheListWhenShownFromTheMenu)
{
    // The splitter resizes the control on its left: on the tree's other side it moves nothing.
    TfrmBrio* form = start();
    for (int round = 0; round < 2; ++round) {
        form->actLibrary->Execute();
        pump();
        ASSERT_TRUE(form->sstMain->Visible());
        EXPECT_EQ(form->sstMain->Left(), 0) << "round " << round;
        EXPECT_EQ(form->SeSkinSplitter1->Left(), form->sstMain->Left() + form->sstMain->Width()) << "round " << round;
        EXPECT_EQ(form->sslList->Left(), form->SeSkinSplitter1->Left() + form->SeSkinSplitter1->Width()) << "round " << round;
        form->actLibrary->Execute();
        pump();
        EXPECT_FALSE(form->SeSkinSplitter1->Visible());
    }
    form->actLibrary->Execute();
    form = restart(form);
    ASSERT_TRUE(form->sstMain->Visible());
    EXPECT_EQ(form->SeSkinSplitter1->Left(), form->sstMain->Left() + form->sstMain->Width()) << "after a restart";
}

TEST_F(MainWindow, ReloadingThePlayerMakesItPlayAsShownAndAFailedOneStopsLoops)
{
    installPlayer();
    TfrmBrio* form = start();
    form->btnSound->Click();
    form->tbVol->SetPosition(70);
    form->sslList->SetSelected(form->sslList->Items()->Item(2));
    form->CustomItem10->Click();
    pump();

    std::size_t from = mark(form);
    splashTicks();
    form->ReloadPlayerInterface(form);
    EXPECT_FALSE(form->sslList->Items()->Item(2)->Checked());
    expectVariables(*form->FlashPlayer, from,
                    join(volumes(), {{"playerSoundSwitch", "on"}, {"preSwitch", "on"}, {"playerSoundVol", "70"},
                                     {"preVol", "70"}}));

    form->CustomItem10->Click();
    pump();
    Settings.player = "plug-in/gone.bpi";
    messageBoxes.clear();
    from = mark(form);
    splashTicks();
    form->ReloadPlayerInterface(form);
    ASSERT_EQ(messageBoxes.size(), 1u);
    Variables flags;
    for (int n = 0; n < 20; ++n)
        flags.push_back({"loopFlag_" + std::to_string(n), "false"});
    expectVariables(*form->FlashPlayer, from,
                    join(join(volumes(), flags), {{"playerSoundSwitch", "on"}, {"preSwitch", "on"},
                                                  {"playerSoundVol", "70"}, {"preVol", "70"}}));
}

TEST_F(MainWindow, WebEntriesOpenTheShippedGuidesAndAFreeSoundLibrary)
{
    recordShellOpens();
    TfrmBrio* form = start();
    form->actHelp->Execute();
    form->actGetPlayer->Execute();
    form->actGetMSE->Execute();
    std::vector<std::string> opened = shellOpened(3);
    std::sort(opened.begin(), opened.end());
    EXPECT_EQ(opened, (std::vector<std::string>{folder() + "docs/player-interfaces.md", folder() + "docs/user-guide.md",
                                                brio::SoundEffectsAddress}));
    EXPECT_TRUE(form->actSettings->Enabled()) << "the settings dialog is there";
}

TEST_F(MainWindow, TheTreeMenuEnablesWhatFitsTheSelection)
{
    TfrmBrio* form = start();
    auto enabled = [form] {
        std::string on;
        for (brio::MenuItemKind* item : {form->ciPlay, form->ciStop, form->ciPlayLoop, form->ciAppend, form->ciModify,
                                form->ciRemove, form->ciSaveas, form->ciAppendGroup, form->ciModifyGroup,
                                form->ciRemoveGroup})
            on += item->Enabled() ? '1' : '0';
        return on;
    };
    form->ssTreeMenuPopup(form->ssTreeMenu);
    EXPECT_EQ(enabled(), "0001000100");
    TTreeNode* group = form->sstMain->Items()->Add(nullptr, "Group(1)");
    TTreeNode* sound = form->sstMain->Items()->AddChild(group, "Sound");
    form->sstMain->SetSelected(group);
    form->ssTreeMenuPopup(form->ssTreeMenu);
    EXPECT_EQ(enabled(), "0001000111");
    form->sstMain->SetSelected(sound);
    form->ssTreeMenuPopup(form->ssTreeMenu);
    EXPECT_EQ(enabled(), "1111111100");
}

} // namespace
