#pragma once
// What a skinned window keeps for its effects: the desktop picture under
// it, its frame's shape, and while a show animation runs, the image the
// window's picture is composed in. It offers the shadow, the blends and the
// animation on the window's own bitmaps (window coordinates), each skipped
// while there is no usable desktop picture.
//
// After a show animation the last frame stays on the screen until the
// window has painted the same picture itself and it is on the display; a
// zero-length timer on the window takes it away then.

#include "platform/WinTypes.h"
#include "platform/RectMath.h"
#include "platform/gdi/Region.h"
#include "skin/controls/effects/SeDesktopCapture.h"
#include "skin/controls/effects/SeShowAnimation.h"

#include <functional>
#include <memory>

class TSeAnimation;
class TSeBitmap;

namespace brio {

class WindowEffects {
public:
    WindowEffects();
    ~WindowEffects();
    WindowEffects(const WindowEffects&) = delete;
    WindowEffects& operator=(const WindowEffects&) = delete;

    DesktopCapture& desktop() { return desktop_; }
    const DesktopCapture& desktop() const { return desktop_; }
    // Refreshes the desktop picture for `windowRect` (screen coordinates)
    // under the window `own`.
    void capture(const RECT& windowRect, HWND own);
    // Whether the window region carries the shadow band now (the form
    // says so each time it sets the region).
    bool bandInRegion() const { return bandInRegion_; }
    void setBandInRegion(bool value) { bandInRegion_ = value; }

    // The frame's shape in window coordinates (copied; null: the whole
    // frame of `frame` size).
    void setFrameShape(HRGN shape, SIZE frame);

    // On a bitmap of the window's picture; its size may exceed the window's.
    void paintShadow(TSeBitmap& window, SIZE windowSize, SIZE frame, int size);
    void blendFrame(TSeBitmap& window, SIZE windowSize, SIZE frame, const RECT& client, int alpha);
    void blendClient(TSeBitmap& window, SIZE windowSize, const RECT& area, int alpha);

    // ---- The show animation
    // The image the window's picture goes into while an animation is being
    // prepared and played; null otherwise.
    TSeBitmap* animationImage() const { return animating_ ? image_.get() : nullptr; }
    // Runs the animation for `hwnd`, whose picture `compose` draws into the
    // image (window size); the region and the position come from the window
    // and the desktop picture's rectangle. False when skipped.
    bool runShowAnimation(HWND hwnd, SIZE windowSize, const TSeAnimation& options,
                          const std::function<void(TSeBitmap&)>& compose);
    // Takes the last frame off the screen now (the timer does it otherwise).
    void finishShowAnimation();
    bool lastFrameShown() const { return animation_.overlay() != nullptr; }
    const ShowAnimation& animation() const { return animation_; }

private:
    static void lastFrameTimer(HWND hwnd, UINT, UINT_PTR id, DWORD);

    DesktopCapture desktop_;
    Region frameShape_;
    std::unique_ptr<TSeBitmap> image_;
    bool animating_ = false;
    ShowAnimation animation_;
    HWND timerWindow_ = nullptr;
    bool bandInRegion_ = false;
};

} // namespace brio
