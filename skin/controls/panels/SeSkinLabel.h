#pragma once
// TSeSkinLabel: a label whose colour and font come from the engine's
// "Label" object when the skin has one; it keeps its own otherwise.

#include "skin/controls/panels/SeCustomLabel.h"
#include "skin/controls/panels/SeSkinned.h"

class TSeSkinLabel : public brio::Skinned<TSeCustomLabel> {
public:
    explicit TSeSkinLabel(TComponent* owner);
    ~TSeSkinLabel() override;

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;

private:
    void applyBinding();
};
