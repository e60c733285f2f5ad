// The program's generated pictures as the program finds them by name: the
// right sizes, see-through where they should be, the crossed glyphs marked
// in red, twenty different key labels; and a sheet of all of them for a
// person to look at.

#include "platform/images/NamedBitmaps.h"
#include "platform/images/PngIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr Pixel Magenta = 0xFFFF00FF;

struct Picture {
    const char* name;
    int width;
    int height;
};

const Picture Pictures[] = {
    {"BRIO_MAIN_IMAGES", 96, 16}, {"BRIO_KEY_LABELS", 480, 24},  {"BRIO_SOUND", 16, 16},
    {"BRIO_SOUND_CROSSED", 16, 16}, {"BRIO_MIC", 16, 16},       {"BRIO_MIC_CROSSED", 16, 16},
    {"BRIO_PIANO_KEYS", 16, 16},  {"BRIO_ICON", 32, 32},
};

brio::NamedImage find(const char* name)
{
    const auto image = brio::FindNamedImage(name);
    if (!image) {
        ADD_FAILURE() << name << " is not carried by the program";
        return {name, 0, 0, nullptr};
    }
    return *image;
}

Pixel at(const brio::NamedImage& image, int x, int y)
{
    return image.pixels[y * image.width + x];
}

bool reddish(Pixel p)
{
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return p != Magenta && r > 180 && g < 110 && b < 110;
}

int count(const brio::NamedImage& image, int left, int width, bool (*test)(Pixel))
{
    int n = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = left; x < left + width; ++x)
            n += test(at(image, x, y));
    return n;
}

TEST(ProgramArt, EveryPictureIsThereInItsSizeAndTheSheetIsWritten)
{
    int sheetWidth = 0, sheetHeight = 0;
    for (const Picture& picture : Pictures) {
        const brio::NamedImage image = find(picture.name);
        EXPECT_EQ(image.width, picture.width) << picture.name;
        EXPECT_EQ(image.height, picture.height) << picture.name;
        sheetWidth = std::max(sheetWidth, image.width * 2);
        sheetHeight += image.height * 2 + 4;
    }
    // Twice the size, so a person can see the details.
    PixelBuffer sheet(sheetWidth, sheetHeight);
    sheet.fill(0xFF2B2D31);
    int top = 0;
    for (const Picture& picture : Pictures) {
        const brio::NamedImage image = find(picture.name);
        for (int y = 0; y < image.height * 2; ++y)
            for (int x = 0; x < image.width * 2; ++x) {
                const Pixel p = at(image, x / 2, y / 2);
                if (p != Magenta && (p >> 24) != 0)
                    sheet.row(top + y)[x] = p;
            }
        top += image.height * 2 + 4;
    }
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    WritePng(sheet, std::string(BRIO_TEST_OUTPUT_DIR) + "/program-art.png");
}

TEST(ProgramArt, GlyphsAreKeyedOnTheirBottomLeftAndOnlyTheCrossedOnesCarryRed)
{
    for (const char* name : {"BRIO_SOUND", "BRIO_SOUND_CROSSED", "BRIO_MIC", "BRIO_MIC_CROSSED", "BRIO_PIANO_KEYS"}) {
        const brio::NamedImage image = find(name);
        if (!image.pixels)
            continue;
        EXPECT_EQ(at(image, 0, 15), Magenta) << name << ": buttons take the bottom-left pixel as see-through";
        const bool crossed = std::string(name).find("CROSSED") != std::string::npos;
        const int red = count(image, 0, 16, reddish);
        if (crossed)
            EXPECT_GT(red, 20) << name;
        else
            EXPECT_EQ(red, 0) << name;
    }
}

TEST(ProgramArt, TheTwentyKeyLabelsDifferAndEachHasItsSoundMark)
{
    const brio::NamedImage labels = find("BRIO_KEY_LABELS");
    if (!labels.pixels)
        return;
    std::set<std::vector<Pixel>> seen;
    for (int key = 0; key < 20; ++key) {
        std::vector<Pixel> cell;
        for (int y = 0; y < 24; ++y)
            for (int x = key * 24; x < key * 24 + 24; ++x)
                cell.push_back(at(labels, x, y));
        EXPECT_TRUE(seen.insert(cell).second) << "label " << key << " repeats another";
        int mark = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = key * 24; x < key * 24 + 8; ++x)
                mark += at(labels, x, y) != Magenta;
        EXPECT_GT(mark, 6) << "label " << key << " has no mark at its top left";
    }
}

TEST(ProgramArt, TheIconIsSeeThroughAtItsCornersAndSolidInside)
{
    const brio::NamedImage icon = find("BRIO_ICON");
    if (!icon.pixels)
        return;
    for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
        EXPECT_EQ(at(icon, x, y) >> 24, 0u) << x << "," << y;
    EXPECT_EQ(at(icon, 16, 4) >> 24, 0xFFu);
    EXPECT_EQ(at(icon, 26, 26) >> 24, 0xFFu);
}

} // namespace
