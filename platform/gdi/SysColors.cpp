// System colours: the standard grey 3D scheme, one stock brush per colour.

#include "platform/gdi/SysColors.h"

#include "platform/gdi/GdiObjects.h"

#include <array>

namespace {

constexpr int kColorCount = kSysColorCount;

constexpr std::array<COLORREF, kColorCount> kStandardScheme = {
    RGB(212, 208, 200), // COLOR_SCROLLBAR
    RGB(58, 110, 165),  // COLOR_BACKGROUND
    RGB(10, 36, 106),   // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(212, 208, 200), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(212, 208, 200), // COLOR_ACTIVEBORDER
    RGB(212, 208, 200), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(10, 36, 106),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(212, 208, 200), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),    // COLOR_3DDKSHADOW
    RGB(212, 208, 200), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(181, 181, 181), // 25: reserved, kept so that every index below 31 answers
    RGB(0, 0, 128),     // COLOR_HOTLIGHT
    RGB(166, 202, 240), // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192), // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),   // COLOR_MENUHILIGHT
    RGB(212, 208, 200), // COLOR_MENUBAR
};

struct SysColorTable {
    std::array<COLORREF, kColorCount> colors = kStandardScheme;
    std::array<HBRUSH, kColorCount> brushes{};
    SysColorsChangedHook changed = nullptr;

    SysColorTable()
    {
        for (int i = 0; i < kColorCount; ++i) {
            auto brush = std::make_unique<BrushObject>();
            brush->color = colors[std::size_t(i)];
            brush->markStock();
            brushes[std::size_t(i)] = static_cast<HBRUSH>(InsertGdiObject(std::move(brush)));
        }
    }
};

SysColorTable& sysColors()
{
    static SysColorTable t;
    return t;
}

bool validIndex(int index)
{
    return index >= 0 && index < kColorCount;
}

} // namespace

const std::array<COLORREF, kSysColorCount>& ClassicSysColors()
{
    return kStandardScheme;
}

DWORD GetSysColor(int index)
{
    return validIndex(index) ? sysColors().colors[std::size_t(index)] : 0;
}

HBRUSH GetSysColorBrush(int index)
{
    return validIndex(index) ? sysColors().brushes[std::size_t(index)] : nullptr;
}

BOOL SetSysColors(int count, const int* indices, const COLORREF* colors)
{
    if (count < 0 || (count > 0 && (!indices || !colors)))
        return FALSE;
    // All or nothing: one bad index leaves the whole table as it was.
    for (int i = 0; i < count; ++i)
        if (!validIndex(indices[i]))
            return FALSE;
    SysColorTable& t = sysColors();
    for (int i = 0; i < count; ++i) {
        auto slot = std::size_t(indices[i]);
        COLORREF c = colors[i] & 0x00FFFFFF;
        t.colors[slot] = c;
        // Brushes handed out earlier follow the new colour, as callers keep them.
        if (BrushObject* brush = LookupBrush(t.brushes[slot]))
            brush->color = c;
    }
    if (count > 0 && t.changed)
        t.changed();
    return TRUE;
}

void SetSysColorsChangedHook(SysColorsChangedHook hook)
{
    sysColors().changed = hook;
}
