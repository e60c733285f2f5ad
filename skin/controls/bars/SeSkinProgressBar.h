#pragma once
// TSeSkinProgressBar: the progress bar drawn from the engine's
// "ProgressBar" object: its "Frame" over the whole control (whose margins
// give the bar area) and "BarHorz", "BarVert" or "Bar" over the filled part.

#include "skin/controls/bars/SeCustomProgressBar.h"
#include "skin/controls/panels/SeSkinned.h"

class TSeSkinProgressBar : public brio::Skinned<TSeCustomProgressBar> {
public:
    explicit TSeSkinProgressBar(TComponent* owner);
    ~TSeSkinProgressBar() override;

    RECT GetBarArea() const override;

protected:
    void PaintBar(TCanvas& canvas) override;
    void PaintBarFrame(TCanvas& canvas) override;

private:
    TSeSkinObject* frame() const;
};
