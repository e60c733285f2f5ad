// The visual styles: handles and switches, and for every class, part and
// state in both schemes: nothing painted outside the part's rectangle or
// the clip rectangle, the region is exactly what is painted, the states
// look different from each other; plus a gallery picture of it all.

#include "ThemeTestSupport.h"
#include "WindowTestSupport.h"

#include "platform/RectMath.h"
#include "platform/theme/ColorScheme.h"
#include "platform/theme/ThemeParts.h"
#include "platform/UxTheme.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace windowtest;
using namespace themetest;
using brio::theme::PartInfo;
using brio::theme::ThemeClass;

namespace {

constexpr ThemeClass kClasses[] = {ThemeClass::Window,   ThemeClass::Button,   ThemeClass::ExplorerBar,
                                   ThemeClass::ScrollBar, ThemeClass::Edit,    ThemeClass::TrackBar,
                                   ThemeClass::Menu};

std::string className(ThemeClass c)
{
    return std::string(brio::theme::ThemeClassName(c));
}

// A size that shows the part as a control would draw it.
SIZE sampleSize(ThemeClass c, int part)
{
    switch (c) {
    case ThemeClass::Window:
        switch (part) {
        case WP_CAPTION: return {150, 24};
        case WP_SMALLCAPTION: return {120, 18};
        case WP_FRAMELEFT:
        case WP_FRAMERIGHT:
        case WP_SMALLFRAMELEFT:
        case WP_SMALLFRAMERIGHT: return {6, 40};
        case WP_FRAMEBOTTOM:
        case WP_SMALLFRAMEBOTTOM: return {60, 6};
        case WP_DIALOG: return {40, 30};
        default: return {22, 18};
        }
    case ThemeClass::Button:
        switch (part) {
        case BP_PUSHBUTTON: return {75, 25};
        case BP_GROUPBOX: return {80, 44};
        default: return {13, 13};
        }
    case ThemeClass::ExplorerBar:
        switch (part) {
        case EBP_NORMALGROUPBACKGROUND: return {100, 44};
        case EBP_NORMALGROUPHEAD: return {120, 25};
        default: return {20, 20};
        }
    case ThemeClass::ScrollBar:
        switch (part) {
        case SBP_ARROWBTN: return {17, 17};
        case SBP_THUMBBTNHORZ:
        case SBP_LOWERTRACKHORZ:
        case SBP_UPPERTRACKHORZ: return {48, 17};
        default: return {17, 48};
        }
    case ThemeClass::Edit: return {90, 22};
    case ThemeClass::TrackBar:
        switch (part) {
        case TKP_TRACK: return {90, 6};
        case TKP_TRACKVERT: return {6, 60};
        case TKP_THUMB:
        case TKP_THUMBBOTTOM:
        case TKP_THUMBTOP: return {11, 21};
        default: return {21, 11};
        }
    case ThemeClass::Menu:
        switch (part) {
        case MENU_BARBACKGROUND: return {90, 20};
        case MENU_BARITEM: return {60, 20};
        case MENU_POPUPBACKGROUND:
        case MENU_POPUPBORDERS: return {90, 44};
        case MENU_POPUPCHECK:
        case MENU_POPUPCHECKBACKGROUND: return {16, 16};
        case MENU_POPUPGUTTER: return {4, 30};
        case MENU_POPUPITEM: return {110, 20};
        case MENU_POPUPSEPARATOR: return {90, 7};
        default: return {9, 16};
        }
    }
    return {20, 20};
}

class ThemeParts : public WindowTest {
protected:
    void TearDown() override
    {
        EnableTheming(TRUE);
        brio::SelectColorScheme("Classic");
        WindowTest::TearDown();
    }
};

TEST_F(ThemeParts, HandlesClassListsAndTheSwitch)
{
    EXPECT_TRUE(IsThemeActive());
    EXPECT_TRUE(IsAppThemed());
    HTHEME button = OpenThemeData(nullptr, "button");
    ASSERT_NE(button, nullptr);
    // The first known name of a list wins.
    HTHEME fallback = OpenThemeData(nullptr, "SkinnedThing;Edit;Button");
    ASSERT_NE(fallback, nullptr);
    COLORREF color = 0;
    EXPECT_EQ(GetThemeColor(fallback, EP_EDITTEXT, ETS_NORMAL, TMT_FILLCOLOR, &color), S_OK);
    EXPECT_EQ(color, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(OpenThemeData(nullptr, "Nothing;Known"), nullptr);
    EXPECT_EQ(OpenThemeData(nullptr, ""), nullptr);
    EXPECT_EQ(OpenThemeData(nullptr, nullptr), nullptr);

    // Turning themes off tells every window and refuses new handles; open
    // ones still draw.
    HWND top = createTop();
    HWND child = createChild(top, RECT{0, 0, 20, 20});
    Pump();
    Recorder::instance().clear();
    EXPECT_EQ(EnableTheming(FALSE), S_OK);
    EXPECT_FALSE(IsThemeActive());
    EXPECT_FALSE(IsAppThemed());
    EXPECT_EQ(OpenThemeData(nullptr, "Button"), nullptr);
    ExpectSequence({On(top, Step(WM_THEMECHANGED)), On(child, Step(WM_THEMECHANGED))}, nullptr, "themes off");
    Surface s(30, 30);
    RECT r{2, 2, 28, 28};
    EXPECT_EQ(DrawThemeBackground(button, s.dc, BP_PUSHBUTTON, PBS_NORMAL, &r, nullptr), S_OK);
    Recorder::instance().clear();
    EXPECT_EQ(EnableTheming(FALSE), S_OK); // no change: nobody is told
    EXPECT_TRUE(Recorder::instance().trace().empty());
    EXPECT_EQ(EnableTheming(TRUE), S_OK);
    EXPECT_TRUE(IsThemeActive());

    EXPECT_EQ(CloseThemeData(button), S_OK);
    EXPECT_EQ(CloseThemeData(button), E_HANDLE);
    EXPECT_EQ(DrawThemeBackground(button, s.dc, BP_PUSHBUTTON, PBS_NORMAL, &r, nullptr), E_HANDLE);
    EXPECT_EQ(CloseThemeData(reinterpret_cast<HTHEME>(std::uintptr_t(0x1234))), E_HANDLE);
    EXPECT_EQ(CloseThemeData(nullptr), E_HANDLE);
    EXPECT_EQ(CloseThemeData(fallback), S_OK);
}

TEST_F(ThemeParts, BadArgumentsAreRefusedWithoutDrawing)
{
    HTHEME theme = OpenThemeData(nullptr, "Button");
    Surface s(20, 20);
    RECT r{0, 0, 20, 20};
    EXPECT_EQ(DrawThemeBackground(theme, s.dc, 99, 1, &r, nullptr), E_INVALIDARG);
    EXPECT_EQ(DrawThemeBackground(theme, s.dc, BP_PUSHBUTTON, 6, &r, nullptr), E_INVALIDARG);
    EXPECT_EQ(DrawThemeBackground(theme, s.dc, BP_PUSHBUTTON, -1, &r, nullptr), E_INVALIDARG);
    EXPECT_EQ(DrawThemeBackground(theme, s.dc, BP_PUSHBUTTON, 1, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(DrawThemeBackground(theme, nullptr, BP_PUSHBUTTON, 1, &r, nullptr), E_INVALIDARG);
    RECT inverted{10, 10, 0, 0};
    EXPECT_EQ(DrawThemeBackground(theme, s.dc, BP_PUSHBUTTON, 1, &inverted, nullptr), E_INVALIDARG);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(s.color(x, y), kCanary);
    EXPECT_EQ(DrawThemeText(theme, s.dc, BP_PUSHBUTTON, 1, nullptr, 3, DT_LEFT, 0, &r), E_INVALIDARG);
    EXPECT_EQ(GetThemeColor(theme, BP_PUSHBUTTON, 1, TMT_FILLCOLOR, nullptr), E_POINTER);
    COLORREF c;
    EXPECT_EQ(GetThemeColor(theme, BP_PUSHBUTTON, 1, 12345, &c), E_INVALIDARG);
    EXPECT_EQ(GetThemeColor(theme, BP_GROUPBOX, 1, TMT_FILLCOLOR, &c), E_FAIL); // hollow
    EXPECT_EQ(GetThemePartSize(theme, s.dc, BP_CHECKBOX, 1, nullptr, TS_TRUE, nullptr), E_POINTER);
    HRGN region = reinterpret_cast<HRGN>(std::uintptr_t(1));
    EXPECT_EQ(GetThemeBackgroundRegion(theme, s.dc, 99, 1, &r, &region), E_INVALIDARG);
    EXPECT_EQ(region, nullptr);
    CloseThemeData(theme);
}

TEST_F(ThemeParts, SizesColoursAndTransparency)
{
    HTHEME button = OpenThemeData(nullptr, "Button");
    HTHEME track = OpenThemeData(nullptr, "TrackBar");
    SIZE size{};
    ASSERT_EQ(GetThemePartSize(button, nullptr, BP_CHECKBOX, 1, nullptr, TS_TRUE, &size), S_OK);
    EXPECT_EQ(size, (SIZE{13, 13}));
    RECT small{0, 0, 9, 40};
    ASSERT_EQ(GetThemePartSize(button, nullptr, BP_RADIOBUTTON, 1, &small, TS_DRAW, &size), S_OK);
    EXPECT_EQ(size, (SIZE{9, 13}));
    ASSERT_EQ(GetThemePartSize(track, nullptr, TKP_THUMBBOTTOM, 1, nullptr, TS_TRUE, &size), S_OK);
    EXPECT_EQ(size, (SIZE{11, 21}));
    ASSERT_EQ(GetThemePartSize(track, nullptr, TKP_THUMBLEFT, 1, nullptr, TS_TRUE, &size), S_OK);
    EXPECT_EQ(size, (SIZE{21, 11}));
    ASSERT_EQ(GetThemePartSize(button, nullptr, BP_PUSHBUTTON, 1, nullptr, TS_MIN, &size), S_OK);
    EXPECT_GE(size.cx, 8);

    COLORREF c = 0;
    ASSERT_EQ(GetThemeColor(button, BP_PUSHBUTTON, PBS_DISABLED, TMT_TEXTCOLOR, &c), S_OK);
    EXPECT_EQ(c, GetSysColor(COLOR_GRAYTEXT));
    ASSERT_EQ(GetThemeColor(button, BP_GROUPBOX, GBS_NORMAL, TMT_TEXTCOLOR, &c), S_OK);
    EXPECT_EQ(c, GetSysColor(COLOR_HIGHLIGHT));
    ASSERT_EQ(GetThemeColor(button, BP_PUSHBUTTON, PBS_DEFAULTED, TMT_BORDERCOLOR, &c), S_OK);
    EXPECT_EQ(c, GetSysColor(COLOR_HIGHLIGHT));

    // The colours follow the scheme.
    ASSERT_TRUE(brio::SelectColorScheme("Graphite"));
    ASSERT_EQ(GetThemeColor(button, BP_PUSHBUTTON, PBS_NORMAL, TMT_TEXTCOLOR, &c), S_OK);
    EXPECT_EQ(c, RGB(0xE6, 0xE6, 0xE6));

    EXPECT_TRUE(IsThemeBackgroundPartiallyTransparent(button, BP_PUSHBUTTON, 1)); // rounded
    EXPECT_TRUE(IsThemeBackgroundPartiallyTransparent(button, BP_GROUPBOX, 1));   // hollow
    HTHEME edit = OpenThemeData(nullptr, "Edit");
    EXPECT_FALSE(IsThemeBackgroundPartiallyTransparent(edit, EP_EDITTEXT, 1));
    CloseThemeData(edit);
    CloseThemeData(track);
    CloseThemeData(button);
}

// Renders one part in one state on a canary surface with a margin around
// it; returns what the part painted, row by row, inside its rectangle.
struct Rendered {
    std::vector<COLORREF> pixels;
};

constexpr int kMargin = 6;

TEST_F(ThemeParts, EveryPartPaintsItsRegionOnlyAndItsStatesDiffer)
{
    int parts = 0, states = 0;
    for (const char* scheme : {"Classic", "Graphite"}) {
        ASSERT_TRUE(brio::SelectColorScheme(scheme));
        for (ThemeClass c : kClasses) {
            HTHEME theme = OpenThemeData(nullptr, className(c).c_str());
            ASSERT_NE(theme, nullptr);
            for (const PartInfo& part : brio::theme::PartsOf(c)) {
                ++parts;
                const SIZE size = sampleSize(c, part.part);
                const RECT r{kMargin, kMargin, kMargin + size.cx, kMargin + size.cy};
                std::vector<Rendered> looks;
                bool paintsSomething = false; // normal menu rows are see-through, but not every state
                for (int state = 1; state <= part.states; ++state) {
                    ++states;
                    const std::string what = std::string(scheme) + " " + className(c) + " " + std::string(part.name)
                                             + " state " + std::to_string(state);
                    Surface s(size.cx + 2 * kMargin, size.cy + 2 * kMargin);
                    ASSERT_EQ(DrawThemeBackground(theme, s.dc, part.part, state, &r, nullptr), S_OK) << what;
                    HRGN region = nullptr;
                    ASSERT_EQ(GetThemeBackgroundRegion(theme, s.dc, part.part, state, &r, &region), S_OK) << what;
                    Rendered look;
                    int outside = 0, mismatched = 0;
                    for (int y = 0; y < s.height; ++y)
                        for (int x = 0; x < s.width; ++x) {
                            const bool painted = s.color(x, y) != kCanary;
                            paintsSomething |= painted;
                            if (painted && !Contains(r, x, y))
                                ++outside;
                            if (painted != (PtInRegion(region, x, y) != FALSE))
                                ++mismatched;
                            if (Contains(r, x, y))
                                look.pixels.push_back(s.color(x, y));
                        }
                    DeleteObject(region);
                    EXPECT_EQ(outside, 0) << what << ": painted outside its rectangle";
                    EXPECT_EQ(mismatched, 0) << what << ": region and painted pixels differ";
                    // The text colour belongs to the state as much as the background does.
                    COLORREF text = 0;
                    if (GetThemeColor(theme, part.part, state, TMT_TEXTCOLOR, &text) == S_OK)
                        look.pixels.push_back(text);
                    looks.push_back(std::move(look));
                }
                EXPECT_TRUE(paintsSomething) << scheme << " " << className(c) << " " << part.name;
                for (std::size_t a = 0; a < looks.size(); ++a)
                    for (std::size_t b = a + 1; b < looks.size(); ++b)
                        EXPECT_NE(looks[a].pixels, looks[b].pixels)
                            << scheme << " " << className(c) << " " << part.name << ": states " << a + 1 << " and "
                            << b + 1 << " look the same";
            }
            CloseThemeData(theme);
        }
    }
    std::printf("%d parts with %d states checked over both schemes\n", parts, states);
}

TEST_F(ThemeParts, ClipRectangleLimitsThePainting)
{
    HTHEME theme = OpenThemeData(nullptr, "Button");
    Surface s(100, 40);
    const RECT r{5, 5, 95, 35};
    const RECT clip{0, 0, 50, 40};
    ASSERT_EQ(DrawThemeBackground(theme, s.dc, BP_PUSHBUTTON, PBS_DEFAULTED, &r, &clip), S_OK);
    int left = 0;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const bool painted = s.color(x, y) != kCanary;
            if (x >= 50) {
                ASSERT_FALSE(painted) << x << "," << y;
            }
            left += painted;
        }
    EXPECT_GT(left, 40 * 20);
    CloseThemeData(theme);
}

TEST_F(ThemeParts, RoundedPartsLeaveTheirCornersAndTheWindowRegionIsRoundedAtTheTop)
{
    HTHEME window = OpenThemeData(nullptr, "Window");
    // The themed window region: the caption part over the whole window.
    const RECT frame{0, 0, 200, 120};
    HRGN region = nullptr;
    ASSERT_EQ(GetThemeBackgroundRegion(window, nullptr, WP_CAPTION, CS_ACTIVE, &frame, &region), S_OK);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 199, 0));
    EXPECT_FALSE(PtInRegion(region, 1, 1));
    EXPECT_TRUE(PtInRegion(region, 6, 0));
    EXPECT_TRUE(PtInRegion(region, 0, 6));
    EXPECT_TRUE(PtInRegion(region, 0, 119));
    EXPECT_TRUE(PtInRegion(region, 199, 119));
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box, frame);
    DeleteObject(region);

    // The radio button is round, the pointed thumb leaves its tip's corners.
    HTHEME button = OpenThemeData(nullptr, "Button");
    const RECT radio{0, 0, 13, 13};
    ASSERT_EQ(GetThemeBackgroundRegion(button, nullptr, BP_RADIOBUTTON, RBS_CHECKEDNORMAL, &radio, &region), S_OK);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 12, 12));
    EXPECT_TRUE(PtInRegion(region, 6, 0));
    EXPECT_TRUE(PtInRegion(region, 6, 6));
    DeleteObject(region);
    HTHEME track = OpenThemeData(nullptr, "TrackBar");
    const RECT thumb{0, 0, 11, 21};
    ASSERT_EQ(GetThemeBackgroundRegion(track, nullptr, TKP_THUMBBOTTOM, TUS_NORMAL, &thumb, &region), S_OK);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 0, 20));
    EXPECT_FALSE(PtInRegion(region, 10, 20));
    EXPECT_TRUE(PtInRegion(region, 5, 20));
    DeleteObject(region);
    CloseThemeData(track);
    CloseThemeData(button);
    CloseThemeData(window);
}

TEST_F(ThemeParts, TextTakesThePartsColourAndGreysOnRequest)
{
    HTHEME theme = OpenThemeData(nullptr, "Button");
    Surface s(80, 20, RGB(255, 255, 255));
    const RECT r{0, 0, 80, 20};
    SetTextColor(s.dc, RGB(1, 2, 3));
    ASSERT_EQ(DrawThemeText(theme, s.dc, BP_GROUPBOX, GBS_NORMAL, "MMMM", -1, DT_LEFT | DT_SINGLELINE, 0, &r), S_OK);
    auto has = [&](COLORREF c) {
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                if (s.color(x, y) == c)
                    return true;
        return false;
    };
    EXPECT_TRUE(has(GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(GetTextColor(s.dc), RGB(1, 2, 3)); // the DC is left as it was
    s.clear(RGB(255, 255, 255));
    ASSERT_EQ(DrawThemeText(theme, s.dc, BP_GROUPBOX, GBS_NORMAL, "MMMM", -1, DT_LEFT | DT_SINGLELINE, DTT_GRAYED, &r),
              S_OK);
    EXPECT_TRUE(has(GetSysColor(COLOR_GRAYTEXT)));
    EXPECT_FALSE(has(GetSysColor(COLOR_HIGHLIGHT)));
    CloseThemeData(theme);
}

// Every class, part and state, one row per part, in the scheme's face colour.
void writeGallery(const char* scheme)
{
    constexpr int labelWidth = 150, gap = 8;
    int width = 0, height = gap;
    for (ThemeClass c : kClasses)
        for (const PartInfo& part : brio::theme::PartsOf(c)) {
            const SIZE size = sampleSize(c, part.part);
            width = std::max(width, labelWidth + part.states * (int(size.cx) + gap));
            height += std::max<int>(size.cy, 14) + gap;
        }
    Surface s(width + gap, height, GetSysColor(COLOR_BTNFACE));
    SetBkMode(s.dc, TRANSPARENT);
    int y = gap;
    for (ThemeClass c : kClasses) {
        HTHEME theme = OpenThemeData(nullptr, className(c).c_str());
        for (const PartInfo& part : brio::theme::PartsOf(c)) {
            const SIZE size = sampleSize(c, part.part);
            const int rowHeight = std::max<int>(size.cy, 14);
            SetTextColor(s.dc, GetSysColor(COLOR_BTNTEXT));
            const std::string label = className(c) + " " + std::string(part.name);
            RECT labelBox{gap, y, labelWidth, y + rowHeight};
            DrawText(s.dc, label.c_str(), -1, &labelBox, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            for (int state = 1; state <= part.states; ++state) {
                const int x = labelWidth + (state - 1) * (int(size.cx) + gap);
                const RECT r{x, y, x + size.cx, y + size.cy};
                DrawThemeBackground(theme, s.dc, part.part, state, &r, nullptr);
                COLORREF ignored;
                if (size.cx >= 40 && size.cy >= 14
                    && GetThemeColor(theme, part.part, state, TMT_TEXTCOLOR, &ignored) == S_OK) {
                    RECT text = r;
                    InflateRect(&text, -5, 0);
                    DrawThemeText(theme, s.dc, part.part, state, "Text", -1, DT_LEFT | DT_VCENTER | DT_SINGLELINE, 0,
                                  &text);
                }
            }
            y += rowHeight + gap;
        }
        CloseThemeData(theme);
    }
    s.writePng(std::string("theme-gallery-") + scheme + ".png");
}

TEST_F(ThemeParts, WritesAGalleryForEachScheme)
{
    for (const char* scheme : {"Classic", "Graphite"}) {
        ASSERT_TRUE(brio::SelectColorScheme(scheme));
        writeGallery(scheme);
    }
}

} // namespace
