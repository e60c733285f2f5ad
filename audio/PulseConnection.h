#pragma once
// A blocking client of the sound server for work that is not real time:
// listing and loading modules, reading the server's defaults. One context on
// a threaded main loop of its own; every call waits for the server's answer
// (or a lost connection) and is meant for one thread at a time.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct pa_context;
struct pa_threaded_mainloop;

namespace audio {

struct PulseModule {
    std::uint32_t index = 0;
    std::string name;
    std::string argument;
};

struct PulseSource {
    std::string name;
    std::string description;
    bool monitor = false;
    std::string monitorOf; // the sink a monitor source listens to
};

class PulseConnection {
public:
    static constexpr std::uint32_t NoIndex = 0xFFFFFFFFu;

    PulseConnection() = default;
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // Connects (again); false when no server answered within `timeoutMs`.
    bool connect(const std::string& server, const std::string& clientName, int timeoutMs);
    // The connection is up; false after the server went away.
    bool ready() const;
    void disconnect();

    // Called on the main loop's thread when modules, sources or sinks come or
    // go, or the connection is lost. Set before connect(); must not block.
    std::function<void()> onChange;

    std::vector<PulseModule> modules();
    std::vector<PulseSource> sources();
    std::string defaultSource();
    std::string defaultSink();
    // The new module's index, or NoIndex when the server refused it.
    std::uint32_t loadModule(const std::string& name, const std::string& arguments);
    bool unloadModule(std::uint32_t index);

private:
    static void StateCallback(pa_context* context, void* self);
    static void EventCallback(pa_context* context, int event, std::uint32_t index, void* self);
    void changed();

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
};

} // namespace audio
