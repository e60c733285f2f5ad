#include "platform/desktop/Autostart.h"
#include "platform/desktop/Shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

class Autostart : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        saved_ = old ? old : "";
        hadValue_ = old != nullptr;
        home_ = std::filesystem::temp_directory_path() / ("brio-autostart-" + std::to_string(::getpid()));
        std::filesystem::remove_all(home_);
        ::setenv("XDG_CONFIG_HOME", home_.c_str(), 1);
    }
    void TearDown() override
    {
        if (hadValue_)
            ::setenv("XDG_CONFIG_HOME", saved_.c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(home_);
    }
    std::filesystem::path home_;
    std::string saved_;
    bool hadValue_ = false;
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(Autostart, SetThenClearFollowsTheRule)
{
    std::string path = AutostartEntryPath("clatterbox");
    EXPECT_EQ(path, (home_ / "autostart" / "clatterbox.desktop").string());
    ASSERT_TRUE(WriteAutostartEntry("clatterbox", "/opt/brio/brio"));
    EXPECT_NE(slurp(path).find("Exec=\"/opt/brio/brio\"\n"), std::string::npos);
    ASSERT_TRUE(DeleteAutostartEntry("clatterbox"));
    EXPECT_FALSE(std::filesystem::exists(path));
    // Clearing again when the entry is already gone reports nothing.
    std::string error;
    EXPECT_TRUE(DeleteAutostartEntry("clatterbox", &error));
    EXPECT_TRUE(error.empty());
}

TEST_F(Autostart, ExecIsEscapedForDesktopEntries)
{
    EXPECT_EQ(DesktopExecValue("/a b/brio"), "\"/a b/brio\"");
    EXPECT_EQ(DesktopExecValue("/x/$HOME`id`/50%"), "\"/x/\\\\$HOME\\\\`id\\\\`/50%%\"");
    EXPECT_EQ(DesktopExecValue("/q\"/b\\s"), "\"/q\\\\\"/b\\\\\\\\s\"");
    EXPECT_FALSE(WriteAutostartEntry("clatterbox", "/bad\npath"));
}

TEST(ShellExecute, OpensThroughArgumentVectorNeverAShell)
{
    auto folder = std::filesystem::temp_directory_path() / ("brio-shell-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::string recorder = (folder / "recorder").string();
    std::string record = (folder / "record").string();
    {
        std::ofstream s(recorder);
        s << "#!/bin/sh\nprintf '%s|' \"$@\" > '" << record << "'\n";
    }
    std::filesystem::permissions(recorder, std::filesystem::perms::owner_all);
    SetShellOpenCommand(recorder.c_str());
    const char* hostile = "https://example.org/?a=1;touch /tmp/brio-pwned&b=$(id)";
    HINSTANCE r = ShellExecute(nullptr, "open", hostile, nullptr, nullptr, 1);
    EXPECT_GT(reinterpret_cast<std::uintptr_t>(r), 32u);
    for (int i = 0; i < 200 && !std::filesystem::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(slurp(record), std::string(hostile) + "|");
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(ShellExecute(nullptr, "print", "x", nullptr, nullptr, 1)),
              std::uintptr_t(SE_ERR_NOASSOC));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(ShellExecute(nullptr, "open", "", nullptr, nullptr, 1)),
              std::uintptr_t(SE_ERR_FNF));
    SetShellOpenCommand("/nonexistent/opener");
    EXPECT_LE(reinterpret_cast<std::uintptr_t>(ShellExecute(nullptr, nullptr, "x", nullptr, nullptr, 1)), 32u);
    SetShellOpenCommand(nullptr);
    std::filesystem::remove_all(folder);
}

} // namespace
