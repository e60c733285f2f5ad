#pragma once
// A fixture for the program's tests: a fresh application folder of its
// own (the paths point at a program file in it), the settings record
// zeroed as at start, file-dialog answers queued by the test, and helpers
// for files and for the player's variable record.

#include "tests/support/UiTestSupport.h"

#include "player/PlayerControl.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace programtest {

using Variables = std::vector<TPlayerControl::Variable>;

class ProgramTest : public uitest::UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The application folder, ending in '/'.
    const std::string& folder() const { return folder_; }
    // Writes a file under the folder (or at a full path); returns its full path.
    std::string writeFile(const std::string& name, const std::string& content);
    std::string readFile(const std::string& name) const;
    bool exists(const std::string& name) const;
    // A short silent WAV file; returns its full path.
    std::string writeSound(const std::string& name);
    // The player interfaces shipped with the program, copied to plug-in/.
    void installPlayer();

    // The shell opens a recorder instead of the desktop's program; the
    // targets it was given, in order (waits briefly for `count` of them).
    void recordShellOpens();
    std::vector<std::string> shellOpened(std::size_t count);

    // Answers for the next file dialogs, in order: a path, or nothing for Cancel.
    std::deque<std::optional<std::string>> dialogAnswers;
    int dialogsShown = 0;

    // The variables set since `from`, compared in order; the whole trace on failure.
    static void expectVariables(const TPlayerControl& player, std::size_t from, const Variables& expected);
    static Variables since(const TPlayerControl& player, std::size_t from);

private:
    std::string folder_;
    std::filesystem::path oldFolder_;
};

// An absolute path outside any application folder, for "elsewhere" cases.
std::string scratchFolder();

} // namespace programtest
