#pragma once
// A sine written into a sink of the sound server for as long as it lives,
// 1 ms at a time on a thread of its own, as float stereo at 48 kHz; silence
// while `sounding` is false. Stands for a user speaking, or for the best a
// persistent low-latency stream can do. Header-only: its users link
// libpulse-simple.

#include <pulse/simple.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace audiotest {

class ToneStream {
public:
    static constexpr int Rate = 48000;
    static constexpr int BlockFrames = 48;

    ToneStream(const std::string& server, const std::string& sink, double frequency, double amplitude,
               bool soundingAtStart = true)
        : sounding(soundingAtStart)
    {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, Rate, 2};
        pa_buffer_attr attributes{};
        attributes.maxlength = std::uint32_t(-1);
        attributes.tlength = BlockFrames * 8 * 4; // 4 ms: a sound starts soon after `sounding` is set
        attributes.prebuf = std::uint32_t(-1);
        attributes.minreq = BlockFrames * 8;
        int error = 0;
        simple_ = pa_simple_new(server.c_str(), "brio-test", PA_STREAM_PLAYBACK, sink.c_str(), "tone", &spec, nullptr,
                                &attributes, &error);
        if (simple_)
            thread_ = std::thread([this, frequency, amplitude] { run(frequency, amplitude); });
    }
    ~ToneStream()
    {
        quit_ = true;
        if (thread_.joinable())
            thread_.join();
        if (simple_)
            pa_simple_free(simple_);
    }
    ToneStream(const ToneStream&) = delete;
    ToneStream& operator=(const ToneStream&) = delete;

    bool ok() const { return simple_ != nullptr; }
    std::atomic<bool> sounding;

private:
    void run(double frequency, double amplitude)
    {
        std::vector<float> block(BlockFrames * 2);
        long long n = 0;
        while (!quit_) {
            for (int i = 0; i < BlockFrames; ++i, ++n)
                block[2 * i] = block[2 * i + 1] =
                    sounding ? float(amplitude * std::sin(2 * 3.14159265358979323846 * frequency * double(n) / Rate))
                             : 0.0f;
            int error = 0;
            if (pa_simple_write(simple_, block.data(), block.size() * sizeof(float), &error) < 0)
                return;
        }
    }

    pa_simple* simple_ = nullptr;
    std::atomic<bool> quit_{false};
    std::thread thread_;
};

} // namespace audiotest
