// The sound library against a real tree: what "sel.ini" keeps (golden
// texts), and what each tree menu command does, with the dialogs, questions
// and the player answered by the test.

#include "library/SoundLibrary.h"

#include "tests/support/ProgramTestSupport.h"

#include "app/uCommon.h"
#include "ui/views/TreeView.h"

#include <deque>

using namespace programtest;
using brio::SoundLibrary;

namespace {

class SoundLibraryTest : public ProgramTest, public brio::LibraryHost {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        form = makeForm("Library");
        tree = new TTreeView(form);
        tree->SetParent(form);
        tree->SetBounds(0, 0, 200, 300);
        library = std::make_unique<SoundLibrary>(*tree, *this);
        form->Show();
        pump();
    }
    void TearDown() override
    {
        library.reset();
        ProgramTest::TearDown();
    }

    // brio::LibraryHost: the dialogs answer from the queues; nothing queued is a cancel.
    bool editSound(std::string& name, std::string& path) override
    {
        calls.push_back("editSound " + name + " | " + path);
        if (soundAnswers.empty())
            return false;
        std::tie(name, path) = soundAnswers.front();
        soundAnswers.pop_front();
        return true;
    }
    bool editGroup(std::string& name) override
    {
        calls.push_back("editGroup " + name);
        if (groupAnswers.empty())
            return false;
        name = groupAnswers.front();
        groupAnswers.pop_front();
        return true;
    }
    bool confirm(const std::string& question) override
    {
        calls.push_back("confirm " + question);
        return answerYes;
    }
    void showMessage(const std::string& text) override { calls.push_back("message " + text); }
    std::optional<std::string> chooseSaveFile(const std::string& suggested) override
    {
        calls.push_back("save " + suggested);
        return saveAnswer;
    }
    void preview(const std::string& file, bool loop) override
    {
        calls.push_back(std::string(loop ? "loop " : "play ") + file);
    }
    void stopPreview() override { calls.push_back("stop"); }

    std::vector<std::string> captions() const
    {
        std::vector<std::string> out;
        for (TTreeNode* g = tree->Items()->GetFirstNode(); g; g = g->GetNextSibling()) {
            out.push_back(g->Text());
            for (int i = 0; i < g->Count(); ++i)
                out.push_back("  " + g->Item(i)->Text());
        }
        return out;
    }
    TTreeNode* group(int index) const
    {
        TTreeNode* g = tree->Items()->GetFirstNode();
        while (g && index-- > 0)
            g = g->GetNextSibling();
        return g;
    }
    void load(const std::string& text)
    {
        writeFile("sel.ini", text);
        tree->Items()->Clear();
        library->Load(brio::SoundLibraryFile());
    }
    void save() { library->Save(brio::SoundLibraryFile()); }

    TForm* form = nullptr;
    TTreeView* tree = nullptr;
    std::unique_ptr<SoundLibrary> library;
    std::deque<std::pair<std::string, std::string>> soundAnswers;
    std::deque<std::string> groupAnswers;
    std::optional<std::string> saveAnswer;
    bool answerYes = true;
    std::vector<std::string> calls;
};

TEST_F(SoundLibraryTest, ALoadAndSaveKeepsWhatTheCountsReachAndFillsMissingNames)
{
    load("[group]\ncount=2\n1=Effects (old)\n2=Voices\n[1]\ncount=3\n1_info=Boom\n1_path=sounds/boom.wav\n"
         "2_info=Door\n[2]\ncount=0\n[3]\ncount=1\n1_info=stale\n");
    EXPECT_EQ(captions(), (std::vector<std::string>{"Effects (old)(3)", "  Boom", "  Door", "  No Name!", "Voices(0)"}));
    save();
    EXPECT_EQ(readFile("sel.ini"),
              "[group]\ncount=2\n1=Effects (old)\n2=Voices\n[1]\ncount=3\n1_info=Boom\n1_path=sounds/boom.wav\n"
              "2_info=Door\n2_path=\n3_info=No Name!\n3_path=\n[2]\ncount=0\n[3]\ncount=1\n1_info=stale\n")
        << "the name with brackets is kept whole; the stale section stays and is ignored";
}

TEST_F(SoundLibraryTest, AwkwardNamesAndPathsRoundTrip)
{
    const std::string elsewhere = scratchFolder() + "/far away.wav";
    load("[group]\ncount=1\n1=g\n[1]\ncount=0\n");
    tree->SetSelected(group(0));
    const std::vector<std::string> names = {" edge ", "\"quoted\"", "a=b", "[x]"};
    for (const std::string& name : names) {
        soundAnswers.push_back({name, name == "a=b" ? elsewhere : folder() + "sounds/" + name + ".wav"});
        tree->SetSelected(group(0));
        library->actAppendExecute();
    }
    save();
    const brio::LibraryContents read = brio::ReadSoundLibrary(brio::SoundLibraryFile());
    ASSERT_EQ(read.size(), 1u);
    ASSERT_EQ(read[0].sounds.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(read[0].sounds[i].name, names[i]);
    EXPECT_EQ(read[0].sounds[0].path, "sounds/ edge .wav") << "under the folder: stored relative";
    EXPECT_EQ(read[0].sounds[2].path, elsewhere) << "elsewhere: stored full";
}

TEST_F(SoundLibraryTest, AHugeCountIsCappedAndReadQuickly)
{
    load("[group]\ncount=2000000000\n1=one\n[1]\ncount=2000000000\n1_info=first\n");
    ASSERT_EQ(tree->Items()->Count() > 0, true);
    EXPECT_EQ(group(0)->Count(), brio::MaxGroupSounds);
    int groups = 0;
    for (TTreeNode* g = tree->Items()->GetFirstNode(); g; g = g->GetNextSibling())
        ++groups;
    EXPECT_EQ(groups, brio::MaxLibraryGroups);
}

TEST_F(SoundLibraryTest, GroupCaptionsAreCutAtTheirLastBracket)
{
    EXPECT_EQ(brio::GroupNameOf("Effects (old)(3)"), "Effects (old)");
    EXPECT_EQ(brio::GroupNameOf("(0)"), "");
    EXPECT_EQ(brio::GroupNameOf("no count"), "");
}

TEST_F(SoundLibraryTest, MenuStateFollowsTheSelection)
{
    load("[group]\ncount=1\n1=g\n[1]\ncount=1\n1_info=s\n");
    tree->SetSelected(nullptr);
    brio::LibraryMenuState state = library->MenuState();
    EXPECT_TRUE(state.append && state.appendGroup);
    EXPECT_FALSE(state.soundCommands || state.groupCommands);
    tree->SetSelected(group(0));
    state = library->MenuState();
    EXPECT_TRUE(state.groupCommands);
    EXPECT_FALSE(state.soundCommands);
    tree->SetSelected(group(0)->Item(0));
    state = library->MenuState();
    EXPECT_TRUE(state.soundCommands);
    EXPECT_FALSE(state.groupCommands);
}

TEST_F(SoundLibraryTest, CancelledAppendsAppendWithNothingSelectedAndRemovals)
{
    load("[group]\ncount=1\n1=g\n[1]\ncount=1\n1_info=s\n");
    tree->SetSelected(nullptr);
    library->actAppendExecute();
    EXPECT_EQ(captions(), (std::vector<std::string>{"g(1)", "  s"})) << "nothing selected: nothing appended";

    library->actAppendGroupExecute(); // cancelled
    EXPECT_EQ(captions(), (std::vector<std::string>{"g(1)", "  s"})) << "a cancelled group leaves nothing";

    tree->SetSelected(group(0));
    library->actAppendExecute(); // cancelled: the unnamed sound stays
    EXPECT_EQ(captions(), (std::vector<std::string>{"g(2)", "  s", "  "}));

    answerYes = false;
    tree->SetSelected(group(0)->Item(0));
    library->actRemoveExecute();
    EXPECT_EQ(captions(), (std::vector<std::string>{"g(2)", "  s", "  "})) << "No changes nothing";
    answerYes = true;
    library->actRemoveExecute();
    tree->SetSelected(group(0)->Item(0));
    library->actRemoveExecute();
    EXPECT_EQ(captions(), (std::vector<std::string>{"g(0)"})) << "the group it belonged to is recounted";
    EXPECT_EQ(calls.back(), "confirm Are you sure to remove this sound?");
}

TEST_F(SoundLibraryTest, ModifyPassesTheStoredFileAndKeepsWhatComesBack)
{
    const std::string boom = writeSound("sounds/boom.wav");
    load("[group]\ncount=1\n1=g\n[1]\ncount=1\n1_info=Boom\n1_path=sounds/boom.wav\n");
    tree->SetSelected(group(0)->Item(0));
    const std::string other = writeSound("sounds/other.wav");
    soundAnswers.push_back({"Other", other});
    library->actModifyExecute();
    EXPECT_EQ(calls.back(), "editSound Boom | " + boom);
    EXPECT_EQ(library->StoredPath(group(0)->Item(0)), "sounds/other.wav");
    EXPECT_EQ(group(0)->Item(0)->Text(), "Other");
}

TEST_F(SoundLibraryTest, PlayLoopStopAndSaveAsActOnTheSoundsFile)
{
    const std::string boom = writeSound("sounds/boom.wav");
    load("[group]\ncount=1\n1=g\n[1]\ncount=2\n1_info=Boom\n1_path=sounds/boom.wav\n2_info=Lost\n2_path=gone.wav\n");
    tree->SetSelected(group(0)->Item(0));
    library->actPlayExecute();
    library->actPlayLoopExecute();
    library->actStopExecute();
    EXPECT_EQ(std::vector<std::string>(calls.end() - 3, calls.end()),
              (std::vector<std::string>{"play " + boom, "loop " + boom, "stop"}));

    saveAnswer = scratchFolder() + "/copy.wav";
    library->actSaveAsExecute();
    EXPECT_EQ(calls.back(), "save boom.wav");
    EXPECT_TRUE(std::filesystem::exists(*saveAnswer));
    EXPECT_EQ(std::filesystem::file_size(*saveAnswer), std::filesystem::file_size(boom));

    tree->SetSelected(group(0)->Item(1));
    library->actSaveAsExecute();
    EXPECT_EQ(calls.back().rfind("message The sound's file is missing", 0), 0u) << calls.back();
}

} // namespace
