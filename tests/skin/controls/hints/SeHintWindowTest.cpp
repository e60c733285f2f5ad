// Hints as the user sees them: shown after the pause without taking the
// focus, kept on the screen, hidden by keys and clicks, and drawn plain or
// from the skin's "Hint" object.

#include "skin/controls/hints/SeHintForm.h"
#include "skin/controls/hints/SeHintWindow.h"
#include "skin/controls/hints/SeSkinHint.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/UiTestSupport.h"
#include "ui/forms/Screen.h"
#include "ui/stdctrls/Edit.h"

#include "platform/UxTheme.h"

namespace {

class HintWindow : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm("frmBrio");
        edit = new TEdit(form);
        edit->SetBounds(10, 10, 120, 22);
        edit->SetParent(form);
        target = new TGraphicControl(form);
        target->SetName("tbVolume");
        target->SetBounds(10, 60, 100, 30);
        target->SetParent(form);
        target->SetHint("Volume of the selected key");
        target->SetShowHint(true);
        form->Show();
        edit->SetFocus();
        pump();
    }

    // Rests the pointer on the control until its hint shows.
    TSeHintWindow* showHintOf(TControl* control)
    {
        backend().mouseMove(1, 1);
        pump();
        moveTo(control);
        pump();
        advance(Application->HintPause + 10);
        auto* window = dynamic_cast<TSeHintWindow*>(Application->HintWindow());
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(window && IsWindowVisible(window->Handle()));
        return window;
    }

    static RECT screenRectOf(HWND hwnd)
    {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return r;
    }

    TForm* form = nullptr;
    TEdit* edit = nullptr;
    TGraphicControl* target = nullptr;
};

TEST_F(HintWindow, ShowingNeverTakesTheFocus)
{
    auto* hint = new TSeCustomHint(form);
    void* seenData = nullptr;
    hint->OnShowHint = [&](std::string&, bool&, THintInfo& info) { seenData = info.HintData; };
    const HWND focus = GetFocus();
    const HWND active = GetActiveWindow();
    ASSERT_EQ(focus, edit->Handle());
    TSeHintWindow* window = showHintOf(target);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(seenData, hint);
    EXPECT_EQ(window->HintComponent(), hint);
    EXPECT_EQ(GetFocus(), focus);
    EXPECT_EQ(GetActiveWindow(), active);
    const LONG_PTR exStyle = GetWindowLongPtr(window->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
    EXPECT_EQ(GetWindowLongPtr(window->Handle(), GWL_STYLE) & WS_BORDER, 0);
    // A click through the hint reaches what lies under it, not the hint.
    RECT r = screenRectOf(window->Handle());
    EXPECT_EQ(SendMessage(window->Handle(), WM_NCHITTEST, 0, MAKELPARAM(r.left + 2, r.top + 2)), HTTRANSPARENT);
    backend().writeScreenPng(skintest::OutputPath("hint-plain.png"));
}

TEST_F(HintWindow, KeysAndClicksHideIt)
{
    new TSeCustomHint(form);
    TSeHintWindow* window = showHintOf(target);
    ASSERT_NE(window, nullptr);
    backend().pressKey(VK_SHIFT);
    pump();
    EXPECT_FALSE(IsWindowVisible(window->Handle())) << "a key";

    showHintOf(target);
    ASSERT_TRUE(IsWindowVisible(window->Handle()));
    TPoint p = centerOf(target);
    backend().click(p.x, p.y);
    pump();
    EXPECT_FALSE(IsWindowVisible(window->Handle())) << "a click";

    // Messages the plain hint window lets pass end this one too.
    for (UINT message : {UINT(WM_KEYUP), UINT(WM_CHAR), UINT(WM_LBUTTONUP), UINT(WM_NCMOUSEMOVE), UINT(WM_COMMAND)}) {
        SCOPED_TRACE(message);
        showHintOf(target);
        ASSERT_TRUE(IsWindowVisible(window->Handle()));
        PostMessage(form->Handle(), message, 0, 0);
        pump();
        EXPECT_FALSE(IsWindowVisible(window->Handle()));
    }
}

TEST_F(HintWindow, NearTheScreenEdgeItMovesFullyOnScreen)
{
    new TSeCustomHint(form);
    form->SetBounds(Screen->Width() - 140, Screen->Height() - 110, 140, 110);
    target->SetHint("A hint far too long to fit beside the corner of the screen");
    target->SetBounds(form->ClientWidth() - 40, form->ClientHeight() - 20, 40, 20);
    pump();
    TSeHintWindow* window = showHintOf(target);
    ASSERT_NE(window, nullptr);
    const RECT r = screenRectOf(window->Handle());
    EXPECT_GT(r.right - r.left, 200);
    EXPECT_EQ(r.right, Screen->Width());
    EXPECT_LE(r.bottom, Screen->Height());
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
}

TEST_F(HintWindow, PlacingOnTheDesktop)
{
    const RECT desktop{0, 0, 1280, 800};
    struct Case {
        RECT in;
        RECT out;
    };
    const Case cases[] = {
        {{100, 100, 200, 120}, {100, 100, 200, 120}},   // already on it
        {{1250, 100, 1350, 120}, {1180, 100, 1280, 120}}, // right edge
        {{100, 790, 200, 810}, {100, 780, 200, 800}},   // bottom edge
        {{1250, 790, 1350, 810}, {1180, 780, 1280, 800}}, // corner
        {{-30, -5, 70, 15}, {0, 0, 100, 20}},           // left and top
        {{100, 100, 1500, 120}, {0, 100, 1400, 120}},   // wider than the desktop: the left edge shows
    };
    for (const Case& c : cases) {
        const RECT out = brio::placeHintOnDesktop(c.in, desktop);
        EXPECT_EQ(out.left, c.out.left);
        EXPECT_EQ(out.top, c.out.top);
        EXPECT_EQ(out.right, c.out.right);
        EXPECT_EQ(out.bottom, c.out.bottom);
    }
}

TEST_F(HintWindow, ShadowMakesTheHintLargerBySize)
{
    auto* hint = new TSeCustomHint(form);
    TSeHintWindow window(nullptr);
    const TRect plain = window.CalcHintRect(1280, "Volume", hint);
    hint->Shadow()->SetEnabled(true);
    hint->Shadow()->SetSize(7);
    const TRect shadowed = window.CalcHintRect(1280, "Volume", hint);
    EXPECT_EQ(shadowed.right - plain.right, 7);
    EXPECT_EQ(shadowed.bottom - plain.bottom, 7);

    // Shown, the frame component takes the shadow and leaves the hint the
    // client without the band.
    TSeHintWindow* shown = showHintOf(target);
    ASSERT_NE(shown, nullptr);
    ASSERT_NE(shown->HintForm(), nullptr);
    EXPECT_TRUE(shown->HintForm()->Attached());
    EXPECT_TRUE(shown->HintForm()->Shadow()->Enabled());
    EXPECT_EQ(shown->Width() - shown->ClientWidth(), 7);
    EXPECT_EQ(shown->Height() - shown->ClientHeight(), 7);
    backend().writeScreenPng(skintest::OutputPath("hint-shadow.png"));
    hint->Shadow()->SetEnabled(false);
    advance(Application->HintHidePause + 10);
    shown = showHintOf(target);
    EXPECT_EQ(shown->Width(), shown->ClientWidth()) << "the next hint takes the options as they are then";
}

// Skin binding and the two looks.
class HintLook : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        engine = new TSeSkinEngine(form);
    }

    // A "Hint" object: a filled rectangle with margins and a light font.
    void addHintObject()
    {
        auto object = std::make_unique<TSeSkinObject>(nullptr);
        object->SetName("Hint");
        object->SetColor(kSkinColour);
        object->SetMarginLeft(8);
        object->SetMarginRight(9);
        object->SetMarginTop(4);
        object->SetMarginBottom(5);
        object->Font()->SetColor(clWhite);
        engine->Source()->AddObject(std::move(object));
    }

    // `hint` draws "Volume" into a bitmap of its measured size.
    struct Drawn {
        RECT size;
        std::unique_ptr<skintest::Target> picture;
    };
    Drawn draw(TSeCustomHint* hint, const std::string& text = "Volume")
    {
        TSeHintWindow window(nullptr);
        Drawn d;
        d.size = window.CalcHintRect(1280, text, hint);
        d.picture = std::make_unique<skintest::Target>(d.size.right, d.size.bottom, 0xFF00FF00);
        d.picture->canvas.SetFont(Screen->HintFont());
        hint->DrawHint(d.picture->canvas, d.size, text);
        return d;
    }

    static constexpr TColor kSkinColour = TColor(0x00603010);
    TForm* form = nullptr;
    TSeSkinEngine* engine = nullptr;
};

TEST_F(HintLook, WithoutEngineOrHintObjectThePlainLook)
{
    auto* hint = new TSeSkinHint(form);
    EXPECT_EQ(hint->BoundObject(), nullptr);
    Drawn noEngine = draw(hint);
    EXPECT_EQ(noEngine.picture->canvas.Pixels(2, 2), TColor(ColorToRGB(Application->HintColor)));
    const TColor frame = IsThemeActive() ? clBtnShadow : cl3DLight;
    EXPECT_EQ(noEngine.picture->canvas.Pixels(0, 0), TColor(ColorToRGB(frame)));

    // An engine whose skin has no "Hint": the same measurements and picture.
    engine->Source()->AddObject(skintest::MakeButtonObject(&engine->Source()->Bitmaps()));
    hint->SetSkinEngine(engine);
    EXPECT_EQ(hint->BoundObject(), nullptr);
    Drawn noObject = draw(hint);
    EXPECT_EQ(noObject.size.right, noEngine.size.right);
    EXPECT_EQ(noObject.size.bottom, noEngine.size.bottom);
    EXPECT_EQ(noObject.picture->canvas.Pixels(2, 2), TColor(ColorToRGB(Application->HintColor)));
}

TEST_F(HintLook, TheSkinObjectGivesMarginsFontAndPicture)
{
    addHintObject();
    auto* hint = new TSeSkinHint(form);
    Drawn plain = draw(hint);
    hint->SetSkinEngine(engine);
    ASSERT_NE(hint->BoundObject(), nullptr);
    Drawn skinned = draw(hint);
    EXPECT_EQ(skinned.size.right - plain.size.right, 8 + 9 - 6);
    EXPECT_EQ(skinned.size.bottom - plain.size.bottom, 4 + 5 - 6);
    EXPECT_EQ(skinned.picture->canvas.Pixels(1, 1), TColor(ColorToRGB(kSkinColour)));
    // White text somewhere inside the margins.
    bool text = false;
    for (int y = 4; y < skinned.size.bottom - 5 && !text; ++y)
        for (int x = 8; x < skinned.size.right - 9 && !text; ++x)
            text = skinned.picture->canvas.Pixels(x, y) != TColor(ColorToRGB(kSkinColour));
    EXPECT_TRUE(text);

    // A hint longer than a line wraps inside the object.
    const std::string longText = "First line of a long hint\nand its second line";
    Drawn twoLines = draw(hint, longText);
    EXPECT_GT(twoLines.size.bottom - skinned.size.bottom, 8);
    EXPECT_EQ(twoLines.picture->canvas.Pixels(1, 1), TColor(ColorToRGB(kSkinColour)));
}

TEST_F(HintLook, SkinChangesAndEngineRemovalDropTheCopy)
{
    addHintObject();
    auto* hint = new TSeSkinHint(form);
    hint->SetSkinEngine(engine);
    ASSERT_NE(hint->BoundObject(), nullptr);
    engine->BeforeChange();
    EXPECT_EQ(hint->BoundObject(), nullptr) << "no copy may outlive the skin's bitmaps";
    engine->AfterChange();
    EXPECT_NE(hint->BoundObject(), nullptr);
    delete engine;
    engine = nullptr;
    EXPECT_EQ(hint->SkinEngine(), nullptr);
    EXPECT_EQ(hint->BoundObject(), nullptr);
    draw(hint);
}

} // namespace
