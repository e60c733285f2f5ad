// Window classes: registration, lookup by name or atom, class longs.

#include "platform/text/AsciiText.h"
#include "platform/window/WindowTable.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

std::string folded(const char* name)
{
    return brio::asciiLower(name);
}

struct ClassRegistry {
    std::map<std::string, std::shared_ptr<WindowClass>> byName; // names match without regard to case
    ATOM nextAtom = 0xC000;
};

ClassRegistry& registry()
{
    static ClassRegistry r;
    return r;
}

} // namespace

std::shared_ptr<WindowClass> FindWindowClass(const char* nameOrAtom)
{
    if (!nameOrAtom)
        return nullptr;
    ClassRegistry& r = registry();
    if (IS_INTRESOURCE(nameOrAtom)) {
        auto atom = ATOM(reinterpret_cast<std::uintptr_t>(nameOrAtom));
        for (auto& [name, cls] : r.byName)
            if (cls->atom == atom)
                return cls;
        return nullptr;
    }
    auto it = r.byName.find(folded(nameOrAtom));
    return it == r.byName.end() ? nullptr : it->second;
}

ATOM RegisterClass(const WNDCLASS* wc)
{
    if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || !*wc->lpszClassName)
        return 0;
    if (wc->cbWndExtra < 0 || wc->cbClsExtra < 0 || wc->cbWndExtra > 40000 || wc->cbClsExtra > 40000)
        return 0;
    ClassRegistry& r = registry();
    std::string key = folded(wc->lpszClassName);
    if (r.byName.count(key))
        return 0;
    auto cls = std::make_shared<WindowClass>();
    cls->atom = r.nextAtom++;
    cls->name = wc->lpszClassName;
    cls->style = wc->style;
    cls->proc = wc->lpfnWndProc;
    cls->classExtraBytes = wc->cbClsExtra;
    cls->windowExtraBytes = wc->cbWndExtra;
    cls->instance = wc->hInstance;
    cls->icon = wc->hIcon;
    cls->cursor = wc->hCursor;
    cls->background = wc->hbrBackground;
    r.byName[key] = cls;
    return cls->atom;
}

BOOL UnregisterClass(const char* className, HINSTANCE)
{
    std::shared_ptr<WindowClass> cls = FindWindowClass(className);
    if (!cls)
        return FALSE;
    // Refused while a window of the class lives.
    for (HWND hwnd : AllWindows())
        if (Window* w = LookupWindow(hwnd); w && w->windowClass == cls)
            return FALSE;
    registry().byName.erase(folded(cls->name.c_str()));
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, const char* className, WNDCLASS* wc)
{
    std::shared_ptr<WindowClass> cls = FindWindowClass(className);
    if (!cls || !wc)
        return FALSE;
    *wc = WNDCLASS{};
    wc->style = cls->style;
    wc->lpfnWndProc = cls->proc;
    wc->cbClsExtra = cls->classExtraBytes;
    wc->cbWndExtra = cls->windowExtraBytes;
    wc->hInstance = cls->instance;
    wc->hIcon = cls->icon;
    wc->hCursor = cls->cursor;
    wc->hbrBackground = cls->background;
    wc->lpszClassName = cls->name.c_str();
    return TRUE;
}

int GetClassName(HWND hwnd, char* name, int size)
{
    Window* w = LookupWindow(hwnd);
    if (!w || !name || size <= 0)
        return 0;
    std::size_t n = std::min(w->windowClass->name.size(), std::size_t(size - 1));
    std::memcpy(name, w->windowClass->name.data(), n);
    name[n] = '\0';
    return int(n);
}

ULONG_PTR GetClassLongPtr(HWND hwnd, int index)
{
    Window* w = LookupWindow(hwnd);
    if (!w)
        return 0;
    const WindowClass& c = *w->windowClass;
    switch (index) {
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<ULONG_PTR>(c.background);
    case GCLP_HCURSOR:
        return reinterpret_cast<ULONG_PTR>(c.cursor);
    case GCLP_HICON:
        return reinterpret_cast<ULONG_PTR>(c.icon);
    case GCLP_HICONSM:
        return reinterpret_cast<ULONG_PTR>(c.smallIcon);
    case GCLP_WNDPROC:
        return reinterpret_cast<ULONG_PTR>(c.proc);
    case GCL_STYLE:
        return c.style;
    default:
        return 0;
    }
}
