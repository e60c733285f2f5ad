// How quickly the call hears a key, and how late it hears the user, through
// "Clatterbox microphone" on a private sound server. Each figure stands
// beside its baselines, measured in the same run on the same server:
//  - ours: a key pressed in the engine, to its first sound on the microphone;
//  - a persistent low-latency stream of our own written into the same mix
//    sink, switched from silence to the sound: the best a second stream can do;
//  - paplay started per key into the mix sink: what a soundboard that spawns
//    a player per sound gets;
//  - the user's voice: its onset on the stand-in microphone, and on ours.
// Usage: bench_microphone [presses]   (default 20)

#include "audio/AudioEngine.h"
#include "audio/VirtualMicrophone.h"

#include "tests/support/PrivateSoundServer.h"
#include "tests/support/SoundFixtures.h"
#include "tests/support/ToneStream.h"

#include <pulse/simple.h>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

extern char** environ;

using Clock = std::chrono::steady_clock;

namespace {

constexpr int Rate = 48000;
constexpr int Chunk = 48; // 1 ms reads
constexpr float Threshold = 0.01f;

double Now() { return std::chrono::duration<double>(Clock::now().time_since_epoch()).count(); }

// Reads a source for its whole life and reports when sound first appears after arm().
class OnsetWatcher {
public:
    OnsetWatcher(const std::string& server, const std::string& source)
    {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, Rate, 2};
        pa_buffer_attr attributes{};
        attributes.maxlength = std::uint32_t(-1);
        attributes.fragsize = Chunk * 8;
        int error = 0;
        simple_ = pa_simple_new(server.c_str(), "brio-bench", PA_STREAM_RECORD, source.c_str(), "watch", &spec,
                                nullptr, &attributes, &error);
        if (simple_)
            thread_ = std::thread([this] { run(); });
    }
    ~OnsetWatcher()
    {
        quit_ = true;
        if (thread_.joinable())
            thread_.join();
        if (simple_)
            pa_simple_free(simple_);
    }
    bool ok() const { return simple_ != nullptr; }
    void arm()
    {
        std::lock_guard<std::mutex> guard(lock_);
        onset_ = 0;
        armed_ = true;
    }
    // Seconds since the epoch of Now(), or 0 when nothing came within the wait.
    double wait(double seconds)
    {
        const double end = Now() + seconds;
        while (Now() < end) {
            {
                std::lock_guard<std::mutex> guard(lock_);
                if (onset_ > 0)
                    return onset_;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        return 0;
    }
    // True once `seconds` of silence went by.
    void waitSilence(double seconds)
    {
        silentSince_ = Now();
        while (Now() - silentSince_.load() < seconds)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

private:
    void run()
    {
        std::vector<float> block(Chunk * 2);
        while (!quit_) {
            int error = 0;
            if (pa_simple_read(simple_, block.data(), block.size() * sizeof(float), &error) < 0)
                return;
            const double returned = Now();
            int first = -1;
            for (int i = 0; i < Chunk && first < 0; ++i)
                if (std::fabs(block[2 * i]) > Threshold)
                    first = i;
            if (first >= 0)
                silentSince_ = returned;
            std::lock_guard<std::mutex> guard(lock_);
            if (armed_ && first >= 0) {
                onset_ = returned - double(Chunk - first) / Rate;
                armed_ = false;
            }
        }
    }

    pa_simple* simple_ = nullptr;
    std::thread thread_;
    std::atomic<bool> quit_{false};
    std::mutex lock_;
    bool armed_ = false;
    double onset_ = 0;
    std::atomic<double> silentSince_{0};
};

struct Figures {
    std::vector<double> ms; // in the order measured
    std::vector<double> sorted() const
    {
        std::vector<double> copy = ms;
        std::sort(copy.begin(), copy.end());
        return copy;
    }
    void add(double value)
    {
        if (value > 0)
            ms.push_back(value * 1000);
    }
    double median() const { return ms.empty() ? NAN : sorted()[ms.size() / 2]; }
    void print(const char* name) const
    {
        if (std::getenv("BRIO_BENCH_VERBOSE")) {
            for (double v : ms)
                std::printf(" %.1f", v);
            std::printf("\n");
        }
        const auto s = sorted();
        std::printf("  %-52s median %7.2f ms  min %7.2f  max %7.2f  (%zu)\n", name, median(),
                    s.empty() ? NAN : s.front(), s.empty() ? NAN : s.back(), s.size());
    }
};

// Times one onset: `start` makes the sound, `end` silences it again.
double Onset(OnsetWatcher& watcher, const std::function<void()>& start, const std::function<void()>& end)
{
    watcher.waitSilence(0.15);
    watcher.arm();
    const double t0 = Now();
    start();
    const double onset = watcher.wait(3.0);
    end();
    return onset > 0 ? onset - t0 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (!audiotest::PrivateSoundServer::Installed()) {
        std::puts("pulseaudio is not installed: nothing measured");
        return 77;
    }
    audiotest::PrivateSoundServer server;
    if (!server.start()) {
        std::puts("the private sound server did not start");
        return 1;
    }
    const std::string address = server.address();
    server.pactl("load-module module-null-sink sink_name=voice rate=48000");
    server.pactl("set-default-source voice.monitor");

    audio::AudioEngine engine;
    audio::EngineOptions options;
    options.output = audio::OutputKind::SoundServer;
    options.server.server = address;
    if (!engine.start(options)) {
        std::printf("no output: %s\n", engine.deviceStatus().message.c_str());
        return 1;
    }
    audio::MicrophoneOptions microphone;
    microphone.server = address;
    if (!engine.setMicrophone(true, microphone)) {
        std::printf("no microphone: %s\n", engine.microphoneStatus().message.c_str());
        return 1;
    }
    audiotest::ToneSpec spec;
    spec.frequency = 1000;
    spec.seconds = 0.3;
    const std::string tone = audiotest::WriteTone("bench-microphone.wav", spec);
    engine.assign(0, tone);
    audiotest::WaitLoaded(engine, 0);

    OnsetWatcher call(address, audio::VirtualMicrophone::SourceName);
    OnsetWatcher voiceDirect(address, "voice.monitor");
    audiotest::ToneStream persistent(address, audio::VirtualMicrophone::MixSinkName, 1000, 0.5, false);
    audiotest::ToneStream voice(address, "voice", 1000, 0.5, false);
    if (!call.ok() || !voiceDirect.ok() || !persistent.ok() || !voice.ok()) {
        std::puts("could not connect the measuring streams");
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    // The watcher's first onset comes late whatever made it (the server settles
    // the new recording's latency): one sound first, not counted.
    Onset(call, [&] { persistent.sounding = true; }, [&] { persistent.sounding = false; });

    Figures ours, stream, spawned, voiceDelay;
    for (int i = 0; i < presses; ++i) {
        stream.add(Onset(call, [&] { persistent.sounding = true; }, [&] { persistent.sounding = false; }));
        ours.add(Onset(call, [&] { engine.play(0); }, [&] { engine.stop(0); }));
        if (i < std::min(presses, 10)) {
            pid_t pid = -1;
            spawned.add(Onset(
                call,
                [&] {
                    const std::string serverArg = "--server=" + address;
                    const char* argv[] = {"paplay", serverArg.c_str(), "-d", audio::VirtualMicrophone::MixSinkName,
                                          tone.c_str(), nullptr};
                    posix_spawnp(&pid, "paplay", nullptr, nullptr, const_cast<char**>(argv), environ);
                },
                [&] {
                    if (pid > 0)
                        waitpid(pid, nullptr, 0);
                }));
        }
        // The voice: its onset on the stand-in microphone and on ours, from one start.
        call.waitSilence(0.15);
        voiceDirect.arm();
        call.arm();
        voice.sounding = true;
        const double direct = voiceDirect.wait(3.0);
        const double carried = call.wait(3.0);
        voice.sounding = false;
        if (direct > 0 && carried > 0)
            voiceDelay.add(carried - direct);
    }

    std::printf("Key to the call, %d presses, private sound server:\n", presses);
    ours.print("ours: key press to Clatterbox microphone");
    stream.print("baseline: persistent stream into the mix sink");
    spawned.print("baseline: paplay per key into the mix sink");
    std::printf("  ratio ours / persistent stream: %.2f (limit 2)\n", ours.median() / stream.median());
    std::printf("  paplay / ours: %.1f (at least 10)\n", spawned.median() / ours.median());
    std::printf("The user's voice through the mix:\n");
    voiceDelay.print("delay, stand-in microphone to Clatterbox microphone");
    std::printf("  limit 30 ms\n");
    return 0;
}
