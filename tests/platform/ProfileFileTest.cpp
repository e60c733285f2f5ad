// An INI file read once and written once: the same answers as the one-call
// functions, edits invisible on disk until saved, and values that round-trip.

#include "platform/desktop/Profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string fileIn(const std::string& name, const std::string& content)
{
    const std::string path = std::filesystem::temp_directory_path() / ("brio-profile-file-" + name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(ProfileFile, AnswersAsTheOneCallFunctionsDoFirstCopiesWinning)
{
    const std::string path = fileIn("read.ini", "[Group]\ncount = 2\n1=\"  spaced  \"\nCOUNT=9\n[group]\n2=later\n[other]\nx=1\n");
    const brio::ProfileFile file(path);
    for (const char* key : {"count", "1", "2", "missing"})
        EXPECT_EQ(file.get("group", key, "dflt"), GetPrivateProfileString("group", key, "dflt", path.c_str())) << key;
    EXPECT_EQ(file.getInt("GROUP", "Count", 0), 2);
    EXPECT_EQ(file.get("group", "1", ""), "  spaced  ");
    EXPECT_EQ(file.get("group", "2", "none"), "none") << "a second copy of a section does not read";
    EXPECT_EQ(brio::ProfileFile(path + ".absent").get("group", "count", "0"), "0");
}

TEST(ProfileFile, EditsReachTheDiskOnlyAtSaveAndRoundTripAwkwardValues)
{
    const std::string path = fileIn("write.ini", "; kept\n[group]\ncount=1\n\n[stale]\nk=v\n");
    const std::string before = contentOf(path);
    brio::ProfileFile file(path);
    const std::vector<std::string> awkward = {" edge ", "\"quoted\"", "a=b", "[x]", "'single'", ""};
    for (std::size_t i = 0; i < awkward.size(); ++i)
        file.set("1", (std::to_string(i + 1) + "_info").c_str(), awkward[i].c_str());
    file.set("group", "count", "3");
    EXPECT_EQ(file.get("group", "count", ""), "3") << "the edit reads back at once";
    EXPECT_EQ(contentOf(path), before) << "nothing is written before save";
    file.save();
    const brio::ProfileFile again(path);
    for (std::size_t i = 0; i < awkward.size(); ++i)
        EXPECT_EQ(again.get("1", (std::to_string(i + 1) + "_info").c_str(), "?"), awkward[i]);
    EXPECT_EQ(again.get("stale", "k", ""), "v") << "sections nobody wrote stay";
    EXPECT_EQ(contentOf(path).rfind("; kept\n[group]\ncount=3\n\n[stale]", 0), 0u) << contentOf(path);
}
