// Device contexts of windows and of the screen: each draws into its
// top-level window's surface through the window's visible region.

#include "platform/window/Backend.h"
#include "platform/gdi/BrushPaint.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/RectMath.h"
#include "platform/window/WindowPaint.h"
#include "platform/window/WindowTable.h"

#include <unordered_map>

namespace {

struct WindowDcRecord {
    HWND hwnd = nullptr;
    HWND top = nullptr;
    HRGN ownedRegion = nullptr;
};

std::unordered_map<HDC, WindowDcRecord>& windowDcs()
{
    static std::unordered_map<HDC, WindowDcRecord> dcs;
    return dcs;
}

Region shapeInTop(const Window& w)
{
    Region shape = WindowShape(w);
    RECT r = WindowRectInTop(w);
    shape.translate(r.left, r.top);
    return shape;
}

void subtractSiblingsAbove(Region& r, const Window& parent, HWND self)
{
    for (HWND sibling : parent.children) {
        if (sibling == self)
            break;
        const Window* s = LookupWindow(sibling);
        if (s && (s->style & WS_VISIBLE))
            r.subtract(shapeInTop(*s));
    }
}

HDC screenDc()
{
    HDC dc = CreateSurfaceDC(DeviceContext::Kind::Screen, CurrentBackend().screenPixels(), POINT{}, std::nullopt);
    if (dc)
        windowDcs()[dc] = WindowDcRecord{};
    return dc;
}

bool isRealRegion(HRGN region)
{
    return reinterpret_cast<std::uintptr_t>(region) > 1;
}

} // namespace

Region VisibleRegionInTop(const Window& w, bool wholeWindow, bool clipChildren, bool clipSiblings)
{
    if (!IsShown(w.handle))
        return Region();
    Region r(wholeWindow ? WindowRectInTop(w) : ClientRectInTop(w));
    if (w.shape)
        r.intersect(shapeInTop(w));
    if (clipChildren)
        for (HWND child : w.children)
            if (const Window* c = LookupWindow(child); c && (c->style & WS_VISIBLE))
                r.subtract(shapeInTop(*c));
    const Window* current = &w;
    while (!IsTopLevel(*current)) {
        const Window* parent = LookupWindow(current->parent);
        if (!parent)
            return Region();
        bool siblingsClip = current == &w ? clipSiblings : (current->style & WS_CLIPSIBLINGS) != 0;
        if (siblingsClip)
            subtractSiblingsAbove(r, *parent, current->handle);
        r.intersect(ClientRectInTop(*parent));
        if (parent->shape)
            r.intersect(shapeInTop(*parent));
        current = parent;
    }
    return r;
}

HDC MakeWindowDc(HWND hwnd, DWORD flags, const Region* deviceClip)
{
    Window* w = LookupWindow(hwnd);
    if (!w || hwnd == WindowSystem().desktop)
        return screenDc();
    Window* top = LookupWindow(TopLevelOf(hwnd));
    if (!top)
        return nullptr;
    bool whole = (flags & DCX_WINDOW) != 0;
    if (flags & DCX_USESTYLE) {
        flags &= ~(DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
        if (w->style & WS_CLIPSIBLINGS)
            flags |= DCX_CLIPSIBLINGS;
        if (!whole && (w->style & WS_CLIPCHILDREN))
            flags |= DCX_CLIPCHILDREN;
    }
    RECT area = whole ? WindowRectInTop(*w) : ClientRectInTop(*w);
    POINT origin{area.left, area.top};
    Region visible =
        VisibleRegionInTop(*w, whole, (flags & DCX_CLIPCHILDREN) != 0, (flags & DCX_CLIPSIBLINGS) != 0);
    visible.translate(-origin.x, -origin.y);
    if (deviceClip)
        visible.intersect(*deviceClip);
    if (!top->surface)
        top->surface = std::make_shared<PixelBuffer>(Width(top->window), Height(top->window));
    HDC dc = CreateSurfaceDC(DeviceContext::Kind::Window, top->surface, origin, std::move(visible));
    if (dc)
        windowDcs()[dc] = WindowDcRecord{hwnd, top->handle, nullptr};
    return dc;
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags)
{
    if (!hwnd)
        return screenDc();
    Window* w = LookupWindow(hwnd);
    if (!w)
        return nullptr;
    std::optional<Region> extra;
    if ((flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) && isRealRegion(clip)) {
        // The region comes in screen coordinates, as WM_NCPAINT hands it out.
        RegionObject* ro = LookupRegion(clip);
        if (ro) {
            POINT origin = (flags & DCX_WINDOW) ? WindowOriginOnScreen(*w) : ClientOriginOnScreen(*w);
            Region r = ro->region;
            r.translate(-origin.x, -origin.y);
            if (flags & DCX_EXCLUDERGN) {
                RECT area = (flags & DCX_WINDOW) ? RECT{0, 0, Width(w->window), Height(w->window)}
                                                 : RECT{0, 0, Width(w->client), Height(w->client)};
                Region all(area);
                all.subtract(r);
                r = std::move(all);
            }
            extra = std::move(r);
        }
    }
    HDC dc = MakeWindowDc(hwnd, flags, extra ? &*extra : nullptr);
    if (dc && isRealRegion(clip) && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)))
        windowDcs()[dc].ownedRegion = clip;
    return dc;
}

HDC GetDC(HWND hwnd)
{
    if (!hwnd)
        return screenDc();
    return GetDCEx(hwnd, nullptr, DCX_USESTYLE);
}

HDC GetWindowDC(HWND hwnd)
{
    if (!hwnd)
        return screenDc();
    return GetDCEx(hwnd, nullptr, DCX_USESTYLE | DCX_WINDOW);
}

int ReleaseDC(HWND, HDC dc)
{
    auto& dcs = windowDcs();
    auto it = dcs.find(dc);
    if (it == dcs.end())
        return 0;
    WindowDcRecord record = it->second;
    dcs.erase(it);
    DeviceContext* d = LookupDc(dc);
    Window* top = LookupWindow(record.top);
    if (d && top && d->surface() == top->surface && !d->clipIsEmpty())
        CurrentBackend().surfaceChanged(record.top, d->clip().bounds());
    if (record.ownedRegion)
        DeleteObject(record.ownedRegion);
    DeleteDC(dc);
    return 1;
}

HWND WindowFromDC(HDC dc)
{
    auto it = windowDcs().find(dc);
    if (it == windowDcs().end())
        return nullptr;
    return it->second.hwnd ? it->second.hwnd : GetDesktopWindow();
}

void FillWithBrush(HDC dc, const RECT& r, HBRUSH brush)
{
    DeviceContext* d = LookupDc(dc);
    BrushObject* b = LookupBrush(brush);
    if (!d || !b || IsEmpty(r))
        return;
    PaintRect(*d, d->toTarget(Normalized(r)), MakeBrushSource(*d, *b));
}
