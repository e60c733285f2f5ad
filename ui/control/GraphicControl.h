#pragma once
// Controls that draw themselves on a canvas: TGraphicControl (no window;
// painted in its parent's WM_PAINT) and TCustomControl (a window of its
// own). Both override Paint; the canvas holds the paint DC only while Paint
// runs, or a DC of their own between BeginDraw and EndDraw.

#include "ui/graphics/Canvas.h"
#include "ui/control/WinControl.h"

// A canvas on a control's DC: the control's own window, or for a windowless
// control its parent's window, moved and clipped to the control's bounds.
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl* control) : control_(control) {}
    ~TControlCanvas() override;
    TControl* Control() const { return control_; }
    // Releases a DC the canvas fetched itself.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    TControl* control_;
    HWND dcWindow_ = nullptr;
    HDC ownDc_ = nullptr;
};

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TControlCanvas> canvas_;
};

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> canvas_;
};
