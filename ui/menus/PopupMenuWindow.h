#pragma once
// One level of the plain classic pop-up menu: a raised box listing the
// visible items of one menu item, with check marks, images, right-aligned
// shortcut texts and the submenu arrow. It only draws and answers where
// things are; the tracker decides what input does.

#include "ui/control/GraphicControl.h"

#include <vector>

class TMenuItem;
class TImageList;

class TMenuPopupWindow : public TCustomControl {
public:
    TMenuPopupWindow(TMenuItem* parentItem, TImageList* images);

    bool empty() const { return items_.empty(); }
    TMenuItem* parentItem() const { return parentItem_; }
    const std::vector<TMenuItem*>& items() const { return items_; }

    // Sizes the box to its items and places it with its top-left corner
    // at `at`, moved up or left to stay on the screen.
    void layoutAt(TPoint at);
    // Places the box beside `row` (screen coordinates) of its parent
    // menu: on its right, or on its left where the right has no room.
    void layoutBeside(const TRect& row);

    // The row under a client point; -1 for none or a separator.
    int itemAt(TPoint client) const;
    // The screen rectangle of row `index`.
    TRect rowScreenRect(int index) const;
    bool containsScreenPoint(POINT p) const;

    int selected() const { return selected_; }
    TMenuItem* selectedItem() const;
    void select(int index);
    // Moves to the next row that is not a separator, wrapping around.
    void step(int direction);
    TMenuItem* itemWithAccelerator(WPARAM ch) const;

protected:
    void CreateParams(TCreateParams& params) override;
    bool TopLevel() const override { return true; }
    void WndProc(TMessage& m) override;
    void Paint() override;

private:
    TPoint measure() const;
    void paintItem(HDC dc, TMenuItem* item, RECT row, bool selected);

    TMenuItem* parentItem_;
    TImageList* images_;
    std::vector<TMenuItem*> items_;
    int selected_ = -1;
};

// Whether choosing `item` opens a submenu rather than clicking it.
bool HasSubmenu(const TMenuItem* item);

namespace brio {
// Draws one of the black-on-white menu marks (DFCS_MENUCHECK, _MENUBULLET,
// _MENUARROW) in `color`, leaving the background as it is (a lit row stays
// lit around it). Skinned menus draw their marks with it too.
void paintMenuMark(HDC dc, RECT r, UINT mark, COLORREF color);
} // namespace brio
