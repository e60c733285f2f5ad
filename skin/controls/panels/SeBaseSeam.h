#pragma once
// Until the skinned control base lands: the framework's canvas controls
// with the few hooks the controls here paint through. Replaced by
// TSeCustomControl and TSeGraphicControl.

#include "ui/control/GraphicControl.h"
#include "ui/graphics/Brush.h"

class TSeSeamControl : public TCustomControl {
public:
    explicit TSeSeamControl(TComponent* owner) : TCustomControl(owner) {}
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value)
    {
        if (value == transparent_)
            return;
        transparent_ = value;
        Invalidate();
    }
    bool MouseInControl() const { return hot_; }
    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_MOUSEENTER)
            hot_ = true;
        else if (m.Msg == CM_MOUSELEAVE)
            hot_ = false;
        TCustomControl::WndProc(m);
    }

protected:
    // The parent's picture behind `r`.
    void PaintParentBackground(TCanvas& canvas, const RECT& r)
    {
        if (!Parent())
            return;
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Parent()->Color());
        canvas.FillRect(r);
    }
    virtual void PaintBackground(TCanvas& canvas)
    {
        if (transparent_)
            return;
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(RECT{0, 0, Width(), Height()});
    }
    virtual void PaintContent(TCanvas&) {}
    void Paint() override
    {
        if (transparent_)
            PaintParentBackground(*Canvas(), RECT{0, 0, Width(), Height()});
        PaintBackground(*Canvas());
        PaintContent(*Canvas());
    }

private:
    bool transparent_ = false;
    bool hot_ = false;
};

class TSeSeamGraphicControl : public TGraphicControl {
public:
    explicit TSeSeamGraphicControl(TComponent* owner) : TGraphicControl(owner) {}
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value)
    {
        if (value == transparent_)
            return;
        transparent_ = value;
        Invalidate();
    }

protected:
    virtual void PaintBackground(TCanvas& canvas)
    {
        if (transparent_)
            return;
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(RECT{0, 0, Width(), Height()});
    }
    virtual void PaintContent(TCanvas&) {}
    void Paint() override
    {
        PaintBackground(*Canvas());
        PaintContent(*Canvas());
    }

private:
    bool transparent_ = false;
};
