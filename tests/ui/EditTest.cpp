// The single-line edit box: typing, selection, clipboard, caret, limits.

#include "tests/support/UiTestSupport.h"

#include "ui/stdctrls/Edit.h"

#include "platform/text/Utf16.h"

namespace {

using uitest::UiTest;

class EditBox : public UiTest {
protected:
    TForm* form = nullptr;
    TEdit* edit = nullptr;
    int changes = 0;
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        edit = new TEdit(form);
        edit->SetBounds(10, 10, 121, 21);
        edit->SetParent(form);
        edit->OnChange = [this](TObject*) { ++changes; };
        form->Show();
        pump();
        edit->SetFocus();
        pump();
    }
    void type(const std::string& text)
    {
        backend().typeText(text);
        pump();
    }
    void key(int vk, int modifier = 0)
    {
        if (modifier) {
            pressWith(modifier, vk);
        } else {
            backend().pressKey(vk);
        }
        pump();
    }
};

TEST_F(EditBox, TypingEditingAndShiftSelection)
{
    type("hello");
    EXPECT_EQ(edit->Text(), "hello");
    EXPECT_EQ(changes, 5);
    key(VK_LEFT, VK_SHIFT);
    key(VK_LEFT, VK_SHIFT);
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(edit->SelLength(), 2);
    EXPECT_EQ(edit->SelText(), "lo");
    type("p!");
    EXPECT_EQ(edit->Text(), "help!");
    key(VK_HOME);
    key(VK_DELETE);
    key(VK_END);
    key(VK_BACK);
    EXPECT_EQ(edit->Text(), "elp");
    // Left without Shift drops a selection at its start.
    key(VK_HOME);
    key(VK_RIGHT, VK_SHIFT);
    key(VK_RIGHT, VK_SHIFT);
    key(VK_LEFT);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 0);
    // Ctrl+A selects everything; typing replaces it.
    key('A', VK_CONTROL);
    EXPECT_EQ(edit->SelLength(), 3);
    type("x");
    EXPECT_EQ(edit->Text(), "x");
}

TEST_F(EditBox, ClipboardRoundTrip)
{
    type("copy me");
    key('A', VK_CONTROL);
    key('C', VK_CONTROL);
    key(VK_END);
    key('V', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "copy mecopy me");
    key('A', VK_CONTROL);
    key('X', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "");
    key('V', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "copy mecopy me");
    // A pasted block keeps its first line only.
    backend().setClipboardText("first\r\nsecond");
    edit->SetText("");
    key('V', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "first");
    // Passwords do not leave the box.
    edit->SetPasswordChar(u'*');
    backend().setClipboardText("kept");
    key('A', VK_CONTROL);
    key('C', VK_CONTROL);
    EXPECT_EQ(backend().clipboardText(), "kept");
}

TEST_F(EditBox, SurrogatePairsMoveAndDeleteAsOneCharacter)
{
    // U+1F600 takes two UTF-16 units.
    type("a\xF0\x9F\x98\x80" "b");
    EXPECT_EQ(edit->Text(), "a\xF0\x9F\x98\x80" "b");
    EXPECT_EQ(edit->SelStart(), 4);
    key(VK_LEFT);
    EXPECT_EQ(edit->SelStart(), 3);
    key(VK_LEFT);
    EXPECT_EQ(edit->SelStart(), 1);
    key(VK_RIGHT, VK_SHIFT);
    EXPECT_EQ(edit->SelLength(), 2);
    key(VK_RIGHT);
    key(VK_BACK);
    EXPECT_EQ(edit->Text(), "ab");
    edit->SetText("a\xF0\x9F\x98\x80");
    edit->SetSelStart(1);
    key(VK_DELETE);
    EXPECT_EQ(edit->Text(), "a");
    // A position inside a pair snaps to its start.
    edit->SetText("\xF0\x9F\x98\x80");
    edit->SetSelStart(1);
    EXPECT_EQ(edit->SelStart(), 0);
}

TEST_F(EditBox, MaxLengthReadOnlyAndCodeChanges)
{
    edit->SetMaxLength(3);
    type("abcdef");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(changes, 3);
    // A pair that does not fit whole is not typed at all.
    edit->SetText("ab");
    edit->SetSelStart(2);
    type("\xF0\x9F\x98\x80");
    EXPECT_EQ(edit->Text(), "ab");
    edit->SetMaxLength(0);

    edit->SetReadOnly(true);
    changes = 0;
    type("zz");
    key(VK_BACK);
    key('A', VK_CONTROL);
    key('X', VK_CONTROL);
    EXPECT_EQ(edit->Text(), "ab");
    EXPECT_EQ(changes, 0);

    // Setting the text from code fires OnChange once, and not for the same text.
    edit->SetText("new");
    edit->SetText("new");
    EXPECT_EQ(changes, 1);
}

TEST_F(EditBox, CaretFollowsTheTextAndLongTextScrolls)
{
    type("abc");
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, edit->CaretPos().x);
    EXPECT_GT(caret.x, 5);
    key(VK_HOME);
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, 1);

    type(std::string(60, 'w'));
    EXPECT_GT(edit->ScrollOffset(), 0);
    POINT end = edit->CaretPos();
    EXPECT_GE(end.x, 0);
    EXPECT_LT(end.x, edit->ClientWidth());
    key(VK_HOME);
    EXPECT_EQ(edit->ScrollOffset(), 0);
}

TEST_F(EditBox, MouseDragSelects)
{
    type("drag across");
    TPoint start = screenPoint(edit, 1, 8);
    TPoint end = screenPoint(edit, edit->ClientWidth() - 2, 8);
    backend().mouseMove(start.x, start.y);
    backend().mouseDown();
    backend().mouseMove(end.x, end.y);
    backend().mouseUp();
    pump();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), int(brio::Utf8ToUtf16("drag across").size()));
}

} // namespace
