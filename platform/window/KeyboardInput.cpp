// Keyboard input: key state, key and character messages, TranslateMessage.

#include "platform/text/Utf16.h"
#include "platform/window/InputRouting.h"
#include "platform/window/MessageQueue.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowTable.h"

#include <array>

namespace {

constexpr BYTE kDown = 0x80;
constexpr BYTE kToggled = 0x01;

struct KeyState {
    std::array<BYTE, 256> async{};
    std::array<BYTE, 256> sync{}; // as of the last message taken from the queue
};

KeyState& keys()
{
    static KeyState k;
    return k;
}

int genericKey(int vk)
{
    switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    default:
        return vk;
    }
}

bool isToggleKey(int vk)
{
    return vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL;
}

void setState(std::array<BYTE, 256>& state, int vk, bool down)
{
    BYTE& s = state[std::size_t(vk & 0xFF)];
    if (down && !(s & kDown) && isToggleKey(vk))
        s ^= kToggled;
    s = BYTE(down ? (s | kDown) : (s & ~kDown));
}

bool asyncDown(int vk)
{
    return (keys().async[std::size_t(vk & 0xFF)] & kDown) != 0;
}

void queueKeyMessage(HWND target, UINT msg, WPARAM wParam, LPARAM lParam, DWORD time)
{
    MSG m;
    m.hwnd = target;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = time;
    m.pt = WindowSystem().cursor;
    TheMessageQueue().addInput(m);
}

void postCharacter(const MSG* msg, UINT charMsg, char16_t c)
{
    PostMessage(msg->hwnd, charMsg, WPARAM(c), msg->lParam);
}

} // namespace

void SetAsyncKeyDown(int virtualKey, bool down)
{
    setState(keys().async, virtualKey, down);
}

void RouteKey(int virtualKey, bool down)
{
    if (virtualKey <= 0 || virtualKey > 0xFE)
        return;
    int generic = genericKey(virtualKey);
    bool wasDown = asyncDown(generic);
    setState(keys().async, virtualKey, down);
    if (generic != virtualKey)
        setState(keys().async, generic, down);

    bool alt = asyncDown(VK_MENU);
    bool control = asyncDown(VK_CONTROL);
    RawInput raw;
    raw.kind = RawInput::Kind::Key;
    raw.time = GetTickCount();
    raw.pt = WindowSystem().cursor;
    raw.virtualKey = generic;
    raw.down = down;
    raw.systemKey = generic == VK_MENU || generic == VK_F10 || (alt && !control);
    raw.keyFlags = 1;
    if ((alt && generic != VK_MENU) || (generic == VK_MENU && down))
        raw.keyFlags |= LPARAM(1) << 29;
    if (wasDown)
        raw.keyFlags |= LPARAM(1) << 30;
    if (!down)
        raw.keyFlags |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
    TheMessageQueue().addRaw(std::move(raw));
}

void CookKey(const RawInput& raw)
{
    WindowSystemState& ws = WindowSystem();
    bool system = raw.systemKey;
    HWND target = ws.focus;
    if (!LookupWindow(target)) {
        // Without a focus, the active window hears the keys as system keys.
        target = ws.active;
        system = true;
    }
    if (!LookupWindow(target)) {
        // None of our windows is active (a menu opened from the
        // notification area): the window holding the capture, whose loop
        // reads the keys, hears them.
        target = ws.capture;
        system = raw.systemKey;
    }
    if (!LookupWindow(target) || !IsEnabledForInput(target))
        return;
    UINT msg = system ? (raw.down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (raw.down ? WM_KEYDOWN : WM_KEYUP);
    queueKeyMessage(target, msg, WPARAM(raw.virtualKey), raw.keyFlags, raw.time);
}

void RouteText(std::string_view utf8)
{
    RawInput raw;
    raw.kind = RawInput::Kind::Text;
    raw.time = GetTickCount();
    raw.pt = WindowSystem().cursor;
    raw.text = std::string(utf8);
    TheMessageQueue().addRaw(std::move(raw));
}

void CookText(const RawInput& raw)
{
    HWND target = WindowSystem().focus;
    if (!LookupWindow(target) && !LookupWindow(WindowSystem().active))
        target = WindowSystem().capture;
    if (!LookupWindow(target) || !IsEnabledForInput(target))
        return;
    std::u16string units;
    for (char32_t c : DecodeUtf8Chars(raw.text))
        brio::AppendUtf16(units, c);
    for (char16_t unit : units)
        queueKeyMessage(target, WM_CHAR, WPARAM(unit), 1, raw.time);
}

void ApplyInputMessageToKeyState(const MSG& msg)
{
    auto& sync = keys().sync;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
        setState(sync, int(msg.wParam), down);
        // Keep the modifiers in step with what the message says.
        setState(sync, VK_MENU, (msg.lParam & (LPARAM(1) << 29)) != 0 || (msg.wParam == WPARAM(VK_MENU) && down));
        setState(sync, VK_SHIFT, asyncDown(VK_SHIFT));
        setState(sync, VK_CONTROL, asyncDown(VK_CONTROL));
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        setState(sync, VK_LBUTTON, true);
        break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        setState(sync, VK_LBUTTON, false);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        setState(sync, VK_RBUTTON, true);
        break;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
        setState(sync, VK_RBUTTON, false);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
        setState(sync, VK_MBUTTON, true);
        break;
    case WM_MBUTTONUP:
    case WM_NCMBUTTONUP:
        setState(sync, VK_MBUTTON, false);
        break;
    default:
        break;
    }
}

short GetKeyState(int virtualKey)
{
    BYTE s = keys().sync[std::size_t(virtualKey & 0xFF)];
    return short(((s & kDown) ? 0x8000 : 0) | (s & kToggled));
}

short GetAsyncKeyState(int virtualKey)
{
    BYTE s = keys().async[std::size_t(virtualKey & 0xFF)];
    return short((s & kDown) ? 0x8000 : 0);
}

// Printable text arrives as typed text; what is left to translate are the
// control characters and the characters of Alt combinations.
BOOL TranslateMessage(const MSG* msg)
{
    if (!msg)
        return FALSE;
    switch (msg->message) {
    case WM_KEYDOWN: {
        int vk = int(msg->wParam);
        char16_t c = 0;
        if (vk == VK_BACK || vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE)
            c = char16_t(vk);
        else if ((GetKeyState(VK_CONTROL) & 0x8000) && vk >= 'A' && vk <= 'Z')
            c = char16_t(vk - 'A' + 1);
        if (c)
            postCharacter(msg, WM_CHAR, c);
        return TRUE;
    }
    case WM_SYSKEYDOWN: {
        int vk = int(msg->wParam);
        bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        char16_t c = 0;
        if (vk >= 'A' && vk <= 'Z')
            c = char16_t(shift ? vk : vk - 'A' + 'a');
        else if ((vk >= '0' && vk <= '9') || vk == VK_SPACE)
            c = char16_t(vk);
        if (c)
            postCharacter(msg, WM_SYSCHAR, c);
        return TRUE;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return TRUE;
    default:
        return FALSE;
    }
}
