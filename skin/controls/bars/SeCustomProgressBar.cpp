#include "skin/controls/bars/SeCustomProgressBar.h"

#include "skin/controls/bars/SeTrackGeometry.h"
#include "platform/theme/Look.h"
#include "ui/forms/Application.h"
#include "ui/graphics/Brush.h"

#include "platform/WinUser.h"

#include <algorithm>

namespace brio {

double progressFraction(int min, int max, int position)
{
    if (min < 0 || max == min || position < min || position > max)
        return 0.0;
    return (double(position) - min) / (double(max) - min);
}

int progressBlocksThatFit(int areaLength, int blockLength)
{
    if (areaLength <= 0)
        return 0;
    return (areaLength + 2) / (std::max(blockLength, 1) + 2);
}

int progressBlockCount(double fraction, int blocksThatFit)
{
    if (fraction < 0.01)
        return 0;
    return roundHalfEven(fraction * blocksThatFit) + 1;
}

} // namespace brio

namespace {

// One pump at a time for the whole program: a handler run by it (a timer
// that advances a splash's bar) may set a Position again.
bool pumping = false;

struct PumpScope {
    PumpScope() { pumping = true; }
    ~PumpScope() { pumping = false; }
};

} // namespace

TSeCustomProgressBar::TSeCustomProgressBar(TComponent* owner) : TSeCustomControl(owner)
{
    SetBounds(0, 0, 140, 16);
    SetColor(clBtnFace);
    SetTransparent(true);
    SetPerformance(kspDoubleBuffer);
}

TSeCustomProgressBar::~TSeCustomProgressBar() = default;

bool TSeCustomProgressBar::Pumping() { return pumping; }

void TSeCustomProgressBar::SetMin(int value)
{
    min_ = value;
    Invalidate();
}

void TSeCustomProgressBar::SetMax(int value)
{
    max_ = value;
    Invalidate();
}

void TSeCustomProgressBar::SetPosition(int value)
{
    if (value == position_)
        return;
    const double before = Fraction();
    position_ = value;
    if (Fraction() == before || !HandleAllocated())
        return;
    InvalidateRect(Handle(), nullptr, FALSE);
    if (pumping)
        return;
    PumpScope scope;
    Application->ProcessMessages();
}

void TSeCustomProgressBar::SetOrientation(TSeBarOrientation value)
{
    if (value == orientation_)
        return;
    orientation_ = value;
    Invalidate();
}

void TSeCustomProgressBar::SetSmooth(bool value)
{
    if (value == smooth_)
        return;
    smooth_ = value;
    Invalidate();
}

void TSeCustomProgressBar::SetShowBorder(bool value)
{
    if (value == showBorder_)
        return;
    showBorder_ = value;
    Invalidate();
}

RECT TSeCustomProgressBar::GetBarArea() const
{
    RECT area{0, 0, Width(), Height()};
    const int inset = (showBorder_ ? 2 : 0) + BorderWidth();
    InflateRect(&area, -inset, -inset);
    return area;
}

RECT TSeCustomProgressBar::filledRect(const RECT& area) const
{
    const double f = Fraction();
    if (horizontal())
        return RECT{area.left, area.top, area.left + brio::roundHalfEven(f * ::Width(area)), area.bottom};
    return RECT{area.left, area.bottom - brio::roundHalfEven(f * ::Height(area)), area.right, area.bottom};
}

void TSeCustomProgressBar::Paint()
{
    TCanvas& canvas = *Canvas();
    PaintBarFrame(canvas);
    PaintBar(canvas);
}

void TSeCustomProgressBar::PaintBarFrame(TCanvas& canvas)
{
    if (!showBorder_)
        return;
    RECT r{0, 0, Width(), Height()};
    if (IsEmpty(r))
        return;
    // Visual styles have no progress part of their own: the themed bar
    // sits in the flat frame the styles give a text box.
    if (brio::LookThemed()) {
        brio::LookState state;
        state.disabled = !Enabled();
        brio::DrawLookPart(canvas.Handle(), brio::LookPart::EditFrame, state, r);
        return;
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FillRect(RECT{0, 0, r.right, 1});
    canvas.FillRect(RECT{0, 0, 1, r.bottom});
    canvas.Brush()->SetColor(clBtnHighlight);
    canvas.FillRect(RECT{0, r.bottom - 1, r.right, r.bottom});
    canvas.FillRect(RECT{r.right - 1, 0, r.right, r.bottom});
}

void TSeCustomProgressBar::PaintBar(TCanvas& canvas)
{
    const RECT area = GetBarArea();
    if (IsEmpty(area))
        return;
    if (!smooth_) {
        paintBlocks(canvas, area);
        return;
    }
    const RECT filled = Intersect(filledRect(area), area);
    if (IsEmpty(filled))
        return;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clHighlight);
    canvas.FillRect(filled);
}

void TSeCustomProgressBar::paintBlocks(TCanvas& canvas, const RECT& area)
{
    const int across = horizontal() ? ::Height(area) : ::Width(area);
    const int along = horizontal() ? ::Width(area) : ::Height(area);
    const int block = std::max(brio::roundHalfEven(across * 0.64), 1);
    const int count = std::min(brio::progressBlockCount(Fraction(), brio::progressBlocksThatFit(along, block)),
                               along / 2 + 1);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clHighlight);
    for (int i = 0; i < count; ++i) {
        const int from = i * (block + 2);
        RECT r = horizontal() ? RECT{area.left + from, area.top, area.left + from + block, area.bottom}
                              : RECT{area.left, area.bottom - from - block, area.right, area.bottom - from};
        r = Intersect(r, area);
        if (!IsEmpty(r))
            canvas.FillRect(r);
    }
}
