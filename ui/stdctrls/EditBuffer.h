#pragma once
// The text of a single-line edit box in UTF-16 units with a caret and a
// selection anchor. Positions never fall inside a surrogate pair; edits
// keep to MaxLength without cutting a pair in half.

#include <string>

class TEditBuffer {
public:
    const std::u16string& Text() const { return text_; }
    // Replaces everything; the caret goes to the start, nothing selected.
    void SetText(std::u16string text);
    int Length() const { return int(text_.size()); }

    int Caret() const { return caret_; }
    int Anchor() const { return anchor_; }
    int SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    int SelLength() const { return caret_ < anchor_ ? anchor_ - caret_ : caret_ - anchor_; }
    std::u16string SelText() const { return text_.substr(std::size_t(SelStart()), std::size_t(SelLength())); }
    // Selects from `start` for `length` units (both clamped to the text).
    void Select(int start, int length);
    // Moves the caret; `extend` keeps the anchor (Shift held).
    void MoveTo(int position, bool extend);

    // The next and previous character boundaries, and word starts.
    int NextPosition(int position) const;
    int PreviousPosition(int position) const;
    int NextWord(int position) const;
    int PreviousWord(int position) const;

    // 0 means no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value) { maxLength_ = value < 0 ? 0 : value; }

    // Replaces the selection with as much of `text` as fits; false when
    // nothing changed.
    bool Insert(std::u16string_view text);
    // Deletes the selection, or the character before (Backspace) or after
    // (Delete) the caret; false when nothing changed.
    bool DeleteBackward();
    bool DeleteForward();

private:
    int clampToBoundary(int position) const;
    void eraseSelection();

    std::u16string text_;
    int caret_ = 0;
    int anchor_ = 0;
    int maxLength_ = 0;
};
