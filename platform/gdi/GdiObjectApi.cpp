// Creation, selection, inspection and deletion of GDI objects.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/UnfilledBitmap.h"

#include <array>
#include <cstring>

namespace {

HGDIOBJ makeStock(std::unique_ptr<GdiObject> o)
{
    o->markStock();
    return InsertGdiObject(std::move(o));
}

std::unique_ptr<BrushObject> solidBrush(COLORREF c)
{
    auto b = std::make_unique<BrushObject>();
    b->color = c;
    return b;
}

std::unique_ptr<PenObject> makePen(int style, int width, COLORREF c)
{
    auto p = std::make_unique<PenObject>();
    p->style = style;
    p->width = width < 1 ? 1 : width;
    p->color = c;
    return p;
}

LOGFONT logFont(int height, int weight, const char* face)
{
    LOGFONT f;
    f.lfHeight = height;
    f.lfWeight = weight;
    std::strncpy(f.lfFaceName, face, LF_FACESIZE - 1);
    return f;
}

struct StockTable {
    std::array<HGDIOBJ, DC_PEN + 1> objects{};
    HBITMAP bitmap = nullptr;

    StockTable()
    {
        objects[WHITE_BRUSH] = makeStock(solidBrush(RGB(255, 255, 255)));
        objects[LTGRAY_BRUSH] = makeStock(solidBrush(RGB(192, 192, 192)));
        objects[GRAY_BRUSH] = makeStock(solidBrush(RGB(128, 128, 128)));
        objects[DKGRAY_BRUSH] = makeStock(solidBrush(RGB(64, 64, 64)));
        objects[BLACK_BRUSH] = makeStock(solidBrush(RGB(0, 0, 0)));
        auto hollow = std::make_unique<BrushObject>();
        hollow->style = BS_NULL;
        objects[NULL_BRUSH] = makeStock(std::move(hollow));
        objects[WHITE_PEN] = makeStock(makePen(PS_SOLID, 1, RGB(255, 255, 255)));
        objects[BLACK_PEN] = makeStock(makePen(PS_SOLID, 1, RGB(0, 0, 0)));
        objects[NULL_PEN] = makeStock(makePen(PS_NULL, 1, 0));
        auto dcBrush = solidBrush(RGB(255, 255, 255));
        dcBrush->followsDcColor = true;
        objects[DC_BRUSH] = makeStock(std::move(dcBrush));
        auto dcPen = makePen(PS_SOLID, 1, 0);
        dcPen->followsDcColor = true;
        objects[DC_PEN] = makeStock(std::move(dcPen));
        // The classic fonts, matched by name to installed faces.
        objects[SYSTEM_FONT] = makeStock(std::make_unique<FontObject>(logFont(16, FW_BOLD, "System")));
        objects[DEVICE_DEFAULT_FONT] = objects[SYSTEM_FONT];
        objects[ANSI_VAR_FONT] = makeStock(std::make_unique<FontObject>(logFont(-11, FW_NORMAL, "MS Sans Serif")));
        objects[DEFAULT_GUI_FONT] = makeStock(std::make_unique<FontObject>(logFont(-11, FW_NORMAL, "MS Shell Dlg")));
        HGDIOBJ fixed = makeStock(std::make_unique<FontObject>(logFont(-13, FW_NORMAL, "Courier New")));
        objects[OEM_FIXED_FONT] = objects[ANSI_FIXED_FONT] = objects[SYSTEM_FIXED_FONT] = fixed;
        bitmap = static_cast<HBITMAP>(makeStock(std::make_unique<BitmapObject>(std::make_shared<PixelBuffer>(1, 1), false)));
    }
};

StockTable& stock()
{
    static StockTable t;
    return t;
}

// `filled`: zeroed memory, else left as allocated for a caller that writes
// every pixel first.
HBITMAP insertBitmap(int width, int height, bool dib, void** bits, bool filled = true)
{
    if (bits)
        *bits = nullptr;
    if (width <= 0 || height <= 0 || std::int64_t(width) * height > (std::int64_t(1) << 28))
        return nullptr;
    auto pixels = filled ? std::make_shared<PixelBuffer>(width, height)
                         : std::make_shared<PixelBuffer>(width, height, UnfilledPixels{});
    if (bits)
        *bits = pixels->memory();
    return static_cast<HBITMAP>(InsertGdiObject(std::make_unique<BitmapObject>(std::move(pixels), dib)));
}

} // namespace

HBITMAP CreateUnfilledDIBSection(int width, int height, void** bits)
{
    return insertBitmap(width, height, true, bits, false);
}

HBITMAP CreateUnfilledBitmap(int width, int height, void** bits)
{
    return insertBitmap(width, height, false, bits, false);
}

HGDIOBJ GetStockObject(int which)
{
    if (which < 0 || which > DC_PEN)
        return nullptr;
    return stock().objects[std::size_t(which)];
}

HBITMAP StockBitmap()
{
    return stock().bitmap;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    DeviceContext* d = LookupDc(dc);
    return d ? d->select(object) : nullptr;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type)
{
    DeviceContext* d = LookupDc(dc);
    if (!d)
        return nullptr;
    switch (type) {
    case OBJ_BRUSH: return d->state().brush;
    case OBJ_PEN: return d->state().pen;
    case OBJ_FONT: return d->state().font;
    case OBJ_BITMAP: return d->state().bitmap;
    default: return nullptr;
    }
}

BOOL DeleteObject(HGDIOBJ object)
{
    GdiObject* o = LookupAnyGdiObject(object);
    if (!o || o->type() == GdiType::Dc || o->type() == GdiType::Icon)
        return FALSE;
    if (o->isStock())
        return TRUE;
    if (o->selections() > 0)
        return FALSE;
    return RemoveGdiObject(object) ? TRUE : FALSE;
}

DWORD GetObjectType(HGDIOBJ object)
{
    GdiObject* o = LookupAnyGdiObject(object);
    if (!o)
        return 0;
    switch (o->type()) {
    case GdiType::Bitmap: return OBJ_BITMAP;
    case GdiType::Brush: return OBJ_BRUSH;
    case GdiType::Pen: return OBJ_PEN;
    case GdiType::Font: return OBJ_FONT;
    case GdiType::Region: return OBJ_REGION;
    case GdiType::Dc:
        return static_cast<DeviceContext*>(o)->kind() == DeviceContext::Kind::Memory ? OBJ_MEMDC : OBJ_DC;
    default: return 0;
    }
}

int GetObject(HGDIOBJ object, int size, void* out)
{
    GdiObject* o = LookupAnyGdiObject(object);
    if (!o)
        return 0;
    auto give = [&](const auto& value) {
        int need = int(sizeof(value));
        if (!out)
            return need;
        int n = size < need ? size : need;
        if (n <= 0)
            return 0;
        std::memcpy(out, &value, std::size_t(n));
        return n;
    };
    switch (o->type()) {
    case GdiType::Bitmap: {
        auto* b = static_cast<BitmapObject*>(o);
        DIBSECTION ds{};
        ds.dsBm.bmWidth = b->pixels->width();
        ds.dsBm.bmHeight = b->pixels->height();
        ds.dsBm.bmWidthBytes = b->pixels->width() * 4;
        ds.dsBm.bmBits = b->dibSection ? b->pixels->memory() : nullptr;
        ds.dsBmih.biWidth = b->pixels->width();
        ds.dsBmih.biHeight = b->pixels->stride() >= 0 ? -b->pixels->height() : b->pixels->height();
        ds.dsBmih.biSizeImage = DWORD(b->pixels->byteCount());
        if (b->dibSection && (size >= int(sizeof(DIBSECTION)) || !out))
            return give(ds);
        return give(ds.dsBm);
    }
    case GdiType::Brush: {
        auto* b = static_cast<BrushObject*>(o);
        return give(LOGBRUSH{b->style, b->color, 0});
    }
    case GdiType::Pen: {
        auto* p = static_cast<PenObject*>(o);
        return give(LOGPEN{UINT(p->style), POINT{p->width, 0}, p->color});
    }
    case GdiType::Font:
        return give(static_cast<FontObject*>(o)->logFont);
    default:
        return 0;
    }
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    return static_cast<HBRUSH>(InsertGdiObject(solidBrush(color & 0xFFFFFF)));
}

HBRUSH CreatePatternBrush(HBITMAP pattern)
{
    BitmapObject* b = LookupBitmap(pattern);
    if (!b || b->pixels->empty())
        return nullptr;
    auto brush = std::make_unique<BrushObject>();
    brush->style = BS_PATTERN;
    // Smaller bitmaps repeat to fill the 8 x 8 cell.
    const PixelBuffer& px = *b->pixels;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            brush->pattern[y * 8 + x] = px.row(y % px.height())[x % px.width()] | 0xFF000000u;
    return static_cast<HBRUSH>(InsertGdiObject(std::move(brush)));
}

COLORREF SetDCBrushColor(HDC dc, COLORREF color)
{
    DeviceContext* d = LookupDc(dc);
    if (!d)
        return CLR_INVALID;
    COLORREF old = d->state().dcBrushColor;
    d->state().dcBrushColor = color & 0xFFFFFF;
    return old;
}

COLORREF SetDCPenColor(HDC dc, COLORREF color)
{
    DeviceContext* d = LookupDc(dc);
    if (!d)
        return CLR_INVALID;
    COLORREF old = d->state().dcPenColor;
    d->state().dcPenColor = color & 0xFFFFFF;
    return old;
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    if (style < PS_SOLID || style > PS_INSIDEFRAME)
        return nullptr;
    if (style == PS_NULL)
        return static_cast<HPEN>(GetStockObject(NULL_PEN));
    return static_cast<HPEN>(InsertGdiObject(makePen(style, width, color & 0xFFFFFF)));
}

HFONT CreateFontIndirect(const LOGFONT* font)
{
    if (!font)
        return nullptr;
    LOGFONT f = *font;
    f.lfFaceName[LF_FACESIZE - 1] = 0;
    return static_cast<HFONT>(InsertGdiObject(std::make_unique<FontObject>(f)));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                 DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                 DWORD pitchAndFamily, const char* faceName)
{
    LOGFONT f;
    f.lfHeight = height;
    f.lfWidth = width;
    f.lfEscapement = escapement;
    f.lfOrientation = orientation;
    f.lfWeight = weight;
    f.lfItalic = BYTE(italic != 0);
    f.lfUnderline = BYTE(underline != 0);
    f.lfStrikeOut = BYTE(strikeOut != 0);
    f.lfCharSet = BYTE(charSet);
    f.lfOutPrecision = BYTE(outPrecision);
    f.lfClipPrecision = BYTE(clipPrecision);
    f.lfQuality = BYTE(quality);
    f.lfPitchAndFamily = BYTE(pitchAndFamily);
    if (faceName)
        std::strncpy(f.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&f);
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, void*, DWORD)
{
    if (bits)
        *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS || info->bmiHeader.biBitCount != 32
        || (info->bmiHeader.biCompression != BI_RGB && info->bmiHeader.biCompression != BI_BITFIELDS))
        return nullptr;
    int width = info->bmiHeader.biWidth;
    int height = info->bmiHeader.biHeight;
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return nullptr;
    bool bottomUp = height > 0;
    height = bottomUp ? height : -height;
    if (std::int64_t(width) * height > (std::int64_t(1) << 28))
        return nullptr;
    std::shared_ptr<PixelBuffer> pixels;
    if (bottomUp) {
        // The memory is one block; the picture's first row is its last line.
        auto block = std::make_shared<PixelBuffer>(width, height);
        Pixel* memory = block->memory();
        pixels = std::shared_ptr<PixelBuffer>(
            new PixelBuffer(width, height, memory + std::ptrdiff_t(height - 1) * width, -std::ptrdiff_t(width)),
            [block](PixelBuffer* p) { delete p; });
    } else {
        pixels = std::make_shared<PixelBuffer>(width, height);
    }
    if (bits)
        *bits = pixels->memory();
    return static_cast<HBITMAP>(InsertGdiObject(std::make_unique<BitmapObject>(std::move(pixels), true)));
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height)
{
    return insertBitmap(width, height, false, nullptr);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits)
{
    if (planes != 1 || bitCount != 32)
        return nullptr;
    HBITMAP h = insertBitmap(width, height, false, nullptr);
    if (h && bits)
        std::memcpy(LookupBitmap(h)->pixels->memory(), bits, LookupBitmap(h)->pixels->byteCount());
    return h;
}

namespace {

// Copies rows between a bitmap and a caller's 32-bit row block, honouring
// the caller's row order. Returns the number of rows copied.
int transferRows(HBITMAP bitmap, UINT start, UINT count, void* bits, const BITMAPINFO* info, bool toCaller)
{
    BitmapObject* b = LookupBitmap(bitmap);
    if (!b || !info || info->bmiHeader.biBitCount != 32 || info->bmiHeader.biWidth != b->pixels->width())
        return 0;
    PixelBuffer& px = *b->pixels;
    bool callerBottomUp = info->bmiHeader.biHeight > 0;
    int h = px.height();
    if (start >= UINT(h))
        return 0;
    UINT n = std::min<UINT>(count, UINT(h) - start);
    if (!bits)
        return int(n);
    auto* rows = static_cast<Pixel*>(bits);
    // Scan line numbers count from the bottom for bottom-up callers.
    Pixel* firstLine = px.row(callerBottomUp ? h - 1 - int(start) : int(start));
    std::ptrdiff_t lineStride = callerBottomUp ? -px.stride() : px.stride();
    if (toCaller)
        brio::copyPixelRect(rows, px.width(), firstLine, lineStride, px.width(), int(n));
    else
        brio::copyPixelRect(firstLine, lineStride, rows, px.width(), px.width(), int(n));
    return int(n);
}

} // namespace

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT count, void* bits, BITMAPINFO* info, UINT usage)
{
    if (usage != DIB_RGB_COLORS || !info)
        return 0;
    BitmapObject* b = LookupBitmap(bitmap);
    if (!b)
        return 0;
    if (!bits && info->bmiHeader.biBitCount == 0) {
        // Asking for the format: fill in the header.
        info->bmiHeader.biWidth = b->pixels->width();
        info->bmiHeader.biHeight = b->pixels->height();
        info->bmiHeader.biBitCount = 32;
        info->bmiHeader.biPlanes = 1;
        info->bmiHeader.biCompression = BI_RGB;
        info->bmiHeader.biSizeImage = DWORD(b->pixels->byteCount());
        return 1;
    }
    return transferRows(bitmap, start, count, bits, info, true);
}

int SetDIBits(HDC, HBITMAP bitmap, UINT start, UINT count, const void* bits, const BITMAPINFO* info, UINT usage)
{
    if (usage != DIB_RGB_COLORS || !bits)
        return 0;
    return transferRows(bitmap, start, count, const_cast<void*>(bits), info, false);
}

BOOL GdiFlush()
{
    return TRUE;
}
