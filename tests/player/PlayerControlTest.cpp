// The player control on the headless backend: the host's calls, keys and
// clicks reaching the engine (pulled, no device), and the drawn panel.

#include "player/PlayerControl.h"
#include "player/PlayerRuntime.h"

#include "tests/support/PrivateSoundServer.h"
#include "tests/support/SoundFixtures.h"
#include "tests/support/UiTestSupport.h"

#include "player/OutputDeviceSetting.h"

#include "audio/AudioEngine.h"
#include "platform/images/PngIo.h"

#include <filesystem>
#include <fstream>

using namespace audiotest;
using audio::KeyStatus;

namespace {

const std::string PlugInFolder = std::string(BRIO_SOURCE_DIR) + "/resources/plug-in/";

// An edit-like control that records the keys and characters it gets.
class KeyRecorder : public TCustomControl {
public:
    explicit KeyRecorder(TComponent* owner) : TCustomControl(owner)
    {
        SetTabStop(true);
        OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) { keys.push_back(key); };
        OnKeyPress = [this](TObject*, char& c) { text += c; };
    }
    bool WantsChars() const override { return true; }
    std::vector<int> keys;
    std::string text;
};

class PlayerControl : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(engine.start(PulledOptions()));
        form = makeForm("Host");
        form->SetClientWidth(600);
        form->SetClientHeight(300);
        player = new TPlayerControl(form);
        player->SetParent(form);
        player->SetBounds(0, 0, 480, 240);
        player->SetAudioEngine(&engine);
        edit = new KeyRecorder(form);
        edit->SetParent(form);
        edit->SetBounds(490, 10, 100, 24);
        form->Show();
        edit->SetFocus();
        pump();
    }
    void TearDown() override
    {
        engine.shutdown();
        UiTest::TearDown();
    }

    void start(const std::string& interface = "default.bpi")
    {
        player->SetMovie(PlugInFolder + interface);
        player->Play();
        pump();
    }
    void assign(int row, const std::string& path)
    {
        player->SetVariable("currentFn", path);
        player->SetVariable("currentIndex", std::to_string(row));
        WaitLoaded(engine, row);
        pump();
    }
    void press(int key)
    {
        backend().pressKey(key);
        pump();
    }
    KeyStatus status(int row) const { return engine.keyState(row).status; }
    void expectVariables(const std::vector<TPlayerControl::Variable>& expected)
    {
        std::string trace;
        for (const auto& [name, value] : player->Variables())
            trace += "  " + name + " = " + value + "\n";
        EXPECT_EQ(player->Variables(), expected) << "recorded:\n" << trace;
    }
    std::string tone(const std::string& name, double frequency, double seconds = 1.0)
    {
        ToneSpec spec;
        spec.frequency = frequency;
        spec.seconds = seconds;
        return WriteTone(name, spec);
    }

    audio::AudioEngine engine;
    TForm* form = nullptr;
    TPlayerControl* player = nullptr;
    KeyRecorder* edit = nullptr;
};

TEST_F(PlayerControl, VariablesAreRecordedInOrderWhetherOrNotAnInterfaceRuns)
{
    player->SetMovie("/app/log-ok.swf");
    player->SetMenu(false);
    player->SetLoop(false);
    EXPECT_EQ(player->Movie(), "/app/log-ok.swf");
    player->Play(); // not a player interface: starts nothing, raises nothing
    EXPECT_EQ(player->Runtime(), nullptr);
    EXPECT_TRUE(player->Failure().empty());
    player->SetVariable("playerSoundSwitch", "off");
    start();
    ASSERT_NE(player->Runtime(), nullptr);
    player->SetVariable("preSwitch", "off");
    player->SetVariable("playerSoundVol", "80");
    player->SetVariable("se_vol_3", "not a number");
    expectVariables({{"playerSoundSwitch", "off"},
                     {"preSwitch", "off"},
                     {"playerSoundVol", "80"},
                     {"se_vol_3", "not a number"}});
    // Only what arrived while the interface ran took effect.
    EXPECT_FALSE(player->Runtime()->status().soundOn);
    EXPECT_EQ(player->Runtime()->status().masterVolume, 80);
    EXPECT_EQ(engine.keyState(3).volume, 100);
}

TEST_F(PlayerControl, RecordKeepsTheLatestVariablesWithinItsLimit)
{
    // A session of many volume moves must not grow the record for ever.
    const std::size_t limit = TPlayerControl::VariableRecordLimit;
    for (std::size_t i = 0; i < 3 * limit + 7; ++i) {
        player->SetVariable("se_vol_1", std::to_string(i));
        ASSERT_LE(player->Variables().size(), limit);
    }
    ASSERT_GE(player->Variables().size(), limit / 2);
    EXPECT_EQ(player->Variables().back().second, std::to_string(3 * limit + 6));
    // Still in order, with none missing at the end.
    const auto& record = player->Variables();
    for (std::size_t i = 1; i < record.size(); ++i)
        ASSERT_EQ(std::stoul(record[i].second), std::stoul(record[i - 1].second) + 1);
}

TEST_F(PlayerControl, UnreadableInterfaceShowsItsReasonInThePanel)
{
    player->SetMovie("/nowhere/missing.bpi");
    EXPECT_NO_THROW(player->Play());
    EXPECT_EQ(player->Runtime(), nullptr);
    EXPECT_NE(player->Failure().find("/nowhere/missing.bpi"), std::string::npos);
    player->SetVariable("preVol", "10"); // still recorded
    EXPECT_EQ(player->Variables().size(), 1u);
    pump();
    // The panel turned into the failure notice (its red box), not the plain background.
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(player->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/player-failure.png");
    HDC dc = GetDC(player->Handle());
    EXPECT_EQ(GetPixel(dc, 100, 100), RGB(0x3A, 0x22, 0x24));
    ReleaseDC(player->Handle(), dc);
}

TEST_F(PlayerControl, TriggerKeysPlayTheirRowsAndNeverReachTheFocusedControl)
{
    start();
    assign(1, tone("low.wav", 300));
    assign(10, tone("high.wav", 900));
    ASSERT_EQ(status(1), KeyStatus::Ready);
    ASSERT_TRUE(edit->Focused());

    press('1');
    EXPECT_EQ(status(1), KeyStatus::Playing);
    press('A');
    EXPECT_EQ(status(10), KeyStatus::Playing);
    EXPECT_TRUE(edit->keys.empty());
    EXPECT_EQ(edit->text, "");

    // Escape stops everything; a key the panel does not use goes to the edit.
    press(VK_ESCAPE);
    EXPECT_EQ(status(1), KeyStatus::Ready);
    EXPECT_EQ(status(10), KeyStatus::Ready);
    press('Q');
    EXPECT_EQ(edit->keys, std::vector<int>{'Q'});

    // With Ctrl held the key is a shortcut, not a sound.
    edit->keys.clear();
    pressWith(VK_CONTROL, '1');
    EXPECT_EQ(status(1), KeyStatus::Ready);
    EXPECT_EQ(edit->keys, (std::vector<int>{VK_CONTROL, '1'}));
}

TEST_F(PlayerControl, PressRestartsALooseKeyAndStopsALoopingOne)
{
    start();
    assign(2, tone("restart.wav", 440));
    press('2');
    std::vector<float> block(2 * 4800);
    engine.render(block.data(), 4800); // 0.1 s in
    ASSERT_TRUE(WaitFor([&] { return engine.keyState(2).progress > 0.05; }));
    press('2');
    EXPECT_EQ(status(2), KeyStatus::Playing);
    EXPECT_LT(engine.keyState(2).progress, 0.05);

    player->SetVariable("loopFlag_2", "true");
    EXPECT_EQ(status(2), KeyStatus::Looping);
    press('2');
    EXPECT_EQ(status(2), KeyStatus::Ready);
}

TEST_F(PlayerControl, ThePreviewPlaysLoopsAndStopsBesideTheKeysWhichItLeavesAlone)
{
    start();
    assign(3, tone("key-beside-preview.wav", 440));
    const std::string sound = tone("library-sound.wav", 660, 0.2);
    player->SetVariable("previewFn", sound);
    ASSERT_TRUE(WaitFor([&] { return engine.previewState().status == KeyStatus::Playing; }));
    std::vector<float> block(2 * 4800);
    engine.render(block.data(), 4800);
    EXPECT_NEAR(MeasureFrequency(block, 0, 48000), 660.0, 15.0) << "the preview is heard";
    EXPECT_EQ(status(3), KeyStatus::Ready) << "no key plays";
    engine.render(block.data(), 4800);
    engine.render(block.data(), 4800);
    EXPECT_TRUE(WaitFor([&] { return engine.previewState().status == KeyStatus::Ready; })) << "played once, it ends";

    player->SetVariable("previewLoop", "true");
    player->SetVariable("previewFn", sound);
    for (int i = 0; i < 5; ++i)
        engine.render(block.data(), 4800); // half a second: past the sound's end
    EXPECT_EQ(engine.previewState().status, KeyStatus::Looping);
    press('3');
    EXPECT_EQ(status(3), KeyStatus::Playing) << "a key plays beside the preview";
    player->SetVariable("previewStop", "1");
    EXPECT_EQ(engine.previewState().status, KeyStatus::Ready);
    EXPECT_EQ(status(3), KeyStatus::Playing);
}

TEST_F(PlayerControl, KeysWaitWhileAnotherWindowIsActive)
{
    start();
    assign(3, tone("other.wav", 440));
    TForm* other = makeForm("Other");
    other->Show();
    pump();
    press('3');
    EXPECT_EQ(status(3), KeyStatus::Ready);
    delete other;
    form->SetFocus();
    pump();
    press('3');
    EXPECT_EQ(status(3), KeyStatus::Playing);
}

TEST_F(PlayerControl, ClickOnACapPlaysItsRow)
{
    start();
    assign(7, tone("click.wav", 440));
    const RECT cap = player->Runtime()->ui().keys[7].rect;
    TPoint p = screenPoint(player, int(cap.left + cap.right) / 2, int(cap.top + cap.bottom) / 2);
    backend().click(p.x, p.y);
    pump();
    EXPECT_EQ(status(7), KeyStatus::Playing);
}

TEST_F(PlayerControl, OnlyChangedCapsAreDrawnAgain)
{
    start();
    assign(4, tone("repaint.wav", 440));
    pump();
    EXPECT_TRUE(player->Runtime() != nullptr);
    RECT dirty{};
    EXPECT_FALSE(GetUpdateRect(player->Handle(), &dirty, FALSE));
    player->SetVariable("se_vol_4", "30");
    ASSERT_TRUE(GetUpdateRect(player->Handle(), &dirty, FALSE));
    const RECT cap = player->Runtime()->ui().keys[4].rect;
    EXPECT_TRUE(dirty.left == cap.left && dirty.top == cap.top && dirty.right == cap.right &&
                dirty.bottom == cap.bottom);
    pump();
    // Setting what is already shown changes nothing.
    player->SetVariable("se_vol_4", "30");
    EXPECT_FALSE(GetUpdateRect(player->Handle(), &dirty, FALSE));
}

TEST_F(PlayerControl, CapsShowTheirFilesOnceDecodedWithoutAKeyPressEvenWhenLoadedBeforeTheWindowExisted)
{
    // As the program starts: the interface plays and gets its files before its window is made.
    TForm* host = makeForm("Later");
    host->SetClientWidth(480);
    host->SetClientHeight(240);
    auto* late = new TPlayerControl(host);
    late->SetParent(host);
    late->SetBounds(0, 0, 480, 240);
    late->SetAudioEngine(&engine);
    late->SetMovie(PlugInFolder + "default.bpi");
    late->Play();
    ASSERT_NE(late->Runtime(), nullptr);
    late->SetVariable("currentFn", tone("Gong.wav", 440));
    late->SetVariable("currentIndex", "0");
    late->SetVariable("currentFn", tone("Whistle.wav", 880));
    late->SetVariable("currentIndex", "6");
    WaitLoaded(engine, 0);
    WaitLoaded(engine, 6);
    pump();
    host->Show();
    pump();
    for (int row : {0, 6}) {
        EXPECT_FALSE(late->Runtime()->cap(row).loading) << "row " << row << " still reads loading";
        EXPECT_EQ(late->Runtime()->cap(row).state, player::CapState::Assigned);
    }
    EXPECT_EQ(late->Runtime()->cap(0).fileName, "Gong.wav");
    EXPECT_EQ(late->Runtime()->cap(6).fileName, "Whistle.wav");

    // And with the window there, news of a decode arrives without any input.
    late->SetVariable("currentFn", tone("Bell.wav", 660));
    late->SetVariable("currentIndex", "9");
    WaitLoaded(engine, 9);
    EXPECT_TRUE(WaitFor([&] {
        pump();
        return !late->Runtime()->cap(9).loading;
    }));
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(late->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/player-loaded-unpressed.png");
    delete host;
}

TEST_F(PlayerControl, TheOutputDeviceComesFromTheSettingsAndReachesTheEngine)
{
    const std::string settings = FixtureFolder() + "/settings.ini";
    std::filesystem::remove(settings);
    EXPECT_EQ(player::ReadOutputDevice(settings), ""); // no file: the server's default
    {
        std::ofstream out(settings);
        out << "[other]\nmic=1\n";
    }
    player::WriteOutputDevice(settings, "alsa_output.usb-headset");
    EXPECT_EQ(player::ReadOutputDevice(settings), "alsa_output.usb-headset");
    player->SetOutputDevice(player::ReadOutputDevice(settings));
    EXPECT_EQ(player->OutputDevice(), "alsa_output.usb-headset");
    std::ifstream in(settings);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("mic=1"), std::string::npos) << "other keys of the section stay";
}

TEST_F(PlayerControl, TheMicrophoneWishWaitsForTheEngineAndAFailureSaysWhy)
{
    const std::string settings = FixtureFolder() + "/settings-microphone.ini";
    std::filesystem::remove(settings);
    EXPECT_EQ(player::ReadMicrophoneSource(settings), "");
    player::WriteOutputDevice(settings, "speakers");
    player::WriteMicrophoneSource(settings, "usb-mic");
    EXPECT_EQ(player::ReadMicrophoneSource(settings), "usb-mic");
    EXPECT_EQ(player::ReadOutputDevice(settings), "speakers") << "the keys live side by side";

    TPlayerControl* late = new TPlayerControl(form);
    late->SetParent(form);
    audio::EngineOptions options = PulledOptions();
    options.server.server = "unix:/nonexistent/brio/native";
    late->SetEngineOptions(options);
    EXPECT_TRUE(late->SetSoundsToMicrophone(true)) << "nothing is tried before the engine runs";
    EXPECT_TRUE(late->SoundsToMicrophone());
    EXPECT_FALSE(late->SoundServerPresent());
    late->SetMovie(PlugInFolder + "default.bpi");
    late->Play();
    EXPECT_NE(late->MicrophoneMessage().find("No sound server"), std::string::npos) << late->MicrophoneMessage();
    EXPECT_TRUE(late->SoundsToMicrophone()) << "the user's wish stays as set";
    EXPECT_FALSE(late->SetSoundsToMicrophone(true));
    EXPECT_TRUE(late->SetSoundsToMicrophone(false));
    EXPECT_EQ(late->MicrophoneMessage(), "");
}

TEST(PlayerStatus, ALastingOutputProblemIsShownInTheStatusLine)
{
    if (!PrivateSoundServer::Installed())
        GTEST_SKIP() << "pulseaudio is not installed";
    PrivateSoundServer server;
    ASSERT_TRUE(server.start());
    audio::AudioEngine engine;
    audio::EngineOptions options;
    options.output = audio::OutputKind::SoundServer;
    options.server.server = server.address();
    options.server.adaptive = false; // no dropout notes from a loaded machine
    options.device = "headset";
    ASSERT_TRUE(engine.start(options));
    player::PlayerRuntime runtime(player::DefaultPlayerInterface(), engine);
    ASSERT_TRUE(WaitFor([&] {
        runtime.refresh();
        return runtime.status().deviceNote.find("\"headset\" is missing") != std::string::npos;
    }, 5000)) << runtime.status().deviceNote;
    // Back to the default device: nothing to report.
    engine.setOutputDevice("");
    EXPECT_TRUE(WaitFor([&] {
        runtime.refresh();
        return runtime.status().deviceNote.empty();
    }, 5000)) << runtime.status().deviceNote;
    server.stop();
    EXPECT_TRUE(WaitFor([&] {
        runtime.refresh();
        return runtime.status().deviceNote == "Sound server lost: reconnecting";
    }, 5000)) << runtime.status().deviceNote;
    engine.shutdown();
}

TEST_F(PlayerControl, PanelGallery)
{
    start();
    assign(0, tone("Door knock.wav", 440));
    assign(1, tone("Applause with a very long name that will not fit.wav", 500, 2.0));
    assign(2, tone("Rimshot.wav", 600));
    assign(5, tone("Rain loop.wav", 700, 2.0));
    assign(11, tone("Laugh track.wav", 800));
    player->SetVariable("currentFn", "/missing/Airhorn.mp3");
    player->SetVariable("currentIndex", "13");
    WaitLoaded(engine, 13);
    player->SetVariable("se_vol_1", "65");
    player->SetVariable("se_vol_2", "30");
    player->SetVariable("loopFlag_5", "true");
    player->SetVariable("loopFlag_11", "true");
    player->SetVariable("playerSoundVol", "80");
    press('1');
    press('5');
    std::vector<float> block(2 * 24000);
    engine.render(block.data(), 24000); // half a second in
    WaitFor([&] { return engine.keyState(1).progress > 0.2; });
    pump();
    EXPECT_EQ(player->Runtime()->cap(13).state, player::CapState::Unplayable);
    EXPECT_EQ(player->Runtime()->cap(5).state, player::CapState::Looping);
    EXPECT_GT(player->Runtime()->cap(1).progressPixels, 0);

    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(player->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/player-panel.png");
    player->SetVariable("playerSoundSwitch", "off");
    pump();
    backend().writeWindowPng(player->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/player-panel-muted.png");
    // The compact interface with the same keys.
    start("compact.bpi");
    assign(0, tone("Door knock.wav", 440));
    assign(1, tone("Applause with a very long name that will not fit.wav", 500, 2.0));
    player->SetVariable("loopFlag_1", "true");
    press('0');
    pump();
    backend().writeWindowPng(player->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/player-panel-compact.png");
}

} // namespace
