#pragma once
// Values the audio engine hands to its host: key and device states, events.

#include <string>

namespace audio {

constexpr int KeyCount = 20;

inline bool IsValidKey(int key) { return key >= 0 && key < KeyCount; }
// One more voice beside the keys: the library's preview, which belongs to no key.
constexpr int PreviewVoice = KeyCount;
constexpr int VoiceCount = KeyCount + 1;
inline bool IsValidVoice(int voice) { return voice >= 0 && voice < VoiceCount; }

enum class KeyStatus { Empty, Loading, Ready, Playing, Looping, Unplayable };

struct KeyState {
    KeyStatus status = KeyStatus::Empty;
    std::string path;
    std::string reason;   // why the key is unplayable
    double progress = 0;  // 0..1 through the sound while it plays
    double duration = 0;  // seconds, 0 when unknown
    int volume = 100;     // percent
    bool loop = false;
    bool streamed = false; // too long to hold whole; read from the file while it plays
    long long memoryBytes = 0; // what the decoded sound holds in memory
};

// Auto: the sound server when one answers, else SDL's device. An explicit
// SDL_AUDIODRIVER in the environment means SDL was chosen on purpose.
enum class OutputKind { Auto, SoundServer, Sdl, Pulled };

// How the sound-server stream is sized and served; the defaults are what the
// latency benchmark found best on a loaded machine.
struct ServerOutputOptions {
    std::string server;          // empty: the usual lookup ($PULSE_SERVER, the session's socket)
    std::string clientName = "Clatterbox";
    // What the server keeps queued: a safe length, since a key's sound is
    // written into it (leadWrite) rather than queued behind it.
    int targetMicroseconds = 20000;
    int requestMicroseconds = 1000; // the smallest request it makes
    bool realtime = true;           // SCHED_FIFO for the writing thread where allowed
    // A key pressed writes its sound into what the server holds but has not
    // played yet, this far past the server's read point, instead of behind it.
    bool leadWrite = true;
    int leadMarginMicroseconds = 1000;
    // The target without lead writes: when they are off, and on PipeWire's
    // server, whose handling of writes into queued audio is untried.
    int shortTargetMicroseconds = 4000;
    // The server asks early and keeps its own latency at the request size,
    // rather than spending half the target on it.
    bool earlyRequests = true;
    // One step up after repeated underruns, back down after a quiet spell.
    bool adaptive = true;
    int maxMicroseconds = 40000;
    // Play only on the chosen sink: while it is missing, render silently at
    // the real-time pace rather than on the server's default (a microphone's
    // feed must never end up in the speakers).
    bool strictDevice = false;
    // Keep the rate given to open() rather than the sink's own: for a stream
    // fed by a mixer that already runs at another rate.
    bool keepRate = false;
    std::string streamName = "Key sounds";
};

struct EngineOptions {
    OutputKind output = OutputKind::Auto;
    // Pulled output runs at this rate; a device asks for it only when it has no preference.
    int sampleRate = 48000;
    // SDL's period, in frames.
    int bufferFrames = 256;
    // The sound server's sink to play on; empty: the server's default.
    std::string device;
    ServerOutputOptions server;
    // Files longer than this are streamed from a head of streamHeadSeconds.
    double streamAfterSeconds = 60.0;
    double streamHeadSeconds = 3.0;
};

// Reconnecting: the sound server went away; keys go on silently until it is back.
enum class DeviceState { Stopped, Playing, Pulled, Silent, Reconnecting };

struct DeviceStatus {
    DeviceState state = DeviceState::Stopped;
    std::string driver;   // "pulse" for the sound server, else SDL's driver
    std::string device;   // the sink playing now (sound server only)
    std::string message;  // a lasting problem: no output, lost server, missing device, dropouts
    int sampleRate = 0;
    int bufferFrames = 0; // what is queued ahead of the device
    long long underruns = 0; // times the device ran dry of our data
    bool realtime = false;   // the writing thread runs at real-time priority
    bool operator==(const DeviceStatus&) const = default;
};

enum class AudioEventKind { KeyChanged, VoiceEnded, Progress, DeviceChanged };

// Delivered on the engine's worker thread, never on the audio thread.
struct AudioEvent {
    AudioEventKind kind = AudioEventKind::KeyChanged;
    int key = 0;
    double progress = 0;
};

} // namespace audio
