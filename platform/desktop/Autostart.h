#pragma once
// Start at logon as a desktop autostart entry:
// $XDG_CONFIG_HOME/autostart/<name>.desktop (default ~/.config/autostart).

#include <string>

// The entry's full path for a name; empty when no home folder is known.
std::string AutostartEntryPath(const std::string& name);

// Creates or replaces the entry so that logon starts `programPath`.
// False (with the reason in *error) when it cannot; never throws.
bool WriteAutostartEntry(const std::string& name, const std::string& programPath, std::string* error = nullptr);

// Removes the entry; an entry already gone is not a failure.
bool DeleteAutostartEntry(const std::string& name, std::string* error = nullptr);

// The Exec value for a program path, quoted and escaped as desktop
// entries require.
std::string DesktopExecValue(const std::string& programPath);
