#include "platform/desktop/Shell.h"

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

std::string& openCommand()
{
    static std::string command = "xdg-open";
    return command;
}

HINSTANCE result(std::uintptr_t code)
{
    return reinterpret_cast<HINSTANCE>(code);
}

} // namespace

void SetShellOpenCommand(const char* program)
{
    openCommand() = program && *program ? program : "xdg-open";
}

HINSTANCE ShellExecute(HWND, const char* operation, const char* file, const char*, const char* directory, int)
{
    if (operation && *operation && std::strcmp(operation, "open") != 0)
        return result(SE_ERR_NOASSOC);
    if (!file || !*file)
        return result(SE_ERR_FNF);

    std::string program = openCommand();
    std::string target = file;
    std::vector<char*> argv{program.data(), target.data(), nullptr};

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return result(SE_ERR_OOM);
    if (directory && *directory)
        posix_spawn_file_actions_addchdir_np(&actions, directory);
    pid_t pid = 0;
    int error = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return result(error == ENOENT ? SE_ERR_NOASSOC : SE_ERR_OOM);
    // Reap the opener so it leaves no zombie; its outcome is the desktop's business.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return result(42);
}
