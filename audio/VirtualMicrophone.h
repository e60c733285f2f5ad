#pragma once
// The input device "Clatterbox microphone" that voice programs can choose,
// built from three modules of the sound server (PulseAudio, or PipeWire
// through its PulseAudio server):
//  - a null sink, the mix point, into which the engine plays a second stream;
//  - a source remapped over that sink's monitor, named as the microphone;
//  - a loopback from the user's real microphone into the mix, so that the
//    call hears the user too.
// Every module carries our mark (the owning process id) in its properties,
// so that what an earlier run left behind after a crash can be told apart
// from the modules of other programs, and only that is removed.
// A thread of its own keeps the modules in place: it notices a server that
// restarted, a microphone that was plugged in, or a module someone unloaded,
// and loads what is missing.

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace audio {

struct MicrophoneOptions {
    std::string server; // empty: the usual lookup ($PULSE_SERVER, the session's socket)
    std::string source; // the real microphone; empty: the server's default source
    int loopbackMilliseconds = 10;
    int sampleRate = 48000; // of the mix, best the rate the sounds are mixed at
};

struct MicrophoneStatus {
    bool ready = false;  // the microphone exists
    std::string source;  // the real microphone mixed in; empty when none could be
    std::string message; // a lasting problem, for the user
    bool operator==(const MicrophoneStatus&) const = default;
};

class VirtualMicrophone {
public:
    static constexpr const char* MixSinkName = "clatterbox_mix";
    static constexpr const char* SourceName = "clatterbox_microphone";
    static constexpr const char* SourceDescription = "Clatterbox microphone";

    VirtualMicrophone();
    ~VirtualMicrophone(); // removes the devices
    VirtualMicrophone(const VirtualMicrophone&) = delete;
    VirtualMicrophone& operator=(const VirtualMicrophone&) = delete;

    // Creates the devices and keeps them until stop(). Waits up to a few
    // seconds for the first attempt: false (status() says why) when no
    // server answers or it refused; the thread goes on trying meanwhile.
    bool start(const MicrophoneOptions& options);
    // Removes the devices and waits until they are gone.
    void stop();
    bool started() const;

    MicrophoneStatus status() const;
    // Bumped whenever status() changed; cheap to poll.
    unsigned statusGeneration() const;

    // Removes the devices that runs of ours left behind when they died, and
    // nothing else; returns how many modules went. Safe while another run of
    // ours is alive: its devices stay.
    static int RemoveLeftovers(const std::string& server);
    // The real microphones the server offers, as name and description: what
    // may be mixed in (not our own devices, nor the speakers' monitor).
    static std::vector<std::pair<std::string, std::string>> Microphones(const std::string& server);
    // Whether a sound server answers at `server` (empty: the usual lookup).
    static bool ServerAnswers(const std::string& server);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace audio
