// The edit box's text, caret and selection.

#include "ui/stdctrls/EditBuffer.h"

#include "platform/text/Utf16.h"

#include <algorithm>

namespace {

bool isWordUnit(char16_t unit)
{
    return unit != u' ' && unit != u'\t';
}

} // namespace

void TEditBuffer::SetText(std::u16string text)
{
    text_ = std::move(text);
    caret_ = anchor_ = 0;
}

int TEditBuffer::clampToBoundary(int position) const
{
    position = std::clamp(position, 0, Length());
    if (position > 0 && position < Length() && brio::IsLowSurrogate(text_[std::size_t(position)]) &&
        brio::IsHighSurrogate(text_[std::size_t(position) - 1]))
        --position;
    return position;
}

void TEditBuffer::Select(int start, int length)
{
    anchor_ = clampToBoundary(start);
    caret_ = clampToBoundary(anchor_ + std::max(length, 0));
}

void TEditBuffer::MoveTo(int position, bool extend)
{
    caret_ = clampToBoundary(position);
    if (!extend)
        anchor_ = caret_;
}

int TEditBuffer::NextPosition(int position) const
{
    if (position >= Length())
        return Length();
    int next = position + 1;
    if (next < Length() && brio::IsHighSurrogate(text_[std::size_t(position)]) && brio::IsLowSurrogate(text_[std::size_t(next)]))
        ++next;
    return next;
}

int TEditBuffer::PreviousPosition(int position) const
{
    if (position <= 0)
        return 0;
    return clampToBoundary(position - 1);
}

int TEditBuffer::NextWord(int position) const
{
    int p = std::clamp(position, 0, Length());
    while (p < Length() && isWordUnit(text_[std::size_t(p)]))
        ++p;
    while (p < Length() && !isWordUnit(text_[std::size_t(p)]))
        ++p;
    return p;
}

int TEditBuffer::PreviousWord(int position) const
{
    int p = std::clamp(position, 0, Length());
    while (p > 0 && !isWordUnit(text_[std::size_t(p) - 1]))
        --p;
    while (p > 0 && isWordUnit(text_[std::size_t(p) - 1]))
        --p;
    return p;
}

void TEditBuffer::eraseSelection()
{
    int start = SelStart();
    text_.erase(std::size_t(start), std::size_t(SelLength()));
    caret_ = anchor_ = start;
}

bool TEditBuffer::Insert(std::u16string_view text)
{
    std::size_t room = text.size();
    if (maxLength_ > 0) {
        int kept = Length() - SelLength();
        room = std::size_t(std::max(0, maxLength_ - kept));
        if (room < text.size() && room > 0 && brio::IsHighSurrogate(text[room - 1]))
            --room;
        room = std::min(room, text.size());
    }
    if (room == 0 && SelLength() == 0)
        return false;
    eraseSelection();
    text_.insert(std::size_t(caret_), text.substr(0, room));
    caret_ = anchor_ = caret_ + int(room);
    return true;
}

bool TEditBuffer::DeleteBackward()
{
    if (SelLength() == 0) {
        if (caret_ == 0)
            return false;
        anchor_ = PreviousPosition(caret_);
    }
    eraseSelection();
    return true;
}

bool TEditBuffer::DeleteForward()
{
    if (SelLength() == 0) {
        if (caret_ == Length())
            return false;
        anchor_ = NextPosition(caret_);
    }
    eraseSelection();
    return true;
}
