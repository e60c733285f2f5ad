// A screenshot of the two classic text styles, checked on a few pixels and
// written for a person to look at.

#include "platform/gdi/GdiObjects.h"
#include "platform/images/PngIo.h"
#include "tests/platform/TextTestSupport.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace text_test {

void WriteTestPng(const TextSurface& surface, const std::string& name)
{
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    WritePng(*LookupBitmap(surface.bitmap())->pixels, std::string(BRIO_TEST_OUTPUT_DIR) + "/" + name + ".png", true);
}

namespace {

TEST(TextGolden, SmallSansAndLargeBoldItalic)
{
    TextSurface s(360, 64);
    const char* small = "The quick brown fox jumps over the lazy dog 0123456789";
    const char* large = "Clatterbox &Sounds";
    TextOut(s.dc, 4, 4, small, -1);
    SIZE smallSize{};
    GetTextExtentPoint32(s.dc, small, -1, &smallSize);

    HFONT arial = MakeFont("Arial", -27, FW_BOLD, true);
    HGDIOBJ old = SelectObject(s.dc, arial);
    TextOut(s.dc, 4, 24, large, -1);
    SIZE largeSize{};
    GetTextExtentPoint32(s.dc, large, -1, &largeSize);
    SelectObject(s.dc, old);
    DeleteObject(arial);
    WriteTestPng(s, "text-golden");

    // Widths as the classic interface fonts give them, within a few percent.
    EXPECT_GE(smallSize.cx, 260);
    EXPECT_LE(smallSize.cx, 300);
    EXPECT_EQ(smallSize.cy, 13);
    EXPECT_GE(largeSize.cx, 230);
    EXPECT_LE(largeSize.cx, 290);

    RECT smallBox{4, 4, 4 + smallSize.cx, 4 + smallSize.cy};
    RECT largeBox{4, 24, 4 + largeSize.cx + 6, 24 + largeSize.cy};
    EXPECT_GT(s.inkIn(smallBox), 200);
    EXPECT_GT(s.inkIn(largeBox), 1500);
    EXPECT_EQ(s.inkOutside(RECT{0, 0, 360, 64}), 0);
    // Nothing between the two lines nor right of the text.
    EXPECT_EQ(s.inkIn(RECT{smallBox.right + 1, 0, 360, 20}), 0);
    EXPECT_EQ(s.inkIn(RECT{largeBox.right, 24, 360, 64}), 0);
    // Crisp small text: most of its ink is fully dark, not grey smear.
    int dark = 0;
    for (int y = smallBox.top; y < smallBox.bottom; ++y)
        for (int x = smallBox.left; x < smallBox.right; ++x)
            dark += (s.at(x, y) & 0xFF) < 0x40;
    EXPECT_GT(dark * 10, s.inkIn(smallBox) * 3);
}

} // namespace
} // namespace text_test
