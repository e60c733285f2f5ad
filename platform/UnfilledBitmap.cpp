#include "platform/UnfilledBitmap.h"

#include "platform/GdiObjects.h"

#include <cstdint>

namespace {

HBITMAP insertUnfilled(int width, int height, bool dibSection, void** bits)
{
    if (bits)
        *bits = nullptr;
    if (width <= 0 || height <= 0 || std::int64_t(width) * height > (std::int64_t(1) << 28))
        return nullptr;
    auto pixels = std::make_shared<PixelBuffer>(width, height, UnfilledPixels{});
    if (bits)
        *bits = pixels->memory();
    return static_cast<HBITMAP>(InsertGdiObject(std::make_unique<BitmapObject>(std::move(pixels), dibSection)));
}

} // namespace

HBITMAP CreateUnfilledDIBSection(int width, int height, void** bits)
{
    return insertUnfilled(width, height, true, bits);
}

HBITMAP CreateUnfilledBitmap(int width, int height, void** bits)
{
    return insertUnfilled(width, height, false, bits);
}
