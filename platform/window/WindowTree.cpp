// Parents, owners, children and the z-order of siblings.

#include "platform/window/Backend.h"
#include "platform/RectMath.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowTable.h"

#include <algorithm>

namespace {

bool isTopmost(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    return w && IsTopLevel(*w) && (w->exStyle & WS_EX_TOPMOST);
}

std::size_t topmostCount(const std::vector<HWND>& list)
{
    std::size_t n = 0;
    while (n < list.size() && isTopmost(list[n]))
        ++n;
    return n;
}

void collectDescendants(HWND hwnd, std::vector<HWND>& out)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    for (HWND child : w->children) {
        out.push_back(child);
        collectDescendants(child, out);
    }
}

} // namespace

void LinkIntoZOrder(HWND hwnd, HWND insertAfter)
{
    Window* w = LookupWindow(hwnd);
    Window* parent = w ? LookupWindow(w->parent) : nullptr;
    if (!parent)
        return;
    std::vector<HWND>& list = parent->children;
    std::erase(list, hwnd);
    bool topLevel = IsTopLevel(*w);
    bool topmost = topLevel && (w->exStyle & WS_EX_TOPMOST);
    std::size_t band = topLevel ? topmostCount(list) : 0;
    std::size_t index;
    if (insertAfter == HWND_BOTTOM) {
        index = list.size();
    } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        index = topmost ? 0 : band;
    } else {
        auto it = std::find(list.begin(), list.end(), insertAfter);
        index = it == list.end() ? (topmost ? 0 : band) : std::size_t(it - list.begin()) + 1;
    }
    // Topmost windows stay above all others.
    if (topLevel)
        index = topmost ? std::min(index, band) : std::max(index, band);
    list.insert(list.begin() + std::ptrdiff_t(std::min(index, list.size())), hwnd);
}

void UnlinkFromZOrder(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    if (Window* parent = LookupWindow(w->parent))
        std::erase(parent->children, hwnd);
}

void NotifyBackendOfChange(HWND hwnd, unsigned what)
{
    Window* w = LookupWindow(hwnd);
    if (w && IsTopLevel(*w) && !w->messageOnly)
        CurrentBackend().windowChanged(hwnd, what);
}

HWND GetDesktopWindow()
{
    return DesktopWindow()->handle;
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return nullptr;
    if (relation == GW_OWNER)
        return w->owner;
    if (relation == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front();
    if (relation == GW_ENABLEDPOPUP)
        return nullptr;
    Window* parent = LookupWindow(w->parent);
    if (!parent)
        return nullptr;
    const std::vector<HWND>& list = parent->children;
    auto it = std::find(list.begin(), list.end(), hwnd);
    if (it == list.end())
        return nullptr;
    switch (relation) {
    case GW_HWNDFIRST:
        return list.front();
    case GW_HWNDLAST:
        return list.back();
    case GW_HWNDNEXT:
        return it + 1 == list.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return it == list.begin() ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}

HWND GetParent(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return nullptr;
    if (w->style & WS_CHILD)
        return w->parent;
    if (w->style & WS_POPUP)
        return w->owner;
    return nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags)
{
    Window* w = LookupWindow(hwnd);
    if (!w || hwnd == WindowSystem().desktop)
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return w->parent;
    case GA_ROOT:
        return TopLevelOf(hwnd);
    case GA_ROOTOWNER: {
        HWND root = TopLevelOf(hwnd);
        for (int guard = 0; guard < 1000; ++guard) {
            HWND owner = GetParent(root);
            if (!owner)
                break;
            root = owner;
        }
        return root;
    }
    default:
        return nullptr;
    }
}

HWND SetParent(HWND child, HWND newParent)
{
    Window* w = LookupWindow(child);
    HWND desktop = DesktopWindow()->handle;
    if (!w || child == desktop)
        return nullptr;
    if (!newParent)
        newParent = desktop;
    if (!LookupWindow(newParent) || newParent == child || IsDescendant(child, newParent))
        return nullptr;
    HWND oldParent = w->parent;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if (wasVisible)
        SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    w = LookupWindow(child);
    if (!w || !LookupWindow(newParent))
        return nullptr;
    bool wasTopLevel = IsTopLevel(*w);
    UnlinkFromZOrder(child);
    if (wasTopLevel) {
        CurrentBackend().windowDestroyed(child);
        w->surface.reset();
    }
    w->parent = newParent;
    LinkIntoZOrder(child, HWND_TOP);
    if (IsTopLevel(*w)) {
        w->surface = std::make_shared<PixelBuffer>(Width(w->window), Height(w->window));
        CurrentBackend().windowCreated(child);
    }
    if (wasVisible)
        SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return oldParent;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    if (!proc)
        return FALSE;
    if (!parent)
        return EnumWindows(proc, lParam);
    std::vector<HWND> all;
    collectDescendants(parent, all);
    for (HWND hwnd : all)
        if (LookupWindow(hwnd) && !proc(hwnd, lParam))
            break;
    return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam)
{
    if (!proc)
        return FALSE;
    std::vector<HWND> tops = TopLevelWindows();
    for (HWND hwnd : tops)
        if (LookupWindow(hwnd) && !proc(hwnd, lParam))
            break;
    return TRUE;
}

HWND GetTopWindow(HWND hwnd)
{
    if (!hwnd)
        hwnd = GetDesktopWindow();
    return GetWindow(hwnd, GW_CHILD);
}

BOOL IsChild(HWND parent, HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    while (w && (w->style & WS_CHILD)) {
        if (w->parent == parent)
            return TRUE;
        w = LookupWindow(w->parent);
    }
    return FALSE;
}

BOOL BringWindowToTop(HWND hwnd)
{
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int GetDlgCtrlID(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    return w && (w->style & WS_CHILD) ? int(w->id) : 0;
}

HWND GetDlgItem(HWND parent, int id)
{
    Window* p = LookupWindow(parent);
    if (!p)
        return nullptr;
    for (HWND child : p->children)
        if (Window* c = LookupWindow(child); c && c->id == id)
            return child;
    return nullptr;
}
