#pragma once
// Output through the sound server (PulseAudio, and PipeWire through its
// PulseAudio server). One float stereo stream with explicit buffer
// attributes, written on the server's request straight from the render
// function, so nothing sits in a queue of our own. The stream lives on the
// client library's own thread, which also:
//  - follows the chosen sink: when it disappears the server's default plays,
//    and when it returns the stream moves back;
//  - reconnects when the server goes away, rendering silently at the
//    real-time pace meanwhile so that keys still end on time;
//  - counts underruns and lengthens the queue one step when they come in
//    bursts (and shortens it again after a quiet spell).

#include "audio/AudioTypes.h"

#include <memory>
#include <string>
#include <vector>

namespace audio {

class PulseOutput {
public:
    // Called on the output's thread with any frame count; the same thread always.
    using RenderFunction = void (*)(void* context, float* stereo, int frames);
    // The same thread, after kick(): adds the start of newly started sounds to
    // `stereo`; false when none started.
    using LeadFunction = bool (*)(void* context, float* stereo, int frames);

    PulseOutput();
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Connects to the server and learns its sinks; false (status() says why)
    // when no server answers. `rate` is used when the sink's own is unknown.
    bool open(const ServerOutputOptions& options, const std::string& device, int rate);
    // The rate the stream runs at: the chosen sink's own, to spare a resampler.
    int sampleRate() const;
    // Creates the stream; render runs from now on until close(). lead may be null.
    void start(RenderFunction render, LeadFunction lead, void* context);
    // A sound was started: write its start into the queued audio now rather
    // than at the next request. Any thread; never blocks.
    void kick();
    // No render call runs after this returns.
    void close();

    // Another sink by name; empty: the server's default. A sink the server
    // does not have is remembered and used as soon as it appears.
    void setDevice(const std::string& name);
    // The server's sinks, as name and description.
    std::vector<std::pair<std::string, std::string>> devices() const;

    DeviceStatus status() const;
    // Bumped whenever status() changed; cheap to poll.
    unsigned statusGeneration() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace audio
