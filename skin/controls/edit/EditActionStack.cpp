// The edit box's undo record: pushing with run merging, and undo.

#include "skin/controls/edit/EditActionStack.h"

#include <utility>

void TEditActionStack::PushDeletion(int position, std::u16string text, bool partOfReplace)
{
    if (text.empty() || position < 0)
        return;
    const int length = int(text.size());
    if (!partOfReplace && !entries_.empty()) {
        TEditAction& top = entries_.back();
        if (top.Kind == TEditActionKind::eakDeletion && top.Mergeable) {
            if (position + length == top.Position) {
                // Backspace run: the new text stood just before the old.
                top.Text.insert(0, text);
                top.Position = position;
                return;
            }
            if (position == top.Position) {
                // Delete run: the new text stood just after the old.
                top.Text += text;
                return;
            }
        }
    }
    entries_.push_back({TEditActionKind::eakDeletion, position, std::move(text), 0, false, !partOfReplace});
}

void TEditActionStack::PushInsertion(int position, int length, bool linked)
{
    if (length <= 0 || position < 0)
        return;
    if (!linked && !entries_.empty()) {
        TEditAction& top = entries_.back();
        if (top.Kind == TEditActionKind::eakInsertion && top.Position + top.Length == position) {
            top.Length += length;
            return;
        }
    }
    entries_.push_back({TEditActionKind::eakInsertion, position, {}, length, linked, true});
}

bool TEditActionStack::Undo(std::u16string& text, int& caret)
{
    if (entries_.empty())
        return false;
    bool linked = true;
    while (linked && !entries_.empty()) {
        TEditAction entry = std::move(entries_.back());
        entries_.pop_back();
        linked = entry.LinkedToPrevious;
        const int size = int(text.size());
        if (entry.Kind == TEditActionKind::eakDeletion) {
            if (entry.Position > size)
                continue;
            text.insert(std::size_t(entry.Position), entry.Text);
            caret = entry.Position + int(entry.Text.size());
        } else {
            if (entry.Position > size || entry.Length > size - entry.Position)
                continue;
            text.erase(std::size_t(entry.Position), std::size_t(entry.Length));
            caret = entry.Position;
        }
    }
    return true;
}
