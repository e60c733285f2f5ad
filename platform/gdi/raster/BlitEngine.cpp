#include "platform/gdi/raster/BlitEngine.h"

#include "platform/gdi/raster/RasterKernels.h"
#include "platform/RectMath.h"
#include "platform/gdi/raster/RowOperations.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

bool sharesMemory(const PixelBuffer& a, const PixelBuffer& b)
{
    return &a == &b || a.memory() == b.memory();
}

// Calls f(y, left, right) for each row segment of `area` inside the clip.
// Rows run bottom-up when `upward`, the segments of one row right to left
// when `leftward`; clip boxes come in bands of equal top and bottom, sorted.
template <class F>
void forEachSegmentOrdered(const Region& clip, const RECT& area, bool upward, bool leftward, F&& f)
{
    std::span<const pixman_box32_t> boxes = clip.boxes();
    const int boxCount = int(boxes.size());
    auto runBand = [&](int first, int last) {
        int top = std::max(boxes[first].y1, area.top);
        int bottom = std::min(boxes[first].y2, area.bottom);
        for (int step = 0; step < bottom - top; ++step) {
            int y = upward ? bottom - 1 - step : top + step;
            for (int k = 0; k < last - first; ++k) {
                const pixman_box32_t& box = boxes[leftward ? last - 1 - k : first + k];
                int left = std::max(box.x1, area.left);
                int right = std::min(box.x2, area.right);
                if (left < right)
                    f(y, left, right);
            }
        }
    };
    if (!upward) {
        for (int first = 0; first < boxCount;) {
            int last = first + 1;
            while (last < boxCount && boxes[last].y1 == boxes[first].y1)
                ++last;
            runBand(first, last);
            first = last;
        }
    } else {
        for (int last = boxCount; last > 0;) {
            int first = last - 1;
            while (first > 0 && boxes[first - 1].y1 == boxes[last - 1].y1)
                --first;
            runBand(first, last);
            last = first;
        }
    }
}

// The source coordinate of each destination coordinate of one axis, for
// the visible part [begin, end) of the destination span.
struct AxisMap {
    int begin = 0;
    int end = 0;
    std::vector<int> source;
    bool empty() const { return begin >= end; }
};

// Destination pixel i of the span (counted from its low edge) takes the
// source pixel under the image of its centre: i + 1/2 maps to
// (i + 1/2) * sourceSize / destinationSize, so the pixel is
// j = floor((2i + 1) * sourceSize / (2 * destinationSize)), counted from the
// source span's low edge, or from its high edge when mirrored. Pixels that
// map outside the source are dropped; the mapping is monotonic, so they
// can only sit at the ends.
AxisMap mapAxis(int dstLow, int dstHigh, int visibleLow, int visibleHigh, int srcLow, int srcHigh, bool mirror,
                int sourceLimit)
{
    const std::int64_t dstSize = std::int64_t(dstHigh) - dstLow;
    const std::int64_t srcSize = std::int64_t(srcHigh) - srcLow;
    const int count = visibleHigh - visibleLow;
    std::vector<int> all(std::size_t(count > 0 ? count : 0));
    for (int k = 0; k < count; ++k) {
        std::int64_t i = std::int64_t(visibleLow) + k - dstLow;
        std::int64_t j = ((2 * i + 1) * srcSize) / (2 * dstSize);
        all[std::size_t(k)] = int(mirror ? srcHigh - 1 - j : srcLow + j);
    }
    auto outside = [&](int s) { return s < 0 || s >= sourceLimit; };
    int first = 0;
    while (first < count && outside(all[std::size_t(first)]))
        ++first;
    int last = count;
    while (last > first && outside(all[std::size_t(last - 1)]))
        --last;
    AxisMap m;
    m.begin = visibleLow + first;
    m.end = visibleLow + last;
    m.source.assign(all.begin() + first, all.begin() + last);
    return m;
}

} // namespace

bool ToTargetBlitRect(const DeviceContext& dc, int x, int y, int width, int height, BlitRect& out)
{
    POINT o = dc.logicalToTarget();
    const std::int64_t x0 = std::int64_t(x) + o.x;
    const std::int64_t y0 = std::int64_t(y) + o.y;
    auto inRange = [](std::int64_t v) { return v >= -kBlitCoordinateLimit && v <= kBlitCoordinateLimit; };
    if (!inRange(x0) || !inRange(y0) || !inRange(x0 + width) || !inRange(y0 + height))
        return false;
    out = BlitRect{int(x0), int(y0), width, height};
    return true;
}

RECT NormalizedRect(const BlitRect& r)
{
    return Normalized(RECT{r.x, r.y, r.x + r.width, r.y + r.height});
}

void BlitUnscaled(DeviceContext& dst, const RECT& dstRect, const PixelBuffer& src, POINT sourceOffset,
                  const RowOperation& op)
{
    PixelBuffer* target = dst.target();
    if (!target || src.empty())
        return;
    const Region& clip = dst.clip();
    RECT area = Intersect(dstRect, Offset(src.bounds(), -sourceOffset.x, -sourceOffset.y));
    area = Intersect(area, clip.bounds());
    if (IsEmpty(area))
        return;
    // Scrolling within one surface: go against the direction of motion so
    // that every source pixel is read before it is overwritten.
    const bool alias = sharesMemory(*target, src);
    const bool upward = alias && sourceOffset.y < 0;
    const bool sameRows = alias && sourceOffset.y == 0;
    const bool leftward = sameRows && sourceOffset.x < 0;
    // A row that reads itself goes through a copy unless the operation is a
    // plain (overlap-safe) move.
    const bool throughScratch = sameRows && !op.isPlainCopy();
    std::vector<Pixel> scratch(throughScratch ? std::size_t(Width(area)) : 0);
    forEachSegmentOrdered(clip, area, upward, leftward, [&](int y, int left, int right) {
        const int count = right - left;
        Pixel* d = target->row(y) + left;
        const Pixel* s = src.row(y + sourceOffset.y) + left + sourceOffset.x;
        if (throughScratch) {
            std::memcpy(scratch.data(), s, std::size_t(count) * sizeof(Pixel));
            s = scratch.data();
        }
        op.apply(d, s, count, left, y);
    });
}

void BlitScaled(DeviceContext& dst, const BlitRect& dstRect, const PixelBuffer& src, const BlitRect& srcRect,
                const RowOperation& op)
{
    PixelBuffer* target = dst.target();
    if (!target || src.empty() || dstRect.width == 0 || dstRect.height == 0 || srcRect.width == 0
        || srcRect.height == 0)
        return;
    const RECT dstArea = NormalizedRect(dstRect);
    const RECT srcArea = NormalizedRect(srcRect);
    const bool mirrorX = (dstRect.width < 0) != (srcRect.width < 0);
    const bool mirrorY = (dstRect.height < 0) != (srcRect.height < 0);
    const bool sameWidth = Width(dstArea) == Width(srcArea);
    if (!mirrorX && !mirrorY && sameWidth && Height(dstArea) == Height(srcArea)) {
        BlitUnscaled(dst, dstArea, src, POINT{srcArea.left - dstArea.left, srcArea.top - dstArea.top}, op);
        return;
    }
    RECT visible = Intersect(dstArea, dst.clip().bounds());
    if (IsEmpty(visible))
        return;
    AxisMap columns = mapAxis(dstArea.left, dstArea.right, visible.left, visible.right, srcArea.left, srcArea.right,
                              mirrorX, src.width());
    AxisMap rows = mapAxis(dstArea.top, dstArea.bottom, visible.top, visible.bottom, srcArea.top, srcArea.bottom,
                           mirrorY, src.height());
    if (columns.empty() || rows.empty())
        return;
    visible = RECT{columns.begin, rows.begin, columns.end, rows.end};

    // Stretching within one surface reads from a snapshot of the source
    // pixels it needs when they overlap what it writes.
    const PixelBuffer* from = &src;
    std::unique_ptr<PixelBuffer> snapshot;
    if (sharesMemory(*target, src)) {
        auto [minX, maxX] = std::minmax(columns.source.front(), columns.source.back());
        auto [minY, maxY] = std::minmax(rows.source.front(), rows.source.back());
        RECT used{minX, minY, maxX + 1, maxY + 1};
        if (!IsEmpty(Intersect(used, visible))) {
            snapshot = std::make_unique<PixelBuffer>(Width(used), Height(used));
            snapshot->copyFrom(src, used, POINT{0, 0});
            for (int& x : columns.source)
                x -= used.left;
            for (int& y : rows.source)
                y -= used.top;
            from = snapshot.get();
        }
    }

    // Without horizontal scaling a row's source pixels are contiguous.
    const bool contiguous = sameWidth && !mirrorX;
    const bool plainCopy = op.isPlainCopy();
    std::vector<Pixel> scratch(plainCopy || contiguous ? 0 : std::size_t(Width(visible)));
    int gatheredRow = -1, gatheredLeft = 0, gatheredCount = 0;
    dst.forEachClipRect(visible, [&](const RECT& box) {
        const int count = Width(box);
        const int* xs = columns.source.data() + (box.left - visible.left);
        const int* ys = rows.source.data() + (box.top - visible.top);
        for (int y = box.top; y < box.bottom; ++y, ++ys) {
            Pixel* d = target->row(y) + box.left;
            const Pixel* sourceRow = from->row(*ys);
            if (contiguous) {
                op.apply(d, sourceRow + xs[0], count, box.left, y);
            } else if (plainCopy) {
                // A repeated source row repeats the row just written.
                if (y > box.top && ys[-1] == ys[0])
                    std::memcpy(d, target->row(y - 1) + box.left, std::size_t(count) * sizeof(Pixel));
                else
                    GatherRow(d, sourceRow, xs, count);
            } else {
                if (*ys != gatheredRow || box.left != gatheredLeft || count != gatheredCount) {
                    GatherRow(scratch.data(), sourceRow, xs, count);
                    gatheredRow = *ys;
                    gatheredLeft = box.left;
                    gatheredCount = count;
                }
                op.apply(d, scratch.data(), count, box.left, y);
            }
        }
    });
}

void PaintBrushRect(DeviceContext& dst, const RECT& targetRect, const BrushSource& brush, int rop2)
{
    PixelBuffer* target = dst.target();
    if (!target || brush.null || brush.patterned || rop2 != R2_COPYPEN) {
        PaintRect(dst, targetRect, brush, rop2);
        return;
    }
    dst.forEachClipRect(targetRect, [&](const RECT& r) {
        // Whole rows of a top-down buffer are one block.
        if (r.left == 0 && r.right == target->width() && target->stride() == target->width()) {
            FillPixels(target->row(r.top), std::size_t(Width(r)) * std::size_t(Height(r)), brush.solid);
            return;
        }
        for (int y = r.top; y < r.bottom; ++y)
            FillPixels(target->row(y) + r.left, std::size_t(Width(r)), brush.solid);
    });
}

bool RasterBlit(DeviceContext& dst, const BlitRect& dstRect, const PixelBuffer* src, const BlitRect& srcRect,
                DWORD rop)
{
    const BYTE code = RopByte(rop);
    const BrushSource brush = RopUsesPattern(code) ? MakeBrushSource(dst, dst.brush()) : SolidSource(0);
    if (!RopUsesSource(code)) {
        if (!brush.null)
            PaintBrushRect(dst, NormalizedRect(dstRect), brush, Rop2FromRop3(code));
        return true;
    }
    if (!src)
        return false;
    // A hollow brush gives the pattern operations nothing to draw.
    if (brush.null)
        return true;
    if (code == RopByte(SRCCOPY)) {
        CopyRows copy;
        BlitScaled(dst, dstRect, *src, srcRect, copy);
    } else {
        RopRows rows(code, brush);
        BlitScaled(dst, dstRect, *src, srcRect, rows);
    }
    return true;
}
