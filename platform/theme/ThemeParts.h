#pragma once
// What each themed part looks like in each state: a shape, a border ring, a
// fill, an optional accent strip and glyph, and the colour its text takes.
// The painter (ThemePaint) turns a description into pixels and regions.
// Internal to the theme.

#include "platform/theme/ThemeColors.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace brio::theme {

enum class ThemeClass : std::uint8_t { Window, Button, ExplorerBar, ScrollBar, Edit, TrackBar, Menu };

std::optional<ThemeClass> ThemeClassFromName(std::string_view name); // letter case ignored
std::string_view ThemeClassName(ThemeClass themeClass);

enum class Shape : std::uint8_t {
    None,      // only the glyph paints
    Rect,
    RoundRect, // every corner rounded by `radius`
    RoundTop,  // the top corners only
    Ellipse,
    PointUp,   // a thumb whose short end is a point
    PointDown,
    PointLeft,
    PointRight,
    LineHorz,  // a one-pixel line across the middle
    LineRight, // a one-pixel line down the right edge
};

enum class Glyph : std::uint8_t {
    None, Check, Mixed, Dot, Bullet, ArrowUp, ArrowDown, ArrowLeft, ArrowRight,
    Close, Minimize, Maximize, Restore, Help, ChevronUp, ChevronDown,
};

// Sides of the rectangle where the shape goes on beyond it (a frame piece
// that continues into its neighbour): no border ring there.
enum OpenSide : unsigned { OpenLeft = 1, OpenTop = 2, OpenRight = 4, OpenBottom = 8 };

struct PartLook {
    Shape shape = Shape::Rect;
    int radius = 0;
    bool square = false; // drawn in the square centred in the rectangle (check box, radio)
    int inset = 0;       // untouched margin on every side
    std::optional<COLORREF> fill;
    COLORREF border = 0;
    int borderWidth = 0;
    unsigned openSides = 0;
    COLORREF accent = 0;
    int accentRows = 0; // a strip just inside the top border
    Glyph glyph = Glyph::None;
    COLORREF glyphColor = 0;
    int glyphPercent = 50; // of the shorter side
    COLORREF text = 0;           // DrawThemeText's colour
    COLORREF textBackground = 0; // what that text is read against
    bool drawsText = false;      // the part carries text in use
};

// False for a part or state the class does not have. State 0 stands for
// the part's first state.
bool DescribePart(ThemeClass themeClass, int part, int state, const ThemeColors& colors, PartLook& look);

struct PartInfo {
    int part;
    int states; // 1 .. states
    std::string_view name;
};
std::span<const PartInfo> PartsOf(ThemeClass themeClass);
const PartInfo* FindPart(ThemeClass themeClass, int part);
// The natural (TS_TRUE) size; 0 for a side that takes whatever it is given.
SIZE NaturalPartSize(ThemeClass themeClass, int part);

} // namespace brio::theme
