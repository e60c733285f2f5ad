#include "skin/controls/effects/SeDesktopCapture.h"

#include "platform/Gdi.h"
#include "platform/RectMath.h"
#include "platform/WinUser.h"
#include "platform/gdi/Region.h"

namespace brio {

namespace {

// Where the window is on screen now, or empty when it is not shown there.
RECT shownRect(HWND own)
{
    RECT r{};
    if (!own || !IsWindowVisible(own) || IsIconic(own) || !GetWindowRect(own, &r))
        return RECT{};
    return r;
}

} // namespace

DesktopCapture::DesktopCapture() : current_(std::make_unique<TSeBitmap>()), spare_(std::make_unique<TSeBitmap>()) {}

DesktopCapture::~DesktopCapture() = default;

PixelBuffer DesktopCapture::pixels() const
{
    TSeBitmap& image = *current_;
    return PixelBuffer(image.Width(), image.Height(), image.Bits(), image.Width());
}

void DesktopCapture::reset()
{
    current_ = std::make_unique<TSeBitmap>();
    spare_ = std::make_unique<TSeBitmap>();
    rect_ = RECT{};
    usable_ = false;
    lastReads_.clear();
}

void DesktopCapture::capture(const RECT& wanted, HWND own)
{
    lastReads_.clear();
    const RECT rect = Normalized(wanted);
    if (IsEmpty(rect)) {
        reset();
        return;
    }
    if (EqualRect(&rect, &rect_) && !current_->IsEmpty())
        return;

    TSeBitmap& next = *spare_;
    next.Allocate(Width(rect), Height(rect));
    if (next.IsEmpty()) {
        reset();
        return;
    }
    // Memory of an earlier picture: every pixel is written below.
    Region unread(rect);
    const RECT overlap = current_->IsEmpty() ? RECT{} : Intersect(rect, rect_);
    if (!IsEmpty(overlap)) {
        PixelBuffer from = pixels();
        PixelBuffer to(next.Width(), next.Height(), next.Bits(), next.Width());
        to.copyFrom(from, Offset(overlap, -rect_.left, -rect_.top), POINT{overlap.left - rect.left, overlap.top - rect.top});
        unread.subtract(overlap);
    }
    Region readable = unread;
    const RECT covered = shownRect(own);
    if (!IsEmpty(covered))
        readable.subtract(covered);
    // What cannot be read (off the screen, under the window) stays black.
    Region black = unread;
    black.subtract(readable);
    for (const RECT& r : black.rects())
        next.FillRect(Offset(r, -rect.left, -rect.top), 0xFF000000u);
    readScreen(next, rect, readable.rects());

    std::swap(current_, spare_);
    rect_ = rect;
    usable_ = anyColour();
}

void DesktopCapture::readScreen(TSeBitmap& target, const RECT& rect, const std::vector<RECT>& reads)
{
    if (reads.empty())
        return;
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    HDC dc = GetDC(nullptr);
    for (const RECT& r : reads) {
        const RECT on = dc ? Intersect(r, screen) : RECT{};
        if (!EqualRect(&on, &r)) {
            // Off the screen there is nothing to read.
            target.FillRect(Offset(r, -rect.left, -rect.top), 0xFF000000u);
        }
        if (IsEmpty(on))
            continue;
        BitBlt(target.DC(), on.left - rect.left, on.top - rect.top, Width(on), Height(on), dc, on.left, on.top, SRCCOPY);
        lastReads_.push_back(on);
    }
    if (dc)
        ReleaseDC(nullptr, dc);
}

bool DesktopCapture::anyColour() const
{
    const TSeBitmap& image = *current_;
    const Pixel* p = image.Bits();
    if (!p)
        return false;
    // Stops at the first coloured pixel: a real desktop has one at once.
    const std::size_t count = std::size_t(image.Width()) * std::size_t(image.Height());
    for (std::size_t i = 0; i < count; ++i)
        if (p[i] & 0x00FFFFFFu)
            return true;
    return false;
}

} // namespace brio
