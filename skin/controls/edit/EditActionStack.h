#pragma once
// TEditActionStack: the undo record of a skinned edit box. Two kinds of
// entry: a deletion (position and the text taken out) and an insertion
// (position and length). An entry may be linked to the one below it, so
// that replacing a selection undoes as one step. Positions count UTF-16
// units from 0.
//
// Runs merge into one step: typing that continues where the top insertion
// ends grows it; a deletion that touches the top deletion joins it, in
// front for a Backspace run and behind for a Delete run. Only touching
// ranges merge: a gap of even one character would re-insert the text in
// the wrong order.

#include <cstddef>
#include <string>
#include <vector>

enum class TEditActionKind { eakDeletion, eakInsertion };

struct TEditAction {
    TEditActionKind Kind;
    int Position;
    std::u16string Text; // deletions: the text removed
    int Length;          // insertions: the units inserted
    // Undone together with the entry below it.
    bool LinkedToPrevious;
    // A Backspace, Delete or cut; the removal that starts a replace never
    // merges, or undoing the replace would take more than it did.
    bool Mergeable;
};

class TEditActionStack {
public:
    // A removal of `text` that stood at `position`. `partOfReplace` marks
    // the first half of a replace: an insertion linked to it follows.
    void PushDeletion(int position, std::u16string text, bool partOfReplace = false);
    // `length` units inserted at `position`; `linked` ties it to the
    // deletion just pushed (a replace).
    void PushInsertion(int position, int length, bool linked);

    bool Empty() const { return entries_.empty(); }
    std::size_t Count() const { return entries_.size(); }
    const TEditAction& Peek() const { return entries_.back(); }
    void Clear() { entries_.clear(); }

    // Reverses the top step (the top entry and every entry it is linked
    // to) on `text`. `caret` becomes the position after the change. An
    // entry that no longer fits the text is dropped, never applied.
    // Returns false when there was nothing to undo.
    bool Undo(std::u16string& text, int& caret);

private:
    std::vector<TEditAction> entries_;
};
