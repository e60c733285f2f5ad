#include "skin/controls/effects/SeEffectPixels.h"

#include "platform/Gdi.h"
#include "platform/gdi/raster/RasterKernels.h"
#include "skin/engine/SePixels.h"

#include <vector>

namespace brio {

Region RegionFromHandle(HRGN region, const RECT& fallback)
{
    if (!region)
        return Region(fallback);
    const DWORD size = GetRegionData(region, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER))
        return Region();
    std::vector<char> bytes(size);
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    if (GetRegionData(region, size, data) != size)
        return Region();
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return Region(rects, int(data->rdh.nCount));
}

void blendOverDesktopRow(Pixel* d, const Pixel* desktop, int count, unsigned alpha)
{
    for (int i = 0; i < count; ++i)
        d[i] = IsKeyPixel(d[i]) ? desktop[i] : BlendPixel(d[i], desktop[i], alpha);
}

void shadowRow(Pixel* d, const Pixel* desktop, int count, unsigned alpha)
{
    for (int i = 0; i < count; ++i)
        d[i] = BlendPixel(kShadowColour, desktop[i], alpha);
}

} // namespace brio
