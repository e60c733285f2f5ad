#pragma once
// TSeSubScrollBar: the pair of overlays, vertical and horizontal, that
// replace one control's native scroll bars. The control feeds it every
// window message; the overlays live beside the control, as children of the
// control's parent.

#include "skin/controls/scroll/SeInplaceScrollBar.h"

#include "ui/component/Component.h"

#include <memory>

class TSeSubScrollBar : public TComponent {
public:
    TSeSubScrollBar(TWinControl* target, const TSeScrollBarFactory& factory);
    ~TSeSubScrollBar() override;

    TWinControl* Target() const { return target_; }
    TSeInplaceScrollBar* Vertical() const { return vertical_.get(); }
    TSeInplaceScrollBar* Horizontal() const { return horizontal_.get(); }

    // Before the target handles `message`: paints, erases and scrolls
    // bring the overlays in step.
    void BeforeMessage(const TMessage& message);
    // After the target handled `message`: what moved or resized it, or
    // scrolled it by keys or wheel, brings the overlays in step.
    void AfterMessage(const TMessage& message);
    // The overlays follow the target to its new parent.
    void SetParent(TWinControl* parent);
    void Sync();
    // Drops the target and takes the overlays off their parent; the target
    // calls this before it goes away.
    void Detach();

private:
    TWinControl* target_ = nullptr;
    std::unique_ptr<TSeInplaceScrollBar> vertical_;
    std::unique_ptr<TSeInplaceScrollBar> horizontal_;
};
