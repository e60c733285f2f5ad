// TSeCustomEdit's context menu: made on first use, its items enabled for
// what the box can do at the moment it opens.

#include "skin/controls/edit/SeCustomEdit.h"

#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SeCustomPopupMenu.h"

#include "ui/forms/Form.h"

#include "platform/WinUser.h"

namespace {

// The items in menu order; a null action is a separator.
enum MenuCommand { kUndo, kCut, kCopy, kPaste, kDelete, kSelectAll, kSeparator };

struct MenuEntry {
    const char* caption;
    MenuCommand command;
};

constexpr MenuEntry kEntries[] = {
    {"Undo", kUndo},   {"-", kSeparator},     {"Cut", kCut},       {"Copy", kCopy},
    {"Paste", kPaste}, {"Delete", kDelete}, {"-", kSeparator}, {"Select All", kSelectAll},
};

} // namespace

TSeCustomPopupMenu* TSeCustomEdit::CreateContextMenu()
{
    return new TSeCustomPopupMenu(this);
}

TSeCustomItem* TSeCustomEdit::CreateContextMenuItem(TSeCustomPopupMenu* menu)
{
    return menu->Items()->CreateItem(menu);
}

void TSeCustomEdit::fillContextMenu(TSeCustomPopupMenu* menu)
{
    for (const MenuEntry& entry : kEntries) {
        TSeCustomItem* item = CreateContextMenuItem(menu);
        item->SetCaption(entry.caption);
        switch (entry.command) {
        case kUndo: item->OnClick = [this](TObject*) { Undo(); }; break;
        case kCut: item->OnClick = [this](TObject*) { CutToClipboard(); }; break;
        case kCopy: item->OnClick = [this](TObject*) { CopyToClipboard(); }; break;
        case kPaste: item->OnClick = [this](TObject*) { PasteFromClipboard(); }; break;
        case kDelete: item->OnClick = [this](TObject*) { ClearSelection(); }; break;
        case kSelectAll: item->OnClick = [this](TObject*) { SelectAll(); }; break;
        case kSeparator: break;
        }
        menu->Items()->Add(item);
    }
}

void TSeCustomEdit::updateContextMenu()
{
    TSeCustomItem* items = contextMenu_->Items();
    const bool selected = model_.selLength() > 0;
    bool canPaste = false;
    if (editable() && OpenClipboard(HandleAllocated() ? Handle() : nullptr)) {
        canPaste = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
        CloseClipboard();
    }
    for (int i = 0; i < items->Count() && i < int(std::size(kEntries)); ++i) {
        bool enabled = true;
        switch (kEntries[i].command) {
        case kUndo: enabled = editable() && CanUndo(); break;
        case kCut: enabled = editable() && CanCopy(); break;
        case kCopy: enabled = CanCopy(); break;
        case kPaste: enabled = canPaste; break;
        case kDelete: enabled = editable() && selected; break;
        case kSelectAll: enabled = model_.length() > 0 && model_.selLength() < model_.length(); break;
        case kSeparator: break;
        }
        items->Items(i)->SetEnabled(enabled);
    }
}

void TSeCustomEdit::ShowContextMenu(int screenX, int screenY)
{
    if (ComponentState().Contains(csDesigning))
        return;
    // Whatever the mouse was doing (selecting here, moving or sizing the
    // form) ends before the menu takes over.
    selecting_ = false;
    if (GetCapture())
        ReleaseCapture();
    if (TCustomForm* form = GetParentForm(this); form && form->HandleAllocated())
        SendMessage(form->Handle(), WM_CANCELMODE, 0, 0);
    if (screenX == -1 && screenY == -1) {
        // Asked for from the keyboard: at the caret, below its line.
        POINT caret = CaretPoint();
        TPoint at = ClientToScreen(TPoint{caret.x, caret.y + LineHeight()});
        screenX = at.x;
        screenY = at.y;
    }
    if (!contextMenu_) {
        contextMenu_ = CreateContextMenu();
        fillContextMenu(contextMenu_);
    }
    updateContextMenu();
    contextMenu_->PopupMenuOptions()->Assign(&contextMenuOptions_);
    contextMenu_->SetPopupComponent(this);
    contextMenu_->Popup(screenX, screenY);
}
