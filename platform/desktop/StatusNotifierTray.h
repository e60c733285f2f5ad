#pragma once
// Notification-area icons as StatusNotifierItems on the session bus: each
// icon owns a bus name of its own and registers it with the
// StatusNotifierWatcher. The bus runs on a thread of its own; clicks come
// back through DeliverTrayEvent. Adding fails when there is no bus, no
// watcher, or no host registered with the watcher (nobody would see it).

#include "platform/desktop/TrayHost.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct DBusConnection;
struct DBusMessage;

namespace brio {

class StatusNotifierTray : public TrayHost {
public:
    // An empty address means the session bus named by the environment.
    explicit StatusNotifierTray(std::string busAddress = {});
    ~StatusNotifierTray() override;
    StatusNotifierTray(const StatusNotifierTray&) = delete;
    StatusNotifierTray& operator=(const StatusNotifierTray&) = delete;

    bool add(const TrayIcon& icon) override;
    void modify(const TrayIcon& icon) override;
    void remove(HWND hwnd, UINT id) override;

    // The bus name of an icon the tray shows, else empty.
    std::string busNameOf(HWND hwnd, UINT id) const;

    // Answers the bus on the bus thread. Internal.
    bool handleMessage(DBusMessage* message);

private:
    struct Item {
        std::string busName;
        TrayIcon icon;
    };
    bool connect();
    bool watcherShowsItems();
    void emitSignals(std::initializer_list<const char*> names);
    void runBus();

    std::string address_;
    DBusConnection* bus_ = nullptr;
    bool connectFailed_ = false;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    mutable std::mutex lock_; // items_: read by the bus thread
    std::vector<Item> items_;
    int nextNumber_ = 1;
};

} // namespace brio
