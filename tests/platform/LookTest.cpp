// The look: a control asks for a part and gets the themed one while themes
// are on and the classic painters' otherwise; never anything outside the
// part's rectangle. The gallery shows every look part in both schemes,
// themed and classic.

#include "ThemeTestSupport.h"

#include "platform/RectMath.h"
#include "platform/theme/ColorScheme.h"
#include "platform/theme/Look.h"
#include "platform/UxTheme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace themetest;
using brio::LookPart;
using brio::LookState;

namespace {

class Look : public ::testing::Test {
protected:
    void TearDown() override
    {
        EnableTheming(TRUE);
        brio::SelectColorScheme("Classic");
    }
};

std::vector<COLORREF> pixelsOf(const Surface& s)
{
    std::vector<COLORREF> out;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            out.push_back(s.color(x, y));
    return out;
}

// The same rectangle drawn by the look and by a direct call must match.
template <class Direct> void expectSame(LookPart part, const LookState& state, Direct direct, const char* what)
{
    Surface viaLook(40, 30), viaDirect(40, 30);
    const RECT r{4, 4, 36, 26};
    brio::DrawLookPart(viaLook.dc, part, state, r);
    RECT copy = r;
    direct(viaDirect.dc, copy);
    EXPECT_EQ(pixelsOf(viaLook), pixelsOf(viaDirect)) << what;
}

TEST_F(Look, ThemedPartsComeFromTheVisualStyles)
{
    ASSERT_TRUE(brio::LookThemed());
    HTHEME button = OpenThemeData(nullptr, "Button");
    HTHEME scroll = OpenThemeData(nullptr, "ScrollBar");
    HTHEME bar = OpenThemeData(nullptr, "ExplorerBar");
    LookState defaulted;
    defaulted.defaulted = true;
    expectSame(LookPart::PushButton, defaulted,
               [&](HDC dc, RECT& r) { DrawThemeBackground(button, dc, BP_PUSHBUTTON, PBS_DEFAULTED, &r, nullptr); },
               "default push button");
    LookState mixedHot;
    mixedHot.mixed = true;
    mixedHot.hot = true;
    expectSame(LookPart::CheckBox, mixedHot,
               [&](HDC dc, RECT& r) { DrawThemeBackground(button, dc, BP_CHECKBOX, CBS_MIXEDHOT, &r, nullptr); },
               "mixed hot check box");
    LookState pressed;
    pressed.pressed = true;
    expectSame(LookPart::ScrollArrowLeft, pressed,
               [&](HDC dc, RECT& r) { DrawThemeBackground(scroll, dc, SBP_ARROWBTN, ABS_LEFTPRESSED, &r, nullptr); },
               "pressed left arrow");
    expectSame(LookPart::PanelHead, LookState{},
               [&](HDC dc, RECT& r) { DrawThemeBackground(bar, dc, EBP_NORMALGROUPHEAD, 1, &r, nullptr); },
               "panel head");
    CloseThemeData(bar);
    CloseThemeData(scroll);
    CloseThemeData(button);

    LookState disabled;
    disabled.disabled = true;
    EXPECT_EQ(brio::LookTextColor(LookPart::PushButton, disabled), GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(brio::LookTextColor(LookPart::GroupBox, LookState{}), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(Look, WithThemesOffPartsComeFromTheClassicPainters)
{
    EnableTheming(FALSE);
    ASSERT_FALSE(brio::LookThemed());
    LookState pressed;
    pressed.pressed = true;
    expectSame(LookPart::PushButton, pressed,
               [](HDC dc, RECT& r) { DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED); },
               "pressed push button");
    LookState checkedOff;
    checkedOff.checked = true;
    checkedOff.disabled = true;
    expectSame(
        LookPart::CheckBox, checkedOff,
        [](HDC dc, RECT& r) { DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE); },
        "checked disabled check box");
    expectSame(
        LookPart::ScrollArrowUp, pressed,
        [](HDC dc, RECT& r) { DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLUP | DFCS_PUSHED | DFCS_FLAT); },
        "pressed scroll arrow");
    expectSame(LookPart::ScrollThumbVert, LookState{},
               [](HDC dc, RECT& r) { DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE); }, "scroll thumb");
    expectSame(
        LookPart::EditFrame, LookState{},
        [](HDC dc, RECT& r) {
            FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
            DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        },
        "edit frame");
    expectSame(LookPart::CaptionClose, LookState{},
               [](HDC dc, RECT& r) { DrawFrameControl(dc, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE); }, "caption close");

    LookState hot;
    hot.hot = true;
    EXPECT_EQ(brio::LookTextColor(LookPart::MenuItem, hot), GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(brio::LookTextColor(LookPart::EditFrame, LookState{}), GetSysColor(COLOR_WINDOWTEXT));
}

// The states a control asks for, each flag on its own plus the checked ones.
std::vector<LookState> statesToShow()
{
    std::vector<LookState> states(1);
    auto with = [](auto set) {
        LookState s;
        set(s);
        return s;
    };
    states.push_back(with([](LookState& s) { s.hot = true; }));
    states.push_back(with([](LookState& s) { s.pressed = true; }));
    states.push_back(with([](LookState& s) { s.focused = true; }));
    states.push_back(with([](LookState& s) { s.disabled = true; }));
    states.push_back(with([](LookState& s) { s.checked = true; }));
    states.push_back(with([](LookState& s) { s.mixed = true; }));
    states.push_back(with([](LookState& s) { s.checked = s.disabled = true; }));
    states.push_back(with([](LookState& s) { s.defaulted = true; }));
    return states;
}

SIZE lookSize(LookPart part)
{
    switch (part) {
    case LookPart::CheckBox:
    case LookPart::RadioButton:
    case LookPart::MenuCheck:
    case LookPart::MenuBullet: return {16, 16};
    case LookPart::ScrollArrowUp:
    case LookPart::ScrollArrowDown:
    case LookPart::ScrollArrowLeft:
    case LookPart::ScrollArrowRight: return {17, 17};
    case LookPart::ScrollThumbVert:
    case LookPart::ScrollTrackVert: return {17, 40};
    case LookPart::ScrollThumbHorz:
    case LookPart::ScrollTrackHorz: return {40, 17};
    case LookPart::TrackChannel: return {60, 6};
    case LookPart::TrackChannelVert: return {6, 40};
    case LookPart::TrackThumb:
    case LookPart::TrackThumbDown:
    case LookPart::TrackThumbUp: return {11, 21};
    case LookPart::TrackThumbVert:
    case LookPart::TrackThumbLeft:
    case LookPart::TrackThumbRight: return {21, 11};
    case LookPart::PanelClose:
    case LookPart::PanelCollapse:
    case LookPart::PanelExpand: return {20, 20};
    case LookPart::MenuSubmenu: return {9, 16};
    case LookPart::MenuSeparator: return {60, 7};
    case LookPart::CaptionClose:
    case LookPart::CaptionMinimize:
    case LookPart::CaptionMaximize:
    case LookPart::CaptionRestore:
    case LookPart::CaptionHelp: return {18, 16};
    default: return {64, 24};
    }
}

TEST_F(Look, EveryPartStaysInItsRectangleAndAGalleryShowsThemAll)
{
    constexpr int labelWidth = 150, gap = 6, margin = 4;
    const std::vector<LookState> states = statesToShow();
    int width = 0, height = gap;
    for (int p = 0; p < brio::kLookPartCount; ++p) {
        const SIZE size = lookSize(LookPart(p));
        width = std::max(width, labelWidth + int(states.size()) * (int(size.cx) + gap));
        height += std::max<int>(size.cy, 14) + gap;
    }
    // Four panels side by side: Classic and Graphite, each themed and classic.
    const int panelWidth = width + gap;
    Surface gallery(4 * panelWidth, height);
    int panel = 0;
    for (const char* scheme : {"Classic", "Graphite"})
        for (const bool themed : {true, false}) {
            ASSERT_TRUE(brio::SelectColorScheme(scheme));
            EnableTheming(themed ? TRUE : FALSE);
            const int left = panel++ * panelWidth;
            RECT background{left, 0, left + panelWidth, height};
            FillRect(gallery.dc, &background, GetSysColorBrush(COLOR_BTNFACE));
            SetBkMode(gallery.dc, TRANSPARENT);
            int y = gap;
            for (int p = 0; p < brio::kLookPartCount; ++p) {
                const LookPart part = LookPart(p);
                const SIZE size = lookSize(part);
                const int rowHeight = std::max<int>(size.cy, 14);
                SetTextColor(gallery.dc, GetSysColor(COLOR_BTNTEXT));
                const std::string label = std::string(brio::LookPartName(part));
                RECT labelBox{left + gap, y, left + labelWidth, y + rowHeight};
                DrawText(gallery.dc, label.c_str(), -1, &labelBox, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
                for (std::size_t i = 0; i < states.size(); ++i) {
                    const int x = left + labelWidth + int(i) * (int(size.cx) + gap);
                    const RECT r{x, y, x + size.cx, y + size.cy};
                    brio::DrawLookPart(gallery.dc, part, states[i], r);
                    if (size.cx >= 60 && size.cy >= 14)
                        brio::DrawLookText(gallery.dc, part, states[i], "Text", RECT{x + 6, y, r.right, r.bottom},
                                           DT_LEFT | DT_VCENTER | DT_SINGLELINE);

                    // Alone on a canary surface: nothing outside the rectangle.
                    Surface alone(size.cx + 2 * margin, size.cy + 2 * margin);
                    const RECT inner{margin, margin, margin + size.cx, margin + size.cy};
                    brio::DrawLookPart(alone.dc, part, states[i], inner);
                    int outside = 0;
                    for (int yy = 0; yy < alone.height; ++yy)
                        for (int xx = 0; xx < alone.width; ++xx)
                            outside += !Contains(inner, xx, yy) && alone.color(xx, yy) != kCanary;
                    EXPECT_EQ(outside, 0) << scheme << (themed ? " themed " : " classic ") << label << " state " << i;
                }
                y += rowHeight + gap;
            }
        }
    gallery.writePng("look-gallery.png");
}

} // namespace
