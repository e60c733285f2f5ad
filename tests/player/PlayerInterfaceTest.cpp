// Reading *.bpi player interfaces: values, defaults for bad ones, files that
// cannot be used, and the interfaces that ship.

#include "player/PlayerInterface.h"

#include "platform/images/PngIo.h"
#include "platform/WinUserMessages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace player;

namespace {

std::string TempFolder()
{
    auto folder = std::filesystem::temp_directory_path() / ("brio-player-interface-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string WriteFile(const std::string& name, const std::string& text)
{
    std::string path = TempFolder() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(PlayerInterfaceFile, ReadsEveryKindOfEntry)
{
    PlayerInterface ui = ParsePlayerInterface(R"(
; a comment
[Interface]
Name = Studio
author=Someone
size=480x240
background=#102030

[status]
rect=0,0,480,20
color=200,100,50
font=Liberation Sans,12,bold,italic

[style]
face=#010203
[style.playing]
face=#0A0B0C
labelFont=DejaVu Serif,20

[key.0]
rect=10,20,100,50
trigger=f5
label=Intro
[key.19]
trigger=Num7
)",
                                              "");
    EXPECT_EQ(ui.name, "Studio");
    EXPECT_EQ(ui.author, "Someone");
    EXPECT_EQ(ui.background, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(ui.statusText, RGB(200, 100, 50));
    EXPECT_TRUE(SameRect(ui.statusRect, RECT{0, 0, 480, 20}));
    EXPECT_EQ(ui.statusFont, (FontSpec{"Liberation Sans", 12, true, true}));
    // The shared style reaches every state; a state's own section wins.
    EXPECT_EQ(ui.style(CapState::Empty).face, RGB(1, 2, 3));
    EXPECT_EQ(ui.style(CapState::Playing).face, RGB(10, 11, 12));
    EXPECT_EQ(ui.style(CapState::Playing).labelFont, (FontSpec{"DejaVu Serif", 20, false, false}));
    EXPECT_TRUE(SameRect(ui.keys[0].rect, RECT{10, 20, 110, 70}));
    EXPECT_EQ(ui.keys[0].virtualKey, VK_F1 + 4);
    EXPECT_EQ(ui.keys[0].label, "Intro");
    EXPECT_EQ(ui.keys[19].virtualKey, VK_NUMPAD0 + 7);
    EXPECT_EQ(ui.keys[19].label, ";");
    EXPECT_TRUE(ui.warnings.empty()) << ui.warnings.front();
}

TEST(PlayerInterfaceFile, DefaultTriggersFollowTheKeyboard)
{
    PlayerInterface ui = ParsePlayerInterface("[interface]\n", "");
    const std::string expected = "0123456789ASDFGHJKL";
    for (int row = 0; row < 19; ++row)
        EXPECT_EQ(ui.keys[std::size_t(row)].virtualKey, expected[std::size_t(row)]) << row;
    EXPECT_EQ(ui.keys[19].virtualKey, VK_OEM_1);
    // Every cap lies inside the panel and no two overlap.
    for (int a = 0; a < KeyRows; ++a) {
        const RECT& r = ui.keys[std::size_t(a)].rect;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= ui.width && r.bottom <= ui.height && r.left < r.right);
        for (int b = a + 1; b < KeyRows; ++b) {
            const RECT& s = ui.keys[std::size_t(b)].rect;
            EXPECT_FALSE(r.left < s.right && s.left < r.right && r.top < s.bottom && s.top < r.bottom) << a << "," << b;
        }
    }
}

TEST(PlayerInterfaceFile, BadValuesKeepTheirDefaultsAndSaySo)
{
    const PlayerInterface defaults = DefaultPlayerInterface();
    PlayerInterface ui = ParsePlayerInterface(R"([interface]
size=10x10
background=#12345
this line has no equals sign
[status]
rect=0,0,481,20
font=,12
[style.assigned]
face=red
textFont=DejaVu Sans,500
labelFont=DejaVu Sans,12,wide
[key.3]
rect=10,10,0,20
trigger=Ctrl
label=
[key.20]
rect=0,0,10,10
[key.x]
trigger=A
[keys]
grid=5,3,0,0,480,240,0
[unknown]
whatever=1
[interface]
colour=#000000
)",
                                              "");
    EXPECT_EQ(ui.width, 480);
    EXPECT_EQ(ui.height, 240);
    EXPECT_EQ(ui.background, defaults.background);
    EXPECT_TRUE(SameRect(ui.statusRect, defaults.statusRect));
    EXPECT_EQ(ui.statusFont, defaults.statusFont);
    EXPECT_EQ(ui.style(CapState::Assigned).face, defaults.style(CapState::Assigned).face);
    EXPECT_EQ(ui.style(CapState::Assigned).textFont, defaults.style(CapState::Assigned).textFont);
    EXPECT_EQ(ui.style(CapState::Assigned).labelFont, defaults.style(CapState::Assigned).labelFont);
    EXPECT_TRUE(SameRect(ui.keys[3].rect, defaults.keys[3].rect));
    EXPECT_EQ(ui.keys[3].virtualKey, '3');
    EXPECT_EQ(ui.keys[3].label, "3");
    // Unknown sections and entries pass silently; each bad value is named once.
    EXPECT_EQ(ui.warnings.size(), 14u);
    for (const std::string& w : ui.warnings)
        EXPECT_EQ(w.rfind("line ", 0), 0u) << w;
}

TEST(PlayerInterfaceFile, GridsWithHugeCountsOrGapsKeepTheDefault)
{
    // Products of these overflowed before the size checks could refuse them.
    const PlayerInterface defaults = DefaultPlayerInterface();
    for (const char* grid : {"3,10,6,22,468,214,2147483647", "65536,65536,6,22,468,214,1",
                             "2147483647,2,6,22,468,214,0", "1,2147483647,6,22,468,214,0"}) {
        PlayerInterface ui = ParsePlayerInterface(std::string("[keys]\ngrid=") + grid + "\n", "");
        EXPECT_EQ(ui.warnings.size(), 1u) << grid;
        for (int row = 0; row < KeyRows; ++row)
            EXPECT_TRUE(SameRect(ui.keys[std::size_t(row)].rect, defaults.keys[std::size_t(row)].rect)) << grid;
    }
}

TEST(PlayerInterfaceFile, BackgroundPictureBesideTheFile)
{
    PixelBuffer picture(480, 240);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 480; ++x)
            picture.row(y)[x] = 0xFF000000u | Pixel(x & 0xFF);
    WritePng(picture, TempFolder() + "/panel.png");
    std::string path = WriteFile("pictured.bpi", "[interface]\nbackground=panel.png\n");
    PlayerInterface ui = LoadPlayerInterface(path);
    ASSERT_TRUE(ui.backgroundImage);
    EXPECT_EQ(ui.backgroundImage->width(), 480);
    EXPECT_EQ(ui.path, path);

    // A picture that is missing or no PNG leaves the colour and a warning.
    WriteFile("broken.png", "not a picture");
    ui = LoadPlayerInterface(WriteFile("broken.bpi", "[interface]\nbackground=broken.png\n"));
    EXPECT_FALSE(ui.backgroundImage);
    ASSERT_EQ(ui.warnings.size(), 1u);
    ui = LoadPlayerInterface(WriteFile("missing.bpi", "[interface]\nbackground=nowhere.png\n"));
    EXPECT_FALSE(ui.backgroundImage);
    EXPECT_EQ(ui.warnings.size(), 1u);
}

TEST(PlayerInterfaceFile, FilesThatCannotBeUsedRaiseTheirReason)
{
    auto reasonFor = [](const std::string& path) -> std::string {
        try {
            LoadPlayerInterface(path);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "";
    };
    EXPECT_NE(reasonFor(TempFolder() + "/absent.bpi").find("Cannot open"), std::string::npos);
    EXPECT_NE(reasonFor(TempFolder()).find(TempFolder()), std::string::npos);
    EXPECT_NE(reasonFor(WriteFile("binary.bpi", std::string("[interface]\0\x01\x02", 14))).find("not a text"),
              std::string::npos);
    EXPECT_NE(reasonFor(WriteFile("other.bpi", "[something]\nname=x\n")).find("no [interface]"), std::string::npos);
    EXPECT_NE(reasonFor(WriteFile("huge.bpi", "[interface]\n" + std::string(2 << 20, ';'))).find("too large"),
              std::string::npos);
}

TEST(PlayerInterfaceFile, ShippedInterfacesLoadCleanlyWithDifferentLayouts)
{
    const std::string folder = std::string(BRIO_SOURCE_DIR) + "/resources/plug-in/";
    PlayerInterface standard = LoadPlayerInterface(folder + "default.bpi");
    PlayerInterface compact = LoadPlayerInterface(folder + "compact.bpi");
    EXPECT_TRUE(standard.warnings.empty()) << standard.warnings.front();
    EXPECT_TRUE(compact.warnings.empty()) << compact.warnings.front();
    EXPECT_FALSE(SameRect(standard.keys[5].rect, compact.keys[5].rect));
    // The compact list runs down the columns: row 10 starts the second one.
    EXPECT_EQ(compact.keys[10].rect.top, compact.keys[0].rect.top);
    EXPECT_GT(compact.keys[10].rect.left, compact.keys[9].rect.left);
}

} // namespace
