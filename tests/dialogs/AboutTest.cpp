// The about box: readable on the dark scheme, its links opening what they
// name, and closed by Enter.

#include "dialogs/uAbout.h"

#include "tests/support/ProgramTestSupport.h"

#include "app/uCommon.h"
#include "platform/images/PngIo.h"
#include "platform/theme/ColorScheme.h"
#include "ui/graphics/Colors.h"

#include <algorithm>
#include <filesystem>

using namespace programtest;

namespace {

class AboutTest : public ProgramTest {
protected:
    void TearDown() override
    {
        brio::SelectColorScheme("Classic");
        ProgramTest::TearDown();
    }
};

int luminance(COLORREF c)
{
    return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000;
}

TEST_F(AboutTest, OnTheDarkSchemeTextAndLinksStandOutFromTheBackground)
{
    brio::SelectColorScheme("Graphite");
    auto* about = new TfrmAbout(Application);
    about->Show();
    pump();
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    backend().writeWindowPng(about->Handle(), std::string(BRIO_TEST_OUTPUT_DIR) + "/about-box.png");
    const COLORREF background = ColorToRGB(about->Color());
    for (TLabel* label : {about->Label1, about->Label2, about->Label4, about->Label5, about->Label3}) {
        const COLORREF text = ColorToRGB(label->Font()->Color());
        EXPECT_GE(std::abs(luminance(text) - luminance(background)), 90) << label->Caption();
    }
    EXPECT_NE(ColorToRGB(about->Label5->Font()->Color()), ColorToRGB(about->Label1->Font()->Color()));
    delete about;
}

TEST_F(AboutTest, LinksOpenTheUserGuideAndAMailToSupportAndEnterCloses)
{
    recordShellOpens();
    auto* about = new TfrmAbout(Application);
    about->Show();
    pump();
    about->Label3Click(about->Label3);
    about->Label5Click(about->Label5);
    std::vector<std::string> opened = shellOpened(2);
    std::sort(opened.begin(), opened.end()); // the openers run side by side
    EXPECT_EQ(opened, (std::vector<std::string>{brio::AppFolder + "docs/user-guide.md",
                                                std::string("mailto:") + brio::SupportAddress}));
    about->Hide();

    script({[this] { backend().pressKey(VK_RETURN); }});
    EXPECT_EQ(about->ShowModal(), mrOk);
    delete about;
}

} // namespace
