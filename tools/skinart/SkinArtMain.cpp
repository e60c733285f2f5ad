// brio-skin-art OUTDIR            writes OUTDIR/bitmaps/NNN-Name.png
// brio-skin-art --objects OUTDIR  writes OUTDIR/objects/NNN-Name.txt
// The object texts are committed under resources/skin/objects; the bitmaps
// are made at build time.

#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/images/PngIo.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SeObjectText.h"
#include "skin/engine/SeSkinObject.h"
#include "tools/skinart/SkinArt.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

void writeBitmaps(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    auto bitmaps = skinart::DrawSkinBitmaps();
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        TSeBitmap& bitmap = *bitmaps[i];
        PixelBuffer pixels(bitmap.Width(), bitmap.Height(), bitmap.Bits(), bitmap.Width());
        WritePng(pixels, (folder / skinart::SourceFileName(int(i), bitmap.Name(), ".png")).string());
    }
}

void writeObjects(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    auto objects = skinart::BuildSkinObjects();
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const std::string text = ObjectBinaryToText(SkinObjectToBinary(*objects[i]));
        const auto path = folder / skinart::SourceFileName(int(i), objects[i]->Name(), ".txt");
        std::ofstream out(path, std::ios::binary);
        out << text;
        if (!out)
            throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

int main(int argc, char** argv)
{
    const bool objects = argc == 3 && std::string(argv[1]) == "--objects";
    if (argc != 2 && !objects) {
        std::fprintf(stderr, "usage: brio-skin-art OUTDIR\n       brio-skin-art --objects OUTDIR\n");
        return 2;
    }
    try {
        if (objects)
            writeObjects(std::filesystem::path(argv[2]) / "objects");
        else
            writeBitmaps(std::filesystem::path(argv[1]) / "bitmaps");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brio-skin-art: %s\n", e.what());
        return 1;
    }
    return 0;
}
