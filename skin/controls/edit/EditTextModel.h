#pragma once
// The content of a skinned edit box without any window: UTF-16 text, the
// caret and the selection anchor, the edits that typing, paste, cut and
// the deletion keys make, and their undo record. Every edit is recorded
// before it is applied, and an edit that is refused (MaxLength) changes
// neither the text nor the record.
//
// Positions count UTF-16 units and never fall inside a surrogate pair.

#include "skin/controls/edit/EditActionStack.h"
#include "skin/controls/edit/SeEditTypes.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace brio {

class EditTextModel {
public:
    const std::u16string& text() const { return text_; }
    int length() const { return int(text_.size()); }
    // Replaces the content (CharCase applied); the caret goes to the start
    // and the undo record is cleared, since its positions no longer fit.
    void setText(std::u16string text);

    int caret() const { return caret_; }
    int anchor() const { return anchor_; }
    int selStart() const { return std::min(caret_, anchor_); }
    int selLength() const { return caret_ > anchor_ ? caret_ - anchor_ : anchor_ - caret_; }
    int selEnd() const { return selStart() + selLength(); }
    std::u16string selectedText() const;
    // Selects from `start` for `length` units (negative: backwards); both
    // ends are clamped to the text and to character boundaries. The caret
    // ends at start + length.
    void select(int start, int length);
    // Caret to `position`; `extend` keeps the anchor (Shift held).
    void moveCaret(int position, bool extend);

    int nextChar(int position) const;
    int previousChar(int position) const;
    // Words are runs of characters other than spaces.
    int nextWord(int position) const;
    int previousWord(int position) const;
    // The word (or run of spaces) holding the character at `index` (the
    // last character past the end), as [first, second).
    std::pair<int, int> wordAt(int index) const;

    int maxLength() const { return maxLength_; }
    void setMaxLength(int value) { maxLength_ = value < 0 ? 0 : value; }
    TEditCharCase charCase() const { return charCase_; }
    // Converts the current text as an assignment would.
    void setCharCase(TEditCharCase value);

    // Replaces the selection by `inserted` (typing and paste). False when
    // nothing changed: an empty insert over no selection, or a result
    // longer than MaxLength, which is refused whole.
    bool insert(std::u16string_view inserted);
    // Removes the selection; false when there is none.
    bool deleteSelection();
    // The deletion keys: the selection when there is one, else the
    // character before (Backspace) or after (Delete) the caret.
    bool backspace();
    bool deleteForward();

    bool canUndo() const { return !undo_.Empty(); }
    // Reverses the last step; the selection is cleared.
    bool undo();
    const TEditActionStack& undoStack() const { return undo_; }

private:
    int clampToBoundary(int position) const;
    void removeRange(int start, int end);

    std::u16string text_;
    int caret_ = 0;
    int anchor_ = 0;
    int maxLength_ = 0;
    TEditCharCase charCase_ = ecNormal;
    TEditActionStack undo_;
};

} // namespace brio
