// The skinned push button driven as a user would: the pressed look that
// follows the pointer, clicks by mouse, Space, Enter, Escape and
// accelerators, the modal result handed over before OnClick, stock kinds,
// and glyphs (cell count, cell choice, key colour, greying).

#include "tests/skin/controls/base/ShippedSkinEngine.h"
#include "tests/support/DibSurface.h"
#include "tests/support/UiTestSupport.h"

#include "skin/controls/buttons/SeSkinButton.h"
#include "skin/controls/buttons/SeStockButtons.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/component/Stream.h"
#include "ui/forms/ActionList.h"
#include "ui/graphics/ImageList.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/stdctrls/Edit.h"

#include <memory>

namespace {

using brio::test::DibSurface;
using uitest::EventLog;
using uitest::UiTest;

class SkinButtons : public UiTest {
protected:
    TForm* form = nullptr;
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        form->Show();
        pump();
    }
    TSeSkinButton* addButton(const std::string& caption, int x, int y)
    {
        auto* button = new TSeSkinButton(form);
        button->SetCaption(caption);
        button->SetLeft(x);
        button->SetTop(y);
        button->SetParent(form);
        return button;
    }
    std::unique_ptr<DibSurface> paint(TSeCustomButton* button, Pixel fill = 0xFF00FF00)
    {
        auto surface = std::make_unique<DibSurface>(button->Width(), button->Height(), fill);
        button->PaintTo(surface->dc, 0, 0);
        return surface;
    }
    static int count(const DibSurface& s, Pixel rgb)
    {
        int n = 0;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                n += (s.at(x, y) & 0xFFFFFF) == rgb;
        return n;
    }
};

std::unique_ptr<TBitmap> filledBitmap(int w, int h, COLORREF colour = RGB(255, 0, 255))
{
    auto b = std::make_unique<TBitmap>(w, h);
    b->Canvas()->Brush()->SetColor(TColor(colour));
    b->Canvas()->FillRect(RECT{0, 0, w, h});
    return b;
}

// Three piano keys, 16 x 16, on magenta, written and read back as a 24-bit
// BMP as the program's own glyph is.
std::unique_ptr<TBitmap> pianoGlyph()
{
    auto drawn = filledBitmap(16, 16);
    TCanvas* c = drawn->Canvas();
    c->Brush()->SetColor(clWhite);
    c->Pen()->SetColor(clBlack);
    for (int key = 0; key < 3; ++key)
        c->Rectangle(1 + key * 5, 1, 6 + key * 5, 15);
    c->Brush()->SetColor(clBlack);
    c->FillRect(RECT{5, 1, 7, 9});
    c->FillRect(RECT{10, 1, 12, 9});
    drawn->SetPixelFormat(pf24bit);
    TMemoryStream file;
    drawn->SaveToStream(file);
    file.SetPosition(0);
    auto glyph = std::make_unique<TBitmap>();
    glyph->LoadFromStream(file);
    return glyph;
}

TEST_F(SkinButtons, PressedLookFollowsThePointerAndOnlyAReleaseInsideClicksOnce)
{
    auto* button = addButton("Play", 20, 20);
    EventLog log;
    button->OnClick = log.notify("click");
    const TPoint inside = centerOf(button);
    const TPoint outside = screenPoint(button, button->Width() + 15, 4);

    backend().mouseMove(inside.x, inside.y);
    backend().mouseDown();
    pump();
    EXPECT_EQ(button->State(), kbsPressed);
    EXPECT_TRUE(button->Focused());
    const auto pressed = paint(button);
    backend().mouseMove(outside.x, outside.y);
    pump();
    EXPECT_EQ(button->State(), kbsNormal);
    const auto draggedOut = paint(button);
    EXPECT_NE(pressed->pixels(), draggedOut->pixels()) << "the pressed look is drawn only while inside";
    backend().mouseMove(inside.x, inside.y);
    pump();
    EXPECT_EQ(button->State(), kbsPressed);
    EXPECT_EQ(paint(button)->pixels(), pressed->pixels());
    backend().mouseUp();
    pump();
    EXPECT_EQ(button->State(), kbsNormal);
    EXPECT_EQ(log.events(), (std::vector<std::string>{"click"}));

    // Released outside: no click.
    log.clear();
    backend().mouseDown();
    backend().mouseMove(outside.x, outside.y);
    backend().mouseUp();
    pump();
    EXPECT_TRUE(log.events().empty());
    EXPECT_EQ(button->State(), kbsNormal);

    // A quick second press is a second click, not a double click.
    click(button);
    click(button);
    pump();
    EXPECT_EQ(log.events(), (std::vector<std::string>{"click", "click"}));

    // A disabled button neither presses nor clicks.
    log.clear();
    button->SetEnabled(false);
    backend().mouseMove(inside.x, inside.y);
    backend().mouseDown();
    pump();
    EXPECT_EQ(button->State(), kbsNormal);
    backend().mouseUp();
    pump();
    EXPECT_TRUE(log.events().empty());
}

TEST_F(SkinButtons, EnterClicksTheDefaultButtonAndEscapeTheCancelOne)
{
    auto* ok = addButton("OK", 10, 10);
    auto* cancel = addButton("Cancel", 100, 10);
    auto* other = addButton("Other", 190, 10);
    auto* box = new TEdit(form);
    box->SetBounds(10, 60, 100, 22);
    box->SetParent(form);
    EventLog log;
    ok->OnClick = log.notify("ok");
    cancel->OnClick = log.notify("cancel");
    other->OnClick = log.notify("other");
    ok->SetDefault(true);
    cancel->SetCancel(true);
    box->SetFocus();
    pump();
    EXPECT_TRUE(ok->ActiveDefault());
    backend().pressKey(VK_RETURN);
    pump();
    backend().pressKey(VK_ESCAPE);
    pump();
    EXPECT_EQ(log.events(), (std::vector<std::string>{"ok", "cancel"}));

    // Another button with the focus takes Enter and the default look.
    log.clear();
    other->SetFocus();
    pump();
    EXPECT_FALSE(ok->ActiveDefault());
    backend().pressKey(VK_RETURN);
    pump();
    EXPECT_EQ(log.events(), (std::vector<std::string>{"other"}));
    box->SetFocus();
    pump();
    EXPECT_TRUE(ok->ActiveDefault());

    // Ctrl+Enter is not a dialog key for the button.
    log.clear();
    pressWith(VK_CONTROL, VK_RETURN);
    pump();
    EXPECT_TRUE(log.events().empty());

    // Space and the accelerator click too.
    other->SetCaption("&Other");
    other->SetFocus();
    pump();
    backend().keyDown(VK_SPACE);
    pump();
    EXPECT_EQ(other->State(), kbsPressed);
    backend().keyUp(VK_SPACE);
    pump();
    box->SetFocus();
    pump();
    pressWith(VK_MENU, 'O');
    pump();
    EXPECT_EQ(log.events(), (std::vector<std::string>{"other", "other"}));
    EXPECT_TRUE(other->Focused());
}

TEST_F(SkinButtons, ModalResultReachesTheFormBeforeOnClickWhichCanKeepTheDialogOpen)
{
    TForm* dialog = makeForm("Dialog");
    auto* ok = new TSeSkinButton(dialog);
    ok->SetKind(bkOK);
    ok->SetParent(dialog);
    int clicks = 0;
    ok->OnClick = [&](TObject*) {
        EXPECT_EQ(dialog->ModalResult(), mrOk) << "the result is there before the handler";
        // The first time the input is "rejected".
        if (++clicks == 1)
            dialog->SetModalResult(mrNone);
    };
    bool stillOpen = false;
    script({[&] { click(ok); }, [&] { stillOpen = dialog->Visible(); }, [&] { click(ok); }});
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SkinButtons, StockKindsSetCaptionResultDefaultAndTheirNamedGlyph)
{
    auto* button = addButton("Done", 10, 10);
    button->SetKind(bkOK);
    EXPECT_EQ(button->Caption(), "OK");
    EXPECT_EQ(button->ModalResult(), mrOk);
    EXPECT_TRUE(button->Default());
    EXPECT_EQ(button->NumGlyphs(), 2);
    TBitmap named;
    named.LoadFromResourceName(nullptr, "SE_BTN_OK");
    ASSERT_FALSE(named.Empty());
    ASSERT_EQ(button->Glyph()->Width(), named.Width());
    ASSERT_EQ(button->Glyph()->Height(), named.Height());
    for (int y = 0; y < named.Height(); ++y)
        for (int x = 0; x < named.Width(); ++x)
            ASSERT_EQ(button->Glyph()->ScanLine(y)[x], named.ScanLine(y)[x]);

    button->SetKind(bkNo);
    EXPECT_EQ(button->Caption(), "&No");
    EXPECT_EQ(button->ModalResult(), mrNo);
    EXPECT_FALSE(button->Default());
    // bkCustom only records the kind.
    button->SetKind(bkCustom);
    EXPECT_EQ(button->Caption(), "&No");
    EXPECT_EQ(button->Kind(), bkCustom);

    // While a form is read, a caption stored beside the kind stays.
    auto* read = new TSeSkinButton(form);
    read->BeginLoading();
    read->SetCaption("Apply");
    read->SetKind(bkOK);
    read->EndLoading();
    EXPECT_EQ(read->Caption(), "Apply");
    EXPECT_EQ(read->ModalResult(), mrOk);

    // Every stock glyph is loaded once and shared.
    for (TBitBtnKind kind : {bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll}) {
        const TBitmap* glyph = StockButtonGlyph(kind);
        ASSERT_NE(glyph, nullptr);
        EXPECT_FALSE(glyph->Empty()) << StockButton(kind)->GlyphName;
        EXPECT_EQ(glyph, StockButtonGlyph(kind));
    }
    EXPECT_EQ(StockButtonGlyph(bkCustom), nullptr);
}

TEST_F(SkinButtons, NumGlyphsFollowsTheGlyphsSize)
{
    auto* button = addButton("", 10, 10);
    button->SetGlyph(filledBitmap(64, 16).get());
    EXPECT_EQ(button->NumGlyphs(), 4);
    button->SetGlyph(filledBitmap(80, 16).get());
    EXPECT_EQ(button->NumGlyphs(), 1) << "five squares are one picture";
    button->SetNumGlyphs(3);
    button->SetGlyph(filledBitmap(30, 16).get());
    EXPECT_EQ(button->NumGlyphs(), 3) << "a width that is no multiple keeps the count";
    button->SetGlyph(filledBitmap(32, 16).get());
    EXPECT_EQ(button->NumGlyphs(), 2);
    button->SetNumGlyphs(9);
    EXPECT_EQ(button->NumGlyphs(), 4);
    button->SetNumGlyphs(0);
    EXPECT_EQ(button->NumGlyphs(), 1);
}

TEST_F(SkinButtons, GlyphCellNeverRunsPastTheBitmap)
{
    EXPECT_EQ(brio::ButtonGlyph::cellIndex(4, true, true), 3);
    EXPECT_EQ(brio::ButtonGlyph::cellIndex(3, true, true), 2) << "three cells have no fourth";
    EXPECT_EQ(brio::ButtonGlyph::cellIndex(3, false, true), 2);
    EXPECT_EQ(brio::ButtonGlyph::cellIndex(2, true, true), 1);
    EXPECT_EQ(brio::ButtonGlyph::cellIndex(1, true, true), 0);

    // Three coloured cells over a magenta bottom row (the key): disabled and
    // pressed draws the last cell.
    auto* button = addButton("", 10, 10);
    auto cells = filledBitmap(48, 16);
    const COLORREF colours[3] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
    for (int i = 0; i < 3; ++i) {
        cells->Canvas()->Brush()->SetColor(TColor(colours[i]));
        cells->Canvas()->FillRect(RECT{i * 16, 0, i * 16 + 16, 15});
    }
    button->SetGlyph(cells.get());
    EXPECT_EQ(button->NumGlyphs(), 3);
    button->SetEnabled(false);
    button->SetState(kbsPressed);
    const auto shown = paint(button);
    EXPECT_EQ(count(*shown, 0x0000C8), 16 * 15);
    EXPECT_EQ(count(*shown, 0x00C800), 0);
    EXPECT_EQ(count(*shown, 0xFF00FF), 0);
}

TEST_F(SkinButtons, BottomLeftColourIsTransparentAlsoOnA24BitGlyph)
{
    auto* button = addButton("", 10, 10);
    button->SetBounds(10, 10, 40, 40);
    auto piano = pianoGlyph();
    ASSERT_EQ(piano->Width(), 16);
    // Alpha bytes of a file-read picture may differ from pixel to pixel; the
    // key is the colour alone.
    piano->ScanLine(15)[0] &= 0x00FFFFFF;
    piano->ScanLine(0)[0] |= 0xFF000000;
    button->SetGlyph(piano.get());
    EXPECT_EQ(button->NumGlyphs(), 1);
    const auto shown = paint(button);
    EXPECT_EQ(count(*shown, 0xFF00FF), 0) << "no magenta shows";
    EXPECT_GT(count(*shown, 0xFFFFFF), 20) << "the white keys do";
    EXPECT_GT(count(*shown, 0x000000), 20) << "and the black ones";

    // Disabled with one cell: greys between 160 and 210 only, no black.
    button->SetEnabled(false);
    const auto faded = paint(button);
    EXPECT_EQ(count(*faded, 0xFF00FF), 0);
    EXPECT_GT(count(*faded, 0xA0A0A0), 10) << "black keys turn grey 160";
    EXPECT_GT(count(*faded, 0xD2D2D2), 10) << "white keys turn grey 210";

    // Black-and-white while the pointer is away; colour when it is over.
    button->SetEnabled(true);
    auto red = filledBitmap(16, 16);
    red->Canvas()->Brush()->SetColor(clRed);
    red->Canvas()->FillRect(RECT{4, 4, 12, 12});
    button->SetGlyph(red.get());
    button->SetBlackAndWhiteGlyph(true);
    const auto grey = paint(button);
    EXPECT_EQ(count(*grey, 0xFF0000), 0);
    EXPECT_EQ(count(*grey, 0x808080), 64) << "red is lightness 0.5: grey 128";
    moveTo(button);
    pump();
    ASSERT_TRUE(button->Hot());
    EXPECT_EQ(count(*paint(button), 0xFF0000), 64);
}

TEST_F(SkinButtons, ActionGivesCaptionClickAndItsImageAsGlyph)
{
    auto* images = new TImageList(form);
    images->SetSize(16, 16);
    auto square = filledBitmap(16, 16, RGB(255, 255, 255));
    square->Canvas()->Brush()->SetColor(clRed);
    square->Canvas()->FillRect(RECT{4, 4, 12, 12});
    images->AddMasked(square.get(), clWhite);
    auto* actions = new TActionList(form);
    actions->SetImages(images);
    auto* play = new TAction(form);
    play->SetActionList(actions);
    play->SetCaption("&Play");
    play->SetImageIndex(0);
    int executed = 0;
    play->OnExecute = [&](TObject*) { ++executed; };

    auto* button = addButton("", 10, 10);
    button->SetBounds(10, 10, 90, 30);
    button->SetAction(play);
    EXPECT_EQ(button->Caption(), "&Play");
    ASSERT_EQ(button->Glyph()->Width(), 16);
    // The image's transparent corners become the magenta key and never show.
    EXPECT_EQ(button->Glyph()->ScanLine(15)[0] & 0xFFFFFF, 0xFF00FFu);
    const auto shown = paint(button);
    EXPECT_EQ(count(*shown, 0xFF0000), 64);
    EXPECT_EQ(count(*shown, 0xFF00FF), 0);
    click(button);
    pump();
    EXPECT_EQ(executed, 1);
}

TEST_F(SkinButtons, WordWrapOnATinyButtonLeavesNoNegativeBox)
{
    auto* button = addButton("A caption far too long to fit", 10, 10);
    button->SetGlyph(filledBitmap(16, 16).get());
    button->SetWordWrap(true);
    button->SetBounds(10, 10, 18, 12);
    const TRect content = button->GetContentRect();
    EXPECT_GE(content.right - content.left, 16) << "at least the glyph cell";
    const TRect text = button->GetTextRect();
    EXPECT_GE(text.right, text.left);
    EXPECT_GE(text.bottom, text.top);
    paint(button);
}

TEST_F(SkinButtons, LayoutPlacesTheGlyphOnItsSide)
{
    auto* button = addButton("Play", 10, 10);
    button->SetBounds(10, 10, 120, 60);
    button->SetGlyph(filledBitmap(16, 16).get());
    for (TButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
        button->SetLayout(layout);
        const TRect glyph = button->GetGlyphRect();
        const TRect text = button->GetTextRect();
        RECT overlap{};
        EXPECT_FALSE(IntersectRect(&overlap, &glyph, &text)) << "layout " << int(layout);
        switch (layout) {
        case blGlyphLeft:
            EXPECT_LE(glyph.right + button->Spacing(), text.left);
            break;
        case blGlyphRight:
            EXPECT_GE(glyph.left - button->Spacing(), text.right);
            break;
        case blGlyphTop:
            EXPECT_LE(glyph.bottom + button->Spacing(), text.top);
            break;
        case blGlyphBottom:
            EXPECT_GE(glyph.top - button->Spacing(), text.bottom);
            break;
        }
    }
    // Pressed, the content moves one pixel down and right.
    button->SetLayout(blGlyphLeft);
    const TRect normal = button->GetContentRect();
    button->SetState(kbsPressed);
    const TRect pressed = button->GetContentRect();
    EXPECT_EQ(pressed.left, normal.left + 1);
    EXPECT_EQ(pressed.top, normal.top + 1);
}

TEST_F(SkinButtons, SkinnedStatesDifferAndAMaskedFaceMakesTheButtonSeeThrough)
{
    TSeSkinEngine* engine = skintest::MakeShippedSkinEngine(form);
    if (!engine)
        GTEST_SKIP() << "this build has no shipped skin";
    auto* button = addButton("Skinned", 10, 10);
    const auto plain = paint(button);
    button->SetSkinEngine(engine);
    ASSERT_TRUE(button->Skinned());
    EXPECT_TRUE(button->Transparent()) << "the shipped face is drawn masked";
    const auto normal = paint(button);
    EXPECT_NE(normal->pixels(), plain->pixels());
    button->SetState(kbsPressed);
    EXPECT_EQ(button->SkinState(), SeStatePressed);
    const auto pressed = paint(button);
    button->SetState(kbsNormal);
    button->SetEnabled(false);
    EXPECT_EQ(button->SkinState(), SeStateDisabled);
    const auto disabled = paint(button);
    EXPECT_NE(normal->pixels(), pressed->pixels());
    EXPECT_NE(normal->pixels(), disabled->pixels());
    EXPECT_NE(pressed->pixels(), disabled->pixels());

    // Between the engine's two change messages the plain look draws.
    button->SetEnabled(true);
    button->Perform(SEM_SKINCHANGING, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
    EXPECT_FALSE(button->Skinned());
    paint(button);
    button->Perform(SEM_SKINCHANGED, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
    EXPECT_TRUE(button->Skinned());
    delete engine;
    EXPECT_FALSE(button->Skinned());
    EXPECT_EQ(button->SkinEngine(), nullptr);
    paint(button);
}

} // namespace
