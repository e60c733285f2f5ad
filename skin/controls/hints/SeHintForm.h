#pragma once
// TSeHintForm: the frame component of a hint window. It has no frame of its
// own; it paints the whole hint through the hint component and gives the
// window the shadow, translucency and show animation that component asks
// for. It cannot be moved or sized, and takes as little as 5 x 5 pixels.

#include "skin/controls/forms/SeCustomForm.h"

#include <string>

class TSeHintWindow;

class TSeHintForm : public TSeCustomForm {
public:
    explicit TSeHintForm(TSeHintWindow* window);

    // Takes the hint component's effects and hooks the window (again).
    void Reload(const TSeWindowOptions& options);

    SIZE GetMinTrackSize() override { return SIZE{5, 5}; }
    void PaintClient(TCanvas& canvas) override;

protected:
    // The pointer passes through a hint, whatever the frame would say.
    void HandleMessage(TMessage& m) override;

private:
    TSeHintWindow* window_;
};
