#include "player/OutputDeviceSetting.h"

#include "ui/component/IniFile.h"

namespace player {

std::string ReadOutputDevice(const std::string& settingsFile)
{
    return TIniFile(settingsFile).ReadString(OutputDeviceSection, OutputDeviceKey, "");
}

void WriteOutputDevice(const std::string& settingsFile, const std::string& name)
{
    TIniFile(settingsFile).WriteString(OutputDeviceSection, OutputDeviceKey, name);
}

std::string ReadMicrophoneSource(const std::string& settingsFile)
{
    return TIniFile(settingsFile).ReadString(OutputDeviceSection, MicrophoneSourceKey, "");
}

void WriteMicrophoneSource(const std::string& settingsFile, const std::string& name)
{
    TIniFile(settingsFile).WriteString(OutputDeviceSection, MicrophoneSourceKey, name);
}

} // namespace player
