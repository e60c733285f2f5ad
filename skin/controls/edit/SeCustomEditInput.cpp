// TSeCustomEdit's input: keys, typed characters, the mouse, and the
// messages the box answers.

#include "skin/controls/edit/SeCustomEdit.h"

#include "platform/WinUser.h"
#include "platform/text/Utf16.h"

#include <algorithm>

namespace {

constexpr LRESULT kWantsArrowsAndChars = 0x0001 | 0x0080; // DLGC_WANTARROWS | DLGC_WANTCHARS

} // namespace

// ---- Keys ---------------------------------------------------------------------------------------

bool TSeCustomEdit::WantsKey(WORD key) const
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

void TSeCustomEdit::KeyDown(WORD& key, TShiftState shift)
{
    TSeCustomControl::KeyDown(key, shift);
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    const int caret = model_.caret();
    auto move = [&](int position) {
        model_.moveCaret(position, extend);
        caretMoved();
        key = 0;
    };
    switch (key) {
    case VK_LEFT:
        // Without Shift a selection first collapses to its side.
        if (!extend && !ctrl && model_.selLength() > 0)
            move(model_.selStart());
        else
            move(ctrl ? model_.previousWord(caret) : model_.previousChar(caret));
        return;
    case VK_RIGHT:
        if (!extend && !ctrl && model_.selLength() > 0)
            move(model_.selEnd());
        else
            move(ctrl ? model_.nextWord(caret) : model_.nextChar(caret));
        return;
    case VK_HOME:
        move(0);
        return;
    case VK_END:
        move(model_.length());
        return;
    case VK_BACK:
        if (editable() && model_.backspace())
            textEdited();
        key = 0;
        return;
    case VK_DELETE:
        if (extend)
            CutToClipboard();
        else if (editable() && model_.deleteForward())
            textEdited();
        key = 0;
        return;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (extend)
            PasteFromClipboard();
        key = 0;
        return;
    case VK_APPS:
        ShowContextMenu(-1, -1);
        key = 0;
        return;
    case VK_F10:
        if (extend) {
            ShowContextMenu(-1, -1);
            key = 0;
        }
        return;
    default:
        break;
    }
    if (!ctrl || shift.Contains(ssAlt))
        return;
    switch (key) {
    case 'A': SelectAll(); break;
    case 'C': CopyToClipboard(); break;
    case 'V': PasteFromClipboard(); break;
    case 'X': CutToClipboard(); break;
    case 'Z': Undo(); break;
    default: return;
    }
    key = 0;
}

void TSeCustomEdit::typeUnit(char16_t unit)
{
    // Backspace is handled as a key; other control characters (Ctrl+
    // letters, Enter, Escape, Tab) are not text.
    if (unit < 0x20 || unit == 0x7F)
        return;
    if (brio::IsHighSurrogate(unit)) {
        pendingHighSurrogate_ = unit;
        return;
    }
    std::u16string typed;
    if (brio::IsLowSurrogate(unit)) {
        if (!pendingHighSurrogate_)
            return;
        typed = {pendingHighSurrogate_, unit};
    } else {
        typed = {unit};
    }
    pendingHighSurrogate_ = 0;
    if (!editable()) {
        MessageBeep(MB_OK);
        return;
    }
    insertText(typed);
}

// ---- Mouse --------------------------------------------------------------------------------------

void TSeCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        model_.moveCaret(PositionAt(x), false);
        selecting_ = true;
        caretMoved();
    }
    TSeCustomControl::MouseDown(button, shift, x, y);
}

void TSeCustomEdit::MouseMove(TShiftState shift, int x, int y)
{
    if (selecting_ && shift.Contains(ssLeft)) {
        int position = PositionAt(x);
        // Past the right edge: one character further, so the text scrolls.
        if (x >= GetTextArea().right)
            position = model_.nextChar(std::max(position, model_.caret()));
        if (position != model_.caret()) {
            model_.moveCaret(position, true);
            caretMoved();
        }
    }
    TSeCustomControl::MouseMove(shift, x, y);
}

void TSeCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft)
        selecting_ = false;
    TSeCustomControl::MouseUp(button, shift, x, y);
}

void TSeCustomEdit::selectWordAt(int x)
{
    auto [first, last] = model_.wordAt(CharacterAt(x));
    model_.select(first, last - first);
    selecting_ = false;
    caretMoved();
}

// ---- Messages -----------------------------------------------------------------------------------

void TSeCustomEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = kWantsArrowsAndChars;
        return;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_UNDO:
        Undo();
        return;
    case WM_CONTEXTMENU:
        ShowContextMenu(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
        m.Result = 1;
        return;
    case WM_LBUTTONDBLCLK:
        TSeCustomControl::WndProc(m);
        selectWordAt(GET_X_LPARAM(m.LParam));
        return;
    case WM_SETFOCUS:
        TSeCustomControl::WndProc(m);
        createCaret();
        if (AutoSelect)
            SelectAll();
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TSeCustomControl::WndProc(m);
        destroyCaret();
        selecting_ = false;
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TSeCustomControl::WndProc(m);
        FontOrFrameChanged();
        return;
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        TSeCustomControl::WndProc(m);
        Invalidate();
        return;
    default:
        break;
    }
    TSeCustomControl::WndProc(m);
}

// Characters that get past OnKeyPress arrive here.
void TSeCustomEdit::DefaultHandler(TMessage& m)
{
    if (m.Msg == WM_CHAR) {
        typeUnit(char16_t(m.WParam));
        return;
    }
    TSeCustomControl::DefaultHandler(m);
}
