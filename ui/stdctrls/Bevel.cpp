// TBevel: the classic two-colour edges of boxes, frames and rules.

#include "ui/stdctrls/Bevel.h"

#include "ui/graphics/Pen.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner)
{
    controlStyle_.Include(csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value)
{
    if (value == shape_)
        return;
    shape_ = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas* c = Canvas();
    // Lowered: shadow on the top-left, highlight on the bottom-right.
    TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    int w = Width();
    int h = Height();
    c->Pen()->SetWidth(1);
    auto line = [c](TColor color, int x1, int y1, int x2, int y2) {
        c->Pen()->SetColor(color);
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    // A one-pixel rectangle lit from the top-left.
    auto box = [&](TColor topLeft, TColor bottomRight, int x1, int y1, int x2, int y2) {
        line(topLeft, x1, y2 - 1, x1, y1);
        line(topLeft, x1, y1, x2, y1);
        line(bottomRight, x2 - 1, y1, x2 - 1, y2 - 1);
        line(bottomRight, x2 - 1, y2 - 1, x1 - 1, y2 - 1);
    };
    switch (shape_) {
    case bsBox:
        box(first, second, 0, 0, w, h);
        break;
    case bsFrame:
        // Etched: the shadow frame sits one pixel up and left of the highlight frame.
        box(first, first, 0, 0, w - 1, h - 1);
        box(second, second, 1, 1, w, h);
        break;
    case bsTopLine:
        line(first, 0, 0, w, 0);
        line(second, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(first, 0, h - 2, w, h - 2);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, h);
        line(second, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(first, w - 2, 0, w - 2, h);
        line(second, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}
