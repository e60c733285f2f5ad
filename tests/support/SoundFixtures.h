#pragma once
// Sound files written by the tests themselves, and helpers to look at what
// the engine renders.

#include "audio/AudioEngine.h"

#include <functional>
#include <string>
#include <vector>

namespace audiotest {

struct ToneSpec {
    int format = 0;          // libsndfile major|minor format; 0 means 16-bit WAV
    int sampleRate = 48000;
    int channels = 1;
    double frequency = 440;  // 0 writes a constant level instead of a sine
    double seconds = 0.5;
    double amplitude = 0.5;
};

// A fresh folder for this test program's fixtures.
const std::string& FixtureFolder();
// Writes the tone and returns its path; fails the current test when libsndfile refuses.
std::string WriteTone(const std::string& name, const ToneSpec& spec);
std::string WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes);

// Rising zero crossings per second of one channel of interleaved stereo.
double MeasureFrequency(const std::vector<float>& stereo, int channel, int sampleRate);
float Peak(const std::vector<float>& stereo, std::size_t firstFrame = 0, std::size_t lastFrame = SIZE_MAX);

bool WaitFor(const std::function<bool()>& condition, int timeoutMilliseconds = 10000);
// Waits until the key is no longer loading.
audio::KeyState WaitLoaded(const audio::AudioEngine& engine, int key);

std::vector<float> Render(audio::AudioEngine& engine, int frames);

audio::EngineOptions PulledOptions(int sampleRate = 48000);

} // namespace audiotest
