#pragma once
// "sel.ini": the sound library's groups and sounds, as the tree shows them.
// [group] count and 1..count name the groups; section g holds its count,
// k_info the sound's name and k_path its file (stored relative to the
// program's folder when it lies under it; empty for sounds from before paths
// were kept). Counts bound the reading, so keys beyond them stay in the file
// and are ignored; a count past what is stored reads "No Name!" names.

#include <string>
#include <vector>

namespace brio {

struct LibrarySound {
    std::string name;
    std::string path; // as stored: relative to the program's folder when under it
};

struct LibraryGroup {
    std::string name;
    std::vector<LibrarySound> sounds;
};

using LibraryContents = std::vector<LibraryGroup>;

inline constexpr const char* MissingName = "No Name!";
// A damaged count must not stall the start or fill the memory.
inline constexpr int MaxLibraryGroups = 1000;
inline constexpr int MaxGroupSounds = 1000;

std::string SoundLibraryFile();
// Reads the file once; a missing file is an empty library.
LibraryContents ReadSoundLibrary(const std::string& file);
// Writes every group and sound in one step; a refused write raises EIniFileException.
void WriteSoundLibrary(const std::string& file, const LibraryContents& library);

// A group node's caption: the name, then the sound count in brackets.
std::string GroupCaption(const std::string& name, int count);
// The name in a group caption: everything before its last "(" (every caption
// the program makes ends in "(count)"); a caption without one has no name.
std::string GroupNameOf(const std::string& caption);

} // namespace brio
