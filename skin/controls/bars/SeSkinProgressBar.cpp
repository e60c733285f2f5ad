#include "skin/controls/bars/SeSkinProgressBar.h"

TSeSkinProgressBar::TSeSkinProgressBar(TComponent* owner) : TSeCustomProgressBar(owner), binding_(*this, "ProgressBar")
{
    SetTransparent(true);
    SetBorderWidth(0);
}

TSeSkinProgressBar::~TSeSkinProgressBar() = default;

void TSeSkinProgressBar::SetSkinEngine(TSeSkinEngine* engine)
{
    binding_.setEngine(engine);
    Invalidate();
}

void TSeSkinProgressBar::SetSkinObject(const std::string& name)
{
    if (binding_.setObjectName(name))
        Invalidate();
}

void TSeSkinProgressBar::Notification(TComponent* component, TOperation operation)
{
    TSeCustomProgressBar::Notification(component, operation);
    if (operation == opRemove && binding_.engineRemoved(component))
        Invalidate();
}

void TSeSkinProgressBar::WndProc(TMessage& m)
{
    if (binding_.handle(m) != brio::SeSkinBinding::Outcome::none) {
        Invalidate();
        return;
    }
    TSeCustomProgressBar::WndProc(m);
}

RECT TSeSkinProgressBar::GetBarArea() const
{
    const TSeSkinObject* f = frame();
    if (!f)
        return TSeCustomProgressBar::GetBarArea();
    return RECT{f->MarginLeft(), f->MarginTop(), Width() - f->MarginRight(), Height() - f->MarginBottom()};
}

void TSeSkinProgressBar::PaintBarFrame(TCanvas& canvas)
{
    if (!binding_.usable()) {
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
    TSeSkinObject* bar = binding_.usable() ? binding_.firstChild({horizontal() ? "BarHorz" : "BarVert", "Bar"})
                                           : nullptr;
    if (!bar) {
        if (!binding_.usable())
            TSeCustomProgressBar::PaintBar(canvas);
        return;
    }
    const RECT filled = Intersect(filledRect(GetBarArea()), GetBarArea());
    if (IsEmpty(filled))
        return;
    bar->ArrangeIn(filled);
    bar->Draw(canvas);
}
