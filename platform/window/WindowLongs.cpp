// Window longs, procedure chains and window text.

#include "platform/window/Backend.h"
#include "platform/window/WindowInternals.h"
#include "platform/WindowProcedure.h"
#include "platform/window/WindowTable.h"

#include <memory>
#include <unordered_map>

namespace {

// Bound procedures are values far above any code address.
constexpr std::uintptr_t kBoundTag = std::uintptr_t(0xB0D5) << 48;
constexpr std::uintptr_t kBoundMask = std::uintptr_t(0xFFFF) << 48;

struct BoundProcedures {
    std::unordered_map<std::uintptr_t, std::shared_ptr<WindowProcedure>> byValue;
    std::uintptr_t next = 1;
};

BoundProcedures& bound()
{
    static BoundProcedures b;
    return b;
}

LONG_PTR setStyle(HWND hwnd, int index, DWORD value)
{
    Window* w = LookupWindow(hwnd);
    DWORD& slot = index == GWL_STYLE ? w->style : w->exStyle;
    STYLESTRUCT change{slot, value};
    SendMessage(hwnd, WM_STYLECHANGING, WPARAM(index), reinterpret_cast<LPARAM>(&change));
    w = LookupWindow(hwnd);
    if (!w)
        return 0;
    DWORD& again = index == GWL_STYLE ? w->style : w->exStyle;
    DWORD previous = again;
    again = change.styleNew;
    SendMessage(hwnd, WM_STYLECHANGED, WPARAM(index), reinterpret_cast<LPARAM>(&change));
    return LONG_PTR(previous);
}

bool extraSlot(Window& w, int index, LONG_PTR*& slot)
{
    std::size_t bytes = std::size_t(w.windowClass->windowExtraBytes);
    if (index < 0 || std::size_t(index) + sizeof(LONG_PTR) > bytes || index % int(sizeof(LONG_PTR)) != 0)
        return false;
    slot = &w.extra[std::size_t(index) / sizeof(LONG_PTR)];
    return true;
}

} // namespace

WNDPROC MakeWindowProc(WindowProcedure procedure)
{
    BoundProcedures& b = bound();
    std::uintptr_t value = kBoundTag | (b.next++ << 4);
    b.byValue[value] = std::make_shared<WindowProcedure>(std::move(procedure));
    return reinterpret_cast<WNDPROC>(value);
}

void FreeWindowProc(WNDPROC proc)
{
    bound().byValue.erase(reinterpret_cast<std::uintptr_t>(proc));
}

bool IsBoundWindowProc(WNDPROC proc)
{
    return (reinterpret_cast<std::uintptr_t>(proc) & kBoundMask) == kBoundTag;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!proc)
        return 0;
    if (IsBoundWindowProc(proc)) {
        auto& map = bound().byValue;
        auto it = map.find(reinterpret_cast<std::uintptr_t>(proc));
        if (it == map.end())
            return DefWindowProc(hwnd, msg, wParam, lParam);
        // Held for the call: the procedure may free itself.
        std::shared_ptr<WindowProcedure> keep = it->second;
        return (*keep)(hwnd, msg, wParam, lParam);
    }
    return proc(hwnd, msg, wParam, lParam);
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return 0;
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>((w->style & WS_CHILD) ? w->parent : w->owner);
    case GWLP_ID:
        return w->id;
    case GWL_STYLE:
        return LONG_PTR(w->style);
    case GWL_EXSTYLE:
        return LONG_PTR(w->exStyle);
    case GWLP_USERDATA:
        return w->userData;
    default: {
        LONG_PTR* slot = nullptr;
        return extraSlot(*w, index, slot) ? *slot : 0;
    }
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return 0;
    LONG_PTR previous = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWLP_WNDPROC:
        // Returning the previous procedure lets hooks chain and unchain.
        w->proc = reinterpret_cast<WNDPROC>(value);
        return previous;
    case GWLP_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        return previous;
    case GWLP_HWNDPARENT: {
        if (w->style & WS_CHILD)
            return previous;
        HWND owner = reinterpret_cast<HWND>(value);
        w->owner = owner ? TopLevelOf(owner) : nullptr;
        if (w->owner == hwnd)
            w->owner = nullptr;
        return previous;
    }
    case GWLP_ID:
        w->id = value;
        return previous;
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return setStyle(hwnd, index, DWORD(value));
    case GWLP_USERDATA:
        w->userData = value;
        return previous;
    default: {
        LONG_PTR* slot = nullptr;
        if (!extraSlot(*w, index, slot))
            return 0;
        *slot = value;
        return previous;
    }
    }
}

LONG GetWindowLong(HWND hwnd, int index)
{
    return LONG(GetWindowLongPtr(hwnd, index));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value)
{
    LONG_PTR wide = (index == GWL_STYLE || index == GWL_EXSTYLE) ? LONG_PTR(DWORD(value)) : LONG_PTR(value);
    return LONG(SetWindowLongPtr(hwnd, index, wide));
}

BOOL SetWindowText(HWND hwnd, const char* text)
{
    if (!LookupWindow(hwnd))
        return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, char* text, int size)
{
    if (!text || size <= 0)
        return 0;
    text[0] = '\0';
    if (!LookupWindow(hwnd))
        return 0;
    return int(SendMessage(hwnd, WM_GETTEXT, WPARAM(size), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLength(HWND hwnd)
{
    if (!LookupWindow(hwnd))
        return 0;
    return int(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}
