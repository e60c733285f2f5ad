#include "skin/controls/tree/SeSkinSTreeView.h"

#include "skin/controls/scroll/SeSkinScrollBar.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/graphics/Brush.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Font.h"

TSeSkinSTreeView::TSeSkinSTreeView(TComponent* owner) : TSeCustomTreeView(owner), binding_(*this, "ListBox")
{
    binding_.OnChange = [this] { skinBound(); };
}

TSeSkinSTreeView::~TSeSkinSTreeView()
{
    binding_.OnChange = nullptr;
}

TSeCustomScrollBar* TSeSkinSTreeView::CreateScrollBar(TComponent* owner)
{
    auto* bar = new TSeSkinScrollBar(owner);
    bar->SetSkinEngine(binding_.Engine());
    return bar;
}

void TSeSkinSTreeView::skinBound()
{
    if (TSeSkinObject* copy = binding_.Object()) {
        if (HandleAllocated())
            copy->BindControl(Handle(), BiDiMode());
        SetColor(copy->Color());
        // The items are drawn on the skin's colour, so in its text colour too.
        if (const TFont* font = copy->EffectiveFont())
            Font()->SetColor(font->Color());
    }
    // The overlays' bars follow the tree's engine, also when it is dropped.
    if (TSeSubScrollBar* sub = SubScrollBar())
        for (TSeInplaceScrollBar* overlay : {sub->Vertical(), sub->Horizontal()})
            if (auto* bar = dynamic_cast<TSeSkinScrollBar*>(overlay->ScrollBar()))
                bar->SetSkinEngine(binding_.Engine());
    redrawFrame();
    Invalidate();
}

void TSeSkinSTreeView::Notification(TComponent* component, TOperation operation)
{
    TSeCustomTreeView::Notification(component, operation);
    binding_.Notification(component, operation);
}

void TSeSkinSTreeView::WndProc(TMessage& m)
{
    if (binding_.HandleMessage(m))
        return;
    TSeCustomTreeView::WndProc(m);
}

void TSeSkinSTreeView::PaintTreeBackground(TCanvas& canvas, const RECT& rect)
{
    if (!binding_.Skinned()) {
        TSeCustomTreeView::PaintTreeBackground(canvas, rect);
        return;
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(rect);
}

void TSeSkinSTreeView::FillBackground(TCanvas* canvas, const TRect& rect)
{
    if (!binding_.Skinned()) {
        TSeCustomTreeView::FillBackground(canvas, rect);
        return;
    }
    PaintTreeBackground(*canvas, rect);
}

void TSeSkinSTreeView::PaintTreeFrame(TCanvas& canvas, const RECT& rect)
{
    TSeSkinObject* copy = binding_.Object();
    if (!copy) {
        TSeCustomTreeView::PaintTreeFrame(canvas, rect);
        return;
    }
    TSeSkinObject* frame = FindObject(copy, "Frame");
    if (!frame)
        frame = copy;
    frame->ApplyState(Enabled() ? SeStateNormal : SeStateDisabled);
    frame->ArrangeIn(rect);
    frame->Draw(canvas);
}
