#include "audio/PulseOutput.h"

#include "audio/LatencyGovernor.h"
#include "audio/RequestSize.h"

#include <pulse/pulseaudio.h>

#include <pthread.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>

namespace audio {

namespace {

constexpr int FrameBytes = 2 * int(sizeof(float));
constexpr int ScratchFrames = 8192;
constexpr int HistoryFrames = 16384; // what was written lately, by absolute frame
constexpr int RealtimePriority = 5;
constexpr auto ConnectTimeout = std::chrono::seconds(2);
constexpr pa_usec_t ReconnectDelay = 500 * PA_USEC_PER_MSEC;
constexpr pa_usec_t RecreateDelay = 50 * PA_USEC_PER_MSEC;
constexpr pa_usec_t DriveInterval = 10 * PA_USEC_PER_MSEC;
constexpr pa_usec_t GovernorInterval = 1000 * PA_USEC_PER_MSEC;

double SecondsNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

int FramesOf(int microseconds, int rate) { return std::max(1, int((long long)microseconds * rate / 1000000)); }

} // namespace

struct PulseOutput::Impl {
    ServerOutputOptions options;
    std::string wanted;            // the sink asked for; empty: the default
    int rate = 48000;

    pa_threaded_mainloop* loop = nullptr;
    pa_mainloop_api* api = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    pa_time_event* retryTimer = nullptr;
    pa_time_event* driveTimer = nullptr;
    pa_time_event* governorTimer = nullptr;
    pa_io_event* kickEvent = nullptr;
    std::atomic<int> kickFd{-1};

    // Mainloop thread (or under its lock) only.
    bool everReady = false;
    bool sinksKnown = false;
    bool failed = false;
    bool closing = false;
    std::map<std::uint32_t, std::pair<std::string, std::string>> sinks; // index: name, description
    std::map<std::string, int> sinkRates;
    std::string defaultSink;
    bool pipeWire = false;
    std::string current;
    RenderFunction render = nullptr;
    LeadFunction leadRender = nullptr;
    void* renderContext = nullptr;
    std::vector<float> scratch;
    std::vector<float> history;     // HistoryFrames stereo frames, a ring
    std::vector<float> leadBuffer;
    long long written = 0;          // frames written to this stream
    long long leads = 0;
    bool realtimeTried = false;
    std::unique_ptr<LatencyGovernor> governor;
    std::chrono::steady_clock::time_point driveStart;
    long long driven = 0;

    mutable std::mutex statusLock;
    DeviceStatus shown;
    std::atomic<unsigned> generation{0};

    // ---- status -------------------------------------------------------

    void publish(DeviceState state)
    {
        DeviceStatus next;
        next.state = state;
        next.driver = "pulse";
        next.device = current;
        next.sampleRate = rate;
        next.bufferFrames = governor ? governor->frames() : FramesOf(targetMicroseconds(), rate);
        next.underruns = governor ? governor->underruns() : 0;
        {
            std::lock_guard<std::mutex> guard(statusLock);
            next.realtime = shown.realtime;
            if (state == DeviceState::Reconnecting)
                next.message = "sound server lost: reconnecting";
            else if (state == DeviceState::Silent)
                next.message = shown.message;
            else if (!wanted.empty() && sinksKnown && current != wanted)
                next.message = "output device \"" + wanted + "\" is missing: playing on \"" + current + "\"";
            else if (governor && governor->frames() > FramesOf(targetMicroseconds(), rate))
                next.message = std::to_string(governor->underruns()) + " dropouts: buffer raised to " +
                               std::to_string(governor->frames() * 1000 / rate) + " ms";
            if (next == shown)
                return;
            shown = next;
        }
        generation.fetch_add(1, std::memory_order_release);
    }

    DeviceState liveState() const
    {
        if (stream && pa_stream_get_state(stream) == PA_STREAM_READY)
            return DeviceState::Playing;
        return DeviceState::Reconnecting;
    }

    // ---- timers -------------------------------------------------------

    pa_time_event* arm(pa_time_event* event, pa_usec_t delay, pa_time_event_cb_t callback)
    {
        timeval when{};
        pa_timeval_add(pa_gettimeofday(&when), delay);
        if (event) {
            api->time_restart(event, &when);
            return event;
        }
        return api->time_new(api, &when, callback, this);
    }

    void disarm(pa_time_event*& event)
    {
        if (event)
            api->time_free(event);
        event = nullptr;
    }

    // ---- connection ---------------------------------------------------

    void connect()
    {
        dropContext();
        sinksKnown = false;
        sinks.clear();
        sinkRates.clear();
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, options.clientName.c_str());
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
        context = pa_context_new_with_proplist(api, options.clientName.c_str(), properties);
        pa_proplist_free(properties);
        if (!context) {
            scheduleReconnect();
            return;
        }
        pa_context_set_state_callback(context, &Impl::OnContextState, this);
        if (pa_context_connect(context, options.server.empty() ? nullptr : options.server.c_str(),
                               PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            lost();
    }

    void dropStream()
    {
        if (!stream)
            return;
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_set_underflow_callback(stream, nullptr, nullptr);
        pa_stream_set_moved_callback(stream, nullptr, nullptr);
        if (pa_stream_get_state(stream) == PA_STREAM_READY || pa_stream_get_state(stream) == PA_STREAM_CREATING)
            pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }

    void dropContext()
    {
        dropStream();
        if (!context)
            return;
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_set_subscribe_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }

    void scheduleReconnect()
    {
        if (closing)
            return;
        retryTimer = arm(retryTimer, ReconnectDelay, &Impl::OnRetry);
    }

    // The server is gone (or never answered): keep time, try again later.
    void lost()
    {
        failed = true;
        dropContext();
        current.clear();
        pa_threaded_mainloop_signal(loop, 0);
        if (closing || !everReady)
            return;
        startDriving();
        publish(DeviceState::Reconnecting);
        scheduleReconnect();
    }

    void ready()
    {
        failed = false;
        everReady = true;
        pa_context_set_subscribe_callback(context, &Impl::OnSubscription, this);
        pa_operation_unref(pa_context_subscribe(
            context, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER), nullptr,
            nullptr));
        pa_operation_unref(pa_context_get_server_info(context, &Impl::OnServerInfo, this));
        pa_operation_unref(pa_context_get_sink_info_list(context, &Impl::OnSinkList, this));
    }

    // After the sink list: the stream, if the owner has started.
    void sinksArrived()
    {
        sinksKnown = true;
        pa_threaded_mainloop_signal(loop, 0);
        if (render && !stream)
            createStream();
    }

    bool hasSink(const std::string& name) const
    {
        return std::any_of(sinks.begin(), sinks.end(), [&](const auto& sink) { return sink.second.first == name; });
    }

    void createStream()
    {
        dropStream();
        if (!context || pa_context_get_state(context) != PA_CONTEXT_READY)
            return;
        if (options.strictDevice && !hasSink(wanted)) {
            startDriving();
            publish(DeviceState::Reconnecting);
            return; // created when the sink appears
        }
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, std::uint32_t(rate), 2};
        stream = pa_stream_new(context, options.streamName.c_str(), &spec, nullptr);
        written = 0;
        if (!stream) {
            retryTimer = arm(retryTimer, RecreateDelay, &Impl::OnRetry);
            return;
        }
        pa_stream_set_state_callback(stream, &Impl::OnStreamState, this);
        pa_stream_set_write_callback(stream, &Impl::OnWrite, this);
        pa_stream_set_underflow_callback(stream, &Impl::OnUnderflow, this);
        pa_stream_set_moved_callback(stream, &Impl::OnMoved, this);
        const pa_buffer_attr attributes = bufferAttributes();
        const char* device = !wanted.empty() && hasSink(wanted) ? wanted.c_str() : nullptr;
        // A strict stream ends with its sink instead of being moved elsewhere.
        const auto flags =
            pa_stream_flags_t((options.earlyRequests ? PA_STREAM_EARLY_REQUESTS : PA_STREAM_ADJUST_LATENCY) |
                              PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE |
                              (options.strictDevice ? PA_STREAM_DONT_MOVE : 0));
        if (pa_stream_connect_playback(stream, device, &attributes, flags, nullptr, nullptr) < 0) {
            dropStream();
            retryTimer = arm(retryTimer, RecreateDelay, &Impl::OnRetry);
        }
    }

    pa_buffer_attr bufferAttributes() const
    {
        pa_buffer_attr attributes{};
        attributes.maxlength = std::uint32_t(-1);
        attributes.tlength = std::uint32_t(governor->frames() * FrameBytes);
        attributes.prebuf = std::uint32_t(-1);
        attributes.minreq = std::uint32_t(FramesOf(options.requestMicroseconds, rate) * FrameBytes);
        attributes.fragsize = std::uint32_t(-1);
        return attributes;
    }

    void streamReady()
    {
        disarm(driveTimer);
        if (const char* name = pa_stream_get_device_name(stream))
            current = name;
        // The server may have chosen differently since; follow the wish.
        if (!wanted.empty() && hasSink(wanted) && current != wanted)
            moveTo(wanted);
        publish(DeviceState::Playing);
    }

    void moveTo(const std::string& sink)
    {
        if (!stream || pa_stream_get_state(stream) != PA_STREAM_READY || sink.empty())
            return;
        pa_operation* operation =
            pa_context_move_sink_input_by_name(context, pa_stream_get_index(stream), sink.c_str(), nullptr, nullptr);
        if (operation)
            pa_operation_unref(operation);
    }

    // ---- the stream's thread work ------------------------------------

    void becomeRealtime()
    {
        realtimeTried = true;
        bool granted = false;
        if (options.realtime) {
            sched_param parameter{};
            parameter.sched_priority = RealtimePriority;
            granted = pthread_setschedparam(pthread_self(), SCHED_FIFO | SCHED_RESET_ON_FORK, &parameter) == 0;
        }
        // Touch the scratch buffer now, so the first real write takes no page fault.
        std::fill(scratch.begin(), scratch.end(), 0.0f);
        std::lock_guard<std::mutex> guard(statusLock);
        shown.realtime = granted;
    }

    void write(std::size_t requested)
    {
        if (!realtimeTried)
            becomeRealtime();
        // A sound started since the last write goes into the queued audio
        // first; rendered here, it would start behind the whole queue.
        if (takeKicks())
            lead();
        std::size_t left = FramesForRequest(requested, FrameBytes);
        while (left > 0) {
            void* data = nullptr;
            std::size_t bytes = left * FrameBytes;
            if (pa_stream_begin_write(stream, &data, &bytes) < 0 || !data || bytes < std::size_t(FrameBytes)) {
                if (data)
                    pa_stream_cancel_write(stream);
                data = scratch.data();
                bytes = std::min<std::size_t>(left, ScratchFrames) * FrameBytes;
            }
            const std::size_t frames = std::min(left, bytes / FrameBytes);
            render(renderContext, static_cast<float*>(data), int(frames));
            remember(static_cast<const float*>(data), frames);
            if (pa_stream_write(stream, data, frames * FrameBytes, nullptr, 0, PA_SEEK_RELATIVE) < 0)
                return;
            left -= frames;
        }
    }

    bool leading() const { return options.leadWrite && !pipeWire; }

    // What the server keeps queued: long for safety when a new sound is
    // written into it, short when it would have to wait behind it.
    int targetMicroseconds() const
    {
        return leading() ? options.targetMicroseconds : options.shortTargetMicroseconds;
    }

    void remember(const float* samples, std::size_t frames)
    {
        for (std::size_t f = 0; f < frames; ++f) {
            const std::size_t slot = std::size_t((written + (long long)f) % HistoryFrames) * 2;
            history[slot] = samples[2 * f];
            history[slot + 1] = samples[2 * f + 1];
        }
        written += (long long)frames;
    }

    // Where the server reads now, in frames of this stream; -1 when unknown.
    // From its last report, moved on by the time since: the library's own
    // interpolated clock never goes back, so a late start would leave it ahead.
    long long readPoint() const
    {
        const pa_timing_info* timing = pa_stream_get_timing_info(stream);
        if (!timing || timing->read_index_corrupt)
            return -1;
        long long frames = timing->read_index / FrameBytes;
        if (timing->playing)
            frames += (long long)(pa_timeval_age(&timing->timestamp) * (pa_usec_t)rate / PA_USEC_PER_SEC);
        return frames;
    }

    // A sound just started: mix its start into the audio the server holds
    // but has not read, from a little past its read point, and write that
    // stretch again in place.
    void lead()
    {
        if (!stream || pa_stream_get_state(stream) != PA_STREAM_READY || !leadRender || !leading())
            return;
        const long long readAt = readPoint();
        if (readAt < 0)
            return;
        long long start = readAt + FramesOf(options.leadMarginMicroseconds, rate);
        start = std::max(start, written - HistoryFrames + 1);
        if (start >= written)
            return; // nothing queued past the margin: the next request starts it
        const int frames = int(written - start);
        for (int f = 0; f < frames; ++f) {
            const std::size_t slot = std::size_t((start + f) % HistoryFrames) * 2;
            leadBuffer[2 * std::size_t(f)] = history[slot];
            leadBuffer[2 * std::size_t(f) + 1] = history[slot + 1];
        }
        if (!leadRender(renderContext, leadBuffer.data(), frames))
            return;
        for (int i = 0; i < frames * 2; ++i)
            leadBuffer[std::size_t(i)] = std::clamp(leadBuffer[std::size_t(i)], -1.0f, 1.0f);
        const long long end = written;
        written = start;
        remember(leadBuffer.data(), std::size_t(frames));
        written = end;
        // What the server has read meanwhile it drops; the rest replaces what it held.
        pa_stream_write(stream, leadBuffer.data(), std::size_t(frames) * FrameBytes, nullptr,
                        start * FrameBytes, PA_SEEK_ABSOLUTE);
        ++leads;
    }

    bool takeKicks()
    {
        std::uint64_t count = 0;
        const int fd = kickFd.load();
        return fd >= 0 && ::read(fd, &count, sizeof count) == ssize_t(sizeof count) && count > 0;
    }

    static void OnKick(pa_mainloop_api*, pa_io_event*, int, pa_io_event_flags_t, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        if (d->takeKicks())
            d->lead();
    }

    void underflow()
    {
        if (governor->underrun(SecondsNow()))
            applyBufferLength();
        publish(liveState());
    }

    void applyBufferLength()
    {
        if (!stream || pa_stream_get_state(stream) != PA_STREAM_READY)
            return;
        const pa_buffer_attr attributes = bufferAttributes();
        if (pa_operation* operation = pa_stream_set_buffer_attr(stream, &attributes, nullptr, nullptr))
            pa_operation_unref(operation);
    }

    void startDriving()
    {
        if (!render || driveTimer)
            return;
        driveStart = std::chrono::steady_clock::now();
        driven = 0;
        driveTimer = arm(nullptr, DriveInterval, &Impl::OnDrive);
    }

    // No stream: render into nowhere at the real-time pace, so voices still end.
    void drive()
    {
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - driveStart).count();
        long long due = (long long)(elapsed * rate) - driven;
        due = std::min<long long>(due, rate); // a stall is skipped, not caught up
        driven += due;
        while (due > 0 && render) {
            const int frames = int(std::min<long long>(due, ScratchFrames));
            render(renderContext, scratch.data(), frames);
            due -= frames;
        }
        driven = std::max(driven, (long long)(elapsed * rate));
        driveTimer = arm(driveTimer, DriveInterval, &Impl::OnDrive);
    }

    // ---- callbacks ----------------------------------------------------

    static void OnContextState(pa_context* context, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            d->ready();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            d->lost();
            break;
        default:
            break;
        }
    }

    static void OnRetry(pa_mainloop_api*, pa_time_event*, const timeval*, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        if (d->closing)
            return;
        if (!d->context || pa_context_get_state(d->context) != PA_CONTEXT_READY)
            d->connect();
        else if (!d->stream && d->render)
            d->createStream();
    }

    static void OnDrive(pa_mainloop_api*, pa_time_event*, const timeval*, void* user)
    {
        static_cast<Impl*>(user)->drive();
    }

    static void OnGovernorTick(pa_mainloop_api*, pa_time_event*, const timeval*, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        if (d->governor->tick(SecondsNow())) {
            d->applyBufferLength();
            d->publish(d->liveState());
        }
        d->governorTimer = d->arm(d->governorTimer, GovernorInterval, &Impl::OnGovernorTick);
    }

    static void OnServerInfo(pa_context*, const pa_server_info* info, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        if (info && info->default_sink_name)
            d->defaultSink = info->default_sink_name;
        if (info && info->server_name)
            d->pipeWire = std::strstr(info->server_name, "PipeWire") != nullptr;
    }

    static void OnSinkList(pa_context*, const pa_sink_info* info, int eol, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        if (eol) {
            d->sinksArrived();
            return;
        }
        if (info && info->name) {
            d->sinks[info->index] = {info->name, info->description ? info->description : ""};
            d->sinkRates[info->name] = int(info->sample_spec.rate);
        }
    }

    static void OnSinkAdded(pa_context*, const pa_sink_info* info, int eol, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        if (eol || !info || !info->name)
            return;
        d->sinks[info->index] = {info->name, info->description ? info->description : ""};
        if (d->options.strictDevice && d->wanted == info->name && !d->stream && d->render) {
            d->createStream();
            return;
        }
        // The chosen device is back: playback returns to it.
        if (!d->wanted.empty() && d->wanted == info->name && d->current != d->wanted)
            d->moveTo(d->wanted);
        d->publish(d->liveState());
    }

    static void OnSubscription(pa_context* context, pa_subscription_event_type_t type, std::uint32_t index,
                               void* user)
    {
        auto* d = static_cast<Impl*>(user);
        const auto facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        const auto kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
        if (facility == PA_SUBSCRIPTION_EVENT_SERVER) {
            pa_operation_unref(pa_context_get_server_info(context, &Impl::OnServerInfo, d));
        } else if (facility == PA_SUBSCRIPTION_EVENT_SINK) {
            if (kind == PA_SUBSCRIPTION_EVENT_REMOVE) {
                d->sinks.erase(index);
                d->publish(d->liveState());
            } else if (kind == PA_SUBSCRIPTION_EVENT_NEW) {
                pa_operation_unref(pa_context_get_sink_info_by_index(context, index, &Impl::OnSinkAdded, d));
            }
        }
    }

    static void OnStreamState(pa_stream* stream, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            d->streamReady();
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            // Its sink went away and took the stream along: start again on the default.
            d->dropStream();
            d->current.clear();
            if (!d->closing && d->context && pa_context_get_state(d->context) == PA_CONTEXT_READY) {
                d->startDriving();
                d->publish(DeviceState::Reconnecting);
                d->retryTimer = d->arm(d->retryTimer, RecreateDelay, &Impl::OnRetry);
            }
            break;
        default:
            break;
        }
    }

    static void OnWrite(pa_stream*, std::size_t bytes, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        if (d->render)
            d->write(bytes);
    }

    static void OnUnderflow(pa_stream*, void* user) { static_cast<Impl*>(user)->underflow(); }

    static void OnMoved(pa_stream* stream, void* user)
    {
        auto* d = static_cast<Impl*>(user);
        if (const char* name = pa_stream_get_device_name(stream))
            d->current = name;
        d->publish(d->liveState());
    }
};

PulseOutput::PulseOutput() : impl_(std::make_unique<Impl>()) {}

PulseOutput::~PulseOutput() { close(); }

bool PulseOutput::open(const ServerOutputOptions& options, const std::string& device, int rate)
{
    close();
    Impl& d = *impl_;
    d.options = options;
    d.wanted = device;
    d.rate = rate > 0 ? rate : 48000;
    d.closing = false;
    d.everReady = false;
    d.failed = false;
    d.scratch.assign(std::size_t(ScratchFrames) * 2, 0.0f);
    d.history.assign(std::size_t(HistoryFrames) * 2, 0.0f);
    d.leadBuffer.assign(std::size_t(HistoryFrames) * 2, 0.0f);
    {
        std::lock_guard<std::mutex> guard(d.statusLock);
        d.shown = DeviceStatus{};
        d.shown.driver = "pulse";
    }
    d.loop = pa_threaded_mainloop_new();
    if (!d.loop)
        return false;
    pa_threaded_mainloop_set_name(d.loop, "brio-output");
    d.api = pa_threaded_mainloop_get_api(d.loop);
    if (pa_threaded_mainloop_start(d.loop) < 0) {
        pa_threaded_mainloop_free(d.loop);
        d.loop = nullptr;
        return false;
    }
    pa_threaded_mainloop_lock(d.loop);
    d.kickFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (d.kickFd.load() >= 0)
        d.kickEvent = d.api->io_new(d.api, d.kickFd, PA_IO_EVENT_INPUT, &Impl::OnKick, &d);
    d.connect();
    const auto deadline = std::chrono::steady_clock::now() + ConnectTimeout;
    // The callbacks signal on every step; a timer wakes the wait if the server hangs.
    pa_time_event* wake = d.arm(nullptr, 100 * PA_USEC_PER_MSEC, [](pa_mainloop_api* api, pa_time_event* event,
                                                                  const timeval*, void* user) {
        auto* impl = static_cast<Impl*>(user);
        pa_threaded_mainloop_signal(impl->loop, 0);
        timeval when{};
        pa_timeval_add(pa_gettimeofday(&when), 100 * PA_USEC_PER_MSEC);
        api->time_restart(event, &when);
    });
    while (!d.failed && !d.sinksKnown && std::chrono::steady_clock::now() < deadline)
        pa_threaded_mainloop_wait(d.loop);
    d.disarm(wake);
    const bool ready = d.sinksKnown && !d.failed;
    if (ready && !d.options.keepRate) {
        // The sink's own rate spares the server a resampler (and its delay).
        const std::string& target = !d.wanted.empty() && d.hasSink(d.wanted) ? d.wanted : d.defaultSink;
        auto found = d.sinkRates.find(target);
        if (found != d.sinkRates.end() && found->second >= 8000 && found->second <= 384000)
            d.rate = found->second;
    }
    std::string why;
    if (!ready)
        why = d.context ? pa_strerror(pa_context_errno(d.context)) : "no sound server answered";
    pa_threaded_mainloop_unlock(d.loop);
    if (!ready) {
        close();
        std::lock_guard<std::mutex> guard(d.statusLock);
        d.shown.state = DeviceState::Silent;
        d.shown.message = "no sound server: " + why;
        return false;
    }
    return true;
}

int PulseOutput::sampleRate() const { return impl_->rate; }

void PulseOutput::kick()
{
    const int fd = impl_->kickFd;
    const std::uint64_t one = 1;
    if (fd >= 0)
        (void)!write(fd, &one, sizeof one);
}

void PulseOutput::start(RenderFunction render, LeadFunction lead, void* context)
{
    Impl& d = *impl_;
    if (!d.loop)
        return;
    pa_threaded_mainloop_lock(d.loop);
    LatencyGovernor::Rules rules;
    rules.baseFrames = FramesOf(d.targetMicroseconds(), d.rate);
    rules.stepFrames = std::max(FramesOf(d.options.requestMicroseconds, d.rate), rules.baseFrames / 2);
    rules.maxFrames = std::max(rules.baseFrames, FramesOf(d.options.maxMicroseconds, d.rate));
    if (!d.options.adaptive)
        rules.maxFrames = rules.baseFrames;
    d.governor = std::make_unique<LatencyGovernor>(rules);
    d.render = render;
    d.leadRender = lead;
    d.renderContext = context;
    if (d.context && pa_context_get_state(d.context) == PA_CONTEXT_READY)
        d.createStream();
    else
        d.startDriving();
    d.governorTimer = d.arm(d.governorTimer, GovernorInterval, &Impl::OnGovernorTick);
    d.publish(d.liveState());
    pa_threaded_mainloop_unlock(d.loop);
}

void PulseOutput::close()
{
    Impl& d = *impl_;
    if (!d.loop)
        return;
    pa_threaded_mainloop_lock(d.loop);
    d.closing = true;
    d.disarm(d.retryTimer);
    d.disarm(d.driveTimer);
    d.disarm(d.governorTimer);
    d.dropContext();
    if (d.kickEvent)
        d.api->io_free(d.kickEvent);
    d.kickEvent = nullptr;
    d.render = nullptr;
    d.leadRender = nullptr;
    d.renderContext = nullptr;
    pa_threaded_mainloop_unlock(d.loop);
    pa_threaded_mainloop_stop(d.loop);
    pa_threaded_mainloop_free(d.loop);
    d.loop = nullptr;
    if (const int fd = d.kickFd.exchange(-1); fd >= 0)
        ::close(fd);
    d.api = nullptr;
    d.realtimeTried = false;
    d.current.clear();
    d.sinks.clear();
    d.sinksKnown = false;
    std::lock_guard<std::mutex> guard(d.statusLock);
    if (d.shown.state != DeviceState::Silent)
        d.shown = DeviceStatus{};
    d.generation.fetch_add(1, std::memory_order_release);
}

void PulseOutput::setDevice(const std::string& name)
{
    Impl& d = *impl_;
    if (!d.loop) {
        d.wanted = name;
        return;
    }
    pa_threaded_mainloop_lock(d.loop);
    d.wanted = name;
    if (!name.empty() && d.hasSink(name))
        d.moveTo(name);
    else if (name.empty() && !d.defaultSink.empty())
        d.moveTo(d.defaultSink);
    d.publish(d.liveState());
    pa_threaded_mainloop_unlock(d.loop);
}

std::vector<std::pair<std::string, std::string>> PulseOutput::devices() const
{
    const Impl& d = *impl_;
    std::vector<std::pair<std::string, std::string>> list;
    if (!d.loop)
        return list;
    pa_threaded_mainloop_lock(d.loop);
    for (const auto& sink : d.sinks)
        list.push_back(sink.second);
    pa_threaded_mainloop_unlock(d.loop);
    return list;
}

DeviceStatus PulseOutput::status() const
{
    std::lock_guard<std::mutex> guard(impl_->statusLock);
    return impl_->shown;
}

unsigned PulseOutput::statusGeneration() const { return impl_->generation.load(std::memory_order_acquire); }

} // namespace audio
