#pragma once
// Named system colour schemes. "Classic" is the grey 3D table the system
// starts with; "Graphite" is dark, matched to the shipped skin, for the
// parts of windows that no skin paints. Selecting a scheme rewrites the
// whole colour table at once; every top-level window then hears
// WM_SYSCOLORCHANGE, every window WM_THEMECHANGED, and all repaint.

#include "platform/gdi/SysColors.h"

#include <array>
#include <string_view>
#include <vector>

namespace brio {

struct ColorScheme {
    std::string_view name;
    std::array<COLORREF, kSysColorCount> colors; // by COLOR_* index
};

// The scheme of that name (letter case ignored), or null.
const ColorScheme* FindColorScheme(std::string_view name);
std::vector<std::string_view> ColorSchemeNames();
// Applies the named scheme. An unknown name changes nothing and gives false.
bool SelectColorScheme(std::string_view name);
// The name of the last scheme selected ("Classic" at start).
std::string_view CurrentColorScheme();

} // namespace brio
