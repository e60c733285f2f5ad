// TSeCustomEdit: text, selection, clipboard, measuring and scrolling. The
// input is in SeCustomEditInput.cpp, painting in SeCustomEditPaint.cpp and
// the context menu in SeCustomEditMenu.cpp.

#include "skin/controls/edit/SeCustomEdit.h"

#include "ui/graphics/Font.h"

#include "platform/WinUser.h"
#include "platform/gdi/MeasuringDc.h"
#include "platform/text/Utf16.h"

#include <algorithm>
#include <cstring>

namespace {

// One line of a pasted block: the rest is dropped, as a single-line box
// cannot hold it.
std::u16string firstLine(std::u16string text)
{
    std::size_t end = text.find_first_of(u"\r\n");
    if (end != std::u16string::npos)
        text.resize(end);
    return text;
}

std::u16string clipboardUnits(UINT format)
{
    std::u16string units;
    HANDLE data = GetClipboardData(format);
    auto memory = static_cast<HGLOBAL>(data);
    const void* bytes = data ? GlobalLock(memory) : nullptr;
    if (!bytes)
        return units;
    const std::size_t size = GlobalSize(memory);
    if (format == CF_UNICODETEXT) {
        const auto* raw = static_cast<const unsigned char*>(bytes);
        for (std::size_t i = 0; i + 1 < size; i += 2) {
            char16_t unit = char16_t(raw[i] | (raw[i + 1] << 8));
            if (!unit)
                break;
            units += unit;
        }
    } else {
        const char* text = static_cast<const char*>(bytes);
        units = brio::Utf8ToUtf16(std::string_view(text, strnlen(text, size)));
    }
    GlobalUnlock(memory);
    return units;
}

HGLOBAL blockOf(const void* bytes, std::size_t size)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return nullptr;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(memory);
    return memory;
}

} // namespace

TSeCustomEdit::TSeCustomEdit(TComponent* owner) : TSeCustomControl(owner)
{
    controlStyle_.Exclude(csSetCaption).Exclude(csAcceptsControls);
    controlStyle_.Include(csCaptureMouse);
    SetBounds(Left(), Top(), 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
    SetCursor(crIBeam);
    SetPerformance(kspDoubleBuffer);
    // One lowered line inside a 3-pixel border: the skin's frame has the
    // same 4-pixel margins.
    SetBevelInner(kbvNone);
    SetBevelOuter(kbvLowered);
    SetBevelWidth(1);
    SetBorderWidth(3);
}

TSeCustomEdit::~TSeCustomEdit()
{
    if (hasCaret_)
        DestroyCaret();
}

// ---- Text ---------------------------------------------------------------------------------------

std::string TSeCustomEdit::Text() const
{
    return brio::Utf16ToUtf8(model_.text());
}

void TSeCustomEdit::SetText(const std::string& value)
{
    SetWideText(brio::Utf8ToUtf16(value));
}

void TSeCustomEdit::SetWideText(std::u16string value)
{
    if (!ValidateText(value))
        return;
    const std::u16string old = model_.text();
    model_.setText(std::move(value));
    firstVisible_ = 0;
    positionsValid_ = false;
    text_ = brio::Utf16ToUtf8(model_.text());
    caretMoved();
    if (model_.text() != old)
        Change();
}

void TSeCustomEdit::SetCharCase(TEditCharCase value)
{
    const std::u16string old = model_.text();
    model_.setCharCase(value);
    if (model_.text() == old)
        return;
    firstVisible_ = 0;
    textEdited();
}

void TSeCustomEdit::SetAutoSize(bool value)
{
    autoSize_ = value;
    adjustHeight();
}

// A setting that changes what the box shows: stored, then the character
// positions, the scroll and the caret follow.
template <typename T> void TSeCustomEdit::changeLook(T& field, T value)
{
    if (value == field)
        return;
    field = value;
    positionsValid_ = false;
    caretMoved();
}

void TSeCustomEdit::SetHideSelection(bool value)
{
    changeLook(hideSelection_, value);
}

void TSeCustomEdit::SetPasswordKind(TPasswordKind value)
{
    changeLook(passwordKind_, value);
}

void TSeCustomEdit::SetPasswordWideChar(char16_t value)
{
    changeLook(passwordChar_, value);
}

void TSeCustomEdit::SetTextAlignment(TAlignment value)
{
    changeLook(alignment_, value);
}

void TSeCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TSeCustomEdit::textEdited()
{
    text_ = brio::Utf16ToUtf8(model_.text());
    positionsValid_ = false;
    caretMoved();
    Change();
}

void TSeCustomEdit::caretMoved()
{
    scrollToCaret();
    placeCaret();
    Invalidate();
}

// ---- Selection, clipboard, undo -------------------------------------------------------------

void TSeCustomEdit::SetSelStart(int value)
{
    model_.select(value, 0);
    caretMoved();
}

void TSeCustomEdit::SetSelLength(int value)
{
    model_.select(model_.selStart(), value);
    caretMoved();
}

void TSeCustomEdit::Select(int start, int length)
{
    model_.select(start, length);
    caretMoved();
}

std::string TSeCustomEdit::SelText() const
{
    return brio::Utf16ToUtf8(model_.selectedText());
}

void TSeCustomEdit::SelectAll()
{
    model_.select(0, model_.length());
    caretMoved();
}

void TSeCustomEdit::ClearSelection()
{
    if (editable() && model_.deleteSelection())
        textEdited();
}

void TSeCustomEdit::CopyToClipboard()
{
    // A password never leaves the box.
    if (!CanCopy())
        return;
    const std::u16string units = model_.selectedText();
    const std::string utf8 = brio::Utf16ToUtf8(units);
    if (!OpenClipboard(HandleAllocated() ? Handle() : nullptr))
        return;
    EmptyClipboard();
    // Both forms, so that readers of either find the text.
    if (HGLOBAL text = blockOf(utf8.c_str(), utf8.size() + 1))
        SetClipboardData(CF_TEXT, text);
    std::vector<unsigned char> wide(2 * (units.size() + 1), 0);
    for (std::size_t i = 0; i < units.size(); ++i) {
        wide[2 * i] = static_cast<unsigned char>(units[i] & 0xFF);
        wide[2 * i + 1] = static_cast<unsigned char>(units[i] >> 8);
    }
    if (HGLOBAL unicode = blockOf(wide.data(), wide.size()))
        SetClipboardData(CF_UNICODETEXT, unicode);
    CloseClipboard();
}

void TSeCustomEdit::CutToClipboard()
{
    // Where copying is refused, cutting would only destroy the text.
    if (!editable() || !CanCopy())
        return;
    CopyToClipboard();
    ClearSelection();
}

void TSeCustomEdit::PasteFromClipboard()
{
    if (!editable() || !OpenClipboard(HandleAllocated() ? Handle() : nullptr))
        return;
    std::u16string text;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT))
        text = clipboardUnits(CF_UNICODETEXT);
    else if (IsClipboardFormatAvailable(CF_TEXT))
        text = clipboardUnits(CF_TEXT);
    CloseClipboard();
    text = firstLine(std::move(text));
    if (!text.empty())
        insertText(text);
}

void TSeCustomEdit::SetSelText(const std::string& value)
{
    insertText(brio::Utf8ToUtf16(value));
}

void TSeCustomEdit::insertText(std::u16string_view text)
{
    if (model_.insert(text))
        textEdited();
    else if (!text.empty())
        MessageBeep(MB_OK);
}

void TSeCustomEdit::Undo()
{
    if (editable() && model_.undo())
        textEdited();
}

// ---- Geometry -------------------------------------------------------------------------------

TFont* TSeCustomEdit::EditFont() const
{
    return Font();
}

RECT TSeCustomEdit::GetTextArea() const
{
    return GetClientArea();
}

int TSeCustomEdit::LineHeight()
{
    if (lineHeight_ < 0) {
        brio::MeasuringDc dc(EditFont()->Handle());
        lineHeight_ = dc.textExtent("Pq").cy;
        if (lineHeight_ <= 0)
            lineHeight_ = 13;
    }
    return lineHeight_;
}

int TSeCustomEdit::GetGlyphWidth()
{
    int width = 10;
    if (passwordKind_ == pkChar && passwordChar_) {
        std::u16string glyph(1, passwordChar_);
        width = brio::MeasuringDc(EditFont()->Handle()).textExtent(brio::Utf16ToUtf8(glyph)).cx;
    } else if (passwordKind_ != pkChar) {
        width = brio::MeasuringDc(EditFont()->Handle()).textExtent("W").cx;
    }
    return std::max(1, width);
}

int TSeCustomEdit::advanceOf(char32_t c)
{
    auto found = advances_.find(c);
    if (found != advances_.end())
        return found->second;
    std::u16string units;
    brio::AppendUtf16(units, c);
    int width = brio::MeasuringDc(EditFont()->Handle()).textExtent(brio::Utf16ToUtf8(units)).cx;
    advances_.emplace(c, width);
    return width;
}

const std::vector<int>& TSeCustomEdit::positions()
{
    if (positionsValid_)
        return positions_;
    const std::u16string& text = model_.text();
    positions_.assign(text.size() + 1, 0);
    const int glyph = passwordKind_ != pkNone ? GetGlyphWidth() : 0;
    int x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        positions_[i] = x;
        char16_t unit = text[i];
        if (brio::IsHighSurrogate(unit) && i + 1 < text.size() && brio::IsLowSurrogate(text[i + 1])) {
            // The pair is one character: its second half takes no room.
            x += glyph ? glyph
                       : advanceOf(0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
            positions_[i] = positions_[i - 1];
            continue;
        }
        x += glyph ? glyph : advanceOf(unit);
    }
    positions_[text.size()] = x;
    positionsValid_ = true;
    return positions_;
}

int TSeCustomEdit::alignmentOffset()
{
    if (alignment_ == taLeftJustify || firstVisible_ != 0)
        return 0;
    const RECT area = GetTextArea();
    const int spare = (area.right - area.left) - positions().back();
    if (spare <= 0)
        return 0;
    return alignment_ == taRightJustify ? spare : spare / 2;
}

int TSeCustomEdit::textX(int position)
{
    const std::vector<int>& xs = positions();
    position = std::clamp(position, 0, int(xs.size()) - 1);
    return GetTextArea().left + alignmentOffset() + xs[std::size_t(position)] - xs[std::size_t(firstVisible_)];
}

void TSeCustomEdit::scrollToCaret()
{
    const std::vector<int>& xs = positions();
    const int length = model_.length();
    const int caret = model_.caret();
    const RECT area = GetTextArea();
    const int width = area.right - area.left;
    firstVisible_ = std::clamp(firstVisible_, 0, length);
    if (caret < firstVisible_)
        firstVisible_ = caret;
    // Advance while the caret lies past the right edge, but never past the
    // caret itself: an area narrower than one character would loop forever.
    while (firstVisible_ < caret && xs[std::size_t(caret)] - xs[std::size_t(firstVisible_)] > width)
        firstVisible_ = model_.nextChar(firstVisible_);
    // Text taken off the end: bring earlier characters back while all of
    // the rest fits, so the box does not show a stub of text.
    while (firstVisible_ > 0) {
        int previous = model_.previousChar(firstVisible_);
        if (xs[std::size_t(length)] - xs[std::size_t(previous)] > width)
            break;
        firstVisible_ = previous;
    }
}

int TSeCustomEdit::positionFor(int x, bool nearestBoundary)
{
    const std::vector<int>& xs = positions();
    const int length = model_.length();
    const int offset = x - textX(firstVisible_) + xs[std::size_t(firstVisible_)];
    int position = firstVisible_;
    while (position < length) {
        const int next = model_.nextChar(position);
        // For the caret, past the middle of a character goes after it.
        const int edge = nearestBoundary ? (xs[std::size_t(position)] + xs[std::size_t(next)]) / 2
                                         : xs[std::size_t(next)];
        if (offset < edge)
            break;
        position = next;
    }
    return position;
}

int TSeCustomEdit::PositionAt(int x)
{
    return positionFor(x, true);
}

int TSeCustomEdit::CharacterAt(int x)
{
    return positionFor(x, false);
}

POINT TSeCustomEdit::CaretPoint()
{
    const RECT area = GetTextArea();
    const int x = std::clamp(textX(model_.caret()), int(area.left), std::max(int(area.left), int(area.right) - 1));
    const int y = area.top + ((area.bottom - area.top) - LineHeight()) / 2;
    return POINT{x, y};
}

void TSeCustomEdit::createCaret()
{
    if (!HandleAllocated())
        return;
    hasCaret_ = CreateCaret(Handle(), nullptr, 1, LineHeight()) != FALSE;
    placeCaret();
    if (hasCaret_)
        ShowCaret(Handle());
}

void TSeCustomEdit::destroyCaret()
{
    if (hasCaret_)
        DestroyCaret();
    hasCaret_ = false;
}

void TSeCustomEdit::placeCaret()
{
    if (!hasCaret_ || !HandleAllocated())
        return;
    POINT p = CaretPoint();
    SetCaretPos(p.x, p.y);
}

void TSeCustomEdit::adjustHeight()
{
    if (!autoSize_)
        return;
    const int height = 2 * GetTextArea().top + LineHeight();
    if (height != Height())
        SetBounds(Left(), Top(), Width(), height);
}

void TSeCustomEdit::FontOrFrameChanged()
{
    advances_.clear();
    lineHeight_ = -1;
    positionsValid_ = false;
    adjustHeight();
    if (hasCaret_) {
        destroyCaret();
        createCaret();
    }
    caretMoved();
}

void TSeCustomEdit::BoundsChanged()
{
    TSeCustomControl::BoundsChanged();
    scrollToCaret();
    placeCaret();
}
