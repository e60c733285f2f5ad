#pragma once
// TSeSkinTrackBar: the track bar drawn from the engine's "TrackBar" object:
// thumb and margins take their sizes from its children, the channel, the
// highlighted interval and the thumb their pictures. Without a usable skin
// it is the plain track bar.

#include "skin/controls/bars/SeCustomTrackBar.h"
#include "skin/controls/base/SeSkinBinding.h"

class TSeSkinEngine;

class TSeSkinTrackBar : public TSeCustomTrackBar {
public:
    explicit TSeSkinTrackBar(TComponent* owner);
    ~TSeSkinTrackBar() override;

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine);
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name);
    std::string Version() const { return "3.2.0"; }
    // The skin copy drawn with now; null for the plain look.
    TSeSkinObject* Skin() const;

    void WndProc(TMessage& message) override;

protected:
    int GetThumbLength() const override;
    int GetThumbThickness() const override;
    int GetTrackMargin() const override;
    int GetTrackOffset() const override;
    void PaintTrack(TCanvas& canvas, int trackStart, int trackEnd, int thumbPixel) override;
    void PaintThumb(TCanvas& canvas, int pixel) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The sizing children, each null without a usable skin.
    TSeSkinObject* thumbSizer() const;
    TSeSkinObject* frame() const;

    mutable TSeSkinBinding binding_;
};
