// The edit box's text, caret, selection and recorded edits.

#include "skin/controls/edit/EditTextModel.h"

#include "skin/controls/edit/EditCharCase.h"

#include "platform/text/Utf16.h"

#include <algorithm>

namespace brio {

namespace {

bool isSpace(char16_t unit)
{
    return unit == u' ' || unit == u'\t' || unit == 0x3000 || unit == 0xA0;
}

} // namespace

void EditTextModel::setText(std::u16string text)
{
    text_ = ApplyCharCase(std::move(text), charCase_);
    caret_ = anchor_ = 0;
    undo_.Clear();
}

void EditTextModel::setCharCase(TEditCharCase value)
{
    if (value == charCase_)
        return;
    charCase_ = value;
    std::u16string converted = ApplyCharCase(text_, charCase_);
    if (converted != text_)
        setText(std::move(converted));
}

int EditTextModel::clampToBoundary(int position) const
{
    position = std::clamp(position, 0, length());
    if (position > 0 && position < length() && IsLowSurrogate(text_[std::size_t(position)])
        && IsHighSurrogate(text_[std::size_t(position - 1)]))
        --position;
    return position;
}

std::u16string EditTextModel::selectedText() const
{
    return text_.substr(std::size_t(selStart()), std::size_t(selLength()));
}

void EditTextModel::select(int start, int length)
{
    long long end = (long long)start + length;
    anchor_ = clampToBoundary(start);
    caret_ = clampToBoundary(int(std::clamp<long long>(end, 0, this->length())));
}

void EditTextModel::moveCaret(int position, bool extend)
{
    caret_ = clampToBoundary(position);
    if (!extend)
        anchor_ = caret_;
}

int EditTextModel::nextChar(int position) const
{
    position = clampToBoundary(position);
    if (position >= length())
        return length();
    return clampToBoundary(position + (IsHighSurrogate(text_[std::size_t(position)]) ? 2 : 1));
}

int EditTextModel::previousChar(int position) const
{
    position = clampToBoundary(position);
    return position <= 0 ? 0 : clampToBoundary(position - 1);
}

int EditTextModel::nextWord(int position) const
{
    int i = clampToBoundary(position);
    while (i < length() && !isSpace(text_[std::size_t(i)]))
        ++i;
    while (i < length() && isSpace(text_[std::size_t(i)]))
        ++i;
    return clampToBoundary(i);
}

int EditTextModel::previousWord(int position) const
{
    int i = clampToBoundary(position);
    while (i > 0 && isSpace(text_[std::size_t(i - 1)]))
        --i;
    while (i > 0 && !isSpace(text_[std::size_t(i - 1)]))
        --i;
    return i;
}

std::pair<int, int> EditTextModel::wordAt(int index) const
{
    if (text_.empty())
        return {0, 0};
    // The character at the index decides: a word, or a gap of spaces.
    int probe = std::clamp(index, 0, length() - 1);
    bool spaces = isSpace(text_[std::size_t(probe)]);
    int first = probe;
    int last = probe;
    while (first > 0 && isSpace(text_[std::size_t(first - 1)]) == spaces)
        --first;
    while (last < length() && isSpace(text_[std::size_t(last)]) == spaces)
        ++last;
    return {clampToBoundary(first), clampToBoundary(last)};
}

void EditTextModel::removeRange(int start, int end)
{
    text_.erase(std::size_t(start), std::size_t(end - start));
    caret_ = anchor_ = start;
}

bool EditTextModel::insert(std::u16string_view inserted)
{
    std::u16string stored = ApplyCharCase(std::u16string(inserted), charCase_);
    const int start = selStart();
    const int removed = selLength();
    if (stored.empty() && removed == 0)
        return false;
    // Decided before anything is recorded or removed: a refused insert
    // must leave both the text and the undo record as they were.
    if (maxLength_ > 0 && (long long)length() - removed + (long long)stored.size() > maxLength_)
        return false;
    const bool replacing = removed > 0;
    if (replacing) {
        undo_.PushDeletion(start, selectedText(), /*partOfReplace=*/!stored.empty());
        removeRange(start, start + removed);
    }
    if (!stored.empty()) {
        undo_.PushInsertion(start, int(stored.size()), replacing);
        text_.insert(std::size_t(start), stored);
    }
    caret_ = anchor_ = start + int(stored.size());
    return true;
}

bool EditTextModel::deleteSelection()
{
    if (selLength() == 0)
        return false;
    const int start = selStart();
    undo_.PushDeletion(start, selectedText());
    removeRange(start, start + selLength());
    return true;
}

bool EditTextModel::backspace()
{
    if (selLength() > 0)
        return deleteSelection();
    const int end = clampToBoundary(caret_);
    const int start = previousChar(end);
    if (start == end)
        return false;
    undo_.PushDeletion(start, text_.substr(std::size_t(start), std::size_t(end - start)));
    removeRange(start, end);
    return true;
}

bool EditTextModel::deleteForward()
{
    if (selLength() > 0)
        return deleteSelection();
    const int start = clampToBoundary(caret_);
    const int end = nextChar(start);
    if (start == end)
        return false;
    undo_.PushDeletion(start, text_.substr(std::size_t(start), std::size_t(end - start)));
    removeRange(start, end);
    return true;
}

bool EditTextModel::undo()
{
    int caret = caret_;
    if (!undo_.Undo(text_, caret))
        return false;
    caret_ = anchor_ = clampToBoundary(caret);
    return true;
}

} // namespace brio
