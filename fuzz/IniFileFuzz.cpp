// INI files through TIniFile and the profile calls beneath it. The input
// gives a section, a key, a value, a second name pair to watch and the
// file itself; one change is made, and then:
// - the changed key reads back as written (or is gone, after a delete);
// - the watched key reads as before, unless it is the one changed;
// - a refused change leaves the file byte for byte as it was.

#include "fuzz/FuzzFiles.h"
#include "ui/component/Exception.h"
#include "ui/component/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string& workFolder()
{
    static const std::string folder = MakeFuzzFolder("ini-fuzz");
    return folder;
}

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "IniFileFuzz: %s\n", what);
    std::abort();
}

std::string contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The calls take C strings: a name ends at its first NUL.
std::string cString(FuzzedDataProvider& input)
{
    std::string s = input.ConsumeRandomLengthString(40);
    return s.substr(0, s.find('\0'));
}

bool sameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// Values no file can hold; a default read back as one of them means "missing".
const std::string missing1 = "\x01missing", missing2 = "\x02missing";

std::string readRaw(const TIniFile& ini, const std::string& section, const std::string& key)
{
    std::string value = ini.ReadString(section, key, missing1);
    return value == missing1 ? ini.ReadString(section, key, missing2) : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int operation = input.ConsumeIntegralInRange(0, 4);
    const std::string section = cString(input), key = cString(input), value = cString(input);
    const int number = input.ConsumeIntegral<int>();
    const std::string watchedSection = cString(input), watchedKey = cString(input);
    const std::string file = input.ConsumeRemainingBytesAsString();

    const std::string path = workFolder() + "/fuzz.ini";
    WriteFuzzFile(path, file.data(), file.size());
    TIniFile ini(path);
    const std::string watchedBefore = readRaw(ini, watchedSection, watchedKey);
    try {
        switch (operation) {
        case 0: ini.WriteString(section, key, value); break;
        case 1: ini.WriteInteger(section, key, number); break;
        case 2: ini.WriteBool(section, key, number & 1); break;
        case 3: ini.DeleteKey(section, key); break;
        case 4: ini.EraseSection(section); break;
        }
    } catch (const EIniFileException&) {
        if (contents(path) != file)
            fail("a refused change altered the file");
        return 0;
    }

    const bool sameKey = sameName(section, watchedSection) && (operation == 4 || sameName(key, watchedKey));
    switch (operation) {
    case 0:
        if (ini.ReadString(section, key, missing1) != value)
            fail("the written text does not read back");
        break;
    case 1:
        if (ini.ReadInteger(section, key, ~number) != number)
            fail("the written number does not read back");
        break;
    case 2:
        if (ini.ReadBool(section, key, !(number & 1)) != bool(number & 1))
            fail("the written flag does not read back");
        break;
    case 3:
        if (ini.ValueExists(section, key))
            fail("a deleted key still reads");
        break;
    case 4:
        if (ini.ValueExists(section, watchedKey))
            fail("a key of an erased section still reads");
        break;
    }
    if (!sameKey && readRaw(ini, watchedSection, watchedKey) != watchedBefore)
        fail("a key that was not changed reads differently");
    return 0;
}
