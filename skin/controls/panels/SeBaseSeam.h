#pragma once
// Until the skinned control base lands: the framework's canvas controls
// with the hooks the controls here paint through (PaintBackground, then
// Paint). Replaced by TSeCustomControl and TSeGraphicControl.

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
    bool Hot() const { return hot_; }
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
    void PaintWindow(HDC dc) override
    {
        TCanvas& canvas = *Canvas();
        canvas.SetHandle(dc);
        canvas.SetFont(Font());
        if (transparent_)
            PaintParentBackground(canvas, RECT{0, 0, Width(), Height()});
        PaintBackground(canvas);
        Paint();
        canvas.SetHandle(nullptr);
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
    bool Hot() const { return hot_; }
    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_MOUSEENTER)
            hot_ = true;
        else if (m.Msg == CM_MOUSELEAVE)
            hot_ = false;
        if (m.Msg == WM_PAINT && m.WParam) {
            TCanvas& canvas = *Canvas();
            canvas.SetHandle(reinterpret_cast<HDC>(m.WParam));
            canvas.SetFont(Font());
            PaintBackground(canvas);
            Paint();
            canvas.SetHandle(nullptr);
            return;
        }
        TGraphicControl::WndProc(m);
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

private:
    bool transparent_ = false;
    bool hot_ = false;
};
