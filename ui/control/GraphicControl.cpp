// Canvas-drawn controls and the control canvas.

#include "ui/control/GraphicControl.h"

#include "platform/WinUser.h"

TControlCanvas::~TControlCanvas()
{
    FreeHandle();
}

void TControlCanvas::CreateHandle()
{
    FreeHandle();
    TPoint offset{0, 0};
    TWinControl* window = dynamic_cast<TWinControl*>(control_);
    if (!window) {
        window = control_->Parent();
        offset = TPoint{control_->Left(), control_->Top()};
    }
    if (!window)
        return;
    dcWindow_ = window->Handle();
    ownDc_ = GetDC(dcWindow_);
    if (!ownDc_)
        return;
    if (window != control_) {
        SetViewportOrgEx(ownDc_, offset.x, offset.y, nullptr);
        IntersectClipRect(ownDc_, 0, 0, control_->Width(), control_->Height());
    }
    SetHandle(ownDc_);
}

void TControlCanvas::FreeHandle()
{
    if (!ownDc_)
        return;
    HDC dc = ownDc_;
    ownDc_ = nullptr;
    SetHandle(nullptr);
    ReleaseDC(dcWindow_, dc);
    dcWindow_ = nullptr;
}

// ---- TGraphicControl --------------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>(this))
{
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& m)
{
    if (m.Msg != WM_PAINT || !m.WParam) {
        TControl::WndProc(m);
        return;
    }
    canvas_->FreeHandle();
    canvas_->Lock();
    canvas_->SetHandle(reinterpret_cast<HDC>(m.WParam));
    canvas_->SetFont(Font());
    canvas_->Brush()->SetColor(Color());
    try {
        Paint();
    } catch (...) {
        canvas_->SetHandle(nullptr);
        canvas_->Unlock();
        throw;
    }
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
}

// ---- TCustomControl ----------------------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>(this))
{
}

TCustomControl::~TCustomControl()
{
    canvas_->FreeHandle();
}

void TCustomControl::PaintWindow(HDC dc)
{
    canvas_->FreeHandle();
    canvas_->Lock();
    canvas_->SetHandle(dc);
    canvas_->SetFont(Font());
    canvas_->Brush()->SetColor(Color());
    try {
        Paint();
    } catch (...) {
        canvas_->SetHandle(nullptr);
        canvas_->Unlock();
        throw;
    }
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
}
