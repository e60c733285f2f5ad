// Where the window effects (drop shadow, blending against the desktop, the
// show animation) meet the form: the shadow's part of the window size and
// region, the desktop capture as the window moves or shows, and the blends
// in the paint path. With Shadow, Blending and Animation off (their
// defaults) none of them does anything.

#include "skin/controls/forms/SeCustomForm.h"

#include "skin/engine/SeBitmap.h"

#include "platform/RectMath.h"

bool TSeCustomForm::effectsNeedBuffer() const
{
    return ShadowExtent() > 0 || blending_->Enabled();
}

void TSeCustomForm::optionsChanged()
{
    if (!Loading())
        UpdateFrame();
}

// The shadow band belongs to the window: the region is united with a copy
// of itself moved by the shadow's size.
HRGN TSeCustomForm::withShadowRegion(HRGN region)
{
    int shadow = ShadowExtent();
    if (!region || shadow <= 0)
        return region;
    HRGN moved = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(moved, region, nullptr, RGN_COPY);
    OffsetRgn(moved, shadow, shadow);
    CombineRgn(region, region, moved, RGN_OR);
    DeleteObject(moved);
    return region;
}

void TSeCustomForm::resizeEffectImages() {}

// Called as the window is about to take `windowRect` (screen coordinates),
// with blending or a shadow on.
void TSeCustomForm::captureDesktopFor(const RECT& windowRect)
{
    if (captureSuspended_)
        return;
    if (windowRect == desktopRect_)
        return;
    desktopRect_ = windowRect;
    if (!blending_->Enabled() && previousState_ == kwsMaximized)
        previousState_ = kwsNormal;
}

// Every window-position change, also a bare show (which carries both
// SWP_NOMOVE and SWP_NOSIZE): the show animation starts here.
void TSeCustomForm::showWindowEffects(const WINDOWPOS& wp)
{
    if (!(wp.flags & SWP_SHOWWINDOW) || deferredState_ != kwsNormal)
        return;
    if (!animation_->Enabled() && !effectsNeedBuffer())
        return;
    RECT window{};
    GetWindowRect(windowHandle(), &window);
    desktopRect_ = RECT{};
    captureDesktopFor(window);
    if (animation_->Enabled())
        RunShowAnimation();
}

void TSeCustomForm::RunShowAnimation() {}

void TSeCustomForm::paintShadowInto(TSeBitmap&) {}

void TSeCustomForm::blendFrameInto(TSeBitmap&, const RECT&) {}

void TSeCustomForm::blendClientInto(TSeBitmap&, const RECT&) {}

TSeBitmap* TSeCustomForm::animationImage() const
{
    return nullptr;
}
