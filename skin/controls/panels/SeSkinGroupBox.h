#pragma once
// TSeSkinGroupBox: the group box drawn from the engine's "GroupBox" object:
// "Frame" round the children, broken by the caption, and "Caption" behind
// the caption text. Its check box is a skinned one on the same engine.

#include "skin/controls/panels/SeCustomGroupBox.h"
#include "skin/controls/panels/SeSkinned.h"

class TSeSkinGroupBox : public brio::Skinned<TSeCustomGroupBox> {
public:
    explicit TSeSkinGroupBox(TComponent* owner);
    ~TSeSkinGroupBox() override;

protected:
    TSeCustomCheckBox* CreateCheckBox() override;
    bool AlwaysWidenCaption() const override { return true; }
    void PaintBackground(TCanvas& canvas) override;

private:
    void applyBinding();
};
