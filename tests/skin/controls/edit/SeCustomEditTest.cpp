// The skinned edit box driven by keys, mouse and clipboard on the headless
// backend: undo through the keys, MaxLength, caret and scroll, the
// clipboard, letter case, the context menu, and what it paints.

#include "tests/skin/controls/edit/EditBoxFixture.h"

#include "skin/controls/edit/SeCustomEdit.h"

#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SeCustomPopupMenu.h"

#include "ui/graphics/Colors.h"

#include "platform/WinUser.h"
#include "platform/text/Utf16.h"

#include <filesystem>


namespace {

// Records where the menu was asked to open instead of running its loop.
class RecordingMenu : public TSeCustomPopupMenu {
public:
    using TSeCustomPopupMenu::TSeCustomPopupMenu;
    void Popup(int x, int y) override { opened.push_back(TPoint{x, y}); }
    std::vector<TPoint> opened;
};

class RecordingEdit : public TSeCustomEdit {
public:
    using TSeCustomEdit::TSeCustomEdit;
    RecordingMenu* menu = nullptr;

protected:
    TSeCustomPopupMenu* CreateContextMenu() override { return menu = new RecordingMenu(this); }
};

Pixel pixelOf(TColor color)
{
    COLORREF c = ColorToRGB(color);
    return 0xFF000000u | (Pixel(GetRValue(c)) << 16) | (Pixel(GetGValue(c)) << 8) | Pixel(GetBValue(c));
}

class SkinEditBox : public EditBoxFixture<RecordingEdit> {
protected:
    int changes = 0;

    void SetUp() override
    {
        UiTest::SetUp();
        makeBox(121);
        edit->OnChange = [this](TObject*) { ++changes; };
    }
    // Presses the left button at the text area's left edge, mid-height;
    // returns that height.
    int pressAtTextStart()
    {
        const RECT area = edit->GetTextArea();
        const int y = (area.top + area.bottom) / 2;
        TPoint start = screenPoint(edit, area.left + 1, y);
        backend().mouseMove(start.x, start.y);
        backend().mouseDown();
        pump();
        return y;
    }
    void setClipboard(const std::string& text)
    {
        backend().setClipboardText(text);
    }
    // Pixels of the box's window, as the screen shows them.
    PixelBufferPtr screen()
    {
        pump();
        return backend().composeScreen();
    }
    int countInBox(const PixelBuffer& pixels, Pixel wanted)
    {
        TPoint origin = screenPoint(edit, 0, 0);
        int count = 0;
        for (int y = 0; y < edit->Height(); ++y)
            for (int x = 0; x < edit->Width(); ++x)
                count += pixels.at(origin.x + x, origin.y + y) == wanted;
        return count;
    }
};

TEST_F(SkinEditBox, TypedRunsUndoInOneStepThroughTheKeys)
{
    type("abc");
    EXPECT_EQ(edit->Text(), "abc");
    key('Z', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "");

    // A selection deleted by the Delete key is undone before earlier typing.
    edit->SetText("0123456789");
    edit->SetSelStart(8);
    type("XY");
    edit->Select(0, 2);
    key(VK_DELETE);
    EXPECT_EQ(edit->Text(), "234567XY89");
    key('Z', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "01234567XY89");
    key('Z', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "0123456789");

    // Backspace at 5, Left, Backspace: two steps, each undone in place.
    edit->SetText("abcdef");
    edit->SetSelStart(5);
    key(VK_BACK);
    key(VK_LEFT);
    key(VK_BACK);
    EXPECT_EQ(edit->Text(), "abdf");
    key('Z', VK_CONTROL);
    key('Z', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "abcdef");

    // Assigning Text leaves nothing to undo.
    type("q");
    edit->SetText("fresh");
    EXPECT_FALSE(edit->CanUndo());
    key('Z', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "fresh");
}

TEST_F(SkinEditBox, MaxLengthRefusesWholeEdits)
{
    edit->SetMaxLength(5);
    type("abcde");
    const int before = changes;
    type("f");
    EXPECT_EQ(edit->Text(), "abcde");
    EXPECT_EQ(changes, before);

    // One character pasted over one selected fits.
    setClipboard("X");
    edit->Select(1, 1);
    key('V', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "aXcde");

    // Two over one does not: nothing changes, the selection stays, and undo
    // still takes back the last real edit.
    setClipboard("YZ");
    edit->Select(2, 1);
    key('V', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "aXcde");
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 1);
    key('Z', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "abcde");

    // Typing over a selection in a full box replaces it.
    edit->Select(0, 1);
    type("Q");
    EXPECT_EQ(edit->Text(), "Qbcde");
}

TEST_F(SkinEditBox, CaretMovesByCharacterAndWordAndShiftSelectsFromTheAnchor)
{
    edit->SetText("two words");
    edit->SetSelStart(0);
    key(VK_RIGHT, VK_CONTROL);
    EXPECT_EQ(edit->CaretIndex(), 4);
    key(VK_RIGHT, VK_CONTROL);
    EXPECT_EQ(edit->CaretIndex(), 9);
    key(VK_LEFT, VK_CONTROL);
    EXPECT_EQ(edit->CaretIndex(), 4);

    // Shift+End then Shift+Home swing the selection around the anchor at 2.
    edit->SetSelStart(2);
    key(VK_END, VK_SHIFT);
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelText(), "o words");
    key(VK_HOME, VK_SHIFT);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelText(), "tw");
    EXPECT_EQ(edit->CaretIndex(), 0);
    key(VK_RIGHT, VK_SHIFT);
    EXPECT_EQ(edit->SelText(), "w");
}

TEST_F(SkinEditBox, TypingPastTheRightEdgeKeepsTheCaretInView)
{
    const RECT area = edit->GetTextArea();
    for (int i = 0; i < 40; ++i) {
        type("m");
        POINT caret = edit->CaretPoint();
        ASSERT_GE(caret.x, area.left) << "after " << i + 1;
        ASSERT_LT(caret.x, area.right) << "after " << i + 1;
    }
    EXPECT_GT(edit->FirstVisible(), 0);
    key(VK_HOME);
    EXPECT_EQ(edit->FirstVisible(), 0);
    key(VK_END);
    EXPECT_GT(edit->FirstVisible(), 0);
    // Deleting from the end brings the earlier text back into view.
    edit->SelectAll();
    key(VK_BACK);
    EXPECT_EQ(edit->FirstVisible(), 0);
}

TEST_F(SkinEditBox, DraggingPastTheRightEdgeScrollsTheSelectionOn)
{
    edit->SetText("a text long enough to run past the right edge of the box");
    const RECT area = edit->GetTextArea();
    const int y = pressAtTextStart();
    TPoint outside = screenPoint(edit, area.right + 5, y);
    int previous = 0;
    for (int i = 0; i < 60; ++i) {
        backend().mouseMove(outside.x + (i % 2), outside.y);
        pump();
        ASSERT_GE(edit->SelLength(), previous);
        previous = edit->SelLength();
    }
    backend().mouseUp();
    pump();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), int(edit->Text().size()));
    EXPECT_GT(edit->FirstVisible(), 0);
}

TEST_F(SkinEditBox, ShortTextIsAlignedInTheArea)
{
    edit->SetText("abc");
    edit->SetSelStart(0);
    const RECT area = edit->GetTextArea();
    EXPECT_EQ(edit->CaretPoint().x, area.left);
    edit->SetSelStart(3);
    const int width = edit->CaretPoint().x - area.left;
    edit->SetTextAlignment(taRightJustify);
    // The caret after the last character stays inside the area.
    EXPECT_EQ(edit->CaretPoint().x, area.right - 1);
    edit->SetSelStart(0);
    EXPECT_EQ(edit->CaretPoint().x, area.right - width);
    edit->SetTextAlignment(taCenter);
    EXPECT_EQ(edit->CaretPoint().x, area.left + ((area.right - area.left) - width) / 2);
    // A press left of the centred text puts the caret before it.
    EXPECT_EQ(edit->PositionAt(area.left + 1), 0);
    EXPECT_EQ(edit->PositionAt(area.right - 1), 3);
}

TEST_F(SkinEditBox, SurrogatePairsEditAndUndoAsOneCharacter)
{
    // U+1F600 takes two UTF-16 units.
    type("a\xF0\x9F\x98\x80" "b");
    EXPECT_EQ(edit->CaretIndex(), 4);
    key(VK_LEFT);
    key(VK_LEFT);
    EXPECT_EQ(edit->CaretIndex(), 1);
    key(VK_DELETE);
    EXPECT_EQ(edit->Text(), "ab");
    key('Z', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "a\xF0\x9F\x98\x80" "b");
    // A selection end inside a pair moves to the pair's start.
    edit->Select(2, 1);
    EXPECT_EQ(edit->SelStart(), 1);
    // A full box refuses a pair that would not fit whole.
    edit->SetMaxLength(5);
    key(VK_END);
    type("\xF0\x9F\x98\x80");
    EXPECT_EQ(edit->Text(), "a\xF0\x9F\x98\x80" "b");
}

TEST_F(SkinEditBox, ATextAreaOfOnePixelOrNoneDoesNotHang)
{
    // Border 3 and bevel 1 on each side: 9 leaves one pixel, 8 leaves none.
    for (int width : {9, 8, 2}) {
        edit->SetWidth(width);
        edit->SetText("");
        type("wide text");
        EXPECT_EQ(edit->Text(), "wide text") << width;
        // The first visible character never passes the caret.
        EXPECT_LE(edit->FirstVisible(), edit->CaretIndex()) << width;
        EXPECT_GE(edit->FirstVisible(), edit->CaretIndex() - 1) << width;
        key(VK_HOME);
        EXPECT_EQ(edit->FirstVisible(), 0);
    }
}

TEST_F(SkinEditBox, CopyPutsBothTextFormatsAndPasteTakesOneLine)
{
    edit->SetText("h\xC3\xA9llo w\xC3\xB6rld");
    edit->Select(0, 5);
    key('C', VK_CONTROL);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    HANDLE unicode = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(unicode, nullptr);
    const auto* units = static_cast<const unsigned char*>(GlobalLock(static_cast<HGLOBAL>(unicode)));
    ASSERT_NE(units, nullptr);
    std::u16string copied;
    for (std::size_t i = 0; units[i] || units[i + 1]; i += 2)
        copied += char16_t(units[i] | (units[i + 1] << 8));
    GlobalUnlock(static_cast<HGLOBAL>(unicode));
    CloseClipboard();
    EXPECT_EQ(copied, u"h\u00e9llo");

    // Paste of a block keeps its first line, non-ASCII text intact.
    setClipboard("\xCE\xB1\xCE\xB2\r\nnext line");
    key(VK_END);
    key(VK_INSERT, VK_SHIFT);
    EXPECT_EQ(edit->Text(), "h\xC3\xA9llo w\xC3\xB6rld\xCE\xB1\xCE\xB2");

    // Cut takes the selection off and puts it on the clipboard.
    edit->Select(0, 6);
    key('X', VK_CONTROL);
    EXPECT_EQ(backend().clipboardText(), "h\xC3\xA9llo ");
    EXPECT_EQ(edit->Text(), "w\xC3\xB6rld\xCE\xB1\xCE\xB2");
    key('Z', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "h\xC3\xA9llo w\xC3\xB6rld\xCE\xB1\xCE\xB2");
}

TEST_F(SkinEditBox, APasswordBoxNeverCopiesAndCutLeavesItsText)
{
    edit->SetPasswordKind(pkCircle);
    edit->SetText("secret");
    setClipboard("kept");
    edit->SelectAll();
    key('C', VK_CONTROL);
    key(VK_INSERT, VK_CONTROL);
    EXPECT_EQ(backend().clipboardText(), "kept");
    key('X', VK_CONTROL);
    key(VK_DELETE, VK_SHIFT);
    edit->Perform(WM_CUT);
    EXPECT_EQ(backend().clipboardText(), "kept");
    EXPECT_EQ(edit->Text(), "secret");
    // Plain deletion still works.
    key(VK_DELETE);
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(SkinEditBox, ReadOnlyRefusesEditsButCopies)
{
    edit->SetText("fixed");
    edit->SetReadOnly(true);
    edit->SelectAll();
    type("x");
    key(VK_BACK);
    key(VK_DELETE);
    key('X', VK_CONTROL);
    setClipboard("paste");
    key('V', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "fixed");
    edit->SelectAll();
    key('C', VK_CONTROL);
    EXPECT_EQ(backend().clipboardText(), "fixed");
}

TEST_F(SkinEditBox, CharCaseAppliesToAssignedTypedAndPastedText)
{
    edit->SetCharCase(ecUpperCase);
    edit->SetText("lower \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(edit->Text(), "LOWER \xC3\x89T\xC3\x89");
    key(VK_END);
    type("ab");
    setClipboard("cd");
    key('V', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "LOWER \xC3\x89T\xC3\x89" "ABCD");
    edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(edit->Text(), "lower \xC3\xA9t\xC3\xA9" "abcd");
}

TEST_F(SkinEditBox, MouseSelectsAndDoubleClickTakesAWord)
{
    edit->SetText("alpha beta gamma");
    const RECT area = edit->GetTextArea();
    // Press at the left edge, drag a little right: the first characters.
    const int y = pressAtTextStart();
    EXPECT_EQ(edit->CaretIndex(), 0);
    EXPECT_EQ(edit->SelLength(), 0);
    const int toBeta = edit->PositionAt(area.left + 45);
    TPoint end = screenPoint(edit, area.left + 45, y);
    backend().mouseMove(end.x, end.y);
    pump();
    backend().mouseUp();
    pump();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), toBeta);
    EXPECT_GT(toBeta, 0);

    // A double click inside "beta" takes the word, caret at its end.
    int betaX = 0;
    for (int x = area.left; x < area.right; ++x)
        if (edit->CharacterAt(x) == 7) {
            betaX = x;
            break;
        }
    edit->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(betaX, y));
    edit->Perform(WM_LBUTTONUP, 0, MAKELPARAM(betaX, y));
    EXPECT_EQ(edit->SelText(), "beta");
    EXPECT_EQ(edit->CaretIndex(), 10);
}

TEST_F(SkinEditBox, AKeyboardContextMenuOpensAtTheCaret)
{
    edit->SetText("menu here");
    edit->SetSelStart(4);
    key(VK_APPS);
    ASSERT_NE(edit->menu, nullptr);
    ASSERT_EQ(edit->menu->opened.size(), 1u);
    POINT caret = edit->CaretPoint();
    TPoint expected = edit->ClientToScreen(TPoint{caret.x, caret.y + edit->LineHeight()});
    EXPECT_EQ(edit->menu->opened[0].x, expected.x);
    EXPECT_EQ(edit->menu->opened[0].y, expected.y);

    // A request without a point, as the keyboard sends it, opens at the caret too.
    edit->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(WORD(-1), WORD(-1)));
    ASSERT_EQ(edit->menu->opened.size(), 2u);
    EXPECT_EQ(edit->menu->opened[1].x, expected.x);
    EXPECT_EQ(edit->menu->opened[1].y, expected.y);
    edit->menu->opened.pop_back();

    // A mouse request opens where the pointer was.
    edit->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(300, 200));
    ASSERT_EQ(edit->menu->opened.size(), 2u);
    EXPECT_EQ(edit->menu->opened[1].x, 300);

    // Its items follow the box: no selection, nothing to cut or copy; the
    // menu's Delete is recorded for undo.
    TSeCustomItem* items = edit->menu->Items();
    ASSERT_EQ(items->Count(), 8);
    EXPECT_EQ(items->Items(0)->Caption(), "Undo");
    EXPECT_EQ(items->Items(7)->Caption(), "Select All");
    EXPECT_FALSE(items->Items(2)->Enabled());
    EXPECT_FALSE(items->Items(3)->Enabled());
    edit->Select(0, 5);
    edit->ShowContextMenu(0, 0);
    EXPECT_TRUE(items->Items(5)->Enabled());
    items->Items(5)->RunClick();
    EXPECT_EQ(edit->Text(), "here");
    edit->ShowContextMenu(0, 0);
    EXPECT_TRUE(items->Items(0)->Enabled());
    items->Items(0)->RunClick();
    EXPECT_EQ(edit->Text(), "menu here");
}

TEST_F(SkinEditBox, FocusEntrySelectsAllUnlessAutoSelectIsOff)
{
    auto* other = new TSeCustomEdit(form);
    other->SetBounds(10, 60, 121, 21);
    other->SetParent(form);
    edit->SetText("whole text");
    edit->SetSelStart(3);
    other->SetFocus();
    pump();
    edit->SetFocus();
    pump();
    EXPECT_EQ(edit->SelLength(), 10);
    edit->AutoSelect = false;
    edit->SetSelStart(3);
    other->SetFocus();
    pump();
    edit->SetFocus();
    pump();
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->CaretIndex(), 3);
}

// A box that takes digits only, through the validation hook.
class DigitsEdit : public TSeCustomEdit {
public:
    using TSeCustomEdit::TSeCustomEdit;

protected:
    bool ValidateText(const std::u16string& text) override
    {
        return text.find_first_not_of(u"0123456789") == std::u16string::npos;
    }
};

TEST_F(SkinEditBox, TheValidationHookKeepsARefusedTextOut)
{
    auto* digits = new DigitsEdit(form);
    digits->SetParent(form);
    int changed = 0;
    digits->OnChange = [&](TObject*) { ++changed; };
    digits->SetText("123");
    digits->SetText("12a");
    EXPECT_EQ(digits->Text(), "123");
    EXPECT_EQ(changed, 1);
}

TEST_F(SkinEditBox, AutoSizeHeightFollowsTheFont)
{
    const int lineHeight = edit->LineHeight();
    EXPECT_EQ(edit->Height(), 2 * edit->GetTextArea().top + lineHeight);
    edit->Font()->SetSize(20);
    pump();
    EXPECT_GT(edit->LineHeight(), lineHeight);
    EXPECT_EQ(edit->Height(), 2 * edit->GetTextArea().top + edit->LineHeight());
    edit->SetAutoSize(false);
    edit->SetHeight(40);
    EXPECT_EQ(edit->Height(), 40);
}

TEST_F(SkinEditBox, SelectionPaintsOnlyWhileFocusedUnlessKeptVisible)
{
    edit->SetText("selected text");
    edit->SelectAll();
    const Pixel highlight = pixelOf(clHighlight);
    EXPECT_GT(countInBox(*screen(), highlight), 50);

    // Focus moves to a second box.
    auto* other = new TSeCustomEdit(form);
    other->SetBounds(10, 60, 121, 21);
    other->SetParent(form);
    other->SetFocus();
    pump();
    EXPECT_EQ(countInBox(*screen(), highlight), 0);
    edit->SetHideSelection(false);
    EXPECT_GT(countInBox(*screen(), highlight), 50);
}

TEST_F(SkinEditBox, PasswordGlyphsHideTheText)
{
    edit->SetText("abc");
    edit->SetSelStart(3);
    const Pixel text = pixelOf(edit->Font()->Color());
    const int plain = countInBox(*screen(), text);
    for (TPasswordKind kind : {pkRect, pkRoundRect, pkCircle, pkTriangle}) {
        edit->SetPasswordKind(kind);
        const int shapes = countInBox(*screen(), text);
        EXPECT_GT(shapes, 0) << int(kind);
        EXPECT_NE(shapes, plain) << int(kind);
    }
    edit->SetPasswordKind(pkChar);
    edit->SetPasswordWideChar(u'*');
    EXPECT_GT(countInBox(*screen(), text), 0);
}

// Every look of the plain box in one picture, for a person to look at.
TEST_F(SkinEditBox, Gallery)
{
    struct Look {
        const char* text;
        TPasswordKind password;
        TAlignment alignment;
        bool enabled;
        bool keepSelection;
    };
    const Look looks[] = {
        {"left aligned", pkNone, taLeftJustify, true, false},
        {"right aligned", pkNone, taRightJustify, true, false},
        {"centered", pkNone, taCenter, true, false},
        {"kept selection", pkNone, taLeftJustify, true, true},
        {"disabled", pkNone, taLeftJustify, false, false},
        {"a text much longer than the box is wide", pkNone, taLeftJustify, true, false},
        {"rects", pkRect, taLeftJustify, true, true},
        {"rounds", pkRoundRect, taLeftJustify, true, false},
        {"circles", pkCircle, taLeftJustify, true, true},
        {"triangles", pkTriangle, taLeftJustify, true, false},
    };
    edit->SetText("focused, selected");
    edit->Select(9, 8);
    int y = 40;
    for (const Look& look : looks) {
        auto* box = new TSeCustomEdit(form);
        box->SetBounds(10 + (y > 180 ? 150 : 0), y > 180 ? y - 150 : y, 130, 21);
        box->SetParent(form);
        box->SetText(look.text);
        box->SetPasswordKind(look.password);
        box->SetTextAlignment(look.alignment);
        box->SetEnabled(look.enabled);
        box->SetHideSelection(!look.keepSelection);
        box->Select(1, 3);
        y += 28;
    }
    pump();
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(form->Handle(), BRIO_TEST_OUTPUT_DIR "/skinedit_plain.png");
}

} // namespace
