#include "audio/VirtualMicrophone.h"

#include "audio/PulseConnection.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>

namespace audio {

namespace {

constexpr const char* ClientName = "Clatterbox microphone";
constexpr const char* OwnerKey = "clatterbox.owner=";
constexpr const char* RoleKey = "clatterbox.role=";
constexpr int ConnectTimeoutMs = 2000;
constexpr auto RecheckInterval = std::chrono::seconds(1);
constexpr auto FirstAttemptWait = std::chrono::seconds(5);

enum class Role { Mix, Microphone, Voice };
constexpr const char* RoleNames[] = {"mix", "microphone", "voice"};

struct Mark {
    long owner = 0;
    std::string role;
};

// Our mark in a module's arguments, if it carries one.
bool ReadMark(const std::string& argument, Mark& mark)
{
    const auto owner = argument.find(OwnerKey);
    if (owner == std::string::npos)
        return false;
    mark.owner = std::strtol(argument.c_str() + owner + std::char_traits<char>::length(OwnerKey), nullptr, 10);
    const auto role = argument.find(RoleKey);
    if (role != std::string::npos) {
        const auto start = role + std::char_traits<char>::length(RoleKey);
        const auto end = argument.find_first_of(" '\"", start);
        mark.role = argument.substr(start, end == std::string::npos ? std::string::npos : end - start);
    }
    return mark.owner > 0;
}

std::string ProcessName(long pid)
{
    std::ifstream in("/proc/" + (pid > 0 ? std::to_string(pid) : std::string("self")) + "/comm");
    std::string name;
    std::getline(in, name);
    return name;
}

// A process id reused by some other program counts as gone.
bool OwnerAlive(long pid)
{
    if (pid == long(getpid()))
        return true;
    if (kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    return ProcessName(pid) == ProcessName(0);
}

std::string MarkText(Role role)
{
    return std::string(OwnerKey) + std::to_string(getpid()) + " " + RoleKey + RoleNames[int(role)];
}

// A name goes into module arguments unquoted; one that would break them out is not used.
bool UsableName(const std::string& name)
{
    return !name.empty() && name.find_first_of(" \t\n'\"\\=") == std::string::npos;
}

// Whether a source may be mixed into the microphone: never our own devices,
// nor the monitor of the speakers (the call would hear every sound twice).
bool Mixable(const PulseSource& source, const std::string& speakers)
{
    return source.name != VirtualMicrophone::SourceName && source.monitorOf != VirtualMicrophone::MixSinkName &&
           !(source.monitor && source.monitorOf == speakers) && UsableName(source.name);
}

std::string ArgumentValue(const std::string& argument, const std::string& key)
{
    const std::string prefix = key + "=";
    std::size_t at = 0;
    while ((at = argument.find(prefix, at)) != std::string::npos) {
        if (at == 0 || argument[at - 1] == ' ') {
            const auto start = at + prefix.size();
            const auto end = argument.find(' ', start);
            return argument.substr(start, end == std::string::npos ? std::string::npos : end - start);
        }
        at += prefix.size();
    }
    return {};
}

} // namespace

struct VirtualMicrophone::Impl {
    std::mutex lock;
    std::condition_variable wake;
    std::condition_variable settled;
    MicrophoneOptions options;
    bool wanted = false;
    bool dirty = false;
    bool quit = false;
    unsigned passes = 0; // completed passes of the keeper thread
    std::thread keeper;

    mutable std::mutex statusLock;
    MicrophoneStatus shown;
    std::atomic<unsigned> generation{0};

    PulseConnection server; // the keeper thread's only

    void publish(const MicrophoneStatus& next)
    {
        {
            std::lock_guard<std::mutex> guard(statusLock);
            if (next == shown)
                return;
            shown = next;
        }
        generation.fetch_add(1, std::memory_order_release);
    }

    void poke()
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            dirty = true;
        }
        wake.notify_all();
    }

    void run()
    {
        std::unique_lock<std::mutex> guard(lock);
        while (!quit) {
            wake.wait_for(guard, RecheckInterval, [this] { return dirty || quit; });
            if (quit)
                break;
            dirty = false;
            const bool want = wanted;
            const MicrophoneOptions opts = options;
            guard.unlock();
            if (want)
                keep(opts);
            else
                remove();
            guard.lock();
            ++passes;
            settled.notify_all();
        }
        guard.unlock();
        remove();
        server.disconnect();
    }

    bool connected()
    {
        if (server.ready())
            return true;
        server.onChange = [this] { poke(); };
        return server.connect(options.server, ClientName, ConnectTimeoutMs);
    }

    // The real microphone to mix in: the one asked for, else the server's
    // default; never our own devices, nor what the user's speakers play.
    std::string chooseSource(const MicrophoneOptions& opts, std::string& message)
    {
        const auto sources = server.sources();
        const std::string speakers = server.defaultSink();
        auto usable = [&](const PulseSource& source) { return Mixable(source, speakers); };
        auto find = [&](const std::string& name) -> const PulseSource* {
            for (const PulseSource& source : sources)
                if (source.name == name)
                    return &source;
            return nullptr;
        };
        if (!opts.source.empty()) {
            if (const PulseSource* source = find(opts.source); source && usable(*source))
                return source->name;
            message = "The microphone \"" + opts.source + "\" is not there: using the default one.";
        }
        if (const PulseSource* source = find(server.defaultSource()); source && usable(*source))
            return source->name;
        for (const PulseSource& source : sources)
            if (!source.monitor && usable(source))
                return source.name;
        message = "No microphone was found: the call hears the sounds only.";
        return {};
    }

    void keep(const MicrophoneOptions& opts)
    {
        if (!connected()) {
            publish({false, "", "No sound server is running, so the sounds cannot be sent to a microphone."});
            return;
        }
        std::map<std::string, PulseModule> mine;
        bool otherRun = false;
        for (const PulseModule& module : server.modules()) {
            Mark mark;
            if (!ReadMark(module.argument, mark))
                continue;
            if (mark.owner != long(getpid())) {
                if (OwnerAlive(mark.owner))
                    otherRun = true;
                else
                    server.unloadModule(module.index); // left behind by a run that died
                continue;
            }
            if (mine.count(mark.role))
                server.unloadModule(module.index); // a double: keep one
            else
                mine[mark.role] = module;
        }
        if (otherRun) {
            for (const auto& [role, module] : mine)
                server.unloadModule(module.index);
            publish({false, "", "Another Clatterbox already provides the microphone."});
            return;
        }
        if (!mine.count("mix")) {
            // The remapped source dies with its master; it is loaded again below.
            mine.erase("microphone");
            const auto index = server.loadModule(
                "module-null-sink", std::string("sink_name=") + MixSinkName + " rate=" +
                                        std::to_string(std::clamp(opts.sampleRate, 8000, 384000)) +
                                        " sink_properties='device.description=\"Clatterbox mix\" " + MarkText(Role::Mix) + "'");
            if (index == PulseConnection::NoIndex) {
                publish({false, "", "The sound server refused to make the microphone's mix."});
                return;
            }
        }
        if (!mine.count("microphone")) {
            const auto index = server.loadModule(
                "module-remap-source", std::string("master=") + MixSinkName + ".monitor source_name=" + SourceName +
                                           " source_properties='device.description=\"" + SourceDescription +
                                           "\" device.icon_name=audio-input-microphone " + MarkText(Role::Microphone) + "'");
            if (index == PulseConnection::NoIndex) {
                publish({false, "", "The sound server refused to make the microphone."});
                return;
            }
        }
        std::string message;
        const std::string source = chooseSource(opts, message);
        if (auto voice = mine.find("voice"); voice != mine.end()) {
            if (ArgumentValue(voice->second.argument, "source") == source && !source.empty()) {
                publish({true, source, message});
                return;
            }
            server.unloadModule(voice->second.index); // the microphone changed
        }
        if (!source.empty()) {
            const auto index = server.loadModule(
                "module-loopback", "source=" + source + " sink=" + MixSinkName + " latency_msec=" +
                                       std::to_string(std::max(1, opts.loopbackMilliseconds)) +
                                       // Under load the loopback raises its delay; a talker must stay in step.
                                       " max_latency_msec=" + std::to_string(std::max(30, opts.loopbackMilliseconds)) +
                                       " source_dont_move=true sink_dont_move=true sink_input_properties='media.name=\"" +
                                       SourceDescription + " input\" " + MarkText(Role::Voice) + "'");
            if (index == PulseConnection::NoIndex) {
                publish({true, "", "Your microphone could not be mixed in: the call hears the sounds only."});
                return;
            }
        }
        publish({true, source, message});
    }

    void remove()
    {
        if (!server.ready()) {
            publish({});
            return;
        }
        for (const PulseModule& module : server.modules()) {
            Mark mark;
            if (ReadMark(module.argument, mark) && mark.owner == long(getpid()))
                server.unloadModule(module.index);
        }
        publish({});
    }

    // Runs one more pass of the keeper and waits for it.
    void settle(std::chrono::steady_clock::duration timeout)
    {
        std::unique_lock<std::mutex> guard(lock);
        dirty = true;
        wake.notify_all();
        const unsigned target = passes + 1;
        settled.wait_for(guard, timeout, [&] { return passes >= target; });
    }
};

VirtualMicrophone::VirtualMicrophone() : impl_(std::make_unique<Impl>())
{
    impl_->keeper = std::thread([this] { impl_->run(); });
}

VirtualMicrophone::~VirtualMicrophone()
{
    {
        std::lock_guard<std::mutex> guard(impl_->lock);
        impl_->wanted = false;
        impl_->quit = true;
    }
    impl_->wake.notify_all();
    impl_->keeper.join();
}

bool VirtualMicrophone::start(const MicrophoneOptions& options)
{
    {
        std::lock_guard<std::mutex> guard(impl_->lock);
        impl_->options = options;
        impl_->wanted = true;
    }
    impl_->settle(FirstAttemptWait);
    return status().ready;
}

void VirtualMicrophone::stop()
{
    {
        std::lock_guard<std::mutex> guard(impl_->lock);
        if (!impl_->wanted)
            return;
        impl_->wanted = false;
    }
    impl_->settle(FirstAttemptWait);
}

bool VirtualMicrophone::started() const
{
    std::lock_guard<std::mutex> guard(impl_->lock);
    return impl_->wanted;
}

MicrophoneStatus VirtualMicrophone::status() const
{
    std::lock_guard<std::mutex> guard(impl_->statusLock);
    return impl_->shown;
}

unsigned VirtualMicrophone::statusGeneration() const { return impl_->generation.load(std::memory_order_acquire); }

std::vector<std::pair<std::string, std::string>> VirtualMicrophone::Microphones(const std::string& server)
{
    PulseConnection connection;
    if (!connection.connect(server, ClientName, ConnectTimeoutMs))
        return {};
    const std::string speakers = connection.defaultSink();
    std::vector<std::pair<std::string, std::string>> found;
    for (const PulseSource& source : connection.sources())
        if (Mixable(source, speakers))
            found.emplace_back(source.name, source.description);
    return found;
}

bool VirtualMicrophone::ServerAnswers(const std::string& server)
{
    PulseConnection connection;
    return connection.connect(server, ClientName, ConnectTimeoutMs);
}

int VirtualMicrophone::RemoveLeftovers(const std::string& server)
{
    PulseConnection connection;
    if (!connection.connect(server, ClientName, ConnectTimeoutMs))
        return 0;
    int removed = 0;
    for (const PulseModule& module : connection.modules()) {
        Mark mark;
        if (ReadMark(module.argument, mark) && !OwnerAlive(mark.owner) && connection.unloadModule(module.index))
            ++removed;
    }
    return removed;
}

} // namespace audio
