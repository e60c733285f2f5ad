#include "skin/controls/effects/SeDesktopBlend.h"

#include "platform/RectMath.h"
#include "skin/controls/effects/SeEffectPixels.h"

#include <algorithm>

namespace brio {

void blendWithDesktop(PixelBuffer& picture, POINT origin, const Region& area, int alpha, const PixelBuffer& desktop)
{
    const unsigned weight = unsigned(std::clamp(alpha, 0, 255));
    Region pieces = area;
    pieces.intersect(AreaOf(Offset(picture.bounds(), origin)));
    pieces.intersect(desktop.bounds());
    for (const pixman_box32_t& box : pieces.boxes())
        for (int y = box.y1; y < box.y2; ++y)
            blendOverDesktopRow(picture.row(y - origin.y) + (box.x1 - origin.x), desktop.row(y) + box.x1,
                                box.x2 - box.x1, weight);
}

void blendFrame(PixelBuffer& window, SIZE frame, const RECT& client, const Region& frameShape, int alpha,
                const PixelBuffer& desktop)
{
    Region strips = AreaOf(RECT{0, 0, frame.cx, frame.cy});
    strips.intersect(frameShape);
    strips.subtract(AreaOf(client));
    blendWithDesktop(window, POINT{0, 0}, strips, alpha, desktop);
}

} // namespace brio
