#include "platform/desktop/Autostart.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

std::string configHome()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config";
    return {};
}

void setError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}

// A string value in a desktop entry doubles its backslashes; line breaks
// cannot appear in a path we accept.
std::string escapeStringValue(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

} // namespace

std::string AutostartEntryPath(const std::string& name)
{
    std::string base = configHome();
    if (base.empty())
        return {};
    return base + "/autostart/" + name + ".desktop";
}

std::string DesktopExecValue(const std::string& programPath)
{
    // Inside double quotes, '"', '`', '$' and '\' take a backslash; '%' is
    // doubled because Exec expands field codes.
    std::string quoted = "\"";
    for (char c : programPath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return escapeStringValue(quoted);
}

bool WriteAutostartEntry(const std::string& name, const std::string& programPath, std::string* error)
{
    if (programPath.empty() || programPath.find_first_of("\r\n") != std::string::npos) {
        setError(error, "unusable program path");
        return false;
    }
    std::string path = AutostartEntryPath(name);
    if (path.empty()) {
        setError(error, "no home folder");
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (ec) {
        setError(error, path + ": " + ec.message());
        return false;
    }
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "[Desktop Entry]\n"
            << "Type=Application\n"
            << "Name=Clatterbox\n"
            << "Comment=Sound effects for voice conversations\n"
            << "Exec=" << DesktopExecValue(programPath) << "\n"
            << "Terminal=false\n"
            << "X-GNOME-Autostart-enabled=true\n";
        out.flush();
        if (!out) {
            setError(error, temporary + ": write failed");
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        setError(error, path + ": " + std::strerror(errno));
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool DeleteAutostartEntry(const std::string& name, std::string* error)
{
    std::string path = AutostartEntryPath(name);
    if (path.empty()) {
        setError(error, "no home folder");
        return false;
    }
    if (std::remove(path.c_str()) != 0 && errno != ENOENT) {
        setError(error, path + ": " + std::strerror(errno));
        return false;
    }
    return true;
}
