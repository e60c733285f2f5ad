#include "app/uCommon.h"

#include "platform/desktop/Autostart.h"
#include "ui/component/IniFile.h"

#include <filesystem>
#include <system_error>

namespace brio {

TSettingRec Settings;
std::string AppFolder;
std::string ExePath;

namespace {

constexpr const char* Playback = "playback";
constexpr const char* Startup = "startup";
constexpr const char* Other = "other";
constexpr const char* Window = "window";
constexpr const char* PlugIn = "plug_in";

} // namespace

void SetAppPaths(const std::string& exePath)
{
    ExePath = exePath;
    const std::size_t slash = exePath.rfind('/');
    AppFolder = slash == std::string::npos ? std::string("./") : exePath.substr(0, slash + 1);
}

void InitAppPaths()
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        exe = std::filesystem::current_path(error) / "brio";
    SetAppPaths(exe.string());
}

std::string SettingsFile()
{
    return AppFolder + "settings.ini";
}

std::string ShippedDocument(const std::string& name)
{
    return AppFolder + "docs/" + name;
}

void LoadSettings()
{
    TIniFile ini(SettingsFile());
    Settings.clickstyle = ini.ReadInteger(Playback, "clickstyle", 1);
    Settings.shiftclick = ini.ReadBool(Playback, "shiftclick", true);
    Settings.autorun = ini.ReadBool(Startup, "autorun", false);
    Settings.minimize = ini.ReadBool(Startup, "minimize", false);
    Settings.mic = ini.ReadBool(Other, "mic", false);
    Settings.x = ini.ReadInteger(Window, "x", 0);
    Settings.y = ini.ReadInteger(Window, "y", 0);
    Settings.w = ini.ReadInteger(Window, "w", 0);
    Settings.h = ini.ReadInteger(Window, "h", 0);
    Settings.volumn = ini.ReadInteger(Playback, "volumn", 10);
    Settings.soundswitch = ini.ReadBool(Playback, "soundswitch", true);
    Settings.player = ini.ReadString(PlugIn, "player", DefaultPlayer);
    Settings.keypanel = ini.ReadBool(Window, "keypanel", true);
    Settings.library = ini.ReadBool(Window, "library", false);
    Settings.librarywidth = ini.ReadInteger(Window, "librarywidth", 0);
    Settings.loadedPlayer = Settings.player;
}

void SaveSettings()
{
    TIniFile ini(SettingsFile());
    ini.WriteInteger(Playback, "clickstyle", Settings.clickstyle);
    ini.WriteBool(Playback, "shiftclick", Settings.shiftclick);
    ini.WriteBool(Startup, "autorun", Settings.autorun);
    ini.WriteBool(Startup, "minimize", Settings.minimize);
    ini.WriteBool(Other, "mic", Settings.mic);
    ini.WriteInteger(Window, "x", Settings.x);
    ini.WriteInteger(Window, "y", Settings.y);
    ini.WriteInteger(Window, "w", Settings.w);
    ini.WriteInteger(Window, "h", Settings.h);
    ini.WriteBool(Window, "keypanel", Settings.keypanel);
    ini.WriteBool(Window, "library", Settings.library);
    ini.WriteInteger(Window, "librarywidth", Settings.librarywidth);
    ini.WriteInteger(Playback, "volumn", Settings.volumn);
    ini.WriteBool(Playback, "soundswitch", Settings.soundswitch);
    ini.WriteString(PlugIn, "player", Settings.player);
    // Neither call throws; a logon entry that cannot be written is not worth a message.
    if (Settings.autorun)
        WriteAutostartEntry(AutostartName, ExePath);
    else
        DeleteAutostartEntry(AutostartName);
}

bool IsAbsolutePath(const std::string& path)
{
    return !path.empty() && path.front() == '/';
}

std::string FullPathOf(const std::string& stored)
{
    return IsAbsolutePath(stored) ? stored : AppFolder + stored;
}

std::string StoredPathOf(const std::string& full)
{
    // Only as a prefix: the folder's text elsewhere in a path is part of another folder's name.
    if (!AppFolder.empty() && full.size() > AppFolder.size() && full.compare(0, AppFolder.size(), AppFolder) == 0)
        return full.substr(AppFolder.size());
    return full;
}

bool IsExistingFile(const std::string& path)
{
    if (path.empty())
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool HasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

} // namespace brio
