#pragma once
// TSeInplaceScrollBar: a small window that lies exactly over one native
// scroll bar of another control (the target) and shows a windowless scroll
// bar in its place. The two are kept in step both ways: Sync copies the
// native bar's place, range, page and position into the inner bar, and the
// inner bar's scrolling is sent to the target as its scroll messages.

#include "skin/controls/scroll/SeCustomScrollBar.h"

#include "ui/control/WinControl.h"

#include <functional>

// Makes the inner scroll bar, owned by `owner`.
using TSeScrollBarFactory = std::function<TSeCustomScrollBar*(TComponent* owner)>;

class TSeInplaceScrollBar : public TWinControl {
public:
    // A null factory gives a plain TSeCustomScrollBar.
    TSeInplaceScrollBar(TComponent* owner, TScrollBarKind kind, const TSeScrollBarFactory& factory = nullptr);
    ~TSeInplaceScrollBar() override;

    TSeCustomScrollBar* ScrollBar() const { return bar_; }
    TScrollBarKind Kind() const { return bar_->Kind(); }
    TWinControl* Target() const { return target_; }
    void SetTarget(TWinControl* target) { target_ = target; }

    // Follows the target's native bar: hidden while the platform hides it,
    // otherwise over its rectangle with its range, page and position.
    void Sync();
    // The target was shown or hidden.
    void TargetVisibilityChanged();

protected:
    void EraseBackground(HDC dc) override;

private:
    bool targetUsable() const;
    int nativeBar() const { return Kind() == sbVertical ? SB_VERT : SB_HORZ; }
    UINT scrollMessage() const { return Kind() == sbVertical ? WM_VSCROLL : WM_HSCROLL; }
    int nativePosition() const;
    void scrolled(WORD code, int& position);

    TSeCustomScrollBar* bar_ = nullptr;
    TWinControl* target_ = nullptr;
    bool syncing_ = false;
};
