#pragma once
// What shows notification-area icons for Shell_NotifyIcon: the backend
// supplies one (a recorder on the headless backend, a StatusNotifierItem on
// the session bus for real displays). Internal to the platform.

#include "platform/WinTypes.h"

#include <string>
#include <vector>

namespace brio {

struct TrayIcon {
    HWND hwnd = nullptr;
    UINT id = 0;
    UINT callbackMessage = 0; // 0: no callback
    std::string tip;          // UTF-8
    int width = 0;            // 0: no picture
    int height = 0;
    std::vector<Pixel> pixels; // 0xAARRGGBB, straight alpha, top row first
};

class TrayHost {
public:
    virtual ~TrayHost() = default;
    // False when nothing will show the icon.
    virtual bool add(const TrayIcon& icon) = 0;
    virtual void modify(const TrayIcon& icon) = 0;
    virtual void remove(HWND hwnd, UINT id) = 0;
};

// A click on an icon, from any thread: on the window thread the cursor is
// put at `screenPoint` and the icon's callback message posted as
// (id, mouseMessage). Unknown icons and gone windows are ignored.
void DeliverTrayEvent(HWND hwnd, UINT id, UINT mouseMessage, POINT screenPoint);

} // namespace brio
