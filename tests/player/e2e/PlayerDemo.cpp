// The key panel on a real display and a real audio device, for the
// end-to-end test: a form holding the player control, two generated tones
// assigned to rows 0 and 1 through the host's variables, each at its own
// volume. It prints what the script needs (the device rate, the tone and
// level row 1 must produce, a point on the form away from the key caps),
// then "ready", and runs until its window closes.
//
// With --check it reads what the device wrote instead (raw float stereo)
// and says whether the sound heard is the expected tone at the expected level.

#include "player/PlayerControl.h"
#include "player/PlayerRuntime.h"

#include "tests/support/DiskToneCheck.h"
#include "tests/support/SoundFixtures.h"

#include "audio/AudioEngine.h"
#include "platform/WinUser.h"
#include "platform/backends/sdl/SdlBackend.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr double ToneAmplitude = 0.8;
constexpr double FirstFrequency = 440;
constexpr double SecondFrequency = 1000;
constexpr int FirstVolume = 30;
constexpr int SecondVolume = 60;

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

int fail(const std::string& why)
{
    std::fprintf(stderr, "player_demo: %s\n", why.c_str());
    return 1;
}

double ToneSeconds = 3.0;
audio::EngineOptions Engine;

std::string writeTone(const std::string& name, double frequency)
{
    audiotest::ToneSpec spec;
    spec.sampleRate = 44100; // not the device's rate: the engine must resample
    spec.frequency = frequency;
    spec.amplitude = ToneAmplitude;
    spec.seconds = ToneSeconds;
    return audiotest::WriteTone(name, spec);
}

// The middle of the row's key cap in the panel, found through the panel's
// own hit-test.
TPoint capCentre(const player::PlayerRuntime& runtime, int row)
{
    long sumX = 0, sumY = 0, count = 0;
    for (int y = 0; y < 240; y += 2)
        for (int x = 0; x < 480; x += 2)
            if (runtime.rowAt(POINT{x, y}) == row) {
                sumX += x;
                sumY += y;
                ++count;
            }
    return count ? TPoint{int(sumX / count), int(sumY / count)} : TPoint{-1, -1};
}

// Handles messages until both rows are decoded or the time is up.
bool awaitLoaded(const audio::AudioEngine& engine)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        Application->ProcessMessages();
        if (engine.keyState(0).status != audio::KeyStatus::Loading &&
            engine.keyState(1).status != audio::KeyStatus::Loading)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

int runPanel(const std::string& interfacePath)
{
    try {
        UseSdlBackend();
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    Application->Initialize();
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption("Clatterbox player test");
    form->SetBounds(100, 100, 520, 360);
    form->SetClientWidth(480);
    form->SetClientHeight(300);
    auto* player = new TPlayerControl(form);
    player->SetParent(form);
    player->SetBounds(0, 0, 480, 240);
    player->SetEngineOptions(Engine);
    player->SetMovie(interfacePath);
    player->Play();
    if (!player->Runtime())
        return fail("the player interface did not start: " + player->Failure());
    audio::AudioEngine& engine = *player->AudioEngine();
    // A sound-server stream becomes ready a moment after the start.
    for (int wait = 0; wait < 500 && engine.deviceStatus().state == audio::DeviceState::Reconnecting; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const audio::DeviceStatus device = engine.deviceStatus();
    if (device.state != audio::DeviceState::Playing)
        return fail("no audio device: " + device.message);

    // The order the host uses: the file, then the row it goes to.
    const std::string first = writeTone("first.wav", FirstFrequency);
    const std::string second = writeTone("second.wav", SecondFrequency);
    player->SetVariable("playerSoundSwitch", "on");
    player->SetVariable("playerSoundVol", "100");
    player->SetVariable("currentFn", first);
    player->SetVariable("currentIndex", "0");
    player->SetVariable("currentFn", second);
    player->SetVariable("currentIndex", "1");
    player->SetVariable("se_vol_0", std::to_string(FirstVolume));
    player->SetVariable("se_vol_1", std::to_string(SecondVolume));
    if (!awaitLoaded(engine))
        return fail("the tones are still loading after 20 s");
    for (int row = 0; row < 2; ++row)
        if (engine.keyState(row).status != audio::KeyStatus::Ready)
            return fail("row " + std::to_string(row) + " cannot play: " + engine.keyState(row).reason);

    form->Show();
    Application->ProcessMessages();
    const TPoint blank = form->ClientToScreen(TPoint{240, 270});
    // Key caps as offsets from the window's top-left corner, for a window
    // the manager may have moved.
    RECT window;
    GetWindowRect(form->Handle(), &window);
    for (int row = 0; row < 2; ++row) {
        const TPoint cap = player->ClientToScreen(capCentre(*player->Runtime(), row));
        say("key" + std::to_string(row) + " " + std::to_string(cap.x - window.left) + " " +
            std::to_string(cap.y - window.top));
    }
    say("rate " + std::to_string(device.sampleRate) + " " + std::to_string(device.bufferFrames));
    say("output " + device.driver + " " + (device.device.empty() ? "-" : device.device) +
        (device.realtime ? " realtime" : " normal"));
    say("expect " + std::to_string(SecondFrequency) + " " + std::to_string(ToneAmplitude * SecondVolume / 100.0));
    say("blank " + std::to_string(blank.x) + " " + std::to_string(blank.y));
    say("ready");
    Application->Run();
    const audio::DeviceStatus last = engine.deviceStatus();
    say("underruns " + std::to_string(last.underruns) + " buffer " + std::to_string(last.bufferFrames));
    // The engine's threads post to the message queue; they must stop before
    // the process tears its statics down.
    engine.shutdown();
    say("closed");
    return 0;
}

// --check <file> <rate> <frequency> <peak>
int check(int argc, char** argv)
{
    if (argc != 6)
        return fail("usage: player_demo --check <disk file> <rate> <frequency> <peak>");
    return audiotest::CheckDiskToneCommand(argv + 2, "the second key's tone at its volume");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string(argv[1]) == "--check")
        return check(argc, argv);
    // Options for the benchmark: the tones' length (3 s by default) and the
    // sound-server output's tuning.
    const std::string usage = "usage: player_demo <player interface .bpi> [--seconds S] [--target-us N] "
                              "[--request-us N] [--margin-us N] [--no-lead] [--no-realtime] [--no-adaptive] "
                              "[--adjust-latency] [--sdl-period FRAMES] | --check ...";
    if (argc < 2)
        return fail(usage);
    audio::ServerOutputOptions& server = Engine.server;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        const bool valued = i + 1 < argc;
        if (option == "--seconds" && valued)
            ToneSeconds = std::max(0.05, std::atof(argv[++i]));
        else if (option == "--target-us" && valued)
            server.targetMicroseconds = std::atoi(argv[++i]);
        else if (option == "--request-us" && valued)
            server.requestMicroseconds = std::atoi(argv[++i]);
        else if (option == "--margin-us" && valued)
            server.leadMarginMicroseconds = std::atoi(argv[++i]);
        else if (option == "--no-lead")
            server.leadWrite = false;
        else if (option == "--no-realtime")
            server.realtime = false;
        else if (option == "--no-adaptive")
            server.adaptive = false;
        else if (option == "--adjust-latency")
            server.earlyRequests = false;
        else if (option == "--sdl-period" && valued) {
            Engine.output = audio::OutputKind::Sdl;
            Engine.bufferFrames = std::atoi(argv[++i]);
        }
        else
            return fail(usage);
    }
    return runPanel(argv[1]);
}
