#include "platform/images/NamedBitmaps.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace brio {

namespace {

struct Registry {
    std::mutex lock;
    std::vector<NamedImage> images;
};

// Made on first use, so that tables registering at start-up find it.
Registry& registry()
{
    static Registry r;
    return r;
}

} // namespace

void AddNamedImages(std::span<const NamedImage> images)
{
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    for (const NamedImage& image : images) {
        if (!image.name || !image.pixels || image.width <= 0 || image.height <= 0)
            continue;
        std::erase_if(r.images, [&](const NamedImage& known) { return std::strcmp(known.name, image.name) == 0; });
        r.images.push_back(image);
    }
}

std::optional<NamedImage> FindNamedImage(std::string_view name)
{
    Registry& r = registry();
    std::lock_guard guard(r.lock);
    auto it = std::find_if(r.images.begin(), r.images.end(), [&](const NamedImage& i) { return name == i.name; });
    if (it == r.images.end())
        return std::nullopt;
    return *it;
}

} // namespace brio

HBITMAP LoadBitmap(HINSTANCE, LPCSTR name)
{
    if (!name || IS_INTRESOURCE(name))
        return nullptr;
    const std::optional<brio::NamedImage> image = brio::FindNamedImage(name);
    if (!image)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biWidth = image->width;
    info.bmiHeader.biHeight = -image->height;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap)
            DeleteObject(bitmap);
        return nullptr;
    }
    std::memcpy(bits, image->pixels, std::size_t(image->width) * std::size_t(image->height) * sizeof(Pixel));
    return bitmap;
}
