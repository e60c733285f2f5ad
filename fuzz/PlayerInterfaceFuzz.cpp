// Player interface files (*.bpi), loaded from a temporary folder that also
// holds a small PNG the file may name as its background ("back.png").
// Whatever the text, the interface that comes back keeps every value within
// what the painter is promised.

#include "platform/images/PngIo.h"
#include "player/PlayerInterface.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

#include <unistd.h>

namespace {

// Made once: a folder in memory where there is one, since every input goes to disk.
const std::string& workFolder()
{
    static const std::string folder = [] {
        std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/bpi-fuzz-XXXXXX");
        if (!mkdtemp(pattern.data()))
            std::abort();
        PixelBuffer picture(3, 2);
        picture.set(1, 1, 0xFF336699u);
        WritePng(picture, pattern + "/back.png");
        return pattern;
    }();
    return folder;
}

bool validFont(const player::FontSpec& font)
{
    return !font.face.empty() && font.face.size() < 32 && font.height >= 6 && font.height <= 72;
}

bool validRect(const RECT& r) { return r.right > r.left && r.bottom > r.top; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = workFolder() + "/fuzz.bpi";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
        if (!out)
            std::abort();
    }
    player::PlayerInterface ui;
    try {
        ui = player::LoadPlayerInterface(path);
    } catch (const std::runtime_error&) {
        return 0;
    }
    bool sound = ui.width >= 64 && ui.width <= 4096 && ui.height >= 64 && ui.height <= 4096
                 && validRect(ui.statusRect) && validFont(ui.statusFont) && ui.path == path;
    for (const player::CapStyle& style : ui.styles)
        sound &= validFont(style.labelFont) && validFont(style.textFont);
    for (const player::KeySpec& key : ui.keys)
        sound &= validRect(key.rect) && key.virtualKey > 0 && key.virtualKey < 256 && !key.label.empty()
                 && key.label.size() <= 16;
    if (ui.backgroundImage)
        sound &= ui.backgroundImage->width() > 0 && ui.backgroundImage->height() > 0;
    if (!sound)
        std::abort();
    return 0;
}
