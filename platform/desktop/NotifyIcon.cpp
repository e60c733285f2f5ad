// Shell_NotifyIcon: the table of icons the program shows, their checks and
// tips, and the relay that turns clicks (reported by the tray host on any
// thread) into callback messages on the window thread.

#include "platform/desktop/NotifyIcon.h"

#include "platform/WinUser.h"
#include "platform/desktop/TrayHost.h"
#include "platform/text/Utf8.h"
#include "platform/window/Backend.h"
#include "platform/window/WindowTable.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <deque>
#include <mutex>
#include <vector>

namespace {

using brio::TrayIcon;

constexpr UINT kDrainEvents = WM_APP + 0x3A1;
constexpr const char* kRelayClass = "BrioTrayRelay";

struct PendingEvent {
    HWND hwnd;
    UINT id;
    UINT mouseMessage;
    POINT point;
};

// Events cross threads here; everything else below is window-thread only.
std::mutex& eventLock()
{
    static std::mutex lock;
    return lock;
}
std::deque<PendingEvent>& pendingEvents()
{
    static std::deque<PendingEvent> events;
    return events;
}
std::atomic<HWND>& relayWindow()
{
    static std::atomic<HWND> relay{nullptr};
    return relay;
}

std::vector<TrayIcon>& icons()
{
    static std::vector<TrayIcon> list;
    return list;
}

std::vector<TrayIcon>::iterator findIcon(HWND hwnd, UINT id)
{
    return std::find_if(icons().begin(), icons().end(), [&](const TrayIcon& i) { return i.hwnd == hwnd && i.id == id; });
}

void drainEvents()
{
    std::deque<PendingEvent> events;
    {
        std::lock_guard guard(eventLock());
        events.swap(pendingEvents());
    }
    for (const PendingEvent& e : events) {
        auto icon = findIcon(e.hwnd, e.id);
        if (icon == icons().end() || !IsWindow(e.hwnd) || !icon->callbackMessage)
            continue;
        // The pointer is over the tray, not over a window of ours: only
        // GetCursorPos learns where.
        WindowSystem().cursor = e.point;
        PostMessage(e.hwnd, icon->callbackMessage, WPARAM(e.id), LPARAM(e.mouseMessage));
    }
}

LRESULT relayProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kDrainEvents) {
        drainEvents();
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void ensureRelay()
{
    if (IsWindow(relayWindow().load()))
        return;
    WNDCLASS wc{};
    if (!GetClassInfo(nullptr, kRelayClass, &wc)) {
        wc.lpfnWndProc = relayProc;
        wc.lpszClassName = kRelayClass;
        RegisterClass(&wc);
    }
    relayWindow() = CreateWindowEx(0, kRelayClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    // Events that came while there was no relay.
    PostMessage(relayWindow().load(), kDrainEvents, 0, 0);
}

// Icons whose window is gone leave the tray with it.
void forgetDeadIcons(brio::TrayHost* host)
{
    auto dead = std::stable_partition(icons().begin(), icons().end(), [](const TrayIcon& i) { return IsWindow(i.hwnd); });
    for (auto it = dead; it != icons().end(); ++it)
        if (host)
            host->remove(it->hwnd, it->id);
    icons().erase(dead, icons().end());
}

// The tip up to its end or the field's, never splitting a character.
std::string tipOf(const NOTIFYICONDATA& data)
{
    const std::size_t field = std::min<std::size_t>(sizeof data.szTip, data.cbSize - offsetof(NOTIFYICONDATA, szTip));
    const std::string_view text(data.szTip, strnlen(data.szTip, field));
    const std::size_t limit = std::min(text.size(), field - 1);
    std::size_t end = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        NextCodePoint(text, pos);
        if (pos > limit)
            break;
        end = pos;
    }
    return std::string(text.substr(0, end));
}

void copyPicture(HICON icon, TrayIcon& out)
{
    out.width = out.height = 0;
    out.pixels.clear();
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return;
    BITMAP bm{};
    if (info.hbmColor && GetObject(info.hbmColor, sizeof bm, &bm) > 0 && bm.bmWidth > 0 && bm.bmHeight > 0) {
        BITMAPINFO bi{};
        bi.bmiHeader.biWidth = bm.bmWidth;
        bi.bmiHeader.biHeight = -bm.bmHeight;
        std::vector<Pixel> pixels(std::size_t(bm.bmWidth) * std::size_t(bm.bmHeight));
        if (GetDIBits(nullptr, info.hbmColor, 0, UINT(bm.bmHeight), pixels.data(), &bi, DIB_RGB_COLORS) > 0) {
            out.width = bm.bmWidth;
            out.height = bm.bmHeight;
            out.pixels = std::move(pixels);
        }
    }
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
}

void apply(const NOTIFYICONDATA& data, TrayIcon& icon)
{
    if (data.uFlags & NIF_MESSAGE)
        icon.callbackMessage = data.uCallbackMessage;
    if (data.uFlags & NIF_TIP)
        icon.tip = tipOf(data);
    if (data.uFlags & NIF_ICON)
        copyPicture(data.hIcon, icon);
}

} // namespace

namespace brio {

void DeliverTrayEvent(HWND hwnd, UINT id, UINT mouseMessage, POINT screenPoint)
{
    {
        std::lock_guard guard(eventLock());
        pendingEvents().push_back(PendingEvent{hwnd, id, mouseMessage, screenPoint});
    }
    PostMessage(relayWindow().load(), kDrainEvents, 0, 0);
}

} // namespace brio

BOOL Shell_NotifyIcon(DWORD message, const NOTIFYICONDATA* data)
{
    if (!data || data->cbSize < offsetof(NOTIFYICONDATA, szTip) + 1 || data->cbSize > sizeof(NOTIFYICONDATA))
        return FALSE;
    brio::TrayHost* host = CurrentBackend().trayHost();
    forgetDeadIcons(host);
    auto known = findIcon(data->hWnd, data->uID);
    switch (message) {
    case NIM_ADD: {
        if (known != icons().end() || !IsWindow(data->hWnd) || !host)
            return FALSE;
        ensureRelay();
        TrayIcon icon;
        icon.hwnd = data->hWnd;
        icon.id = data->uID;
        apply(*data, icon);
        if (!host->add(icon))
            return FALSE;
        icons().push_back(std::move(icon));
        return TRUE;
    }
    case NIM_MODIFY:
        if (known == icons().end())
            return FALSE;
        apply(*data, *known);
        if (host)
            host->modify(*known);
        return TRUE;
    case NIM_DELETE:
        if (known == icons().end())
            return FALSE;
        if (host)
            host->remove(known->hwnd, known->id);
        icons().erase(known);
        return TRUE;
    default:
        return FALSE;
    }
}
