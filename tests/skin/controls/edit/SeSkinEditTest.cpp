// The skinned edit box with the shipped skin: the frame follows the box's
// state, the font comes from the skin, and the box falls back to its plain
// look when the skin goes away or changes.

#include "tests/skin/controls/base/ShippedSkinEngine.h"
#include "tests/skin/controls/edit/EditBoxFixture.h"

#include "skin/controls/edit/SeSkinEdit.h"
#include "skin/controls/menus/SeSkinPopupMenu.h"
#include "skin/engine/SeSkinTypes.h"

#include "ui/graphics/Font.h"

#include <filesystem>

namespace {

class SkinnedEditBox : public EditBoxFixture<TSeSkinEdit> {
protected:
    TSeSkinEngine* engine = nullptr;
    TSeSkinEdit* other = nullptr;

    void SetUp() override
    {
        UiTest::SetUp();
        makeBox(140);
        engine = skintest::MakeShippedSkinEngine(form);
        if (!engine)
            GTEST_SKIP() << "this build has no shipped skin";
        // A second box holds the focus, so the first shows its normal look.
        other = new TSeSkinEdit(form);
        other->SetBounds(10, 50, 140, 21);
        other->SetParent(form);
        other->SetFocus();
        pump();
    }
    // The box's pixels on the screen, row by row.
    std::vector<Pixel> pixels(TControl* control)
    {
        pump();
        PixelBufferPtr screen = backend().composeScreen();
        TPoint origin = screenPoint(control, 0, 0);
        std::vector<Pixel> out;
        for (int y = 0; y < control->Height(); ++y)
            for (int x = 0; x < control->Width(); ++x)
                out.push_back(screen->at(origin.x + x, origin.y + y));
        return out;
    }
    // Pixels of the frame only: the outermost ring.
    std::vector<Pixel> ring(TControl* control)
    {
        std::vector<Pixel> all = pixels(control);
        std::vector<Pixel> out;
        const int w = control->Width();
        const int h = control->Height();
        for (int x = 0; x < w; ++x) {
            out.push_back(all[std::size_t(x)]);
            out.push_back(all[std::size_t((h - 1) * w + x)]);
        }
        return out;
    }
};

TEST_F(SkinnedEditBox, TheFrameFollowsTheBoxsState)
{
    const std::vector<Pixel> plain = ring(edit);
    edit->SetSkinEngine(engine);
    ASSERT_TRUE(edit->Skinned());
    const std::vector<Pixel> normal = ring(edit);
    EXPECT_NE(normal, plain);

    edit->SetFocus();
    pump();
    const std::vector<Pixel> focused = ring(edit);
    EXPECT_NE(focused, normal);

    other->SetFocus();
    edit->SetEnabled(false);
    pump();
    const std::vector<Pixel> disabled = ring(edit);
    EXPECT_NE(disabled, normal);
    EXPECT_NE(disabled, focused);
    edit->SetEnabled(true);
    pump();
    EXPECT_EQ(ring(edit), normal);
}

TEST_F(SkinnedEditBox, TheSkinGivesTheFontAndTheHeight)
{
    const int plainHeight = edit->Height();
    edit->Font()->SetSize(16);
    pump();
    const int largeHeight = edit->Height();
    EXPECT_GT(largeHeight, plainHeight);
    // The skin's text font replaces the box's own, and the height follows it.
    edit->SetSkinEngine(engine);
    const int skinnedLine = edit->LineHeight();
    EXPECT_LT(edit->Height(), largeHeight);
    EXPECT_EQ(edit->Height(), 2 * edit->GetTextArea().top + skinnedLine);
    edit->SetSkinObject("NoSuchObject");
    EXPECT_FALSE(edit->Skinned());
    EXPECT_EQ(edit->Height(), 2 * edit->GetTextArea().top + edit->LineHeight());
}

TEST_F(SkinnedEditBox, SkinChangesAndTheEnginesRemovalFallBackToThePlainLook)
{
    edit->SetSkinEngine(engine);
    edit->SetText("still here");
    ASSERT_TRUE(edit->Skinned());
    edit->Perform(SEM_SKINCHANGING, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
    EXPECT_FALSE(edit->Skinned());
    pixels(edit); // paints plain in between
    edit->Perform(SEM_SKINCHANGED, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
    EXPECT_TRUE(edit->Skinned());

    // Another engine's messages are not for this box.
    TSeSkinEngine stranger(nullptr);
    edit->Perform(SEM_SKINCHANGING, reinterpret_cast<WPARAM>(&stranger), reinterpret_cast<LPARAM>(&stranger));
    EXPECT_TRUE(edit->Skinned());

    delete engine;
    engine = nullptr;
    EXPECT_EQ(edit->SkinEngine(), nullptr);
    EXPECT_FALSE(edit->Skinned());
    pixels(edit);
    EXPECT_EQ(edit->Text(), "still here");
}

TEST_F(SkinnedEditBox, TheContextMenuIsSkinnedOnTheSameEngine)
{
    edit->SetSkinEngine(engine);
    edit->SetText("menu text");
    edit->SetFocus();
    edit->SetSelStart(4);
    pump();
    TSeCustomPopupMenu* shown = nullptr;
    script({
        [&] {
            shown = TSeCustomPopupMenu::Showing();
            std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
            backend().writeScreenPng(BRIO_TEST_OUTPUT_DIR "/skinedit_menu.png");
            // Up from nothing lands on the last row.
            backend().pressKey(VK_UP);
        },
        [&] { backend().pressKey(VK_RETURN); },
    });
    backend().pressKey(VK_APPS);
    pump();
    EXPECT_TRUE(scriptDone());
    auto* menu = dynamic_cast<TSeSkinPopupMenu*>(edit->ContextMenu());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(shown, menu);
    EXPECT_EQ(menu->SkinEngine(), engine);
    EXPECT_EQ(edit->SelText(), "menu text");

    // The engine's removal leaves a plain menu that still opens.
    delete engine;
    engine = nullptr;
    EXPECT_EQ(menu->SkinEngine(), nullptr);
    script({[&] { backend().pressKey(VK_ESCAPE); }});
    backend().pressKey(VK_APPS);
    pump();
    EXPECT_TRUE(scriptDone());
}

// The skinned boxes in their states, for a person to look at.
TEST_F(SkinnedEditBox, Gallery)
{
    edit->SetSkinEngine(engine);
    other->SetSkinEngine(engine);
    edit->SetText("focused, with a selection");
    other->SetText("normal");
    auto* disabled = new TSeSkinEdit(form);
    disabled->SetBounds(10, 90, 140, 21);
    disabled->SetParent(form);
    disabled->SetSkinEngine(engine);
    disabled->SetText("disabled");
    disabled->SetEnabled(false);
    auto* password = new TSeSkinEdit(form);
    password->SetBounds(160, 10, 120, 21);
    password->SetParent(form);
    password->SetSkinEngine(engine);
    password->SetPasswordKind(pkCircle);
    password->SetText("secret");
    edit->SetFocus();
    edit->Select(10, 15);
    pump();
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(form->Handle(), BRIO_TEST_OUTPUT_DIR "/skinedit_skinned.png");
}

} // namespace
