#include "skin/controls/effects/SeShadowPaint.h"

#include "platform/Gdi.h"
#include "platform/RectMath.h"
#include "platform/gdi/raster/RasterKernels.h"
#include "skin/controls/effects/SeEffectPixels.h"

#include <algorithm>
#include <cstring>

namespace brio {

namespace {

constexpr unsigned kFade[] = {20, 70, 120};

void copyDesktop(PixelBuffer& window, const PixelBuffer& desktop, const Region& area)
{
    forEachRowPiece(area, window.bounds(), window, desktop, [&](int y, int x0, int x1) {
        std::memcpy(window.row(y) + x0, desktop.row(y) + x0, std::size_t(x1 - x0) * sizeof(Pixel));
    });
}

void shade(PixelBuffer& window, const PixelBuffer& desktop, const Region& area)
{
    forEachRowPiece(area, window.bounds(), window, desktop, [&](int y, int x0, int x1) {
        shadowRow(window.row(y) + x0, desktop.row(y) + x0, x1 - x0, kShadowAlpha);
    });
}

} // namespace

unsigned ShadowFadeAlpha(int k)
{
    return k >= 0 && k < 3 ? kFade[k] : kShadowAlpha;
}

void paintShadow(PixelBuffer& window, SIZE frame, int size, const Region& frameShape, const PixelBuffer& desktop)
{
    const int s = size;
    const int fw = frame.cx, fh = frame.cy;
    if (s <= 0 || fw <= 0 || fh <= 0 || window.empty() || desktop.empty())
        return;
    Region shape = frameShape;
    shape.intersect(RECT{0, 0, fw, fh});

    // Under the frame: where the moved shape reaches past the frame's own.
    Region under = AreaOf(RECT{s, s, fw, fh});
    under.subtract(shape);
    Region shadowed = shape;
    shadowed.translate(s, s);
    shadowed.intersect(under);
    under.subtract(shadowed);
    shade(window, desktop, shadowed);
    copyDesktop(window, desktop, under);

    // Beside the frame, what the moved frame does not reach shows what lies
    // behind (outside the window's region, but kept clean).
    Region open = AreaOf(window.bounds());
    open.subtract(AreaOf(RECT{0, 0, fw, fh}));
    open.subtract(AreaOf(RECT{s, s, fw + s, fh + s}));
    copyDesktop(window, desktop, open);

    const RECT right{std::max(fw, s), s, fw + s, fh};
    const RECT bottom{s, std::max(fh, s), fw, fh + s};
    const RECT corner{std::max(fw, s), std::max(fh, s), fw + s, fh + s};
    // The right band fades towards its top, the bottom band towards its left.
    forEachRowPiece(AreaOf(right), window.bounds(), window, desktop, [&](int y, int x0, int x1) {
        shadowRow(window.row(y) + x0, desktop.row(y) + x0, x1 - x0, ShadowFadeAlpha(y - s));
    });
    forEachRowPiece(AreaOf(bottom), window.bounds(), window, desktop, [&](int y, int x0, int x1) {
        Pixel* d = window.row(y);
        const Pixel* under = desktop.row(y);
        const int faded = std::min(x1, s + 3);
        for (int x = x0; x < faded; ++x)
            d[x] = BlendPixel(kShadowColour, under[x], ShadowFadeAlpha(x - s));
        const int from = std::max(x0, faded);
        if (from < x1)
            shadowRow(d + from, under + from, x1 - from, kShadowAlpha);
    });
    // The corner square fades diagonally towards its far corner.
    forEachRowPiece(AreaOf(corner), window.bounds(), window, desktop, [&](int y, int x0, int x1) {
        Pixel* d = window.row(y);
        const Pixel* under = desktop.row(y);
        const int rowSteps = fh + s - 1 - y;
        for (int x = x0; x < x1; ++x)
            d[x] = BlendPixel(kShadowColour, under[x], ShadowFadeAlpha(rowSteps + (fw + s - 1 - x)));
    });
}

HRGN ShadowedWindowRegion(HRGN frameShape, int size)
{
    if (!frameShape)
        return nullptr;
    HRGN united = CreateRectRgn(0, 0, 0, 0);
    HRGN moved = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(moved, frameShape, nullptr, RGN_COPY);
    OffsetRgn(moved, size, size);
    CombineRgn(united, frameShape, moved, RGN_OR);
    DeleteObject(moved);
    return united;
}

} // namespace brio
