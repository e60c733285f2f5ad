#include "skin/controls/bars/SeSkinProgressBar.h"

#include "skin/controls/panels/SeSkinParts.h"
#include "skin/engine/SeSkinObject.h"

TSeSkinProgressBar::TSeSkinProgressBar(TComponent* owner) : brio::Skinned<TSeCustomProgressBar>(owner, "ProgressBar")
{
    SetTransparent(true);
    SetBorderWidth(0);
}

TSeSkinProgressBar::~TSeSkinProgressBar() = default;

TSeSkinObject* TSeSkinProgressBar::frame() const { return brio::firstSkinChild(Skin(), {"Frame"}); }

RECT TSeSkinProgressBar::GetBarArea() const
{
    const TSeSkinObject* f = frame();
    if (!f)
        return TSeCustomProgressBar::GetBarArea();
    return RECT{f->MarginLeft(), f->MarginTop(), Width() - f->MarginRight(), Height() - f->MarginBottom()};
}

void TSeSkinProgressBar::PaintBarFrame(TCanvas& canvas)
{
    if (!Skin()) {
        TSeCustomProgressBar::PaintBarFrame(canvas);
        return;
    }
    if (TSeSkinObject* f = frame()) {
        f->ArrangeIn(RECT{0, 0, Width(), Height()});
        f->Draw(canvas);
    }
}

void TSeSkinProgressBar::PaintBar(TCanvas& canvas)
{
    TSeSkinObject* bar = Skin() ? brio::firstSkinChild(Skin(), {horizontal() ? "BarHorz" : "BarVert", "Bar"})
                                           : nullptr;
    if (!bar) {
        if (!Skin())
            TSeCustomProgressBar::PaintBar(canvas);
        return;
    }
    const RECT filled = Intersect(filledRect(GetBarArea()), GetBarArea());
    if (IsEmpty(filled))
        return;
    bar->ArrangeIn(filled);
    bar->Draw(canvas);
}
