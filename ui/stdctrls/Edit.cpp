// TEdit: typing, caret, selection, clipboard and the sideways scroll.

#include "ui/stdctrls/Edit.h"

#include "ui/graphics/Brush.h"
#include "ui/graphics/Font.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/gdi/MeasuringDc.h"
#include "platform/text/Utf16.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMargin = 1;

} // namespace

TEdit::TEdit(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_.Exclude(csAcceptsControls).Exclude(csSetCaption);
    controlStyle_.Include(csOpaque);
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
    SetCursor(crIBeam);
}

void TEdit::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

// ---- Text -------------------------------------------------------------------------------

void TEdit::SetText(const std::string& value)
{
    std::u16string units = brio::Utf8ToUtf16(value);
    if (units == buffer_.Text())
        return;
    buffer_.SetText(std::move(units));
    scrollX_ = 0;
    text_ = brio::Utf16ToUtf8(buffer_.Text());
    positionsValid_ = false;
    Perform(CM_TEXTCHANGED);
    placeCaret();
    Change();
}

void TEdit::SetMaxLength(int value)
{
    buffer_.SetMaxLength(value);
}

void TEdit::SetPasswordChar(char16_t value)
{
    if (value == passwordChar_)
        return;
    passwordChar_ = value;
    positionsValid_ = false;
    scrollToCaret();
    Invalidate();
}

void TEdit::SetHideSelection(bool value)
{
    if (value == hideSelection_)
        return;
    hideSelection_ = value;
    Invalidate();
}

void TEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TEdit::textEdited()
{
    text_ = brio::Utf16ToUtf8(buffer_.Text());
    if (HandleAllocated())
        SetWindowText(Handle(), text_.c_str());
    positionsValid_ = false;
    caretMoved();
    Change();
}

void TEdit::caretMoved()
{
    scrollToCaret();
    placeCaret();
    Invalidate();
}

std::u16string TEdit::displayText() const
{
    if (!passwordChar_)
        return buffer_.Text();
    // One mask per unit keeps the positions in step; a pair shows as two.
    return std::u16string(buffer_.Text().size(), passwordChar_);
}

// ---- Selection and clipboard ---------------------------------------------------------------

void TEdit::SetSelStart(int value)
{
    buffer_.Select(value, 0);
    caretMoved();
}

void TEdit::SetSelLength(int value)
{
    buffer_.Select(buffer_.SelStart(), value);
    caretMoved();
}

std::string TEdit::SelText() const
{
    return brio::Utf16ToUtf8(buffer_.SelText());
}

void TEdit::SetSelText(const std::string& value)
{
    if (buffer_.Insert(brio::Utf8ToUtf16(value)))
        textEdited();
}

void TEdit::SelectAll()
{
    buffer_.Select(0, buffer_.Length());
    caretMoved();
}

void TEdit::ClearSelection()
{
    if (readOnly_ || buffer_.SelLength() == 0)
        return;
    if (buffer_.DeleteForward())
        textEdited();
}

void TEdit::CopyToClipboard()
{
    // A password never leaves the box.
    if (passwordChar_ || buffer_.SelLength() == 0)
        return;
    std::string text = SelText();
    if (!OpenClipboard(HandleAllocated() ? Handle() : nullptr))
        return;
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* bytes = GlobalLock(memory)) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            SetClipboardData(CF_TEXT, memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

void TEdit::CutToClipboard()
{
    if (readOnly_ || passwordChar_)
        return;
    CopyToClipboard();
    ClearSelection();
}

void TEdit::PasteFromClipboard()
{
    if (readOnly_ || !OpenClipboard(HandleAllocated() ? Handle() : nullptr))
        return;
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        auto memory = static_cast<HGLOBAL>(data);
        if (const char* bytes = static_cast<const char*>(GlobalLock(memory))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(memory)));
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    // One line only: the rest of a pasted block is dropped.
    text = text.substr(0, text.find_first_of("\r\n"));
    if (!text.empty() && buffer_.Insert(brio::Utf8ToUtf16(text)))
        textEdited();
}

// ---- Geometry --------------------------------------------------------------------------------

int TEdit::lineHeight() const
{
    const int height = brio::MeasuringDc(Font()->Handle()).metrics().tmHeight;
    return height > 0 ? height : 13;
}

const std::vector<int>& TEdit::positionsX() const
{
    if (positionsValid_)
        return positions_;
    std::u16string shown = displayText();
    positions_.assign(shown.size() + 1, 0);
    brio::MeasuringDc dc(Font()->Handle());
    for (std::size_t i = 1; i <= shown.size(); ++i) {
        // Inside a pair the position is the pair's start.
        if (i < shown.size() && brio::IsLowSurrogate(shown[i]) && brio::IsHighSurrogate(shown[i - 1])) {
            positions_[i] = positions_[i - 1];
            continue;
        }
        positions_[i] = dc.textExtent(brio::Utf16ToUtf8(std::u16string_view(shown).substr(0, i))).cx;
    }
    positionsValid_ = true;
    return positions_;
}

int TEdit::positionAt(int x) const
{
    const std::vector<int>& xs = positionsX();
    int textX = x - kMargin + scrollX_;
    int best = 0;
    for (int i = buffer_.NextPosition(0), previous = 0; previous < buffer_.Length();
         previous = i, i = buffer_.NextPosition(i)) {
        // Past the middle of a character puts the caret after it.
        if (textX >= (xs[std::size_t(previous)] + xs[std::size_t(i)] + 1) / 2)
            best = i;
        else
            break;
    }
    return best;
}

POINT TEdit::CaretPos() const
{
    int x = positionsX()[std::size_t(buffer_.Caret())] - scrollX_ + kMargin;
    int y = std::max(0, (ClientHeight() - lineHeight()) / 2);
    return POINT{x, y};
}

void TEdit::scrollToCaret()
{
    const std::vector<int>& xs = positionsX();
    int visible = std::max(1, ClientWidth() - 2 * kMargin);
    int caretX = xs[std::size_t(buffer_.Caret())];
    int textWidth = xs.back();
    if (caretX < scrollX_)
        scrollX_ = std::max(0, caretX - visible / 4);
    else if (caretX > scrollX_ + visible - 1)
        scrollX_ = caretX - visible + 1 + visible / 4;
    // Never scroll further than the end of the text needs.
    scrollX_ = std::clamp(scrollX_, 0, std::max(0, std::max(textWidth, caretX + 1) - visible + 1));
}

void TEdit::placeCaret()
{
    if (!hasCaret_ || !HandleAllocated())
        return;
    POINT p = CaretPos();
    SetCaretPos(p.x, p.y);
}

// ---- Input ------------------------------------------------------------------------------------

bool TEdit::WantsKey(WORD key) const
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

void TEdit::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    bool extend = shift.Contains(ssShift);
    bool ctrl = shift.Contains(ssCtrl);
    int caret = buffer_.Caret();
    auto move = [&](int position) {
        buffer_.MoveTo(position, extend);
        caretMoved();
        key = 0;
    };
    switch (key) {
    // Without Shift an arrow first collapses a selection to its side.
    case VK_LEFT:
        if (!extend && buffer_.SelLength() > 0 && !ctrl)
            move(buffer_.SelStart());
        else
            move(ctrl ? buffer_.PreviousWord(caret) : buffer_.PreviousPosition(caret));
        break;
    case VK_RIGHT:
        if (!extend && buffer_.SelLength() > 0 && !ctrl)
            move(buffer_.SelStart() + buffer_.SelLength());
        else
            move(ctrl ? buffer_.NextWord(caret) : buffer_.NextPosition(caret));
        break;
    case VK_HOME:
        move(0);
        break;
    case VK_END:
        move(buffer_.Length());
        break;
    case VK_DELETE:
        if (extend)
            CutToClipboard();
        else if (!readOnly_ && buffer_.DeleteForward())
            textEdited();
        key = 0;
        break;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (extend)
            PasteFromClipboard();
        key = 0;
        break;
    default:
        if (ctrl && !shift.Contains(ssAlt)) {
            switch (key) {
            case 'A': SelectAll(); key = 0; break;
            case 'C': CopyToClipboard(); key = 0; break;
            case 'X': CutToClipboard(); key = 0; break;
            case 'V': PasteFromClipboard(); key = 0; break;
            default: break;
            }
        }
        break;
    }
}

void TEdit::typeUnit(char16_t unit)
{
    if (unit == u'\b') {
        pendingHighSurrogate_ = 0;
        if (!readOnly_ && buffer_.DeleteBackward())
            textEdited();
        return;
    }
    // Other control characters (Ctrl+letters, Enter, Escape, Tab) are
    // keys, not text.
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
    if (readOnly_) {
        MessageBeep(MB_OK);
        return;
    }
    if (buffer_.Insert(typed))
        textEdited();
    else
        MessageBeep(MB_OK);
}

void TEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        if (CanFocus() && !Focused())
            SetFocus();
        buffer_.MoveTo(positionAt(x), shift.Contains(ssShift));
        selecting_ = true;
        caretMoved();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TEdit::MouseMove(TShiftState shift, int x, int y)
{
    if (selecting_ && shift.Contains(ssLeft)) {
        int position = positionAt(x);
        if (position != buffer_.Caret()) {
            buffer_.MoveTo(position, true);
            caretMoved();
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_SETFOCUS:
        TCustomControl::WndProc(m);
        hasCaret_ = CreateCaret(Handle(), nullptr, 1, lineHeight()) != FALSE;
        if (AutoSelect && !(GetKeyState(VK_LBUTTON) < 0))
            SelectAll();
        placeCaret();
        if (hasCaret_)
            ShowCaret(Handle());
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TCustomControl::WndProc(m);
        if (hasCaret_)
            DestroyCaret();
        hasCaret_ = false;
        selecting_ = false;
        Invalidate();
        return;
    case WM_LBUTTONUP:
        selecting_ = false;
        break;
    case CM_FONTCHANGED:
        positionsValid_ = false;
        break;
    case WM_SIZE:
        TCustomControl::WndProc(m);
        scrollToCaret();
        placeCaret();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

// Characters that get past OnKeyPress arrive here.
void TEdit::DefaultHandler(TMessage& m)
{
    if (m.Msg == WM_CHAR) {
        typeUnit(char16_t(m.WParam));
        return;
    }
    TCustomControl::DefaultHandler(m);
}

// ---- Painting -----------------------------------------------------------------------------

void TEdit::Paint()
{
    TCanvas* c = Canvas();
    RECT client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    const std::vector<int>& xs = positionsX();
    std::u16string shown = displayText();
    int x0 = kMargin - scrollX_;
    int y = std::max(0, (::Height(client) - lineHeight()) / 2);
    c->Font()->Assign(Font());
    if (!Enabled())
        c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(bsClear);
    c->TextOut(x0, y, brio::Utf16ToUtf8(shown));
    if ((hideSelection_ && !Focused()) || buffer_.SelLength() == 0)
        return;
    int start = buffer_.SelStart();
    int end = start + buffer_.SelLength();
    RECT selection{x0 + xs[std::size_t(start)], y, x0 + xs[std::size_t(end)], y + lineHeight()};
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clHighlight);
    c->Font()->SetColor(clHighlightText);
    // The whole line drawn again, clipped to the selection, keeps kerning.
    c->TextRect(selection, x0, y, brio::Utf16ToUtf8(shown));
}
