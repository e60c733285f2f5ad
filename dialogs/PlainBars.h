#pragma once
// Plain horizontal track and progress bars for the program's windows, drawn
// in the colour scheme, until the skinned bars take their place. The track
// bar keeps its position within Min..Max; setting a value different from
// the current position runs OnChange, also when clamping brings it back to
// the same place.

#include "ui/control/GraphicControl.h"

namespace brio {

class PlainTrackBar : public TCustomControl {
public:
    explicit PlainTrackBar(TComponent* owner);

    int Position() const { return position_; }
    void SetPosition(int value);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);

    TNotifyEvent OnChange;

    bool WantsKey(WORD key) const override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;

private:
    RECT channel() const;
    int positionAt(int x) const;

    int min_ = 0;
    int max_ = 10;
    int position_ = 3;
    bool dragging_ = false;
};

class PlainProgressBar : public TGraphicControl {
public:
    explicit PlainProgressBar(TComponent* owner);

    int Position() const { return position_; }
    void SetPosition(int value);
    int Max() const { return max_; }
    void SetMax(int value);

protected:
    void Paint() override;

private:
    int max_ = 100;
    int position_ = 0;
};

} // namespace brio
