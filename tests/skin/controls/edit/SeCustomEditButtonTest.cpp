// The edit box with a button: the text keeps clear of the button, a click
// on it reports without touching the selection, and the box's height.

#include "tests/support/UiTestSupport.h"

#include "skin/controls/edit/SeCustomEditButton.h"

#include "ui/graphics/Font.h"

#include "platform/gdi/MeasuringDc.h"

namespace {

using uitest::UiTest;

class EditWithButton : public UiTest {
protected:
    TForm* form = nullptr;
    TSeCustomEditButton* edit = nullptr;
    int clicks = 0;

    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        edit = new TSeCustomEditButton(form);
        edit->SetBounds(10, 10, 160, 21);
        edit->SetParent(form);
        edit->OnButtonClick = [this](TObject*) { ++clicks; };
        form->Show();
        pump();
        edit->SetFocus();
        pump();
    }
};

TEST_F(EditWithButton, TheTextAreaGivesUpTheButtonsSide)
{
    ASSERT_NE(edit->Button(), nullptr);
    const RECT client = edit->GetClientArea();
    RECT area = edit->GetTextArea();
    EXPECT_EQ(area.left, client.left);
    EXPECT_EQ(area.right, client.right - 21);
    // The button fills the strip from the frame's top to its bottom.
    EXPECT_EQ(edit->Button()->Left(), client.right - 21);
    EXPECT_EQ(edit->Button()->Width(), 21);
    EXPECT_EQ(edit->Button()->Top(), client.top - edit->BorderWidth());
    EXPECT_EQ(edit->Button()->Top() + edit->Button()->Height(), client.bottom + edit->BorderWidth());

    // Typing past the edge keeps the caret left of the button.
    backend().typeText("a line of text that runs well past the button");
    pump();
    EXPECT_LT(edit->CaretPoint().x, edit->Button()->Left());
    EXPECT_GT(edit->FirstVisible(), 0);

    edit->SetButtonAlign(baLeft);
    area = edit->GetTextArea();
    EXPECT_EQ(area.left, client.left + 21);
    EXPECT_EQ(area.right, client.right);
    EXPECT_EQ(edit->Button()->Left(), client.left);
    EXPECT_GE(edit->CaretPoint().x, area.left);

    edit->SetButtonWidth(30);
    EXPECT_EQ(edit->GetTextArea().left, client.left + 30);
    EXPECT_EQ(edit->Button()->Width(), 30);
}

TEST_F(EditWithButton, AClickReportsAndKeepsTheSelection)
{
    edit->SetText("path/to/file.wav");
    edit->Select(3, 4);
    pump();
    click(edit->Button());
    pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(edit->SelLength(), 4);
    EXPECT_EQ(edit->Text(), "path/to/file.wav");
    // And typing goes on in the box.
    backend().typeText("X");
    pump();
    EXPECT_EQ(edit->Text(), "patX/file.wav");
}

TEST_F(EditWithButton, AutoSizeHeightIsTwiceTheTopInsetAndOneLine)
{
    const int pq = brio::MeasuringDc(edit->Font()->Handle()).textExtent("Pq").cy;
    EXPECT_EQ(edit->GetTextArea().top, 4); // border 3, bevel 1
    EXPECT_EQ(edit->Height(), 2 * 4 + pq);
    edit->SetBorderWidth(5);
    EXPECT_EQ(edit->Height(), 2 * 6 + pq);
    // The button follows the new height.
    EXPECT_EQ(edit->Button()->Top() + edit->Button()->Height(), edit->Height() - 1);
}

} // namespace
