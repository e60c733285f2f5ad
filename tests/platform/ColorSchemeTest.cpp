// Colour schemes: selecting one rewrites the colour table, tells the windows
// (WM_SYSCOLORCHANGE to top-level windows, WM_THEMECHANGED to all) and
// repaints them; and in Graphite every text colour the framework or the
// themed parts draw reads at 4.5:1 or better against its background.

#include "WindowTestSupport.h"

#include "platform/theme/ColorScheme.h"
#include "platform/theme/ThemeColors.h"
#include "platform/theme/ThemeParts.h"
#include "platform/UxTheme.h"

#include <algorithm>
#include <cstdio>
#include <string>

using namespace windowtest;
using brio::theme::ContrastRatio;

namespace {

class ColorSchemes : public WindowTest {
protected:
    void TearDown() override
    {
        brio::SelectColorScheme("Classic");
        WindowTest::TearDown();
    }

    int count(UINT msg, HWND hwnd) const
    {
        const auto& trace = Recorder::instance().trace();
        return int(std::count_if(trace.begin(), trace.end(),
                                 [&](const Recorded& r) { return r.msg == msg && r.hwnd == hwnd; }));
    }
};

TEST_F(ColorSchemes, SetSysColorsTellsEveryTopLevelWindowAndRepaintsIt)
{
    HWND first = createTop();
    HWND second = createTop(WS_POPUP | WS_VISIBLE, RECT{500, 100, 600, 200});
    HWND child = createChild(first, RECT{10, 10, 50, 50});
    Pump();
    Recorder::instance().clear();

    const int index = COLOR_BTNFACE;
    const COLORREF color = RGB(1, 2, 3);
    ASSERT_TRUE(SetSysColors(1, &index, &color));
    EXPECT_EQ(count(WM_SYSCOLORCHANGE, first), 1);
    EXPECT_EQ(count(WM_SYSCOLORCHANGE, second), 1);
    // Children hear of it from their top-level window, not from the system.
    EXPECT_EQ(count(WM_SYSCOLORCHANGE, child), 0);

    Pump();
    for (HWND hwnd : {first, second, child})
        EXPECT_EQ(count(WM_PAINT, hwnd), 1) << Recorder::instance().describe(hwnd);
    EXPECT_GE(count(WM_NCPAINT, first), 1);

    // A refused change tells nobody.
    Recorder::instance().clear();
    const int bad = 99;
    EXPECT_FALSE(SetSysColors(1, &bad, &color));
    EXPECT_EQ(count(WM_SYSCOLORCHANGE, first), 0);
    const COLORREF classic = ClassicSysColors()[COLOR_BTNFACE];
    SetSysColors(1, &index, &classic);
}

TEST_F(ColorSchemes, SelectingASchemeRewritesTheTableAndTellsEveryWindowOnce)
{
    HWND top = createTop();
    HWND child = createChild(top, RECT{10, 10, 50, 50});
    Pump();
    Recorder::instance().clear();

    EXPECT_EQ(brio::CurrentColorScheme(), "Classic");
    ASSERT_TRUE(brio::SelectColorScheme("graphite")); // letter case does not matter
    EXPECT_EQ(brio::CurrentColorScheme(), "Graphite");
    const brio::ColorScheme* graphite = brio::FindColorScheme("Graphite");
    ASSERT_NE(graphite, nullptr);
    for (int i = 0; i < kSysColorCount; ++i)
        EXPECT_EQ(GetSysColor(i), graphite->colors[std::size_t(i)]) << "index " << i;
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(0x2B, 0x2D, 0x31));

    EXPECT_EQ(count(WM_SYSCOLORCHANGE, top), 1);
    EXPECT_EQ(count(WM_THEMECHANGED, top), 1);
    EXPECT_EQ(count(WM_THEMECHANGED, child), 1);
    EXPECT_EQ(count(WM_SYSCOLORCHANGE, child), 0);
    Pump();
    EXPECT_EQ(count(WM_PAINT, top), 1);
    EXPECT_EQ(count(WM_PAINT, child), 1);

    // The window repainted in the new face colour (its class brush is COLOR_WINDOW).
    EXPECT_EQ(ColorRefFromPixel(LookupWindow(top)->surface->row(100)[150]), GetSysColor(COLOR_WINDOW));

    // An unknown name changes nothing and tells nobody.
    Recorder::instance().clear();
    EXPECT_FALSE(brio::SelectColorScheme("Neon"));
    EXPECT_FALSE(brio::SelectColorScheme(""));
    EXPECT_EQ(brio::CurrentColorScheme(), "Graphite");
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(0x2B, 0x2D, 0x31));
    EXPECT_TRUE(Recorder::instance().trace().empty());

    // Back to Classic: exactly the start values.
    ASSERT_TRUE(brio::SelectColorScheme("Classic"));
    for (int i = 0; i < kSysColorCount; ++i)
        EXPECT_EQ(GetSysColor(i), ClassicSysColors()[std::size_t(i)]) << "index " << i;
}

TEST(ColorSchemeNames, ClassicAndGraphite)
{
    const auto names = brio::ColorSchemeNames();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "Classic");
    EXPECT_EQ(names[1], "Graphite");
    EXPECT_EQ(brio::FindColorScheme("CLASSIC"), brio::FindColorScheme("classic"));
    EXPECT_EQ(brio::FindColorScheme("Graphit"), nullptr);
}

TEST(Contrast, RatioFollowsTheDefinition)
{
    EXPECT_NEAR(ContrastRatio(RGB(0, 0, 0), RGB(255, 255, 255)), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(RGB(255, 255, 255), RGB(255, 255, 255)), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(RGB(0x77, 0x77, 0x77), RGB(255, 255, 255)), 4.48, 0.01);
    EXPECT_EQ(ContrastRatio(RGB(10, 20, 30), RGB(200, 100, 0)), ContrastRatio(RGB(200, 100, 0), RGB(10, 20, 30)));
}

// Every text colour on every background the framework paints it on, by
// system colour index.
struct TextPair {
    const char* where;
    int text;
    int background;
};

constexpr TextPair kFrameworkPairs[] = {
    {"edit, list and tree text", COLOR_WINDOWTEXT, COLOR_WINDOW},
    {"labels and panels (window text on the face)", COLOR_WINDOWTEXT, COLOR_BTNFACE},
    {"buttons", COLOR_BTNTEXT, COLOR_BTNFACE},
    {"selections", COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT},
    {"disabled text on the face", COLOR_GRAYTEXT, COLOR_BTNFACE},
    {"disabled text in fields", COLOR_GRAYTEXT, COLOR_WINDOW},
    {"disabled menu rows", COLOR_GRAYTEXT, COLOR_MENU},
    {"embossed disabled captions", COLOR_BTNSHADOW, COLOR_BTNFACE},
    {"menu rows", COLOR_MENUTEXT, COLOR_MENU},
    {"hints", COLOR_INFOTEXT, COLOR_INFOBK},
    {"active caption", COLOR_CAPTIONTEXT, COLOR_ACTIVECAPTION},
    {"active caption, gradient end", COLOR_CAPTIONTEXT, COLOR_GRADIENTACTIVECAPTION},
    {"inactive caption", COLOR_INACTIVECAPTIONTEXT, COLOR_INACTIVECAPTION},
    {"inactive caption, gradient end", COLOR_INACTIVECAPTIONTEXT, COLOR_GRADIENTINACTIVECAPTION},
    {"links in fields", COLOR_HOTLIGHT, COLOR_WINDOW},
    {"links on the face", COLOR_HOTLIGHT, COLOR_BTNFACE},
    {"group box captions (highlight on the face)", COLOR_HIGHLIGHT, COLOR_BTNFACE},
    {"unfocused selections (window text on the face)", COLOR_WINDOWTEXT, COLOR_BTNFACE},
};

TEST_F(ColorSchemes, GraphiteTextReadsAtLeastFourAndAHalfToOne)
{
    ASSERT_TRUE(brio::SelectColorScheme("Graphite"));
    double lowest = 21;
    std::string lowestWhere;
    auto check = [&](const std::string& where, COLORREF text, COLORREF background) {
        const double ratio = ContrastRatio(text, background);
        EXPECT_GE(ratio, 4.5) << where;
        if (ratio < lowest) {
            lowest = ratio;
            lowestWhere = where;
        }
    };
    for (const TextPair& pair : kFrameworkPairs)
        check(pair.where, GetSysColor(pair.text), GetSysColor(pair.background));

    // Every themed part that carries text, in every state, against what the
    // text is read on.
    const brio::theme::ThemeColors colors = brio::theme::CurrentThemeColors();
    int themedPairs = 0;
    for (int c = 0; c <= int(brio::theme::ThemeClass::Menu); ++c) {
        const auto themeClass = brio::theme::ThemeClass(c);
        for (const brio::theme::PartInfo& part : brio::theme::PartsOf(themeClass))
            for (int state = 1; state <= part.states; ++state) {
                brio::theme::PartLook look;
                ASSERT_TRUE(brio::theme::DescribePart(themeClass, part.part, state, colors, look));
                if (!look.drawsText)
                    continue;
                ++themedPairs;
                check(std::string(brio::theme::ThemeClassName(themeClass)) + " " + std::string(part.name)
                          + " state " + std::to_string(state),
                      look.text, look.textBackground);
            }
    }
    EXPECT_GT(themedPairs, 40);
    std::printf("Graphite: %zu framework pairs and %d themed pairs, lowest contrast %.2f:1 (%s)\n",
                std::size(kFrameworkPairs), themedPairs, lowest, lowestWhere.c_str());
}

} // namespace
