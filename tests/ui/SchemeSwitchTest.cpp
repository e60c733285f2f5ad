// Switching the colour scheme while forms are up: every control repaints in
// the new colours, including those that keep brushes and pens between paints.

#include "tests/support/UiTestSupport.h"

#include "platform/theme/ColorScheme.h"
#include "ui/stdctrls/Bevel.h"
#include "ui/stdctrls/Edit.h"
#include "ui/stdctrls/Panel.h"

#include <filesystem>

namespace {

using uitest::UiTest;

class SchemeSwitch : public UiTest {
protected:
    void TearDown() override
    {
        brio::SelectColorScheme("Classic");
        UiTest::TearDown();
    }
    COLORREF screenColor(const TControl* control, int x, int y)
    {
        const TPoint p = control->ClientToScreen(TPoint{x, y});
        return ColorRefFromPixel(backend().composeScreen()->at(p.x, p.y));
    }
};

TEST_F(SchemeSwitch, FormsAndControlsRepaintInTheNewColours)
{
    TForm* form = makeForm();
    form->SetColor(clBtnFace);
    auto* panel = new TPanel(form);
    panel->SetBounds(10, 10, 120, 80);
    panel->SetParent(form);
    auto* edit = new TEdit(form);
    edit->SetBounds(150, 10, 120, 21);
    edit->SetParent(form);
    auto* bevel = new TBevel(form);
    bevel->SetShape(bsFrame);
    bevel->SetBounds(150, 60, 100, 40);
    bevel->SetParent(form);
    form->Show();
    pump();
    EXPECT_EQ(screenColor(form, 5, 190), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(screenColor(bevel, 0, 20), GetSysColor(COLOR_BTNSHADOW));

    ASSERT_TRUE(brio::SelectColorScheme("Graphite"));
    pump();
    const COLORREF face = RGB(0x2B, 0x2D, 0x31);
    EXPECT_EQ(screenColor(form, 5, 190), face);
    EXPECT_EQ(screenColor(panel, 60, 40), face);
    EXPECT_EQ(screenColor(edit, 100, 10), GetSysColor(COLOR_WINDOW));
    // The bevel draws with a pen it keeps between paints.
    EXPECT_EQ(screenColor(bevel, 0, 20), GetSysColor(COLOR_BTNSHADOW));

    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(form->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/scheme-switch-graphite.png");

    ASSERT_TRUE(brio::SelectColorScheme("Classic"));
    pump();
    EXPECT_EQ(screenColor(form, 5, 190), RGB(212, 208, 200));
    EXPECT_EQ(screenColor(bevel, 0, 20), RGB(128, 128, 128));
}

} // namespace
