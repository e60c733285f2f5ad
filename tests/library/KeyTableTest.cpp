// The key table against a real key list, track bar and player record: what
// "Key.ini" keeps, and what each action sends to the player, in order.

#include "library/KeyTable.h"

#include "tests/support/ProgramTestSupport.h"

#include "app/uCommon.h"
#include "skin/controls/bars/SeSkinTrackBar.h"
#include "ui/commondlg/FileDialogs.h"
#include "ui/views/ListView.h"

using namespace programtest;
using brio::KeyTable;

namespace {

class KeyTableTest : public ProgramTest, public brio::KeyTableView {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        brio::Settings.volumn = 100;
        form = makeForm("Keys");
        form->SetClientWidth(420);
        form->SetClientHeight(460);
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(0, 0, 420, 400);
        list->SetCheckboxes(true);
        list->SetRowSelect(true);
        for (int width : {90, 64, 250})
            list->Columns()->Add()->SetWidth(width);
        volume = new TSeSkinTrackBar(form);
        volume->SetParent(form);
        volume->SetBounds(0, 410, 238, 28);
        volume->SetMax(100);
        player = new TPlayerControl(form);
        table = std::make_unique<KeyTable>(*list, *player, *this);
        volume->OnChange = [this](TObject*) { table->trVolChange(volume->Position()); };
        list->OnSelectItem = [this](TObject*, TListItem* item, bool selected) { table->sslListSelectItem(item, selected); };
        list->OnClick = [this](TObject*) { table->sslList1Click(); };
        list->OnItemChecked = [this](TObject*, TListItem*) {
            table->itemChecked((GetKeyState(VK_LBUTTON) & 0x8000) != 0);
        };
        brio::KeyTable::fillRows(*list);
        form->Show();
        pump();
    }
    void TearDown() override
    {
        table.reset();
        ProgramTest::TearDown();
    }

    // brio::KeyTableView
    int keyVolumePosition() const override { return volume->Position(); }
    void setKeyVolumePosition(int value) override { volume->SetPosition(value); }
    void showKeyDetails(const std::string& caption, const std::string& file) override
    {
        shownCaption = caption;
        shownFile = file;
    }
    std::optional<std::string> chooseSoundFile() override
    {
        TOpenDialog dialog(nullptr);
        if (!dialog.Execute())
            return std::nullopt;
        return dialog.FileName();
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }

    std::string ini(const std::string& rows, const std::string& volumes)
    {
        return writeFile("Key.ini", "[key]\n" + rows + "[volumn]\n" + volumes);
    }
    std::size_t mark() const { return player->Variables().size(); }
    void select(int row) { list->SetSelected(list->Items()->Item(row)); }
    TPoint checkboxPoint(int row)
    {
        const TRect box = list->CheckboxRect(list->Items()->Item(row));
        return screenPoint(list, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    }
    Variables flagsWith(std::initializer_list<int> ticked)
    {
        Variables flags;
        for (int n = 0; n < 20; ++n) {
            const bool on = std::find(ticked.begin(), ticked.end(), n) != ticked.end();
            flags.push_back({"loopFlag_" + std::to_string(n), on ? "true" : "false"});
        }
        return flags;
    }

    TForm* form = nullptr;
    TListView* list = nullptr;
    TSeSkinTrackBar* volume = nullptr;
    TPlayerControl* player = nullptr;
    std::unique_ptr<KeyTable> table;
    std::string shownCaption, shownFile;
    std::vector<std::string> messages;
};

TEST_F(KeyTableTest, WithoutAFileEveryKeyIsEmptyAtFullVolumeAndSavesInSectionOrder)
{
    table->LoadKeyTable();
    ASSERT_EQ(list->Items()->Count(), 20);
    const char* names[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                           "A", "S", "D", "F", "G", "H", "J", "K", "L", ";"};
    for (int n = 0; n < 20; ++n) {
        EXPECT_EQ(list->Items()->Item(n)->Caption(), std::string("Key ") + names[n]);
        EXPECT_EQ(list->Items()->Item(n)->ImageIndex(), n);
        EXPECT_EQ(table->volumeText(n), "100");
        EXPECT_EQ(table->soundFile(n), "");
    }
    table->SaveKeyTable();
    std::string expected = "[key]\n";
    for (int n = 0; n < 20; ++n)
        expected += std::to_string(n) + "=\n";
    expected += "[volumn]\n";
    for (int n = 0; n < 20; ++n)
        expected += std::to_string(n) + "=100\n";
    EXPECT_EQ(readFile("Key.ini"), expected);
}

TEST_F(KeyTableTest, PathsRoundTripRelativeUnderTheFolderAndFullElsewhere)
{
    const std::string inside = writeSound("sounds/boom.wav");
    const std::string outside = writeSound(scratchFolder() + "clap.wav");
    // A folder whose name merely holds the application folder's text is another folder.
    const std::string lookalike = writeSound(scratchFolder() + folder().substr(1) + "sounds/echo.wav");
    ini("0=sounds/boom.wav\n1=" + outside + "\n2=" + lookalike + "\n", "");
    table->LoadKeyTable();
    EXPECT_EQ(table->soundFile(0), inside);
    EXPECT_EQ(table->soundFile(1), outside);
    EXPECT_EQ(table->soundFile(2), lookalike);

    table->SaveKeyTable();
    const std::string saved = readFile("Key.ini");
    EXPECT_NE(saved.find("\n0=sounds/boom.wav\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\n1=" + outside + "\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\n2=" + lookalike + "\n"), std::string::npos) << saved;
}

TEST_F(KeyTableTest, AMissingFileLoadsEmptyButStaysStoredUntilTheKeyGetsANewSound)
{
    const std::string gone = scratchFolder() + "unmounted/drive/laugh.mp3";
    ini("3=" + gone + "\n4=sounds/nothing-here.wav\n5=plug-in\n", "");
    writeFile("plug-in/readme.txt", "a folder is not a sound");
    table->LoadKeyTable();
    for (int row : {3, 4, 5})
        EXPECT_EQ(table->soundFile(row), "") << "row " << row;

    // The user gives key 4 a new sound; keys 3 and 5 are left alone.
    const std::string fresh = writeSound("sounds/fresh.wav");
    select(4);
    dialogAnswers.push_back(fresh);
    table->sslList1DblClick();
    table->SaveKeyTable();
    const std::string saved = readFile("Key.ini");
    EXPECT_NE(saved.find("\n3=" + gone + "\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\n4=sounds/fresh.wav\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\n5=plug-in\n"), std::string::npos) << saved;
}

TEST_F(KeyTableTest, AnOutOfRangeVolumeShowsAsStoredAndIsClampedWhenItsRowIsSelected)
{
    ini("", "0=40\n7=150\n8=-5\n");
    table->LoadKeyTable();
    EXPECT_EQ(table->volumeText(7), "150");
    EXPECT_EQ(table->volumeText(8), "-5");

    select(0);
    const std::size_t from = mark();
    select(7);
    // The bar at 40 takes 150 as 100 and reports the move.
    EXPECT_EQ(volume->Position(), 100);
    expectVariables(*player, from, {{"se_vol_7", "100"}, {"playerSoundVol", "100"}});
    EXPECT_EQ(table->volumeText(7), "100");
    select(8);
    EXPECT_EQ(table->volumeText(8), "0");
}

TEST_F(KeyTableTest, SelectingSendsTheNewRowsVolumeThenTheMasterVolume)
{
    ini("", "2=40\n3=40\n");
    table->LoadKeyTable();
    brio::Settings.volumn = 65;
    select(1); // from the bar's starting 3 to 100
    EXPECT_EQ(shownCaption, "Key 1");
    std::size_t from = mark();
    select(2);
    expectVariables(*player, from, {{"se_vol_2", "40"}, {"playerSoundVol", "65"}});
    EXPECT_EQ(shownCaption, "Key 2");
    // The same volume does not move the bar: nothing is sent.
    from = mark();
    select(3);
    expectVariables(*player, from, {});
    EXPECT_EQ(shownCaption, "Key 3");
    // Nothing selected: moving the bar changes no row and sends nothing.
    list->SetSelected(nullptr);
    from = mark();
    volume->SetPosition(77);
    expectVariables(*player, from, {});
    EXPECT_EQ(table->volumeText(3), "40");
}

TEST_F(KeyTableTest, ChangingAKeysSoundSendsTheFileThenTheRowAndRefusesLineBreaks)
{
    table->LoadKeyTable();
    std::size_t from = mark();
    table->sslList1DblClick(); // no row selected: no dialog
    EXPECT_EQ(dialogsShown, 0);

    select(12);
    from = mark();
    dialogAnswers.push_back(std::nullopt);
    table->sslList1DblClick();
    expectVariables(*player, from, {});

    const std::string sound = writeSound(scratchFolder() + "door.wav");
    dialogAnswers.push_back(sound);
    table->sslList1DblClick();
    expectVariables(*player, from, {{"currentFn", sound}, {"currentIndex", "12"}});
    EXPECT_EQ(table->soundFile(12), sound);

    // Such a name could never be written to "Key.ini", so the window could never close.
    const std::string broken = writeSound(scratchFolder() + "two\nlines.wav");
    from = mark();
    dialogAnswers.push_back(broken);
    table->sslList1DblClick();
    expectVariables(*player, from, {});
    EXPECT_EQ(table->soundFile(12), sound);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NO_THROW(table->SaveKeyTable());
}

TEST_F(KeyTableTest, EveryTickSendsAllTwentyFlagsOnceByMouseOrBySpace)
{
    table->LoadKeyTable();
    list->SetFocus();
    std::size_t from = mark();
    const TPoint box = checkboxPoint(3);
    backend().click(box.x, box.y);
    pump();
    expectVariables(*player, from, flagsWith({3}));

    select(5);
    list->SetFocus();
    from = mark();
    backend().pressKey(VK_SPACE);
    pump();
    expectVariables(*player, from, flagsWith({3, 5}));

    // "Set it loop" never unticks; with nothing selected it does nothing.
    from = mark();
    table->CustomItem10Click();
    expectVariables(*player, from, flagsWith({3, 5}));
    list->SetSelected(nullptr);
    from = mark();
    table->CustomItem10Click();
    expectVariables(*player, from, {});

    table->clearLoopFlags();
    expectVariables(*player, from, {});
    EXPECT_FALSE(list->Items()->Item(3)->Checked());
}

} // namespace
