// Region objects: creation, algebra, inspection and painting.

#include "platform/gdi/BrushPaint.h"
#include "platform/gdi/shapes/EllipseScan.h"
#include "platform/gdi/shapes/PolygonScan.h"
#include "platform/RectMath.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

static_assert(sizeof(RGNDATAHEADER) == 32, "region data headers are exchanged as 32-byte records");
static_assert(sizeof(RECT) == 16, "region data rectangles are exchanged as 16-byte records");

namespace {

constexpr ScanRows kAllRows{INT_MIN, INT_MAX};

HRGN insertRegion(Region region)
{
    return static_cast<HRGN>(InsertGdiObject(std::make_unique<RegionObject>(std::move(region))));
}

// Building a region can need a lot of memory for a huge curved shape; that
// is a failed call, not a crash.
template <class Make>
HRGN createRegion(Make&& make)
{
    try {
        return insertRegion(make());
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HRGN createRoundRegion(RECT box, int ellipseWidth, int ellipseHeight)
{
    box = Normalized(box);
    if (!IsScannableRect(box))
        return nullptr;
    return createRegion([&] { return Region::fromRects(ScanRoundRect(box, ellipseWidth, ellipseHeight, kAllRows)); });
}

// A region as a DC's target sees it, or none when the call cannot go on.
struct TargetRegion {
    DeviceContext* dc = nullptr;
    Region region;
};

std::optional<TargetRegion> targetRegion(HDC dc, HRGN rgn)
{
    DeviceContext* d = LookupDc(dc);
    RegionObject* r = LookupRegion(rgn);
    if (!d || !r)
        return std::nullopt;
    TargetRegion t{d, r->region};
    POINT o = d->logicalToTarget();
    t.region.translate(o.x, o.y);
    return t;
}

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    return createRegion([&] { return Region(RECT{left, top, right, bottom}); });
}

HRGN CreateRectRgnIndirect(const RECT* r)
{
    return r ? CreateRectRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    if (!points || count < 0 || (fillMode != ALTERNATE && fillMode != WINDING))
        return nullptr;
    if (!AreScannablePoints(points, count))
        return nullptr;
    return createRegion([&] { return Region::fromRects(ScanPolygon(points, count, fillMode, kAllRows)); });
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom)
{
    RECT box{left, top, right, bottom};
    return createRoundRegion(box, std::abs(right - left), std::abs(bottom - top));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    return createRoundRegion(RECT{left, top, right, bottom}, std::abs(ellipseWidth), std::abs(ellipseHeight));
}

HRGN ExtCreateRegion(const void* transform, DWORD size, const RGNDATA* data)
{
    if (transform || !data || size < sizeof(RGNDATAHEADER))
        return nullptr;
    RGNDATAHEADER header;
    std::memcpy(static_cast<void*>(&header), data, sizeof header);
    if (header.dwSize != sizeof(RGNDATAHEADER) || header.iType != RDH_RECTANGLES)
        return nullptr;
    if (std::uint64_t(header.nCount) * sizeof(RECT) > size - sizeof(RGNDATAHEADER))
        return nullptr;
    return createRegion([&] {
        // The caller's buffer need not be aligned for RECT.
        const char* bytes = reinterpret_cast<const char*>(data) + sizeof(RGNDATAHEADER);
        std::vector<RECT> rects;
        rects.reserve(header.nCount);
        for (DWORD i = 0; i < header.nCount; ++i) {
            RECT r;
            std::memcpy(&r, bytes + std::size_t(i) * sizeof(RECT), sizeof r);
            // Rectangles given the wrong way round hold no pixels.
            if (r.left < r.right && r.top < r.bottom)
                rects.push_back(r);
        }
        return Region::fromRects(rects);
    });
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode)
{
    RegionObject* target = LookupRegion(dst);
    RegionObject* first = LookupRegion(a);
    if (!target || !first)
        return ERROR;
    if (mode == RGN_COPY) {
        target->region = first->region;
        return target->region.complexity();
    }
    RegionObject* second = LookupRegion(b);
    if (!second)
        return ERROR;
    try {
        // Work on a copy: dst may be one of the sources.
        Region result = first->region;
        switch (mode) {
        case RGN_AND: result.intersect(second->region); break;
        case RGN_OR: result.unite(second->region); break;
        case RGN_XOR: result.exclusiveOr(second->region); break;
        case RGN_DIFF: result.subtract(second->region); break;
        default: return ERROR;
        }
        target->region = std::move(result);
    } catch (const std::bad_alloc&) {
        return ERROR;
    }
    return target->region.complexity();
}

int OffsetRgn(HRGN region, int dx, int dy)
{
    RegionObject* r = LookupRegion(region);
    if (!r)
        return ERROR;
    r->region.translate(dx, dy);
    return r->region.complexity();
}

BOOL PtInRegion(HRGN region, int x, int y)
{
    RegionObject* r = LookupRegion(region);
    return r && r->region.contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect)
{
    RegionObject* r = LookupRegion(region);
    return r && rect && r->region.intersects(*rect) ? TRUE : FALSE;
}

int GetRgnBox(HRGN region, RECT* box)
{
    RegionObject* r = LookupRegion(region);
    if (!r || !box)
        return ERROR;
    *box = r->region.bounds();
    return r->region.complexity();
}

BOOL EqualRgn(HRGN a, HRGN b)
{
    RegionObject* first = LookupRegion(a);
    RegionObject* second = LookupRegion(b);
    if (!first || !second)
        return ERROR;
    return first->region == second->region ? TRUE : FALSE;
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom)
{
    RegionObject* r = LookupRegion(region);
    if (!r)
        return FALSE;
    r->region.setRect(RECT{left, top, right, bottom});
    return TRUE;
}

DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data)
{
    RegionObject* r = LookupRegion(region);
    if (!r)
        return 0;
    std::span<const pixman_box32_t> boxes = r->region.boxes();
    std::uint64_t rectBytes = std::uint64_t(boxes.size()) * sizeof(RECT);
    std::uint64_t needed = sizeof(RGNDATAHEADER) + rectBytes;
    if (needed > 0xFFFFFFFFu)
        return 0;
    if (!data || size < needed)
        return DWORD(needed);
    RGNDATAHEADER header;
    header.nCount = DWORD(boxes.size());
    header.nRgnSize = DWORD(rectBytes);
    header.rcBound = r->region.bounds();
    std::memcpy(static_cast<void*>(data), &header, sizeof header);
    char* out = reinterpret_cast<char*>(data) + sizeof(RGNDATAHEADER);
    for (const pixman_box32_t& b : boxes) {
        RECT rect{b.x1, b.y1, b.x2, b.y2};
        std::memcpy(out, &rect, sizeof rect);
        out += sizeof rect;
    }
    return size;
}

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush)
{
    std::optional<TargetRegion> t = targetRegion(dc, region);
    BrushObject* b = LookupBrush(brush);
    if (!t || !b)
        return FALSE;
    PaintRegion(*t->dc, t->region, MakeBrushSource(*t->dc, *b));
    return TRUE;
}

BOOL PaintRgn(HDC dc, HRGN region)
{
    std::optional<TargetRegion> t = targetRegion(dc, region);
    if (!t)
        return FALSE;
    PaintRegion(*t->dc, t->region, MakeBrushSource(*t->dc, t->dc->brush()), t->dc->state().rop2);
    return TRUE;
}

BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height)
{
    std::optional<TargetRegion> t = targetRegion(dc, region);
    BrushObject* b = LookupBrush(brush);
    if (!t || !b || width < 0 || height < 0)
        return FALSE;
    // What stays inside after moving the region by the frame size each way
    // is the inner part; the frame is the rest.
    Region inner = t->region;
    for (POINT shift : {POINT{width, 0}, POINT{-width, 0}, POINT{0, height}, POINT{0, -height}}) {
        Region moved = t->region;
        moved.translate(shift.x, shift.y);
        inner.intersect(moved);
    }
    Region frame = t->region;
    frame.subtract(inner);
    PaintRegion(*t->dc, frame, MakeBrushSource(*t->dc, *b));
    return TRUE;
}

BOOL InvertRgn(HDC dc, HRGN region)
{
    std::optional<TargetRegion> t = targetRegion(dc, region);
    if (!t)
        return FALSE;
    PaintRegion(*t->dc, t->region, SolidSource(0xFFFFFFFFu), R2_NOT);
    return TRUE;
}
