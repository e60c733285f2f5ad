// Player interface files (*.bpi), loaded from a temporary folder that also
// holds a small PNG the file may name as its background ("back.png").
// Whatever the text, the interface that comes back keeps every value within
// what the painter is promised.

#include "fuzz/FuzzFiles.h"
#include "platform/images/PngIo.h"
#include "player/PlayerInterface.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

const std::string& workFolder()
{
    static const std::string folder = [] {
        std::string made = MakeFuzzFolder("bpi-fuzz");
        PixelBuffer picture(3, 2);
        picture.set(1, 1, 0xFF336699u);
        WritePng(picture, made + "/back.png");
        return made;
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
    WriteFuzzFile(path, data, size);
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
