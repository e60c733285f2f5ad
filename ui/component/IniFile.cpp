#include "ui/component/IniFile.h"

#include "platform/desktop/Profile.h"
#include "ui/component/Exception.h"

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const
{
    return GetPrivateProfileString(section.c_str(), ident.c_str(), defaultValue.c_str(), fileName_.c_str());
}

int TIniFile::ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const
{
    return GetPrivateProfileInt(section.c_str(), ident.c_str(), defaultValue, fileName_.c_str());
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const
{
    // Two different defaults can only both come back when the key is missing.
    return ReadString(section, ident, "\x01") != "\x01" || ReadString(section, ident, "\x02") != "\x02";
}

void TIniFile::write(const char* section, const char* ident, const char* value)
{
    try {
        WritePrivateProfileString(section, ident, value, fileName_.c_str());
    } catch (const ProfileWriteError&) {
        throw EIniFileException("Unable to write to " + fileName_);
    }
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value)
{
    write(section.c_str(), ident.c_str(), value.c_str());
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, int value)
{
    WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident)
{
    write(section.c_str(), ident.c_str(), nullptr);
}

void TIniFile::EraseSection(const std::string& section)
{
    write(section.c_str(), nullptr, nullptr);
}
