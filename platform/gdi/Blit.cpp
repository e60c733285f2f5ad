// Block transfers between device contexts: pattern fills, raster-operation
// copies, stretches, keyed copies and alpha blends.

#include "platform/gdi/raster/BlitEngine.h"
#include "platform/gdi/raster/RasterKernels.h"
#include "platform/gdi/raster/RowOperations.h"

namespace {

// Both ends of a DC-to-DC transfer in target coordinates.
struct Transfer {
    DeviceContext* dst = nullptr;
    BlitRect to;
    const PixelBuffer* source = nullptr;
    BlitRect from;
};

// False for an unknown DC or coordinates beyond the limit. The source
// rectangle goes through the source DC's own origins.
bool prepareTransfer(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                     int srcHeight, Transfer& t)
{
    t.dst = LookupDc(dst);
    DeviceContext* s = LookupDc(src);
    if (!t.dst || !s)
        return false;
    if (!ToTargetBlitRect(*t.dst, x, y, width, height, t.to)
        || !ToTargetBlitRect(*s, srcX, srcY, srcWidth, srcHeight, t.from))
        return false;
    t.source = s->target();
    return t.source != nullptr;
}

} // namespace

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop)
{
    DeviceContext* d = LookupDc(dc);
    if (!d || RopUsesSource(RopByte(rop)) || width < 0 || height < 0)
        return FALSE;
    BlitRect to;
    if (!ToTargetBlitRect(*d, x, y, width, height, to))
        return FALSE;
    return RasterBlit(*d, to, nullptr, BlitRect{}, rop) ? TRUE : FALSE;
}

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop)
{
    if (width < 0 || height < 0)
        return FALSE;
    if (!RopUsesSource(RopByte(rop)))
        return PatBlt(dst, x, y, width, height, rop);
    Transfer t;
    if (!prepareTransfer(dst, x, y, width, height, src, srcX, srcY, width, height, t))
        return FALSE;
    return RasterBlit(*t.dst, t.to, t.source, t.from, rop) ? TRUE : FALSE;
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop)
{
    if (!RopUsesSource(RopByte(rop))) {
        DeviceContext* d = LookupDc(dst);
        BlitRect to;
        if (!d || !ToTargetBlitRect(*d, x, y, width, height, to))
            return FALSE;
        return RasterBlit(*d, to, nullptr, BlitRect{}, rop) ? TRUE : FALSE;
    }
    Transfer t;
    if (!prepareTransfer(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, t))
        return FALSE;
    return RasterBlit(*t.dst, t.to, t.source, t.from, rop) ? TRUE : FALSE;
}

BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                    int srcHeight, UINT keyColor)
{
    if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0)
        return FALSE;
    Transfer t;
    if (!prepareTransfer(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, t))
        return FALSE;
    KeyedCopyRows keyed(PixelFromColorRef(keyColor));
    BlitScaled(*t.dst, t.to, *t.source, t.from, keyed);
    return TRUE;
}

BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend)
{
    if (blend.BlendOp != AC_SRC_OVER || blend.BlendFlags != 0
        || (blend.AlphaFormat != 0 && blend.AlphaFormat != AC_SRC_ALPHA))
        return FALSE;
    if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0)
        return FALSE;
    Transfer t;
    if (!prepareTransfer(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, t))
        return FALSE;
    BlendRows rows(blend.SourceConstantAlpha, blend.AlphaFormat == AC_SRC_ALPHA);
    if (!rows.isNoOp())
        BlitScaled(*t.dst, t.to, *t.source, t.from, rows);
    return TRUE;
}
