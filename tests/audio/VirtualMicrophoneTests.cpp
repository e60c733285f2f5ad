// The virtual microphone on a private sound server: a null sink "out" is the
// user's speakers and a second null sink "voice" plays a tone whose monitor
// stands in for the user's real microphone. What a call would hear is
// recorded from "Clatterbox microphone".

#include "audio/AudioEngine.h"
#include "audio/VirtualMicrophone.h"

#include "tests/support/PrivateSoundServer.h"
#include "tests/support/SoundFixtures.h"
#include "tests/support/SourceRecorder.h"
#include "tests/support/ToneStream.h"

#include <gtest/gtest.h>
#include <pulse/simple.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

extern char** environ;

using namespace audio;
using namespace audiotest;

namespace {

constexpr double VoiceHz = 300;
constexpr double KeyHz = 1000;
constexpr double Pi = 3.14159265358979323846;

// The amplitude of one frequency in the left channel (Goertzel).
double Amplitude(const std::vector<float>& stereo, double frequency, int rate = 48000)
{
    const std::size_t frames = stereo.size() / 2;
    if (frames == 0)
        return 0;
    const double w = 2 * Pi * frequency / rate;
    const double coefficient = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double s0 = stereo[2 * i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 2 * std::sqrt(std::max(power, 0.0)) / double(frames);
}

// The typical amplitude of one frequency: the median over 20 ms windows, so
// that a dropout on a loaded machine, or the slight speed-up that drains a
// backlog, does not count as a wrong level.
double Level(const std::vector<float>& stereo, double frequency)
{
    constexpr std::size_t Window = 960;
    std::vector<double> levels;
    for (std::size_t first = 0; first + Window <= stereo.size() / 2; first += Window)
        levels.push_back(Amplitude(std::vector<float>(stereo.begin() + 2 * first, stereo.begin() + 2 * (first + Window)),
                                   frequency));
    if (levels.empty())
        return 0;
    std::nth_element(levels.begin(), levels.begin() + levels.size() / 2, levels.end());
    return levels[levels.size() / 2];
}

class Microphone : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PrivateSoundServer::Installed())
            GTEST_SKIP() << "pulseaudio is not installed";
        ASSERT_TRUE(server.start()) << "the private sound server did not start";
        ASSERT_TRUE(server.pactl("load-module module-null-sink sink_name=voice rate=48000"));
        ASSERT_TRUE(server.pactl("set-default-source voice.monitor"));
    }

    EngineOptions engineOptions() const
    {
        EngineOptions o;
        o.output = OutputKind::SoundServer;
        o.server.server = server.address();
        o.server.adaptive = false;
        return o;
    }

    MicrophoneOptions microphoneOptions() const
    {
        MicrophoneOptions o;
        o.server = server.address();
        return o;
    }

    // Modules that carry our mark, as pactl lists them.
    int ourModules() const
    {
        const auto list = server.pactl("list short modules");
        int count = 0;
        for (std::size_t at = 0; list && (at = list->find("clatterbox.owner=", at)) != std::string::npos; ++at)
            ++count;
        return count;
    }

    bool hasSource(const std::string& name) const
    {
        const auto list = server.pactl("list short sources");
        return list && list->find(name) != std::string::npos;
    }

    std::string keyTone()
    {
        ToneSpec spec;
        spec.frequency = KeyHz;
        spec.seconds = 3;
        spec.amplitude = 0.5;
        return WriteTone("microphone-key.wav", spec);
    }

    PrivateSoundServer server;
};

TEST_F(Microphone, CarriesTheKeysAtTheirLevelAndTheUsersVoice)
{
    AudioEngine engine;
    ASSERT_TRUE(engine.start(engineOptions())) << engine.deviceStatus().message;
    ASSERT_TRUE(engine.setMicrophone(true, microphoneOptions())) << engine.microphoneStatus().message;
    EXPECT_EQ(engine.microphoneStatus().source, "voice.monitor");
    EXPECT_TRUE(hasSource(VirtualMicrophone::SourceName));
    const auto description = server.pactl("list sources");
    ASSERT_TRUE(description);
    EXPECT_NE(description->find("Clatterbox microphone"), std::string::npos);

    ToneStream voice(server.address(), "voice", VoiceHz, 0.25); // the user speaking
    ASSERT_TRUE(voice.ok());
    SourceRecorder call(server.address(), VirtualMicrophone::SourceName);
    ASSERT_TRUE(call.ok());
    engine.assign(1, keyTone());
    ASSERT_EQ(WaitLoaded(engine, 1).status, KeyStatus::Ready);
    engine.setKeyVolume(1, 50);
    engine.setMasterVolume(80);
    call.read(0.3);
    engine.play(1);
    call.read(0.2);
    const std::vector<float> heard = call.read(0.5);
    ASSERT_FALSE(heard.empty());
    // The key at 0.5 (file) x 0.5 (key) x 0.8 (master); the voice at unity gain.
    EXPECT_NEAR(Level(heard, KeyHz), 0.2, 0.03);
    EXPECT_NEAR(Level(heard, VoiceHz), 0.25, 0.03);
}

TEST_F(Microphone, EachSwitchMutesOnlyItsOwnListener)
{
    AudioEngine engine;
    ASSERT_TRUE(engine.start(engineOptions()));
    ASSERT_TRUE(engine.setMicrophone(true, microphoneOptions()));
    engine.assign(2, keyTone());
    ASSERT_EQ(WaitLoaded(engine, 2).status, KeyStatus::Ready);
    SourceRecorder call(server.address(), VirtualMicrophone::SourceName);
    SourceRecorder speakers(server.address(), "out.monitor");
    ASSERT_TRUE(call.ok() && speakers.ok());

    engine.setSoundSwitch(false);
    engine.play(2);
    std::thread settle([&] { speakers.read(0.2); });
    call.read(0.2);
    settle.join();
    std::vector<float> local;
    std::thread listen([&] { local = speakers.read(0.4); });
    const std::vector<float> remote = call.read(0.4);
    listen.join();
    EXPECT_GT(Level(remote, KeyHz), 0.2) << "the call hears the key";
    EXPECT_LT(Peak(local), 0.001f) << "the speakers are silent";
    engine.stop(2);

    // The reverse: the microphone off, the speakers on.
    ASSERT_TRUE(engine.setMicrophone(false));
    EXPECT_FALSE(hasSource(VirtualMicrophone::SourceName));
    EXPECT_EQ(ourModules(), 0);
    engine.setSoundSwitch(true);
    engine.play(2);
    speakers.read(0.2);
    EXPECT_GT(Level(speakers.read(0.4), KeyHz), 0.2);
}

TEST_F(Microphone, GoneWhenTheEngineGoesAndRebuiltAfterTheServerRestarts)
{
    {
        AudioEngine engine;
        ASSERT_TRUE(engine.start(engineOptions()));
        ASSERT_TRUE(engine.setMicrophone(true, microphoneOptions()));
        EXPECT_EQ(ourModules(), 3);

        server.stop();
        ASSERT_TRUE(server.start());
        EXPECT_TRUE(WaitFor([&] { return hasSource(VirtualMicrophone::SourceName); }, 8000))
            << "the microphone is made again on the new server";
        // The stand-in microphone went with the old server: the sounds go on alone, and say so.
        EXPECT_TRUE(WaitFor([&] { return !engine.microphoneStatus().message.empty(); }, 3000));
        EXPECT_EQ(ourModules(), 2);
    }
    EXPECT_EQ(ourModules(), 0) << "nothing is left behind";
}

// Run by the next test in a process of its own (the same program, so that it
// counts as one of ours), and killed there.
TEST(MicrophoneKeeper, HoldsTheMicrophoneUntilKilled)
{
    const char* address = std::getenv("BRIO_TEST_KEEPER_SERVER");
    if (!address)
        GTEST_SKIP() << "runs only inside the leftover test";
    VirtualMicrophone microphone;
    MicrophoneOptions options;
    options.server = address;
    ASSERT_TRUE(microphone.start(options));
    std::puts("KEEPER READY");
    std::fflush(stdout);
    pause();
}

TEST_F(Microphone, ARunKilledOutrightLeavesNothingAfterTheNextStartAndOthersModulesStay)
{
    ASSERT_TRUE(server.pactl("load-module module-null-sink sink_name=someone_elses"));
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::string env = "BRIO_TEST_KEEPER_SERVER=" + server.address();
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e)
        envp.push_back(*e);
    envp.push_back(const_cast<char*>(env.c_str()));
    envp.push_back(nullptr);
    char filter[] = "--gtest_filter=MicrophoneKeeper.*";
    char* argv[] = {self, filter, nullptr};
    pid_t keeper = -1;
    ASSERT_EQ(posix_spawn(&keeper, self, nullptr, nullptr, argv, envp.data()), 0);
    ASSERT_TRUE(WaitFor([&] { return ourModules() == 3; }, 10000)) << "the keeper made its microphone";
    kill(keeper, SIGKILL);
    waitpid(keeper, nullptr, 0);
    EXPECT_EQ(ourModules(), 3) << "a killed run cannot clean up";

    VirtualMicrophone microphone;
    ASSERT_TRUE(microphone.start(microphoneOptions()));
    EXPECT_EQ(ourModules(), 3) << "exactly one set";
    const auto sources = server.pactl("list short sources");
    ASSERT_TRUE(sources);
    std::size_t count = 0;
    for (std::size_t at = 0; (at = sources->find(std::string(VirtualMicrophone::SourceName) + "\t", at)) != std::string::npos; ++at)
        ++count;
    EXPECT_EQ(count, 1u);
    microphone.stop();
    EXPECT_EQ(ourModules(), 0);
    const auto sinks = server.pactl("list short sinks");
    ASSERT_TRUE(sinks);
    EXPECT_NE(sinks->find("someone_elses"), std::string::npos) << "another program's module stays";
}

TEST_F(Microphone, OffersTheRealMicrophonesButNotItsOwnDevicesNorTheSpeakers)
{
    VirtualMicrophone microphone;
    ASSERT_TRUE(microphone.start(microphoneOptions()));
    std::vector<std::string> names;
    for (const auto& [name, description] : VirtualMicrophone::Microphones(server.address()))
        names.push_back(name);
    EXPECT_EQ(names, std::vector<std::string>{"voice.monitor"});
    EXPECT_TRUE(VirtualMicrophone::ServerAnswers(server.address()));
    EXPECT_FALSE(VirtualMicrophone::ServerAnswers("unix:/nonexistent/brio/native"));
}

TEST(MicrophoneAbsent, WithoutAServerItSaysSoAndPlayingGoesOn)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    AudioEngine engine;
    EngineOptions options;
    options.output = OutputKind::Auto;
    const bool started = engine.start(options);
    unsetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(started);
    MicrophoneOptions microphone;
    microphone.server = "unix:/nonexistent/brio/native";
    EXPECT_FALSE(engine.setMicrophone(true, microphone));
    EXPECT_NE(engine.microphoneStatus().message.find("No sound server"), std::string::npos);
    EXPECT_EQ(engine.deviceStatus().driver, "dummy");
}

} // namespace
