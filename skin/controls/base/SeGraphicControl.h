#pragma once
// TSeGraphicControl: the base of the windowless skinned controls (labels,
// splitters). It paints on its parent's DC by the same rules as
// TSeCustomControl: buffering by Performance, the parent's picture behind it
// when Transparent, translucency by Blending.

#include "skin/controls/base/SeControlTypes.h"
#include "skin/controls/options/SeBlending.h"
#include "ui/control/GraphicControl.h"

#include <memory>

class TSeGraphicControl : public TGraphicControl {
public:
    explicit TSeGraphicControl(TComponent* owner);
    ~TSeGraphicControl() override;

    TSeBlending* Blending() const { return blending_.get(); }
    void SetBlending(const TSeBlending* value) { blending_->Assign(value); }
    TSePerformance Performance() const { return performance_; }
    // kspNoBuffer is refused while blending is on.
    void SetPerformance(TSePerformance value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool Hot() const { return hot_; }

    void CopyParentBackground(HDC dc);
    void WndProc(TMessage& message) override;

protected:
    // Fills the control with Color unless Transparent.
    virtual void PaintBackground(TCanvas& canvas);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

private:
    void paintThrough(HDC dc);
    void blendingChanged();

    std::unique_ptr<TSeBlending> blending_;
    TSePerformance performance_ = kspNoBuffer;
    bool transparent_ = false;
    bool hot_ = false;
};
