#include "ui/component/Exception.h"
#include "ui/component/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() / ("brio-ini-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        path = (dir / "settings.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Contents() const
    {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path dir;
    std::string path;
};

} // namespace

TEST_F(IniFileTest, WritesAndReadsBackValues)
{
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Main", "Player", "plug-in/default.bpi"), "plug-in/default.bpi");
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 97), 97);
    EXPECT_FALSE(ini.ValueExists("Main", "Left"));

    ini.WriteString("Main", "Player", "plug-in/other.bpi");
    ini.WriteInteger("Main", "Left", -12);
    ini.WriteBool("Main", "AutoRun", true);
    ini.WriteBool("Main", "Minimize", false);
    EXPECT_EQ(Contents(), "[Main]\nPlayer=plug-in/other.bpi\nLeft=-12\nAutoRun=1\nMinimize=0\n");

    // A second object on the same file sees every value at once.
    TIniFile other(path);
    EXPECT_EQ(other.ReadString("main", "PLAYER", ""), "plug-in/other.bpi");
    EXPECT_EQ(other.ReadInteger("Main", "Left", 0), -12);
    EXPECT_TRUE(other.ReadBool("Main", "AutoRun", false));
    EXPECT_FALSE(other.ReadBool("Main", "Minimize", true));
    EXPECT_TRUE(other.ValueExists("Main", "Left"));

    ini.WriteString("Main", "Left", "twelve");
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 5), 5) << "not a whole number: the default";
    ini.WriteString("Main", "Left", "");
    EXPECT_EQ(ini.ReadString("Main", "Left", "x"), "");
    EXPECT_TRUE(ini.ValueExists("Main", "Left"));
}

TEST_F(IniFileTest, DeletesKeysAndSections)
{
    TIniFile ini(path);
    ini.WriteString("A", "one", "1");
    ini.WriteString("A", "two", "2");
    ini.WriteString("B", "three", "3");
    ini.DeleteKey("A", "one");
    EXPECT_EQ(ini.ReadString("A", "one", "gone"), "gone");
    EXPECT_EQ(ini.ReadString("A", "two", ""), "2");
    ini.EraseSection("a");
    EXPECT_EQ(ini.ReadString("A", "two", "gone"), "gone");
    EXPECT_EQ(ini.ReadString("B", "three", ""), "3");
}

TEST_F(IniFileTest, RefusedWriteNamesTheFile)
{
    std::string unreachable = (dir / "no-such-folder" / "Key.ini").string();
    TIniFile ini(unreachable);
    try {
        ini.WriteInteger("Key", "0", 1);
        FAIL();
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + unreachable);
    }
    EXPECT_EQ(ini.ReadInteger("Key", "0", 7), 7);
}
