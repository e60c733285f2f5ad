#include "tests/support/ProgramTestSupport.h"

#include "app/uCommon.h"
#include "dialogs/ControlKinds.h"
#include "ui/commondlg/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "ui/commondlg/FileDialogs.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace programtest {

namespace {

std::string makeTempFolder(const char* stem)
{
    std::string pattern = (fs::temp_directory_path() / (std::string(stem) + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return pattern + "/";
}

// A minimal 16-bit mono WAV header with a few silent frames.
std::string silentWav()
{
    const std::uint32_t frames = 441, rate = 44100;
    const std::uint32_t dataBytes = frames * 2;
    std::string out;
    auto u32 = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(char((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&out](std::uint16_t v) {
        out.push_back(char(v & 0xFF));
        out.push_back(char(v >> 8));
    };
    out += "RIFF";
    u32(36 + dataBytes);
    out += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out += "data";
    u32(dataBytes);
    out.append(dataBytes, '\0');
    return out;
}

} // namespace

std::string scratchFolder()
{
    static const std::string folder = makeTempFolder("brio-elsewhere");
    return folder;
}

void ProgramTest::SetUp()
{
    UiTest::SetUp();
    folder_ = makeTempFolder("brio-app");
    brio::SetAppPaths(folder_ + "brio");
    // Relative names are taken against the current folder too: make it one
    // that holds nothing the test did not put there.
    oldFolder_ = fs::current_path();
    fs::current_path(folder_);
    brio::Settings = brio::TSettingRec{};
    brio::SetMessageAnswerer([this](const std::string& text, bool question) {
        messageBoxes.push_back({text, "", question ? UINT(MB_YESNO) : UINT(MB_OK)});
        return messageBoxAnswer == IDYES;
    });
    SetFileDialogHook([this](TOpenDialog&) -> std::optional<std::string> {
        ++dialogsShown;
        if (dialogAnswers.empty()) {
            ADD_FAILURE() << "a file dialog was shown with no answer queued";
            return std::nullopt;
        }
        std::optional<std::string> answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    });
}

void ProgramTest::TearDown()
{
    UiTest::TearDown();
    SetShellOpenCommand(nullptr);
    brio::SetMessageAnswerer(nullptr);
    SetFileDialogHook(nullptr);
    std::error_code ignored;
    fs::current_path(oldFolder_, ignored);
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
    EXPECT_TRUE(dialogAnswers.empty()) << "answers left for file dialogs that never came";
}

std::string ProgramTest::writeFile(const std::string& name, const std::string& content)
{
    const std::string path = brio::IsAbsolutePath(name) ? name : folder_ + name;
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string ProgramTest::readFile(const std::string& name) const
{
    std::ifstream in(brio::IsAbsolutePath(name) ? name : folder_ + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool ProgramTest::exists(const std::string& name) const
{
    return fs::exists(brio::IsAbsolutePath(name) ? name : folder_ + name);
}

std::string ProgramTest::writeSound(const std::string& name)
{
    return writeFile(name, silentWav());
}

void ProgramTest::installPlayer()
{
    fs::create_directories(folder_ + "plug-in");
    for (const auto& entry : fs::directory_iterator(std::string(BRIO_SOURCE_DIR) + "/resources/plug-in"))
        fs::copy_file(entry.path(), folder_ + "plug-in/" + entry.path().filename().string(),
                      fs::copy_options::overwrite_existing);
}

void ProgramTest::recordShellOpens()
{
    const std::string recorder = writeFile("shell/recorder", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + folder_ +
                                                                  "shell/opened'\n");
    fs::permissions(recorder, fs::perms::owner_all);
    SetShellOpenCommand(recorder.c_str());
}

std::vector<std::string> ProgramTest::shellOpened(std::size_t count)
{
    std::vector<std::string> lines;
    for (int attempt = 0; attempt < 300; ++attempt) {
        lines.clear();
        std::istringstream text(readFile("shell/opened"));
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        if (lines.size() >= count)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return lines;
}

Variables ProgramTest::since(const TPlayerControl& player, std::size_t from)
{
    const auto& all = player.Variables();
    return Variables(all.begin() + std::ptrdiff_t(std::min(from, all.size())), all.end());
}

void ProgramTest::expectVariables(const TPlayerControl& player, std::size_t from, const Variables& expected)
{
    const Variables got = since(player, from);
    std::string trace;
    for (const auto& [name, value] : got)
        trace += "  " + name + " = " + value + "\n";
    EXPECT_EQ(got, expected) << "sent:\n" << trace;
}

} // namespace programtest
