#include "platform/desktop/StatusNotifierTray.h"

#include "platform/WinUserMessages.h"

#include <dbus/dbus.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace brio {

namespace {

constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr const char* kWatcherPath = "/StatusNotifierWatcher";
constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";
constexpr int kCallTimeoutMs = 2000;

constexpr const char* kIntrospection =
    "<node><interface name=\"org.kde.StatusNotifierItem\">"
    "<property name=\"Category\" type=\"s\" access=\"read\"/><property name=\"Id\" type=\"s\" access=\"read\"/>"
    "<property name=\"Title\" type=\"s\" access=\"read\"/><property name=\"Status\" type=\"s\" access=\"read\"/>"
    "<property name=\"WindowId\" type=\"i\" access=\"read\"/><property name=\"IconName\" type=\"s\" access=\"read\"/>"
    "<property name=\"IconPixmap\" type=\"a(iiay)\" access=\"read\"/>"
    "<property name=\"ToolTip\" type=\"(sa(iiay)ss)\" access=\"read\"/>"
    "<property name=\"ItemIsMenu\" type=\"b\" access=\"read\"/><property name=\"Menu\" type=\"o\" access=\"read\"/>"
    "<method name=\"Activate\"><arg name=\"x\" type=\"i\"/><arg name=\"y\" type=\"i\"/></method>"
    "<method name=\"SecondaryActivate\"><arg name=\"x\" type=\"i\"/><arg name=\"y\" type=\"i\"/></method>"
    "<method name=\"ContextMenu\"><arg name=\"x\" type=\"i\"/><arg name=\"y\" type=\"i\"/></method>"
    "<method name=\"Scroll\"><arg name=\"delta\" type=\"i\"/><arg name=\"orientation\" type=\"s\"/></method>"
    "<signal name=\"NewTitle\"/><signal name=\"NewIcon\"/><signal name=\"NewToolTip\"/>"
    "</interface></node>";

const char* const kPropertyNames[] = {"Category", "Id",      "Title",      "Status", "WindowId",
                                      "IconName", "IconPixmap", "ToolTip", "ItemIsMenu", "Menu"};

// Frees a message on every way out.
struct MessageRef {
    DBusMessage* m;
    explicit MessageRef(DBusMessage* message) : m(message) {}
    ~MessageRef()
    {
        if (m)
            dbus_message_unref(m);
    }
    MessageRef(const MessageRef&) = delete;
    MessageRef& operator=(const MessageRef&) = delete;
};

struct ErrorRef {
    DBusError e;
    ErrorRef() { dbus_error_init(&e); }
    ~ErrorRef() { dbus_error_free(&e); }
    bool set() const { return dbus_error_is_set(&e); }
};

void appendString(DBusMessageIter* it, const std::string& value)
{
    const char* text = value.c_str();
    dbus_message_iter_append_basic(it, DBUS_TYPE_STRING, &text);
}

// a(iiay): the pixels as ARGB32 in network byte order.
void appendPixmaps(DBusMessageIter* it, const TrayIcon& icon)
{
    DBusMessageIter array, entry, bytes;
    dbus_message_iter_open_container(it, DBUS_TYPE_ARRAY, "(iiay)", &array);
    if (icon.width > 0 && icon.height > 0 && icon.pixels.size() == std::size_t(icon.width) * std::size_t(icon.height)) {
        std::vector<unsigned char> data;
        data.reserve(icon.pixels.size() * 4);
        for (Pixel p : icon.pixels)
            for (int shift : {24, 16, 8, 0})
                data.push_back(static_cast<unsigned char>(p >> shift));
        const dbus_int32_t width = icon.width, height = icon.height;
        const unsigned char* first = data.data();
        dbus_message_iter_open_container(&array, DBUS_TYPE_STRUCT, nullptr, &entry);
        dbus_message_iter_append_basic(&entry, DBUS_TYPE_INT32, &width);
        dbus_message_iter_append_basic(&entry, DBUS_TYPE_INT32, &height);
        dbus_message_iter_open_container(&entry, DBUS_TYPE_ARRAY, "y", &bytes);
        dbus_message_iter_append_fixed_array(&bytes, DBUS_TYPE_BYTE, &first, int(data.size()));
        dbus_message_iter_close_container(&entry, &bytes);
        dbus_message_iter_close_container(&array, &entry);
    }
    dbus_message_iter_close_container(it, &array);
}

std::string programId()
{
    char path[256] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "brio";
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

// Appends the property as a variant; false for a name the item lacks.
bool appendProperty(DBusMessageIter* it, const std::string& name, const TrayIcon& icon)
{
    DBusMessageIter variant;
    auto open = [&](const char* signature) { dbus_message_iter_open_container(it, DBUS_TYPE_VARIANT, signature, &variant); };
    if (name == "Category" || name == "Id" || name == "Title" || name == "Status" || name == "IconName") {
        open("s");
        appendString(&variant, name == "Category" ? "ApplicationStatus"
                               : name == "Id"     ? programId()
                               : name == "Title"  ? icon.tip
                               : name == "Status" ? "Active"
                                                  : "");
    } else if (name == "WindowId") {
        open("i");
        const dbus_int32_t zero = 0;
        dbus_message_iter_append_basic(&variant, DBUS_TYPE_INT32, &zero);
    } else if (name == "IconPixmap") {
        open("a(iiay)");
        appendPixmaps(&variant, icon);
    } else if (name == "ToolTip") {
        open("(sa(iiay)ss)");
        DBusMessageIter tip;
        dbus_message_iter_open_container(&variant, DBUS_TYPE_STRUCT, nullptr, &tip);
        appendString(&tip, "");
        appendPixmaps(&tip, icon);
        appendString(&tip, icon.tip);
        appendString(&tip, "");
        dbus_message_iter_close_container(&variant, &tip);
    } else if (name == "ItemIsMenu") {
        open("b");
        const dbus_bool_t no = FALSE;
        dbus_message_iter_append_basic(&variant, DBUS_TYPE_BOOLEAN, &no);
    } else if (name == "Menu") {
        open("o");
        const char* none = "/NO_DBUSMENU";
        dbus_message_iter_append_basic(&variant, DBUS_TYPE_OBJECT_PATH, &none);
    } else {
        return false;
    }
    dbus_message_iter_close_container(it, &variant);
    return true;
}

// The session bus from the environment, or the user's socket where one
// exists; never an autolaunched bus, which would outlive the program.
std::string sessionBusAddress()
{
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address)
        return address;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        const std::string socket = std::string(runtime) + "/bus";
        if (access(socket.c_str(), F_OK) == 0)
            return "unix:path=" + socket;
    }
    return {};
}

DBusHandlerResult onMessage(DBusConnection*, DBusMessage* message, void* tray)
{
    return static_cast<StatusNotifierTray*>(tray)->handleMessage(message) ? DBUS_HANDLER_RESULT_HANDLED
                                                                          : DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

} // namespace

StatusNotifierTray::StatusNotifierTray(std::string busAddress) : address_(std::move(busAddress)) {}

StatusNotifierTray::~StatusNotifierTray()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (bus_) {
        dbus_connection_close(bus_);
        dbus_connection_unref(bus_);
    }
}

bool StatusNotifierTray::connect()
{
    if (bus_)
        return dbus_connection_get_is_connected(bus_);
    if (connectFailed_)
        return false;
    connectFailed_ = true; // until it works: a missing bus is not asked again and again
    dbus_threads_init_default();
    ErrorRef error;
    const std::string address = address_.empty() ? sessionBusAddress() : address_;
    if (address.empty())
        return false;
    DBusConnection* bus = dbus_connection_open_private(address.c_str(), &error.e);
    if (bus && !dbus_bus_register(bus, &error.e)) {
        dbus_connection_close(bus);
        dbus_connection_unref(bus);
        bus = nullptr;
    }
    if (!bus)
        return false;
    dbus_connection_set_exit_on_disconnect(bus, FALSE);
    static const DBusObjectPathVTable vtable = {nullptr, onMessage, nullptr, nullptr, nullptr, nullptr};
    if (!dbus_connection_register_object_path(bus, kItemPath, &vtable, this)) {
        dbus_connection_close(bus);
        dbus_connection_unref(bus);
        return false;
    }
    bus_ = bus;
    connectFailed_ = false;
    thread_ = std::thread([this] { runBus(); });
    return true;
}

void StatusNotifierTray::runBus()
{
    while (!stop_ && dbus_connection_read_write_dispatch(bus_, 100)) {
    }
}

bool StatusNotifierTray::watcherShowsItems()
{
    ErrorRef error;
    if (!dbus_bus_name_has_owner(bus_, kWatcherName, &error.e))
        return false;
    MessageRef call(dbus_message_new_method_call(kWatcherName, kWatcherPath, kPropertiesInterface, "Get"));
    if (!call.m)
        return false;
    const char* iface = kWatcherName;
    const char* property = "IsStatusNotifierHostRegistered";
    dbus_message_append_args(call.m, DBUS_TYPE_STRING, &iface, DBUS_TYPE_STRING, &property, DBUS_TYPE_INVALID);
    MessageRef reply(dbus_connection_send_with_reply_and_block(bus_, call.m, kCallTimeoutMs, &error.e));
    if (!reply.m)
        return false;
    DBusMessageIter it, variant;
    if (!dbus_message_iter_init(reply.m, &it) || dbus_message_iter_get_arg_type(&it) != DBUS_TYPE_VARIANT)
        return false;
    dbus_message_iter_recurse(&it, &variant);
    if (dbus_message_iter_get_arg_type(&variant) != DBUS_TYPE_BOOLEAN)
        return false;
    dbus_bool_t registered = FALSE;
    dbus_message_iter_get_basic(&variant, &registered);
    return registered;
}

bool StatusNotifierTray::add(const TrayIcon& icon)
{
    if (!connect() || !watcherShowsItems())
        return false;
    const std::string name =
        "org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-" + std::to_string(nextNumber_++);
    ErrorRef error;
    if (dbus_bus_request_name(bus_, name.c_str(), DBUS_NAME_FLAG_DO_NOT_QUEUE, &error.e) !=
        DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER)
        return false;
    {
        // Listed before registering: the watcher reads the properties at once.
        std::lock_guard guard(lock_);
        items_.push_back(Item{name, icon});
    }
    MessageRef call(dbus_message_new_method_call(kWatcherName, kWatcherPath, kWatcherName, "RegisterStatusNotifierItem"));
    const char* service = name.c_str();
    bool registered = false;
    if (call.m && dbus_message_append_args(call.m, DBUS_TYPE_STRING, &service, DBUS_TYPE_INVALID)) {
        MessageRef reply(dbus_connection_send_with_reply_and_block(bus_, call.m, kCallTimeoutMs, &error.e));
        registered = reply.m != nullptr;
    }
    if (!registered) {
        {
            std::lock_guard guard(lock_);
            std::erase_if(items_, [&](const Item& i) { return i.busName == name; });
        }
        ErrorRef ignored;
        dbus_bus_release_name(bus_, name.c_str(), &ignored.e);
    }
    return registered;
}

void StatusNotifierTray::modify(const TrayIcon& icon)
{
    std::string name;
    {
        std::lock_guard guard(lock_);
        for (Item& item : items_)
            if (item.icon.hwnd == icon.hwnd && item.icon.id == icon.id) {
                item.icon = icon;
                name = item.busName;
            }
    }
    if (!name.empty())
        emitSignals({"NewTitle", "NewIcon", "NewToolTip"});
}

void StatusNotifierTray::remove(HWND hwnd, UINT id)
{
    const std::string name = busNameOf(hwnd, id);
    if (name.empty())
        return;
    {
        std::lock_guard guard(lock_);
        std::erase_if(items_, [&](const Item& i) { return i.busName == name; });
    }
    // The watcher drops the item when its name leaves the bus.
    ErrorRef ignored;
    dbus_bus_release_name(bus_, name.c_str(), &ignored.e);
}

std::string StatusNotifierTray::busNameOf(HWND hwnd, UINT id) const
{
    std::lock_guard guard(lock_);
    for (const Item& item : items_)
        if (item.icon.hwnd == hwnd && item.icon.id == id)
            return item.busName;
    return {};
}

void StatusNotifierTray::emitSignals(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        MessageRef signal(dbus_message_new_signal(kItemPath, kItemInterface, name));
        if (signal.m)
            dbus_connection_send(bus_, signal.m, nullptr);
    }
    dbus_connection_flush(bus_);
}

bool StatusNotifierTray::handleMessage(DBusMessage* message)
{
    if (dbus_message_get_type(message) != DBUS_MESSAGE_TYPE_METHOD_CALL)
        return false;
    const char* iface = dbus_message_get_interface(message);
    const char* member = dbus_message_get_member(message);
    if (!member)
        return false;
    const std::string method = member;
    const std::string interface = iface ? iface : "";

    // Which icon: the bus name the caller addressed, or the only one.
    TrayIcon icon;
    bool found = false;
    {
        const char* destination = dbus_message_get_destination(message);
        std::lock_guard guard(lock_);
        for (const Item& item : items_)
            if (destination && item.busName == destination) {
                icon = item.icon;
                found = true;
            }
        if (!found && items_.size() == 1) {
            icon = items_.front().icon;
            found = true;
        }
    }
    auto reply = [&](DBusMessage* answer) {
        if (answer) {
            dbus_connection_send(bus_, answer, nullptr);
            dbus_message_unref(answer);
        }
        return true;
    };
    auto fail = [&](const char* name, const std::string& text) {
        return reply(dbus_message_new_error(message, name, text.c_str()));
    };

    if (interface == "org.freedesktop.DBus.Introspectable" && method == "Introspect") {
        DBusMessage* answer = dbus_message_new_method_return(message);
        dbus_message_append_args(answer, DBUS_TYPE_STRING, &kIntrospection, DBUS_TYPE_INVALID);
        return reply(answer);
    }
    if (!found)
        return fail(DBUS_ERROR_UNKNOWN_OBJECT, "no such item");

    if (interface == kPropertiesInterface && (method == "Get" || method == "GetAll")) {
        const char* asked = nullptr;
        const char* property = nullptr;
        ErrorRef error;
        const bool ok = method == "Get"
                            ? dbus_message_get_args(message, &error.e, DBUS_TYPE_STRING, &asked, DBUS_TYPE_STRING,
                                                    &property, DBUS_TYPE_INVALID)
                            : dbus_message_get_args(message, &error.e, DBUS_TYPE_STRING, &asked, DBUS_TYPE_INVALID);
        if (!ok)
            return fail(DBUS_ERROR_INVALID_ARGS, "bad arguments");
        DBusMessage* answer = dbus_message_new_method_return(message);
        DBusMessageIter it;
        dbus_message_iter_init_append(answer, &it);
        if (method == "Get") {
            if (std::strcmp(asked, kItemInterface) != 0 || !appendProperty(&it, property, icon)) {
                dbus_message_unref(answer);
                return fail(DBUS_ERROR_UNKNOWN_PROPERTY, std::string("no property ") + property);
            }
            return reply(answer);
        }
        DBusMessageIter dict, entry;
        dbus_message_iter_open_container(&it, DBUS_TYPE_ARRAY, "{sv}", &dict);
        if (std::strcmp(asked, kItemInterface) == 0 || asked[0] == '\0')
            for (const char* name : kPropertyNames) {
                dbus_message_iter_open_container(&dict, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
                dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &name);
                appendProperty(&entry, name, icon);
                dbus_message_iter_close_container(&dict, &entry);
            }
        dbus_message_iter_close_container(&it, &dict);
        return reply(answer);
    }

    if (interface == kItemInterface || interface.empty()) {
        if (method == "Scroll")
            return reply(dbus_message_new_method_return(message));
        UINT mouse = 0;
        if (method == "Activate")
            mouse = WM_LBUTTONDBLCLK;
        else if (method == "ContextMenu")
            mouse = WM_RBUTTONUP;
        else if (method == "SecondaryActivate")
            mouse = WM_MBUTTONUP;
        if (mouse) {
            dbus_int32_t x = 0, y = 0;
            ErrorRef error;
            if (!dbus_message_get_args(message, &error.e, DBUS_TYPE_INT32, &x, DBUS_TYPE_INT32, &y, DBUS_TYPE_INVALID))
                return fail(DBUS_ERROR_INVALID_ARGS, "expected (ii)");
            DeliverTrayEvent(icon.hwnd, icon.id, mouse, POINT{x, y});
            return reply(dbus_message_new_method_return(message));
        }
    }
    return false;
}

} // namespace brio
