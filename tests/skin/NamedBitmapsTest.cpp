// The program's named bitmaps: every name the skinned controls ask for loads,
// with the size, key colour and cells they rely on; an unknown name is a
// clear error; the embedded table is what the generator draws.

#include "SkinTestSupport.h"

#include "platform/gdi/ColorHls.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/images/NamedBitmaps.h"
#include "platform/images/PngIo.h"
#include "skin/engine/SeBitmap.h"
#include "tools/skinart/SkinArt.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace skintest;

namespace {

constexpr Pixel kKey = 0xFFFF00FFu;

const std::vector<std::string> kMenuImages = {"SE_FORM_CLOSE",   "SE_FORM_MINIMIZE", "SE_FORM_MAXIMIZE",
                                              "SE_FORM_RESTORE", "SE_FORM_ROLLUP",   "SE_FORM_TRAY"};
const std::vector<std::string> kButtonGlyphs = {"SE_BTN_OK",    "SE_BTN_CANCEL", "SE_BTN_HELP", "SE_BTN_YES",
                                                "SE_BTN_NO",    "SE_BTN_CLOSE",  "SE_BTN_ABORT", "SE_BTN_RETRY",
                                                "SE_BTN_IGNORE", "SE_BTN_ALL"};

struct CellStats {
    int drawn = 0;
    double saturation = 0; // mean over the drawn pixels
};

CellStats statsOf(const Pixel* pixels, int stride, RECT cell)
{
    CellStats s;
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x) {
            const Pixel p = pixels[y * stride + x];
            if (p == kKey)
                continue;
            ++s.drawn;
            s.saturation += brio::RgbToHls(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF)).saturation;
        }
    if (s.drawn)
        s.saturation /= s.drawn;
    return s;
}

TEST(NamedBitmaps, SystemMenuImagesAreKeyedSixteenSquares)
{
    for (const std::string& name : kMenuImages) {
        SCOPED_TRACE(name);
        TBitmap bitmap;
        ASSERT_NO_THROW(bitmap.LoadFromResourceName(nullptr, name));
        ASSERT_EQ(bitmap.Width(), 16);
        ASSERT_EQ(bitmap.Height(), 16);
        EXPECT_EQ(bitmap.ScanLine(0)[0], kKey) << "corners show the menu through";
        EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
        const CellStats s = statsOf(bitmap.ScanLine(0), 16, RECT{0, 0, 16, 16});
        EXPECT_GT(s.drawn, 8);
        EXPECT_LT(s.drawn, 16 * 16 / 2) << "a glyph, not a filled square";
    }
}

TEST(NamedBitmaps, ButtonGlyphsHaveANormalAndAGreyDisabledCell)
{
    for (const std::string& name : kButtonGlyphs) {
        SCOPED_TRACE(name);
        TBitmap bitmap;
        ASSERT_NO_THROW(bitmap.LoadFromResourceName(nullptr, name));
        ASSERT_EQ(bitmap.Width(), 2 * bitmap.Height()) << "two square cells";
        const int size = bitmap.Height();
        EXPECT_EQ(bitmap.TransparentColor(), clFuchsia) << "the bottom-left pixel keys the glyph";
        const CellStats normal = statsOf(bitmap.ScanLine(0), bitmap.Width(), RECT{0, 0, size, size});
        const CellStats disabled = statsOf(bitmap.ScanLine(0), bitmap.Width(), RECT{size, 0, 2 * size, size});
        EXPECT_GT(normal.drawn, 10);
        EXPECT_EQ(normal.drawn, disabled.drawn) << "the same shape in both cells";
        EXPECT_LT(disabled.saturation, 0.1);
        EXPECT_GT(normal.saturation, disabled.saturation);
    }
}

TEST(NamedBitmaps, GlyphsDifferFromEachOther)
{
    std::vector<std::vector<Pixel>> seen;
    for (const std::string& name : kButtonGlyphs) {
        TBitmap bitmap;
        bitmap.LoadFromResourceName(nullptr, name);
        std::vector<Pixel> pixels(bitmap.ScanLine(0), bitmap.ScanLine(0) + bitmap.Width() * bitmap.Height());
        for (const auto& other : seen)
            EXPECT_NE(pixels, other) << name << " looks like an earlier glyph";
        seen.push_back(std::move(pixels));
    }
}

TEST(NamedBitmaps, UnknownNamesAreAClearErrorAndKeepThePicture)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(nullptr, "SE_BTN_OK");
    try {
        bitmap.LoadFromResourceName(nullptr, "SE_BTN_MAYBE");
        FAIL() << "no error";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource SE_BTN_MAYBE not found");
    }
    EXPECT_EQ(bitmap.Width(), 32);
    EXPECT_THROW(bitmap.LoadFromResourceName(nullptr, "se_btn_ok"), EResNotFound) << "names match exactly";
    EXPECT_THROW(bitmap.LoadFromResourceName(nullptr, ""), EResNotFound);

    EXPECT_EQ(LoadBitmap(nullptr, "SE_FORM_NOPE"), nullptr);
    EXPECT_EQ(LoadBitmap(nullptr, nullptr), nullptr);
    EXPECT_EQ(LoadBitmap(nullptr, reinterpret_cast<LPCSTR>(std::uintptr_t(32512))), nullptr);
    HBITMAP loaded = LoadBitmap(nullptr, "SE_FORM_CLOSE");
    ASSERT_NE(loaded, nullptr);
    BITMAP info{};
    ASSERT_GT(GetObject(loaded, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 16);
    DeleteObject(loaded);
}

TEST(NamedBitmaps, ALaterImageOfTheSameNameReplacesTheFirst)
{
    static const Pixel one[] = {0xFF000001u};
    static const Pixel two[] = {0xFF000002u, 0xFF000003u};
    static const brio::NamedImage first[] = {{"TEST_REPLACED", 1, 1, one}, {nullptr, 1, 1, one}, {"TEST_EMPTY", 0, 1, one}};
    static const brio::NamedImage second[] = {{"TEST_REPLACED", 2, 1, two}};
    brio::AddNamedImages(first);
    EXPECT_EQ(brio::FindNamedImage("TEST_REPLACED")->width, 1);
    EXPECT_FALSE(brio::FindNamedImage("TEST_EMPTY")) << "an image without pixels is not taken";
    brio::AddNamedImages(second);
    EXPECT_EQ(brio::FindNamedImage("TEST_REPLACED")->width, 2);
}

TEST(NamedBitmaps, TheEmbeddedTableIsWhatTheGeneratorDraws)
{
    auto drawn = skinart::DrawResourceBitmaps();
    ASSERT_EQ(drawn.size(), kMenuImages.size() + kButtonGlyphs.size());
    // A sheet to look at: every image at four times its size on the menu colour.
    const int scale = 4, rowHeight = 16 * scale + 4;
    PixelBuffer sheet(32 * scale + 8, int(drawn.size()) * rowHeight);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.row(y)[x] = 0xFF303237u;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const TSeBitmap& bitmap = *drawn[i];
        SCOPED_TRACE(bitmap.Name());
        const auto embedded = brio::FindNamedImage(bitmap.Name());
        ASSERT_TRUE(embedded);
        ASSERT_EQ(embedded->width, bitmap.Width());
        ASSERT_EQ(embedded->height, bitmap.Height());
        EXPECT_TRUE(std::equal(bitmap.Bits(), bitmap.Bits() + bitmap.Width() * bitmap.Height(), embedded->pixels));
        for (int y = 0; y < bitmap.Height() * scale; ++y)
            for (int x = 0; x < bitmap.Width() * scale; ++x)
                if (const Pixel p = bitmap.Bits()[(y / scale) * bitmap.Width() + x / scale]; p != kKey)
                    sheet.row(int(i) * rowHeight + 2 + y)[4 + x] = p;
    }
    WritePng(sheet, OutputPath("named-bitmaps.png"));
}

} // namespace
