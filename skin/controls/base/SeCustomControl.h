#pragma once
// TSeCustomControl: the base of every windowed skinned control. On top of
// the framework's custom control it chooses how painting is buffered
// (Performance), can show its parent's picture behind it (Transparent) and
// be translucent against it (Blending), and keeps the pointer-over and
// focus flags that the hot and focused looks read. Framed controls get a
// border width and bevels; controls that scroll can carry skinned scroll bar
// children.
//
// A paint runs: the surface by Performance, the font copied, the parent's
// picture when Transparent, PaintEdges (client area excluded), then
// PaintBackground and Paint, then the blend and the copy to the window.

#include "skin/controls/base/SeControlTypes.h"
#include "skin/controls/options/SeBlending.h"
#include "ui/control/GraphicControl.h"

#include <memory>

class TSeCustomControl : public TCustomControl {
public:
    explicit TSeCustomControl(TComponent* owner);
    ~TSeCustomControl() override;

    TSeBlending* Blending() const { return blending_.get(); }
    void SetBlending(const TSeBlending* value) { blending_->Assign(value); }
    TSePerformance Performance() const { return performance_; }
    // kspNoBuffer is refused while blending is on: a blend needs a bitmap.
    void SetPerformance(TSePerformance value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // The pointer is over the control / the control has the focus, as the
    // control last heard it.
    bool Hot() const { return hot_; }
    bool HasFocus() const { return focused_; }

    // ---- Frame of the framed controls
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TSeBevelSides BevelEdges() const { return bevelEdges_; }
    void SetBevelEdges(TSeBevelSides value);
    TSeBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TSeBevelCut value);
    TSeBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TSeBevelCut value);
    TSeBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TSeBevelKind value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);

    // The parent's picture behind the control into `dc` (origin at the
    // control's corner).
    void CopyParentBackground(HDC dc);

    void WndProc(TMessage& message) override;

protected:
    // Fills the client area with Color unless Transparent.
    virtual void PaintBackground(TCanvas& canvas);
    // Border and bevels; nothing here. DrawBevels is there for overrides.
    virtual void PaintEdges(TCanvas& canvas);
    // The control rectangle less the border and the bevels present.
    virtual TRect GetClientArea() const;
    // A skinned scroll bar child for the given direction, or null when the
    // control has none to offer; owned by the control.
    virtual TControl* CreateScrollBar(bool vertical);
    virtual int ScrollBarThickness() const;
    // The frame (border, bevels) changed; framed controls re-lay out.
    virtual void FrameChanged() {}
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void FocusEnter() {}
    virtual void FocusExit() {}

    void PaintWindow(HDC dc) override;
    void CreateParams(TCreateParams& params) override;
    void Resize() override;
    // Makes or drops the scroll bar children.
    void EnableScrollBars(bool horizontal, bool vertical);
    TControl* HorzScrollBar() const { return horzScrollBar_; }
    TControl* VertScrollBar() const { return vertScrollBar_; }
    // Classic edges for the bevel settings round `r`.
    void DrawBevels(HDC dc, RECT r) const;
    int BevelSize() const;

private:
    void onEraseBackground(TMessage& m);
    void blendingChanged();
    void frameSettingChanged();
    void placeScrollBars();

    std::unique_ptr<TSeBlending> blending_;
    TSePerformance performance_ = kspNoBuffer;
    bool transparent_ = false;
    bool hot_ = false;
    bool focused_ = false;
    int borderWidth_ = 0;
    TSeBevelSides bevelEdges_ = {kbeLeft, kbeTop, kbeRight, kbeBottom};
    TSeBevelCut bevelInner_ = kbvLowered;
    TSeBevelCut bevelOuter_ = kbvLowered;
    TSeBevelKind bevelKind_ = kbkNone;
    int bevelWidth_ = 0;
    TControl* horzScrollBar_ = nullptr;
    TControl* vertScrollBar_ = nullptr;
};
