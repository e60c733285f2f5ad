// Menu levels: rows, selection, scrolling and the popup view's painting.

#include "skin/controls/menus/SeItemView.h"

#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SePopupWindow.h"

#include "ui/control/Control.h"
#include "ui/forms/Application.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Font.h"

#include "platform/RectMath.h"
#include "platform/WinUser.h"
#include "platform/gdi/MeasuringDc.h"

#include <algorithm>

TSeItemView::TSeItemView(TSeCustomItem* item) : item_(item), itemSerial_(item->Serial())
{
    readRows();
}

TSeItemView::~TSeItemView()
{
    Detach();
    if (childView_)
        childView_->parentView_ = nullptr;
}

void TSeItemView::AttachTo(TSeItemView* parent)
{
    Detach();
    parentView_ = parent;
    if (parent)
        parent->childView_ = this;
}

void TSeItemView::Detach()
{
    if (parentView_ && parentView_->childView_ == this)
        parentView_->childView_ = nullptr;
    parentView_ = nullptr;
}

TSeItemView* TSeItemView::RootView()
{
    TSeItemView* view = this;
    while (view->parentView_)
        view = view->parentView_;
    return view;
}

TSeItemView* TSeItemView::DeepestView()
{
    TSeItemView* view = this;
    while (view->childView_)
        view = view->childView_;
    return view;
}

void TSeItemView::EndAll()
{
    for (TSeItemView* view = RootView(); view; view = view->childView_)
        view->End();
}

// ---- Rows ----------------------------------------------------------------------------------

void TSeItemView::readRows()
{
    rows_.clear();
    for (int i = 0; i < item_->Count(); ++i)
        if (item_->Items(i)->Visible())
            rows_.push_back(item_->Items(i));
    rowsVersion_ = item_->ChildrenVersion();
    rowsLookVersion_ = item_->ChildrenLookVersion();
}

bool TSeItemView::Refresh()
{
    if (item_->ChildrenVersion() == rowsVersion_)
        return false;
    TSeCustomItem* selected = SelectedItem();
    readRows();
    selected_ = IndexOfRow(selected);
    return true;
}

bool TSeItemView::Stale() const
{
    return TSeCustomItem::FromSerial(itemSerial_) != item_ || item_->ChildrenVersion() != rowsVersion_;
}

bool TSeItemView::AnyLevelStale()
{
    for (TSeItemView* view = RootView(); view; view = view->childView_)
        if (view->Stale())
            return true;
    return false;
}

void TSeItemView::RepaintChangedLevels()
{
    for (TSeItemView* view = RootView(); view; view = view->childView_) {
        if (view->Stale() || view->item_->ChildrenLookVersion() == view->rowsLookVersion_)
            continue;
        view->rowsLookVersion_ = view->item_->ChildrenLookVersion();
        view->InvalidateRect(RECT{view->origin_.x, view->origin_.y, view->origin_.x + view->contentSize_.cx,
                                  view->origin_.y + view->contentSize_.cy});
    }
}

TSeCustomItem* TSeItemView::Row(int index) const
{
    return index >= 0 && index < RowCount() ? rows_[std::size_t(index)] : nullptr;
}

RECT TSeItemView::RowRect(int index) const
{
    return index >= 0 && index < int(rowRects_.size()) ? rowRects_[std::size_t(index)] : RECT{};
}

int TSeItemView::IndexOfRow(const TSeCustomItem* item) const
{
    auto it = std::find(rows_.begin(), rows_.end(), item);
    return it == rows_.end() ? -1 : int(it - rows_.begin());
}

int TSeItemView::RowAt(POINT client) const
{
    for (int i = 0; i < int(rowRects_.size()); ++i)
        if (PtInRect(&rowRects_[std::size_t(i)], client))
            return i;
    return -1;
}

// ---- Selection -----------------------------------------------------------------------------

int TSeItemView::FirstSelectable() const
{
    for (int i = 0; i < RowCount(); ++i)
        if (rows_[std::size_t(i)]->Selectable())
            return i;
    return -1;
}

int TSeItemView::Step(int direction) const
{
    const int count = RowCount();
    int index = selected_;
    for (int tries = 0; tries < count; ++tries) {
        index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
        if (index == selected_)
            break;
        if (rows_[std::size_t(index)]->Selectable())
            return index;
    }
    return selected_;
}

int TSeItemView::RowWithAccelerator(unsigned ch) const
{
    for (int i = 0; i < RowCount(); ++i) {
        TSeCustomItem* row = rows_[std::size_t(i)];
        if (row->Selectable() && IsAccel(ch, row->Caption()))
            return i;
    }
    return -1;
}

void TSeItemView::Select(int index)
{
    if (index < -1 || index >= RowCount())
        index = -1;
    if (index == selected_)
        return;
    const int old = selected_;
    selected_ = index;
    if (index >= 0 && IsScrolled()) {
        const int shown = ShownRowCount();
        if (index < firstVisible_)
            ScrollTo(index);
        else if (index >= firstVisible_ + shown)
            ScrollTo(index - shown + 1);
    }
    InvalidateRect(RowRect(old));
    InvalidateRect(RowRect(index));
    if (TSeCustomItem* row = Row(index); row && !Stale())
        Application->SetHint(row->Hint());
}

// ---- Scrolling -----------------------------------------------------------------------------

bool TSeItemView::IsScrolled() const
{
    return item_->Scrolled() && item_->ScrollCount() > 0 && RowCount() > item_->ScrollCount();
}

int TSeItemView::ShownRowCount() const
{
    return IsScrolled() ? item_->ScrollCount() : RowCount();
}

void TSeItemView::ScrollTo(int firstVisible)
{
    firstVisible = std::clamp(firstVisible, 0, std::max(0, RowCount() - ShownRowCount()));
    if (firstVisible == firstVisible_)
        return;
    firstVisible_ = firstVisible;
    item_->SetFirstVisibleRow(firstVisible);
    placeRows();
    InvalidateRect(RECT{origin_.x, origin_.y, origin_.x + contentSize_.cx, origin_.y + contentSize_.cy});
}

RECT TSeItemView::ScrollAreaUp() const
{
    if (!IsScrolled())
        return RECT{};
    return RECT{origin_.x, origin_.y, origin_.x + width_, origin_.y + brio::kMenuScrollAreaHeight};
}

RECT TSeItemView::ScrollAreaDown() const
{
    if (!IsScrolled())
        return RECT{};
    const int bottom = origin_.y + contentSize_.cy;
    return RECT{origin_.x, bottom - brio::kMenuScrollAreaHeight, origin_.x + width_, bottom};
}

// ---- Layout --------------------------------------------------------------------------------

void TSeItemView::Layout(const brio::MenuLook& look)
{
    Refresh();
    rowSizes_.clear();
    width_ = 0;
    brio::MeasuringDc dc(brio::menuRowFont(look)->Handle());
    for (TSeCustomItem* row : rows_) {
        rowSizes_.push_back(brio::measureMenuRow(*row, look, dc));
        width_ = std::max(width_, int(rowSizes_.back().cx));
    }
    int height = 0;
    if (IsScrolled()) {
        // The tallest run of shown rows, so the window never has to grow
        // while scrolling.
        const int shown = ShownRowCount();
        for (int first = 0; first + shown <= RowCount(); ++first) {
            int run = 0;
            for (int i = first; i < first + shown; ++i)
                run += rowSizes_[std::size_t(i)].cy;
            height = std::max(height, run);
        }
        height += 2 * brio::kMenuScrollAreaHeight;
        firstVisible_ = std::clamp(item_->FirstVisibleRow(), 0, RowCount() - shown);
    } else {
        for (const SIZE& size : rowSizes_)
            height += size.cy;
        firstVisible_ = 0;
    }
    contentSize_ = SIZE{width_, height};
    placeRows();
}

void TSeItemView::placeRows()
{
    rowRects_.assign(rows_.size(), RECT{});
    int y = origin_.y + (IsScrolled() ? brio::kMenuScrollAreaHeight : 0);
    const int shownEnd = firstVisible_ + ShownRowCount();
    for (int i = 0; i < RowCount() && i < int(rowSizes_.size()); ++i) {
        if (i < firstVisible_ || i >= shownEnd)
            continue;
        const int h = rowSizes_[std::size_t(i)].cy;
        rowRects_[std::size_t(i)] = RECT{origin_.x, y, origin_.x + width_, y + h};
        y += h;
    }
}

// ---- The popup view ------------------------------------------------------------------------

TSePopupView::TSePopupView(TSeCustomItem* item, TSePopupWindow* window) : TSeItemView(item), window_(window) {}

HWND TSePopupView::Handle() const
{
    return window_->Handle();
}

RECT TSePopupView::RowScreenRect(int index) const
{
    RECT r = RowRect(index);
    POINT topLeft{r.left, r.top};
    ClientToScreen(Handle(), &topLeft);
    return Offset(r, topLeft.x - r.left, topLeft.y - r.top);
}

bool TSePopupView::ContainsScreenPoint(POINT p) const
{
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    return PtInRect(&bounds, p) != 0;
}

int TSePopupView::RowAtScreenPoint(POINT p) const
{
    ScreenToClient(Handle(), &p);
    return RowAt(p);
}

void TSePopupView::Paint(TCanvas& canvas, const RECT& clip)
{
    if (Stale())
        return;
    auto meets = [&clip](const RECT& r) { return !IsEmpty(Intersect(clip, r)); };
    for (int i = 0; i < RowCount(); ++i) {
        const RECT r = RowRect(i);
        if (!meets(r))
            continue;
        const bool lit = i == Selected() && Tracking();
        brio::drawMenuRow(canvas, *Row(i), r, lit ? brio::kRowSelected : brio::kRowNormal, look_);
    }
    if (!IsScrolled())
        return;
    if (meets(ScrollAreaUp()))
        brio::drawMenuScrollArea(canvas, ScrollAreaUp(), true, ScrollDirection() < 0, look_);
    if (meets(ScrollAreaDown()))
        brio::drawMenuScrollArea(canvas, ScrollAreaDown(), false, ScrollDirection() > 0, look_);
}

void TSePopupView::InvalidateRect(const RECT& r)
{
    if (r.right > r.left && r.bottom > r.top && window_->HandleAllocated())
        ::InvalidateRect(Handle(), &r, TRUE);
}
