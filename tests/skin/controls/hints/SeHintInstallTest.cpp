// Hint components installing themselves into the application and leaving
// again, in every order: the application ends up with the handler and the
// window class that the components still alive imply, and nothing names a
// freed component (run under ASan).

#include "skin/controls/hints/SeCustomHint.h"
#include "skin/controls/hints/SeHintWindow.h"
#include "tests/support/UiTestSupport.h"

#include <memory>

namespace {

class HintInstall : public uitest::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = makeForm();
        Application->OnShowHint = [this](std::string&, bool&, THintInfo&) { ++userHandlerCalls; };
    }

    // Who the application's handler and window class belong to now.
    TSeCustomHint* handlerOwner() const
    {
        THintInfo info;
        std::string text = "x";
        bool canShow = true;
        const int before = userHandlerCalls;
        Application->OnShowHint(text, canShow, info);
        if (userHandlerCalls != before)
            return nullptr;
        return TSeCustomHint::FromHintData(info.HintData);
    }
    static bool makesSkinnedWindows()
    {
        std::unique_ptr<THintWindow> window(Application->HintWindowClass(nullptr));
        return dynamic_cast<TSeHintWindow*>(window.get()) != nullptr;
    }

    TForm* form = nullptr;
    int userHandlerCalls = 0;
};

TEST_F(HintInstall, LastCreatedHoldsTheApplicationAndIsTheDefault)
{
    EXPECT_EQ(TSeCustomHint::DefaultHint(), nullptr);
    auto* first = new TSeCustomHint(form);
    EXPECT_TRUE(first->Active());
    EXPECT_EQ(handlerOwner(), first);
    EXPECT_TRUE(makesSkinnedWindows());
    auto* second = new TSeCustomHint(form);
    EXPECT_EQ(handlerOwner(), second);
    EXPECT_EQ(TSeCustomHint::DefaultHint(), second);
    delete second;
    EXPECT_EQ(TSeCustomHint::DefaultHint(), first);
    EXPECT_EQ(handlerOwner(), first);
    delete first;
    EXPECT_EQ(TSeCustomHint::DefaultHint(), nullptr);
    EXPECT_EQ(handlerOwner(), nullptr) << "the user's own handler is back";
    EXPECT_FALSE(makesSkinnedWindows());
}

TEST_F(HintInstall, FreeingAComponentThatWasReplacedKeepsTheNewerOne)
{
    auto* first = new TSeCustomHint(form);
    auto* second = new TSeCustomHint(form);
    delete first;
    EXPECT_EQ(handlerOwner(), second) << "the application no longer held the first one's handler";
    EXPECT_TRUE(makesSkinnedWindows());
    // The second inherited what the first had remembered: the user's handler.
    delete second;
    EXPECT_EQ(handlerOwner(), nullptr);
    EXPECT_FALSE(makesSkinnedWindows());
    EXPECT_EQ(userHandlerCalls, 1);
}

TEST_F(HintInstall, ActivatingAgainMovesOnTopWithoutACycle)
{
    auto* first = new TSeCustomHint(form);
    auto* second = new TSeCustomHint(form);
    first->SetActive(true);
    EXPECT_EQ(handlerOwner(), first);
    delete first;
    EXPECT_EQ(handlerOwner(), second);
    delete second;
    EXPECT_EQ(handlerOwner(), nullptr);

    // Active False only stores the value; the component stays installed.
    auto* third = new TSeCustomHint(form);
    third->SetActive(false);
    EXPECT_EQ(handlerOwner(), third);
    delete third;
    EXPECT_EQ(handlerOwner(), nullptr);
}

TEST_F(HintInstall, ThreeComponentsFreedInEveryOrder)
{
    const int orders[][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& order : orders) {
        SCOPED_TRACE(testing::Message() << order[0] << order[1] << order[2]);
        TSeCustomHint* hints[3] = {new TSeCustomHint(form), new TSeCustomHint(form), new TSeCustomHint(form)};
        bool alive[3] = {true, true, true};
        for (int step = 0; step < 3; ++step) {
            delete hints[order[step]];
            alive[order[step]] = false;
            // The newest live component holds the application, or the user does.
            TSeCustomHint* expected = nullptr;
            for (int i = 2; i >= 0 && !expected; --i)
                if (alive[i])
                    expected = hints[i];
            EXPECT_EQ(handlerOwner(), expected) << "after step " << step;
            EXPECT_EQ(makesSkinnedWindows(), expected != nullptr);
        }
    }
}

TEST_F(HintInstall, ACopyOfTheHandlerOutlivingItsComponentDoesNothing)
{
    auto* hint = new TSeCustomHint(form);
    int ownCalls = 0;
    hint->OnShowHint = [&](std::string&, bool&, THintInfo&) { ++ownCalls; };
    TShowHintEvent copy = Application->OnShowHint;
    THintInfo info;
    std::string text = "x";
    bool canShow = true;
    copy(text, canShow, info);
    EXPECT_EQ(ownCalls, 1);
    EXPECT_EQ(info.HintData, hint);
    delete hint;
    info.HintData = nullptr;
    copy(text, canShow, info);
    EXPECT_EQ(info.HintData, nullptr);
}

TEST_F(HintInstall, ANewComponentOfTheMainFormDeactivatesTheOthers)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    auto* older = new TSeCustomHint(main);
    auto* elsewhere = new TSeCustomHint(form);
    auto* newer = new TSeCustomHint(main);
    EXPECT_FALSE(older->Active());
    EXPECT_TRUE(elsewhere->Active()) << "only components of the main form";
    EXPECT_TRUE(newer->Active());
}

TEST_F(HintInstall, LoadedComponentsInstallWhenLoadingEnds)
{
    form->BeginLoading();
    auto* hint = new TSeCustomHint(form);
    EXPECT_EQ(handlerOwner(), nullptr);
    form->EndLoading();
    EXPECT_EQ(handlerOwner(), hint);

    form->BeginLoading();
    auto* off = new TSeCustomHint(form);
    off->SetActive(false);
    form->EndLoading();
    EXPECT_EQ(handlerOwner(), hint) << "a component loaded inactive stays out";
}

TEST_F(HintInstall, HintDataThatIsNoComponentIsNeverRead)
{
    auto* hint = new TSeCustomHint(form);
    int notAComponent = 7;
    EXPECT_EQ(TSeCustomHint::FromHintData(&notAComponent), nullptr);
    EXPECT_EQ(TSeCustomHint::FromHintData(hint), hint);
    TSeHintWindow window(nullptr);
    const TRect forData = window.CalcHintRect(1280, "Volume", &notAComponent);
    const TRect forHint = window.CalcHintRect(1280, "Volume", hint);
    EXPECT_EQ(forData.right, forHint.right) << "unknown data falls back to the default component";
}

} // namespace
