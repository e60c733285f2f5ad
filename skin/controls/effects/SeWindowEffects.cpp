#include "skin/controls/effects/SeWindowEffects.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "platform/gdi/GdiObjectOwner.h"
#include "platform/window/Backend.h"
#include "skin/controls/effects/SeDesktopBlend.h"
#include "skin/controls/effects/SeEffectPixels.h"
#include "skin/controls/effects/SeShadowPaint.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SePixels.h"

#include <algorithm>
#include <map>

namespace brio {

namespace {

constexpr UINT_PTR kLastFrameTimer = 0x5EEF;

// Whose last frame a window's timer takes away.
std::map<HWND, WindowEffects*>& waitingWindows()
{
    static std::map<HWND, WindowEffects*> windows;
    return windows;
}

// The part of a bitmap that holds the window's picture.
PixelBuffer windowPixels(TSeBitmap& bitmap, SIZE windowSize)
{
    return PixelBuffer(std::min(bitmap.Width(), int(windowSize.cx)), std::min(bitmap.Height(), int(windowSize.cy)),
                       bitmap.Bits(), bitmap.Width());
}

// Resets a flag on every way out.
class Raised {
public:
    explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
    ~Raised() { flag_ = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
};

} // namespace

WindowEffects::WindowEffects() = default;

WindowEffects::~WindowEffects()
{
    finishShowAnimation();
}

void WindowEffects::capture(const RECT& windowRect, HWND own)
{
    // A new picture of the desktop means the window moves: a last frame
    // still up would stand in the wrong place.
    finishShowAnimation();
    desktop_.capture(windowRect, own);
}

void WindowEffects::setFrameShape(HRGN shape, SIZE frame)
{
    frameShape_ = RegionFromHandle(shape, RECT{0, 0, frame.cx, frame.cy});
}

void WindowEffects::paintShadow(TSeBitmap& window, SIZE windowSize, SIZE frame, int size)
{
    if (!desktop_.hasImage() || window.IsEmpty())
        return;
    PixelBuffer pixels = windowPixels(window, windowSize);
    brio::paintShadow(pixels, frame, size, frameShape_, desktop_.pixels());
}

void WindowEffects::blendFrame(TSeBitmap& window, SIZE windowSize, SIZE frame, const RECT& client, int alpha)
{
    if (!desktop_.hasImage() || window.IsEmpty())
        return;
    PixelBuffer pixels = windowPixels(window, windowSize);
    brio::blendFrame(pixels, frame, client, frameShape_, alpha, desktop_.pixels());
}

void WindowEffects::blendClient(TSeBitmap& window, SIZE windowSize, const RECT& area, int alpha)
{
    if (!desktop_.hasImage() || window.IsEmpty())
        return;
    PixelBuffer pixels = windowPixels(window, windowSize);
    blendWithDesktop(pixels, POINT{0, 0}, AreaOf(area), alpha, desktop_.pixels());
}

bool WindowEffects::runShowAnimation(HWND hwnd, SIZE windowSize, const TSeAnimation& options,
                                     const std::function<void(TSeBitmap&)>& compose)
{
    finishShowAnimation();
    const RECT at = desktop_.rect();
    if (!hwnd || windowSize.cx <= 0 || windowSize.cy <= 0 || !desktop_.hasImage() || Width(at) != windowSize.cx ||
        Height(at) != windowSize.cy)
        return false;
    if (!image_)
        image_ = std::make_unique<TSeBitmap>();
    image_->Allocate(windowSize.cx, windowSize.cy);
    if (image_->IsEmpty())
        return false;
    GdiObjectOwner<HRGN> owned(CreateRectRgn(0, 0, 0, 0));
    HRGN region = owned.get();
    const bool shaped = GetWindowRgn(hwnd, region) != ERROR;
    bool played = false;
    {
        Raised animating(animating_);
        // Whatever the window does not paint is outside its picture.
        image_->Fill(SeKeyValue);
        compose(*image_);
        // Outside the window's region the desktop shows.
        if (shaped) {
            Region outside(RECT{0, 0, windowSize.cx, windowSize.cy});
            outside.subtract(RegionFromHandle(region, RECT{}));
            for (const RECT& r : outside.rects())
                image_->FillRect(r, SeKeyValue);
        }
        PixelBuffer picture = windowPixels(*image_, windowSize);
        played = animation_.play(picture, desktop_.pixels(), POINT{at.left, at.top}, shaped ? region : nullptr,
                                 options);
    }
    if (played && SetTimer(hwnd, kLastFrameTimer, 0, lastFrameTimer)) {
        timerWindow_ = hwnd;
        waitingWindows()[hwnd] = this;
    } else {
        animation_.finish();
    }
    return played;
}

void WindowEffects::lastFrameTimer(HWND hwnd, UINT, UINT_PTR id, DWORD)
{
    KillTimer(hwnd, id);
    auto it = waitingWindows().find(hwnd);
    if (it == waitingWindows().end())
        return;
    WindowEffects* effects = it->second;
    // The window paints its own picture and puts it on the display before
    // the frame above it goes, so nothing shows in between.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    CurrentBackend().presentNow();
    effects->finishShowAnimation();
}

void WindowEffects::finishShowAnimation()
{
    if (timerWindow_) {
        KillTimer(timerWindow_, kLastFrameTimer);
        waitingWindows().erase(timerWindow_);
        timerWindow_ = nullptr;
    }
    animation_.finish();
}

} // namespace brio
