#pragma once
// TSeCustomTreeView: the framework's tree view with its native scroll bars
// covered by the library's own (overlays kept in step with them), its
// border drawn by the library, and a hot flag for the pointer. The plain
// look is the platform's edit frame when themes are on and classic edges
// otherwise; the skinned tree replaces the frame, background and bars.

#include "skin/controls/scroll/SeSubScrollBar.h"
#include "ui/views/TreeView.h"

#include <memory>

class TSeCustomTreeView : public TTreeView {
public:
    explicit TSeCustomTreeView(TComponent* owner);
    ~TSeCustomTreeView() override;

    // The overlays, made once the tree has a parent.
    TSeSubScrollBar* SubScrollBar() const { return subScroll_.get(); }
    bool Hot() const { return hot_; }

    void SetParent(TWinControl* parent) override;
    void WndProc(TMessage& message) override;

protected:
    // The inner bar of each overlay.
    virtual TSeCustomScrollBar* CreateScrollBar(TComponent* owner);
    // Fills behind the items in `rect`.
    virtual void PaintTreeBackground(TCanvas& canvas, const RECT& rect);
    // The border, in window coordinates (origin 0), client area excluded.
    virtual void PaintTreeFrame(TCanvas& canvas, const RECT& rect);
    // The pointer entered or left the tree.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

    void FillBackground(TCanvas* canvas, const TRect& rect) override;
    // The visual-style state of the frame and background now.
    int themeState() const;
    void redrawFrame();

private:
    void ensureOverlays();
    void eraseBackground(HDC dc);
    void paintNonClient();

    std::unique_ptr<TSeSubScrollBar> subScroll_;
    bool hot_ = false;
};
