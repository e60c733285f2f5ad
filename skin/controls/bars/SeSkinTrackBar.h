#pragma once
// TSeSkinTrackBar: the track bar drawn from the engine's "TrackBar" object:
// thumb and margins take their sizes from its children, the channel, the
// highlighted interval and the thumb their pictures. Without a usable skin
// it is the plain track bar.

#include "skin/controls/bars/SeCustomTrackBar.h"
#include "skin/controls/panels/SeSkinned.h"

class TSeSkinTrackBar : public brio::Skinned<TSeCustomTrackBar> {
public:
    explicit TSeSkinTrackBar(TComponent* owner);
    ~TSeSkinTrackBar() override;

protected:
    int GetThumbLength() const override;
    int GetThumbThickness() const override;
    int GetTrackMargin() const override;
    int GetTrackOffset() const override;
    void PaintTrack(TCanvas& canvas, int trackStart, int trackEnd, int thumbPixel) override;
    void PaintThumb(TCanvas& canvas, int pixel) override;

private:
    // The sizing children, each null without a usable skin.
    TSeSkinObject* thumbSizer() const;
    TSeSkinObject* frame() const;
};
