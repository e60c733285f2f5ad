#pragma once
// Measuring and drawing menu rows, the popup frame and the scroll areas, in
// the skin's look (the menu's bound "PopupMenu" copy) or the plain look in
// the system's menu colours. One look is worked out per open level.

#include "platform/WinTypes.h"

#include <cstdint>

class TCanvas;
class TFont;
class TImageList;
class TSeCustomItem;
class TSeMenuSkin;

namespace brio {

class MeasuringDc;

struct MenuLook {
    TSeMenuSkin* skin = nullptr; // null or unbound: the plain look
    TImageList* images = nullptr;
    int imageColumn = 22;
    // Where the rows' area lies in the frame, and the frame's size, once the
    // level is measured: skinned rows are then copied whole from pictures
    // of the frame with the row drawn over it.
    SIZE frameSize{};
    POINT clientOrigin{};
    bool skinned() const;
};

constexpr int kMenuScrollAreaHeight = 10;
constexpr int kMenuArrowColumn = 22;
constexpr int kPlainFrameWidth = 3;
// Row states the "Item" object is given.
constexpr std::uint8_t kRowNormal = 0;
constexpr std::uint8_t kRowHot = 5;
constexpr std::uint8_t kRowSelected = 7;

MenuLook menuLookFor(TSeMenuSkin* skin, TImageList* images);
// The font rows are measured and drawn with.
TFont* menuRowFont(const MenuLook& look);
// `dc` has menuRowFont(look) selected (one for all rows of a level).
SIZE measureMenuRow(const TSeCustomItem& item, const MenuLook& look, const MeasuringDc& dc);
void drawMenuRow(TCanvas& canvas, const TSeCustomItem& item, const RECT& row, std::uint8_t state,
                 const MenuLook& look);
void drawMenuScrollArea(TCanvas& canvas, const RECT& area, bool up, bool hot, const MenuLook& look);
// The frame over the whole popup (`whole` in the canvas's coordinates).
void drawMenuFrame(TCanvas& canvas, const RECT& whole, const MenuLook& look);
// How far the rows lie inside the popup on each side.
RECT menuFrameInsets(const MenuLook& look);

} // namespace brio
