#pragma once
// TSeCustomTrackBar: picks an integer between Min and Max by dragging a
// thumb along a channel, clicking beside it (one page towards the pointer)
// or with the keys. Its plain look comes from the platform's look; the
// skinned track bar replaces the sizes and the painting.

#include "skin/controls/bars/SeTrackGeometry.h"
#include "skin/controls/base/SeCustomControl.h"

enum TTrackOrientation : std::uint8_t { toHorizontal, toVertical };
enum TTickMark : std::uint8_t { tmBoth, tmBottomRight, tmTopLeft };
enum TIntervalHighlightType : std::uint8_t { htLowInterval, htHighInterval, htNone };

class TSeCustomTrackBar : public TSeCustomControl {
public:
    explicit TSeCustomTrackBar(TComponent* owner);
    ~TSeCustomTrackBar() override;

    int Min() const { return min_; }
    // Ignored unless below Max; Position is pulled inside.
    void SetMin(int value);
    int Max() const { return max_; }
    // Ignored unless above Min; Position is pulled inside.
    void SetMax(int value);
    int Position() const { return position_; }
    // A value different from the current one is clamped, stored, painted
    // and announced by OnChange, also when clamping keeps the stored value.
    void SetPosition(int value);
    TTrackOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackOrientation value);
    int LineSize() const { return lineSize_; }
    void SetLineSize(int value) { lineSize_ = value; }
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value) { pageSize_ = value; }
    int Frequency() const { return frequency_; }
    void SetFrequency(int value);
    bool ShowTicks() const { return showTicks_; }
    void SetShowTicks(bool value);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark value);
    int ThumbHalfWidth() const { return thumbHalfWidth_; }
    void SetThumbHalfWidth(int value);
    bool ThumbVisible() const { return thumbVisible_; }
    void SetThumbVisible(bool value);
    TIntervalHighlightType IntervalHighlightType() const { return highlight_; }
    void SetIntervalHighlightType(TIntervalHighlightType value);

    TNotifyEvent OnChange;

    // ---- Geometry, in control coordinates
    int PixelFromPosition(int value) const;
    int PositionFromPixel(int pixel) const;
    // Where the thumb starts across the axis.
    int ThumbCrossStart() const;
    virtual bool ThumbHitTest(int x, int y) const;
    bool Dragging() const { return dragging_; }
    bool ThumbHot() const { return thumbHot_; }

    bool WantsKey(WORD key) const override;
    void WndProc(TMessage& message) override;

protected:
    virtual int GetThumbLength() const;
    virtual int GetThumbThickness() const;
    virtual int GetTrackMargin() const;
    virtual int GetTrackOffset() const;
    virtual void PaintTrack(TCanvas& canvas, int trackStart, int trackEnd, int thumbPixel);
    virtual void PaintThumb(TCanvas& canvas, int pixel);
    virtual void PaintTick(TCanvas& canvas, int value, int pixel, bool topLeft);
    virtual void PaintTicks(TCanvas& canvas);
    virtual void Changed();

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;

    bool horizontal() const { return orientation_ == toHorizontal; }
    int axisLength() const { return horizontal() ? Width() : Height(); }
    brio::TrackAxis axis() const;
    brio::TrackTicks ticks() const;
    // The channel's rectangle across the axis, from M to L - M along it.
    RECT channelRect() const;
    // The highlighted part of the channel; empty for htNone or disabled.
    RECT highlightRect(const RECT& channel, int thumbPixel) const;
    RECT thumbRect(int pixel) const;
    // A rectangle given as (along, across) on a horizontal bar, turned for
    // a vertical one.
    RECT axisRect(int alongFrom, int alongTo, int acrossFrom, int acrossTo) const;

private:
    void setThumbHot(bool hot);

    int min_ = 0;
    int max_ = 10;
    int position_ = 3;
    TTrackOrientation orientation_ = toHorizontal;
    int lineSize_ = 1;
    int pageSize_ = 2;
    int frequency_ = 1;
    bool showTicks_ = true;
    TTickMark tickMarks_ = tmBottomRight;
    int thumbHalfWidth_ = 4;
    bool thumbVisible_ = true;
    TIntervalHighlightType highlight_ = htNone;
    bool dragging_ = false;
    bool thumbHot_ = false;
};
