// Update regions: invalidation, validation, WM_PAINT synthesis, BeginPaint.

#include "platform/window/WindowPaint.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/RectMath.h"
#include "platform/window/WindowTable.h"

namespace {

bool needsPaint(const Window& w)
{
    return w.frameNeeded || w.internalPaint || !w.update.isEmpty();
}

// Parents before their children, top-level windows in z-order.
HWND findWindowNeedingPaint(HWND hwnd, const MessageFilter& filter)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !(w->style & WS_VISIBLE))
        return nullptr;
    if (needsPaint(*w) && filter.acceptsWindow(hwnd))
        return hwnd;
    for (HWND child : w->children)
        if (HWND found = findWindowNeedingPaint(child, filter))
            return found;
    return nullptr;
}

HWND findWindowNeedingPaint(const MessageFilter& filter)
{
    for (HWND top : TopLevelWindows())
        if (HWND found = findWindowNeedingPaint(top, filter))
            return found;
    return nullptr;
}

RECT clientBox(const Window& w)
{
    return RECT{0, 0, Width(w.client), Height(w.client)};
}

bool hasFrame(const Window& w)
{
    return !(w.client == w.window);
}

void eraseNow(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !w->eraseNeeded)
        return;
    w->eraseNeeded = false;
    if (w->update.isEmpty())
        return;
    Region area = w->update;
    HDC dc = MakeWindowDc(hwnd, DCX_USESTYLE, &area);
    SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(hwnd, dc);
}

void paintFrameNow(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !w->frameNeeded)
        return;
    w->frameNeeded = false;
    SendMessage(hwnd, WM_NCPAINT, 1, 0);
}

void updateNow(HWND hwnd, UINT flags)
{
    if (!IsShown(hwnd))
        return;
    paintFrameNow(hwnd);
    if (flags & RDW_UPDATENOW) {
        Window* w = LookupWindow(hwnd);
        if (w && (!w->update.isEmpty() || w->internalPaint)) {
            SendMessage(hwnd, WM_PAINT, 0, 0);
            ClearInternalPaint(hwnd);
        }
    } else {
        eraseNow(hwnd);
    }
    Window* w = LookupWindow(hwnd);
    if (!w || (flags & RDW_NOCHILDREN))
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children)
        updateNow(child, flags);
}

std::optional<Region> areaFromArguments(const RECT* r, HRGN region)
{
    if (region) {
        if (RegionObject* ro = LookupRegion(region))
            return ro->region;
        return Region();
    }
    if (r)
        return Region(Normalized(*r));
    return std::nullopt;
}

} // namespace

void RedrawTree(HWND hwnd, const std::optional<Region>& clientArea, UINT flags)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !IsShown(hwnd))
        return;
    Region area = clientArea ? *clientArea : Region(clientBox(*w));
    area.intersect(clientBox(*w));
    if (flags & RDW_INVALIDATE) {
        w->update.unite(area);
        if ((flags & RDW_ERASE) && !w->update.isEmpty())
            w->eraseNeeded = true;
        if ((flags & RDW_FRAME) && hasFrame(*w))
            w->frameNeeded = true;
        if (flags & RDW_INTERNALPAINT)
            w->internalPaint = true;
    } else if (flags & RDW_VALIDATE) {
        w->update.subtract(area);
        if (w->update.isEmpty() || (flags & RDW_NOERASE))
            w->eraseNeeded = false;
        if (flags & RDW_NOFRAME)
            w->frameNeeded = false;
        if (flags & RDW_NOINTERNALPAINT)
            w->internalPaint = false;
    }
    bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (!children)
        return;
    // The area in the parent's client coordinates, to meet each child.
    Region parentArea = clientArea ? *clientArea : Region(clientBox(*w));
    if (!clientArea && (flags & RDW_FRAME))
        parentArea = Region(RECT{-0x3FFFFFFF, -0x3FFFFFFF, 0x3FFFFFFF, 0x3FFFFFFF});
    for (HWND child : std::vector<HWND>(w->children)) {
        Window* c = LookupWindow(child);
        if (!c || !(c->style & WS_VISIBLE))
            continue;
        Region touched = parentArea;
        touched.intersect(c->window);
        if (touched.isEmpty())
            continue;
        Region clientPart = touched;
        clientPart.intersect(c->client);
        UINT childFlags = flags & ~RDW_FRAME;
        if ((flags & RDW_INVALIDATE) && !(touched == clientPart))
            childFlags |= RDW_FRAME;
        clientPart.translate(-c->client.left, -c->client.top);
        RedrawTree(child, clientPart, childFlags | (flags & RDW_ALLCHILDREN));
    }
}

void ForgetUpdates(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    w->update.clear();
    w->eraseNeeded = w->frameNeeded = w->internalPaint = false;
    for (HWND child : w->children)
        ForgetUpdates(child);
}

bool TakePaintMessage(MSG& out, const MessageFilter& filter)
{
    for (;;) {
        HWND hwnd = findWindowNeedingPaint(filter);
        if (!hwnd)
            return false;
        Window* w = LookupWindow(hwnd);
        if (w->update.isEmpty() && !w->internalPaint) {
            paintFrameNow(hwnd);
            continue;
        }
        out = MSG{};
        out.hwnd = hwnd;
        out.message = WM_PAINT;
        out.time = GetTickCount();
        out.pt = WindowSystem().cursor;
        return true;
    }
}

bool AnyPaintPending()
{
    return findWindowNeedingPaint(MessageFilter{}) != nullptr;
}

void ClearInternalPaint(HWND hwnd)
{
    if (Window* w = LookupWindow(hwnd))
        w->internalPaint = false;
}

BOOL RedrawWindow(HWND hwnd, const RECT* r, HRGN region, UINT flags)
{
    if (!hwnd)
        hwnd = DesktopWindow()->handle;
    if (!LookupWindow(hwnd))
        return FALSE;
    if (hwnd == WindowSystem().desktop) {
        // The desktop stands for every top-level window.
        std::vector<HWND> tops = TopLevelWindows();
        for (HWND top : tops)
            RedrawWindow(top, nullptr, nullptr, flags | RDW_ALLCHILDREN);
        return TRUE;
    }
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE))
        RedrawTree(hwnd, areaFromArguments(r, region), flags);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
        updateNow(hwnd, flags);
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* r, BOOL erase)
{
    return RedrawWindow(hwnd, r, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase)
{
    if (region && !LookupRegion(region))
        return FALSE;
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* r)
{
    return RedrawWindow(hwnd, r, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, HRGN region)
{
    if (region && !LookupRegion(region))
        return FALSE;
    return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND hwnd)
{
    if (!LookupWindow(hwnd))
        return FALSE;
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps)
{
    if (!ps || !LookupWindow(hwnd))
        return nullptr;
    *ps = PAINTSTRUCT{};
    ps->fRestore = HideCaret(hwnd);
    paintFrameNow(hwnd);
    Window* w = LookupWindow(hwnd);
    if (!w)
        return nullptr;
    // Validated now: whatever is invalidated while painting comes back later.
    Region area = w->update;
    area.intersect(clientBox(*w));
    bool erase = w->eraseNeeded;
    w->update.clear();
    w->eraseNeeded = false;
    w->internalPaint = false;
    HDC dc = MakeWindowDc(hwnd, DCX_USESTYLE, &area);
    ps->hdc = dc;
    ps->rcPaint = area.bounds();
    if (erase)
        ps->fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps)
{
    if (!ps)
        return FALSE;
    ReleaseDC(hwnd, ps->hdc);
    if (ps->fRestore)
        ShowCaret(hwnd);
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* r, BOOL erase)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return FALSE;
    if (erase)
        eraseNow(hwnd);
    w = LookupWindow(hwnd);
    if (!w)
        return FALSE;
    RECT box = w->update.isEmpty() ? RECT{} : w->update.bounds();
    if (r)
        *r = box;
    return IsEmpty(box) ? FALSE : TRUE;
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase)
{
    RegionObject* target = LookupRegion(region);
    if (!target || !LookupWindow(hwnd))
        return ERROR;
    if (erase)
        eraseNow(hwnd);
    Window* w = LookupWindow(hwnd);
    target = LookupRegion(region);
    if (!w || !target)
        return ERROR;
    target->region = w->update;
    return target->region.complexity();
}
