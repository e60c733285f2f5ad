// Rectangle fills with a given brush: FillRect, FrameRect, InvertRect.
// They ignore the DC's brush and binary raster operation.

#include "platform/gdi/raster/BlitEngine.h"
#include "platform/RectMath.h"

#include <cstdint>

namespace {

// A brush handle, or a system colour index plus one in its place.
BrushObject* lookupFillBrush(HBRUSH brush)
{
    if (BrushObject* b = LookupBrush(brush))
        return b;
    auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= std::uintptr_t(COLOR_MENUBAR) + 1)
        return LookupBrush(GetSysColorBrush(int(value) - 1));
    return nullptr;
}

// A logical rectangle of `dc` in target coordinates; false beyond the
// coordinate limit.
bool toTargetRect(const DeviceContext& dc, const RECT& r, RECT& out)
{
    BlitRect b;
    const std::int64_t width = std::int64_t(r.right) - r.left;
    const std::int64_t height = std::int64_t(r.bottom) - r.top;
    if (width < -kBlitCoordinateLimit || width > kBlitCoordinateLimit || height < -kBlitCoordinateLimit
        || height > kBlitCoordinateLimit || !ToTargetBlitRect(dc, r.left, r.top, int(width), int(height), b))
        return false;
    out = RECT{b.x, b.y, b.x + b.width, b.y + b.height};
    return true;
}

} // namespace

int FillRect(HDC dc, const RECT* r, HBRUSH brush)
{
    DeviceContext* d = LookupDc(dc);
    BrushObject* b = lookupFillBrush(brush);
    RECT t;
    if (!d || !r || !b || !toTargetRect(*d, *r, t))
        return 0;
    PaintBrushRect(*d, t, MakeBrushSource(*d, *b), R2_COPYPEN);
    return 1;
}

int FrameRect(HDC dc, const RECT* r, HBRUSH brush)
{
    DeviceContext* d = LookupDc(dc);
    BrushObject* b = lookupFillBrush(brush);
    RECT t;
    if (!d || !r || !b || !toTargetRect(*d, *r, t))
        return 0;
    if (IsEmpty(t))
        return 1;
    const BrushSource source = MakeBrushSource(*d, *b);
    auto paint = [&](const RECT& side) { PaintBrushRect(*d, side, source, R2_COPYPEN); };
    // Top and bottom rows across, the sides between them.
    paint(RECT{t.left, t.top, t.right, t.top + 1});
    paint(RECT{t.left, std::max(t.top + 1, t.bottom - 1), t.right, t.bottom});
    paint(RECT{t.left, t.top + 1, t.left + 1, t.bottom - 1});
    paint(RECT{std::max(t.left + 1, t.right - 1), t.top + 1, t.right, t.bottom - 1});
    return 1;
}

BOOL InvertRect(HDC dc, const RECT* r)
{
    DeviceContext* d = LookupDc(dc);
    RECT t;
    if (!d || !r || !toTargetRect(*d, *r, t))
        return FALSE;
    PaintRect(*d, t, SolidSource(0), R2_NOT);
    return TRUE;
}
