// The message box as the user meets it: what it shows, which keys answer
// it, what it returns, and where it stands.

#include "skin/controls/forms/SeSkinForm.h"
#include "skin/controls/message/SeCustomMessage.h"
#include "skin/controls/message/SeMessageForm.h"
#include "skin/controls/message/SeMessageLayout.h"
#include "skin/controls/message/SeSkinMessage.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"
#include "ui/component/Stream.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/UiTestSupport.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Font.h"
#include "ui/forms/Screen.h"

#include "platform/WinUser.h"

#include <vector>

namespace {

class MessageBoxTest : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        Application->SetTitle("Clatterbox");
        message = new TSeCustomMessage(Application);
    }

    // The message form being shown, or null.
    static TSeMessageForm* shownForm()
    {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* form = dynamic_cast<TSeMessageForm*>(Screen->Forms(i)); form && form->Visible())
                return form;
        return nullptr;
    }

    static std::vector<TControl*> buttonsOf(TSeMessageForm* form)
    {
        std::vector<TControl*> buttons;
        for (int b = 0; b < brio::kMessageButtonCount; ++b)
            if (TControl* c = form->Button(TMsgDlgBtn(b)))
                buttons.push_back(c);
        return buttons;
    }

    // A screen point of the close box, found by asking the frame.
    static POINT closeBox(HWND hwnd)
    {
        RECT r{};
        GetWindowRect(hwnd, &r);
        for (int y = r.top; y < r.top + 40; ++y)
            for (int x = r.right - 1; x > r.right - 80; --x)
                if (SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                    return POINT{x, y};
        ADD_FAILURE() << "no close box";
        return POINT{r.right - 1, r.top + 1};
    }

    // Shows `buttons`, runs `answer` inside the box once it is up.
    int ask(TMsgDlgButtons buttons, std::function<void(TSeMessageForm*)> answer, TMsgDlgType type = mtConfirmation,
            const std::string& text = "Delete the group \"Crowd\"?")
    {
        script({[this, answer] {
            TSeMessageForm* form = shownForm();
            if (!form) {
                ADD_FAILURE() << "no message box shown";
                return;
            }
            answer(form);
        }});
        int result = message->AskDialog(text, type, buttons);
        EXPECT_TRUE(scriptDone());
        EXPECT_EQ(shownForm(), nullptr);
        return result;
    }

    TSeCustomMessage* message = nullptr;
};

TEST_F(MessageBoxTest, NoticeShowsTheTitleNoIconAndOneCentredOk)
{
    int result = 0;
    script({[&] {
        TSeMessageForm* form = shownForm();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Caption(), "Clatterbox");
        EXPECT_EQ(form->FindComponent("Image"), nullptr);
        const std::vector<TControl*> buttons = buttonsOf(form);
        ASSERT_EQ(buttons.size(), 1u);
        TControl* ok = form->Button(mbOK);
        EXPECT_EQ(ok->Caption(), "OK");
        EXPECT_LE(std::abs(ok->Left() - (form->ClientWidth() - ok->Left() - ok->Width())), 1);
        // Centred on the screen.
        EXPECT_LE(std::abs(form->Left() + form->Width() / 2 - Screen->Width() / 2), 1);
        backend().writeScreenPng(skintest::OutputPath("message-notice.png"));
        backend().pressKey(VK_RETURN);
    }});
    result = message->ShowNotice("The key table was saved.");
    EXPECT_TRUE(scriptDone());
    EXPECT_EQ(result, 1);
}

TEST_F(MessageBoxTest, YesNoAnswersByEnterEscapeAndTheCloseBox)
{
    EXPECT_EQ(ask({mbYes, mbNo}, [&](TSeMessageForm* form) {
                  EXPECT_EQ(form->Caption(), "Confirm");
                  EXPECT_EQ(form->Button(mbYes)->Caption(), "&Yes");
                  EXPECT_EQ(form->Button(mbNo)->Caption(), "&No");
                  EXPECT_NE(form->FindComponent("Image"), nullptr);
                  backend().writeScreenPng(skintest::OutputPath("message-yesno.png"));
                  backend().pressKey(VK_RETURN);
              }),
              mrYes);
    EXPECT_EQ(ask({mbYes, mbNo}, [&](TSeMessageForm*) { backend().pressKey(VK_ESCAPE); }), mrNo);
    EXPECT_EQ(ask({mbYes, mbNo},
                  [&](TSeMessageForm* form) {
                      POINT p = closeBox(form->Handle());
                      backend().click(p.x, p.y);
                  }),
              mrCancel);
}

TEST_F(MessageBoxTest, OnlyTheChosenButtonIsDefault)
{
    // A stock kind may make Yes to All default as well; Enter must still mean Yes.
    EXPECT_EQ(ask({mbYes, mbNo, mbYesToAll}, [&](TSeMessageForm* form) {
                  int defaults = 0;
                  for (TControl* c : buttonsOf(form))
                      defaults += static_cast<TSeMessageButton*>(c)->Default() ? 1 : 0;
                  EXPECT_EQ(defaults, 1);
                  backend().pressKey(VK_RETURN);
              }),
              mrYes);
    EXPECT_EQ(ask({mbYes, mbNoToAll, mbYesToAll}, [&](TSeMessageForm* form) { click(form->Button(mbNoToAll)); }),
              mrNoToAll);
    EXPECT_EQ(ask({mbYes, mbNoToAll, mbYesToAll}, [&](TSeMessageForm* form) { click(form->Button(mbYesToAll)); }),
              mrYesToAll);
}

TEST_F(MessageBoxTest, ButtonsCarryTheirStockGlyphUnlessSwitchedOff)
{
    ask({mbYes, mbNoToAll}, [&](TSeMessageForm* form) {
        auto* yes = static_cast<TSeMessageButton*>(form->Button(mbYes));
        auto* noToAll = static_cast<TSeMessageButton*>(form->Button(mbNoToAll));
        EXPECT_EQ(yes->Kind(), bkYes);
        EXPECT_EQ(noToAll->Kind(), bkNo);
        EXPECT_EQ(noToAll->Caption(), "N&o to All");
        EXPECT_FALSE(yes->Glyph()->Empty());
        EXPECT_TRUE(yes->Transparent());
        backend().pressKey(VK_RETURN);
    });
    message->SetShowButtonGlyph(false);
    ask({mbYes, mbNo}, [&](TSeMessageForm* form) {
        EXPECT_TRUE(static_cast<TSeMessageButton*>(form->Button(mbYes))->Glyph()->Empty());
        backend().pressKey(VK_RETURN);
    });
}

TEST_F(MessageBoxTest, WithoutCancelOrNoEscapeLeavesTheBoxOpen)
{
    EXPECT_EQ(ask({mbAbort, mbIgnore},
                  [&](TSeMessageForm* form) {
                      backend().pressKey(VK_ESCAPE);
                      pump();
                      EXPECT_TRUE(form->Visible());
                      click(form->Button(mbIgnore));
                  },
                  mtError),
              mrIgnore);
}

TEST_F(MessageBoxTest, LongTextWrapsAtHalfTheScreen)
{
    std::string text;
    for (int i = 0; i < 80; ++i)
        text += "sound" + std::to_string(i) + " ";
    ask({mbOK},
        [&](TSeMessageForm* form) {
            auto* label = dynamic_cast<TControl*>(form->FindComponent("Message"));
            ASSERT_NE(label, nullptr);
            EXPECT_LE(label->Width(), Screen->Width() / 2);
            EXPECT_GT(label->Width(), Screen->Width() / 2 - 60);
            const SIZE line = brio::measureMessageText(message->MessageFont()->Handle(), "Ag", 1000, false);
            EXPECT_GE(label->Height(), 3 * line.cy);
            EXPECT_LT(form->Width(), Screen->Width());
            backend().writeScreenPng(skintest::OutputPath("message-wrapped.png"));
            backend().pressKey(VK_RETURN);
        },
        mtInformation, text);
}

TEST_F(MessageBoxTest, WithoutTheIconImageTheTextStartsAtTheMargin)
{
    int withIcon = 0;
    ask({mbOK}, [&](TSeMessageForm* form) {
        withIcon = static_cast<TControl*>(form->FindComponent("Message"))->Left();
        backend().pressKey(VK_RETURN);
    }, mtWarning);
    message->SetShowIconImage(false);
    ask({mbOK}, [&](TSeMessageForm* form) {
        EXPECT_EQ(form->FindComponent("Image"), nullptr);
        const int left = static_cast<TControl*>(form->FindComponent("Message"))->Left();
        const SIZE units = brio::messageDialogUnits(message->ButtonFont()->Handle());
        EXPECT_EQ(left, MulDiv(30, units.cx, 4));
        EXPECT_EQ(withIcon, left + 32 + MulDiv(10, units.cx, 4));
        backend().pressKey(VK_RETURN);
    }, mtWarning);
}

TEST_F(MessageBoxTest, GivenCoordinatesPlaceTheBox)
{
    script({[&] {
        TSeMessageForm* form = shownForm();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Left(), 40);
        EXPECT_EQ(form->Top(), 30);
        backend().pressKey(VK_RETURN);
    }});
    EXPECT_EQ(message->AskDialogAt("Here.", mtCustom, {mbOK}, 0, 40, 30), mrOk);
}

} // namespace

namespace {

class SkinnedMessageBox : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        if (::ShippedSkinStream().empty())
            GTEST_SKIP() << "this build has no artwork generator, so no shipped skin";
        mainForm = makeForm("frmBrio");
        engine = new TSeSkinEngine(mainForm);
        const auto bytes = ::ShippedSkinStream();
        TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        engine->ReadSkinStream(stream);
        message = new TSeSkinMessage(mainForm);
        message->SetSkinEngine(engine);
    }

    TForm* mainForm = nullptr;
    TSeSkinEngine* engine = nullptr;
    TSeSkinMessage* message = nullptr;
};

TEST_F(SkinnedMessageBox, TheFrameComesFromTheSkinUntilTheEngineGoes)
{
    script({[&] {
        auto* form = dynamic_cast<TSeMessageForm*>(Screen->ActiveForm());
        ASSERT_NE(form, nullptr);
        auto* skin = dynamic_cast<TSeSkinForm*>(form->FormSkin());
        ASSERT_NE(skin, nullptr);
        EXPECT_NE(skin->SkinCopy(), nullptr);
        EXPECT_EQ(skin->Caption(), "Confirm");
        backend().writeScreenPng(skintest::OutputPath("message-skinned.png"));
        backend().pressKey(VK_ESCAPE);
    }});
    EXPECT_EQ(message->AskDialog("Remove the sound \"Applause\"?", mtConfirmation, {mbYes, mbNo}), mrNo);

    delete engine;
    EXPECT_EQ(message->SkinEngine(), nullptr);
    script({[&] {
        auto* form = dynamic_cast<TSeMessageForm*>(Screen->ActiveForm());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(static_cast<TSeSkinForm*>(form->FormSkin())->SkinCopy(), nullptr);
        backend().pressKey(VK_RETURN);
    }});
    EXPECT_EQ(message->ShowNotice("Plain again."), mrOk);
}

} // namespace
