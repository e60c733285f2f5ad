// The list view's classic look: a header of raised buttons, rows with a
// check box, a small image and the texts of each column.

#include "ui/views/ListView.h"

#include "ui/graphics/ImageList.h"

#include "platform/Gdi.h"

#include <algorithm>

namespace {

constexpr int kTextPadding = 6;
constexpr int kImageGap = 2;
constexpr int kCheckboxArea = 19;
const TTextFormat kCellFormat{tfSingleLine, tfVerticalCenter, tfEndEllipsis, tfNoPrefix, tfLeft};

void DrawCellText(TCanvas* canvas, TRect r, const std::string& text)
{
    r.left += kTextPadding;
    r.right -= kTextPadding / 2;
    if (r.right <= r.left)
        return;
    canvas->TextRect(r, text, kCellFormat);
}

} // namespace

void TListView::Paint()
{
    TCanvas* canvas = Canvas();
    TRect client = ClientRect();
    canvas->Font()->Assign(Font());
    TRect rows = client;
    rows.top = HeaderHeight();
    int rowHeight = RowHeight();
    bool focused = Focused();
    int count = items_->Count();
    for (int index = topIndex_; index < count; ++index) {
        int top = rows.top + (index - topIndex_) * rowHeight;
        if (top >= rows.bottom)
            break;
        paintRow(canvas, items_->Item(index), TRect{0, top, client.right, top + rowHeight}, focused);
    }
    int filled = rows.top + std::max(0, count - topIndex_) * rowHeight;
    if (filled < rows.bottom) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(TRect{0, filled, client.right, rows.bottom});
    }
    if (showColumnHeaders_)
        paintHeader(canvas, client);
}

void TListView::paintHeader(TCanvas* canvas, const TRect& client)
{
    HDC dc = canvas->Handle();
    int height = HeaderHeight();
    int left = -scrollLeft_;
    canvas->Font()->SetColor(clBtnText);
    for (int i = 0; i <= columns_->Count(); ++i) {
        // The space after the last column is one more, empty button.
        bool filler = i == columns_->Count();
        int width = filler ? std::max(0, client.right - left) : columns_->Items(i)->Width();
        if (width <= 0)
            continue;
        RECT r{left, 0, left + width, height};
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(r);
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT);
        if (!filler) {
            canvas->Brush()->SetStyle(bsClear);
            DrawCellText(canvas, TRect{r.left, r.top + 1, r.right, r.bottom - 1}, columns_->Items(i)->Caption());
        }
        left += width;
    }
}

void TListView::paintRow(TCanvas* canvas, TListItem* item, const TRect& rowRect, bool focused)
{
    HDC dc = canvas->Handle();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(rowRect);

    int origin = -scrollLeft_;
    int x = origin;
    if (checkboxes_) {
        RECT box = CheckboxRect(item);
        DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (item->Checked() ? DFCS_CHECKED : 0));
        x += kCheckboxArea;
    }
    if (smallImages_) {
        int top = rowRect.top + (::Height(rowRect) - smallImages_->Height()) / 2;
        smallImages_->Draw(canvas, x + kImageGap, top, item->ImageIndex(), Enabled());
        x += kImageGap + smallImages_->Width();
    }

    int firstWidth = columns_->Count() > 0 ? columns_->Items(0)->Width() : ClientWidth();
    bool selected = item == selected_ && (focused || !hideSelection_);
    TRect label{x, rowRect.top, origin + firstWidth, rowRect.bottom};
    if (!selected) {
        canvas->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    } else {
        TRect highlight = label;
        if (!rowSelect_) {
            // Only the caption is marked: as wide as its text.
            int textWidth = canvas->TextWidth(item->Caption()) + kTextPadding + kTextPadding / 2;
            highlight.right = std::min(label.right, label.left + textWidth);
        } else {
            highlight.right = std::max(rowRect.right, origin + totalColumnWidth());
        }
        canvas->Brush()->SetColor(focused ? clHighlight : clBtnFace);
        canvas->FillRect(highlight);
        canvas->Font()->SetColor(focused ? clHighlightText : Font()->Color());
        if (focused)
            canvas->DrawFocusRect(highlight);
    }
    canvas->Brush()->SetStyle(bsClear);
    DrawCellText(canvas, label, item->Caption());
    if (selected && !rowSelect_)
        canvas->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);

    int left = origin + firstWidth;
    for (int column = 1; column < columns_->Count(); ++column) {
        int width = columns_->Items(column)->Width();
        int sub = column - 1;
        if (sub < item->SubItems()->Count())
            DrawCellText(canvas, TRect{left, rowRect.top, left + width, rowRect.bottom}, item->SubItems()->Strings(sub));
        left += width;
    }
}
