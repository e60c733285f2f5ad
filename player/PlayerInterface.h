#pragma once
// A player interface: the look and the key layout of the key panel, as read
// from a *.bpi file (format in docs/player-interfaces.md). Every value has a
// default, so a file may give as little as a name.

#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/WinTypes.h"

#include <array>
#include <string>
#include <vector>

namespace player {

constexpr int KeyRows = 20;

// What a key cap shows; each has its own style.
enum class CapState { Empty, Assigned, Playing, Looping, Unplayable };
constexpr int CapStateCount = 5;
const char* CapStateName(CapState state);

struct FontSpec {
    std::string face = "DejaVu Sans";
    int height = 13; // character height in pixels
    bool bold = false;
    bool italic = false;
    bool operator==(const FontSpec&) const = default;
};

struct CapStyle {
    COLORREF face = RGB(0x2B, 0x2D, 0x31);
    COLORREF edge = RGB(0x3C, 0x3F, 0x45);
    COLORREF label = RGB(0xE8, 0xE8, 0xE8); // the key's name
    COLORREF text = RGB(0xB0, 0xB4, 0xBA);  // file name and volume
    COLORREF accent = RGB(0xF2, 0x8C, 0x28); // progress, volume bar and loop mark
    FontSpec labelFont{"DejaVu Sans", 15, true, false};
    FontSpec textFont{"DejaVu Sans", 10, false, false};
};

struct KeySpec {
    RECT rect{};
    int virtualKey = 0;
    std::string label;
};

struct PlayerInterface {
    std::string name = "Default";
    std::string author;
    std::string path; // the file it came from, empty for the built-in one
    int width = 480;
    int height = 240;
    COLORREF background = RGB(0x1E, 0x1F, 0x22);
    PixelBufferPtr backgroundImage; // drawn over the colour when present
    RECT statusRect{8, 4, 472, 24};
    COLORREF statusText = RGB(0x9A, 0x9E, 0xA6);
    COLORREF statusAccent = RGB(0xF2, 0x8C, 0x28);
    FontSpec statusFont{"DejaVu Sans", 11, false, false};
    std::array<CapStyle, CapStateCount> styles;
    std::array<KeySpec, KeyRows> keys;
    // One line per entry that was not understood and fell back to its default.
    std::vector<std::string> warnings;

    const CapStyle& style(CapState state) const { return styles[std::size_t(state)]; }
};

// The built-in interface: a grid of five by four caps under a status line.
PlayerInterface DefaultPlayerInterface();
// `folder` is where a background picture named in the text is looked for.
PlayerInterface ParsePlayerInterface(const std::string& text, const std::string& folder);
// Throws std::runtime_error with the reason when the file cannot be read.
PlayerInterface LoadPlayerInterface(const std::string& path);

// 0-9 for rows 0-9, then A S D F G H J K L ; for rows 10-19.
int DefaultTriggerKey(int row);
std::string DefaultKeyLabel(int row);
// A key name as the files write it ("A", "7", ";", "F5", "Num3", "Space"):
// its virtual-key code, 0 when it names no key.
int VirtualKeyFromName(const std::string& name);

} // namespace player
