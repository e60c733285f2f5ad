#pragma once
// The show animation: before a window appears, its finished picture fades
// in over the desktop picture through one of the mask effects, drawn frame
// by frame in a screen overlay at the window's place. Frames are paced by
// the wall-clock time since the start, so the animation lasts about
// `Time` milliseconds whatever the frame rate, and always ends. The last
// frame is the plain picture; it stays on screen until finish(), which the
// window calls once it shows the same picture itself, so nothing flickers
// in between.

#include "platform/WinTypes.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/gdi/MemoryDib.h"
#include "skin/controls/effects/SeAnimationMask.h"
#include "skin/controls/options/SeFormTypes.h"

#include <functional>
#include <memory>

class TSeAnimation;

namespace brio {

class ScreenOverlay;

// keRandomSelect becomes one of the fourteen others, at random; the rest
// stay as they are.
TkeEffect ResolveEffect(TkeEffect effect);

class ShowAnimation {
public:
    ShowAnimation();
    ~ShowAnimation();
    ShowAnimation(const ShowAnimation&) = delete;
    ShowAnimation& operator=(const ShowAnimation&) = delete;

    // Plays `picture` (the window's, with the transparent key outside its
    // shape) over `desktop` (the same size) at `position` on the screen,
    // through `region` (window coordinates; null: the whole rectangle).
    // False, with nothing shown, when either picture is empty, the sizes
    // differ, or the overlay cannot be made.
    bool play(const PixelBuffer& picture, const PixelBuffer& desktop, POINT position, HRGN region,
              const TSeAnimation& options);
    // Takes the last frame off the screen.
    void finish();

    // play() in steps, for those who pace frames themselves: begin() makes
    // the overlay (hidden) and the mask; showFrame() puts the frame for
    // `percent` on the screen; showPicture() the plain picture. The
    // pictures must live until finish().
    bool begin(const PixelBuffer& picture, const PixelBuffer& desktop, POINT position, HRGN region,
               const TSeAnimation& options);
    void showFrame(int percent);
    void showPicture();

    // What the last play() did, for those who watch it.
    int framesShown() const { return frames_; }
    TkeEffect effectShown() const { return effect_; }
    // Called after each frame is on screen with its percentage.
    std::function<void(int percent)> OnFrame;
    // The overlay while the last frame is up, else null.
    ScreenOverlay* overlay() const { return overlay_.get(); }

private:
    void present();

    std::unique_ptr<ScreenOverlay> overlay_;
    const PixelBuffer* picture_ = nullptr;
    const PixelBuffer* desktop_ = nullptr;
    MemoryDib frame_;
    AnimationMask mask_;
    int frames_ = 0;
    TkeEffect effect_ = keFade;
};

} // namespace brio
