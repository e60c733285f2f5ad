#include "audio/PulseConnection.h"

#include <pulse/pulseaudio.h>

#include <chrono>

namespace audio {

namespace {

// Holds the main loop's lock for a scope.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

// What a query collects, with the loop to wake when it is complete.
template <typename T> struct Collector {
    pa_threaded_mainloop* loop;
    T result{};
    bool done = false;
};

void Signal(pa_threaded_mainloop* loop) { pa_threaded_mainloop_signal(loop, 0); }

// Waits (the lock held) until the operation ends or the connection breaks.
void Await(pa_threaded_mainloop* loop, pa_context* context, pa_operation* operation)
{
    if (!operation)
        return;
    while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING) {
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED) {
            pa_operation_cancel(operation);
            break;
        }
        pa_threaded_mainloop_wait(loop);
    }
    pa_operation_unref(operation);
}

} // namespace

PulseConnection::~PulseConnection() { disconnect(); }

void PulseConnection::StateCallback(pa_context*, void* self)
{
    auto* connection = static_cast<PulseConnection*>(self);
    Signal(connection->loop_);
    connection->changed();
}

void PulseConnection::EventCallback(pa_context*, int, std::uint32_t, void* self)
{
    static_cast<PulseConnection*>(self)->changed();
}

void PulseConnection::changed()
{
    if (onChange)
        onChange();
}

bool PulseConnection::connect(const std::string& server, const std::string& clientName, int timeoutMs)
{
    disconnect();
    loop_ = pa_threaded_mainloop_new();
    if (!loop_)
        return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), clientName.c_str());
    if (!context_ || pa_threaded_mainloop_start(loop_) < 0) {
        disconnect();
        return false;
    }
    LoopLock lock(loop_);
    pa_context_set_state_callback(context_, StateCallback, this);
    if (pa_context_connect(context_, server.empty() ? nullptr : server.c_str(), PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context_);
        if (state == PA_CONTEXT_READY)
            break;
        if (!PA_CONTEXT_IS_GOOD(state) || std::chrono::steady_clock::now() >= deadline)
            return false;
        // The state callback wakes us; a server that never answers is caught by the deadline,
        // since the library gives up on a dead socket quickly.
        pa_threaded_mainloop_wait(loop_);
    }
    pa_context_set_subscribe_callback(
        context_, [](pa_context* c, pa_subscription_event_type_t t, std::uint32_t i, void* s) { EventCallback(c, int(t), i, s); },
        this);
    const auto mask = pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_MODULE | PA_SUBSCRIPTION_MASK_SOURCE |
                                             PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER);
    Await(loop_, context_, pa_context_subscribe(context_, mask, [](pa_context*, int, void* l) { Signal(static_cast<pa_threaded_mainloop*>(l)); }, loop_));
    return true;
}

bool PulseConnection::ready() const
{
    if (!loop_ || !context_)
        return false;
    LoopLock lock(loop_);
    return pa_context_get_state(context_) == PA_CONTEXT_READY;
}

void PulseConnection::disconnect()
{
    if (loop_ && context_) {
        {
            LoopLock lock(loop_);
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_set_subscribe_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
        }
    }
    if (loop_)
        pa_threaded_mainloop_stop(loop_);
    if (context_)
        pa_context_unref(context_);
    if (loop_)
        pa_threaded_mainloop_free(loop_);
    context_ = nullptr;
    loop_ = nullptr;
}

std::vector<PulseModule> PulseConnection::modules()
{
    if (!loop_ || !context_)
        return {};
    Collector<std::vector<PulseModule>> collector{loop_};
    LoopLock lock(loop_);
    auto callback = [](pa_context*, const pa_module_info* info, int eol, void* data) {
        auto* c = static_cast<Collector<std::vector<PulseModule>>*>(data);
        if (eol == 0 && info)
            c->result.push_back({info->index, info->name ? info->name : "", info->argument ? info->argument : ""});
        else
            c->done = true;
        Signal(c->loop);
    };
    Await(loop_, context_, pa_context_get_module_info_list(context_, callback, &collector));
    return collector.result;
}

std::vector<PulseSource> PulseConnection::sources()
{
    if (!loop_ || !context_)
        return {};
    struct Found {
        std::vector<PulseSource> sources;
        std::vector<std::uint32_t> monitorOfIndex;
    };
    Collector<Found> collector{loop_};
    LoopLock lock(loop_);
    auto callback = [](pa_context*, const pa_source_info* info, int eol, void* data) {
        auto* c = static_cast<Collector<Found>*>(data);
        if (eol == 0 && info) {
            c->result.sources.push_back({info->name ? info->name : "", info->description ? info->description : "",
                                         info->monitor_of_sink != PA_INVALID_INDEX, ""});
            c->result.monitorOfIndex.push_back(info->monitor_of_sink);
        } else {
            c->done = true;
        }
        Signal(c->loop);
    };
    Await(loop_, context_, pa_context_get_source_info_list(context_, callback, &collector));
    // A monitor is named after its sink: "<sink>.monitor".
    for (PulseSource& source : collector.result.sources)
        if (source.monitor && source.name.size() > 8 && source.name.ends_with(".monitor"))
            source.monitorOf = source.name.substr(0, source.name.size() - 8);
    return collector.result.sources;
}

namespace {

struct Defaults {
    std::string source;
    std::string sink;
};

Defaults ServerDefaults(pa_threaded_mainloop* loop, pa_context* context)
{
    if (!loop || !context)
        return {};
    Collector<Defaults> collector{loop};
    LoopLock lock(loop);
    auto callback = [](pa_context*, const pa_server_info* info, void* data) {
        auto* c = static_cast<Collector<Defaults>*>(data);
        if (info) {
            c->result.source = info->default_source_name ? info->default_source_name : "";
            c->result.sink = info->default_sink_name ? info->default_sink_name : "";
        }
        c->done = true;
        Signal(c->loop);
    };
    Await(loop, context, pa_context_get_server_info(context, callback, &collector));
    return collector.result;
}

} // namespace

std::string PulseConnection::defaultSource() { return ServerDefaults(loop_, context_).source; }

std::string PulseConnection::defaultSink() { return ServerDefaults(loop_, context_).sink; }

std::uint32_t PulseConnection::loadModule(const std::string& name, const std::string& arguments)
{
    if (!loop_ || !context_)
        return NoIndex;
    Collector<std::uint32_t> collector{loop_, NoIndex};
    LoopLock lock(loop_);
    auto callback = [](pa_context*, std::uint32_t index, void* data) {
        auto* c = static_cast<Collector<std::uint32_t>*>(data);
        c->result = index;
        c->done = true;
        Signal(c->loop);
    };
    Await(loop_, context_, pa_context_load_module(context_, name.c_str(), arguments.c_str(), callback, &collector));
    return collector.result;
}

bool PulseConnection::unloadModule(std::uint32_t index)
{
    if (!loop_ || !context_)
        return false;
    Collector<bool> collector{loop_};
    LoopLock lock(loop_);
    auto callback = [](pa_context*, int success, void* data) {
        auto* c = static_cast<Collector<bool>*>(data);
        c->result = success != 0;
        c->done = true;
        Signal(c->loop);
    };
    Await(loop_, context_, pa_context_unload_module(context_, index, callback, &collector));
    return collector.result;
}

} // namespace audio
