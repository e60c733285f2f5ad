// Window and client rectangles, coordinate mapping, windows at a point and
// window regions.

#include "platform/window/Backend.h"
#include "platform/chrome/DefFrame.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/InputRouting.h"
#include "platform/RectMath.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowPaint.h"
#include "platform/window/WindowTable.h"

BOOL GetWindowRect(HWND hwnd, RECT* r)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !r)
        return FALSE;
    *r = WindowRectOnScreen(*w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* r)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !r)
        return FALSE;
    *r = RECT{0, 0, Width(w->client), Height(w->client)};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* p)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !p)
        return FALSE;
    *p = *p + ClientOriginOnScreen(*w);
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* p)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !p)
        return FALSE;
    *p = *p - ClientOriginOnScreen(*w);
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count)
{
    POINT fromOrigin{}, toOrigin{};
    if (from) {
        Window* w = LookupWindow(from);
        if (!w)
            return 0;
        fromOrigin = ClientOriginOnScreen(*w);
    }
    if (to) {
        Window* w = LookupWindow(to);
        if (!w)
            return 0;
        toOrigin = ClientOriginOnScreen(*w);
    }
    POINT d = fromOrigin - toOrigin;
    if (points)
        for (UINT i = 0; i < count; ++i)
            points[i] = points[i] + d;
    return int(MAKELONG(WORD(d.x), WORD(d.y)));
}

HWND WindowFromPoint(POINT p)
{
    return WindowUnderPoint(p);
}

HWND ChildWindowFromPointEx(HWND parent, POINT clientPoint, UINT flags)
{
    Window* w = LookupWindow(parent);
    if (!w)
        return nullptr;
    if (!Contains(RECT{0, 0, Width(w->client), Height(w->client)}, clientPoint.x, clientPoint.y))
        return nullptr;
    for (HWND child : w->children) {
        Window* c = LookupWindow(child);
        if (!c)
            continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE))
            continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED))
            continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT))
            continue;
        if (!Contains(c->window, clientPoint.x, clientPoint.y))
            continue;
        if (c->shape && !c->shape->contains(clientPoint.x - c->window.left, clientPoint.y - c->window.top))
            continue;
        return child;
    }
    return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint)
{
    return ChildWindowFromPointEx(parent, clientPoint, CWP_ALL);
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw)
{
    Window* w = LookupWindow(hwnd);
    RegionObject* ro = region ? LookupRegion(region) : nullptr;
    if (!w || (region && !ro))
        return 0;
    Region oldShape = WindowShape(*w);
    if (ro) {
        w->shape = ro->region;
        // The window owns the region from now on.
        DeleteObject(region);
    } else {
        w->shape.reset();
    }
    if (IsTopLevel(*w)) {
        NotifyBackendOfChange(hwnd, Backend::Shape);
    } else if (redraw && (w->style & WS_VISIBLE)) {
        // What the old shape covered and the new one does not shows the parent.
        oldShape.translate(w->window.left, w->window.top);
        RedrawTree(w->parent, oldShape, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    if (redraw && LookupWindow(hwnd))
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region)
{
    Window* w = LookupWindow(hwnd);
    RegionObject* ro = LookupRegion(region);
    if (!w || !ro || !w->shape)
        return ERROR;
    ro->region = *w->shape;
    return ro->region.complexity();
}

BOOL AdjustWindowRectEx(RECT* r, DWORD style, BOOL menu, DWORD exStyle)
{
    if (!r)
        return FALSE;
    RECT insets = FrameInsets(style, exStyle);
    r->left -= insets.left;
    r->top -= insets.top + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
    r->right += insets.right;
    r->bottom += insets.bottom;
    return TRUE;
}
