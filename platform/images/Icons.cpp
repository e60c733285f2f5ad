// Icons: loading the stock set, making icons from bitmaps, copying, drawing.
// An icon keeps straight-alpha images, largest first.

#include "platform/gdi/BrushPaint.h"
#include "platform/RectMath.h"
#include "platform/images/StockIcons.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDefaultIconSize = 32; // SM_CXICON, SM_CYICON
// Larger icons than this are refused rather than allocated.
constexpr int kLargestDrawSize = 1 << 16;
// Keeps the destination rectangle's arithmetic far from overflow.
constexpr std::int64_t kLargestPosition = 1 << 28;

bool isBlack(Pixel p)
{
    return (p & 0x00FFFFFFu) == 0;
}

bool hasAnyAlpha(const PixelBuffer& pixels)
{
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.row(y)[x] >> 24)
                return true;
    return false;
}

// A colour bitmap, with the mask (non-black = transparent) when there is one.
// Without alpha in the colour bitmap, the mask alone decides.
PixelBufferPtr imageFromColor(const PixelBuffer& color, const PixelBuffer* mask)
{
    if (mask && (mask->width() < color.width() || mask->height() < color.height()))
        return nullptr;
    auto image = std::make_shared<PixelBuffer>(color.width(), color.height());
    const bool colorAlpha = hasAnyAlpha(color);
    for (int y = 0; y < color.height(); ++y) {
        const Pixel* source = color.row(y);
        Pixel* out = image->row(y);
        for (int x = 0; x < color.width(); ++x) {
            Pixel p = source[x];
            if (mask) {
                const bool transparent = !isBlack(mask->row(y)[x]);
                const Pixel alpha = transparent ? 0 : (colorAlpha ? p >> 24 : 0xFFu);
                p = (p & 0x00FFFFFFu) | (alpha << 24);
            }
            out[x] = p;
        }
    }
    return image;
}

// A two-colour icon: the mask's upper half is the AND mask, its lower half
// the XOR image. Pixels that would invert the screen cannot be kept in a
// straight-alpha image; they become black, which shows on the light
// backgrounds they are meant for.
PixelBufferPtr imageFromMonochrome(const PixelBuffer& mask)
{
    if (mask.height() < 2 || mask.height() % 2 != 0)
        return nullptr;
    const int height = mask.height() / 2;
    auto image = std::make_shared<PixelBuffer>(mask.width(), height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool keepScreen = !isBlack(mask.row(y)[x]);
            const bool white = !isBlack(mask.row(y + height)[x]);
            Pixel p = 0xFF000000u;
            if (!keepScreen && white)
                p = 0xFFFFFFFFu;
            else if (keepScreen && !white)
                p = 0;
            image->row(y)[x] = p;
        }
    }
    return image;
}

PixelBufferPtr copyPixels(const PixelBuffer& source)
{
    auto copy = std::make_shared<PixelBuffer>(source.width(), source.height());
    copy->copyFrom(source, source.bounds(), POINT{0, 0});
    return copy;
}

HBITMAP insertBitmap(PixelBufferPtr pixels)
{
    return static_cast<HBITMAP>(InsertGdiObject(std::make_unique<BitmapObject>(std::move(pixels), true)));
}

// The stored image whose size is nearest to the one asked for; on a tie the
// larger, since shrinking loses less than growing.
const PixelBuffer& nearestImage(const IconObject& icon, int width, int height)
{
    const PixelBuffer* best = icon.images.front().get();
    long bestDistance = -1;
    for (const PixelBufferPtr& image : icon.images) {
        long distance = std::labs(long(image->width()) - width) + std::labs(long(image->height()) - height);
        bool larger = image->width() * image->height() > best->width() * best->height();
        if (bestDistance < 0 || distance < bestDistance || (distance == bestDistance && larger)) {
            best = image.get();
            bestDistance = distance;
        }
    }
    return *best;
}

enum class IconDrawMode { Normal, Image, Mask };

template <IconDrawMode Mode>
void drawRow(Pixel* out, const Pixel* source, const int* sourceColumns, int count)
{
    for (int i = 0; i < count; ++i) {
        const Pixel s = source[sourceColumns[i]];
        if constexpr (Mode == IconDrawMode::Image) {
            out[i] = s | 0xFF000000u;
        } else {
            const Pixel alpha = s >> 24;
            if (alpha == 0)
                continue;
            const Pixel d = out[i];
            const Pixel keep = 255 - alpha;
            if constexpr (Mode == IconDrawMode::Normal) {
                if (alpha == 255) {
                    out[i] = s;
                    continue;
                }
                auto blend = [&](int shift) {
                    return (((alpha * ((s >> shift) & 0xFF) + keep * ((d >> shift) & 0xFF) + 127) / 255) & 0xFF)
                           << shift;
                };
                const Pixel outAlpha = alpha + (keep * (d >> 24) + 127) / 255;
                out[i] = (outAlpha << 24) | blend(16) | blend(8) | blend(0);
            } else {
                // The mask darkens what it covers, as ANDing a black mask would.
                auto darken = [&](int shift) { return (((keep * ((d >> shift) & 0xFF) + 127) / 255) & 0xFF) << shift; };
                out[i] = (d & 0xFF000000u) | darken(16) | darken(8) | darken(0);
            }
        }
    }
}

using RowDrawer = void (*)(Pixel*, const Pixel*, const int*, int);

RowDrawer rowDrawerFor(UINT flags)
{
    if ((flags & DI_NORMAL) == DI_NORMAL)
        return drawRow<IconDrawMode::Normal>;
    if (flags & DI_IMAGE)
        return drawRow<IconDrawMode::Image>;
    return drawRow<IconDrawMode::Mask>;
}

// Nearest-neighbour scaling of `image` onto `dest` (target coordinates), clipped.
void drawScaled(DeviceContext& dc, const PixelBuffer& image, const RECT& dest, RowDrawer drawer)
{
    PixelBuffer* target = dc.target();
    if (!target)
        return;
    const std::int64_t width = Width(dest), height = Height(dest);
    std::vector<int> sourceColumns;
    dc.forEachClipRect(dest, [&](const RECT& r) {
        sourceColumns.resize(std::size_t(Width(r)));
        for (int x = r.left; x < r.right; ++x)
            sourceColumns[std::size_t(x - r.left)] = int((x - dest.left) * std::int64_t(image.width()) / width);
        for (int y = r.top; y < r.bottom; ++y) {
            const int sourceRow = int((y - dest.top) * std::int64_t(image.height()) / height);
            drawer(target->row(y) + r.left, image.row(sourceRow), sourceColumns.data(), Width(r));
        }
    });
}

} // namespace

HICON LoadIcon(HINSTANCE instance, LPCSTR name)
{
    // The program carries no icon resources of its own yet: only the stock set.
    if (instance || !name || !IS_INTRESOURCE(name))
        return nullptr;
    return StockIcon(int(reinterpret_cast<std::uintptr_t>(name)));
}

HICON CreateIconIndirect(const ICONINFO* info)
{
    if (!info)
        return nullptr;
    BitmapObject* color = info->hbmColor ? LookupBitmap(info->hbmColor) : nullptr;
    BitmapObject* mask = info->hbmMask ? LookupBitmap(info->hbmMask) : nullptr;
    if ((info->hbmColor && !color) || (info->hbmMask && !mask))
        return nullptr;
    PixelBufferPtr image;
    if (color)
        image = imageFromColor(*color->pixels, mask ? mask->pixels.get() : nullptr);
    else if (mask)
        image = imageFromMonochrome(*mask->pixels);
    if (!image || image->empty())
        return nullptr;
    auto icon = std::make_unique<IconObject>();
    icon->isIcon = info->fIcon != FALSE;
    icon->hotspot = icon->isIcon ? POINT{image->width() / 2, image->height() / 2}
                                 : POINT{LONG(info->xHotspot), LONG(info->yHotspot)};
    icon->images.push_back(std::move(image));
    return static_cast<HICON>(InsertGdiObject(std::move(icon)));
}

HICON CopyIcon(HICON icon)
{
    const IconObject* source = LookupIcon(icon);
    if (!source)
        return nullptr;
    // Images never change once made, so the copy shares them.
    auto copy = std::make_unique<IconObject>();
    copy->images = source->images;
    copy->hotspot = source->hotspot;
    copy->isIcon = source->isIcon;
    return static_cast<HICON>(InsertGdiObject(std::move(copy)));
}

BOOL DestroyIcon(HICON icon)
{
    const IconObject* object = LookupIcon(icon);
    if (!object)
        return FALSE;
    if (object->isStock())
        return TRUE;
    return RemoveGdiObject(icon) ? TRUE : FALSE;
}

BOOL GetIconInfo(HICON icon, ICONINFO* info)
{
    const IconObject* object = LookupIcon(icon);
    if (!object || !info || object->images.empty())
        return FALSE;
    const PixelBuffer& image = *object->images.front();
    // Black wherever any colour shows, so that CreateIconIndirect gives the same icon back.
    auto mask = std::make_shared<PixelBuffer>(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            mask->row(y)[x] = (image.row(y)[x] >> 24) ? 0xFF000000u : 0xFFFFFFFFu;
    info->fIcon = object->isIcon ? TRUE : FALSE;
    info->xHotspot = DWORD(object->hotspot.x);
    info->yHotspot = DWORD(object->hotspot.y);
    info->hbmColor = insertBitmap(copyPixels(image));
    info->hbmMask = insertBitmap(std::move(mask));
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon)
{
    return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH flickerFree, UINT flags)
{
    DeviceContext* d = LookupDc(dc);
    const IconObject* object = LookupIcon(icon);
    if (!d || !object || object->images.empty() || (flags & DI_NORMAL) == 0)
        return FALSE;
    if (width < 0 || height < 0 || width > kLargestDrawSize || height > kLargestDrawSize
        || std::abs(std::int64_t(x)) > kLargestPosition || std::abs(std::int64_t(y)) > kLargestPosition)
        return FALSE;
    const PixelBuffer& natural = *object->images.front();
    if (width == 0)
        width = (flags & DI_DEFAULTSIZE) ? kDefaultIconSize : natural.width();
    if (height == 0)
        height = (flags & DI_DEFAULTSIZE) ? kDefaultIconSize : natural.height();
    const RECT dest = d->toTarget(RECT{x, y, x + width, y + height});
    if (flickerFree) {
        if (const BrushObject* brush = LookupBrush(flickerFree))
            PaintRect(*d, dest, MakeBrushSource(*d, *brush));
    }
    drawScaled(*d, nearestImage(*object, width, height), dest, rowDrawerFor(flags));
    return TRUE;
}
