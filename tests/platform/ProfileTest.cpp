#include "platform/desktop/Profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace {

class Profile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path()
                  / ("brio-profile-" + std::to_string(::getpid()) + "-"
                     + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        file_ = (folder_ / "settings.ini").string();
    }
    void TearDown() override
    {
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(folder_);
    }

    void writeFile(const std::string& content)
    {
        std::ofstream(file_, std::ios::binary) << content;
    }
    std::string readFile()
    {
        std::ifstream in(file_, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string get(const char* section, const char* key, const char* def = "DEF")
    {
        return GetPrivateProfileString(section, key, def, file_.c_str());
    }
    int getInt(const char* section, const char* key, int def = -7)
    {
        return GetPrivateProfileInt(section, key, def, file_.c_str());
    }
    void put(const char* section, const char* key, const char* value)
    {
        WritePrivateProfileString(section, key, value, file_.c_str());
    }

    std::filesystem::path folder_;
    std::string file_;
};

TEST_F(Profile, ReadsDefaultsForWhatIsMissing)
{
    EXPECT_EQ(get("playback", "volumn"), "DEF"); // no file
    writeFile("[playback]\nvolumn=10\n");
    EXPECT_EQ(get("startup", "volumn"), "DEF");
    EXPECT_EQ(get("playback", "other"), "DEF");
    EXPECT_EQ(getInt("playback", "other", 42), 42);
}

TEST_F(Profile, MatchesNamesWithoutCaseAndTrimsSpaces)
{
    writeFile("[PlayBack]\r\n  VolUmn  =  35  \r\nplayer = plug-in/x.bpi\r\n");
    EXPECT_EQ(get("playback", "volumn"), "35");
    EXPECT_EQ(getInt("PLAYBACK", "VOLUMN"), 35);
    EXPECT_EQ(get("playback", "player"), "plug-in/x.bpi");
}

TEST_F(Profile, EmptyValueIsEmptyTextButDefaultNumber)
{
    writeFile("[plug_in]\nplayer=\n[window]\nx=\n");
    EXPECT_EQ(get("plug_in", "player"), "");
    EXPECT_EQ(getInt("window", "x", 5), 5);
}

TEST_F(Profile, NumbersMustBeWhole)
{
    writeFile("[n]\na=12\nb=-3\nc=12abc\nd=1.5\ne=+4\nf=99999999999\ng= 8 \nh=abc\n");
    EXPECT_EQ(getInt("n", "a"), 12);
    EXPECT_EQ(getInt("n", "b"), -3);
    EXPECT_EQ(getInt("n", "c"), -7);
    EXPECT_EQ(getInt("n", "d"), -7);
    EXPECT_EQ(getInt("n", "e"), 4);
    EXPECT_EQ(getInt("n", "f"), -7);
    EXPECT_EQ(getInt("n", "g"), 8);
    EXPECT_EQ(getInt("n", "h"), -7);
}

TEST_F(Profile, FirstOfDuplicateKeysWinsAndCommentsAreNotKeys)
{
    writeFile("[s]\n;k=comment\nk=first\nk=second\n");
    EXPECT_EQ(get("s", "k"), "first");
    put("s", "k", "new");
    EXPECT_EQ(readFile(), "[s]\n;k=comment\nk=new\nk=second\n");
}

TEST_F(Profile, WriteReplacesInPlaceAndKeepsEveryOtherLine)
{
    writeFile("; made by hand\r\n[playback]\r\nclickstyle=3\r\nvolumn=10\r\nunknown line\r\n\r\n[other]\r\nmic=0\r\n");
    put("playback", "VOLUMN", "75");
    EXPECT_EQ(readFile(),
              "; made by hand\r\n[playback]\r\nclickstyle=3\r\nvolumn=75\r\nunknown line\r\n\r\n[other]\r\nmic=0\r\n");
}

TEST_F(Profile, WriteAppendsKeyAtEndOfSectionBeforeBlankLines)
{
    writeFile("[a]\nx=1\n\n[b]\ny=2");
    put("a", "z", "3");
    put("b", "w", "4");
    EXPECT_EQ(readFile(), "[a]\nx=1\nz=3\n\n[b]\ny=2\nw=4\n");
}

TEST_F(Profile, WriteAppendsSectionAndCreatesFile)
{
    put("playback", "clickstyle", "1");
    put("startup", "autorun", "0");
    put("playback", "shiftclick", "1");
    EXPECT_EQ(readFile(), "[playback]\nclickstyle=1\nshiftclick=1\n[startup]\nautorun=0\n");
    EXPECT_EQ(get("startup", "autorun"), "0");
}

TEST_F(Profile, ValuesRoundTripIncludingSpacesAndQuotes)
{
    for (const char* v : {"plain", " lead", "trail ", "\"quoted\"", "'single'", "a=b", "", "ünïcødé"}) {
        put("s", "k", v);
        EXPECT_EQ(get("s", "k"), v) << "value [" << v << "]";
    }
}

TEST_F(Profile, NullValueRemovesKeyAndNullKeyRemovesSection)
{
    writeFile("[a]\nx=1\ny=2\n[b]\nz=3\n");
    put("a", "x", nullptr);
    EXPECT_EQ(readFile(), "[a]\ny=2\n[b]\nz=3\n");
    put("a", nullptr, nullptr);
    EXPECT_EQ(readFile(), "[b]\nz=3\n");
}

TEST_F(Profile, RemovalTakesEveryCopySoNothingStaleShowsThrough)
{
    // A later copy of a removed key or section would otherwise become the one that reads.
    writeFile("[a]\nx=1\ny=2\nX=3\n[b]\nx=4\n[A]\nz=5\n[b]\nw=6\n");
    put("a", "x", nullptr);
    EXPECT_EQ(get("a", "x"), "DEF");
    EXPECT_EQ(readFile(), "[a]\ny=2\n[b]\nx=4\n[A]\nz=5\n[b]\nw=6\n");
    put("b", nullptr, nullptr);
    EXPECT_EQ(get("b", "w"), "DEF");
    EXPECT_EQ(readFile(), "[a]\ny=2\n[A]\nz=5\n");
    put("A", nullptr, nullptr);
    EXPECT_EQ(readFile(), "");
}

TEST_F(Profile, WriteKeepsAByteOrderMark)
{
    writeFile("\xEF\xBB\xBF[a]\nx=1\n");
    EXPECT_EQ(get("a", "x"), "1");
    put("a", "x", "2");
    put("b", "y", "3");
    EXPECT_EQ(readFile(), "\xEF\xBB\xBF[a]\nx=2\n[b]\ny=3\n");
}

TEST_F(Profile, RefusesLineBreaksThatWouldForgeKeys)
{
    writeFile("[a]\nx=1\n");
    EXPECT_THROW(put("a", "x", "1\ninjected=1"), ProfileWriteError);
    EXPECT_THROW(put("a", "bad=key", "1"), ProfileWriteError);
    EXPECT_THROW(put("bad]", "k", "1"), ProfileWriteError);
    EXPECT_EQ(readFile(), "[a]\nx=1\n");
}

TEST_F(Profile, RefusesKeysThatWouldReadAsCommentsOrSections)
{
    // Written, these lines would read as a comment or a section header, not as the key.
    writeFile("[a]\nx=1\n");
    for (const char* key : {";k", "#k", "[k", "[k]"})
        EXPECT_THROW(put("a", key, "1"), ProfileWriteError) << key;
    EXPECT_EQ(readFile(), "[a]\nx=1\n");
    put("a", "k;#[]", "2"); // the same characters later in the name are harmless
    EXPECT_EQ(get("a", "k;#[]"), "2");
}

TEST_F(Profile, RefusedWriteNamesTheFileAndLeavesItWhole)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write anywhere";
    writeFile("[a]\nx=1\n");
    ::chmod(folder_.c_str(), 0500);
    try {
        put("a", "x", "2");
        FAIL() << "write into a read-only folder succeeded";
    } catch (const ProfileWriteError& e) {
        EXPECT_EQ(e.fileName(), file_);
        EXPECT_NE(std::string(e.what()).find(file_), std::string::npos);
    }
    ::chmod(folder_.c_str(), 0700);
    EXPECT_EQ(readFile(), "[a]\nx=1\n");
}

TEST_F(Profile, WriteIntoMissingFolderOrOverAFolderThrows)
{
    std::string missing = (folder_ / "nope" / "settings.ini").string();
    EXPECT_THROW(WritePrivateProfileString("a", "b", "c", missing.c_str()), ProfileWriteError);
    // Refused even for root: the name is taken by a folder.
    std::string taken = (folder_ / "taken.ini").string();
    std::filesystem::create_directories(taken + "/inside");
    EXPECT_THROW(WritePrivateProfileString("a", "b", "c", taken.c_str()), ProfileWriteError);
    EXPECT_TRUE(std::filesystem::exists(taken + "/inside"));
}

TEST_F(Profile, WriteLeavesNoTemporaryFilesBehind)
{
    put("a", "b", "c");
    put("a", "b", "d");
    int files = 0;
    for (auto& entry : std::filesystem::directory_iterator(folder_)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

} // namespace
