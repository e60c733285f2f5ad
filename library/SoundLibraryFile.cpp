#include "library/SoundLibraryFile.h"

#include "app/uCommon.h"
#include "platform/desktop/Profile.h"
#include "ui/component/Exception.h"

#include <algorithm>

namespace brio {

namespace {

constexpr const char* GroupSection = "group";
constexpr const char* CountKey = "count";

std::string infoKey(int k) { return std::to_string(k) + "_info"; }
std::string pathKey(int k) { return std::to_string(k) + "_path"; }

} // namespace

std::string SoundLibraryFile()
{
    return AppFolder + "sel.ini";
}

LibraryContents ReadSoundLibrary(const std::string& file)
{
    const ProfileFile ini(file);
    LibraryContents library;
    const int groups = std::min(ini.getInt(GroupSection, CountKey, 0), MaxLibraryGroups);
    for (int g = 1; g <= groups; ++g) {
        const std::string section = std::to_string(g);
        LibraryGroup group;
        group.name = ini.get(GroupSection, section.c_str(), MissingName);
        const int sounds = std::min(ini.getInt(section.c_str(), CountKey, 0), MaxGroupSounds);
        for (int k = 1; k <= sounds; ++k)
            group.sounds.push_back({ini.get(section.c_str(), infoKey(k).c_str(), MissingName),
                                    ini.get(section.c_str(), pathKey(k).c_str(), "")});
        library.push_back(std::move(group));
    }
    return library;
}

void WriteSoundLibrary(const std::string& file, const LibraryContents& library)
{
    try {
        ProfileFile ini(file);
        int g = 0;
        for (const LibraryGroup& group : library) {
            const std::string section = std::to_string(++g);
            ini.set(GroupSection, section.c_str(), group.name.c_str());
            int k = 0;
            for (const LibrarySound& sound : group.sounds) {
                ++k;
                ini.set(section.c_str(), infoKey(k).c_str(), sound.name.c_str());
                ini.set(section.c_str(), pathKey(k).c_str(), sound.path.c_str());
            }
            ini.set(section.c_str(), CountKey, std::to_string(k).c_str());
        }
        ini.set(GroupSection, CountKey, std::to_string(g).c_str());
        ini.save();
    } catch (const ProfileWriteError& error) {
        throw EIniFileException("Unable to write to " + error.fileName());
    }
}

std::string GroupCaption(const std::string& name, int count)
{
    return name + "(" + std::to_string(count) + ")";
}

std::string GroupNameOf(const std::string& caption)
{
    const auto open = caption.rfind('(');
    return open == std::string::npos ? std::string() : caption.substr(0, open);
}

} // namespace brio
