#pragma once
// The engine's two background threads. The loader decodes assigned files, one
// job at a time, so the UI thread and the audio callback never touch a file.
// The service thread keeps streamed sounds' rings filled, frees sounds the
// mixer has let go of, hands the mixer's events on, and, when there is no
// device, drives the mixer in real time so voices still start and end.

#include "audio/SoundLoader.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace audio {

class Mixer;
struct MixerEvent;
struct Sound;

class AudioWorker {
public:
    struct LoadJob {
        int key = 0;
        std::string path; // empty: clear the key
        std::uint32_t generation = 0;
    };

    struct Hooks {
        // Loader thread. True when the job still matters (not superseded).
        std::function<bool(const LoadJob&)> wanted;
        // Loader thread, after the mixer was given the sound (null on failure or clearing).
        std::function<void(const LoadJob&, const Sound* sound, const std::string& error)> loaded;
        // Service thread.
        std::function<void(const MixerEvent&)> mixerEvent;
        // Service thread, every few milliseconds.
        std::function<void()> tick;
    };

    AudioWorker(Mixer& mixer, SoundLoadLimits limits, Hooks hooks);
    ~AudioWorker();
    AudioWorker(const AudioWorker&) = delete;
    AudioWorker& operator=(const AudioWorker&) = delete;

    // driveMixer: render the mixer into nowhere at the real-time pace (no device).
    void start(bool driveMixer);
    void stop();

    void requestLoad(LoadJob job);

private:
    void loaderLoop();
    void serviceLoop();
    bool postAssign(int key, Sound* sound);
    void releaseRetired();
    void fillStreams();
    void driveSilently();

    Mixer& mixer_;
    SoundLoadLimits limits_;
    Hooks hooks_;
    bool driveMixer_ = false;

    std::mutex jobsLock_;
    std::condition_variable jobsChanged_;
    std::deque<LoadJob> jobs_;
    bool stopping_ = false;

    std::mutex soundsLock_;
    std::vector<std::unique_ptr<Sound>> sounds_; // every sound the mixer may hold

    std::mutex serviceLock_;
    std::condition_variable serviceWake_;
    bool serviceStopping_ = false;

    std::thread loader_;
    std::thread service_;
    std::vector<float> silentBuffer_;
    long long silentFramesRendered_ = 0;
};

} // namespace audio
