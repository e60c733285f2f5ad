#pragma once
// The output device the user chose, kept in "settings.ini" under "other" as
// "device": a sound-server sink name, empty for the server's default. The
// program reads it at start and hands it to TPlayerControl::SetOutputDevice;
// the settings dialog writes it.

#include <string>

namespace player {

inline constexpr const char* OutputDeviceSection = "other";
inline constexpr const char* OutputDeviceKey = "device";

std::string ReadOutputDevice(const std::string& settingsFile);
// A refused write raises EIniFileException, as every settings write does.
void WriteOutputDevice(const std::string& settingsFile, const std::string& name);

} // namespace player
