// The tree view's rows, hit tests, selection, expansion, mouse, keys and
// scrolling. Drawing lives in TreeViewPaint.cpp.

#include "ui/views/TreeView.h"

#include "ui/graphics/FontMetrics.h"
#include "ui/graphics/Font.h"
#include "ui/graphics/ImageList.h"
#include "ui/control/NativeScrollBar.h"

#include "platform/Gdi.h"
#include "platform/gdi/MeasuringDc.h"

#include <algorithm>

namespace {

constexpr int kButtonSize = 9;
constexpr int kLabelPadding = 2;
constexpr int kWheelRows = 3;

} // namespace

TTreeView::TTreeView(TComponent* owner) : TCustomControl(owner), items_(std::make_unique<TTreeNodes>(this))
{
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    controlStyle_.Exclude(csAcceptsControls).Exclude(csSetCaption);
    controlStyle_.Include(csOpaque);
}

TTreeView::~TTreeView()
{
    Destroying();
    OnChange = nullptr;
    OnChanging = nullptr;
    OnCollapsing = nullptr;
    OnCollapsed = nullptr;
    selected_ = nullptr;
    items_.reset();
}

void TTreeView::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::CreateWnd()
{
    TCustomControl::CreateWnd();
    syncScrollBar();
}

// ---- Properties ---------------------------------------------------------------------------------

void TTreeView::SetImages(TImageList* images)
{
    if (images == images_)
        return;
    images_ = images;
    if (images)
        images->FreeNotification(this);
    NodesChanged();
}

void TTreeView::SetIndent(int value)
{
    value = std::max(value, 1);
    if (value == indent_)
        return;
    indent_ = value;
    Invalidate();
}

void TTreeView::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TTreeView::SetRowSelect(bool value)
{
    rowSelect_ = value;
    Invalidate();
}

void TTreeView::SetHideSelection(bool value)
{
    hideSelection_ = value;
    Invalidate();
}

void TTreeView::SetShowLines(bool value)
{
    showLines_ = value;
    Invalidate();
}

void TTreeView::SetShowButtons(bool value)
{
    showButtons_ = value;
    Invalidate();
}

void TTreeView::SetShowRoot(bool value)
{
    showRoot_ = value;
    Invalidate();
}

void TTreeView::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == images_)
        images_ = nullptr;
}

// ---- Rows and geometry -----------------------------------------------------------------------------

int TTreeView::RowHeight() const
{
    int height = FontCellHeight(Font()) + 3;
    if (images_)
        height = std::max(height, images_->Height() + 1);
    return height;
}

int TTreeView::VisibleRowCount() const
{
    return std::max(0, ClientHeight() / RowHeight());
}

int TTreeView::RowCount() const
{
    int count = 0;
    for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNextVisible())
        ++count;
    return count;
}

int TTreeView::rowOf(const TTreeNode* node) const
{
    if (!node || !node->IsVisible())
        return -1;
    int row = 0;
    for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNextVisible(), ++row)
        if (n == node)
            return row;
    return -1;
}

TTreeNode* TTreeView::nodeAtRow(int row) const
{
    if (row < 0)
        return nullptr;
    TTreeNode* n = items_->GetFirstNode();
    for (; n && row > 0; --row)
        n = n->GetNextVisible();
    return n;
}

TTreeNode* TTreeView::TopItem() const
{
    return nodeAtRow(topRow_);
}

int TTreeView::textWidth(const std::string& text) const
{
    return brio::MeasuringDc(Font()->Handle()).textExtent(text).cx;
}

TTreeView::RowLayout TTreeView::layoutOf(const TTreeNode* node) const
{
    // Each level takes one indent; with ShowRoot the top level has its own
    // column of lines and buttons.
    int columns = node->Level() + (showRoot_ ? 1 : 0);
    RowLayout layout{};
    layout.buttonCenter = (columns - 1) * indent_ + indent_ / 2;
    layout.iconLeft = columns * indent_;
    layout.labelLeft = layout.iconLeft + (images_ ? images_->Width() + kLabelPadding : 0);
    layout.labelRight = layout.labelLeft + textWidth(node->Text()) + 2 * kLabelPadding;
    return layout;
}

TRect TTreeView::NodeRect(const TTreeNode* node) const
{
    int row = rowOf(node);
    if (row < 0)
        return TRect{};
    int top = (row - topRow_) * RowHeight();
    return TRect{0, top, ClientWidth(), top + RowHeight()};
}

TRect TTreeView::ButtonRect(const TTreeNode* node) const
{
    if (!node || !node->HasChildren() || !showButtons_ || (!showRoot_ && !node->Parent()))
        return TRect{};
    TRect row = NodeRect(node);
    if (IsRectEmpty(&row))
        return TRect{};
    int cx = layoutOf(node).buttonCenter;
    int cy = row.top + ::Height(row) / 2;
    return TRect{cx - kButtonSize / 2, cy - kButtonSize / 2, cx + kButtonSize / 2 + 1, cy + kButtonSize / 2 + 1};
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) const
{
    THitTests hits = GetHitTestInfoAt(x, y);
    if (hits.Contains(htNowhere) || hits.Contains(htAbove) || hits.Contains(htBelow) || hits.Contains(htToLeft) ||
        hits.Contains(htToRight))
        return nullptr;
    return nodeAtRow(topRow_ + y / RowHeight());
}

THitTests TTreeView::GetHitTestInfoAt(int x, int y) const
{
    THitTests hits;
    if (y < 0)
        hits.Include(htAbove);
    if (y >= ClientHeight())
        hits.Include(htBelow);
    if (x < 0)
        hits.Include(htToLeft);
    if (x >= ClientWidth())
        hits.Include(htToRight);
    if (!hits.Empty())
        return hits;
    TTreeNode* node = nodeAtRow(topRow_ + y / RowHeight());
    if (!node)
        return {htNowhere};
    RowLayout layout = layoutOf(node);
    TRect button = ButtonRect(node);
    if (!IsRectEmpty(&button) && x >= layout.buttonCenter - indent_ / 2 && x < layout.buttonCenter + indent_ / 2 + 1)
        return {htOnButton};
    if (x < layout.iconLeft)
        return {htOnIndent};
    if (x < layout.labelLeft)
        return {htOnIcon, htOnItem};
    if (x < layout.labelRight)
        return {htOnLabel, htOnItem};
    return {htOnRight};
}

// ---- Scrolling ------------------------------------------------------------------------------------------

int TTreeView::maxTopRow() const
{
    return std::max(0, RowCount() - std::max(1, VisibleRowCount()));
}

void TTreeView::ScrollTo(int row)
{
    row = std::clamp(row, 0, maxTopRow());
    if (row == topRow_)
        return;
    topRow_ = row;
    syncScrollBar();
    Invalidate();
}

// Only rows scroll: the bar is vertical. Showing or hiding it changes the
// client area, which a second pass takes in.
void TTreeView::syncScrollBar()
{
    if (!HandleAllocated() || syncingScrollBar_ || ComponentState().Contains(csDestroying))
        return;
    syncingScrollBar_ = true;
    for (int pass = 0; pass < 2; ++pass) {
        int height = ClientHeight();
        int top = std::clamp(topRow_, 0, maxTopRow());
        if (top != topRow_) {
            topRow_ = top;
            Invalidate();
        }
        SetNativeScrollBar(Handle(), SB_VERT, RowCount(), VisibleRowCount(), topRow_);
        if (height == ClientHeight())
            break;
    }
    syncingScrollBar_ = false;
}

void TTreeView::ScrollIntoView(const TTreeNode* node)
{
    int row = rowOf(node);
    if (row < 0)
        return;
    int visible = std::max(1, VisibleRowCount());
    if (row < topRow_)
        ScrollTo(row);
    else if (row >= topRow_ + visible)
        ScrollTo(row - visible + 1);
}

void TTreeView::handleScrollMessage(WORD code, int position)
{
    int page = std::max(1, VisibleRowCount());
    ScrollTo(ScrollRequestTarget(code, position, topRow_, 1, page, maxTopRow()));
}

void TTreeView::Resize()
{
    TCustomControl::Resize();
    ScrollTo(topRow_);
}

// ---- Nodes, selection and expansion ----------------------------------------------------------------------

void TTreeView::NodesChanged()
{
    if (ComponentState().Contains(csDestroying))
        return;
    topRow_ = std::clamp(topRow_, 0, maxTopRow());
    syncScrollBar();
    Invalidate();
}

void TTreeView::NodeDeleting(TTreeNode* node)
{
    if (!selected_ || (selected_ != node && !selected_->HasAsParent(node)))
        return;
    // The selection moves to a neighbour, as the classic control does.
    TTreeNode* next = node->GetNextSibling();
    if (!next)
        next = node->GetPrevSibling();
    if (!next)
        next = node->Parent();
    if (ComponentState().Contains(csDestroying))
        next = nullptr;
    selected_ = next;
    Invalidate();
    if (OnChange)
        OnChange(this, next);
}

void TTreeView::NodesClearing()
{
    selected_ = nullptr;
    topRow_ = 0;
}

void TTreeView::SetSelected(TTreeNode* node)
{
    if (node == selected_)
        return;
    if (OnChanging) {
        bool allow = true;
        OnChanging(this, node, allow);
        if (!allow)
            return;
    }
    selected_ = node;
    if (node)
        node->MakeVisible();
    Invalidate();
    if (OnChange)
        OnChange(this, node);
}

bool TTreeView::CanExpand(TTreeNode* node)
{
    bool allow = true;
    if (OnExpanding)
        OnExpanding(this, node, allow);
    return allow;
}

bool TTreeView::CanCollapse(TTreeNode* node)
{
    bool allow = true;
    if (OnCollapsing)
        OnCollapsing(this, node, allow);
    return allow;
}

void TTreeView::NodeExpansionChanged(TTreeNode* node)
{
    // A collapse that hides the selection selects the collapsed node.
    if (!node->Expanded() && selected_ && selected_->HasAsParent(node))
        SetSelected(node);
    NodesChanged();
    if (node->Expanded() && OnExpanded)
        OnExpanded(this, node);
    if (!node->Expanded() && OnCollapsed)
        OnCollapsed(this, node);
}

void TTreeView::FullExpand()
{
    items_->BeginUpdate();
    for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNextSibling())
        n->Expand(true);
    items_->EndUpdate();
}

void TTreeView::FullCollapse()
{
    items_->BeginUpdate();
    for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNextSibling())
        n->Collapse(true);
    items_->EndUpdate();
}

// ---- Input ------------------------------------------------------------------------------------------------

void TTreeView::pressAt(int x, int y, UINT msg)
{
    if (CanFocus() && !Focused())
        SetFocus();
    TTreeNode* node = GetNodeAt(x, y);
    if (!node)
        return;
    THitTests hits = GetHitTestInfoAt(x, y);
    if (msg == WM_RBUTTONDOWN) {
        if (RightClickSelect)
            SetSelected(node);
        return;
    }
    if (hits.Contains(htOnButton)) {
        node->SetExpanded(!node->Expanded());
        return;
    }
    if (hits.Contains(htOnItem) || rowSelect_) {
        SetSelected(node);
        if (msg == WM_LBUTTONDBLCLK && node->HasChildren())
            node->SetExpanded(!node->Expanded());
    }
}

void TTreeView::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
        pressAt(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam), m.Msg);
        break;
    case WM_MOUSEWHEEL:
        ScrollBy(-GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA * kWheelRows);
        m.Result = 0;
        return;
    case WM_VSCROLL:
        handleScrollMessage(LOWORD(m.WParam), short(HIWORD(m.WParam)));
        m.Result = 0;
        return;
    case WM_SIZE:
        TCustomControl::WndProc(m);
        syncScrollBar();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

bool TTreeView::WantsKey(WORD key) const
{
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

void TTreeView::moveSelection(TTreeNode* node)
{
    if (node)
        SetSelected(node);
}

void TTreeView::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    TTreeNode* node = selected_;
    int page = std::max(1, VisibleRowCount() - 1);
    switch (key) {
    case VK_UP: moveSelection(node ? node->GetPrevVisible() : items_->GetFirstNode()); break;
    case VK_DOWN: moveSelection(node ? node->GetNextVisible() : items_->GetFirstNode()); break;
    case VK_HOME: moveSelection(items_->GetFirstNode()); break;
    case VK_END: moveSelection(nodeAtRow(RowCount() - 1)); break;
    case VK_PRIOR: moveSelection(nodeAtRow(std::max(0, (node ? rowOf(node) : 0) - page))); break;
    case VK_NEXT: moveSelection(nodeAtRow(std::min(RowCount() - 1, (node ? rowOf(node) : 0) + page))); break;
    case VK_LEFT:
        if (node && node->Expanded())
            node->Collapse(false);
        else if (node)
            moveSelection(node->Parent());
        break;
    case VK_RIGHT:
        if (node && node->HasChildren() && !node->Expanded())
            node->Expand(false);
        else if (node)
            moveSelection(node->GetFirstChild());
        break;
    case VK_ADD:
        if (node)
            node->Expand(false);
        break;
    case VK_SUBTRACT:
        if (node)
            node->Collapse(false);
        break;
    default:
        return;
    }
    key = 0;
}

void TTreeView::KeyPress(char& key)
{
    TCustomControl::KeyPress(key);
    if (!selected_)
        return;
    if (key == '+')
        selected_->Expand(false);
    else if (key == '-')
        selected_->Collapse(false);
    else
        return;
    key = 0;
}
