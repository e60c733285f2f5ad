#include "ui/graphics/Colors.h"

#include "platform/Gdi.h"
#include "platform/text/AsciiText.h"
#include "ui/component/Exception.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace {

struct NamedColor {
    TColor value;
    const char* name;
};

constexpr NamedColor namedColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

} // namespace

COLORREF ColorToRGB(TColor color)
{
    if (color < 0)
        return GetSysColor(int(color & 0xFF));
    return COLORREF(color);
}

std::string ColorToString(TColor color)
{
    for (const NamedColor& c : namedColors)
        if (c.value == color)
            return c.name;
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", unsigned(color));
    return text;
}

bool IdentToColor(const std::string& name, TColor& color)
{
    for (const NamedColor& c : namedColors)
        if (brio::asciiEqualNoCase(c.name, name)) {
            color = c.value;
            return true;
        }
    return false;
}

TColor StringToColor(const std::string& text)
{
    TColor color = 0;
    if (IdentToColor(text, color))
        return color;
    const char* digits = text.c_str();
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        digits = text.c_str() + 1;
        base = 16;
    }
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(digits, &end, base);
    bool whole = *digits != '\0' && end && *end == '\0' && errno == 0;
    bool fits = base == 16 ? (value >= 0 && value <= 0xFFFFFFFFLL) : (value >= INT32_MIN && value <= INT32_MAX);
    if (!whole || !fits || *digits == ' ' || *digits == '+')
        throw EConvertError("'" + text + "' is not a valid colour value");
    return TColor(std::uint32_t(value));
}
