#include "audio/AudioDevice.h"

#include <SDL.h>

#include <cstring>

namespace audio {

AudioDevice::~AudioDevice() { close(); }

bool AudioDevice::open(int fallbackRate, int bufferFrames)
{
    close();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        status_.state = DeviceState::Silent;
        status_.message = std::string("no audio output: ") + SDL_GetError();
        return false;
    }
    subsystemStarted_ = true;
    if (const char* driver = SDL_GetCurrentAudioDriver())
        status_.driver = driver;

    SDL_AudioSpec wanted{};
    wanted.freq = fallbackRate > 0 ? fallbackRate : 48000;
    // Follow the device's own rate where SDL can tell it, so it does not resample again.
    SDL_AudioSpec preferred{};
    char* name = nullptr;
    if (SDL_GetDefaultAudioInfo(&name, &preferred, 0) == 0 && preferred.freq > 0)
        wanted.freq = preferred.freq;
    SDL_free(name);
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = Uint16(bufferFrames > 0 ? bufferFrames : 256);
    wanted.callback = &AudioDevice::Callback;
    wanted.userdata = this;

    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    if (device_ == 0) {
        status_.state = DeviceState::Silent;
        status_.message = std::string("no audio output: ") + SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted_ = false;
        return false;
    }
    status_.state = DeviceState::Playing;
    status_.message.clear();
    status_.sampleRate = obtained.freq;
    status_.bufferFrames = obtained.samples;
    return true;
}

void AudioDevice::start(RenderFunction render, void* context)
{
    if (device_ == 0)
        return;
    SDL_LockAudioDevice(device_);
    render_ = render;
    context_ = context;
    SDL_UnlockAudioDevice(device_);
    SDL_PauseAudioDevice(device_, 0);
}

void AudioDevice::close()
{
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    if (subsystemStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted_ = false;
    }
    render_ = nullptr;
    context_ = nullptr;
    if (status_.state == DeviceState::Playing)
        status_.state = DeviceState::Stopped;
}

void AudioDevice::Callback(void* userdata, unsigned char* stream, int length)
{
    auto* device = static_cast<AudioDevice*>(userdata);
    const int frames = length / int(2 * sizeof(float));
    if (device->render_)
        device->render_(device->context_, reinterpret_cast<float*>(stream), frames);
    else
        std::memset(stream, 0, std::size_t(length));
}

} // namespace audio
