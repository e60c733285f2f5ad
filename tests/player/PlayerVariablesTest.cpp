// What each movie variable does to the key panel, and the values it ignores.

#include "player/PlayerVariables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace player;

namespace {

// Records the effects as text, compared in order.
class RecordingCommands : public PlayerCommands {
public:
    std::vector<std::string> effects;
    void setSoundSwitch(bool on) override { effects.push_back(std::string("switch ") + (on ? "on" : "off")); }
    void setMasterVolume(int percent) override { effects.push_back("master " + std::to_string(percent)); }
    void setKeyVolume(int row, int percent) override
    {
        effects.push_back("volume " + std::to_string(row) + " " + std::to_string(percent));
    }
    void setLoop(int row, bool loop) override
    {
        effects.push_back("loop " + std::to_string(row) + (loop ? " true" : " false"));
    }
    void assign(int row, const std::string& path) override
    {
        effects.push_back("assign " + std::to_string(row) + " " + path);
    }
    void preview(const std::string& path, bool loop) override
    {
        effects.push_back("preview " + path + (loop ? " looping" : " once"));
    }
    void stopPreview() override { effects.push_back("stop preview"); }
};

class PlayerVariables : public ::testing::Test {
protected:
    void send(const std::vector<std::pair<std::string, std::string>>& variables)
    {
        for (const auto& [name, value] : variables)
            interpreter.apply(name, value, commands);
    }
    void expectEffects(const std::vector<std::string>& expected)
    {
        std::string trace;
        for (const auto& e : commands.effects)
            trace += "  " + e + "\n";
        EXPECT_EQ(commands.effects, expected) << "effects were:\n" << trace;
    }
    VariableInterpreter interpreter;
    RecordingCommands commands;
};

TEST_F(PlayerVariables, StartUpSequenceMutesSetsTheMasterAndAssignsKeys)
{
    send({{"playerSoundSwitch", "off"},
          {"preSwitch", "off"},
          {"playerSoundVol", "100"},
          {"preVol", "100"},
          {"preVol", "100"},
          {"currentFn", "/sounds/a.wav"},
          {"currentIndex", "2"},
          {"currentFn", "/sounds/b b.mp3"},
          {"currentIndex", "19"},
          {"se_vol_0", "100"},
          {"se_vol_19", "40"}});
    expectEffects({"switch off", "switch off", "master 100", "master 100", "master 100", "assign 2 /sounds/a.wav",
                   "assign 19 /sounds/b b.mp3", "volume 0 100", "volume 19 40"});
}

TEST_F(PlayerVariables, SwitchesFlagsAndVolumesAcceptTheirWrittenForms)
{
    send({{"playerSoundSwitch", "on"},
          {"preSwitch", " OFF "},
          {"loopFlag_3", "true"},
          {"loopFlag_3", "False"},
          {"se_vol_5", "150"},
          {"se_vol_6", "-20"},
          {"playerSoundVol", " 35 "}});
    expectEffects({"switch on", "switch off", "loop 3 true", "loop 3 false", "volume 5 100", "volume 6 0",
                   "master 35"});
}

TEST_F(PlayerVariables, ValuesThatCannotBeUsedAreIgnored)
{
    send({
        {"playerSoundSwitch", "yes"},
        {"preSwitch", ""},
        // After a key's volume change the host sends the date under this name.
        {"playerSoundVol", "2024/05/01"},
        {"preVol", "12.5"},
        {"preVol", "99999999999999999999"},
        {"se_vol_3", "loud"},
        {"se_vol_3", ""},
        {"se_vol_20", "50"},
        {"se_vol_-1", "50"},
        {"se_vol_03", "50"},
        {"se_vol_", "50"},
        {"se_vol_x", "50"},
        {"loopFlag_4", "1"},
        {"loopFlag_25", "true"},
        {"LoopFlag_4", "true"},
        {"somethingElse", "on"},
    });
    expectEffects({});
}

TEST_F(PlayerVariables, AnIndexNeedsAFileBeforeIt)
{
    send({{"currentIndex", "1"}});
    // The pair is used up by any index, good or bad, so no old file comes back.
    send({{"currentFn", "/a.wav"}, {"currentIndex", "20"}, {"currentIndex", "1"}});
    send({{"currentFn", "/b.wav"}, {"currentIndex", "x"}, {"currentIndex", "2"}});
    // A later file replaces one that waits; an empty one clears the key.
    send({{"currentFn", "/c.wav"}, {"currentFn", "/d.wav"}, {"se_vol_1", "10"}, {"currentIndex", "3"}});
    send({{"currentFn", ""}, {"currentIndex", "4"}});
    expectEffects({"volume 1 10", "assign 3 /d.wav", "assign 4 "});
}

TEST_F(PlayerVariables, ResetForgetsAWaitingFile)
{
    send({{"currentFn", "/a.wav"}});
    interpreter.reset();
    send({{"currentIndex", "0"}});
    expectEffects({});
}

TEST(PlayerRowNumbers, OnlyTheHostsDecimalFormIsARow)
{
    int row = -1;
    EXPECT_TRUE(ParseRow("0", row));
    EXPECT_EQ(row, 0);
    EXPECT_TRUE(ParseRow("19", row));
    EXPECT_EQ(row, 19);
    for (const char* bad : {"", "20", "00", "07", "-1", "+1", "1 ", "a", "100"})
        EXPECT_FALSE(ParseRow(bad, row)) << bad;
}

} // namespace

TEST_F(PlayerVariables, ThePreviewPlaysOnceOrLoopingAsTheFlagBeforeItSays)
{
    send({{"previewFn", "/sounds/a.wav"},
          {"previewLoop", "true"},
          {"previewFn", "/sounds/b.wav"},
          {"previewStop", ""},
          {"previewLoop", "maybe"}, // ignored: the flag stays
          {"previewFn", "/sounds/c.wav"},
          {"previewLoop", "false"},
          {"previewFn", ""}, // no file: nothing to play
          {"previewFn", "/sounds/d.wav"}});
    expectEffects({"preview /sounds/a.wav once", "preview /sounds/b.wav looping", "stop preview",
                   "preview /sounds/c.wav looping", "preview /sounds/d.wav once"});
}
