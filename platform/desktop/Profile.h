#pragma once
// The private-profile (INI file) interface. Every call opens the file by its
// full name; nothing is cached between calls. Section and key names match
// without regard to ASCII letter case.

#include "platform/WinTypes.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A write the system refused; carries the file's full name.
class ProfileWriteError : public std::runtime_error {
public:
    ProfileWriteError(std::string fileName, const std::string& reason);
    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};

// The value, or `defaultValue` when the file, section or key is missing.
// A key present with an empty value gives "". Surrounding spaces and one pair
// of matching quotes around the value are removed.
std::string GetPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                    const char* fileName);
// A whole decimal number (optional sign, surrounding spaces allowed); anything
// else, an empty value or a number out of range reads as `defaultValue`.
int GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* fileName);

// Replaces the key's value in place, or appends the key at the end of its
// section, or appends the section at the end of the file (created when
// missing). A null value removes the key; a null key removes the section
// (every copy of either, so no later one shows through). Names holding line
// breaks, a section name holding ']', and a key name holding '=' or starting
// with ';', '#' or '[' are refused, as they would not read back.
// Every other line stays as it was. The new file replaces the old one by a
// rename, so a crash leaves one or the other, never half a file.
// Returns TRUE; a refused write throws ProfileWriteError.
BOOL WritePrivateProfileString(const char* section, const char* key, const char* value, const char* fileName);

namespace brio {

// An INI file read once, looked up and changed in memory, and written back in
// one atomic step: for a program that reads or writes many keys at a time
// (the calls above open the file on every call). The same rules hold.
class ProfileFile {
public:
    // Reads the file; a missing one reads as empty.
    explicit ProfileFile(std::string fileName);

    std::string get(const char* section, const char* key, const char* defaultValue) const;
    int getInt(const char* section, const char* key, int defaultValue) const;
    // As WritePrivateProfileString, in memory; refused names raise at once.
    void set(const char* section, const char* key, const char* value);
    // Writes the file when anything changed; a refused write raises ProfileWriteError.
    void save();

    struct Line {
        std::string text;   // without its line end
        std::string ending; // "\r\n", "\n" or "" for a last line without one
    };

private:
    void index() const;

    std::string fileName_;
    std::vector<Line> lines_;
    bool marked_ = false;     // began with a UTF-8 byte order mark
    bool unreadable_ = false; // exists but could not be read: never overwritten
    bool changed_ = false;
    // Lower-cased section, then key: the line of the first copy, which is what reads.
    mutable std::optional<std::map<std::string, std::map<std::string, std::size_t>>> index_;
};

} // namespace brio
