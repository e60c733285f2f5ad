// One level of the plain classic pop-up menu: measuring, placing and
// painting its rows.

#include "ui/menus/PopupMenuWindow.h"

#include "ui/graphics/Font.h"
#include "ui/graphics/ImageList.h"
#include "ui/menus/Menu.h"
#include "ui/forms/Screen.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/gdi/GdiObjectOwner.h"
#include "platform/gdi/MeasuringDc.h"
#include "platform/gdi/MemoryDib.h"
#include "platform/gdi/ScopedSelection.h"

#include <algorithm>

namespace {

constexpr int kItemHeight = 19;
constexpr int kSeparatorHeight = 9;
constexpr int kGutter = 22; // check mark or image on the left, submenu arrow on the right
constexpr int kBorder = 3;
constexpr int kMarkSize = 15;
constexpr int kShortCutGap = 24;
// Pattern where the source is black, the destination where it is white:
// colours a black-on-white mark with the selected brush.
constexpr DWORD kPaintMaskWithBrush = 0x00B8074A;

int RowHeight(const TMenuItem* item)
{
    return item->IsLine() ? kSeparatorHeight : kItemHeight;
}

} // namespace

void brio::paintMenuMark(HDC dc, RECT r, UINT mark, COLORREF color)
{
    int w = ::Width(r);
    int h = ::Height(r);
    brio::MemoryDib mask(w, h);
    if (!mask)
        return;
    RECT local{0, 0, w, h};
    DrawFrameControl(mask.dc(), &local, DFC_MENU, mark);
    brio::GdiObjectOwner<HBRUSH> brush(CreateSolidBrush(color));
    brio::ScopedSelection selectBrush(dc, brush.get());
    BitBlt(dc, r.left, r.top, w, h, mask.dc(), 0, 0, kPaintMaskWithBrush);
}

bool HasSubmenu(const TMenuItem* item)
{
    return item && item->Count() > 0;
}

TMenuPopupWindow::TMenuPopupWindow(TMenuItem* parentItem, TImageList* images)
    : TCustomControl(nullptr), parentItem_(parentItem), images_(images)
{
    SetVisible(false);
    SetColor(clMenu);
    SetFont(Screen->MenuFont());
    for (int i = 0; i < parentItem->Count(); ++i)
        if (parentItem->Items(i)->Visible())
            items_.push_back(parentItem->Items(i));
}

void TMenuPopupWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
    params.WindowClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
}

void TMenuPopupWindow::WndProc(TMessage& m)
{
    if (m.Msg == WM_MOUSEACTIVATE) {
        m.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::WndProc(m);
}

// ---- Geometry ----------------------------------------------------------------------------------

TPoint TMenuPopupWindow::measure() const
{
    int width = 80;
    int height = 2 * kBorder;
    brio::MeasuringDc dc(Font()->Handle());
    auto textWidth = [&](const std::string& text) { return ::Width(dc.textRect(text, RECT{}, DT_SINGLELINE)); };
    for (TMenuItem* item : items_) {
        height += RowHeight(item);
        if (item->IsLine())
            continue;
        int w = textWidth(item->Caption());
        std::string keys = ShortCutToText(item->ShortCut());
        if (!keys.empty())
            w += kShortCutGap + textWidth(keys);
        width = std::max(width, w + 2 * kGutter + 2 * kBorder);
    }
    return TPoint{width, height};
}

void TMenuPopupWindow::layoutAt(TPoint at)
{
    TPoint size = measure();
    int x = std::min(at.x, Screen->Width() - size.x);
    int y = at.y + size.y > Screen->Height() ? at.y - size.y : at.y;
    SetBounds(std::max(0, x), std::max(0, y), size.x, size.y);
}

void TMenuPopupWindow::layoutBeside(const TRect& row)
{
    TPoint size = measure();
    // The frames overlap a little so that the submenu's first row lines up
    // with the row that opened it.
    int x = row.right + kBorder - 1;
    if (x + size.x > Screen->Width())
        x = row.left - kBorder + 1 - size.x;
    int y = std::min(row.top - kBorder, Screen->Height() - size.y);
    SetBounds(std::max(0, x), std::max(0, y), size.x, size.y);
}

int TMenuPopupWindow::itemAt(TPoint client) const
{
    if (client.x < 0 || client.x >= Width())
        return -1;
    int y = kBorder;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        int h = RowHeight(items_[i]);
        if (client.y >= y && client.y < y + h)
            return items_[i]->IsLine() ? -1 : int(i);
        y += h;
    }
    return -1;
}

TRect TMenuPopupWindow::rowScreenRect(int index) const
{
    int y = kBorder;
    for (int i = 0; i < index && i < int(items_.size()); ++i)
        y += RowHeight(items_[std::size_t(i)]);
    TPoint topLeft = ClientToScreen(TPoint{kBorder, y});
    return TRect{topLeft.x, topLeft.y, topLeft.x + Width() - 2 * kBorder, topLeft.y + kItemHeight};
}

bool TMenuPopupWindow::containsScreenPoint(POINT p) const
{
    RECT bounds = BoundsRect();
    return PtInRect(&bounds, p) != 0;
}

// ---- Selection ---------------------------------------------------------------------------------

TMenuItem* TMenuPopupWindow::selectedItem() const
{
    return selected_ >= 0 ? items_[std::size_t(selected_)] : nullptr;
}

void TMenuPopupWindow::select(int index)
{
    if (index == selected_)
        return;
    selected_ = index;
    Invalidate();
}

void TMenuPopupWindow::step(int direction)
{
    int count = int(items_.size());
    int index = selected_;
    for (int tries = 0; tries < count; ++tries) {
        index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
        if (!items_[std::size_t(index)]->IsLine()) {
            select(index);
            return;
        }
    }
}

TMenuItem* TMenuPopupWindow::itemWithAccelerator(WPARAM ch) const
{
    for (TMenuItem* item : items_)
        if (!item->IsLine() && IsAccel(ch, item->Caption()))
            return item;
    return nullptr;
}

// ---- Painting ----------------------------------------------------------------------------------

void TMenuPopupWindow::Paint()
{
    HDC dc = Canvas()->Handle();
    RECT frame = ClientRect();
    FillRect(dc, &frame, GetSysColorBrush(COLOR_MENU));
    DrawEdge(dc, &frame, EDGE_RAISED, BF_RECT);
    SelectObject(dc, Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    int y = kBorder;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        TMenuItem* item = items_[i];
        if (item->IsLine()) {
            RECT line{kBorder + 1, y + kSeparatorHeight / 2 - 1, Width() - kBorder - 1, y + kSeparatorHeight / 2 + 1};
            DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        } else {
            RECT row{kBorder, y, Width() - kBorder, y + kItemHeight};
            paintItem(dc, item, row, int(i) == selected_);
        }
        y += RowHeight(item);
    }
}

void TMenuPopupWindow::paintItem(HDC dc, TMenuItem* item, RECT row, bool selected)
{
    bool enabled = item->Enabled();
    // A lit disabled row is only outlined: grey text does not read on the
    // highlight colour.
    if (selected && enabled)
        FillRect(dc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
    else if (selected)
        FrameRect(dc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
    COLORREF textColor = GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    RECT mark{row.left + 3, row.top + (kItemHeight - kMarkSize) / 2, row.left + 3 + kMarkSize,
              row.top + (kItemHeight - kMarkSize) / 2 + kMarkSize};
    bool hasImage = images_ && item->ImageIndex() >= 0 && item->ImageIndex() < images_->Count();
    if (hasImage) {
        if (item->Checked()) {
            // A checked item with an image shows the image pushed in.
            RECT well = mark;
            InflateRect(&well, 1, 1);
            DrawEdge(dc, &well, BDR_SUNKENOUTER, BF_RECT);
        }
        images_->Draw(Canvas(), row.left + 3 + (kMarkSize - images_->Width()) / 2,
                      row.top + (kItemHeight - images_->Height()) / 2, item->ImageIndex(), enabled);
    } else if (item->Checked()) {
        brio::paintMenuMark(dc, mark, item->RadioItem ? DFCS_MENUBULLET : DFCS_MENUCHECK, textColor);
    }
    if (HasSubmenu(item)) {
        RECT arrow{row.right - kGutter + 4, mark.top, row.right - kGutter + 4 + kMarkSize, mark.bottom};
        brio::paintMenuMark(dc, arrow, DFCS_MENUARROW, textColor);
    }

    RECT text{row.left + kGutter, row.top, row.right - kGutter, row.bottom};
    std::string keys = ShortCutToText(item->ShortCut());
    UINT format = DT_SINGLELINE | DT_VCENTER;
    auto drawTexts = [&](RECT r, COLORREF color) {
        SetTextColor(dc, color);
        DrawText(dc, item->Caption().c_str(), -1, &r, format | DT_LEFT);
        if (!keys.empty())
            DrawText(dc, keys.c_str(), -1, &r, format | DT_RIGHT);
    };
    // A disabled row is etched: a light copy under the gray text, except
    // on the lit row where it would only blur.
    if (!enabled && !selected) {
        RECT shadow = text;
        OffsetRect(&shadow, 1, 1);
        drawTexts(shadow, GetSysColor(COLOR_BTNHIGHLIGHT));
    }
    drawTexts(text, textColor);
}
