#pragma once
// TSeCustomSplitter: a windowless bar that resizes the neighbouring control
// on its aligned side by dragging. While dragging it shows where the edge
// will go as an inverted line on the parent (rsLine, rsPattern) or resizes
// at once (rsUpdate); Escape cancels the drag.

#include "skin/controls/base/SeGraphicControl.h"

#include "platform/gdi/GdiObjectOwner.h"

enum TResizeStyle : std::uint8_t { rsNone, rsLine, rsUpdate, rsPattern };
using TCanResizeEvent = std::function<void(TObject* sender, int& newSize, bool& accept)>;

class TSeCustomSplitter : public TSeGraphicControl {
public:
    explicit TSeCustomSplitter(TComponent* owner);
    ~TSeCustomSplitter() override;

    bool AutoSnap() const { return autoSnap_; }
    void SetAutoSnap(bool value) { autoSnap_ = value; }
    bool Beveled() const { return beveled_; }
    void SetBeveled(bool value);
    int MinSize() const { return minSize_; }
    // A natural number: values below 1 count as 1.
    void SetMinSize(int value);
    TResizeStyle ResizeStyle() const { return resizeStyle_; }
    void SetResizeStyle(TResizeStyle value) { resizeStyle_ = value; }

    TCanResizeEvent OnCanResize;
    TNotifyEvent OnMoved;
    TNotifyEvent OnPaint;

    // ---- The drag, for those who watch it
    bool Dragging() const { return control_ != nullptr; }
    // The control a press at the splitter would resize, or null.
    TControl* FindControl() const;
    // The largest size the found control may take.
    int MaxSize() const { return maxSize_; }
    int NewSize() const { return newSize_; }
    // Where the line shows: the splitter's rectangle in its parent, moved
    // along the axis by the split.
    RECT LineRect() const;
    bool LineVisible() const { return lineVisible_; }
    // Ends a running drag without applying it (what Escape does).
    void CancelDrag();

    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual bool DoCanResize(int& newSize);

private:
    bool vertical() const { return Align() == alTop || Align() == alBottom; }
    // The size and split for a pointer at `screen`.
    void calcSplit(TPoint screen, int& size, int& split) const;
    int computeMaxSize() const;
    void drawLine();
    void applySize();
    void stopSizing();
    void hookActiveControl();
    void unhookActiveControl();
    // The parent's paints take the line off before and put it back after,
    // so that the inverted pixels never go out of step.
    void hookParentPaint();
    void unhookParentPaint();

    bool autoSnap_ = true;
    bool beveled_ = false;
    int minSize_ = 30;
    TResizeStyle resizeStyle_ = rsPattern;

    TControl* control_ = nullptr;
    TPoint downScreen_{};
    int startSize_ = 0;
    int maxSize_ = 0;
    int newSize_ = 0;
    int split_ = 0;
    int oldSize_ = -1;
    bool lineVisible_ = false;
    HDC lineDc_ = nullptr;
    HWND lineWindow_ = nullptr;
    brio::GdiObjectOwner<HBRUSH> brush_;
    TWinControl* hooked_ = nullptr;
    TWndMethod hookedProc_;
    TWinControl* paintHooked_ = nullptr;
    TWndMethod paintHookedProc_;
};
