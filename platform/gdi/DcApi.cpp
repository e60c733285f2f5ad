// Device context creation, state, origins, clipping, colours and modes.

#include "platform/gdi/DeviceContext.h"
#include "platform/RectMath.h"

namespace {

template <class F>
auto withDc(HDC dc, auto failure, F&& f)
{
    DeviceContext* d = LookupDc(dc);
    return d ? f(*d) : failure;
}

BOOL setPoint(POINT& slot, POINT value, POINT* previous)
{
    if (previous)
        *previous = slot;
    slot = value;
    return TRUE;
}

template <class T>
T exchange(T& slot, T value)
{
    T old = slot;
    slot = value;
    return old;
}

// Clip box and kind as the caller sees them: logical units.
int clipResult(const DeviceContext& d)
{
    return d.clip().complexity();
}

Region currentUserClip(const DeviceContext& d)
{
    return d.state().userClip ? *d.state().userClip : d.visibleDeviceRegion();
}

} // namespace

HDC CreateCompatibleDC(HDC)
{
    return static_cast<HDC>(InsertGdiObject(std::make_unique<DeviceContext>(DeviceContext::Kind::Memory)));
}

BOOL DeleteDC(HDC dc)
{
    DeviceContext* d = LookupDc(dc);
    if (!d)
        return FALSE;
    return RemoveGdiObject(dc) ? TRUE : FALSE;
}

int SaveDC(HDC dc)
{
    return withDc(dc, 0, [](DeviceContext& d) { return d.save(); });
}

BOOL RestoreDC(HDC dc, int saved)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) { return d.restore(saved) ? TRUE : FALSE; });
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) { return setPoint(d.state().viewportOrg, POINT{x, y}, previous); });
}

BOOL GetViewportOrgEx(HDC dc, POINT* origin)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        if (origin)
            *origin = d.state().viewportOrg;
        return TRUE;
    });
}

BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        POINT o = d.state().viewportOrg;
        return setPoint(d.state().viewportOrg, POINT{o.x + dx, o.y + dy}, previous);
    });
}

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) { return setPoint(d.state().windowOrg, POINT{x, y}, previous); });
}

BOOL GetWindowOrgEx(HDC dc, POINT* origin)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        if (origin)
            *origin = d.state().windowOrg;
        return TRUE;
    });
}

BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        POINT o = d.state().windowOrg;
        return setPoint(d.state().windowOrg, POINT{o.x + dx, o.y + dy}, previous);
    });
}

BOOL LPtoDP(HDC dc, POINT* points, int count)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        POINT o = d.logicalToDevice();
        for (int i = 0; points && i < count; ++i)
            points[i] = points[i] + o;
        return TRUE;
    });
}

BOOL DPtoLP(HDC dc, POINT* points, int count)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        POINT o = d.logicalToDevice();
        for (int i = 0; points && i < count; ++i)
            points[i] = points[i] - o;
        return TRUE;
    });
}

int SelectClipRgn(HDC dc, HRGN region)
{
    return ExtSelectClipRgn(dc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC dc, HRGN region, int mode)
{
    return withDc(dc, ERROR, [&](DeviceContext& d) {
        RegionObject* r = LookupRegion(region);
        if (!r) {
            // A null region with RGN_COPY removes the clip.
            if (region || mode != RGN_COPY)
                return ERROR;
            d.setUserClip(std::nullopt);
            return clipResult(d);
        }
        Region next = currentUserClip(d);
        switch (mode) {
        case RGN_COPY: next = r->region; break;
        case RGN_AND: next.intersect(r->region); break;
        case RGN_OR: next.unite(r->region); break;
        case RGN_DIFF: next.subtract(r->region); break;
        case RGN_XOR: next.exclusiveOr(r->region); break;
        default: return ERROR;
        }
        d.setUserClip(std::move(next));
        return clipResult(d);
    });
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom)
{
    return withDc(dc, ERROR, [&](DeviceContext& d) {
        Region next = currentUserClip(d);
        next.subtract(Offset(Normalized(RECT{left, top, right, bottom}), d.logicalToDevice()));
        d.setUserClip(std::move(next));
        return clipResult(d);
    });
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom)
{
    return withDc(dc, ERROR, [&](DeviceContext& d) {
        Region next = currentUserClip(d);
        next.intersect(Offset(Normalized(RECT{left, top, right, bottom}), d.logicalToDevice()));
        d.setUserClip(std::move(next));
        return clipResult(d);
    });
}

int OffsetClipRgn(HDC dc, int dx, int dy)
{
    return withDc(dc, ERROR, [&](DeviceContext& d) {
        if (d.state().userClip) {
            Region next = *d.state().userClip;
            next.translate(dx, dy);
            d.setUserClip(std::move(next));
        }
        return clipResult(d);
    });
}

int GetClipBox(HDC dc, RECT* box)
{
    return withDc(dc, ERROR, [&](DeviceContext& d) {
        const Region& c = d.clip();
        if (box) {
            RECT b = c.bounds();
            POINT o = d.logicalToTarget();
            *box = c.isEmpty() ? RECT{} : Offset(b, -o.x, -o.y);
        }
        return c.complexity();
    });
}

int GetClipRgn(HDC dc, HRGN region)
{
    DeviceContext* d = LookupDc(dc);
    RegionObject* r = LookupRegion(region);
    if (!d || !r)
        return -1;
    if (!d->state().userClip)
        return 0;
    r->region = *d->state().userClip;
    return 1;
}

BOOL PtVisible(HDC dc, int x, int y)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        POINT p = d.toTarget(POINT{x, y});
        return d.clip().contains(p.x, p.y) ? TRUE : FALSE;
    });
}

BOOL RectVisible(HDC dc, const RECT* r)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        return r && d.clip().intersects(d.toTarget(*r)) ? TRUE : FALSE;
    });
}

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    return withDc(dc, CLR_INVALID, [&](DeviceContext& d) { return exchange(d.state().textColor, color & 0xFFFFFF); });
}

COLORREF GetTextColor(HDC dc)
{
    return withDc(dc, CLR_INVALID, [](DeviceContext& d) { return d.state().textColor; });
}

COLORREF SetBkColor(HDC dc, COLORREF color)
{
    return withDc(dc, CLR_INVALID, [&](DeviceContext& d) { return exchange(d.state().bkColor, color & 0xFFFFFF); });
}

COLORREF GetBkColor(HDC dc)
{
    return withDc(dc, CLR_INVALID, [](DeviceContext& d) { return d.state().bkColor; });
}

int SetBkMode(HDC dc, int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return withDc(dc, 0, [&](DeviceContext& d) { return exchange(d.state().bkMode, mode); });
}

int GetBkMode(HDC dc)
{
    return withDc(dc, 0, [](DeviceContext& d) { return d.state().bkMode; });
}

int SetROP2(HDC dc, int mode)
{
    if (mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return withDc(dc, 0, [&](DeviceContext& d) { return exchange(d.state().rop2, mode); });
}

int GetROP2(HDC dc)
{
    return withDc(dc, 0, [](DeviceContext& d) { return d.state().rop2; });
}

int SetStretchBltMode(HDC dc, int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return withDc(dc, 0, [&](DeviceContext& d) { return exchange(d.state().stretchMode, mode); });
}

int GetStretchBltMode(HDC dc)
{
    return withDc(dc, 0, [](DeviceContext& d) { return d.state().stretchMode; });
}

int SetPolyFillMode(HDC dc, int mode)
{
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return withDc(dc, 0, [&](DeviceContext& d) { return exchange(d.state().polyFillMode, mode); });
}

int GetPolyFillMode(HDC dc)
{
    return withDc(dc, 0, [](DeviceContext& d) { return d.state().polyFillMode; });
}

UINT SetTextAlign(HDC dc, UINT align)
{
    return withDc(dc, UINT(0xFFFFFFFF), [&](DeviceContext& d) { return exchange(d.state().textAlign, align); });
}

UINT GetTextAlign(HDC dc)
{
    return withDc(dc, UINT(0xFFFFFFFF), [](DeviceContext& d) { return d.state().textAlign; });
}

BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) { return setPoint(d.state().brushOrg, POINT{x, y}, previous); });
}

BOOL GetBrushOrgEx(HDC dc, POINT* origin)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        if (origin)
            *origin = d.state().brushOrg;
        return TRUE;
    });
}

BOOL GetCurrentPositionEx(HDC dc, POINT* position)
{
    return withDc(dc, FALSE, [&](DeviceContext& d) {
        if (position)
            *position = d.state().currentPosition;
        return TRUE;
    });
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous)
{
    return withDc(dc, FALSE,
                  [&](DeviceContext& d) { return setPoint(d.state().currentPosition, POINT{x, y}, previous); });
}
