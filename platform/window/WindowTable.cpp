#include "platform/window/WindowTable.h"

#include "platform/window/Backend.h"
#include "platform/window/SystemBroadcast.h"
#include "platform/RectMath.h"

namespace {

// Handle layout: bits 2-21 slot + 1, bits 22 and up a generation. Values
// stay clear of the small sentinels (HWND_TOP, HWND_BROADCAST, ...).
constexpr std::uintptr_t kSlotShift = 2;
constexpr std::uintptr_t kSlotBits = 20;
constexpr std::uintptr_t kSlotMask = (std::uintptr_t(1) << kSlotBits) - 1;
constexpr std::uintptr_t kGenerationShift = kSlotShift + kSlotBits;
constexpr std::uintptr_t kGenerationMask = (std::uintptr_t(1) << 30) - 1;

struct Slot {
    std::unique_ptr<Window> window;
    std::uintptr_t generation = 1;
};

struct Table {
    std::vector<Slot> slots;
    std::vector<std::size_t> freeSlots;
};

Table& table()
{
    static Table t;
    return t;
}

LRESULT DesktopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND || msg == WM_NCCREATE)
        return 1;
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

} // namespace

WindowSystemState& WindowSystem()
{
    static WindowSystemState state;
    return state;
}

HWND InsertWindow(std::unique_ptr<Window> window)
{
    Table& t = table();
    std::size_t index;
    if (!t.freeSlots.empty()) {
        index = t.freeSlots.back();
        t.freeSlots.pop_back();
    } else {
        if (t.slots.size() >= kSlotMask)
            return nullptr;
        index = t.slots.size();
        t.slots.emplace_back();
    }
    Slot& s = t.slots[index];
    std::uintptr_t value = ((index + 1) << kSlotShift) | ((s.generation & kGenerationMask) << kGenerationShift);
    auto hwnd = reinterpret_cast<HWND>(value);
    window->handle = hwnd;
    s.window = std::move(window);
    return hwnd;
}

Window* LookupWindow(HWND hwnd)
{
    auto value = reinterpret_cast<std::uintptr_t>(hwnd);
    std::uintptr_t slot = (value >> kSlotShift) & kSlotMask;
    Table& t = table();
    if (slot == 0 || slot > t.slots.size() || (value & 3) != 0)
        return nullptr;
    Slot& s = t.slots[slot - 1];
    if (!s.window || s.window->handle != hwnd)
        return nullptr;
    return s.window.get();
}

void RemoveWindow(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return;
    Table& t = table();
    std::size_t index = ((reinterpret_cast<std::uintptr_t>(hwnd) >> kSlotShift) & kSlotMask) - 1;
    // Move the record out first: its destructor must not see a half-cleared slot.
    std::unique_ptr<Window> doomed = std::move(t.slots[index].window);
    t.slots[index].generation = (t.slots[index].generation + 1) & kGenerationMask;
    if (t.slots[index].generation == 0)
        t.slots[index].generation = 1;
    t.freeSlots.push_back(index);
}

std::vector<HWND> AllWindows()
{
    std::vector<HWND> result;
    for (Slot& s : table().slots)
        if (s.window)
            result.push_back(s.window->handle);
    return result;
}

Window* DesktopWindow()
{
    WindowSystemState& ws = WindowSystem();
    if (Window* d = LookupWindow(ws.desktop))
        return d;
    auto cls = std::make_shared<WindowClass>();
    cls->name = "#32769";
    cls->proc = DesktopProc;
    auto w = std::make_unique<Window>();
    w->windowClass = cls;
    w->proc = DesktopProc;
    w->style = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_POPUP;
    SIZE screen = CurrentBackend().screenSize();
    w->window = RECT{0, 0, screen.cx, screen.cy};
    w->client = w->window;
    w->created = true;
    ws.desktop = InsertWindow(std::move(w));
    // The window system starts with the desktop: from now on colour changes
    // reach the windows.
    InstallSysColorBroadcast();
    return LookupWindow(ws.desktop);
}

bool IsTopLevel(const Window& w)
{
    return w.parent == WindowSystem().desktop;
}

HWND TopLevelOf(HWND hwnd)
{
    Window* w = LookupWindow(hwnd);
    if (!w || hwnd == WindowSystem().desktop)
        return nullptr;
    while (w && !IsTopLevel(*w))
        w = LookupWindow(w->parent);
    return w ? w->handle : nullptr;
}

bool IsDescendant(HWND ancestor, HWND hwnd)
{
    if (!ancestor)
        return false;
    Window* w = LookupWindow(hwnd);
    while (w) {
        if (w->parent == ancestor)
            return true;
        w = LookupWindow(w->parent);
    }
    return false;
}

bool IsShown(HWND hwnd)
{
    HWND desktop = WindowSystem().desktop;
    Window* w = LookupWindow(hwnd);
    if (!w)
        return false;
    while (w && w->handle != desktop) {
        if (!(w->style & WS_VISIBLE))
            return false;
        w = LookupWindow(w->parent);
    }
    return w != nullptr;
}

bool IsEnabledForInput(HWND hwnd)
{
    HWND desktop = WindowSystem().desktop;
    Window* w = LookupWindow(hwnd);
    if (!w)
        return false;
    while (w && w->handle != desktop) {
        if (w->style & WS_DISABLED)
            return false;
        if (IsTopLevel(*w))
            break;
        w = LookupWindow(w->parent);
    }
    return true;
}

POINT ClientOriginOnScreen(const Window& w)
{
    POINT origin{w.client.left, w.client.top};
    if (w.handle == WindowSystem().desktop)
        return POINT{};
    const Window* p = LookupWindow(w.parent);
    if (p && p->handle != WindowSystem().desktop) {
        POINT po = ClientOriginOnScreen(*p);
        origin = origin + po;
    }
    return origin;
}

POINT WindowOriginOnScreen(const Window& w)
{
    POINT origin{w.window.left, w.window.top};
    if (w.handle == WindowSystem().desktop)
        return POINT{};
    const Window* p = LookupWindow(w.parent);
    if (p && p->handle != WindowSystem().desktop)
        origin = origin + ClientOriginOnScreen(*p);
    return origin;
}

RECT WindowRectOnScreen(const Window& w)
{
    POINT o = WindowOriginOnScreen(w);
    return RECT{o.x, o.y, o.x + Width(w.window), o.y + Height(w.window)};
}

RECT ClientRectOnScreen(const Window& w)
{
    POINT o = ClientOriginOnScreen(w);
    return RECT{o.x, o.y, o.x + Width(w.client), o.y + Height(w.client)};
}

RECT WindowRectInTop(const Window& w)
{
    Window* top = LookupWindow(TopLevelOf(w.handle));
    if (!top)
        return RECT{};
    POINT topOrigin = WindowOriginOnScreen(*top);
    return Offset(WindowRectOnScreen(w), -topOrigin.x, -topOrigin.y);
}

RECT ClientRectInTop(const Window& w)
{
    Window* top = LookupWindow(TopLevelOf(w.handle));
    if (!top)
        return RECT{};
    POINT topOrigin = WindowOriginOnScreen(*top);
    return Offset(ClientRectOnScreen(w), -topOrigin.x, -topOrigin.y);
}

Region WindowShape(const Window& w)
{
    Region shape(RECT{0, 0, Width(w.window), Height(w.window)});
    if (w.shape)
        shape.intersect(*w.shape);
    return shape;
}

const std::vector<HWND>& TopLevelWindows()
{
    return DesktopWindow()->children;
}

LRESULT CallWindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return 0;
    WNDPROC proc = w->proc;
    if (!proc)
        return DefWindowProc(hwnd, msg, wParam, lParam);
    return CallWindowProc(proc, hwnd, msg, wParam, lParam);
}
