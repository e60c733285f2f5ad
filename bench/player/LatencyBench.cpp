// How long a key press takes to be heard, beside the device period.
//
// The engine runs pulled, so the measurement is deterministic and needs no
// sound card: each iteration puts a key-down for "1" in the input queue of
// a form holding the key panel, lets the application dispatch it (message
// filter, runtime, engine command queue), then renders periods of N frames,
// as the audio callback would ask for them, until a sample is not silent.
//
// Reported per period size N:
//   frames     frames rendered after the dispatch up to the first sound;
//              a command that waited for the next period would show as
//              N or more, one taken in the period it arrived as a few
//   audio_ms   those frames as time at the device rate
//   period_ms  N / rate: the wait the buffer itself imposes on a device,
//              which frames should stay within (by at most 10%)
//   wall time  (the benchmark's own column) dispatch plus rendering on this
//              machine, which must stay well below period_ms for a device
//              to be fed on time
// A device adds its own buffer (one or two periods) on top; that part is
// the driver's and is not measured here.

#include "player/PlayerControl.h"

#include "audio/AudioEngine.h"
#include "platform/backends/headless/HeadlessBackend.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Rate = 48000;
constexpr int Row = 1; // triggered by "1" in every interface's default layout

void put16(std::ofstream& out, std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); }
void put32(std::ofstream& out, std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); }

// A half-second 16-bit mono sine at the device rate (so nothing resamples).
void WriteSineWav(const std::string& path)
{
    constexpr std::uint32_t frames = Rate / 2;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + frames * 2);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1);
    put32(out, Rate);
    put32(out, Rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, frames * 2);
    for (std::uint32_t f = 0; f < frames; ++f)
        put16(out, std::uint16_t(std::int16_t(16000 * std::sin(2 * M_PI * 1000.0 * f / Rate))));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

// The panel on the headless backend, with a pulled engine and row 1 assigned.
class Panel {
public:
    Panel()
    {
        auto fresh = std::make_unique<HeadlessBackend>();
        backend_ = fresh.get();
        SetBackend(std::move(fresh));
        Application->Initialize();
        folder_ = std::filesystem::temp_directory_path() / ("bench_player-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        const std::string interface = (folder_ / "bench.bpi").string();
        std::ofstream(interface) << "[interface]\nname=Bench\n";
        const std::string sound = (folder_ / "sine.wav").string();
        WriteSineWav(sound);

        audio::EngineOptions options;
        options.output = audio::OutputKind::Pulled;
        options.sampleRate = Rate;
        if (!engine_.start(options))
            throw std::runtime_error("the pulled engine did not start");
        Application->CreateForm(form_);
        form_->SetClientWidth(480);
        form_->SetClientHeight(240);
        player_ = new TPlayerControl(form_);
        player_->SetParent(form_);
        player_->SetAudioEngine(&engine_);
        player_->SetMovie(interface);
        player_->Play();
        if (!player_->Runtime())
            throw std::runtime_error("the interface did not start: " + player_->Failure());
        player_->SetVariable("currentFn", sound);
        player_->SetVariable("currentIndex", std::to_string(Row));
        form_->Show();
        for (int i = 0; i < 2000 && engine_.keyState(Row).status == audio::KeyStatus::Loading; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (engine_.keyState(Row).status != audio::KeyStatus::Ready)
            throw std::runtime_error("the sine did not load: " + engine_.keyState(Row).reason);
        Application->ProcessMessages();
    }
    ~Panel()
    {
        engine_.shutdown();
        delete form_;
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Stops the key and renders until the output is silent again.
    void quiet(std::vector<float>& buffer, int frames)
    {
        engine_.stopAll();
        for (int i = 0; i < 1000; ++i) {
            engine_.render(buffer.data(), frames);
            if (firstSound(buffer, frames) < 0)
                break;
        }
        Application->ProcessMessages();
    }

    // Frames rendered from the key press up to and including the first sound; -1 when none within a second.
    long long pressAndListen(std::vector<float>& buffer, int frames)
    {
        backend_->keyDown('1');
        Application->ProcessMessages();
        long long rendered = 0;
        while (rendered < Rate) {
            engine_.render(buffer.data(), frames);
            const int at = firstSound(buffer, frames);
            if (at >= 0)
                return rendered + at + 1;
            rendered += frames;
        }
        return -1;
    }

    void release()
    {
        backend_->keyUp('1');
        Application->ProcessMessages();
    }

private:
    static int firstSound(const std::vector<float>& buffer, int frames)
    {
        for (int i = 0; i < 2 * frames; ++i)
            if (buffer[std::size_t(i)] != 0.0f)
                return i / 2;
        return -1;
    }

    HeadlessBackend* backend_ = nullptr;
    std::filesystem::path folder_;
    audio::AudioEngine engine_;
    TForm* form_ = nullptr;
    TPlayerControl* player_ = nullptr;
};

Panel& SharedPanel()
{
    static Panel panel;
    return panel;
}

void BM_KeyToFirstSound(benchmark::State& state)
{
    const int period = int(state.range(0));
    Panel& panel = SharedPanel();
    std::vector<float> buffer(2 * std::size_t(period));
    long long worstFrames = 0;
    double totalFrames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        panel.quiet(buffer, period);
        state.ResumeTiming();
        const long long frames = panel.pressAndListen(buffer, period);
        state.PauseTiming();
        panel.release();
        state.ResumeTiming();
        if (frames < 0) {
            state.SkipWithError("the key made no sound within a second");
            return;
        }
        worstFrames = std::max(worstFrames, frames);
        totalFrames += double(frames);
    }
    const double meanFrames = totalFrames / double(state.iterations());
    state.counters["frames"] = meanFrames;
    state.counters["worst_frames"] = double(worstFrames);
    state.counters["audio_ms"] = 1000.0 * meanFrames / Rate;
    state.counters["period_ms"] = 1000.0 * period / Rate;
    state.counters["within_period"] = double(worstFrames) <= 1.1 * period ? 1 : 0;
}
BENCHMARK(BM_KeyToFirstSound)->Arg(64)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);

} // namespace
