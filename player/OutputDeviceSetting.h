#pragma once
// The sound devices the user chose, kept in "settings.ini" under "other":
// "device", the sound-server sink the keys play on, and "microphone", the
// real microphone that the virtual one carries beside the sounds; each empty
// for the server's default. The program reads them at start and hands them to
// TPlayerControl (SetOutputDevice, SetSoundsToMicrophone); the settings
// dialog writes them.

#include <string>

namespace player {

inline constexpr const char* OutputDeviceSection = "other";
inline constexpr const char* OutputDeviceKey = "device";
inline constexpr const char* MicrophoneSourceKey = "microphone";

std::string ReadOutputDevice(const std::string& settingsFile);
// A refused write raises EIniFileException, as every settings write does.
void WriteOutputDevice(const std::string& settingsFile, const std::string& name);
std::string ReadMicrophoneSource(const std::string& settingsFile);
void WriteMicrophoneSource(const std::string& settingsFile, const std::string& name);

} // namespace player
