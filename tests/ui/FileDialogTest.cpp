// The file dialogs: the test hook, filters and what a typed name means,
// and the chooser form driven by injected mouse and keys.

#include "tests/support/UiTestSupport.h"

#include "ui/stdctrls/ComboBox.h"
#include "ui/stdctrls/Edit.h"
#include "ui/commondlg/FileChooserForm.h"
#include "ui/commondlg/FileDialogs.h"
#include "ui/views/ListView.h"
#include "ui/forms/Screen.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

using uitest::UiTest;

const char* const kSoundFilter = "Music File|*.wav; *.mp3|Mp3 File|*.mp3|Wave File|*.wav|All File|*.*";

class FileDialogTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        root = fs::temp_directory_path() / ("brio-chooser-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "sub");
        fs::create_directories(root / "Beta");
        for (const char* name : {"a.wav", "B.mp3", "notes.txt", ".hidden.wav", "sub/inner.wav"})
            std::ofstream(root / name) << "data";
    }
    void TearDown() override
    {
        SetFileDialogHook(nullptr);
        fs::remove_all(root);
        UiTest::TearDown();
    }

    static TFileChooserForm* chooser()
    {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* form = dynamic_cast<TFileChooserForm*>(Screen->Forms(i)))
                return form;
        return nullptr;
    }
    static std::vector<std::string> listed()
    {
        std::vector<std::string> names;
        TListItems* items = chooser()->FileList()->Items();
        for (int i = 0; i < items->Count(); ++i)
            names.push_back(items->Item(i)->Caption());
        return names;
    }
    TPoint fileRowPoint(int row) const
    {
        TListView* list = chooser()->FileList();
        return screenPoint(list, 40, list->HeaderHeight() + row * list->RowHeight() + list->RowHeight() / 2);
    }

    fs::path root;
};

TEST_F(FileDialogTest, TheHookAnswersInsteadOfTheForm)
{
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(kSoundFilter);
    dialog.SetFileName("old.wav");
    std::string seenFilter;
    SetFileDialogHook([&](TOpenDialog& d) -> std::optional<std::string> {
        seenFilter = d.Filter();
        return std::nullopt;
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "old.wav");
    EXPECT_EQ(seenFilter, kSoundFilter);

    SetFileDialogHook([](TOpenDialog&) { return std::optional<std::string>("/music/new.mp3"); });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/music/new.mp3");
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(FileDialogTest, FiltersAndPatterns)
{
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(kSoundFilter);
    std::vector<TFileFilter> filters = dialog.Filters();
    ASSERT_EQ(filters.size(), 4u);
    EXPECT_EQ(filters[0].description, "Music File");
    EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.wav", "*.mp3"}));
    EXPECT_EQ(filters[3].patterns, (std::vector<std::string>{"*.*"}));
    dialog.SetFilter("Broken|");
    ASSERT_EQ(dialog.Filters().size(), 1u);
    EXPECT_EQ(dialog.Filters()[0].patterns, (std::vector<std::string>{"*"}));

    EXPECT_TRUE(MatchesFilePattern("Song.WAV", "*.wav"));
    EXPECT_TRUE(MatchesFilePattern("README", "*.*"));
    EXPECT_TRUE(MatchesFilePattern("a1.mp3", "a?.mp3"));
    EXPECT_FALSE(MatchesFilePattern("a.wav.txt", "*.wav"));
    EXPECT_FALSE(MatchesFilePattern("ab1.mp3", "a?.mp3"));

    dialog.SetDefaultExt("*.wav; *.mp3");
    EXPECT_EQ(dialog.DefaultExtension(), "wav");
    dialog.SetDefaultExt(".txt");
    EXPECT_EQ(dialog.DefaultExtension(), "txt");
}

TEST_F(FileDialogTest, TypedNamesResolveByTheOptions)
{
    std::string folder = root.string();
    TOpenDialog open(nullptr);
    open.SetDefaultExt("*.wav; *.mp3");
    open.SetOptions({ofFileMustExist, ofPathMustExist});
    auto expect = [&](const TOpenDialog& d, const std::string& typed, TFileChoice::Kind kind, const std::string& value) {
        TFileChoice choice = d.Resolve(folder, typed);
        EXPECT_EQ(choice.kind, kind) << typed;
        if (!value.empty()) {
            EXPECT_EQ(choice.value, value) << typed;
        }
    };
    expect(open, "  ", TFileChoice::Nothing, "");
    expect(open, "a", TFileChoice::Accept, (root / "a.wav").string());
    expect(open, "B.mp3", TFileChoice::Accept, (root / "B.mp3").string());
    expect(open, "sub", TFileChoice::OpenFolder, (root / "sub").string());
    expect(open, "sub/../Beta/", TFileChoice::OpenFolder, (root / "Beta").string());
    expect(open, "..", TFileChoice::OpenFolder, root.parent_path().string());
    expect(open, "*.txt", TFileChoice::UseFilter, "*.txt");
    expect(open, "missing", TFileChoice::Refuse, "");
    EXPECT_NE(open.Resolve(folder, "missing").value.find("File not found"), std::string::npos);
    expect(open, "nowhere/x.wav", TFileChoice::Refuse, "");
    expect(open, (root / "sub" / "inner.wav").string(), TFileChoice::Accept, (root / "sub" / "inner.wav").string());

    TSaveDialog save(nullptr);
    save.SetOptions({ofOverwritePrompt});
    expect(save, "a.wav", TFileChoice::AskOverwrite, (root / "a.wav").string());
    expect(save, "fresh.wav", TFileChoice::Accept, (root / "fresh.wav").string());
    save.SetOptions({});
    expect(save, "a.wav", TFileChoice::Accept, (root / "a.wav").string());
}

TEST_F(FileDialogTest, ChooserListsFoldersFirstAndHidesHiddenFiles)
{
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(kSoundFilter);
    dialog.SetInitialDir(root.string());
    std::vector<std::string> first;
    std::vector<std::string> allFiles;
    script({
        [&] { first = listed(); },
        [&] {
            chooser()->FilterCombo()->SetFocus();
            backend().pressKey(VK_END); // "All File"
        },
        [&] { allFiles = listed(); },
        [&] { backend().pressKey(VK_ESCAPE); },
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(first, (std::vector<std::string>{"Beta", "sub", "a.wav", "B.mp3"}));
    EXPECT_EQ(allFiles, (std::vector<std::string>{"Beta", "sub", "a.wav", "B.mp3", "notes.txt"}));
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(FileDialogTest, DoubleClickAFolderThenTypeANameAndPressEnter)
{
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(kSoundFilter);
    dialog.SetDefaultExt("*.wav; *.mp3");
    dialog.SetInitialDir(root.string());
    std::string folderAfterClick;
    script({
        [&] {
            TPoint sub = fileRowPoint(1);
            backend().click(sub.x, sub.y);
            backend().click(sub.x, sub.y);
        },
        [&] {
            folderAfterClick = chooser()->Folder();
            backend().writeWindowPng(chooser()->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/listtree-chooser.png");
            TPoint edit = centerOf(chooser()->FileNameEdit());
            backend().click(edit.x, edit.y);
        },
        [&] { backend().typeText("song"); },
        [&] { backend().pressKey(VK_RETURN); },
    });
    fs::create_directories(BRIO_TEST_OUTPUT_DIR);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(folderAfterClick, (root / "sub").string());
    EXPECT_EQ(dialog.FileName(), (root / "sub" / "song.wav").string());
}

TEST_F(FileDialogTest, KeyboardAloneWalksTheFoldersAndPicksAFile)
{
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(kSoundFilter);
    dialog.SetOptions({ofFileMustExist});
    dialog.SetInitialDir((root / "sub").string());
    std::string parentFolder;
    std::string selectedAfterBack;
    script({
        [&] { chooser()->FileList()->SetFocus(); },
        [&] { backend().pressKey(VK_BACK); },
        [&] {
            parentFolder = chooser()->Folder();
            // The folder just left is the selected row.
            selectedAfterBack = chooser()->FileList()->Selected() ? chooser()->FileList()->Selected()->Caption() : "";
            backend().pressKey(VK_DOWN); // a.wav
        },
        [&] { backend().pressKey(VK_RETURN); },
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(parentFolder, root.string());
    EXPECT_EQ(selectedAfterBack, "sub");
    EXPECT_EQ(dialog.FileName(), (root / "a.wav").string());
}

TEST_F(FileDialogTest, SaveAsksBeforeReplacingAndOpenRefusesMissingFiles)
{
    TSaveDialog save(nullptr);
    save.SetOptions({ofOverwritePrompt});
    save.SetInitialDir(root.string());
    messageBoxAnswer = 7; // IDNO
    script({
        [&] { chooser()->FileNameEdit()->SetText("a.wav"); },
        [&] { backend().pressKey(VK_RETURN); },
        [&] {
            EXPECT_EQ(messageBoxes.size(), 1u);
            messageBoxAnswer = 6; // IDYES
            backend().pressKey(VK_RETURN);
        },
    });
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), (root / "a.wav").string());
    ASSERT_EQ(messageBoxes.size(), 2u);
    EXPECT_NE(messageBoxes[0].text.find("already exists"), std::string::npos);

    messageBoxes.clear();
    TOpenDialog open(nullptr);
    open.SetOptions({ofFileMustExist});
    open.SetInitialDir(root.string());
    script({
        [&] { chooser()->FileNameEdit()->SetText("missing.wav"); },
        [&] { backend().pressKey(VK_RETURN); },
        [&] { backend().pressKey(VK_ESCAPE); },
    });
    EXPECT_FALSE(open.Execute());
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_NE(messageBoxes[0].text.find("File not found"), std::string::npos);
}

TEST_F(FileDialogTest, LettersTypedInTheListPickRowsByTheirStart)
{
    for (const char* name : {"bass.wav", "Bell.mp3"})
        std::ofstream(root / name) << "data";
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(kSoundFilter);
    dialog.SetInitialDir(root.string());
    // Rows: Beta, sub, a.wav, B.mp3, bass.wav, Bell.mp3.
    std::vector<std::string> picked;
    auto note = [&] {
        TListItem* selected = chooser()->FileList()->Selected();
        picked.push_back(selected ? selected->Caption() : "(none)");
    };
    script({
        [&] { chooser()->FileList()->SetFocus(); },
        [&] { backend().typeText("b"); },
        note,
        [&] { backend().typeText("b"); }, // the same letter again: the next row with it
        note,
        [&] { advance(1500); },
        [&] { backend().typeText("be"); }, // after a pause: a new prefix, from the row selected
        note,
        [&] {
            // A moving key ends the prefix: "l" alone then matches nothing.
            backend().pressKey(VK_HOME);
            backend().typeText("l");
        },
        note,
        [&] { backend().pressKey(VK_ESCAPE); },
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(picked, (std::vector<std::string>{"Beta", "B.mp3", "Bell.mp3", "Beta"}));
}

TEST_F(FileDialogTest, ADoubleClickOnTheHeadersOpensNothing)
{
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(kSoundFilter);
    dialog.SetInitialDir(root.string());
    std::string folderAfter;
    script({
        [&] {
            TPoint file = fileRowPoint(2); // a.wav
            backend().click(file.x, file.y);
        },
        [&] { advance(1000); },
        [&] {
            TPoint header = fileRowPoint(-1);
            backend().click(header.x, header.y);
            backend().click(header.x, header.y);
        },
        [&] {
            if (!chooser())
                return;
            folderAfter = chooser()->Folder();
            backend().pressKey(VK_ESCAPE);
        },
    });
    EXPECT_FALSE(dialog.Execute()) << dialog.FileName();
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(folderAfter, root.string());
}

} // namespace
