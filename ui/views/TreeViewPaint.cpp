// The tree view's classic look: dotted lines between parents and children,
// boxed +/- buttons, the node's image and its highlighted caption.

#include "ui/views/TreeView.h"

#include "ui/graphics/ImageList.h"

#include "platform/Gdi.h"

#include <algorithm>

namespace {

constexpr int kLabelPadding = 2;
constexpr COLORREF kLineColor = RGB(128, 128, 128);

// Every other pixel, aligned to even coordinates so that rows join up.
void DottedVertical(HDC dc, int x, int top, int bottom)
{
    for (int y = top + ((top ^ x) & 1); y < bottom; y += 2)
        SetPixelV(dc, x, y, kLineColor);
}

void DottedHorizontal(HDC dc, int y, int left, int right)
{
    for (int x = left + ((left ^ y) & 1); x < right; x += 2)
        SetPixelV(dc, x, y, kLineColor);
}

} // namespace

void TTreeView::Paint()
{
    TCanvas* canvas = Canvas();
    TRect client = ClientRect();
    canvas->Font()->Assign(Font());
    int rowHeight = RowHeight();
    bool focused = Focused();
    int top = 0;
    for (TTreeNode* node = TopItem(); node && top < client.bottom; node = node->GetNextVisible()) {
        paintRow(canvas, node, TRect{0, top, client.right, top + rowHeight}, focused);
        top += rowHeight;
    }
    if (top < client.bottom)
        FillBackground(canvas, TRect{0, top, client.right, client.bottom});
}

void TTreeView::FillBackground(TCanvas* canvas, const TRect& rect)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(rect);
}

void TTreeView::paintRow(TCanvas* canvas, TTreeNode* node, const TRect& rowRect, bool focused)
{
    HDC dc = canvas->Handle();
    FillBackground(canvas, rowRect);
    if (showLines_)
        paintLines(dc, node, rowRect);
    paintButton(dc, node);

    RowLayout layout = layoutOf(node);
    bool selected = node == selected_;
    if (images_) {
        int index = selected && node->SelectedIndex() >= 0 ? node->SelectedIndex() : node->ImageIndex();
        int top = rowRect.top + (::Height(rowRect) - images_->Height()) / 2;
        images_->Draw(canvas, layout.iconLeft, top, index, Enabled());
    }

    TRect label{layout.labelLeft, rowRect.top, layout.labelRight, rowRect.bottom};
    if (rowSelect_)
        label.right = rowRect.right;
    bool marked = selected && (focused || !hideSelection_);
    if (marked) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(focused ? clHighlight : clBtnFace);
        canvas->FillRect(label);
        if (focused)
            canvas->DrawFocusRect(label);
        canvas->Font()->SetColor(focused ? clHighlightText : Font()->Color());
    } else {
        canvas->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    }
    canvas->Brush()->SetStyle(bsClear);
    TRect text{layout.labelLeft + kLabelPadding, rowRect.top, std::max(layout.labelRight, rowRect.right), rowRect.bottom};
    canvas->TextRect(text, node->Text(), {tfSingleLine, tfVerticalCenter, tfNoPrefix, tfLeft});
}

void TTreeView::paintLines(HDC dc, const TTreeNode* node, const TRect& rowRect)
{
    if (!showRoot_ && !node->Parent())
        return;
    RowLayout layout = layoutOf(node);
    int middle = rowRect.top + ::Height(rowRect) / 2;
    int x = layout.buttonCenter;
    DottedHorizontal(dc, middle, x, layout.iconLeft - 1);
    bool firstOfAll = !node->Parent() && !node->GetPrevSibling();
    DottedVertical(dc, x, firstOfAll ? middle : rowRect.top, node->GetNextSibling() ? rowRect.bottom : middle + 1);
    // Ancestors with later siblings carry their line through this row.
    for (const TTreeNode* a = node->Parent(); a; a = a->Parent()) {
        if (!showRoot_ && !a->Parent())
            break;
        if (a->GetNextSibling())
            DottedVertical(dc, layoutOf(a).buttonCenter, rowRect.top, rowRect.bottom);
    }
}

void TTreeView::paintButton(HDC dc, const TTreeNode* node)
{
    RECT box = ButtonRect(node);
    if (IsRectEmpty(&box))
        return;
    HBRUSH frame = CreateSolidBrush(kLineColor);
    HBRUSH fill = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(dc, &box, fill);
    FrameRect(dc, &box, frame);
    DeleteObject(frame);
    DeleteObject(fill);
    int cx = (box.left + box.right) / 2;
    int cy = (box.top + box.bottom) / 2;
    HBRUSH mark = CreateSolidBrush(RGB(0, 0, 0));
    RECT minus{box.left + 2, cy, box.right - 2, cy + 1};
    FillRect(dc, &minus, mark);
    if (!node->Expanded()) {
        RECT plus{cx, box.top + 2, cx + 1, box.bottom - 2};
        FillRect(dc, &plus, mark);
    }
    DeleteObject(mark);
}
