#include "skin/controls/base/SeGraphicControl.h"

#include "skin/controls/base/SeControlPaint.h"
#include "ui/control/WinControl.h"
#include "ui/graphics/Brush.h"

TSeGraphicControl::TSeGraphicControl(TComponent* owner)
    : TGraphicControl(owner), blending_(std::make_unique<TSeBlending>())
{
    blending_->OnChange = [this] { blendingChanged(); };
    controlStyle_.Include(csOpaque);
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 30);
}

TSeGraphicControl::~TSeGraphicControl() = default;

void TSeGraphicControl::SetPerformance(TSePerformance value)
{
    if (value == kspNoBuffer && blending_->Enabled())
        value = kspDoubleBuffer;
    if (value == performance_)
        return;
    performance_ = value;
    Invalidate();
}

void TSeGraphicControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    // A see-through control lets the parent's picture show: the parent
    // paints under it again.
    if (transparent_)
        controlStyle_.Exclude(csOpaque);
    else
        controlStyle_.Include(csOpaque);
    Invalidate();
}

void TSeGraphicControl::blendingChanged()
{
    if (blending_->Enabled() && performance_ == kspNoBuffer)
        performance_ = kspDoubleBuffer;
    Invalidate();
}

void TSeGraphicControl::PaintBackground(TCanvas& canvas)
{
    if (transparent_)
        return;
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(ClientRect());
}

void TSeGraphicControl::CopyParentBackground(HDC dc)
{
    brio::CopyParentBackground(*this, dc, performance_ != kspNoBuffer, false);
}

void TSeGraphicControl::paintThrough(HDC dc)
{
    brio::ControlPaintSettings settings;
    settings.performance = performance_;
    settings.transparent = transparent_;
    settings.blending = blending_->Enabled();
    settings.blendValue = blending_->Value();
    TCanvas& canvas = *Canvas();
    brio::PaintSkinnedControl(*this, canvas, dc, settings, [&] {
        PaintBackground(canvas);
        Paint();
    });
}

void TSeGraphicControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT:
        if (!m.WParam)
            break;
        paintThrough(reinterpret_cast<HDC>(m.WParam));
        return;
    case CM_MOUSEENTER:
        if (m.LParam && m.LParam != reinterpret_cast<LPARAM>(this))
            break;
        hot_ = true;
        TGraphicControl::WndProc(m);
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        if (m.LParam && m.LParam != reinterpret_cast<LPARAM>(this))
            break;
        hot_ = false;
        TGraphicControl::WndProc(m);
        MouseLeave();
        return;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}
