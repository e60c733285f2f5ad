// The settings record and "settings.ini": defaults, the order a new file
// is written in, values of other tools kept, refused writes, the logon
// entry, and the paths kept in the INI files.

#include "app/uCommon.h"

#include "tests/support/ProgramTestSupport.h"

#include "platform/desktop/Autostart.h"
#include "ui/component/Exception.h"

#include <cstdlib>
#include <filesystem>

using namespace programtest;
using brio::Settings;

namespace {

class SettingsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        const char* old = std::getenv("XDG_CONFIG_HOME");
        oldConfigHome = old ? old : "";
        hadConfigHome = old != nullptr;
        setenv("XDG_CONFIG_HOME", (folder() + "config").c_str(), 1);
    }
    void TearDown() override
    {
        if (hadConfigHome)
            setenv("XDG_CONFIG_HOME", oldConfigHome.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        ProgramTest::TearDown();
    }
    std::string entry() const { return folder() + "config/autostart/clatterbox.desktop"; }

    std::string oldConfigHome;
    bool hadConfigHome = false;
};

TEST_F(SettingsTest, FirstRunTakesTheDefaultsAndWritesANewFileInSectionOrder)
{
    brio::LoadSettings();
    EXPECT_EQ(Settings.clickstyle, 1);
    EXPECT_TRUE(Settings.shiftclick);
    EXPECT_FALSE(Settings.autorun);
    EXPECT_EQ(Settings.x, 0);
    EXPECT_EQ(Settings.volumn, 10);
    EXPECT_TRUE(Settings.soundswitch);
    EXPECT_TRUE(Settings.keypanel);
    EXPECT_EQ(Settings.player, "plug-in/default.bpi");
    EXPECT_EQ(Settings.loadedPlayer, Settings.player);
    EXPECT_EQ(brio::FullPathOf(Settings.player), folder() + "plug-in/default.bpi");

    brio::SaveSettings();
    EXPECT_EQ(readFile("settings.ini"), "[playback]\nclickstyle=1\nshiftclick=1\nvolumn=10\nsoundswitch=1\n"
                                        "[startup]\nautorun=0\nminimize=0\n"
                                        "[other]\nmic=0\n"
                                        "[window]\nx=0\ny=0\nw=0\nh=0\nkeypanel=1\nlibrary=0\nlibrarywidth=0\n"
                                        "[plug_in]\nplayer=plug-in/default.bpi\n");
}

TEST_F(SettingsTest, ValuesOfOtherToolsAndUnknownSectionsSurviveARun)
{
    writeFile("settings.ini", "; kept by hand\n[Playback]\nClickStyle=7\nshiftclick=0\nvolumn=abc\n"
                              "[theirs]\ncolour=red\n[window]\nx=12\nkeypanel=\n[plug_in]\nplayer=\n");
    brio::LoadSettings();
    EXPECT_EQ(Settings.clickstyle, 7);
    EXPECT_FALSE(Settings.shiftclick);
    EXPECT_EQ(Settings.volumn, 10) << "not a number reads as the default";
    EXPECT_TRUE(Settings.keypanel) << "an empty number reads as the default";
    EXPECT_EQ(Settings.player, "") << "an empty text stays empty";
    brio::SaveSettings();
    const std::string saved = readFile("settings.ini");
    EXPECT_EQ(saved.rfind("; kept by hand\n[Playback]\nClickStyle=7\nshiftclick=0\nvolumn=10\n", 0), 0u) << saved;
    EXPECT_NE(saved.find("[theirs]\ncolour=red\n"), std::string::npos) << saved;
}

TEST_F(SettingsTest, ARefusedWriteRaisesWithTheFileNameAndKeepsEarlierValues)
{
    writeFile("settings.ini", "[playback]\nclickstyle=4\n");
    brio::LoadSettings();
    // A folder in the file's place refuses the write, for any user.
    std::filesystem::remove(folder() + "settings.ini");
    std::filesystem::create_directories(folder() + "settings.ini");
    try {
        brio::SaveSettings();
        FAIL() << "the write was not refused";
    } catch (const EIniFileException& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + folder() + "settings.ini");
    }
    EXPECT_FALSE(exists(entry())) << "the logon step runs only after the file is written";
}

TEST_F(SettingsTest, TheLogonEntryFollowsAutorunAndItsRemovalIsQuiet)
{
    brio::LoadSettings();
    Settings.autorun = true;
    brio::SaveSettings();
    ASSERT_TRUE(exists(entry()));
    EXPECT_NE(readFile(entry()).find("Exec=" + DesktopExecValue(brio::ExePath)), std::string::npos);
    Settings.autorun = false;
    brio::SaveSettings();
    EXPECT_FALSE(exists(entry()));
    EXPECT_NO_THROW(brio::SaveSettings());
    // A logon entry that cannot be written is not the settings' failure.
    writeFile("config/autostart", "a file where the folder should be");
    Settings.autorun = true;
    EXPECT_NO_THROW(brio::SaveSettings());
    EXPECT_NE(readFile("settings.ini").find("autorun=1"), std::string::npos);
}

TEST(AppPaths, StoredPathsAreRelativeOnlyUnderTheFolderAndFilesMustBeRegular)
{
    brio::SetAppPaths("/opt/brio/brio");
    EXPECT_EQ(brio::AppFolder, "/opt/brio/");
    EXPECT_EQ(brio::StoredPathOf("/opt/brio/sounds/a.wav"), "sounds/a.wav");
    EXPECT_EQ(brio::StoredPathOf("/mnt/opt/brio/sounds/a.wav"), "/mnt/opt/brio/sounds/a.wav");
    EXPECT_EQ(brio::StoredPathOf("/opt/brio/x/opt/brio/a.wav"), "x/opt/brio/a.wav");
    EXPECT_EQ(brio::StoredPathOf("/opt/brioche/a.wav"), "/opt/brioche/a.wav");
    EXPECT_EQ(brio::FullPathOf("sounds/a.wav"), "/opt/brio/sounds/a.wav");
    EXPECT_EQ(brio::FullPathOf("C:sounds/a.wav"), "/opt/brio/C:sounds/a.wav");
    EXPECT_EQ(brio::FullPathOf("/srv/a.wav"), "/srv/a.wav");

    EXPECT_FALSE(brio::IsExistingFile(""));
    EXPECT_FALSE(brio::IsExistingFile("/"));
    EXPECT_FALSE(brio::IsExistingFile("/nonexistent/brio/file.wav"));
    EXPECT_TRUE(brio::IsExistingFile("/proc/self/exe"));
}

} // namespace
