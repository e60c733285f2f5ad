// Single pixels, and blits from a caller's 32-bit DIB rows.

#include "platform/gdi/raster/BlitEngine.h"
#include "platform/gdi/raster/RasterKernels.h"
#include "platform/RectMath.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// The target pixel under a logical point, when it is inside the clip.
PixelBuffer* visiblePixel(HDC dc, int x, int y, POINT& out)
{
    DeviceContext* d = LookupDc(dc);
    if (!d || !d->target())
        return nullptr;
    POINT o = d->logicalToTarget();
    const std::int64_t tx = std::int64_t(x) + o.x;
    const std::int64_t ty = std::int64_t(y) + o.y;
    if (tx < INT32_MIN || tx > INT32_MAX || ty < INT32_MIN || ty > INT32_MAX || !d->clip().contains(int(tx), int(ty)))
        return nullptr;
    out = POINT{int(tx), int(ty)};
    return d->target();
}

// A caller's DIB: width and height of the picture and its row order.
struct DibLayout {
    int width = 0;
    int height = 0;
    bool bottomUp = false;
};

bool readDibLayout(const BITMAPINFO* info, UINT usage, const void* bits, DibLayout& out)
{
    if (!info || !bits || usage != DIB_RGB_COLORS)
        return false;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biBitCount != 32 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0
        || h.biHeight == INT32_MIN)
        return false;
    out.width = h.biWidth;
    out.bottomUp = h.biHeight > 0;
    out.height = out.bottomUp ? h.biHeight : -h.biHeight;
    return std::int64_t(out.width) * out.height <= (std::int64_t(1) << 28);
}

// `lines` rows of the caller's memory, starting at scan line `firstScan`,
// as a buffer whose row 0 is the topmost of them in the picture. Scan lines
// count from the bottom of a bottom-up picture. When the rows overlap the
// destination's memory they are copied first, so the blit never reads what
// it has written.
std::unique_ptr<PixelBuffer> wrapScanLines(const DibLayout& dib, const void* bits, int firstScan, int lines,
                                           const PixelBuffer& destination, int& pictureTop)
{
    auto* memory = static_cast<Pixel*>(const_cast<void*>(bits));
    const std::ptrdiff_t stride = dib.width;
    pictureTop = dib.bottomUp ? dib.height - firstScan - lines : firstScan;
    auto view = dib.bottomUp ? std::make_unique<PixelBuffer>(dib.width, lines, memory + (lines - 1) * stride, -stride)
                             : std::make_unique<PixelBuffer>(dib.width, lines, memory, stride);
    auto begin = reinterpret_cast<std::uintptr_t>(memory);
    auto end = begin + std::size_t(lines) * std::size_t(dib.width) * sizeof(Pixel);
    auto targetBegin = reinterpret_cast<std::uintptr_t>(destination.memory());
    auto targetEnd = targetBegin + destination.byteCount();
    if (begin < targetEnd && targetBegin < end) {
        auto copy = std::make_unique<PixelBuffer>(dib.width, lines);
        copy->copyFrom(*view, view->bounds(), POINT{0, 0});
        return copy;
    }
    return view;
}

// The picture rectangle of a DIB source rectangle: in a bottom-up DIB,
// (srcX, srcY) is the lower-left corner counted from the bottom row.
bool pictureSourceRect(const DibLayout& dib, int srcX, int srcY, int srcWidth, int srcHeight, BlitRect& out)
{
    const std::int64_t top = dib.bottomUp ? std::int64_t(dib.height) - srcY - srcHeight : std::int64_t(srcY);
    auto inRange = [](std::int64_t v) { return v >= -kBlitCoordinateLimit && v <= kBlitCoordinateLimit; };
    if (!inRange(srcX) || !inRange(std::int64_t(srcX) + srcWidth) || !inRange(top) || !inRange(top + srcHeight))
        return false;
    out = BlitRect{srcX, int(top), srcWidth, srcHeight};
    return true;
}

} // namespace

COLORREF GetPixel(HDC dc, int x, int y)
{
    POINT t;
    PixelBuffer* target = visiblePixel(dc, x, y, t);
    return target ? ColorRefFromPixel(target->row(t.y)[t.x]) : CLR_INVALID;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color)
{
    POINT t;
    PixelBuffer* target = visiblePixel(dc, x, y, t);
    if (!target)
        return CLR_INVALID;
    Pixel p = PixelFromColorRef(color);
    target->row(t.y)[t.x] = p;
    return ColorRefFromPixel(p);
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF color)
{
    return SetPixel(dc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int srcX, int srcY, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage)
{
    DeviceContext* d = LookupDc(dc);
    DibLayout dib;
    if (!d || !readDibLayout(info, usage, bits, dib) || width > DWORD(INT32_MAX) || height > DWORD(INT32_MAX))
        return 0;
    if (startScan >= UINT(dib.height) || lines == 0)
        return 0;
    const int lineCount = int(std::min<UINT>(lines, UINT(dib.height) - startScan));
    BlitRect to, from;
    if (!ToTargetBlitRect(*d, x, y, int(width), int(height), to)
        || !pictureSourceRect(dib, srcX, srcY, int(width), int(height), from))
        return 0;
    if (PixelBuffer* target = d->target(); target && width > 0 && height > 0) {
        int bandTop = 0;
        auto band = wrapScanLines(dib, bits, int(startScan), lineCount, *target, bandTop);
        from.y -= bandTop;
        RasterBlit(*d, to, band.get(), from, SRCCOPY);
    }
    return lineCount;
}

int StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth, int srcHeight,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop)
{
    DeviceContext* d = LookupDc(dc);
    DibLayout dib;
    if (!d || !readDibLayout(info, usage, bits, dib))
        return 0;
    BlitRect to, from;
    if (!ToTargetBlitRect(*d, x, y, width, height, to)
        || !pictureSourceRect(dib, srcX, srcY, srcWidth, srcHeight, from))
        return 0;
    if (width == 0 || height == 0)
        return 0;
    // The result counts the source rows that exist in the picture, or the
    // rows painted when the operation ignores the source.
    const int rows = RopUsesSource(RopByte(rop))
                         ? Height(Intersect(NormalizedRect(from), RECT{0, 0, dib.width, dib.height}))
                         : std::abs(height);
    if (rows == 0)
        return 0;
    if (PixelBuffer* target = d->target()) {
        int pictureTop = 0;
        auto picture = wrapScanLines(dib, bits, 0, dib.height, *target, pictureTop);
        if (!RasterBlit(*d, to, picture.get(), from, rop))
            return 0;
    }
    return rows;
}
