// Mixing twenty voices beside a plain copy of the samples they read, and
// decoding a ten-second MP3 beside its own duration.

#include "audio/Mixer.h"
#include "audio/Sound.h"
#include "audio/SoundLoader.h"

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

using namespace audio;

namespace {

constexpr int Rate = 48000;
constexpr int Voices = KeyCount;

std::vector<std::unique_ptr<Sound>> MakeVoices()
{
    std::vector<std::unique_ptr<Sound>> sounds;
    for (int key = 0; key < Voices; ++key) {
        auto sound = std::make_unique<Sound>();
        sound->headFrames = sound->totalFrames = Rate;
        sound->head.resize(2 * Rate);
        for (int f = 0; f < Rate; ++f)
            sound->head[2 * f] = sound->head[2 * f + 1] = float(0.04 * std::sin(0.01 * f * (key + 1)));
        sounds.push_back(std::move(sound));
    }
    return sounds;
}

void BM_MixTwentyVoicesOneSecond(benchmark::State& state)
{
    std::vector<std::unique_ptr<Sound>> sounds = MakeVoices();
    Mixer mixer(Rate);
    for (int key = 0; key < Voices; ++key) {
        mixer.post({MixerCommandKind::Assign, key, 0, 0, sounds[key].get()});
        mixer.post({MixerCommandKind::Loop, key, 1, 0, nullptr});
        mixer.post({MixerCommandKind::KeyVolume, key, 0.8f, 0, nullptr});
        mixer.post({MixerCommandKind::Play, key, 0, std::uint32_t(key + 1), nullptr});
    }
    std::vector<float> out(2 * 256);
    MixerEvent event;
    for (auto _ : state) {
        // In device-sized buffers, as the audio callback asks for them.
        for (int done = 0; done < Rate; done += 256)
            mixer.render(out.data(), 256);
        benchmark::DoNotOptimize(out.data());
        while (mixer.nextEvent(event)) {
        }
    }
    state.SetBytesProcessed(state.iterations() * Voices * Rate * 2 * int64_t(sizeof(float)));
}
BENCHMARK(BM_MixTwentyVoicesOneSecond)->Unit(benchmark::kMicrosecond);

// The physical floor: copying every sample the twenty voices read once.
void BM_CopyTwentyVoicesOneSecond(benchmark::State& state)
{
    std::vector<std::unique_ptr<Sound>> sounds = MakeVoices();
    std::vector<float> out(2 * Rate);
    for (auto _ : state) {
        for (const auto& sound : sounds)
            std::memcpy(out.data(), sound->head.data(), sizeof(float) * 2 * Rate);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * Voices * Rate * 2 * int64_t(sizeof(float)));
}
BENCHMARK(BM_CopyTwentyVoicesOneSecond)->Unit(benchmark::kMicrosecond);

// Written once per run and removed at exit.
struct Mp3Fixture {
    std::string path;
    Mp3Fixture()
    {
        const std::string file = "/tmp/brio-bench-" + std::to_string(getpid()) + ".mp3";
        SF_INFO info{};
        info.samplerate = 44100;
        info.channels = 2;
        info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
        SNDFILE* out = sf_open(file.c_str(), SFM_WRITE, &info);
        if (!out)
            return;
        std::vector<float> samples(2 * 44100 * 10);
        for (std::size_t f = 0; f < samples.size() / 2; ++f)
            samples[2 * f] = samples[2 * f + 1] = float(0.5 * std::sin(2 * M_PI * 440.0 * double(f) / 44100.0));
        sf_writef_float(out, samples.data(), sf_count_t(samples.size() / 2));
        sf_close(out);
        path = file;
    }
    ~Mp3Fixture()
    {
        if (!path.empty())
            unlink(path.c_str());
    }
};

std::string TenSecondMp3()
{
    static const Mp3Fixture fixture;
    return fixture.path;
}

// A ten-second MP3 at 44.1 kHz decoded whole and resampled to 48 kHz;
// the real-time budget is the counter "duration_s" (ten seconds).
void BM_DecodeAndResampleTenSecondMp3(benchmark::State& state)
{
    const std::string path = TenSecondMp3();
    if (path.empty()) {
        state.SkipWithError("this libsndfile cannot write MP3");
        return;
    }
    for (auto _ : state) {
        std::string error;
        std::unique_ptr<Sound> sound = LoadSound(path, Rate, error);
        if (!sound) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(sound->head.data());
    }
    state.counters["duration_s"] = 10.0;
}
BENCHMARK(BM_DecodeAndResampleTenSecondMp3)->Unit(benchmark::kMillisecond);

} // namespace
