#pragma once
// The mixer runs in the audio callback: one voice per key and the preview, per-key and master
// gain, the sound switch, loops, and a limiter on the sum. It never locks,
// allocates, touches a file or throws; commands reach it through a lock-free
// queue and its events leave through another.
//
// Gain law: a voice sounds at (key% / 100) * (master% / 100), linear in
// amplitude. The sound switch mutes only what this output plays: a tap (the
// virtual microphone's feed) takes the mix before it. Every change of gain, every start and every stop is a straight
// ramp over RampMilliseconds.
//
// Limiting: when the sum of a block would pass full scale, the bus gain ramps
// down to the level that fits (and recovers slowly afterwards); a hard clip at
// -1..1 then catches what the ramp let through. The output never wraps.

#include "audio/AudioTypes.h"
#include "audio/Ramp.h"
#include "audio/SpscQueue.h"

#include <atomic>
#include <cstdint>
#include <mutex>

namespace audio {

struct Sound;
struct StreamChunk;
class TapRing;

enum class MixerCommandKind { Assign, Play, Stop, StopAll, KeyVolume, Loop, MasterVolume, SoundSwitch };

struct MixerCommand {
    MixerCommandKind kind = MixerCommandKind::Stop;
    int key = 0;
    float value = 0;          // gain 0..1, or a flag as 0/1
    std::uint32_t serial = 0; // identifies one run of a voice (Play)
    Sound* sound = nullptr;   // Assign: the key's new sound, or null
};

enum class MixerEventKind { Ended, Progress, Retired };

struct MixerEvent {
    MixerEventKind kind = MixerEventKind::Ended;
    int key = 0;
    std::uint32_t serial = 0;
    long long position = 0;  // Progress: frames from the start
    long long total = 0;     // Progress: frames in the sound, -1 when unknown
    Sound* sound = nullptr;  // Retired: no voice uses it any more
};

class Mixer {
public:
    static constexpr int RampMilliseconds = 5;
    static constexpr int BlockFrames = 256;

    explicit Mixer(int sampleRate);
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    int sampleRate() const { return sampleRate_; }
    int rampFrames() const { return rampFrames_; }

    // Any non-audio thread. False when the queue is full.
    bool post(const MixerCommand& command);

    // The audio thread: `frames` interleaved stereo frames into `out`.
    void render(float* out, int frames) noexcept;

    // The audio thread, between renders, for an output that can replace
    // audio it has already queued: takes the waiting commands and adds the
    // first `frames` of every voice they started to `out` (at the master
    // gain, without the limiter). Those voices go on from there at the next
    // render. False when no voice started.
    bool renderLead(float* out, int frames) noexcept;

    // Any thread: from the next block on, the mix (after the master volume and
    // the limiter, before the sound switch) is also pushed into `tap`; null
    // stops it. The ring must outlive the mixer or every render that may use it.
    // While a tap is set, lead writes are off: the tap could not follow a
    // sound started inside audio already queued.
    void setTap(TapRing* tap) { tap_.store(tap, std::memory_order_release); }

    // A non-audio thread drains these.
    bool nextEvent(MixerEvent& event) { return events_.tryPop(event); }
    bool nextRetired(MixerEvent& event) { return retired_.tryPop(event); }

    // Frames a streamed voice had to play as silence because the worker fell behind.
    long long underrunFrames() const { return underrunFrames_.load(std::memory_order_relaxed); }

private:
    struct Reader {
        bool active = false;
        long long position = 0;
        std::uint32_t epoch = 0;
        Ramp gain;
    };

    struct Voice {
        Sound* sound = nullptr;
        Reader main;
        Reader tail; // the previous run fading out after a restart or stop
        bool loop = false;
        float keyGain = 1.0f;
        std::uint32_t serial = 0;
        bool streamDirty = false; // the ring no longer continues from the head's end
        bool fresh = false;       // started since the last render: its lead may still be written
        bool endedPending = false;
        std::uint32_t endedSerial = 0;
    };

    enum class Outcome { Done, Wait };

    void drainCommands() noexcept;
    Outcome apply(const MixerCommand& command) noexcept;
    Outcome assign(Voice& voice, Sound* sound) noexcept;
    void play(Voice& voice, std::uint32_t serial) noexcept;
    void fadeOut(Voice& voice) noexcept;
    void fadeTailFrom(Voice& voice, float* out, int frames) noexcept;
    void renderBlock(float* out, int frames) noexcept;
    void mixReader(Voice& voice, Reader& reader, bool isTail, int frames) noexcept;
    int readSegment(Voice& voice, Reader& reader, bool isTail, int wanted, const float*& samples) noexcept;
    bool atEnd(Voice& voice, Reader& reader, bool isTail) noexcept;
    void dropStaleChunks(Voice& voice) noexcept;
    void finishReader(Voice& voice, Reader& reader, bool isTail) noexcept;
    void reportEnded(Voice& voice, std::uint32_t serial) noexcept;
    void reportProgress() noexcept;
    void limit(float* out, int frames) noexcept;

    int sampleRate_;
    int rampFrames_;
    int progressInterval_;
    int framesToProgress_ = 0;
    Voice voices_[VoiceCount];
    Ramp master_;
    Ramp switch_; // the sound switch, on this output only
    float masterGain_ = 1.0f;
    std::atomic<TapRing*> tap_{nullptr};
    float limiterGain_ = 1.0f;
    float limiterRelease_;
    float bus_[BlockFrames * 2];

    std::mutex producerLock_; // serialises posting threads only; the audio thread never takes it
    SpscQueue<MixerCommand, 1024> commands_;
    SpscQueue<MixerEvent, 1024> events_;
    SpscQueue<MixerEvent, 64> retired_;
    std::atomic<long long> underrunFrames_{0};
};

} // namespace audio
