#include "skin/controls/effects/SeShowAnimation.h"

#include "platform/Gdi.h"
#include "platform/RectMath.h"
#include "platform/window/ScreenOverlay.h"
#include "skin/controls/effects/SeEffectPixels.h"
#include "skin/controls/effects/SeFrameCompose.h"
#include "skin/controls/effects/SeTimer.h"
#include "skin/controls/options/SeAnimation.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <random>

namespace brio {

TkeEffect ResolveEffect(TkeEffect effect)
{
    if (effect != keRandomSelect)
        return effect;
    static std::minstd_rand random(
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return TkeEffect(keFade + int(random() % unsigned(kEffectCount - 1)));
}

ShowAnimation::ShowAnimation() = default;

ShowAnimation::~ShowAnimation() = default;

bool ShowAnimation::begin(const PixelBuffer& picture, const PixelBuffer& desktop, POINT position, HRGN region,
                          const TSeAnimation& options)
{
    finish();
    frames_ = 0;
    const int w = picture.width(), h = picture.height();
    if (picture.empty() || desktop.width() != w || desktop.height() != h)
        return false;
    effect_ = ResolveEffect(options.Effect());
    if (frame_.width() != w || frame_.height() != h)
        frame_ = MemoryDib(w, h, MemoryDib::Fill::Unfilled);
    if (frame_.empty())
        return false;
    overlay_ = std::make_unique<ScreenOverlay>(RECT{position.x, position.y, position.x + w, position.y + h}, region);
    mask_.layOut(SIZE{w, h}, options.Resolution(), options.TileCount(), options.Direction());
    picture_ = &picture;
    desktop_ = &desktop;
    return true;
}

void ShowAnimation::showFrame(int percent)
{
    if (!overlay_)
        return;
    PixelBuffer frame(frame_.width(), frame_.height(), frame_.bits(), frame_.width());
    mask_.draw(effect_, percent);
    composeAnimationFrame(frame, *picture_, *desktop_, mask_);
    present();
}

void ShowAnimation::showPicture()
{
    if (!overlay_)
        return;
    // Where the key lies within the shape, the desktop shows.
    const int w = frame_.width();
    for (int y = 0; y < frame_.height(); ++y) {
        std::copy_n(picture_->row(y), w, frame_.row(y));
        blendOverDesktopRow(frame_.row(y), desktop_->row(y), w, 255);
    }
    present();
}

bool ShowAnimation::play(const PixelBuffer& picture, const PixelBuffer& desktop, POINT position, HRGN region,
                         const TSeAnimation& options)
{
    try {
        if (!begin(picture, desktop, position, region, options))
            return false;
        const double time = std::max(options.Time(), 1);
        TSeTimer stopwatch;
        stopwatch.Start();
        // Paced by the time since the start, never by adding up frame
        // times: the loop ends when the time is up, however slow or fast
        // a frame is.
        for (double elapsed = stopwatch.ElapsedMs(); elapsed < time; elapsed = stopwatch.ElapsedMs()) {
            const int percent = std::min(100, int(std::lround(elapsed / time * 100.0)));
            showFrame(percent);
            if (OnFrame)
                OnFrame(percent);
        }
        showPicture();
        if (OnFrame)
            OnFrame(100);
        return true;
    } catch (const std::exception&) {
        // The window then shows itself without the animation.
        finish();
        return false;
    }
}

void ShowAnimation::present()
{
    HDC dc = overlay_->dc();
    if (dc)
        BitBlt(dc, 0, 0, frame_.width(), frame_.height(), frame_.dc(), 0, 0, SRCCOPY);
    overlay_->present();
    ++frames_;
}

void ShowAnimation::finish()
{
    overlay_.reset();
    picture_ = desktop_ = nullptr;
}

} // namespace brio
