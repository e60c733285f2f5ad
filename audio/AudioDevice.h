#pragma once
// The one output device, opened through SDL2 as float stereo at the device's
// own rate with a small buffer. Opened once and kept open: sounds come and go
// inside the mixer, never by reopening the device.

#include "audio/AudioTypes.h"

namespace audio {

class AudioDevice {
public:
    // Called on SDL's audio thread for every buffer.
    using RenderFunction = void (*)(void* context, float* stereo, int frames);

    AudioDevice() = default;
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Opens the device without starting it; on failure the status says why
    // and its state is Silent.
    bool open(int fallbackRate, int bufferFrames);
    // Starts the callbacks; render must be ready to run from now on.
    void start(RenderFunction render, void* context);
    // Stops the callbacks and closes the device; no callback runs after this returns.
    void close();

    const DeviceStatus& status() const { return status_; }

private:
    static void Callback(void* userdata, unsigned char* stream, int length);

    unsigned device_ = 0;
    bool subsystemStarted_ = false;
    RenderFunction render_ = nullptr;
    void* context_ = nullptr;
    DeviceStatus status_;
};

} // namespace audio
