// The StatusNotifierItem tray on a private session bus, with a small
// watcher of our own: the item registers, shows its icon and tip, and
// Activate and ContextMenu come back as callback messages. Without a
// watcher, or with no host behind it, adding the icon fails.
// Skipped where dbus-daemon is not installed.

#include "WindowTestSupport.h"

#include "platform/desktop/NotifyIcon.h"
#include "platform/desktop/StatusNotifierTray.h"

#include <dbus/dbus.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace windowtest;

namespace {

constexpr UINT kTrayMessage = 0x056C;

// `dbus-daemon --session` of our own, stopped at the end.
class PrivateBus {
public:
    PrivateBus()
    {
        int out[2];
        if (access("/usr/bin/dbus-daemon", X_OK) != 0 || pipe(out) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], 1);
            if (int quiet = open("/dev/null", O_WRONLY); quiet >= 0)
                dup2(quiet, 2); // it complains about fd limits it may not raise
            close(out[0]);
            close(out[1]);
            execl("/usr/bin/dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        // The address is the first line the daemon prints.
        char buffer[512] = {};
        std::size_t used = 0;
        pollfd p{out[0], POLLIN, 0};
        while (used < sizeof buffer - 1 && !std::strchr(buffer, '\n') && poll(&p, 1, 5000) > 0) {
            const ssize_t n = read(out[0], buffer + used, sizeof buffer - 1 - used);
            if (n <= 0)
                break;
            used += std::size_t(n);
        }
        close(out[0]);
        if (char* end = std::strchr(buffer, '\n')) {
            *end = '\0';
            address_ = buffer;
        }
    }
    ~PrivateBus()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& address() const { return address_; }

private:
    pid_t pid_ = -1;
    std::string address_;
};

DBusConnection* connectTo(const std::string& address)
{
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* bus = dbus_connection_open_private(address.c_str(), &error);
    if (bus && !dbus_bus_register(bus, &error)) {
        dbus_connection_close(bus);
        dbus_connection_unref(bus);
        bus = nullptr;
    }
    dbus_error_free(&error);
    if (bus)
        dbus_connection_set_exit_on_disconnect(bus, FALSE);
    return bus;
}

void closeBus(DBusConnection* bus)
{
    if (bus) {
        dbus_connection_close(bus);
        dbus_connection_unref(bus);
    }
}

// Owns org.kde.StatusNotifierWatcher and writes down who registers.
class Watcher {
public:
    Watcher(const std::string& address, bool hostRegistered) : hostRegistered_(hostRegistered)
    {
        bus_ = connectTo(address);
        if (!bus_)
            return;
        DBusError error;
        dbus_error_init(&error);
        dbus_bus_request_name(bus_, "org.kde.StatusNotifierWatcher", DBUS_NAME_FLAG_DO_NOT_QUEUE, &error);
        dbus_error_free(&error);
        static const DBusObjectPathVTable vtable = {nullptr, onMessage, nullptr, nullptr, nullptr, nullptr};
        dbus_connection_register_object_path(bus_, "/StatusNotifierWatcher", &vtable, this);
        thread_ = std::thread([this] {
            while (!stop_ && dbus_connection_read_write_dispatch(bus_, 50)) {
            }
        });
    }
    ~Watcher()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        closeBus(bus_);
    }
    bool ready() const { return bus_ != nullptr; }
    std::vector<std::string> registered()
    {
        std::lock_guard guard(lock_);
        return services_;
    }

private:
    static DBusHandlerResult onMessage(DBusConnection* bus, DBusMessage* m, void* self)
    {
        auto* watcher = static_cast<Watcher*>(self);
        DBusMessage* reply = nullptr;
        if (dbus_message_is_method_call(m, "org.kde.StatusNotifierWatcher", "RegisterStatusNotifierItem")) {
            const char* service = nullptr;
            DBusError error;
            dbus_error_init(&error);
            if (dbus_message_get_args(m, &error, DBUS_TYPE_STRING, &service, DBUS_TYPE_INVALID)) {
                std::lock_guard guard(watcher->lock_);
                watcher->services_.push_back(service);
            }
            dbus_error_free(&error);
            reply = dbus_message_new_method_return(m);
        } else if (dbus_message_is_method_call(m, "org.freedesktop.DBus.Properties", "Get")) {
            reply = dbus_message_new_method_return(m);
            DBusMessageIter it, variant;
            dbus_message_iter_init_append(reply, &it);
            dbus_message_iter_open_container(&it, DBUS_TYPE_VARIANT, "b", &variant);
            const dbus_bool_t value = watcher->hostRegistered_;
            dbus_message_iter_append_basic(&variant, DBUS_TYPE_BOOLEAN, &value);
            dbus_message_iter_close_container(&it, &variant);
        } else {
            return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
        }
        dbus_connection_send(bus, reply, nullptr);
        dbus_message_unref(reply);
        return DBUS_HANDLER_RESULT_HANDLED;
    }

    DBusConnection* bus_ = nullptr;
    bool hostRegistered_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex lock_;
    std::vector<std::string> services_;
};

class StatusNotifierTrayTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        dbus_threads_init_default();
        if (bus_.address().empty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        client_ = connectTo(bus_.address());
        ASSERT_NE(client_, nullptr);
    }
    void TearDown() override
    {
        backend().useTrayHost(nullptr);
        closeBus(client_);
        WindowTest::TearDown();
    }

    NOTIFYICONDATA iconData(HWND hwnd, UINT id, HICON icon)
    {
        NOTIFYICONDATA d;
        d.hWnd = hwnd;
        d.uID = id;
        d.uFlags = NIF_MESSAGE | NIF_TIP | NIF_ICON;
        d.uCallbackMessage = kTrayMessage;
        d.hIcon = icon;
        std::strcpy(d.szTip, "Clatterbox \xE2\x99\xAA");
        return d;
    }

    // A property of the item, as the reply message (caller unrefs), or null.
    DBusMessage* getProperty(const std::string& service, const char* name)
    {
        DBusMessage* call = dbus_message_new_method_call(service.c_str(), "/StatusNotifierItem",
                                                         "org.freedesktop.DBus.Properties", "Get");
        const char* iface = "org.kde.StatusNotifierItem";
        dbus_message_append_args(call, DBUS_TYPE_STRING, &iface, DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID);
        DBusError error;
        dbus_error_init(&error);
        DBusMessage* reply = dbus_connection_send_with_reply_and_block(client_, call, 2000, &error);
        EXPECT_FALSE(dbus_error_is_set(&error)) << name << ": " << (error.message ? error.message : "");
        dbus_error_free(&error);
        dbus_message_unref(call);
        return reply;
    }
    std::string stringProperty(const std::string& service, const char* name)
    {
        DBusMessage* reply = getProperty(service, name);
        std::string value = "(none)";
        DBusMessageIter it, variant;
        if (reply && dbus_message_iter_init(reply, &it)) {
            dbus_message_iter_recurse(&it, &variant);
            if (dbus_message_iter_get_arg_type(&variant) == DBUS_TYPE_STRING) {
                const char* text = nullptr;
                dbus_message_iter_get_basic(&variant, &text);
                value = text;
            }
        }
        if (reply)
            dbus_message_unref(reply);
        return value;
    }
    void call(const std::string& service, const char* method, int x, int y)
    {
        DBusMessage* m =
            dbus_message_new_method_call(service.c_str(), "/StatusNotifierItem", "org.kde.StatusNotifierItem", method);
        const dbus_int32_t px = x, py = y;
        dbus_message_append_args(m, DBUS_TYPE_INT32, &px, DBUS_TYPE_INT32, &py, DBUS_TYPE_INVALID);
        DBusError error;
        dbus_error_init(&error);
        DBusMessage* reply = dbus_connection_send_with_reply_and_block(client_, m, 2000, &error);
        EXPECT_NE(reply, nullptr) << method << ": " << (error.message ? error.message : "");
        dbus_error_free(&error);
        if (reply)
            dbus_message_unref(reply);
        dbus_message_unref(m);
    }
    bool hasOwner(const std::string& name)
    {
        DBusError error;
        dbus_error_init(&error);
        const bool owned = dbus_bus_name_has_owner(client_, name.c_str(), &error);
        dbus_error_free(&error);
        return owned;
    }
    // Pumps the window thread until a tray message arrives (or 3 s pass).
    std::optional<Recorded> waitForTrayMessage(HWND hwnd)
    {
        for (int i = 0; i < 300; ++i) {
            Pump();
            for (const Recorded& r : Recorder::instance().trace())
                if (r.hwnd == hwnd && r.msg == kTrayMessage)
                    return r;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return std::nullopt;
    }

    PrivateBus bus_;
    DBusConnection* client_ = nullptr;
};

TEST_F(StatusNotifierTrayTest, WithoutAWatcherOrAHostAddingFails)
{
    HWND hwnd = createTop();
    NOTIFYICONDATA d = iconData(hwnd, 1, nullptr);
    {
        brio::StatusNotifierTray tray(bus_.address());
        backend().useTrayHost(&tray);
        EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &d)) << "no watcher on the bus";
        backend().useTrayHost(nullptr);
    }
    {
        Watcher watcher(bus_.address(), false);
        ASSERT_TRUE(watcher.ready());
        brio::StatusNotifierTray tray(bus_.address());
        backend().useTrayHost(&tray);
        EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &d)) << "a watcher, but no host shows items";
        EXPECT_TRUE(watcher.registered().empty());
        backend().useTrayHost(nullptr);
    }
    {
        brio::StatusNotifierTray tray("unix:path=/nonexistent/bus");
        backend().useTrayHost(&tray);
        EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &d)) << "no bus at all";
        backend().useTrayHost(nullptr);
    }
}

TEST_F(StatusNotifierTrayTest, TheItemRegistersAndShowsItsIconAndTip)
{
    Watcher watcher(bus_.address(), true);
    ASSERT_TRUE(watcher.ready());
    brio::StatusNotifierTray tray(bus_.address());
    backend().useTrayHost(&tray);
    HWND hwnd = createTop();
    HICON icon = MakeTestIcon(16, 16, 0xFF2B2D31u, 0x80F28C28u);
    NOTIFYICONDATA d = iconData(hwnd, 3, icon);
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &d));
    DestroyIcon(icon);

    const std::string service = tray.busNameOf(hwnd, 3);
    ASSERT_EQ(watcher.registered(), std::vector<std::string>{service});
    EXPECT_EQ(service.rfind("org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-", 0), 0u) << service;
    EXPECT_EQ(stringProperty(service, "Title"), "Clatterbox \xE2\x99\xAA");
    EXPECT_EQ(stringProperty(service, "Status"), "Active");
    EXPECT_EQ(stringProperty(service, "Category"), "ApplicationStatus");

    // IconPixmap: one 16 x 16 entry, ARGB in network byte order.
    DBusMessage* pixmap = getProperty(service, "IconPixmap");
    ASSERT_NE(pixmap, nullptr);
    DBusMessageIter it, variant, array, entry, bytes;
    dbus_message_iter_init(pixmap, &it);
    dbus_message_iter_recurse(&it, &variant);
    ASSERT_EQ(dbus_message_iter_get_arg_type(&variant), DBUS_TYPE_ARRAY);
    dbus_message_iter_recurse(&variant, &array);
    ASSERT_EQ(dbus_message_iter_get_arg_type(&array), DBUS_TYPE_STRUCT);
    dbus_message_iter_recurse(&array, &entry);
    dbus_int32_t width = 0, height = 0;
    dbus_message_iter_get_basic(&entry, &width);
    dbus_message_iter_next(&entry);
    dbus_message_iter_get_basic(&entry, &height);
    dbus_message_iter_next(&entry);
    dbus_message_iter_recurse(&entry, &bytes);
    const unsigned char* data = nullptr;
    int count = 0;
    dbus_message_iter_get_fixed_array(&bytes, &data, &count);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    ASSERT_EQ(count, 16 * 16 * 4);
    EXPECT_EQ((std::vector<int>{data[0], data[1], data[2], data[3]}), (std::vector<int>{0x80, 0xF2, 0x8C, 0x28}));
    EXPECT_EQ((std::vector<int>{data[4], data[5], data[6], data[7]}), (std::vector<int>{0xFF, 0x2B, 0x2D, 0x31}));
    dbus_message_unref(pixmap);

    // ToolTip (sa(iiay)ss): the tip is its title.
    DBusMessage* tooltip = getProperty(service, "ToolTip");
    ASSERT_NE(tooltip, nullptr);
    DBusMessageIter tip;
    dbus_message_iter_init(tooltip, &it);
    dbus_message_iter_recurse(&it, &variant);
    ASSERT_EQ(dbus_message_iter_get_arg_type(&variant), DBUS_TYPE_STRUCT);
    dbus_message_iter_recurse(&variant, &tip);
    dbus_message_iter_next(&tip);
    dbus_message_iter_next(&tip);
    const char* title = nullptr;
    dbus_message_iter_get_basic(&tip, &title);
    EXPECT_STREQ(title, "Clatterbox \xE2\x99\xAA");
    dbus_message_unref(tooltip);

    // A new tip is read back at once.
    std::strcpy(d.szTip, "Muted");
    d.uFlags = NIF_TIP;
    ASSERT_TRUE(Shell_NotifyIcon(NIM_MODIFY, &d));
    EXPECT_EQ(stringProperty(service, "Title"), "Muted");

    // Deleting gives the name up, so the watcher drops the item.
    ASSERT_TRUE(hasOwner(service));
    ASSERT_TRUE(Shell_NotifyIcon(NIM_DELETE, &d));
    EXPECT_FALSE(hasOwner(service));
}

TEST_F(StatusNotifierTrayTest, ActivateAndContextMenuArriveAsMessages)
{
    Watcher watcher(bus_.address(), true);
    ASSERT_TRUE(watcher.ready());
    // The session bus as the program finds it: from the environment.
    const char* before = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const std::string saved = before ? before : "";
    setenv("DBUS_SESSION_BUS_ADDRESS", bus_.address().c_str(), 1);
    brio::StatusNotifierTray tray;
    struct Restore {
        const std::string& value;
        ~Restore() { value.empty() ? unsetenv("DBUS_SESSION_BUS_ADDRESS") : setenv("DBUS_SESSION_BUS_ADDRESS", value.c_str(), 1); }
    } restore{saved};
    backend().useTrayHost(&tray);
    HWND hwnd = createTop();
    NOTIFYICONDATA d = iconData(hwnd, 9, nullptr);
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &d));
    const std::string service = tray.busNameOf(hwnd, 9);
    Pump();
    Recorder::instance().clear();

    call(service, "Activate", 1200, 790);
    auto got = waitForTrayMessage(hwnd);
    ASSERT_TRUE(got) << "no callback after Activate";
    EXPECT_EQ(got->wParam, WPARAM(9));
    EXPECT_EQ(got->lParam, LPARAM(WM_LBUTTONDBLCLK));
    EXPECT_TRUE(got->posted);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 1200);
    EXPECT_EQ(cursor.y, 790);

    Recorder::instance().clear();
    call(service, "ContextMenu", 1100, 20);
    got = waitForTrayMessage(hwnd);
    ASSERT_TRUE(got) << "no callback after ContextMenu";
    EXPECT_EQ(got->lParam, LPARAM(WM_RBUTTONUP));
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 1100);
    EXPECT_EQ(cursor.y, 20);
    Shell_NotifyIcon(NIM_DELETE, &d);
}

} // namespace
