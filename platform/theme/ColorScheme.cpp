#include "platform/theme/ColorScheme.h"

#include "platform/text/AsciiText.h"
#include "platform/window/SystemBroadcast.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string>

namespace {

constexpr COLORREF hex(unsigned rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// Dark graphite with an orange accent, taken from the shipped skin's
// palette. Text colours keep at least 4.5:1 against every background they
// are drawn on, disabled text and the embossed shadow colour included, so
// the 3D shadow is a light grey here rather than a dark one.
constexpr std::array<COLORREF, kSysColorCount> kGraphite = {
    hex(0x26282C), // COLOR_SCROLLBAR
    hex(0x1E1F22), // COLOR_BACKGROUND
    hex(0x3D4047), // COLOR_ACTIVECAPTION: the skin's caption top
    hex(0x2C2E32), // COLOR_INACTIVECAPTION
    hex(0x303237), // COLOR_MENU
    hex(0x1F2023), // COLOR_WINDOW: sunken fields
    hex(0x5C6068), // COLOR_WINDOWFRAME: the skin's outline
    hex(0xE6E6E6), // COLOR_MENUTEXT
    hex(0xE6E6E6), // COLOR_WINDOWTEXT
    hex(0xE6E6E6), // COLOR_CAPTIONTEXT
    hex(0x3A3D43), // COLOR_ACTIVEBORDER
    hex(0x2C2E32), // COLOR_INACTIVEBORDER
    hex(0x1F2023), // COLOR_APPWORKSPACE
    hex(0xF28C28), // COLOR_HIGHLIGHT: the accent
    hex(0x1E1F22), // COLOR_HIGHLIGHTTEXT: ink on orange
    hex(0x2B2D31), // COLOR_BTNFACE: the skin's surface
    hex(0x95989F), // COLOR_BTNSHADOW
    hex(0x9A9DA4), // COLOR_GRAYTEXT
    hex(0xE6E6E6), // COLOR_BTNTEXT
    hex(0xA8ABB2), // COLOR_INACTIVECAPTIONTEXT
    hex(0x4A4E56), // COLOR_BTNHIGHLIGHT: the skin's border
    hex(0x161719), // COLOR_3DDKSHADOW
    hex(0x3A3D43), // COLOR_3DLIGHT: raised controls
    hex(0xE6E6E6), // COLOR_INFOTEXT
    hex(0x3A3D43), // COLOR_INFOBK
    hex(0x5C6068), // 25: reserved
    hex(0xFFA040), // COLOR_HOTLIGHT: links in the hot accent
    hex(0x34373C), // COLOR_GRADIENTACTIVECAPTION: the skin's caption bottom
    hex(0x292B2F), // COLOR_GRADIENTINACTIVECAPTION
    hex(0xF28C28), // COLOR_MENUHILIGHT
    hex(0x2B2D31), // COLOR_MENUBAR
};

const std::array<brio::ColorScheme, 2>& schemes()
{
    static const std::array<brio::ColorScheme, 2> all = {
        brio::ColorScheme{"Classic", ClassicSysColors()},
        brio::ColorScheme{"Graphite", kGraphite},
    };
    return all;
}

std::string_view& current()
{
    static std::string_view name = "Classic";
    return name;
}

} // namespace

namespace brio {

const ColorScheme* FindColorScheme(std::string_view name)
{
    for (const ColorScheme& scheme : schemes())
        if (brio::asciiEqualNoCase(scheme.name, name))
            return &scheme;
    return nullptr;
}

std::vector<std::string_view> ColorSchemeNames()
{
    std::vector<std::string_view> names;
    for (const ColorScheme& scheme : schemes())
        names.push_back(scheme.name);
    return names;
}

bool SelectColorScheme(std::string_view name)
{
    const ColorScheme* scheme = FindColorScheme(name);
    if (!scheme)
        return false;
    std::array<int, kSysColorCount> indices;
    std::iota(indices.begin(), indices.end(), 0);
    current() = scheme->name;
    // One call for the whole table: the windows hear of it once.
    SetSysColors(kSysColorCount, indices.data(), scheme->colors.data());
    SendToAllWindows(WM_THEMECHANGED, 0, 0);
    return true;
}

std::string_view CurrentColorScheme()
{
    return current();
}

} // namespace brio
