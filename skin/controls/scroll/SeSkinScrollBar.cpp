#include "skin/controls/scroll/SeSkinScrollBar.h"

#include "platform/RectMath.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"

TSeSkinScrollBar::TSeSkinScrollBar(TComponent* owner) : TSeCustomScrollBar(owner), binding_(*this, "ScrollBar")
{
    SetBorderWidth(0);
    binding_.OnChange = [this] { skinBound(); };
}

TSeSkinScrollBar::~TSeSkinScrollBar()
{
    binding_.OnChange = nullptr;
}

TSeSkinObject* TSeSkinScrollBar::part(std::initializer_list<const char*> names) const
{
    auto& binding = const_cast<TSeSkinBinding&>(binding_);
    TSeSkinObject* object = binding.Object();
    if (!object)
        return nullptr;
    for (const char* name : names)
        if (TSeSkinObject* found = FindObject(object, name))
            return found;
    return nullptr;
}

TSeSkinObject* TSeSkinScrollBar::frame() const
{
    return vertical() ? part({"VertFrame", "Frame"}) : part({"HorzFrame", "Frame"});
}

void TSeSkinScrollBar::skinBound()
{
    // The frame's thickness is the bar's.
    const TSeSkinObject* f = frame();
    if (!f)
        return;
    if (vertical() && f->Width() > 0)
        SetWidth(f->Width());
    else if (!vertical() && f->Height() > 0)
        SetHeight(f->Height());
}

int TSeSkinScrollBar::GetButtonSize() const
{
    const TSeSkinObject* button = vertical() ? part({"TopButton"}) : part({"LeftButton"});
    if (!button)
        return TSeCustomScrollBar::GetButtonSize();
    return vertical() ? button->Height() : button->Width();
}

void TSeSkinScrollBar::Notification(TComponent* component, TOperation operation)
{
    TSeCustomScrollBar::Notification(component, operation);
    binding_.Notification(component, operation);
}

void TSeSkinScrollBar::WndProc(TMessage& m)
{
    if (binding_.HandleMessage(m))
        return;
    TSeCustomScrollBar::WndProc(m);
}

void TSeSkinScrollBar::drawPart(TCanvas& canvas, TSeSkinObject* object, const RECT& r, bool pressed, bool hot)
{
    if (IsEmpty(r))
        return;
    object->ApplyState(!Enabled() ? SeStateDisabled : pressed ? SeStatePressed : hot ? SeStateHot : SeStateNormal);
    object->ArrangeIn(r);
    object->Draw(canvas);
}

void TSeSkinScrollBar::PaintBarBorder(TCanvas& canvas)
{
    if (!binding_.Skinned())
        TSeCustomScrollBar::PaintBarBorder(canvas);
}

void TSeSkinScrollBar::PaintTrack(TCanvas& canvas)
{
    TSeSkinObject* f = frame();
    if (!f) {
        TSeCustomScrollBar::PaintTrack(canvas);
        return;
    }
    drawPart(canvas, f, ClientRect(), false, false);
}

void TSeSkinScrollBar::PaintFirstButton(TCanvas& canvas)
{
    TSeSkinObject* button = vertical() ? part({"TopButton"}) : part({"LeftButton"});
    if (!button) {
        TSeCustomScrollBar::PaintFirstButton(canvas);
        return;
    }
    drawPart(canvas, button, GetFirstButtonRect(), FirstButtonPressed(), FirstButtonHot());
}

void TSeSkinScrollBar::PaintSecondButton(TCanvas& canvas)
{
    TSeSkinObject* button = vertical() ? part({"BottomButton"}) : part({"RightButton"});
    if (!button) {
        TSeCustomScrollBar::PaintSecondButton(canvas);
        return;
    }
    drawPart(canvas, button, GetSecondButtonRect(), SecondButtonPressed(), SecondButtonHot());
}

void TSeSkinScrollBar::PaintThumb(TCanvas& canvas)
{
    TSeSkinObject* slider = vertical() ? part({"VertSlider", "Slider"}) : part({"HorzSlider", "Slider"});
    if (!slider) {
        TSeCustomScrollBar::PaintThumb(canvas);
        return;
    }
    drawPart(canvas, slider, GetThumbRect(), Dragging(), ThumbHot());
}

void TSeSkinScrollBar::PaintPageUp(TCanvas& canvas)
{
    if (!binding_.Skinned()) {
        TSeCustomScrollBar::PaintPageUp(canvas);
        return;
    }
    const RECT r = GetPageUpRect();
    FillRect(canvas.Handle(), &r, GetSysColorBrush(COLOR_3DSHADOW));
}

void TSeSkinScrollBar::PaintPageDown(TCanvas& canvas)
{
    if (!binding_.Skinned()) {
        TSeCustomScrollBar::PaintPageDown(canvas);
        return;
    }
    const RECT r = GetPageDownRect();
    FillRect(canvas.Handle(), &r, GetSysColorBrush(COLOR_3DSHADOW));
}
