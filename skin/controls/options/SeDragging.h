#pragma once
// How a skinned form may be moved and sized by its frame.

#include "skin/controls/options/SeFormTypes.h"
#include "skin/controls/options/SeOption.h"

class TSeDragging : public TSeOption {
public:
    bool Moveable() const { return moveable_; }
    void SetMoveable(bool value) { update(moveable_, value); }
    bool Sizeable() const { return sizeable_; }
    void SetSizeable(bool value) { update(sizeable_, value); }
    TSeFormDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TSeFormDragMode value) { update(dragMode_, value); }

    void Assign(const TPersistent* source) override;

private:
    friend class TSeOption;
    auto tied() { return std::tie(moveable_, sizeable_, dragMode_); }
    auto tied() const { return std::tie(moveable_, sizeable_, dragMode_); }

    bool moveable_ = true;
    bool sizeable_ = true;
    TSeFormDragMode dragMode_ = kfdmFullDrag;
};
