// The edit box with a button: the text keeps clear of the button, a click
// on it reports without touching the selection, and the box's height.

#include "tests/skin/controls/edit/EditBoxFixture.h"

#include "skin/controls/edit/SeCustomEditButton.h"

#include "ui/graphics/Font.h"

#include "platform/gdi/MeasuringDc.h"

namespace {

class EditWithButton : public EditBoxFixture<TSeCustomEditButton> {
protected:
    int clicks = 0;

    void SetUp() override
    {
        UiTest::SetUp();
        makeBox(160);
        edit->OnButtonClick = [this](TObject*) { ++clicks; };
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
    type("a line of text that runs well past the button");
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
    type("X");
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

#include "skin/controls/buttons/SeSkinButton.h"
#include "skin/controls/edit/SeSkinEditButton.h"
#include "tests/skin/controls/base/ShippedSkinEngine.h"

#include "ui/graphics/Bitmap.h"

#include <filesystem>

namespace {

class SkinnedEditWithButton : public EditBoxFixture<TSeSkinEditButton> {
protected:
    TSeSkinEngine* engine = nullptr;
    int clicks = 0;

    void SetUp() override
    {
        UiTest::SetUp();
        makeBox(200);
        engine = skintest::MakeShippedSkinEngine(form);
        if (!engine)
            GTEST_SKIP() << "this build has no shipped skin";
        edit->SetSkinEngine(engine);
        edit->OnButtonClick = [this](TObject*) { ++clicks; };
    }
};

TEST_F(SkinnedEditWithButton, TheButtonIsSkinnedByTheSameEngineAndClicksWithoutTakingTheFocus)
{
    ASSERT_TRUE(edit->Skinned());
    TSeSkinButton* button = edit->SkinButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->SkinEngine(), engine);
    EXPECT_TRUE(button->Skinned());

    edit->SetText("C:/sounds/bell.wav");
    edit->Select(3, 6);
    click(button);
    pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelText(), "sounds");

    // The engine's removal unbinds both.
    delete engine;
    engine = nullptr;
    EXPECT_FALSE(edit->Skinned());
    EXPECT_EQ(button->SkinEngine(), nullptr);
    pump();
}

TEST_F(SkinnedEditWithButton, GlyphKinds)
{
    TBitmap glyph;
    glyph.SetSize(40, 16); // two cells of 20
    edit->SetNumGlyphs(2);
    edit->SetGlyph(&glyph);
    EXPECT_EQ(edit->ButtonWidth(), 21);
    edit->SetGlyphKind(gkDefault);
    EXPECT_EQ(edit->ButtonWidth(), 26);
    EXPECT_EQ(edit->Button()->Width(), 26);
    EXPECT_EQ(edit->GetTextArea().right, edit->GetClientArea().right - 26);
    edit->SetGlyphKind(gkEllipsis);
    EXPECT_EQ(edit->SkinButton()->Caption(), "...");
    EXPECT_TRUE(edit->SkinButton()->Glyph()->Empty());
}

TEST_F(SkinnedEditWithButton, Gallery)
{
    edit->SetText("plug-in/default.bpi");
    edit->SetGlyphKind(gkEllipsis);
    auto* plain = new TSeCustomEditButton(form);
    plain->SetBounds(10, 50, 200, 21);
    plain->SetParent(form);
    plain->SetButtonCaption("...");
    plain->SetText("a plain box with a button");
    auto* left = new TSeSkinEditButton(form);
    left->SetBounds(10, 90, 200, 21);
    left->SetParent(form);
    left->SetSkinEngine(engine);
    left->SetButtonAlign(baLeft);
    left->SetGlyphKind(gkEllipsis);
    left->SetText("button on the left");
    pump();
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(form->Handle(), BRIO_TEST_OUTPUT_DIR "/skinedit_button.png");
}

} // namespace
