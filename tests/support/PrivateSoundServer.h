#pragma once
// A PulseAudio daemon of the test's own, in a private runtime folder, with
// one null sink "out" and shared memory off. Tests skip when the daemon is
// not installed.

#include <optional>
#include <string>
#include <sys/types.h>

namespace audiotest {

class PrivateSoundServer {
public:
    PrivateSoundServer();
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    static bool Installed();

    // Starts the daemon (again, after stop()) and waits until it answers.
    bool start();
    // Kills it at once, as a crash would.
    void stop();
    bool running() const { return pid_ > 0; }

    // For the client library: "unix:<folder>/pulse/native".
    std::string address() const;
    // Runs pactl against this server: its output, nothing when it failed.
    std::optional<std::string> pactl(const std::string& arguments) const;

private:
    std::string folder_;
    pid_t pid_ = -1;
};

} // namespace audiotest
