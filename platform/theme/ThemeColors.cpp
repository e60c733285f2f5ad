#include "platform/theme/ThemeColors.h"

#include "platform/Gdi.h"

#include <algorithm>
#include <cmath>

namespace brio::theme {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

COLORREF MixColor(COLORREF from, COLORREF to, double amount)
{
    auto mix = [amount](int a, int b) { return int(std::lround(a + (b - a) * amount)); };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

double RelativeLuminance(COLORREF c)
{
    return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) + 0.0722 * linear(GetBValue(c));
}

double ContrastRatio(COLORREF a, COLORREF b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ThemeColors CurrentThemeColors()
{
    ThemeColors c{};
    c.face = GetSysColor(COLOR_BTNFACE);
    c.text = GetSysColor(COLOR_BTNTEXT);
    c.grayText = GetSysColor(COLOR_GRAYTEXT);
    c.window = GetSysColor(COLOR_WINDOW);
    c.windowText = GetSysColor(COLOR_WINDOWTEXT);
    c.accent = GetSysColor(COLOR_HIGHLIGHT);
    c.accentText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    c.menu = GetSysColor(COLOR_MENU);
    c.menuText = GetSysColor(COLOR_MENUTEXT);
    c.menuBar = GetSysColor(COLOR_MENUBAR);
    c.caption = GetSysColor(COLOR_ACTIVECAPTION);
    c.captionText = GetSysColor(COLOR_CAPTIONTEXT);
    c.inactiveCaption = GetSysColor(COLOR_INACTIVECAPTION);
    c.inactiveCaptionText = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    c.outline = GetSysColor(COLOR_WINDOWFRAME);
    c.activeBorder = GetSysColor(COLOR_ACTIVEBORDER);
    c.inactiveBorder = GetSysColor(COLOR_INACTIVEBORDER);

    c.light = RelativeLuminance(c.face) > 0.4;
    const bool light = c.light;
    c.control = MixColor(c.face, kWhite, light ? 0.45 : 0.07);
    c.controlHot = MixColor(c.face, kWhite, light ? 0.75 : 0.13);
    c.controlPressed = MixColor(c.face, kBlack, light ? 0.08 : 0.12);
    c.border = MixColor(c.face, c.text, light ? 0.40 : 0.18);
    c.borderHot = MixColor(c.face, c.text, light ? 0.60 : 0.32);
    c.borderDisabled = MixColor(c.face, c.text, light ? 0.20 : 0.09);
    c.track = MixColor(c.face, c.window, light ? 0.50 : 0.60);
    c.trackHot = MixColor(c.track, c.text, 0.06);
    c.trackPressed = MixColor(c.track, c.accent, 0.35);
    c.thumb = MixColor(c.face, c.text, light ? 0.28 : 0.22);
    c.thumbHot = MixColor(c.face, c.text, light ? 0.42 : 0.34);
    c.groupBackground = MixColor(c.face, c.window, light ? 0.35 : 0.25);
    c.captionButtonHot = MixColor(c.caption, kWhite, 0.14);
    c.captionButtonPressed = MixColor(c.caption, kBlack, 0.2);
    return c;
}

} // namespace brio::theme
