#pragma once
// TSeSkinProgressBar: the progress bar drawn from the engine's
// "ProgressBar" object: its "Frame" over the whole control (whose margins
// give the bar area) and "BarHorz", "BarVert" or "Bar" over the filled part.

#include "skin/controls/bars/SeCustomProgressBar.h"
#include "skin/controls/base/SeSkinBinding.h"

class TSeSkinEngine;

class TSeSkinProgressBar : public TSeCustomProgressBar {
public:
    explicit TSeSkinProgressBar(TComponent* owner);
    ~TSeSkinProgressBar() override;

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(TSeSkinEngine* engine);
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name);
    std::string Version() const { return "3.2.0"; }
    // The skin copy drawn with now; null for the plain look.
    TSeSkinObject* Skin() const;

    RECT GetBarArea() const override;
    void WndProc(TMessage& message) override;

protected:
    void PaintBar(TCanvas& canvas) override;
    void PaintBarFrame(TCanvas& canvas) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TSeSkinObject* frame() const;

    mutable TSeSkinBinding binding_;
};
