// Undo of the edit box's text, checked against a model that keeps a copy
// of the whole text for every step, on seeded random edit sequences; and
// the cases that went wrong in earlier undo designs.

#include "skin/controls/edit/EditTextModel.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using brio::EditTextModel;

std::string ascii(const std::u16string& s)
{
    std::string out;
    for (char16_t c : s)
        out += c < 0x80 ? char(c) : '?';
    return out;
}

// One undo step as the user sees it: the text before it, and what a
// following edit needs to know to join it.
struct ReferenceStep {
    std::u16string before;
    enum Kind { Insertion, Deletion } kind;
    int insertEnd = 0;   // insertions: where typing would continue the run
    int deleteStart = 0; // deletions: where the removed run now starts
};

// Undo by snapshots: typing that continues the last typing, and deletions
// that touch the last deletion, are one step; everything else is a step
// of its own.
class ReferenceEditor {
public:
    std::u16string text;
    int maxLength = 0;

    void insert(int start, int removed, const std::u16string& inserted)
    {
        if (inserted.empty() && removed == 0)
            return;
        if (maxLength > 0 && int(text.size()) - removed + int(inserted.size()) > maxLength)
            return;
        std::u16string before = text;
        text.replace(std::size_t(start), std::size_t(removed), inserted);
        const int end = start + int(inserted.size());
        if (inserted.empty()) {
            noteDeletion(before, start, start + removed);
            return;
        }
        if (removed == 0 && !steps_.empty() && steps_.back().kind == ReferenceStep::Insertion
            && steps_.back().insertEnd == start) {
            steps_.back().insertEnd = end;
            return;
        }
        steps_.push_back({before, ReferenceStep::Insertion, end, 0});
    }
    void erase(int start, int end)
    {
        if (start == end)
            return;
        std::u16string before = text;
        text.erase(std::size_t(start), std::size_t(end - start));
        noteDeletion(before, start, end);
    }
    void undo()
    {
        if (steps_.empty())
            return;
        text = steps_.back().before;
        steps_.pop_back();
    }

private:
    void noteDeletion(const std::u16string& before, int start, int end)
    {
        if (!steps_.empty() && steps_.back().kind == ReferenceStep::Deletion) {
            ReferenceStep& top = steps_.back();
            if (end == top.deleteStart) {
                top.deleteStart = start;
                return;
            }
            if (start == top.deleteStart)
                return;
        }
        steps_.push_back({before, ReferenceStep::Deletion, 0, start});
    }

    std::vector<ReferenceStep> steps_;
};

TEST(EditUndo, RandomEditSequencesUndoLikeSnapshots)
{
    const std::u16string alphabet = u"ab c";
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 rng(seed);
        auto pick = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
        EditTextModel model;
        ReferenceEditor reference;
        if (seed % 4 == 0) {
            model.setMaxLength(12);
            reference.maxLength = 12;
        }
        std::ostringstream trace;
        for (int step = 0; step < 80; ++step) {
            const int length = model.length();
            // Most steps keep the caret where the last edit left it, so runs form.
            if (pick(3) == 0) {
                int start = pick(length + 1);
                int selected = pick(3) == 0 ? pick(length - start + 1) : 0;
                model.select(start, pick(2) ? selected : -selected);
                if (selected && model.caret() < model.anchor())
                    model.select(start + selected, -selected);
                trace << "sel(" << model.selStart() << "," << model.selLength() << ") ";
            }
            const int start = model.selStart();
            const int removed = model.selLength();
            switch (pick(7)) {
            case 0:
            case 1: {
                std::u16string typed(1, alphabet[std::size_t(pick(int(alphabet.size())))]);
                trace << "type(" << ascii(typed) << ") ";
                model.insert(typed);
                reference.insert(start, removed, typed);
                break;
            }
            case 2: {
                std::u16string pasted;
                for (int n = 1 + pick(4); n > 0; --n)
                    pasted += alphabet[std::size_t(pick(int(alphabet.size())))];
                trace << "paste(" << ascii(pasted) << ") ";
                model.insert(pasted);
                reference.insert(start, removed, pasted);
                break;
            }
            case 3:
                trace << "bksp ";
                model.backspace();
                if (removed)
                    reference.erase(start, start + removed);
                else if (start > 0)
                    reference.erase(start - 1, start);
                break;
            case 4:
                trace << "del ";
                model.deleteForward();
                if (removed)
                    reference.erase(start, start + removed);
                else if (start < length)
                    reference.erase(start, start + 1);
                break;
            case 5:
                trace << "cut ";
                model.deleteSelection();
                reference.erase(start, start + removed);
                break;
            default:
                trace << "undo ";
                model.undo();
                reference.undo();
                break;
            }
            ASSERT_EQ(ascii(model.text()), ascii(reference.text)) << "seed " << seed << ": " << trace.str();
            ASSERT_GE(model.caret(), 0);
            ASSERT_LE(model.caret(), model.length());
        }
        // Everything undone gives the empty start back.
        while (model.undo())
            reference.undo();
        ASSERT_EQ(ascii(model.text()), ascii(reference.text)) << "seed " << seed << ": " << trace.str();
        ASSERT_EQ(model.text(), u"") << "seed " << seed << ": " << trace.str();
    }
}

TEST(EditUndo, DeletionsMergeOnlyWhenTheyTouch)
{
    EditTextModel model;
    model.setText(u"abcdef");
    // Backspace at 5 takes "e"; one Left, then Backspace takes "c": a gap of
    // "d" lies between them, so they are two steps.
    model.moveCaret(5, false);
    model.backspace();
    model.moveCaret(model.caret() - 1, false);
    model.backspace();
    EXPECT_EQ(model.text(), u"abdf");
    EXPECT_EQ(model.undoStack().Count(), 2u);
    model.undo();
    EXPECT_EQ(model.text(), u"abcdf");
    model.undo();
    EXPECT_EQ(model.text(), u"abcdef");

    // A Backspace run and a Delete run each undo in one step, in order.
    model.setText(u"abcdef");
    model.moveCaret(4, false);
    model.backspace();
    model.backspace();
    model.backspace();
    EXPECT_EQ(model.text(), u"aef");
    model.deleteForward();
    model.deleteForward();
    EXPECT_EQ(model.text(), u"a");
    EXPECT_EQ(model.undoStack().Count(), 1u);
    model.undo();
    EXPECT_EQ(model.text(), u"abcdef");
    EXPECT_EQ(model.caret(), 6);
}

TEST(EditUndo, SelectionDeletionsAreRecorded)
{
    EditTextModel model;
    model.setText(u"0123456789");
    model.moveCaret(8, false);
    model.insert(u"X");
    model.insert(u"Y");
    model.select(0, 2);
    ASSERT_TRUE(model.deleteSelection());
    EXPECT_EQ(model.text(), u"234567XY89");
    model.undo();
    EXPECT_EQ(model.text(), u"01234567XY89");
    model.undo();
    EXPECT_EQ(model.text(), u"0123456789");
    EXPECT_FALSE(model.undo());

    // Backspace and Delete on a selection are recorded too.
    model.setText(u"hello world");
    model.select(5, 6);
    model.backspace();
    model.select(0, 1);
    model.deleteForward();
    EXPECT_EQ(model.text(), u"ello");
    model.undo();
    model.undo();
    EXPECT_EQ(model.text(), u"hello world");
}

TEST(EditUndo, ReplacingASelectionUndoesInOneStep)
{
    EditTextModel model;
    model.setText(u"one two");
    model.select(4, 3);
    model.insert(u"s");
    model.insert(u"i");
    model.insert(u"x");
    EXPECT_EQ(model.text(), u"one six");
    model.undo();
    EXPECT_EQ(model.text(), u"one two");
    EXPECT_FALSE(model.canUndo());
}

TEST(EditUndo, AssigningTextClearsTheRecordAndStaleEntriesAreDropped)
{
    EditTextModel model;
    model.insert(u"a long line of text");
    model.setText(u"ab");
    EXPECT_FALSE(model.canUndo());
    EXPECT_FALSE(model.undo());
    EXPECT_EQ(model.text(), u"ab");

    // Entries that no longer fit the text are dropped, not applied.
    TEditActionStack stack;
    stack.PushInsertion(5, 4, false);
    stack.PushDeletion(20, u"zz");
    std::u16string text = u"abc";
    int caret = 1;
    EXPECT_TRUE(stack.Undo(text, caret));
    EXPECT_TRUE(stack.Undo(text, caret));
    EXPECT_EQ(text, u"abc");
    EXPECT_EQ(caret, 1);
    EXPECT_TRUE(stack.Empty());
}

TEST(EditUndo, ARefusedInsertChangesNothing)
{
    EditTextModel model;
    model.setMaxLength(5);
    model.insert(u"abcde");
    model.select(1, 2);
    const std::size_t entries = model.undoStack().Count();
    // Three units over two selected would make six.
    EXPECT_FALSE(model.insert(u"xyz"));
    EXPECT_EQ(model.text(), u"abcde");
    EXPECT_EQ(model.selStart(), 1);
    EXPECT_EQ(model.selLength(), 2);
    EXPECT_EQ(model.undoStack().Count(), entries);
    model.undo();
    EXPECT_EQ(model.text(), u"");
}

} // namespace
