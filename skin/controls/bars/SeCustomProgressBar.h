#pragma once
// TSeCustomProgressBar: shows how far Position lies between Min and Max, as
// a smooth bar or as blocks. A new Position paints at once, through the
// pending messages, so that the bar moves during long work on the
// user-interface thread; that pump never runs inside itself.

#include "skin/controls/base/SeCustomControl.h"

enum TSeBarOrientation : std::uint8_t { kboHorizontal, kboVertical };

namespace brio {

// (position - min) / (max - min); 0 for a negative min, a position outside
// the range or an empty range.
double progressFraction(int min, int max, int position);
// How many blocks of `blockLength` with 2-pixel gaps fit along `areaLength`.
int progressBlocksThatFit(int areaLength, int blockLength);
// The blocks shown: round(fraction x fit) + 1, none below a fraction of 0.01.
int progressBlockCount(double fraction, int blocksThatFit);

} // namespace brio

class TSeCustomProgressBar : public TSeCustomControl {
public:
    explicit TSeCustomProgressBar(TComponent* owner);
    ~TSeCustomProgressBar() override;

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    // Paints (and pumps the pending messages) only when the fraction shown
    // changes.
    void SetPosition(int value);
    TSeBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TSeBarOrientation value);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value);
    bool ShowBorder() const { return showBorder_; }
    void SetShowBorder(bool value);

    double Fraction() const { return brio::progressFraction(min_, max_, position_); }
    // Whether a Position change is pumping the pending messages now.
    static bool Pumping();

    virtual RECT GetBarArea() const;

protected:
    virtual void PaintBar(TCanvas& canvas);
    virtual void PaintBarFrame(TCanvas& canvas);
    void Paint() override;

    bool horizontal() const { return orientation_ == kboHorizontal; }
    // The filled part of `area` for the current fraction.
    RECT filledRect(const RECT& area) const;

private:
    void paintBlocks(TCanvas& canvas, const RECT& area);

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    TSeBarOrientation orientation_ = kboHorizontal;
    bool smooth_ = false;
    bool showBorder_ = true;
};
