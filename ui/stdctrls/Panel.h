#pragma once
// TPanel: a windowed container with a raised or lowered bevel, an inner
// border and a caption.

#include "ui/control/GraphicControl.h"

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
using TBevelWidth = int;

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    TBevelWidth BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(TBevelWidth value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Without its own background the panel shows its parent's colour.
    void SetParentBackground(bool value);

    void AdjustClientRect(TRect& r) const override;

protected:
    void Paint() override;

private:
    void layoutChanged();

    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    TBevelWidth bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

// Draws `width` nested one-pixel frames lit from the top-left, and leaves
// `r` as the area inside them.
void Frame3D(TCanvas* canvas, RECT& r, TColor topLeft, TColor bottomRight, int width);
