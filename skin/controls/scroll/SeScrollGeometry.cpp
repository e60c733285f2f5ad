#include "skin/controls/scroll/SeScrollGeometry.h"

#include <algorithm>
#include <cstdint>

namespace brio {

namespace {

// value × numerator / denominator rounded half away from zero; denominator > 0.
std::int64_t scaled(std::int64_t value, std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t product = value * numerator;
    const std::int64_t half = denominator / 2;
    return product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
}

int clampToInt(std::int64_t value)
{
    return int(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// The range in full: Max - Min alone can exceed 32 bits.
std::int64_t range64(const ScrollRangeInfo& r)
{
    const std::int64_t span = std::int64_t(r.max) - r.min;
    return r.page > 0 ? span - r.page + 1 : span;
}

} // namespace

int ScrollRange(const ScrollRangeInfo& r)
{
    return clampToInt(range64(r));
}

int ScrollLastPosition(const ScrollRangeInfo& r)
{
    return clampToInt(r.min + std::max<std::int64_t>(0, range64(r)));
}

int ScrollButtonLength(int length, int border, int thumbHeight)
{
    const int inside = std::max(0, length - 2 * border);
    return inside < 2 * thumbHeight ? inside / 2 : thumbHeight;
}

int ScrollThumbLength(const ScrollRangeInfo& r, int track, int thumbHeight)
{
    int thumb = thumbHeight;
    if (r.page > 0) {
        const std::int64_t span = std::int64_t(r.max) - r.min + 1;
        thumb = clampToInt(scaled(track, r.page, std::max<std::int64_t>(1, span)));
        thumb = std::max(thumb, thumbHeight / 3 * 2);
    }
    return thumb >= track ? 0 : thumb;
}

int ScrollThumbOffset(const ScrollRangeInfo& r, int position, int track, int thumb)
{
    const std::int64_t range = range64(r);
    if (range < 1)
        return 0;
    const int room = std::max(0, track - thumb);
    if (std::int64_t(position) > std::int64_t(r.max) - r.page + 1)
        return room;
    return int(std::clamp<std::int64_t>(scaled(std::int64_t(position) - r.min, room, range), 0, room));
}

int ScrollPositionAt(const ScrollRangeInfo& r, int offset, int track, int thumb)
{
    const std::int64_t range = range64(r);
    const int room = track - thumb;
    if (room <= 0 || range < 1)
        return r.min;
    const std::int64_t position = std::int64_t(r.min) + scaled(offset, range, room);
    return int(std::clamp<std::int64_t>(position, r.min, ScrollLastPosition(r)));
}

} // namespace brio
