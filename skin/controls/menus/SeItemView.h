#pragma once
// TSeItemView: the layout and tracking state of one open menu level: the
// item whose visible children are its rows, the selected row, the links to
// the levels above and below, and the scroll position of a scrolled
// submenu. TSePopupView is the view of a popup window: it measures and
// draws the rows there.

#include "skin/controls/menus/SeMenuRows.h"

#include "platform/WinTypes.h"

#include <cstdint>
#include <vector>

class TCanvas;
class TSeCustomItem;
class TSePopupWindow;

// Posted to a level's window: open the selected row's submenu.
constexpr UINT SEM_OPENSUBMENU = 0x046F;

class TSeItemView {
public:
    explicit TSeItemView(TSeCustomItem* item);
    virtual ~TSeItemView();
    TSeItemView(const TSeItemView&) = delete;
    TSeItemView& operator=(const TSeItemView&) = delete;

    TSeCustomItem* Item() const { return item_; }
    TSeItemView* ParentView() const { return parentView_; }
    TSeItemView* ChildView() const { return childView_; }
    // Links this level below `parent` (null for the first level).
    void AttachTo(TSeItemView* parent);
    void Detach();
    TSeItemView* RootView();
    TSeItemView* DeepestView();

    // ---- Rows (the visible children, in order)
    int RowCount() const { return int(rows_.size()); }
    TSeCustomItem* Row(int index) const;
    // The row's rectangle in the window's client area; empty while a
    // scrolled level does not show it.
    RECT RowRect(int index) const;
    int IndexOfRow(const TSeCustomItem* item) const;
    // Reads the rows again when the tree changed since the last layout;
    // true when it did.
    bool Refresh();
    // The item was freed, or its rows changed, since the rows were read:
    // the rows must not be touched (a handler rebuilt the menu while it
    // showed).
    bool Stale() const;
    // Stale() for this level or any other open one.
    bool AnyLevelStale();
    // Repaints every open level whose rows changed their look (an action
    // updated while the menu shows).
    void RepaintChangedLevels();

    // ---- Selection
    int Selected() const { return selected_; }
    TSeCustomItem* SelectedItem() const { return Row(selected_); }
    // -1 clears the selection. The selected row is shown (a scrolled level
    // scrolls to it) and its hint becomes the application's.
    void Select(int index);
    // The first visible row that is not a separator, or -1.
    int FirstSelectable() const;
    // The next selectable row in `direction` (+1, -1), wrapping around;
    // the current one when no other qualifies.
    int Step(int direction) const;
    // The row whose caption has "&" before `ch` (letter case ignored),
    // among rows that may be selected; -1 when none.
    int RowWithAccelerator(unsigned ch) const;
    // The row at a client point (-1 outside every row).
    int RowAt(POINT client) const;

    // ---- Scrolling
    bool IsScrolled() const;
    int FirstVisibleRow() const { return firstVisible_; }
    int ShownRowCount() const;
    void ScrollTo(int firstVisible);
    // Scroll areas in the client area (empty unless scrolled).
    RECT ScrollAreaUp() const;
    RECT ScrollAreaDown() const;
    // -1 up, +1 down, 0 none: where the pointer holds the level scrolling.
    int ScrollDirection() const { return scrollDirection_; }
    void SetScrollDirection(int direction) { scrollDirection_ = direction; }

    // ---- Tracking state
    bool Tracking() const { return tracking_; }
    void SetTracking(bool value) { tracking_ = value; }
    // True once this level's loop must end.
    const bool& Ended() const { return ended_; }
    void End() { ended_ = true; }
    void EndAll();
    bool SubmenuOpen() const { return submenuOpen_; }
    void SetSubmenuOpen(bool value) { submenuOpen_ = value; }

    // ---- Layout
    // Measures every row; the content size follows.
    void Layout(const brio::MenuLook& look);
    SIZE ContentSize() const { return contentSize_; }
    POINT Origin() const { return origin_; }
    void SetOrigin(POINT origin) { origin_ = origin; }

protected:
    // A row (or scroll area) must be drawn again.
    virtual void InvalidateRect(const RECT&) {}

private:
    void placeRows();
    void readRows();

    TSeCustomItem* item_;
    std::uint64_t itemSerial_;
    TSeItemView* parentView_ = nullptr;
    TSeItemView* childView_ = nullptr;
    std::vector<TSeCustomItem*> rows_;
    std::vector<SIZE> rowSizes_;
    std::vector<RECT> rowRects_;
    std::uint64_t rowsVersion_ = 0;
    std::uint64_t rowsLookVersion_ = 0;
    int selected_ = -1;
    int firstVisible_ = 0;
    int scrollDirection_ = 0;
    bool tracking_ = false;
    bool ended_ = false;
    bool submenuOpen_ = false;
    POINT origin_{};
    SIZE contentSize_{};
    int width_ = 0;
};

class TSePopupView : public TSeItemView {
public:
    TSePopupView(TSeCustomItem* item, TSePopupWindow* window);

    TSePopupWindow* Window() const { return window_; }
    HWND Handle() const;
    // The look rows are drawn in (the skin's when the menu has one bound).
    const brio::MenuLook& Look() const { return look_; }
    void SetLook(const brio::MenuLook& look) { look_ = look; }
    // The row's rectangle on the screen.
    RECT RowScreenRect(int index) const;
    bool ContainsScreenPoint(POINT p) const;
    int RowAtScreenPoint(POINT p) const;
    // Draws the rows and scroll areas meeting `clip` (client coordinates).
    void Paint(TCanvas& canvas, const RECT& clip);

protected:
    void InvalidateRect(const RECT& r) override;

private:
    TSePopupWindow* window_;
    brio::MenuLook look_;
};
