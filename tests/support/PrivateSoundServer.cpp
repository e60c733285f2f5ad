#include "tests/support/PrivateSoundServer.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace audiotest {

PrivateSoundServer::PrivateSoundServer()
{
    char pattern[] = "/tmp/brio-pulse.XXXXXX";
    if (const char* made = mkdtemp(pattern))
        folder_ = made;
}

PrivateSoundServer::~PrivateSoundServer()
{
    stop();
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

bool PrivateSoundServer::Installed() { return std::system("command -v pulseaudio >/dev/null 2>&1") == 0; }

std::string PrivateSoundServer::address() const { return "unix:" + folder_ + "/pulse/native"; }

bool PrivateSoundServer::start()
{
    if (folder_.empty() || running())
        return running();
    pid_ = fork();
    if (pid_ < 0)
        return false;
    if (pid_ == 0) {
        setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
        setenv("HOME", folder_.c_str(), 1);
        const std::string log = folder_ + "/daemon.log";
        if (std::freopen(log.c_str(), "a", stderr) == nullptr)
            _exit(126);
        execlp("pulseaudio", "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
               "--use-pid-file=no", "--load=module-native-protocol-unix",
               "--load=module-null-sink sink_name=out rate=48000", static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (pactl("info"))
            return true;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    stop();
    return false;
}

void PrivateSoundServer::stop()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    std::error_code ignored;
    std::filesystem::remove(folder_ + "/pulse/native", ignored);
}

std::optional<std::string> PrivateSoundServer::pactl(const std::string& arguments) const
{
    const std::string command = "PULSE_SERVER=" + address() + " pactl " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string output;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), int(buffer.size()), pipe))
        output += buffer.data();
    if (pclose(pipe) != 0)
        return std::nullopt;
    return output;
}

} // namespace audiotest
