#pragma once
// The windowed base the edit boxes stand on: a border, one bevel, and a
// paint that goes through an off-screen picture so that the caret, the
// selection and the text never flicker. Edges first, then the background,
// then the box's content.

#include "ui/control/GraphicControl.h"

class TSeEditControlBase : public TCustomControl {
public:
    explicit TSeEditControlBase(TComponent* owner);

    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);

    // The control rectangle less the border and the bevel.
    virtual RECT GetClientArea() const;

protected:
    void Paint() override;
    virtual void PaintEdges(TCanvas& canvas);
    virtual void PaintBackground(TCanvas& canvas);
    virtual void PaintContent(TCanvas&) {}
    // The border or the bevel changed.
    virtual void FrameChanged() {}

private:
    int borderWidth_ = 0;
    int bevelWidth_ = 0;
};
