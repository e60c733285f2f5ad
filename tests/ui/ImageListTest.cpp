#include "platform/Gdi.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr Pixel kMagenta = 0xFFFF00FFu;
constexpr Pixel kWhite = 0xFFFFFFFFu;

// A strip of `count` 16 x 16 cells on magenta; cell i has a 4 x 4 square
// of colour `colors[i]` at (i + 2, 2).
std::unique_ptr<TBitmap> Strip(const std::vector<Pixel>& colors)
{
    auto result = std::make_unique<TBitmap>(16 * int(colors.size()), 16);
    TBitmap& strip = *result;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < strip.Width(); ++x)
            strip.ScanLine(y)[x] = kMagenta;
    for (std::size_t i = 0; i < colors.size(); ++i)
        for (int y = 2; y < 6; ++y)
            for (int x = 0; x < 4; ++x)
                strip.ScanLine(y)[16 * int(i) + int(i) + 2 + x] = colors[i];
    return result;
}

std::unique_ptr<TBitmap> Background(int w, int h, Pixel p)
{
    auto b = std::make_unique<TBitmap>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->ScanLine(y)[x] = p;
    return b;
}

} // namespace

TEST(ImageList, AddMaskedSplitsAStripIntoCells)
{
    TImageList list(nullptr);
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    auto stripOwner = Strip({0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu});
    TBitmap& strip = *stripOwner;
    EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.AddMasked(&strip, clDefault), 3) << "clDefault: the bottom-left pixel";
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(changes, 2);

    TBitmap cell;
    ASSERT_TRUE(list.GetBitmap(1, &cell));
    EXPECT_EQ(cell.Width(), 16);
    EXPECT_EQ(cell.ScanLine(0)[0], 0x00FF00FFu) << "mask colour becomes transparent";
    EXPECT_EQ(cell.ScanLine(2)[3], 0xFF00FF00u);
    EXPECT_EQ(cell.ScanLine(2)[2], 0x00FF00FFu);
    EXPECT_FALSE(list.GetBitmap(6, &cell));

    // A bitmap narrower than a cell still gives one image, padded transparent.
    auto narrowOwner = Background(5, 20, 0xFF123456u);
    TBitmap& narrow = *narrowOwner;
    EXPECT_EQ(list.AddMasked(&narrow, clNone), 6);
    ASSERT_TRUE(list.GetBitmap(6, &cell));
    EXPECT_EQ(cell.ScanLine(15)[4], 0xFF123456u);
    EXPECT_EQ(cell.ScanLine(0)[5], 0u);

    EXPECT_EQ(list.AddMasked(nullptr, clNone), -1);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 6);
    EXPECT_THROW(list.Delete(6), EInvalidOperation);
    list.SetWidth(24);
    EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
    EXPECT_THROW(list.SetHeight(0), EInvalidOperation);
}

TEST(ImageList, AddWithAMaskBitmap)
{
    TImageList list(nullptr);
    list.SetSize(2, 1);
    auto imageOwner = Background(4, 1, 0xFF112233u);
    TBitmap& image = *imageOwner;
    auto maskOwner = Background(4, 1, 0xFF000000u);
    TBitmap& mask = *maskOwner;
    mask.ScanLine(0)[1] = kWhite;
    mask.ScanLine(0)[2] = kWhite;
    EXPECT_EQ(list.Add(&image, &mask), 0);
    EXPECT_EQ(list.Count(), 2);
    TBitmap cell;
    list.GetBitmap(0, &cell);
    EXPECT_EQ(cell.ScanLine(0)[0] >> 24, 0xFFu);
    EXPECT_EQ(cell.ScanLine(0)[1] >> 24, 0u);
    list.GetBitmap(1, &cell);
    EXPECT_EQ(cell.ScanLine(0)[0] >> 24, 0u);
    EXPECT_EQ(cell.ScanLine(0)[1] >> 24, 0xFFu);
}

TEST(ImageList, DrawsEnabledOverTheBackground)
{
    TImageList list(nullptr);
    auto stripOwner = Strip({0xFFFF0000u, 0xFF00FF00u});
    TBitmap& strip = *stripOwner;
    list.AddMasked(&strip, clFuchsia);
    auto targetOwner = Background(40, 30, kWhite);
    TBitmap& target = *targetOwner;
    list.Draw(target.Canvas(), 10, 5, 1);
    EXPECT_EQ(target.ScanLine(5)[10], kWhite);
    EXPECT_EQ(target.ScanLine(7)[13], 0xFF00FF00u);
    EXPECT_EQ(target.ScanLine(10)[16], 0xFF00FF00u);
    EXPECT_EQ(target.ScanLine(10)[17], kWhite);

    // An image index beyond the list draws nothing and does not fail.
    list.Draw(target.Canvas(), 0, 0, 7);
    list.Draw(target.Canvas(), 0, 0, -1);
    list.Draw(nullptr, 0, 0, 0);
    EXPECT_EQ(target.ScanLine(0)[0], kWhite);
}

TEST(ImageList, DrawsDisabledEmbossed)
{
    TImageList list(nullptr);
    // Cell 0: a dark square and a white square; white does not count as ink.
    auto stripOwner = Strip({0xFF202020u});
    TBitmap& strip = *stripOwner;
    for (int y = 10; y < 12; ++y)
        for (int x = 10; x < 12; ++x)
            strip.ScanLine(y)[x] = kWhite;
    list.AddMasked(&strip, clFuchsia);

    const Pixel face = 0xFF808000u; // olive, neither highlight nor shadow
    auto targetOwner = Background(30, 30, face);
    TBitmap& target = *targetOwner;
    list.Draw(target.Canvas(), 4, 4, 0, false);
    Pixel shadow = PixelFromColorRef(ColorToRGB(clBtnShadow));
    Pixel highlight = PixelFromColorRef(ColorToRGB(clBtnHighlight));
    // The square covers x 6..9, y 6..9 on the target.
    EXPECT_EQ(target.ScanLine(6)[6], shadow);
    EXPECT_EQ(target.ScanLine(9)[9], shadow);
    EXPECT_EQ(target.ScanLine(10)[10], highlight) << "highlight one pixel down and right";
    EXPECT_EQ(target.ScanLine(10)[7], highlight);
    EXPECT_EQ(target.ScanLine(5)[6], face);
    EXPECT_EQ(target.ScanLine(14)[14], face) << "white pixels leave no ink";
    EXPECT_EQ(target.ScanLine(4)[4], face);
}
