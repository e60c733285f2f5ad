#pragma once
// TSeSkinProgressBar: the progress bar drawn from the engine's
// "ProgressBar" object: its "Frame" over the whole control (whose margins
// give the bar area) and "BarHorz", "BarVert" or "Bar" over the filled part.

#include "skin/controls/bars/SeCustomProgressBar.h"
#include "skin/controls/panels/SeSkinBinding.h"

class TSeSkinEngine;

class TSeSkinProgressBar : public TSeCustomProgressBar {
public:
    explicit TSeSkinProgressBar(TComponent* owner);
    ~TSeSkinProgressBar() override;

    TSeSkinEngine* SkinEngine() const { return binding_.engine(); }
    void SetSkinEngine(TSeSkinEngine* engine);
    const std::string& SkinObject() const { return binding_.objectName(); }
    void SetSkinObject(const std::string& name);
    std::string Version() const { return "3.2.0"; }
    bool SkinUsable() const { return binding_.usable(); }

    RECT GetBarArea() const override;
    void WndProc(TMessage& message) override;

protected:
    void PaintBar(TCanvas& canvas) override;
    void PaintBarFrame(TCanvas& canvas) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSeSkinObject* frame() const { return binding_.usable() ? binding_.child("Frame") : nullptr; }

    brio::SeSkinBinding binding_;
};
