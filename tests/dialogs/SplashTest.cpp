// The loading splash handing the key table to the player: one row per tick,
// the files that exist, then all twenty volumes as the list shows them.

#include "dialogs/uLoading.h"

#include "tests/support/ProgramTestSupport.h"

#include "library/KeyTable.h"
#include "platform/window/Clock.h"
#include "ui/forms/Timer.h"
#include "ui/views/ListView.h"

#include <filesystem>

using namespace programtest;

namespace {

class SplashTest : public ProgramTest, public brio::KeyTableView {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        host = makeForm("Host");
        list = new TListView(host);
        list->SetParent(host);
        player = new TPlayerControl(host);
        table = std::make_unique<brio::KeyTable>(*list, *player, *this);
        brio::KeyTable::fillRows(*list);
        host->Show();
        pump();
    }
    void TearDown() override
    {
        table.reset();
        ProgramTest::TearDown();
    }
    int keyVolumePosition() const override { return 0; }
    void setKeyVolumePosition(int) override {}
    void showKeyDetails(const std::string&, const std::string&) override {}
    std::optional<std::string> chooseSoundFile() override { return std::nullopt; }
    void showMessage(const std::string&) override {}

    Variables volumes(const std::vector<std::string>& texts)
    {
        Variables sent;
        for (int n = 0; n < 20; ++n)
            sent.push_back({"se_vol_" + std::to_string(n), texts[std::size_t(n)]});
        return sent;
    }

    TForm* host = nullptr;
    TListView* list = nullptr;
    TPlayerControl* player = nullptr;
    std::unique_ptr<brio::KeyTable> table;
};

TEST_F(SplashTest, SendsAPairPerExistingFileThenEveryVolumeAsShownAndCloses)
{
    const std::string second = writeSound("sounds/two.wav");
    const std::string seventh = writeSound("sounds/seven.wav");
    writeFile("Key.ini", "[key]\n2=sounds/two.wav\n5=sounds/gone.wav\n7=sounds/seven.wav\n"
                         "[volumn]\n0=007\n2=40\n7=150\n");
    table->LoadKeyTable();
    // A file deleted after start is not sent, although the row still names it.
    std::filesystem::remove(second);
    const std::string secondAgain = writeSound("elsewhere-two.wav");
    list->Items()->Item(4)->SubItems()->SetStrings(1, secondAgain);

    auto* splash = new TfrmLoading(host, *list, *player);
    const std::size_t from = player->Variables().size();
    std::vector<int> bar;
    std::vector<std::function<void()>> ticks;
    for (int i = 0; i < 20; ++i)
        ticks.push_back([this, splash, &bar] {
            AdvanceManualClock(TfrmLoading::TickMilliseconds);
            pump();
            bar.push_back(splash->ssp->Position());
        });
    script(ticks);
    splash->ShowModal();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(splash->KeyIndex, 20);
    ASSERT_EQ(bar.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(bar[std::size_t(i)], 5 * (i + 1));

    std::vector<std::string> shown(20, "100");
    shown[0] = "7"; // ReadInteger has normalised "007"
    shown[2] = "40";
    shown[7] = "150"; // as stored, not clamped
    Variables expected = {{"currentFn", secondAgain}, {"currentIndex", "4"}, {"currentFn", seventh}, {"currentIndex", "7"}};
    const Variables vols = volumes(shown);
    expected.insert(expected.end(), vols.begin(), vols.end());
    expectVariables(*player, from, expected);
    delete splash;
}

TEST_F(SplashTest, ATickInsideATickAndTicksAfterTheLastRowSendNothing)
{
    table->LoadKeyTable();
    const std::string first = writeSound("one.wav");
    list->Items()->Item(0)->SubItems()->SetStrings(1, first);
    auto* splash = new TfrmLoading(host, *list, *player);
    const std::size_t from = player->Variables().size();
    // A tick runs with the timer stopped, so that one the message loop
    // delivers while the bar repaints (the timer still stopped) does nothing.
    splash->Timer1Timer(splash->Timer1);
    splash->Timer1->SetEnabled(false);
    splash->Timer1Timer(splash->Timer1);
    splash->Timer1->SetEnabled(true);
    expectVariables(*player, from, {{"currentFn", first}, {"currentIndex", "0"}});
    EXPECT_EQ(splash->KeyIndex, 1);
    EXPECT_EQ(splash->ssp->Position(), 5);
    for (int i = 1; i < 20; ++i)
        splash->Timer1Timer(splash->Timer1);
    EXPECT_EQ(splash->KeyIndex, 20);
    const std::size_t afterLast = player->Variables().size();
    EXPECT_EQ(afterLast - from, 2u + 20u);
    splash->Timer1->SetEnabled(true);
    splash->Timer1Timer(splash->Timer1);
    EXPECT_EQ(player->Variables().size(), afterLast);
    EXPECT_EQ(splash->ssp->Position(), 100);
    delete splash;
}

} // namespace
