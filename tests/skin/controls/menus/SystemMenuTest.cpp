// A skinned form's built-in system menu is a skinned popup menu in the
// form's skin, and its rows run the form's commands.

#include "tests/skin/controls/menus/MenuTestSupport.h"

#include "skin/controls/forms/SeSkinForm.h"
#include "skin/controls/menus/SeMenuSkin.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"

#include "ui/component/Stream.h"

namespace {

using Events = std::vector<std::string>;

class SystemMenu : public menutest::MenuTest {
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        TForm* host = makeForm("Host");
        const auto bytes = ::ShippedSkinStream();
        engine = new TSeSkinEngine(host);
        if (!bytes.empty()) {
            TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
            engine->ReadSkinStream(stream);
        }
        host->BeginLoading();
        frame = new TSeSkinForm(host);
        frame->SetSkinEngine(engine);
        frame->SetBorderIcons({kbiClose, kbiMinimize, kbiTray});
        host->EndLoading();
        host->Show();
        pump();
        frame->OnClose = [this](TObject*, bool& allow) {
            log.add("close asked");
            allow = false;
        };
    }

    TSeSkinEngine* engine = nullptr;
    TSeSkinForm* frame = nullptr;
};

TEST_F(SystemMenu, IsSkinnedAndRunsTheFormsCommands)
{
    if (::ShippedSkinStream().empty())
        GTEST_SKIP() << "this build has no artwork generator, so no shipped skin";

    script({[&] {
                auto levels = visibleLevels();
                log.add(std::to_string(levels.size()) + " level");
                TSeCustomItem* root = levels.at(0)->Item();
                log.add(root->MenuSkin() && root->MenuSkin()->Bound() ? "skinned" : "plain");
                for (int i = 0; i < root->Count(); ++i)
                    log.add(root->Items(i)->Caption());
            },
            [&] { backend().typeText("c"); }});
    frame->ShowSystemMenu();
    pump();
    EXPECT_EQ(log.events(), (Events{"1 level", "skinned", "Mi&nimize", "Minimize to &Tray", "-", "&Close",
                                    "close asked"}));
}

TEST_F(SystemMenu, ShownAgainWhileItShowsRebuildsItWithoutTouchingTheOldRows)
{
    // A second right-click on the tray icon, say: the menu is rebuilt (its
    // rows freed) while its first showing still tracks.
    script({[&] {
                log.add(std::to_string(visibleLevels().size()) + " level");
                script({[&] { log.add(std::to_string(visibleLevels().size()) + " level"); },
                        [&] { backend().typeText("c"); }});
                frame->ShowSystemMenu();
                log.add("second closed");
            }});
    frame->ShowSystemMenu();
    pump();
    EXPECT_EQ(log.events(), (Events{"1 level", "1 level", "second closed", "close asked"}));
    EXPECT_TRUE(visibleLevels().empty());
}

} // namespace
