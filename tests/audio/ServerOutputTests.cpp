// The sound-server output against a private PulseAudio daemon: what is heard
// on the sink, underruns, a server that dies and comes back, and a device
// that goes away and returns.

#include "audio/AudioEngine.h"
#include "audio/PulseOutput.h"

#include "tests/support/PrivateSoundServer.h"
#include "tests/support/SoundFixtures.h"
#include "tests/support/SourceRecorder.h"

#include <gtest/gtest.h>
#include <pulse/error.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace audio;
using namespace audiotest;

namespace {

class ServerOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PrivateSoundServer::Installed())
            GTEST_SKIP() << "pulseaudio is not installed";
        ASSERT_TRUE(server.start()) << "the private sound server did not start";
    }

    EngineOptions options(const std::string& device = "") const
    {
        EngineOptions o;
        o.output = OutputKind::SoundServer;
        o.server.server = server.address();
        // Underruns a loaded machine causes must not add their own message here.
        o.server.adaptive = false;
        o.device = device;
        return o;
    }

    // Loads a null sink; returns its module number, or -1.
    int addSink(const std::string& name)
    {
        const auto index = server.pactl("load-module module-null-sink sink_name=" + name + " rate=48000");
        return index ? std::atoi(index->c_str()) : -1;
    }

    bool waitDevice(const AudioEngine& engine, const std::string& device)
    {
        return WaitFor([&] { return engine.deviceStatus().device == device; }, 5000);
    }

    std::string tone(const std::string& name, double frequency, double seconds)
    {
        ToneSpec spec;
        spec.frequency = frequency;
        spec.seconds = seconds;
        spec.amplitude = 0.5;
        return WriteTone(name, spec);
    }

    PrivateSoundServer server;
};

TEST_F(ServerOutput, AKeyIsHeardOnTheSinkAndTheOutputReportsItself)
{
    AudioEngine engine;
    ASSERT_TRUE(engine.start(options())) << engine.deviceStatus().message;
    ASSERT_TRUE(WaitFor([&] { return engine.deviceStatus().state == DeviceState::Playing; }, 5000));
    const DeviceStatus status = engine.deviceStatus();
    EXPECT_EQ(status.driver, "pulse");
    EXPECT_EQ(status.device, "out");
    EXPECT_EQ(status.sampleRate, 48000);
    EXPECT_GT(status.bufferFrames, 0);
    EXPECT_LE(status.bufferFrames, 48000 / 10);
    EXPECT_TRUE(status.message.empty()) << status.message;
    const auto devices = engine.outputDevices();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].first, "out");

    engine.assign(3, tone("heard.wav", 1000, 0.5));
    ASSERT_EQ(WaitLoaded(engine, 3).status, KeyStatus::Ready);
    SourceRecorder recorder(server.address(), "out.monitor");
    ASSERT_TRUE(recorder.ok());
    recorder.read(0.05);
    engine.play(3);
    const std::vector<float> heard = recorder.read(0.4);
    ASSERT_FALSE(heard.empty());
    EXPECT_NEAR(MeasureFrequency(heard, 0, 48000), 1000.0, 10.0);
    EXPECT_NEAR(Peak(heard), 0.5f, 0.02f);
}

// The render function a test hands to the output: a tone, or a stall when asked.
struct StallingSource {
    std::atomic<int> stalls{0};
    std::atomic<long long> frames{0};
    static void Render(void* context, float* out, int count)
    {
        auto* self = static_cast<StallingSource*>(context);
        if (self->stalls.load() > 0) {
            self->stalls.fetch_sub(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(80));
        }
        std::fill(out, out + 2 * count, 0.25f);
        self->frames += count;
    }
};

TEST_F(ServerOutput, UnderrunsAreCountedAndABurstLengthensTheBuffer)
{
    ServerOutputOptions settings;
    settings.server = server.address();
    settings.realtime = false;
    settings.maxMicroseconds = 500000; // underruns of a loaded machine must not reach the cap first
    PulseOutput output;
    ASSERT_TRUE(output.open(settings, "", 48000));
    StallingSource source;
    output.start(&StallingSource::Render, nullptr, &source);
    ASSERT_TRUE(WaitFor([&] { return output.status().state == DeviceState::Playing && source.frames > 48000 / 5; },
                        5000));
    // A loaded machine may add underruns of its own; the stalls must show on top of them.
    const int before = output.status().bufferFrames;
    const long long earlier = output.status().underruns;
    source.stalls = 1;
    ASSERT_TRUE(WaitFor([&] { return output.status().underruns > earlier; }, 3000)) << "no underrun was reported";
    source.stalls = 1;
    ASSERT_TRUE(WaitFor([&] { return output.status().bufferFrames > before; }, 3000));
    const DeviceStatus status = output.status();
    EXPECT_GE(status.underruns, 2);
    EXPECT_NE(status.message.find("dropouts"), std::string::npos) << status.message;
    output.close();
}

TEST_F(ServerOutput, AServerThatDiesIsReconnectedAndKeysEndMeanwhile)
{
    AudioEngine engine;
    ASSERT_TRUE(engine.start(options()));
    ASSERT_TRUE(WaitFor([&] { return engine.deviceStatus().state == DeviceState::Playing; }, 5000));
    engine.assign(0, tone("through.wav", 440, 0.3));
    ASSERT_EQ(WaitLoaded(engine, 0).status, KeyStatus::Ready);

    std::atomic<int> deviceNews{0};
    engine.setEventCallback([&](const AudioEvent& event) {
        if (event.kind == AudioEventKind::DeviceChanged)
            ++deviceNews;
    });
    server.stop();
    ASSERT_TRUE(WaitFor([&] { return engine.deviceStatus().state == DeviceState::Reconnecting; }, 5000));
    EXPECT_TRUE(WaitFor([&] { return deviceNews > 0; }, 2000)) << "the host was not told";
    EXPECT_NE(engine.deviceStatus().message.find("sound server"), std::string::npos);
    // No server: the key still plays silently and ends on time.
    engine.play(0);
    EXPECT_EQ(engine.keyState(0).status, KeyStatus::Playing);
    EXPECT_TRUE(WaitFor([&] { return engine.keyState(0).status == KeyStatus::Ready; }, 3000));

    ASSERT_TRUE(server.start());
    ASSERT_TRUE(WaitFor([&] { return engine.deviceStatus().state == DeviceState::Playing; }, 10000))
        << engine.deviceStatus().message;
    EXPECT_TRUE(engine.deviceStatus().message.empty());
    SourceRecorder recorder(server.address(), "out.monitor");
    ASSERT_TRUE(recorder.ok());
    recorder.read(0.05);
    engine.play(0);
    EXPECT_NEAR(MeasureFrequency(recorder.read(0.25), 0, 48000), 440.0, 8.0);
    engine.setEventCallback(nullptr);
}

TEST_F(ServerOutput, ADeviceThatGoesAwayFallsBackToTheDefaultAndIsTakenBackWhenItReturns)
{
    int module = addSink("headset");
    ASSERT_GE(module, 0);
    AudioEngine engine;
    ASSERT_TRUE(engine.start(options("headset")));
    ASSERT_TRUE(waitDevice(engine, "headset")) << engine.deviceStatus().device;
    EXPECT_TRUE(engine.deviceStatus().message.empty());

    ASSERT_TRUE(server.pactl("unload-module " + std::to_string(module)));
    ASSERT_TRUE(waitDevice(engine, "out")) << engine.deviceStatus().device;
    ASSERT_TRUE(WaitFor([&] { return engine.deviceStatus().state == DeviceState::Playing; }, 5000));
    EXPECT_NE(engine.deviceStatus().message.find("headset"), std::string::npos) << engine.deviceStatus().message;

    module = addSink("headset");
    ASSERT_GE(module, 0);
    ASSERT_TRUE(waitDevice(engine, "headset"));
    EXPECT_TRUE(WaitFor([&] { return engine.deviceStatus().message.empty(); }, 2000))
        << engine.deviceStatus().message;
}

TEST_F(ServerOutput, ADeviceMissingAtStartIsUsedWhenItAppearsAndCanBeChangedWhilePlaying)
{
    AudioEngine engine;
    ASSERT_TRUE(engine.start(options("later")));
    ASSERT_TRUE(waitDevice(engine, "out"));
    EXPECT_NE(engine.deviceStatus().message.find("\"later\" is missing"), std::string::npos);
    ASSERT_GE(addSink("later"), 0);
    ASSERT_TRUE(waitDevice(engine, "later"));

    engine.setOutputDevice("");
    EXPECT_TRUE(waitDevice(engine, "out"));
    engine.setOutputDevice("later");
    EXPECT_TRUE(waitDevice(engine, "later"));
}

TEST(ServerOutputAbsent, NoServerFallsBackToSdlOrSaysWhy)
{
    EngineOptions options;
    options.output = OutputKind::SoundServer;
    options.server.server = "unix:/nonexistent/brio/native";
    AudioEngine engine;
    EXPECT_FALSE(engine.start(options));
    EXPECT_EQ(engine.deviceStatus().state, DeviceState::Silent);
    EXPECT_NE(engine.deviceStatus().message.find("sound server"), std::string::npos);

    // Auto takes SDL's device instead.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    options.output = OutputKind::Auto;
    const bool started = engine.start(options);
    unsetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(started) << engine.deviceStatus().message;
    EXPECT_EQ(engine.deviceStatus().driver, "dummy");
}

} // namespace
