#pragma once
// TSeSkinPanel: the panel drawn from the engine's "Panel" object: "Frame"
// over the whole panel, "Title" or "Caption" in the caption bar (whose
// height the skin's "Caption" sets) and the roll and hide buttons. It keeps
// the caption height it had before its first skin, to return to when the
// skin goes.

#include "skin/controls/panels/SeCustomPanel.h"
#include "skin/controls/panels/SeSkinned.h"

class TSeSkinPanel : public brio::Skinned<TSeCustomPanel> {
public:
    explicit TSeSkinPanel(TComponent* owner);
    ~TSeSkinPanel() override;

    // The plain caption height kept while skinned; 0 before the first skin.
    int RememberedCaptionHeight() const { return plainCaptionHeight_; }

protected:
    void PaintPanel(TCanvas& canvas) override;
    void PaintCaption(TCanvas& canvas) override;
    void PaintButton(TCanvas& canvas) override;

private:
    // Caption height and transparency after the copy was taken or dropped.
    void applyBinding();

    int plainCaptionHeight_ = 0;
};
