#include "platform/backends/headless/HeadlessTray.h"

#include <algorithm>

bool HeadlessTray::add(const brio::TrayIcon& icon)
{
    if (!available_)
        return false;
    icons_.push_back(icon);
    return true;
}

void HeadlessTray::modify(const brio::TrayIcon& icon)
{
    for (brio::TrayIcon& known : icons_)
        if (known.hwnd == icon.hwnd && known.id == icon.id)
            known = icon;
}

void HeadlessTray::remove(HWND hwnd, UINT id)
{
    std::erase_if(icons_, [&](const brio::TrayIcon& i) { return i.hwnd == hwnd && i.id == id; });
}

std::optional<brio::TrayIcon> HeadlessTray::icon(HWND hwnd, UINT id) const
{
    auto it = std::find_if(icons_.begin(), icons_.end(), [&](const brio::TrayIcon& i) { return i.hwnd == hwnd && i.id == id; });
    if (it == icons_.end())
        return std::nullopt;
    return *it;
}

bool HeadlessTray::click(HWND hwnd, UINT id, UINT mouseMessage, POINT screenPoint)
{
    if (!icon(hwnd, id))
        return false;
    brio::DeliverTrayEvent(hwnd, id, mouseMessage, screenPoint);
    return true;
}
