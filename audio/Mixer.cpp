#include "audio/Mixer.h"

#include "audio/Sound.h"
#include "audio/TapRing.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace audio {

namespace {

constexpr int ProgressMilliseconds = 40;
constexpr int LimiterAttackFrames = 64;
constexpr double LimiterReleaseSeconds = 0.2; // from full reduction back to unity

float Clamp01(float value) { return std::clamp(std::isfinite(value) ? value : 0.0f, 0.0f, 1.0f); }

// Adds `frames` stereo frames of `source` to `bus` at the ramp's gain.
void AddScaled(float* __restrict bus, const float* __restrict source, int frames, Ramp& gain)
{
    if (gain.settled()) {
        const float g = gain.value;
        if (g == 0.0f)
            return;
        for (int i = 0; i < frames * 2; ++i)
            bus[i] += source[i] * g;
        return;
    }
    for (int f = 0; f < frames; ++f) {
        const float g = gain.next();
        bus[2 * f] += source[2 * f] * g;
        bus[2 * f + 1] += source[2 * f + 1] * g;
    }
}

void ApplyGain(float* samples, int frames, Ramp& gain)
{
    if (gain.settled()) {
        const float g = gain.value;
        if (g != 1.0f)
            for (int i = 0; i < frames * 2; ++i)
                samples[i] *= g;
        return;
    }
    for (int f = 0; f < frames; ++f) {
        const float g = gain.next();
        samples[2 * f] *= g;
        samples[2 * f + 1] *= g;
    }
}

} // namespace

Mixer::Mixer(int sampleRate)
    : sampleRate_(sampleRate > 0 ? sampleRate : 48000),
      rampFrames_(std::max(1, sampleRate_ * RampMilliseconds / 1000)),
      progressInterval_(std::max(1, sampleRate_ * ProgressMilliseconds / 1000)),
      limiterRelease_(float(1.0 / (LimiterReleaseSeconds * sampleRate_)))
{
    master_.jumpTo(1.0f);
    switch_.jumpTo(1.0f);
}

bool Mixer::post(const MixerCommand& command)
{
    std::lock_guard<std::mutex> lock(producerLock_);
    return commands_.push(command);
}

void Mixer::render(float* out, int frames) noexcept
{
    if (!out || frames <= 0)
        return;
    for (Voice& voice : voices_)
        if (voice.endedPending && events_.push({MixerEventKind::Ended, int(&voice - voices_), voice.endedSerial}))
            voice.endedPending = false;
    while (frames > 0) {
        // Per block, so that a command held back behind a fade goes on a few milliseconds later.
        drainCommands();
        const int block = std::min(frames, BlockFrames);
        renderBlock(out, block);
        framesToProgress_ -= block;
        if (framesToProgress_ <= 0) {
            framesToProgress_ += progressInterval_;
            reportProgress();
        }
        out += block * 2;
        frames -= block;
    }
}

bool Mixer::renderLead(float* out, int frames) noexcept
{
    if (!out || frames <= 0)
        return false;
    drainCommands();
    if (tap_.load(std::memory_order_acquire))
        return false; // the voices start at the next render, in the tap too
    bool any = false;
    for (Voice& voice : voices_) {
        if (!voice.fresh)
            continue;
        voice.fresh = false;
        if (!voice.sound || !voice.main.active)
            continue;
        any = true;
        fadeTailFrom(voice, out, frames);
        Ramp master;
        master.jumpTo(master_.target * switch_.target);
        for (int done = 0; done < frames && voice.main.active;) {
            const int block = std::min(frames - done, BlockFrames);
            std::memset(bus_, 0, sizeof(float) * 2 * std::size_t(block));
            dropStaleChunks(voice);
            mixReader(voice, voice.main, false, block);
            ApplyGain(bus_, block, master);
            for (int i = 0; i < block * 2; ++i)
                out[2 * done + i] += bus_[i];
            done += block;
        }
    }
    return any;
}

void Mixer::fadeTailFrom(Voice& voice, float* out, int frames) noexcept
{
    // A restart: `out` holds the earlier run at its full gain up to where the
    // tail now stands. Fade it from the lead's start instead, as a restart
    // rendered there would, and let the tail go.
    Reader& tail = voice.tail;
    if (!tail.active)
        return;
    const long long first = tail.position - frames;
    if (first < 0 || tail.position > voice.sound->headFrames)
        return; // wrapped or streamed: no longer at hand; it fades behind the queue
    const float gain = tail.gain.value * master_.target;
    const float* samples = voice.sound->head.data() + 2 * first;
    for (int f = 0; f < frames; ++f) {
        const float fade = std::max(0.0f, 1.0f - float(f + 1) / float(rampFrames_));
        const float weight = gain * (fade - 1.0f);
        out[2 * f] += samples[2 * f] * weight;
        out[2 * f + 1] += samples[2 * f + 1] * weight;
    }
    tail.active = false;
}

void Mixer::drainCommands() noexcept
{
    while (const MixerCommand* command = commands_.front()) {
        if (apply(*command) == Outcome::Wait)
            return; // keeps order: later commands wait behind this one
        commands_.pop();
    }
}

Mixer::Outcome Mixer::apply(const MixerCommand& command) noexcept
{
    switch (command.kind) {
    case MixerCommandKind::MasterVolume:
        masterGain_ = Clamp01(command.value);
        master_.moveTo(masterGain_, rampFrames_);
        return Outcome::Done;
    case MixerCommandKind::SoundSwitch:
        switch_.moveTo(command.value != 0.0f ? 1.0f : 0.0f, rampFrames_);
        return Outcome::Done;
    case MixerCommandKind::StopAll:
        for (Voice& voice : voices_)
            fadeOut(voice);
        return Outcome::Done;
    default:
        break;
    }
    if (!IsValidVoice(command.key))
        return Outcome::Done;
    Voice& voice = voices_[command.key];
    switch (command.kind) {
    case MixerCommandKind::Assign:
        return assign(voice, command.sound);
    case MixerCommandKind::Play:
        play(voice, command.serial);
        break;
    case MixerCommandKind::Stop:
        fadeOut(voice);
        break;
    case MixerCommandKind::KeyVolume:
        voice.keyGain = Clamp01(command.value);
        if (voice.main.active)
            voice.main.gain.moveTo(voice.keyGain, rampFrames_);
        break;
    case MixerCommandKind::Loop:
        voice.loop = command.value != 0.0f;
        break;
    default:
        break;
    }
    return Outcome::Done;
}

Mixer::Outcome Mixer::assign(Voice& voice, Sound* sound) noexcept
{
    // The old sound stays in use until its voice has faded out; only then may the worker free it.
    if (voice.main.active) {
        fadeOut(voice);
        return Outcome::Wait;
    }
    if (voice.tail.active)
        return Outcome::Wait;
    if (voice.sound) {
        if (!retired_.push({MixerEventKind::Retired, int(&voice - voices_), 0, 0, 0, voice.sound}))
            return Outcome::Wait;
    }
    voice.sound = sound;
    voice.streamDirty = false;
    voice.main = Reader{};
    voice.tail = Reader{};
    return Outcome::Done;
}

void Mixer::play(Voice& voice, std::uint32_t serial) noexcept
{
    if (!voice.sound) {
        reportEnded(voice, serial);
        return;
    }
    if (voice.main.active) {
        voice.tail = voice.main;
        voice.tail.gain.moveTo(0.0f, rampFrames_);
    }
    voice.serial = serial;
    voice.fresh = true;
    Reader& reader = voice.main;
    reader.active = true;
    reader.position = 0;
    reader.gain.jumpTo(0.0f);
    reader.gain.moveTo(voice.keyGain, rampFrames_);
    if (StreamRing* ring = voice.sound->ring.get()) {
        std::uint32_t epoch = ring->requestedEpoch.load(std::memory_order_relaxed);
        if (voice.streamDirty) {
            ring->requestedEpoch.store(++epoch, std::memory_order_release);
            voice.streamDirty = false;
        }
        reader.epoch = epoch;
    }
}

void Mixer::fadeOut(Voice& voice) noexcept
{
    if (!voice.main.active)
        return;
    voice.tail = voice.main;
    voice.tail.gain.moveTo(0.0f, rampFrames_);
    voice.main.active = false;
    reportEnded(voice, voice.serial);
}

void Mixer::reportEnded(Voice& voice, std::uint32_t serial) noexcept
{
    if (!events_.push({MixerEventKind::Ended, int(&voice - voices_), serial})) {
        voice.endedPending = true;
        voice.endedSerial = serial;
    }
}

void Mixer::reportProgress() noexcept
{
    for (Voice& voice : voices_) {
        // Room is kept for end reports, which must not be lost.
        if (!voice.main.active || events_.freeSpace() <= std::size_t(VoiceCount) + 1)
            continue;
        const long long total = voice.sound->streamed() ? voice.sound->totalFrames : voice.sound->headFrames;
        events_.push({MixerEventKind::Progress, int(&voice - voices_), voice.serial, voice.main.position, total});
    }
}

void Mixer::dropStaleChunks(Voice& voice) noexcept
{
    StreamRing* ring = voice.sound->ring.get();
    if (!ring)
        return;
    // A fading tail may still be reading the old pass.
    if (voice.tail.active && voice.tail.position >= voice.sound->headFrames)
        return;
    const std::uint32_t epoch = ring->requestedEpoch.load(std::memory_order_relaxed);
    while (const StreamChunk* chunk = ring->front()) {
        if (chunk->epoch == epoch)
            break;
        ring->release();
    }
}

int Mixer::readSegment(Voice& voice, Reader& reader, bool isTail, int wanted, const float*& samples) noexcept
{
    const Sound& sound = *voice.sound;
    for (int wraps = 0; wraps < 2; ++wraps) {
        if (reader.position < sound.headFrames) {
            samples = sound.head.data() + 2 * reader.position;
            return int(std::min<long long>(wanted, sound.headFrames - reader.position));
        }
        if (!sound.ring) {
            if (isTail || !voice.loop || sound.headFrames == 0)
                return -1;
            reader.position = 0;
            continue;
        }
        StreamRing& ring = *sound.ring;
        for (;;) {
            const StreamChunk* chunk = ring.front();
            if (!chunk)
                return 0;
            if (chunk->epoch != reader.epoch) {
                if (isTail)
                    return -1;
                ring.release();
                continue;
            }
            const long long offset = reader.position - chunk->startFrame;
            if (offset < 0)
                return 0;
            if (offset < chunk->frames) {
                if (!isTail)
                    voice.streamDirty = true;
                samples = chunk->samples + 2 * offset;
                return int(std::min<long long>(wanted, chunk->frames - offset));
            }
            const bool lastOfPass = chunk->endOfSound;
            ring.release();
            if (!lastOfPass)
                continue;
            if (isTail)
                return -1;
            // The worker has already started the next pass at the head's end.
            voice.streamDirty = false;
            if (!voice.loop)
                return -1;
            reader.position = 0;
            break;
        }
    }
    return 0;
}

void Mixer::mixReader(Voice& voice, Reader& reader, bool isTail, int frames) noexcept
{
    int done = 0;
    while (done < frames) {
        const float* samples = nullptr;
        const int n = readSegment(voice, reader, isTail, frames - done, samples);
        if (n < 0) {
            reader.active = false;
            if (!isTail)
                reportEnded(voice, voice.serial);
            return;
        }
        if (n == 0) {
            underrunFrames_.fetch_add(frames - done, std::memory_order_relaxed);
            return;
        }
        AddScaled(bus_ + 2 * done, samples, n, reader.gain);
        reader.position += n;
        done += n;
        if (isTail && reader.gain.settled() && reader.gain.value == 0.0f) {
            reader.active = false;
            return;
        }
    }
}

void Mixer::renderBlock(float* out, int frames) noexcept
{
    std::memset(bus_, 0, sizeof(float) * 2 * std::size_t(frames));
    for (Voice& voice : voices_) {
        if (!voice.sound)
            continue;
        dropStaleChunks(voice);
        if (voice.main.active)
            mixReader(voice, voice.main, false, frames);
        if (voice.tail.active)
            mixReader(voice, voice.tail, true, frames);
    }
    for (Voice& voice : voices_)
        voice.fresh = false;
    ApplyGain(bus_, frames, master_);
    limit(bus_, frames);
    if (TapRing* tap = tap_.load(std::memory_order_acquire))
        tap->push(bus_, frames);
    ApplyGain(bus_, frames, switch_);
    std::memcpy(out, bus_, sizeof(float) * 2 * std::size_t(frames));
}

void Mixer::limit(float* samples, int frames) noexcept
{
    float peak = 0.0f;
    for (int i = 0; i < frames * 2; ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    const float fits = peak > 1.0f ? 1.0f / peak : 1.0f;
    Ramp gain;
    gain.jumpTo(limiterGain_);
    if (fits < limiterGain_)
        gain.moveTo(fits, std::min(frames, LimiterAttackFrames));
    else
        gain.moveTo(std::min(fits, limiterGain_ + limiterRelease_ * float(frames)), frames);
    limiterGain_ = gain.target;
    if (gain.settled() && gain.value == 1.0f)
        return; // nothing to limit: samples pass bit for bit
    ApplyGain(samples, frames, gain);
    for (int i = 0; i < frames * 2; ++i)
        samples[i] = std::clamp(samples[i], -1.0f, 1.0f);
}

} // namespace audio
