// A skinned form's built-in system menu is a skinned popup menu in the
// form's skin, and its rows run the form's commands.

#include "tests/skin/controls/menus/MenuTestSupport.h"

#include "skin/controls/forms/SeSkinForm.h"
#include "skin/controls/menus/SeMenuSkin.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"

#include "ui/component/Stream.h"

namespace {

using menutest::MenuTest;
using Events = std::vector<std::string>;

TEST_F(MenuTest, TheFormsSystemMenuIsSkinnedAndRunsTheFormsCommands)
{
    const auto bytes = ::ShippedSkinStream();
    if (bytes.empty())
        GTEST_SKIP() << "this build has no artwork generator, so no shipped skin";
    TForm* host = makeForm("Host");
    auto* engine = new TSeSkinEngine(host);
    TStringStream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    engine->ReadSkinStream(stream);
    host->BeginLoading();
    auto* frame = new TSeSkinForm(host);
    frame->SetSkinEngine(engine);
    frame->SetBorderIcons({kbiClose, kbiMinimize, kbiTray});
    host->EndLoading();
    host->Show();
    pump();
    frame->OnClose = [&](TObject*, bool& allow) {
        log.add("close asked");
        allow = false;
    };

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

} // namespace
