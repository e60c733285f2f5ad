#pragma once
// The program's settings and its two paths, shared by the main window, the
// key table and the dialogs. Everything reads and writes the fields
// directly; only LoadSettings and SaveSettings touch "settings.ini".

#include <string>

namespace brio {

struct TSettingRec {
    int clickstyle = 0;
    bool shiftclick = false;
    bool autorun = false;
    bool minimize = false;
    bool mic = false;
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int volumn = 0;
    bool soundswitch = false;
    std::string player;
    // The player as loaded at start; the settings dialog compares against it.
    std::string loadedPlayer;
    bool keypanel = false;
    // The sound library's tree: shown, and its width (0: not chosen yet).
    bool library = false;
    int librarywidth = 0;
};

extern TSettingRec Settings;
// The folder of the program file, ending in '/': the base of every relative path.
extern std::string AppFolder;
// The program file's full path.
extern std::string ExePath;

inline constexpr const char* DefaultPlayer = "plug-in/default.bpi";
inline constexpr const char* AutostartName = "clatterbox";

// Sets ExePath and AppFolder from the running program.
void InitAppPaths();
// Sets both from a given program path (tests and tools).
void SetAppPaths(const std::string& exePath);

// Fills every stored field from AppFolder + "settings.ini", defaults for
// what is missing, then takes loadedPlayer from player.
void LoadSettings();
// Writes the stored fields, then makes the start-at-logon entry agree with
// autorun. A refused INI write raises EIniFileException and skips the rest;
// a failing logon entry is not reported.
void SaveSettings();

std::string SettingsFile();
// A document shipped in the program's docs/ folder.
std::string ShippedDocument(const std::string& name);

// ---- Paths kept in the INI files
// Absolute means starting with '/'.
bool IsAbsolutePath(const std::string& path);
// A stored path made full: relative ones are taken under AppFolder.
std::string FullPathOf(const std::string& stored);
// A full path made storable: relative when it lies under AppFolder.
std::string StoredPathOf(const std::string& full);
// A regular file exists there (an empty name, a folder or a dangling link do not count).
bool IsExistingFile(const std::string& path);
// A line break in a file name would make the INI file unwritable.
bool HasLineBreak(const std::string& text);

} // namespace brio
