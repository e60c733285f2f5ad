#pragma once
// TCanvas: drawing on a device context with a font, a brush and a pen that
// are selected into the DC only when an operation needs them, and
// deselected again when they change or the DC goes away.

#include "platform/WinTypes.h"
#include "ui/graphics/Brush.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/Font.h"
#include "ui/graphics/Pen.h"

#include <memory>
#include <span>
#include <string>

class TGraphic;

enum TCanvasStateItem : std::uint8_t { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStateItem>;

enum TTextFormats : std::uint8_t {
    tfBottom,
    tfCalcRect,
    tfCenter,
    tfEditControl,
    tfEndEllipsis,
    tfPathEllipsis,
    tfExpandTabs,
    tfExternalLeading,
    tfLeft,
    tfModifyString,
    tfNoClip,
    tfNoPrefix,
    tfRight,
    tfRtlReading,
    tfSingleLine,
    tfTop,
    tfVerticalCenter,
    tfWordBreak,
    tfHidePrefix,
    tfNoFullWidthCharBreak,
    tfPrefixOnly,
    tfTabStop,
    tfWordEllipsis,
    tfComposited,
};
using TTextFormat = TSet<TTextFormats>;

// The DT_* flags DrawText takes for `format`.
unsigned TextFormatToDrawTextFlags(TTextFormat format);

using TCopyMode = DWORD;

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The DC, made by CreateHandle when there is none; raises
    // EInvalidOperation "Canvas does not allow drawing" when none can be had.
    HDC Handle();
    // Deselects the font, brush and pen from the old DC; the canvas never
    // owns a DC given here.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return handle_ != nullptr; }

    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* font) { font_->Assign(font); }
    TBrush* Brush() const { return brush_.get(); }
    void SetBrush(const TBrush* brush) { brush_->Assign(brush); }
    TPen* Pen() const { return pen_.get(); }
    void SetPen(const TPen* pen) { pen_->Assign(pen); }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }
    // ETO_* options for TextOut and TextRect.
    int TextFlags() const { return textFlags_; }
    void SetTextFlags(int flags) { textFlags_ = flags; }

    POINT PenPos();
    void SetPenPos(POINT p) { MoveTo(p.x, p.y); }
    // clNone where the point is outside the surface.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);
    // The clip box in logical coordinates.
    RECT ClipRect();

    void FillRect(const RECT& r);
    void FrameRect(const RECT& r);
    void DrawFocusRect(const RECT& r);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const RECT& r) { Ellipse(r.left, r.top, r.right, r.bottom); }
    void Polygon(std::span<const POINT> points);
    void Polyline(std::span<const POINT> points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

    // Leaves the pen position at the end of the text, as the classic canvas.
    void TextOut(int x, int y, const std::string& text);
    // Text at (x, y) clipped to `r`; with a solid brush `r` is filled first.
    void TextRect(const RECT& r, int x, int y, const std::string& text);
    // DrawText within `r`; with tfCalcRect, `r` receives the measured box
    // and nothing is drawn.
    void TextRect(RECT& r, const std::string& text, TTextFormat format);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const RECT& r, TGraphic* graphic);
    // StretchBlt in CopyMode from `source`.
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

    // The canvas is used by one thread only; these keep code written for
    // shared canvases working.
    void Lock() { ++lockCount_; }
    void Unlock()
    {
        if (lockCount_ > 0)
            --lockCount_;
    }
    bool TryLock()
    {
        Lock();
        return true;
    }
    int LockCount() const { return lockCount_; }

    // Deselects everything; the next operation selects afresh.
    void Refresh();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    virtual void CreateHandle() {}
    virtual void Changing();
    virtual void Changed();
    void RequiredState(TCanvasState required);
    void DeselectHandles();
    TCanvasState State() const { return state_; }

private:
    void fontChanged();
    void penChanged();
    void brushChanged();
    void selectFont();
    void selectPen();
    void selectBrush();

    HDC handle_ = nullptr;
    TCanvasState state_;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TBrush> brush_;
    std::unique_ptr<TPen> pen_;
    TCopyMode copyMode_;
    int textFlags_ = 0;
    int lockCount_ = 0;
};
