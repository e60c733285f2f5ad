#pragma once
// The audio engine the player runtime drives: twenty keys, each with a sound
// file, a volume and a loop flag; a master volume and a sound switch; one
// output device. Every call returns at once: files are decoded on a worker
// thread and playback happens on the audio thread. Keys outside 0..19 are
// ignored.

#include "audio/AudioTypes.h"
#include "audio/VirtualMicrophone.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace audio {

class AudioEngine {
public:
    using EventCallback = std::function<void(const AudioEvent&)>;

    AudioEngine();
    ~AudioEngine();
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // Opens the output (the sound server, else SDL's device, or prepares the
    // pulled one) and starts the threads.
    // False when no device could be opened: the engine then runs silent,
    // keys still play and end on time, and deviceStatus() says why.
    bool start(const EngineOptions& options = {});
    // Closes the output and frees every sound; the key settings stay.
    void shutdown();

    // Decodes the file in the background; keyState shows Loading, then Ready
    // or Unplayable. An empty path clears the key.
    void assign(int key, const std::string& path);
    // From the start, restarting a playing key; a press on a looping key stops it.
    void play(int key);
    void stop(int key);
    void stopAll();
    // The library's preview: a voice of its own beside the twenty keys, at full
    // key volume, under the master volume and the sound switch. Decodes `path`
    // (unless it is the sound decoded last) and plays it from the start, once
    // or looping; a new preview replaces the one playing.
    void preview(const std::string& path, bool loop);
    void stopPreview();
    KeyState previewState() const;
    void setKeyVolume(int key, int percent);
    void setLoop(int key, bool loop);
    void setMasterVolume(int percent);
    // Off mutes what the user hears; keys go on playing silently, and the
    // microphone still carries them.
    void setSoundSwitch(bool on);
    // Sounds to microphone. On: the input device "Clatterbox microphone"
    // exists and carries every sound at the key and master volumes, mixed
    // with the user's real microphone; kept across start() and shutdown().
    // False (microphoneStatus() says why) when it could not be made; the
    // wish is then dropped, and playing goes on as before. Off removes it.
    // Blocks for the server's answer, a few milliseconds normally.
    bool setMicrophone(bool on, const MicrophoneOptions& options = {});
    MicrophoneStatus microphoneStatus() const;

    KeyState keyState(int key) const; // PreviewVoice gives previewState()
    // The output now: device, buffer, underruns, and any lasting problem.
    DeviceStatus deviceStatus() const;
    // The sound server's sink to play on (empty: its default). Kept for the
    // next start too; a sink that is not there yet is used when it appears.
    void setOutputDevice(const std::string& name);
    // The sound server's sinks as name and description; empty without a server.
    std::vector<std::pair<std::string, std::string>> outputDevices() const;
    int sampleRate() const;
    long long underrunFrames() const;

    // Called on a worker thread, never the audio thread; the host posts it on.
    // It may read key states but must not call shutdown().
    void setEventCallback(EventCallback callback);

    // Pulled output only: mixes the next frames into `stereo` (interleaved).
    // Call it from one thread at a time.
    void render(float* stereo, int frames);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace audio
