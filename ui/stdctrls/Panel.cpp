// TPanel: bevels, border, caption, and the client area inside them.

#include "ui/stdctrls/Panel.h"

#include "ui/graphics/Font.h"
#include "ui/graphics/Pen.h"

#include "platform/Gdi.h"

#include <algorithm>

void Frame3D(TCanvas* canvas, RECT& r, TColor topLeft, TColor bottomRight, int width)
{
    canvas->Pen()->SetWidth(1);
    for (int i = 0; i < width && r.right > r.left && r.bottom > r.top; ++i) {
        --r.right;
        --r.bottom;
        canvas->Pen()->SetColor(topLeft);
        POINT lit[] = {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}};
        canvas->Polyline(lit);
        canvas->Pen()->SetColor(bottomRight);
        POINT shaded[] = {{r.right, r.top}, {r.right, r.bottom}, {r.left - 1, r.bottom}};
        canvas->Polyline(shaded);
        ++r.left;
        ++r.top;
    }
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_.Include(csSetCaption).Include(csOpaque);
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TPanel::layoutChanged()
{
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut value)
{
    if (value == bevelOuter_)
        return;
    bevelOuter_ = value;
    layoutChanged();
}

void TPanel::SetBevelInner(TBevelCut value)
{
    if (value == bevelInner_)
        return;
    bevelInner_ = value;
    layoutChanged();
}

void TPanel::SetBevelWidth(TBevelWidth value)
{
    value = std::max(value, 1);
    if (value == bevelWidth_)
        return;
    bevelWidth_ = value;
    layoutChanged();
}

void TPanel::SetBorderWidth(int value)
{
    value = std::max(value, 0);
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    layoutChanged();
}

void TPanel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TPanel::SetParentBackground(bool value)
{
    if (value == ParentBackground())
        return;
    if (value)
        controlStyle_.Include(csParentBackground);
    else
        controlStyle_.Exclude(csParentBackground);
    Invalidate();
}

void TPanel::AdjustClientRect(TRect& r) const
{
    TCustomControl::AdjustClientRect(r);
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != bvNone)
        inset += bevelWidth_;
    InflateRect(&r, -inset, -inset);
}

void TPanel::Paint()
{
    TCanvas* c = Canvas();
    RECT r = ClientRect();
    TColor face = ParentBackground() && Parent() ? Parent()->Color() : Color();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(face);
    c->FillRect(r);
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone)
            return;
        TColor lit = cut == bvLowered ? clBtnShadow : cut == bvRaised ? clBtnHighlight : face;
        TColor shaded = cut == bvLowered ? clBtnHighlight : cut == bvRaised ? clBtnShadow : face;
        Frame3D(c, r, lit, shaded, bevelWidth_);
    };
    bevel(bevelOuter_);
    Frame3D(c, r, face, face, borderWidth_);
    bevel(bevelInner_);
    if (Caption().empty())
        return;
    static constexpr TTextFormats kAlign[] = {tfLeft, tfRight, tfCenter};
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    if (!Enabled())
        c->Font()->SetColor(clGrayText);
    c->TextRect(r, Caption(), {kAlign[alignment_], tfVerticalCenter, tfSingleLine});
}
