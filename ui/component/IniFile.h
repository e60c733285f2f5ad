#pragma once
// TIniFile: values in an INI file through the platform's profile calls.
// Every call opens the file; nothing is cached, so UpdateFile has nothing
// to do.

#include "ui/component/Component.h"

#include <string>

class TIniFile : public TObject {
public:
    explicit TIniFile(const std::string& fileName) : fileName_(fileName) {}

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) const;
    // A value that is not a whole decimal number reads as the default.
    int ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const;
    // Read as a number: non-zero is true.
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;
    bool ValueExists(const std::string& section, const std::string& ident) const;

    // A refused write raises EIniFileException "Unable to write to <file>".
    void WriteString(const std::string& section, const std::string& ident, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& ident, int value);
    // Written as "1" or "0".
    void WriteBool(const std::string& section, const std::string& ident, bool value);
    void DeleteKey(const std::string& section, const std::string& ident);
    void EraseSection(const std::string& section);
    void UpdateFile() {}

private:
    void write(const char* section, const char* ident, const char* value);

    std::string fileName_;
};
