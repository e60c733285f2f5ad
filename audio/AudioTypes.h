#pragma once
// Values the audio engine hands to its host: key and device states, events.

#include <string>

namespace audio {

constexpr int KeyCount = 20;

inline bool IsValidKey(int key) { return key >= 0 && key < KeyCount; }

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

enum class OutputKind { Device, Pulled };

struct EngineOptions {
    OutputKind output = OutputKind::Device;
    // Pulled output runs at this rate; a device asks for it only when it has no preference.
    int sampleRate = 48000;
    int bufferFrames = 256;
    // Files longer than this are streamed from a head of streamHeadSeconds.
    double streamAfterSeconds = 60.0;
    double streamHeadSeconds = 3.0;
};

enum class DeviceState { Stopped, Playing, Pulled, Silent };

struct DeviceStatus {
    DeviceState state = DeviceState::Stopped;
    std::string driver;
    std::string message; // why the output is silent, when it is
    int sampleRate = 0;
    int bufferFrames = 0;
};

enum class AudioEventKind { KeyChanged, VoiceEnded, Progress };

// Delivered on the engine's worker thread, never on the audio thread.
struct AudioEvent {
    AudioEventKind kind = AudioEventKind::KeyChanged;
    int key = 0;
    double progress = 0;
};

} // namespace audio
