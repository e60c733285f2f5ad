// Where the window effects (drop shadow, blending against the desktop, the
// show animation) meet the form: the shadow's part of the window size and
// region, the desktop capture as the window moves or shows, and the blends
// in the paint path. With Shadow, Blending and Animation off (their
// defaults) none of them does anything. Without a usable picture of the
// desktop (a display that cannot be read) they are skipped, and the window
// region leaves out the shadow band.

#include "skin/controls/forms/SeCustomForm.h"

#include "skin/controls/effects/SeShadowPaint.h"
#include "skin/engine/SeBitmap.h"

#include "platform/RectMath.h"
#include "platform/gdi/DcStateSaver.h"
#include "ui/forms/Form.h"

namespace {

// Keeps a value for the length of a scope.
template <typename T>
class Held {
public:
    Held(T& value, T during) : value_(value), saved_(value) { value_ = during; }
    ~Held() { value_ = saved_; }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

private:
    T& value_;
    T saved_;
};

// The screen rectangle the window is about to take.
RECT targetRect(HWND hwnd, const WINDOWPOS& wp)
{
    RECT current{};
    GetWindowRect(hwnd, &current);
    int x = (wp.flags & SWP_NOMOVE) ? current.left : wp.x;
    int y = (wp.flags & SWP_NOMOVE) ? current.top : wp.y;
    int cx = (wp.flags & SWP_NOSIZE) ? Width(current) : wp.cx;
    int cy = (wp.flags & SWP_NOSIZE) ? Height(current) : wp.cy;
    return RECT{x, y, x + cx, y + cy};
}

} // namespace

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
// of itself moved by the shadow's size. The frame's own shape is kept for
// painting the band and the blends. The band stays out while there is no
// picture of the desktop (unless none was taken yet before the first
// show): it would show whatever the buffer held.
HRGN TSeCustomForm::withShadowRegion(HRGN region)
{
    effects_.setFrameShape(region, frameSize_);
    int shadow = ShadowExtent();
    HWND hwnd = windowHandle();
    const bool notYetTaken = IsEmpty(effects_.desktop().rect()) && (!hwnd || !IsWindowVisible(hwnd));
    const bool band = region && shadow > 0 && (effects_.desktop().hasImage() || notYetTaken);
    effects_.setBandInRegion(band);
    if (!band)
        return region;
    HRGN united = brio::ShadowedWindowRegion(region, shadow);
    DeleteObject(region);
    return united;
}

// The desktop picture sizes itself at each capture; a new window starts
// from a fresh one.
void TSeCustomForm::resizeEffectImages()
{
    effects_.desktop().reset();
}

// Called as the window is about to take `windowRect` (screen coordinates),
// with blending or a shadow on.
void TSeCustomForm::captureDesktopFor(const RECT& windowRect)
{
    if (captureSuspended_)
        return;
    if (!blending_->Enabled() && (windowState_ == kwsMaximized || previousState_ == kwsMaximized)) {
        // The maximized window covers what it would show; back at its normal
        // place, the picture taken there still holds.
        if (previousState_ == kwsMaximized)
            previousState_ = kwsNormal;
        return;
    }
    const RECT before = effects_.desktop().rect();
    effects_.capture(windowRect, windowHandle());
    HWND hwnd = windowHandle();
    if (!hwnd)
        return;
    // The band comes and goes with the picture: a display that cannot be
    // read leaves it out.
    if (ShadowExtent() > 0 && effects_.desktop().hasImage() != effects_.bandInRegion())
        SetWindowRgn(hwnd, withShadowRegion(CreateRegion()), TRUE);
    // Moved with what lies behind showing through: all of it is painted
    // again, as the bits it had show another place.
    if (IsWindowVisible(hwnd) && !EqualRect(&before, &effects_.desktop().rect()))
        invalidateAll();
}

// Every window-position change, also a bare show (which carries both
// SWP_NOMOVE and SWP_NOSIZE): the show animation starts here.
void TSeCustomForm::showWindowEffects(const WINDOWPOS& wp)
{
    if (!(wp.flags & SWP_SHOWWINDOW) || deferredState_ != kwsNormal)
        return;
    if (!animation_->Enabled() && !effectsNeedBuffer())
        return;
    // A fresh picture: what lay behind the hidden window may have changed.
    effects_.desktop().reset();
    captureDesktopFor(targetRect(windowHandle(), wp));
    if (animation_->Enabled())
        RunShowAnimation();
}

void TSeCustomForm::RunShowAnimation()
{
    effects_.runShowAnimation(windowHandle(), windowSize_, *animation_,
                              [this](TSeBitmap& image) { composeShowPicture(image); });
}

// The window's finished picture in the animation image: the frame as
// active, the client background, then the controls: first the windowless
// ones, then every visible windowed child at its place.
void TSeCustomForm::composeShowPicture(TSeBitmap& image)
{
    HWND hwnd = windowHandle();
    if (!hwnd || !form_)
        return;
    {
        Held<bool> active(active_, true);
        PaintNonClient();
    }
    SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(image.DC()), 0);
    RECT client = GetClientBounds();
    HDC dc = image.DC();
    brio::DcStateSaver saved(dc);
    OffsetViewportOrgEx(dc, client.left, client.top, nullptr);
    IntersectClipRect(dc, 0, 0, form_->ClientWidth(), form_->ClientHeight());
    form_->PaintControls(dc, nullptr);
    for (int i = 0; i < form_->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(form_->Controls(i));
        if (child && child->Visible())
            child->PaintTo(dc, child->Left(), child->Top());
    }
}

void TSeCustomForm::paintShadowInto(TSeBitmap& bitmap)
{
    effects_.paintShadow(bitmap, windowSize_, frameSize_, ShadowExtent());
}

void TSeCustomForm::blendFrameInto(TSeBitmap& bitmap, const RECT& client)
{
    effects_.blendFrame(bitmap, windowSize_, frameSize_, client, blending_->Value());
}

void TSeCustomForm::blendClientInto(TSeBitmap& bitmap, const RECT& area)
{
    effects_.blendClient(bitmap, windowSize_, area, blending_->Value());
}

TSeBitmap* TSeCustomForm::animationImage() const
{
    return effects_.animationImage();
}
