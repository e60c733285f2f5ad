// Creating and destroying windows, with the classic message order.

#include "platform/window/Backend.h"
#include "platform/RectMath.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowInternals.h"
#include "platform/window/WindowPaint.h"
#include "platform/window/WindowTable.h"

#include <algorithm>

namespace {

bool notifiesParent(const Window& w)
{
    return (w.style & WS_CHILD) && !(w.exStyle & WS_EX_NOPARENTNOTIFY);
}

// WM_PARENTNOTIFY climbs the chain of children that do not opt out.
void notifyParents(HWND hwnd, UINT event)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    WPARAM wParam = MAKEWPARAM(WORD(event), WORD(w->id));
    HWND child = hwnd;
    while (Window* c = LookupWindow(child)) {
        if (!notifiesParent(*c))
            break;
        HWND parent = c->parent;
        SendMessage(parent, WM_PARENTNOTIFY, wParam, reinterpret_cast<LPARAM>(hwnd));
        child = parent;
    }
}

void defaultGeometry(const Window& w, bool topLevel, int& x, int& y, int& width, int& height)
{
    bool overlapped = topLevel && !(w.style & WS_POPUP);
    if (x == CW_USEDEFAULT) {
        if (overlapped) {
            int step = WindowSystem().defaultPositionIndex++ % 10;
            x = y = 26 + 26 * step;
        } else {
            x = y = 0;
        }
    }
    if (width == CW_USEDEFAULT) {
        SIZE screen = CurrentBackend().screenSize();
        width = overlapped ? screen.cx * 3 / 4 : 0;
        height = overlapped ? screen.cy * 3 / 4 : 0;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);
}

void sendDestroy(HWND hwnd)
{
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children)
        sendDestroy(child);
}

void freeWindow(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children)
        freeWindow(child);
    w = LookupWindow(hwnd);
    if (w && w->created)
        SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    w = LookupWindow(hwnd);
    if (!w)
        return;
    KillWindowTimers(hwnd);
    ForgetWindowInput(hwnd);
    ForgetWindowCaret(hwnd);
    WindowSystemState& ws = WindowSystem();
    if (ws.focus == hwnd)
        ws.focus = nullptr;
    if (ws.active == hwnd)
        ws.active = nullptr;
    bool topLevel = IsTopLevel(*w) && !w->messageOnly;
    UnlinkFromZOrder(hwnd);
    for (HWND other : AllWindows())
        if (Window* o = LookupWindow(other); o && o->owner == hwnd)
            o->owner = nullptr;
    if (topLevel)
        CurrentBackend().windowDestroyed(hwnd);
    RemoveWindow(hwnd);
}

void markDestroying(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    w->destroying = true;
    for (HWND child : w->children)
        markDestroying(child);
}

} // namespace

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parentArg, HMENU menu, HINSTANCE instance, void* param)
{
    std::shared_ptr<WindowClass> cls = FindWindowClass(className);
    if (!cls)
        return nullptr;
    HWND desktop = DesktopWindow()->handle;
    bool messageOnly = parentArg == HWND_MESSAGE;
    HWND parent = desktop;
    HWND owner = nullptr;
    if (messageOnly) {
        style &= ~(WS_CHILD | WS_VISIBLE);
    } else if ((style & WS_CHILD) && parentArg != desktop) {
        Window* p = LookupWindow(parentArg);
        if (!p || p->destroying)
            return nullptr;
        parent = parentArg;
    } else if (parentArg && parentArg != desktop) {
        if (!LookupWindow(parentArg))
            return nullptr;
        owner = TopLevelOf(parentArg);
    }
    if (parent == desktop)
        style &= ~WS_CHILD;

    auto record = std::make_unique<Window>();
    Window& w = *record;
    w.windowClass = cls;
    w.proc = cls->proc;
    w.style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    if (!(style & (WS_CHILD | WS_POPUP)))
        w.style |= WS_CLIPSIBLINGS | WS_CAPTION; // overlapped windows always have both
    w.exStyle = exStyle;
    w.parent = parent;
    w.owner = owner;
    w.instance = instance;
    if (style & WS_CHILD)
        w.id = reinterpret_cast<LONG_PTR>(menu);
    w.extra.assign(std::size_t(cls->windowExtraBytes + int(sizeof(LONG_PTR)) - 1) / sizeof(LONG_PTR), 0);
    w.messageOnly = messageOnly;
    bool topLevel = parent == desktop;
    defaultGeometry(w, topLevel, x, y, width, height);
    w.window = RECT{x, y, x + width, y + height};
    w.client = w.window;
    w.normalRect = w.window;
    if (topLevel && !messageOnly)
        w.surface = std::make_shared<PixelBuffer>(width, height);

    HWND hwnd = InsertWindow(std::move(record));
    if (!hwnd)
        return nullptr;
    if (!messageOnly) {
        LinkIntoZOrder(hwnd, HWND_TOP);
        if (topLevel)
            CurrentBackend().windowCreated(hwnd);
    }

    if (topLevel && !messageOnly && ((style & WS_THICKFRAME) || !(style & (WS_POPUP | WS_CHILD)))) {
        MINMAXINFO mmi = DefaultMinMaxInfo(hwnd);
        SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
        if (Window* v = LookupWindow(hwnd)) {
            width = std::clamp<int>(width, mmi.ptMinTrackSize.x, std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
            height = std::clamp<int>(height, mmi.ptMinTrackSize.y, std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
            v->window = RECT{x, y, x + width, y + height};
            v->client = v->normalRect = v->window;
            v->surface = std::make_shared<PixelBuffer>(width, height);
        }
    }

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = messageOnly ? nullptr : parentArg;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = LONG(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        freeWindow(hwnd);
        return nullptr;
    }
    Window* v = LookupWindow(hwnd);
    if (!v)
        return nullptr;
    v->created = true;

    RECT client = v->window;
    SendMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    v = LookupWindow(hwnd);
    if (!v)
        return nullptr;
    client.right = std::max(client.left, client.right);
    client.bottom = std::max(client.top, client.bottom);
    v->client = client;

    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    v = LookupWindow(hwnd);
    if (!v)
        return nullptr;
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(Width(v->client)), WORD(Height(v->client))));
    v = LookupWindow(hwnd);
    if (!v)
        return nullptr;
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(WORD(v->client.left), WORD(v->client.top)));
    notifyParents(hwnd, WM_CREATE);

    if (style & WS_MINIMIZE)
        SetPlacementState(hwnd, SW_MINIMIZE);
    else if (style & WS_MAXIMIZE)
        SetPlacementState(hwnd, SW_MAXIMIZE);
    if ((style & WS_VISIBLE) && LookupWindow(hwnd))
        ShowWindow(hwnd, SW_SHOW);
    return LookupWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w || hwnd == WindowSystem().desktop)
        return FALSE;
    if (w->destroying)
        return TRUE;

    // Owned windows go first.
    for (HWND other : AllWindows())
        if (Window* o = LookupWindow(other); o && o->owner == hwnd && !o->destroying)
            DestroyWindow(other);
    w = LookupWindow(hwnd);
    if (!w || w->destroying)
        return TRUE;
    bool child = (w->style & WS_CHILD) != 0;
    notifyParents(hwnd, WM_DESTROY);
    w = LookupWindow(hwnd);
    if (!w || w->destroying)
        return TRUE;
    w->destroying = true;

    if (w->style & WS_VISIBLE) {
        // Only children hear WM_SHOWWINDOW on the way out.
        if (child)
            ShowWindow(hwnd, SW_HIDE);
        else
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!LookupWindow(hwnd))
        return TRUE;
    if (WindowSystem().active == hwnd)
        ActivateOtherWindow(hwnd);
    MoveFocusOutOf(hwnd);
    markDestroying(hwnd);
    ForgetWindowInput(hwnd);
    for (HWND inner : AllWindows())
        if (inner == hwnd || IsDescendant(hwnd, inner))
            ForgetWindowCaret(inner);

    sendDestroy(hwnd);
    freeWindow(hwnd);
    return TRUE;
}

BOOL IsWindow(HWND hwnd)
{
    return LookupWindow(hwnd) ? TRUE : FALSE;
}
