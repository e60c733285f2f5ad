// The process-wide message component: who holds the role after each
// change, which holder may be freed, and that no change leaves a form's
// message component freed under it (run under ASan).

#include "skin/controls/message/SeCustomMessage.h"
#include "skin/controls/message/SeMessageForm.h"
#include "tests/support/UiTestSupport.h"
#include "ui/forms/Screen.h"

namespace {

class MessageGlobal : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_EQ(TSeCustomMessage::GlobalMessage(), nullptr) << "an earlier test left a holder";
        mainForm = makeForm("frmBrio");
    }

    // Answers the next message box with Enter.
    void answerWithEnter()
    {
        script({[this] { backend().pressKey(VK_RETURN); }});
    }

    int applicationComponents() const { return Application->ComponentCount(); }

    TForm* mainForm = nullptr;
};

TEST_F(MessageGlobal, OnlyAChangeToTrueTakesTheRole)
{
    auto* ssmMsg = new TSeCustomMessage(mainForm);
    auto* other = new TSeCustomMessage(mainForm);
    ssmMsg->SetGlobal(true);
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), ssmMsg);

    other->SetGlobal(true);
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), other);
    EXPECT_FALSE(ssmMsg->Global()) << "the old holder knows it lost the role";

    // False on a component that does not hold the role changes nothing.
    ssmMsg->SetGlobal(false);
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), other);
    // True again is a change, so it takes the role back.
    ssmMsg->SetGlobal(true);
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), ssmMsg);
    ssmMsg->SetGlobal(true);
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), ssmMsg);

    // False on the holder clears the role.
    ssmMsg->SetGlobal(false);
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), nullptr);
}

TEST_F(MessageGlobal, AFormsComponentThatLosesTheRoleStaysUsable)
{
    auto* ssmMsg = new TSeCustomMessage(mainForm);
    ssmMsg->SetGlobal(true);
    auto* dialogMessage = new TSeCustomMessage(mainForm);
    dialogMessage->SetGlobal(true);
    // The form's field still points at a live component.
    answerWithEnter();
    EXPECT_EQ(ssmMsg->ShowNotice("Still here."), mrOk);
    delete dialogMessage;
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), nullptr) << "destroying the holder clears the role";
    answerWithEnter();
    EXPECT_EQ(ssmMsg->ShowNotice("Still here."), mrOk);
}

TEST_F(MessageGlobal, TheOnDemandComponentIsMadeOnceAndFreedWhenReplaced)
{
    const int before = applicationComponents();
    answerWithEnter();
    EXPECT_EQ(ShowNotice("First."), mrOk);
    TSeCustomMessage* made = TSeCustomMessage::GlobalMessage();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Owner(), Application);
    EXPECT_EQ(applicationComponents(), before + 1);

    answerWithEnter();
    EXPECT_EQ(AskDialog("Second?", mtConfirmation, {mbYes, mbNo}), mrYes);
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), made) << "one on-demand component, reused";

    auto* ssmMsg = new TSeCustomMessage(mainForm);
    ssmMsg->SetGlobal(true);
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), ssmMsg);
    EXPECT_EQ(applicationComponents(), before) << "the on-demand component was freed";
    answerWithEnter();
    EXPECT_EQ(ShowNotice("Third."), mrOk);
    EXPECT_EQ(applicationComponents(), before) << "the holder answers; nothing new is made";
}

TEST_F(MessageGlobal, ReplacingTheOnDemandComponentWhileItsBoxIsOpen)
{
    TSeCustomMessage* ssmMsg = nullptr;
    script({[&] {
        // The component showing this box goes away under it.
        ssmMsg = new TSeCustomMessage(mainForm);
        ssmMsg->SetGlobal(true);
        backend().pressKey(VK_ESCAPE);
    }});
    EXPECT_EQ(AskDialog("Keep?", mtConfirmation, {mbYes, mbNo}), mrNo);
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), ssmMsg);
}

TEST_F(MessageGlobal, FreeingTheFormThatOwnsTheHolderClearsTheRole)
{
    auto* dialog = makeForm("frmGroup");
    auto* message = new TSeCustomMessage(dialog);
    message->SetGlobal(true);
    delete dialog;
    EXPECT_EQ(TSeCustomMessage::GlobalMessage(), nullptr);
    answerWithEnter();
    EXPECT_EQ(ShowNotice("A new one is made."), mrOk);
    EXPECT_NE(TSeCustomMessage::GlobalMessage(), nullptr);
}

} // namespace
