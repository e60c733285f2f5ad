// Hand-worked figures for the blits, fills and pixel calls, and the refusals
// of bad input.

#include "RasterReference.h"

#include "platform/images/PngIo.h"

#include <climits>
#include <filesystem>

namespace {

using namespace rastertest;

// A plain memory DC of the given size, every pixel set to `fill`.
struct Plain {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ old;
    Plain(int w, int h, Pixel fill = 0)
    {
        bitmap = CreateCompatibleBitmap(nullptr, w, h);
        old = SelectObject(dc, bitmap);
        pixels().fill(fill);
    }
    ~Plain()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    PixelBuffer& pixels() { return *LookupDc(dc)->target(); }
    Pixel at(int x, int y) { return pixels().row(y)[x]; }
    void set(std::initializer_list<Pixel> values)
    {
        int i = 0;
        for (Pixel p : values) {
            pixels().row(i / pixels().width())[i % pixels().width()] = p;
            ++i;
        }
    }
    std::vector<Pixel> all()
    {
        std::vector<Pixel> v;
        for (int y = 0; y < pixels().height(); ++y)
            for (int x = 0; x < pixels().width(); ++x)
                v.push_back(at(x, y));
        return v;
    }
};

TEST(BlitCases, KeyPixelsAreSkippedWhateverTheirAlpha)
{
    constexpr Pixel key = 0x00FF00FF;
    Plain src(3, 3), dst(3, 3, 0xFF202020);
    // The centre carries the key with an opaque alpha; the rest copy all
    // four bytes, alpha included.
    src.set({0x12345678, key, 0x00000001, 0x80FF00FE, 0xFFFF00FF, 0x7FFF00FF, 0, key | 0x01000000, 0xFFFFFFFF});
    EXPECT_TRUE(TransparentBlt(dst.dc, 0, 0, 3, 3, src.dc, 0, 0, 3, 3, RGB(255, 0, 255)));
    EXPECT_EQ(dst.all(), (std::vector<Pixel>{0x12345678, 0xFF202020, 0x00000001, 0x80FF00FE, 0xFF202020, 0xFF202020,
                                             0, 0xFF202020, 0xFFFFFFFF}));
}

TEST(BlitCases, AlphaBlendFigures)
{
    Plain src(4, 1), dst(4, 1, 0xFF0000FF);
    src.set({0x00FF0000, 0xFFFF0000, 0x80FF0000, 0x7F123456});
    BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, 4, 1, perPixel));
    // Alpha 0 keeps the destination, 255 takes the source as it is; 128:
    // red (128*255+128)/256 = 128, blue (127*255+128)/256 = 127,
    // alpha (128*128+128)/256 + (127*255+128)/256 = 64 + 127.
    EXPECT_EQ(dst.at(0, 0), 0xFF0000FFu);
    EXPECT_EQ(dst.at(1, 0), 0xFFFF0000u);
    EXPECT_EQ(dst.at(2, 0), 0xBF80007Fu);

    // A constant of 128 over an opaque source weighs (255*128+127)/255 = 128.
    Plain opaque(1, 1, 0xFFFF0000), under(1, 1, 0xFF0000FF);
    BLENDFUNCTION scaled{AC_SRC_OVER, 0, 128, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(under.dc, 0, 0, 1, 1, opaque.dc, 0, 0, 1, 1, scaled));
    EXPECT_EQ(under.at(0, 0), 0xFF80007Fu);

    // Without per-pixel alpha the source's alpha byte is only a channel:
    // its 0 blends to (127*255+128)/256 = 127.
    Plain ignored(1, 1, 0x00FF0000), below(1, 1, 0xFF0000FF);
    BLENDFUNCTION constant{AC_SRC_OVER, 0, 128, 0};
    ASSERT_TRUE(AlphaBlend(below.dc, 0, 0, 1, 1, ignored.dc, 0, 0, 1, 1, constant));
    EXPECT_EQ(below.at(0, 0), 0x7F80007Fu);
}

TEST(BlitCases, StretchPicksTheSourcePixelUnderEachCentre)
{
    Plain src(4, 1);
    src.set({0xA, 0xB, 0xC, 0xD});
    Plain wide(8, 1), narrow(2, 1), odd(2, 1);
    StretchBlt(wide.dc, 0, 0, 8, 1, src.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(wide.all(), (std::vector<Pixel>{0xA, 0xA, 0xB, 0xB, 0xC, 0xC, 0xD, 0xD}));
    // Centres 0.5 and 1.5 of two land on 1 and 3 of four.
    StretchBlt(narrow.dc, 0, 0, 2, 1, src.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(narrow.all(), (std::vector<Pixel>{0xB, 0xD}));
    // ... and on 0.75 and 2.25 of three.
    StretchBlt(odd.dc, 0, 0, 2, 1, src.dc, 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(odd.all(), (std::vector<Pixel>{0xA, 0xC}));
}

TEST(BlitCases, NegativeExtentsMirror)
{
    Plain src(3, 2);
    src.set({1, 2, 3, 4, 5, 6});
    Plain across(3, 2), upside(3, 2), both(3, 2), neither(3, 2);
    // A negative width covers x + width .. x - 1.
    StretchBlt(across.dc, 3, 0, -3, 2, src.dc, 0, 0, 3, 2, SRCCOPY);
    EXPECT_EQ(across.all(), (std::vector<Pixel>{3, 2, 1, 6, 5, 4}));
    StretchBlt(upside.dc, 0, 0, 3, 2, src.dc, 0, 2, 3, -2, SRCCOPY);
    EXPECT_EQ(upside.all(), (std::vector<Pixel>{4, 5, 6, 1, 2, 3}));
    StretchBlt(both.dc, 3, 2, -3, -2, src.dc, 0, 0, 3, 2, SRCCOPY);
    EXPECT_EQ(both.all(), (std::vector<Pixel>{6, 5, 4, 3, 2, 1}));
    // Both extents negative on one axis: no mirror.
    StretchBlt(neither.dc, 3, 0, -3, 2, src.dc, 3, 0, -3, 2, SRCCOPY);
    EXPECT_EQ(neither.all(), src.all());
}

TEST(BlitCases, ScrollWithinOneDcInEveryDirection)
{
    auto rows = [](Plain& p) {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                p.pixels().row(y)[x] = Pixel(0xFF000000u | (y * 16 + x));
    };
    Plain up(4, 4), down(4, 4), right(4, 4), left(4, 4);
    rows(up), rows(down), rows(right), rows(left);
    BitBlt(up.dc, 0, 0, 4, 3, up.dc, 0, 1, SRCCOPY);
    BitBlt(down.dc, 0, 1, 4, 3, down.dc, 0, 0, SRCCOPY);
    BitBlt(right.dc, 1, 0, 3, 4, right.dc, 0, 0, SRCCOPY);
    // A boolean operation reads its own row: source must be the old pixels.
    BitBlt(left.dc, 0, 0, 3, 4, left.dc, 1, 0, SRCINVERT);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            auto old = [](int yy, int xx) { return Pixel(0xFF000000u | (yy * 16 + xx)); };
            EXPECT_EQ(up.at(x, y), old(y < 3 ? y + 1 : y, x));
            EXPECT_EQ(down.at(x, y), old(y > 0 ? y - 1 : y, x));
            EXPECT_EQ(right.at(x, y), old(y, x > 0 ? x - 1 : x));
            EXPECT_EQ(left.at(x, y), x < 3 ? (old(y, x + 1) ^ old(y, x)) | 0xFF000000u : old(y, x));
        }
}

TEST(BlitCases, StretchOfEqualSizeEqualsBitBltAndClippedStretchKeepsItsMapping)
{
    std::mt19937 rng(7);
    Plain src(13, 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 13; ++x)
            src.pixels().row(y)[x] = Pixel(rng());
    Plain a(20, 20), b(20, 20);
    BitBlt(a.dc, 2, 3, 13, 11, src.dc, 0, 0, SRCAND);
    StretchBlt(b.dc, 2, 3, 13, 11, src.dc, 0, 0, 13, 11, SRCAND);
    EXPECT_EQ(a.all(), b.all());

    Plain whole(20, 20), clipped(20, 20);
    StretchBlt(whole.dc, -3, 1, 23, 17, src.dc, 1, 1, 11, 9, SRCCOPY);
    IntersectClipRect(clipped.dc, 4, 5, 9, 15);
    StretchBlt(clipped.dc, -3, 1, 23, 17, src.dc, 1, 1, 11, 9, SRCCOPY);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(clipped.at(x, y), x >= 4 && x < 9 && y >= 5 && y < 15 ? whole.at(x, y) : 0u) << x << "," << y;
}

TEST(BlitCases, CopiesKeepAlphaAndBooleanOperationsAreOpaque)
{
    Plain src(2, 1), dst(2, 1, 0x00000000);
    src.set({0x12345678, 0x00ABCDEF});
    BitBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.all(), (std::vector<Pixel>{0x12345678, 0x00ABCDEF}));
    BitBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(dst.all(), (std::vector<Pixel>{0xFF345678, 0xFFABCDEF}));
    BitBlt(dst.dc, 0, 0, 2, 1, nullptr, 0, 0, DSTINVERT);
    EXPECT_EQ(dst.all(), (std::vector<Pixel>{0xFFCBA987, 0xFF543210}));
}

TEST(BlitCases, PixelsHonourOriginsAndClip)
{
    Plain p(4, 4, 0x11223344);
    SetViewportOrgEx(p.dc, 1, 1, nullptr);
    IntersectClipRect(p.dc, 0, 0, 2, 2);
    EXPECT_EQ(SetPixel(p.dc, 1, 0, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(p.at(2, 1), 0xFF010203u);
    EXPECT_EQ(GetPixel(p.dc, 1, 0), RGB(1, 2, 3));
    EXPECT_TRUE(SetPixelV(p.dc, 0, 0, RGB(9, 9, 9)));
    // Outside the clip: nothing written, nothing read.
    EXPECT_EQ(SetPixel(p.dc, 2, 0, RGB(1, 2, 3)), CLR_INVALID);
    EXPECT_FALSE(SetPixelV(p.dc, -2, 0, RGB(1, 2, 3)));
    EXPECT_EQ(GetPixel(p.dc, 2, 2), CLR_INVALID);
    EXPECT_EQ(GetPixel(p.dc, INT_MAX, INT_MIN), CLR_INVALID);
    EXPECT_EQ(p.at(3, 1), 0x11223344u);
}

TEST(BlitCases, FillFrameAndInvertRect)
{
    Plain p(6, 5, 0x00808080);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    // FillRect takes the brush given, not the DC's, and ignores the ROP2.
    SetROP2(p.dc, R2_XORPEN);
    RECT all{0, 0, 6, 5};
    EXPECT_TRUE(FillRect(p.dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    RECT frame{1, 1, 5, 4};
    EXPECT_TRUE(FrameRect(p.dc, &frame, red));
    RECT corner{0, 0, 2, 2};
    EXPECT_TRUE(InvertRect(p.dc, &corner));
    const Pixel R = 0xFFFF0000, K = 0xFF000000, W = 0xFFFFFFFF, C = 0xFF00FFFF;
    EXPECT_EQ(p.all(), (std::vector<Pixel>{W, W, K, K, K, K,
                                           W, C, R, R, R, K,
                                           K, R, K, K, R, K,
                                           K, R, R, R, R, K,
                                           K, K, K, K, K, K}));
    // A system colour index plus one stands for that colour's brush.
    RECT one{5, 4, 6, 5};
    EXPECT_TRUE(FillRect(p.dc, &one, reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1))));
    EXPECT_EQ(p.at(5, 4), PixelFromColorRef(GetSysColor(COLOR_WINDOW)));
    DeleteObject(red);
}

TEST(BlitCases, BadInputIsRefusedAndDrawsNothing)
{
    Plain src(4, 4, 0xFFFFFFFF), dst(4, 4, 0x12345678);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    EXPECT_FALSE(BitBlt(dst.dc, 0, 0, -2, 2, src.dc, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(reinterpret_cast<HDC>(std::uintptr_t(0x1234)), 0, 0, 2, 2, src.dc, 0, 0, SRCCOPY));
    EXPECT_FALSE(PatBlt(dst.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(TransparentBlt(dst.dc, 0, 0, 2, -2, src.dc, 0, 0, 2, 2, 0));
    EXPECT_FALSE(AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, -2, 2, blend));
    EXPECT_FALSE(AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 2, 2, BLENDFUNCTION{1, 0, 255, 0}));
    EXPECT_FALSE(AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 2, 2, BLENDFUNCTION{AC_SRC_OVER, 0, 255, 2}));
    EXPECT_FALSE(StretchBlt(dst.dc, INT_MAX, 0, INT_MIN, 2, src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(StretchBlt(dst.dc, 0, 0, 2, 2, src.dc, INT_MIN, 0, INT_MIN, 2, SRCCOPY));
    EXPECT_FALSE(BitBlt(dst.dc, INT_MAX - 1, 0, 2, 2, src.dc, 0, 0, SRCCOPY));
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biBitCount = 24;
    Pixel bits[1] = {0};
    EXPECT_EQ(StretchDIBits(dst.dc, 0, 0, 1, 1, 0, 0, 1, 1, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    info.bmiHeader.biBitCount = 32;
    EXPECT_EQ(SetDIBitsToDevice(dst.dc, 0, 0, 1, 1, 0, 0, 1, 1, bits, &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(SetDIBitsToDevice(dst.dc, 0, 0, 1, 1, 0, 0, 0, 1, nullptr, &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(FillRect(dst.dc, nullptr, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
    RECT r{0, 0, 1, 1};
    EXPECT_EQ(FillRect(dst.dc, &r, nullptr), 0);
    EXPECT_EQ(FrameRect(dst.dc, &r, reinterpret_cast<HBRUSH>(std::uintptr_t(999))), 0);
    EXPECT_EQ(dst.all(), std::vector<Pixel>(16, 0x12345678));
}

TEST(BlitCases, GalleryForAPersonToLookAt)
{
    // Source: a 16 x 16 tile of colour bands with an alpha ramp and key
    // pixels on the diagonal.
    Plain tile(16, 16), board(160, 48, 0xFF303030);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            Pixel band = (Pixel(x * 16) << 24) | (Pixel(y * 16) << 16) | (Pixel(x * 16) << 8) | 0x80;
            tile.pixels().row(y)[x] = x == y ? 0xFFFF00FF : band;
        }
    HBRUSH checks = CreateSolidBrush(RGB(200, 200, 200));
    for (int y = 0; y < 48; y += 8)
        for (int x = (y / 8) % 2 * 8; x < 160; x += 16) {
            RECT r{x, y, x + 8, y + 8};
            FillRect(board.dc, &r, checks);
        }
    DeleteObject(checks);
    BitBlt(board.dc, 0, 0, 16, 16, tile.dc, 0, 0, SRCCOPY);
    StretchBlt(board.dc, 16, 0, 32, 32, tile.dc, 0, 0, 16, 16, SRCCOPY);
    StretchBlt(board.dc, 80, 0, -32, 32, tile.dc, 0, 0, 16, 16, SRCCOPY);
    TransparentBlt(board.dc, 80, 0, 32, 32, tile.dc, 0, 0, 16, 16, RGB(255, 0, 255));
    AlphaBlend(board.dc, 112, 0, 48, 48, tile.dc, 0, 0, 16, 16, BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    BitBlt(board.dc, 0, 32, 48, 16, tile.dc, 0, 0, NOTSRCCOPY);
    Plain large(640, 192);
    StretchBlt(large.dc, 0, 0, 640, 192, board.dc, 0, 0, 160, 48, SRCCOPY);
    std::filesystem::create_directories(BRIO_TEST_OUTPUT_DIR);
    WritePng(large.pixels(), std::string(BRIO_TEST_OUTPUT_DIR) + "/raster-gallery.png", true);
}

} // namespace
