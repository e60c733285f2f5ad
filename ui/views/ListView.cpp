// The list view's geometry, selection, mouse, keys and scrolling. Drawing
// lives in ListViewPaint.cpp.

#include "ui/views/ListView.h"

#include "ui/graphics/FontMetrics.h"
#include "ui/graphics/ImageList.h"
#include "ui/control/NativeScrollBar.h"

#include "platform/Gdi.h"

#include <algorithm>

namespace {

constexpr int kCheckboxSize = 13;
constexpr int kCheckboxLeft = 3;
constexpr int kWheelRows = 3;
constexpr int kHorizontalStep = 16;

} // namespace

TListView::TListView(TComponent* owner)
    : TCustomControl(owner), columns_(std::make_unique<TListColumns>(this)), items_(std::make_unique<TListItems>(this))
{
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetColor(clWindow);
    controlStyle_.Exclude(csAcceptsControls).Exclude(csSetCaption);
    controlStyle_.Include(csOpaque);
}

TListView::~TListView()
{
    Destroying();
    OnSelectItem = nullptr;
    selected_ = nullptr;
    items_.reset();
}

void TListView::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateWnd()
{
    TCustomControl::CreateWnd();
    syncScrollBar();
}

// ---- Properties --------------------------------------------------------------------------------

void TListView::SetCheckboxes(bool value)
{
    if (value == checkboxes_)
        return;
    checkboxes_ = value;
    ItemsChanged();
}

void TListView::SetSmallImages(TImageList* images)
{
    if (images == smallImages_)
        return;
    smallImages_ = images;
    if (images)
        images->FreeNotification(this);
    ItemsChanged();
}

void TListView::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TListView::SetShowColumnHeaders(bool value)
{
    if (value == showColumnHeaders_)
        return;
    showColumnHeaders_ = value;
    ItemsChanged();
}

void TListView::SetRowSelect(bool value)
{
    rowSelect_ = value;
    Invalidate();
}

void TListView::SetHideSelection(bool value)
{
    hideSelection_ = value;
    Invalidate();
}

void TListView::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == smallImages_)
        smallImages_ = nullptr;
}

// ---- Geometry -------------------------------------------------------------------------------------

int TListView::textHeight() const
{
    return FontCellHeight(Font());
}

int TListView::RowHeight() const
{
    int height = textHeight() + 3;
    if (smallImages_)
        height = std::max(height, smallImages_->Height() + 1);
    if (checkboxes_)
        height = std::max(height, kCheckboxSize + 4);
    return height;
}

int TListView::HeaderHeight() const
{
    return showColumnHeaders_ ? textHeight() + 7 : 0;
}

int TListView::VisibleRowCount() const
{
    return std::max(0, (ClientHeight() - HeaderHeight()) / RowHeight());
}

int TListView::maxTopIndex() const
{
    return std::max(0, items_->Count() - std::max(1, VisibleRowCount()));
}

int TListView::totalColumnWidth() const
{
    int width = 0;
    for (int i = 0; i < columns_->Count(); ++i)
        width += columns_->Items(i)->Width();
    return width;
}

TRect TListView::ItemRect(const TListItem* item) const
{
    int index = items_->IndexOf(item);
    if (index < 0)
        return TRect{};
    int top = HeaderHeight() + (index - topIndex_) * RowHeight();
    return TRect{-scrollLeft_, top, std::max(ClientWidth(), totalColumnWidth()) - scrollLeft_, top + RowHeight()};
}

TRect TListView::CheckboxRect(const TListItem* item) const
{
    if (!checkboxes_)
        return TRect{};
    TRect row = ItemRect(item);
    int top = row.top + (::Height(row) - kCheckboxSize) / 2;
    int left = row.left + kCheckboxLeft;
    return TRect{left, top, left + kCheckboxSize, top + kCheckboxSize};
}

TListItem* TListView::GetItemAt(int x, int y) const
{
    int header = HeaderHeight();
    if (x < 0 || x >= ClientWidth() || y < header || y >= ClientHeight())
        return nullptr;
    int index = topIndex_ + (y - header) / RowHeight();
    return index < items_->Count() ? items_->Item(index) : nullptr;
}

TListItem* TListView::TopItem() const
{
    return topIndex_ < items_->Count() ? items_->Item(topIndex_) : nullptr;
}

// ---- Scrolling --------------------------------------------------------------------------------------

void TListView::ScrollTo(int topIndex)
{
    topIndex = std::clamp(topIndex, 0, maxTopIndex());
    if (topIndex == topIndex_)
        return;
    topIndex_ = topIndex;
    syncScrollBar();
    Invalidate();
}

void TListView::ScrollBy(int rows)
{
    ScrollTo(topIndex_ + rows);
}

int TListView::maxScrollLeft() const
{
    return std::max(0, totalColumnWidth() - ClientWidth());
}

void TListView::SetScrollLeft(int pixels)
{
    pixels = std::clamp(pixels, 0, maxScrollLeft());
    if (pixels == scrollLeft_)
        return;
    scrollLeft_ = pixels;
    syncScrollBar();
    Invalidate();
}

void TListView::MakeVisible(const TListItem* item)
{
    int index = items_->IndexOf(item);
    if (index < 0)
        return;
    int visible = std::max(1, VisibleRowCount());
    if (index < topIndex_)
        ScrollTo(index);
    else if (index >= topIndex_ + visible)
        ScrollTo(index - visible + 1);
}

void TListView::handleScrollMessage(WORD code, int position)
{
    int page = std::max(1, VisibleRowCount());
    ScrollTo(ScrollRequestTarget(code, position, topIndex_, 1, page, maxTopIndex()));
}

void TListView::handleHorizontalScroll(WORD code, int position)
{
    int page = std::max(kHorizontalStep, ClientWidth());
    SetScrollLeft(ScrollRequestTarget(code, position, scrollLeft_, kHorizontalStep, page, maxScrollLeft()));
}

// A bar that comes or goes changes the client area, and with it the other
// bar's page: a second pass settles it.
void TListView::syncScrollBar()
{
    if (!HandleAllocated() || syncingScrollBars_ || ComponentState().Contains(csDestroying))
        return;
    syncingScrollBars_ = true;
    for (int pass = 0; pass < 3; ++pass) {
        int width = ClientWidth(), height = ClientHeight();
        int top = std::clamp(topIndex_, 0, maxTopIndex());
        int left = std::clamp(scrollLeft_, 0, maxScrollLeft());
        if (top != topIndex_ || left != scrollLeft_) {
            topIndex_ = top;
            scrollLeft_ = left;
            Invalidate();
        }
        SetNativeScrollBar(Handle(), SB_VERT, items_->Count(), VisibleRowCount(), topIndex_);
        SetNativeScrollBar(Handle(), SB_HORZ, totalColumnWidth(), ClientWidth(), scrollLeft_);
        if (width == ClientWidth() && height == ClientHeight())
            break;
    }
    syncingScrollBars_ = false;
}

void TListView::Resize()
{
    TCustomControl::Resize();
    ScrollTo(topIndex_);
    SetScrollLeft(scrollLeft_);
}

// ---- Items and selection ------------------------------------------------------------------------

void TListView::ItemsChanged()
{
    if (ComponentState().Contains(csDestroying))
        return;
    topIndex_ = std::clamp(topIndex_, 0, maxTopIndex());
    scrollLeft_ = std::clamp(scrollLeft_, 0, maxScrollLeft());
    syncScrollBar();
    Invalidate();
}

void TListView::ItemDeleting(TListItem* item)
{
    // A deleted row leaves quietly, as the classic control does.
    if (selected_ == item)
        selected_ = nullptr;
}

void TListView::SelectItem(TListItem* item, bool selected)
{
    if (selected) {
        if (selected_ == item)
            return;
        TListItem* old = selected_;
        if (old) {
            selected_ = nullptr;
            if (OnSelectItem)
                OnSelectItem(this, old, false);
        }
        selected_ = item;
        Invalidate();
        if (item && OnSelectItem)
            OnSelectItem(this, item, true);
        return;
    }
    if (!item || selected_ != item)
        return;
    selected_ = nullptr;
    Invalidate();
    if (OnSelectItem)
        OnSelectItem(this, item, false);
}

void TListView::SetSelected(TListItem* item)
{
    if (item)
        SelectItem(item, true);
    else if (selected_)
        SelectItem(selected_, false);
}

int TListView::ItemIndex() const
{
    return selected_ ? selected_->Index() : -1;
}

void TListView::SetItemIndex(int index)
{
    SetSelected(index >= 0 && index < items_->Count() ? items_->Item(index) : nullptr);
}

void TListView::moveSelectionTo(int index)
{
    if (items_->Count() == 0)
        return;
    index = std::clamp(index, 0, items_->Count() - 1);
    TListItem* item = items_->Item(index);
    SetSelected(item);
    MakeVisible(item);
}

// ---- Input ------------------------------------------------------------------------------------------

void TListView::pressAt(int x, int y, bool rightButton)
{
    if (CanFocus() && !Focused())
        SetFocus();
    if (y < HeaderHeight())
        return;
    TListItem* item = GetItemAt(x, y);
    if (!item) {
        if (!rightButton)
            SetSelected(nullptr);
        return;
    }
    if (!rightButton && checkboxes_) {
        TRect box = CheckboxRect(item);
        InflateRect(&box, 1, 1);
        if (PtInRect(&box, POINT{x, y})) {
            toggleCheck(item);
            return;
        }
    }
    SetSelected(item);
    MakeVisible(item);
}

void TListView::toggleCheck(TListItem* item)
{
    item->SetChecked(!item->Checked());
    if (OnItemChecked)
        OnItemChecked(this, item);
}

void TListView::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
        pressAt(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam), m.Msg == WM_RBUTTONDOWN);
        break;
    case WM_MOUSEWHEEL:
        ScrollBy(-GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA * kWheelRows);
        m.Result = 0;
        return;
    case WM_VSCROLL:
        handleScrollMessage(LOWORD(m.WParam), short(HIWORD(m.WParam)));
        m.Result = 0;
        return;
    case WM_HSCROLL:
        handleHorizontalScroll(LOWORD(m.WParam), short(HIWORD(m.WParam)));
        m.Result = 0;
        return;
    case WM_SIZE:
        TCustomControl::WndProc(m);
        syncScrollBar();
        return;
    case LVM_SCROLL: {
        // Rows move only whole; a part of a row rounds towards the move.
        int dy = int(m.LParam);
        int rowHeight = RowHeight();
        int rows = dy >= 0 ? (dy + rowHeight - 1) / rowHeight : -((-dy + rowHeight - 1) / rowHeight);
        SetScrollLeft(scrollLeft_ + int(m.WParam));
        ScrollBy(rows);
        m.Result = 1;
        return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

bool TListView::WantsKey(WORD key) const
{
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

void TListView::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    int current = ItemIndex();
    int page = std::max(1, VisibleRowCount() - 1);
    switch (key) {
    case VK_UP: moveSelectionTo(current < 0 ? 0 : current - 1); break;
    case VK_DOWN: moveSelectionTo(current + 1); break;
    case VK_HOME: moveSelectionTo(0); break;
    case VK_END: moveSelectionTo(items_->Count() - 1); break;
    case VK_PRIOR: moveSelectionTo(current < 0 ? 0 : current - page); break;
    case VK_NEXT: moveSelectionTo(current < 0 ? 0 : current + page); break;
    case VK_LEFT: SetScrollLeft(scrollLeft_ - kHorizontalStep); break;
    case VK_RIGHT: SetScrollLeft(scrollLeft_ + kHorizontalStep); break;
    case VK_SPACE:
        if (checkboxes_ && selected_)
            toggleCheck(selected_);
        break;
    default:
        return;
    }
    key = 0;
}
