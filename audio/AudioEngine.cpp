#include "audio/AudioEngine.h"

#include "audio/AudioDevice.h"
#include "audio/AudioWorker.h"
#include "audio/Mixer.h"
#include "audio/PulseOutput.h"
#include "audio/Sound.h"
#include "audio/TapRing.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace audio {

namespace {

enum class Loaded { Empty, Loading, Ready, Unplayable };

struct KeyEntry {
    KeyState state;
    Loaded loaded = Loaded::Empty;
    std::uint32_t generation = 0;
    bool playing = false;
    std::uint32_t serial = 0; // of the run that plays now
};

float Gain(int percent) { return float(std::clamp(percent, 0, 100)) / 100.0f; }

} // namespace

struct AudioEngine::Impl {
    EngineOptions options;
    std::unique_ptr<Mixer> mixer;
    std::unique_ptr<AudioWorker> worker;
    AudioDevice device;
    PulseOutput server;
    std::atomic<bool> served{false}; // the sound server plays, not SDL
    unsigned seenGeneration = 0;

    mutable std::mutex lock; // the key table and the settings below; never taken by the audio thread
    KeyEntry keys[VoiceCount]; // the twenty keys, then the preview
    bool previewWaiting = false; // the preview plays as soon as its file is decoded
    int masterPercent = 100;
    bool soundOn = true;
    std::uint32_t lastSerial = 0;
    DeviceStatus status;

    std::mutex callbackLock;
    EventCallback callback;

    // Sounds to microphone (the host's thread only).
    std::unique_ptr<VirtualMicrophone> microphone;
    MicrophoneOptions microphoneOptions;
    bool microphoneWanted = false;
    MicrophoneStatus microphoneFailure; // why the last attempt failed
    TapRing tap;            // outlives every output that reads or fills it
    PulseOutput microphoneFeed; // the mix, into the microphone's mix sink
    bool feeding = false;

    // The mix reaches the microphone while it is wanted and the engine runs.
    void feedMicrophone()
    {
        if (!microphoneWanted || !mixer || feeding)
            return;
        ServerOutputOptions feed = options.server;
        feed.leadWrite = false; // the tap cannot follow a lead write; the short queue keeps it quick
        feed.strictDevice = true;
        feed.keepRate = true;
        // The mix sink is ours alone: have it run at this stream's short latency from the first sound.
        feed.earlyRequests = false;
        feed.streamName = "Sounds for the microphone";
        if (!microphoneFeed.open(feed, VirtualMicrophone::MixSinkName, mixer->sampleRate()))
            return;
        microphoneFeed.start(
            [](void* context, float* out, int frames) {
                auto* ring = static_cast<TapRing*>(context);
                ring->pull(out, frames, FeedTargetFrames, FeedLimitFrames);
            },
            nullptr, &tap);
        mixer->setTap(&tap);
        feeding = true;
    }

    void stopFeeding()
    {
        if (mixer)
            mixer->setTap(nullptr);
        microphoneFeed.close();
        feeding = false;
    }

    // The mix waiting for the microphone's stream: drained towards 10 ms, skipped beyond 200 ms (at 48 kHz).
    static constexpr int FeedTargetFrames = 96;
    static constexpr int FeedLimitFrames = 2400;

    void post(MixerCommandKind kind, int key, float value = 0, std::uint32_t serial = 0)
    {
        if (mixer)
            mixer->post({kind, key, value, serial, nullptr});
    }

    void notify(const AudioEvent& event)
    {
        EventCallback copy;
        {
            std::lock_guard<std::mutex> guard(callbackLock);
            copy = callback;
        }
        if (!copy)
            return;
        try {
            copy(event);
        } catch (...) {
            // The host's failure must not end the engine's thread.
        }
    }

    bool wanted(const AudioWorker::LoadJob& job)
    {
        std::lock_guard<std::mutex> guard(lock);
        return keys[job.key].generation == job.generation;
    }

    void loaded(const AudioWorker::LoadJob& job, const Sound* sound, const std::string& error)
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            KeyEntry& entry = keys[job.key];
            if (entry.generation != job.generation)
                return;
            entry.playing = false;
            if (sound && job.key == PreviewVoice && previewWaiting) {
                previewWaiting = false;
                startVoice(PreviewVoice);
            }
            if (sound) {
                entry.loaded = Loaded::Ready;
                entry.state.duration = sound->durationSeconds;
                entry.state.streamed = sound->streamed();
                entry.state.memoryBytes = (long long)(sound->head.size() * sizeof(float)) +
                                          (sound->streamed() ? (long long)StreamRing::bytes() : 0);
            } else {
                entry.loaded = job.path.empty() ? Loaded::Empty : Loaded::Unplayable;
                entry.state.reason = error;
            }
        }
        notify({AudioEventKind::KeyChanged, job.key, 0});
    }

    void mixerEvent(const MixerEvent& event)
    {
        if (!IsValidVoice(event.key))
            return;
        AudioEvent out{AudioEventKind::VoiceEnded, event.key, 0};
        {
            std::lock_guard<std::mutex> guard(lock);
            KeyEntry& entry = keys[event.key];
            if (event.serial != entry.serial)
                return; // about an earlier run
            if (event.kind == MixerEventKind::Ended) {
                if (!entry.playing)
                    return;
                entry.playing = false;
                entry.state.progress = 0;
            } else {
                if (!entry.playing)
                    return;
                const double progress = event.total > 0 ? double(event.position) / double(event.total) : 0.0;
                entry.state.progress = std::clamp(progress, 0.0, 1.0);
                out = {AudioEventKind::Progress, event.key, entry.state.progress};
            }
        }
        notify(out);
    }

    // The service thread, every few milliseconds: news of the output reaches the host.
    void tick()
    {
        if (!served)
            return;
        const unsigned generation = server.statusGeneration();
        if (generation == seenGeneration)
            return;
        seenGeneration = generation;
        notify({AudioEventKind::DeviceChanged, 0, 0});
    }

    // Under the lock: a new run of the voice from its start.
    void startVoice(int voice)
    {
        KeyEntry& entry = keys[voice];
        entry.serial = ++lastSerial;
        entry.playing = true;
        entry.state.progress = 0;
        post(MixerCommandKind::Play, voice, 0, entry.serial);
        if (served)
            server.kick();
    }

    void requestLoad(int key)
    {
        if (worker)
            worker->requestLoad({key, keys[key].state.path, keys[key].generation});
    }
};

AudioEngine::AudioEngine() : impl_(std::make_unique<Impl>()) {}

AudioEngine::~AudioEngine()
{
    shutdown();
    impl_->microphone.reset(); // removes the devices
}

bool AudioEngine::start(const EngineOptions& options)
{
    shutdown();
    Impl& d = *impl_;
    d.options = options;
    int rate = options.sampleRate > 0 ? options.sampleRate : 48000;
    bool silent = false;
    DeviceStatus status;
    OutputKind kind = options.output;
    if (kind == OutputKind::Auto && std::getenv("SDL_AUDIODRIVER"))
        kind = OutputKind::Sdl;
    if (kind == OutputKind::Auto || kind == OutputKind::SoundServer) {
        d.served = d.server.open(options.server, options.device, rate);
        if (d.served) {
            rate = d.server.sampleRate();
            status = d.server.status();
        } else if (kind == OutputKind::SoundServer) {
            status = d.server.status();
            status.sampleRate = rate;
            silent = true;
        }
    }
    if (d.served || silent) {
        // decided above
    } else if (kind == OutputKind::Pulled) {
        status.state = DeviceState::Pulled;
        status.driver = "pulled";
        status.sampleRate = rate;
        status.bufferFrames = options.bufferFrames;
    } else if (d.device.open(rate, options.bufferFrames)) {
        status = d.device.status();
        rate = status.sampleRate;
    } else {
        status = d.device.status();
        status.sampleRate = rate;
        silent = true;
    }
    d.mixer = std::make_unique<Mixer>(rate);
    AudioWorker::Hooks hooks;
    hooks.wanted = [&d](const AudioWorker::LoadJob& job) { return d.wanted(job); };
    hooks.loaded = [&d](const AudioWorker::LoadJob& job, const Sound* sound, const std::string& error) {
        d.loaded(job, sound, error);
    };
    hooks.mixerEvent = [&d](const MixerEvent& event) { d.mixerEvent(event); };
    hooks.tick = [&d] { d.tick(); };
    d.worker = std::make_unique<AudioWorker>(
        *d.mixer, SoundLoadLimits{options.streamAfterSeconds, options.streamHeadSeconds}, std::move(hooks));
    {
        // Settings made before the start (or kept from an earlier run) go to the new mixer.
        std::lock_guard<std::mutex> guard(d.lock);
        d.status = status;
        d.post(MixerCommandKind::MasterVolume, 0, Gain(d.masterPercent));
        d.post(MixerCommandKind::SoundSwitch, 0, d.soundOn ? 1.0f : 0.0f);
        for (int key = 0; key < VoiceCount; ++key) {
            KeyEntry& entry = d.keys[key];
            d.post(MixerCommandKind::KeyVolume, key, Gain(entry.state.volume));
            d.post(MixerCommandKind::Loop, key, entry.state.loop ? 1.0f : 0.0f);
            entry.playing = false;
            if (!entry.state.path.empty()) {
                entry.loaded = Loaded::Loading;
                ++entry.generation;
                d.requestLoad(key);
            }
        }
    }
    d.worker->start(silent);
    d.feedMicrophone();
    if (d.served)
        d.server.start([](void* mixer, float* out, int frames) { static_cast<Mixer*>(mixer)->render(out, frames); },
                       [](void* mixer, float* out, int frames) {
                           return static_cast<Mixer*>(mixer)->renderLead(out, frames);
                       },
                       d.mixer.get());
    else if (status.state == DeviceState::Playing)
        d.device.start([](void* mixer, float* out, int frames) { static_cast<Mixer*>(mixer)->render(out, frames); },
                       d.mixer.get());
    return !silent;
}

void AudioEngine::shutdown()
{
    Impl& d = *impl_;
    d.stopFeeding();
    d.device.close();
    d.server.close();
    d.served = false;
    if (d.worker)
        d.worker->stop();
    d.worker.reset();
    d.mixer.reset();
    std::lock_guard<std::mutex> guard(d.lock);
    d.status = DeviceStatus{};
    for (KeyEntry& entry : d.keys) {
        entry.playing = false;
        entry.state.progress = 0;
        if (entry.loaded == Loaded::Ready)
            entry.loaded = Loaded::Loading; // decoded again at the next start
    }
}

void AudioEngine::assign(int key, const std::string& path)
{
    if (!IsValidKey(key))
        return;
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    KeyEntry& entry = d.keys[key];
    ++entry.generation;
    entry.state.path = path;
    entry.state.reason.clear();
    entry.state.duration = 0;
    entry.state.progress = 0;
    entry.state.streamed = false;
    entry.state.memoryBytes = 0;
    entry.playing = false;
    entry.loaded = path.empty() ? Loaded::Empty : Loaded::Loading;
    d.post(MixerCommandKind::Stop, key);
    d.requestLoad(key);
}

void AudioEngine::play(int key)
{
    if (!IsValidKey(key))
        return;
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    KeyEntry& entry = d.keys[key];
    if (entry.loaded != Loaded::Ready)
        return;
    if (entry.playing && entry.state.loop) {
        entry.playing = false;
        entry.state.progress = 0;
        d.post(MixerCommandKind::Stop, key);
        return;
    }
    d.startVoice(key);
}

void AudioEngine::preview(const std::string& path, bool loop)
{
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    KeyEntry& entry = d.keys[PreviewVoice];
    entry.state.loop = loop;
    d.post(MixerCommandKind::Loop, PreviewVoice, loop ? 1.0f : 0.0f);
    if (path.empty())
        return;
    if (path == entry.state.path && entry.loaded == Loaded::Ready) {
        d.startVoice(PreviewVoice);
        return;
    }
    ++entry.generation;
    entry.state.path = path;
    entry.state.reason.clear();
    entry.state.duration = 0;
    entry.playing = false;
    entry.loaded = Loaded::Loading;
    d.previewWaiting = true;
    d.post(MixerCommandKind::Stop, PreviewVoice);
    d.requestLoad(PreviewVoice);
}

void AudioEngine::stopPreview()
{
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    d.previewWaiting = false;
    d.keys[PreviewVoice].playing = false;
    d.keys[PreviewVoice].state.progress = 0;
    d.post(MixerCommandKind::Stop, PreviewVoice);
}

void AudioEngine::stop(int key)
{
    if (!IsValidKey(key))
        return;
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    d.keys[key].playing = false;
    d.keys[key].state.progress = 0;
    d.post(MixerCommandKind::Stop, key);
}

void AudioEngine::stopAll()
{
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    for (KeyEntry& entry : d.keys) {
        entry.playing = false;
        entry.state.progress = 0;
    }
    d.post(MixerCommandKind::StopAll, 0);
}

void AudioEngine::setKeyVolume(int key, int percent)
{
    if (!IsValidKey(key))
        return;
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    d.keys[key].state.volume = std::clamp(percent, 0, 100);
    d.post(MixerCommandKind::KeyVolume, key, Gain(percent));
}

void AudioEngine::setLoop(int key, bool loop)
{
    if (!IsValidKey(key))
        return;
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    d.keys[key].state.loop = loop;
    d.post(MixerCommandKind::Loop, key, loop ? 1.0f : 0.0f);
}

void AudioEngine::setMasterVolume(int percent)
{
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    d.masterPercent = std::clamp(percent, 0, 100);
    d.post(MixerCommandKind::MasterVolume, 0, Gain(percent));
}

void AudioEngine::setSoundSwitch(bool on)
{
    Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    d.soundOn = on;
    d.post(MixerCommandKind::SoundSwitch, 0, on ? 1.0f : 0.0f);
}

bool AudioEngine::setMicrophone(bool on, const MicrophoneOptions& options)
{
    Impl& d = *impl_;
    if (!on) {
        d.microphoneWanted = false;
        d.microphoneFailure = {};
        d.stopFeeding();
        if (d.microphone)
            d.microphone->stop();
        return true;
    }
    if (!d.microphone)
        d.microphone = std::make_unique<VirtualMicrophone>();
    d.microphoneOptions = options;
    if (d.mixer)
        d.microphoneOptions.sampleRate = d.mixer->sampleRate();
    if (!d.microphone->start(d.microphoneOptions)) {
        d.microphoneFailure = d.microphone->status();
        d.microphoneWanted = false;
        d.stopFeeding();
        d.microphone->stop();
        return false;
    }
    d.microphoneFailure = {};
    d.microphoneWanted = true;
    d.feedMicrophone();
    return true;
}

MicrophoneStatus AudioEngine::microphoneStatus() const
{
    const Impl& d = *impl_;
    if (!d.microphoneWanted)
        return d.microphoneFailure;
    return d.microphone ? d.microphone->status() : MicrophoneStatus{};
}

KeyState AudioEngine::previewState() const
{
    return keyState(PreviewVoice);
}

KeyState AudioEngine::keyState(int key) const
{
    if (!IsValidVoice(key))
        return {};
    const Impl& d = *impl_;
    std::lock_guard<std::mutex> guard(d.lock);
    const KeyEntry& entry = d.keys[key];
    KeyState state = entry.state;
    switch (entry.loaded) {
    case Loaded::Empty: state.status = KeyStatus::Empty; break;
    case Loaded::Loading: state.status = KeyStatus::Loading; break;
    case Loaded::Unplayable: state.status = KeyStatus::Unplayable; break;
    case Loaded::Ready:
        state.status = !entry.playing ? KeyStatus::Ready : entry.state.loop ? KeyStatus::Looping : KeyStatus::Playing;
        break;
    }
    if (!entry.playing)
        state.progress = 0;
    return state;
}

DeviceStatus AudioEngine::deviceStatus() const
{
    if (impl_->served)
        return impl_->server.status();
    std::lock_guard<std::mutex> guard(impl_->lock);
    return impl_->status;
}

void AudioEngine::setOutputDevice(const std::string& name)
{
    impl_->options.device = name;
    if (impl_->served)
        impl_->server.setDevice(name);
}

std::vector<std::pair<std::string, std::string>> AudioEngine::outputDevices() const
{
    return impl_->served ? impl_->server.devices() : std::vector<std::pair<std::string, std::string>>{};
}

int AudioEngine::sampleRate() const
{
    std::lock_guard<std::mutex> guard(impl_->lock);
    return impl_->status.sampleRate;
}

long long AudioEngine::underrunFrames() const { return impl_->mixer ? impl_->mixer->underrunFrames() : 0; }

void AudioEngine::setEventCallback(EventCallback callback)
{
    std::lock_guard<std::mutex> guard(impl_->callbackLock);
    impl_->callback = std::move(callback);
}

void AudioEngine::render(float* stereo, int frames)
{
    if (!stereo || frames <= 0)
        return;
    Impl& d = *impl_;
    if (d.mixer && d.options.output == OutputKind::Pulled)
        d.mixer->render(stereo, frames);
    else
        std::memset(stereo, 0, sizeof(float) * 2 * std::size_t(frames));
}

} // namespace audio
