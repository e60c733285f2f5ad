#include "audio/AudioWorker.h"

#include "audio/Mixer.h"
#include "audio/Sound.h"

#include <algorithm>
#include <chrono>
#include <exception>

namespace audio {

namespace {
constexpr auto ServicePeriod = std::chrono::milliseconds(5);
}

AudioWorker::AudioWorker(Mixer& mixer, SoundLoadLimits limits, Hooks hooks)
    : mixer_(mixer), limits_(limits), hooks_(std::move(hooks))
{
}

AudioWorker::~AudioWorker() { stop(); }

void AudioWorker::start(bool driveMixer)
{
    if (loader_.joinable())
        return;
    driveMixer_ = driveMixer;
    stopping_ = serviceStopping_ = false;
    loader_ = std::thread([this] { loaderLoop(); });
    service_ = std::thread([this] { serviceLoop(); });
}

void AudioWorker::stop()
{
    {
        std::lock_guard<std::mutex> lock(jobsLock_);
        stopping_ = true;
    }
    jobsChanged_.notify_all();
    {
        std::lock_guard<std::mutex> lock(serviceLock_);
        serviceStopping_ = true;
    }
    serviceWake_.notify_all();
    if (loader_.joinable())
        loader_.join();
    if (service_.joinable())
        service_.join();
}

void AudioWorker::requestLoad(LoadJob job)
{
    {
        std::lock_guard<std::mutex> lock(jobsLock_);
        jobs_.push_back(std::move(job));
    }
    jobsChanged_.notify_one();
}

void AudioWorker::loaderLoop()
{
    for (;;) {
        LoadJob job;
        {
            std::unique_lock<std::mutex> lock(jobsLock_);
            jobsChanged_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (stopping_)
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        if (!hooks_.wanted(job))
            continue;
        std::string error;
        std::unique_ptr<Sound> sound;
        try {
            if (!job.path.empty())
                sound = LoadSound(job.path, mixer_.sampleRate(), error, limits_);
        } catch (const std::exception& failure) {
            // Nothing may escape a thread; a file too big for memory is just unplayable.
            error = "cannot load " + job.path + ": " + failure.what();
        }
        // A newer assignment may have come while this one decoded.
        if (!hooks_.wanted(job))
            continue;
        Sound* given = sound.get();
        if (sound) {
            // Under the lock: the service thread fills the same rings.
            std::lock_guard<std::mutex> lock(soundsLock_);
            try {
                FillStream(*given);
            } catch (const std::exception&) {
                given->sourceBroken = true;
            }
            sounds_.push_back(std::move(sound));
        }
        if (!postAssign(job.key, given))
            return;
        hooks_.loaded(job, given, error);
    }
}

bool AudioWorker::postAssign(int key, Sound* sound)
{
    MixerCommand command;
    command.kind = MixerCommandKind::Assign;
    command.key = key;
    command.sound = sound;
    while (!mixer_.post(command)) {
        // The mixer is behind (or not being pulled); wait for room unless shutting down.
        std::unique_lock<std::mutex> lock(jobsLock_);
        if (jobsChanged_.wait_for(lock, std::chrono::milliseconds(2), [this] { return stopping_; }))
            return false;
    }
    return true;
}

void AudioWorker::serviceLoop()
{
    auto lastDrive = std::chrono::steady_clock::now();
    const auto started = lastDrive;
    silentFramesRendered_ = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(serviceLock_);
            if (serviceWake_.wait_for(lock, ServicePeriod, [this] { return serviceStopping_; }))
                return;
        }
        if (driveMixer_) {
            lastDrive = std::chrono::steady_clock::now();
            const double elapsed = std::chrono::duration<double>(lastDrive - started).count();
            const long long due = (long long)(elapsed * mixer_.sampleRate()) - silentFramesRendered_;
            if (due > 0) {
                silentBuffer_.resize(std::size_t(std::min<long long>(due, mixer_.sampleRate())) * 2);
                const int frames = int(silentBuffer_.size() / 2);
                mixer_.render(silentBuffer_.data(), frames);
                silentFramesRendered_ += due; // a stall is skipped, not caught up
            }
        }
        releaseRetired();
        MixerEvent event;
        while (mixer_.nextEvent(event))
            hooks_.mixerEvent(event);
        if (hooks_.tick)
            hooks_.tick();
        fillStreams();
    }
}

void AudioWorker::releaseRetired()
{
    MixerEvent event;
    while (mixer_.nextRetired(event)) {
        std::lock_guard<std::mutex> lock(soundsLock_);
        auto found = std::find_if(sounds_.begin(), sounds_.end(),
                                  [&](const std::unique_ptr<Sound>& sound) { return sound.get() == event.sound; });
        if (found != sounds_.end())
            sounds_.erase(found);
    }
}

void AudioWorker::fillStreams()
{
    std::lock_guard<std::mutex> lock(soundsLock_);
    for (auto& sound : sounds_) {
        if (!sound->streamed() || sound->sourceBroken)
            continue;
        try {
            FillStream(*sound);
        } catch (const std::exception&) {
            sound->sourceBroken = true; // its voice runs dry and plays silence
        }
    }
}

} // namespace audio
