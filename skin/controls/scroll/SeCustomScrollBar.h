#pragma once
// TSeCustomScrollBar: a windowless scroll bar with arrow buttons, a track
// and a thumb sized to the page. It captures the mouse while a button is
// held; a held arrow or page area repeats on a timer paced like the
// keyboard's auto-repeat. Its plain look is the platform's visual-style
// scroll bar when themes are on and classic edges otherwise; the skinned
// bar replaces the sizes and the painting.

#include "skin/controls/base/SeGraphicControl.h"
#include "skin/controls/scroll/SeScrollGeometry.h"

#include <cstdint>
#include <functional>
#include <memory>

class TTimer;

enum TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };
using TScrollBarInc = int;
// Called before a scroll step is applied; the handler may change `position`.
using TSeScrollEvent = std::function<void(TObject* sender, WORD code, int& position)>;

class TSeCustomScrollBar : public TSeGraphicControl {
public:
    explicit TSeCustomScrollBar(TComponent* owner);
    ~TSeCustomScrollBar() override;

    TScrollBarKind Kind() const { return kind_; }
    // Swaps width and height when they do not suit the new orientation.
    void SetKind(TScrollBarKind value);
    int Min() const { return min_; }
    // Lowered to at most Max; pulls Position in and cuts PageSize.
    void SetMin(int value);
    int Max() const { return max_; }
    // Raised to at least Min; pulls Position in and cuts PageSize.
    void SetMax(int value);
    int PageSize() const { return pageSize_; }
    // Negative values are ignored; cut to Max - Min + 1.
    void SetPageSize(int value);
    int Position() const { return position_; }
    // Clamped to Min..Max; a change repaints and calls OnChange.
    void SetPosition(int value);
    // All four at once, with one repaint (used to follow a native bar).
    void SetParams(int min, int max, int pageSize, int position);
    TScrollBarInc SmallChange() const { return smallChange_; }
    void SetSmallChange(TScrollBarInc value);
    // Only used when PageSize < 1.
    TScrollBarInc LargeChange() const { return largeChange_; }
    void SetLargeChange(TScrollBarInc value);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);

    // Runs one of the scroll steps (codes SB_LINEUP .. SB_BOTTOM).
    void Scroll(WORD code);
    // Keeps scrolling by lines towards Min or Max on the repeat timer until
    // switched off or the end is reached.
    bool AutoScrollToMin() const { return autoToMin_; }
    void SetAutoScrollToMin(bool value);
    bool AutoScrollToMax() const { return autoToMax_; }
    void SetAutoScrollToMax(bool value);

    TNotifyEvent OnChange;
    TSeScrollEvent OnScroll;

    // ---- State for painting and tests
    bool Dragging() const { return dragOffset_ >= 0; }
    bool FirstButtonPressed() const { return pressedFirst_; }
    bool SecondButtonPressed() const { return pressedSecond_; }
    bool PageUpPressed() const { return pressedPageUp_; }
    bool PageDownPressed() const { return pressedPageDown_; }
    bool ThumbHot() const { return hotThumb_; }
    bool FirstButtonHot() const { return hotFirst_; }
    bool SecondButtonHot() const { return hotSecond_; }
    bool RepeatRunning() const;
    // The repeat pacing from the keyboard settings, in milliseconds.
    static unsigned RepeatDelay();
    static unsigned RepeatInterval();

    // ---- Geometry, in control coordinates
    virtual int GetButtonSize() const;
    virtual int GetThumbSize() const;
    virtual RECT GetFirstButtonRect() const;
    virtual RECT GetSecondButtonRect() const;
    virtual RECT GetThumbRect() const;
    virtual RECT GetTrackRect() const;
    virtual RECT GetPageUpRect() const;
    virtual RECT GetPageDownRect() const;
    virtual bool InFirstButton(POINT p) const;
    virtual bool InSecondButton(POINT p) const;
    virtual bool InThumb(POINT p) const;
    virtual bool InPageUp(POINT p) const;
    virtual bool InPageDown(POINT p) const;
    // Thumb start along the axis for a position, and back.
    int ThumbStartFor(int position) const;
    int PositionAtThumb(int thumbStart) const;

    void WndProc(TMessage& message) override;

protected:
    virtual void PaintFirstButton(TCanvas& canvas);
    virtual void PaintSecondButton(TCanvas& canvas);
    virtual void PaintPageUp(TCanvas& canvas);
    virtual void PaintPageDown(TCanvas& canvas);
    virtual void PaintThumb(TCanvas& canvas);
    virtual void PaintTrack(TCanvas& canvas);
    virtual void PaintBarBorder(TCanvas& canvas);

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;

    bool vertical() const { return kind_ == sbVertical; }
    int axisLength() const { return vertical() ? Height() : Width(); }
    // The system's scroll-thumb height.
    static int systemThumbHeight();
    brio::ScrollRangeInfo rangeInfo() const { return {min_, max_, pageSize_}; }
    // Calls OnScroll with `code` and `position`, limits the answer to
    // Min..Max and applies it.
    void applyScroll(WORD code, int position);

private:
    void cutPageSize();
    void changed();
    void timerStep();
    void startRepeat();
    void stopRepeat();
    bool updateHot(POINT p);
    int along(POINT p) const { return vertical() ? p.y : p.x; }
    // An (along, across) span turned for a vertical bar.
    RECT axisRect(int alongFrom, int alongTo, const RECT& across) const;

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int pageSize_ = 0;
    int position_ = 0;
    TScrollBarInc smallChange_ = 1;
    TScrollBarInc largeChange_ = 1;
    bool showButtons_ = true;
    int borderWidth_ = 1;

    int dragOffset_ = -1;
    bool hotThumb_ = false, hotFirst_ = false, hotSecond_ = false, hotPageUp_ = false, hotPageDown_ = false;
    bool pressedFirst_ = false, pressedSecond_ = false, pressedPageUp_ = false, pressedPageDown_ = false;
    POINT lastPoint_{-1, -1};
    bool autoToMin_ = false, autoToMax_ = false;
    std::unique_ptr<TTimer> timer_;
};
