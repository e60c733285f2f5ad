#pragma once
// The headless backend's notification area: it records the icons it is
// given, so that tests can look at them and click them.

#include "platform/desktop/TrayHost.h"

#include <optional>
#include <vector>

class HeadlessTray : public brio::TrayHost {
public:
    bool add(const brio::TrayIcon& icon) override;
    void modify(const brio::TrayIcon& icon) override;
    void remove(HWND hwnd, UINT id) override;

    // False: there is no notification area, and adding fails.
    void setAvailable(bool available) { available_ = available; }
    const std::vector<brio::TrayIcon>& icons() const { return icons_; }
    std::optional<brio::TrayIcon> icon(HWND hwnd, UINT id) const;
    // What the user's click does: the icon's callback message, with the
    // cursor at `screenPoint`, once the message loop runs. False for an
    // icon the tray does not show.
    bool click(HWND hwnd, UINT id, UINT mouseMessage, POINT screenPoint);

private:
    std::vector<brio::TrayIcon> icons_;
    bool available_ = true;
};
