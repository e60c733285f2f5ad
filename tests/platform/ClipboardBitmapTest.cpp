// Pictures on the clipboard: a bitmap handed over as CF_BITMAP and read
// back in either form, a DIB block the same way round, ownership and the
// blocks that must be refused.

#include "WindowTestSupport.h"

#include "platform/Gdi.h"

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

using namespace windowtest;

namespace {

class ClipboardBitmaps : public WindowTest {
protected:
    void TearDown() override
    {
        // Leave nothing behind for the next test, whatever this one did.
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
        WindowTest::TearDown();
    }
};

std::vector<Pixel> randomPixels(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<Pixel> pixels(std::size_t(width) * std::size_t(height));
    for (Pixel& p : pixels)
        p = Pixel(random());
    return pixels;
}

// A top-down 32-bit bitmap holding `pixels`.
HBITMAP makeBitmap(int width, int height, const std::vector<Pixel>& pixels)
{
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap)
        std::memcpy(bits, pixels.data(), pixels.size() * sizeof(Pixel));
    return bitmap;
}

std::vector<Pixel> pixelsOf(HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    std::vector<Pixel> pixels(std::size_t(width) * std::size_t(height));
    if (GetDIBits(nullptr, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS) != height)
        pixels.clear();
    return pixels;
}

// A packed DIB block with `height` rows in the given order.
HGLOBAL makeDib(int width, int height, const std::vector<Pixel>& topDownPixels, bool bottomUp)
{
    BITMAPINFOHEADER header;
    header.biWidth = width;
    header.biHeight = bottomUp ? height : -height;
    const std::size_t rowBytes = std::size_t(width) * 4;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof header + rowBytes * std::size_t(height));
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
    std::memcpy(bytes, &header, sizeof header);
    for (int y = 0; y < height; ++y) {
        const int stored = bottomUp ? height - 1 - y : y;
        const Pixel* row = topDownPixels.data() + std::size_t(y) * std::size_t(width);
        std::memcpy(bytes + sizeof header + rowBytes * std::size_t(stored), row, rowBytes);
    }
    GlobalUnlock(block);
    return block;
}

// The rows of a DIB block, top to bottom.
std::vector<Pixel> pixelsOfDib(HGLOBAL block, int& width, int& height)
{
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(block));
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes, sizeof header);
    width = header.biWidth;
    height = std::abs(header.biHeight);
    const std::size_t rowBytes = std::size_t(width) * 4;
    std::vector<Pixel> pixels(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const int stored = header.biHeight > 0 ? height - 1 - y : y;
        const std::uint8_t* row = bytes + header.biSize + rowBytes * std::size_t(stored);
        std::memcpy(pixels.data() + std::size_t(y) * std::size_t(width), row, rowBytes);
    }
    GlobalUnlock(block);
    return pixels;
}

} // namespace

TEST_F(ClipboardBitmaps, BitmapReadsBackAsBitmapAndAsDib)
{
    const int width = 13, height = 7;
    const std::vector<Pixel> pixels = randomPixels(width, height, 1);
    HBITMAP bitmap = makeBitmap(width, height, pixels);
    ASSERT_TRUE(bitmap);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    EXPECT_EQ(SetClipboardData(CF_BITMAP, bitmap), bitmap);
    CloseClipboard();
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));

    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), bitmap);
    HGLOBAL dib = GetClipboardData(CF_DIB);
    ASSERT_TRUE(dib);
    int dibWidth = 0, dibHeight = 0;
    EXPECT_EQ(pixelsOfDib(dib, dibWidth, dibHeight), pixels);
    EXPECT_EQ(dibWidth, width);
    EXPECT_EQ(dibHeight, height);
    // Asked again, the same block: nothing new is made each time.
    EXPECT_EQ(GetClipboardData(CF_DIB), dib);
    CloseClipboard();
}

TEST_F(ClipboardBitmaps, DibReadsBackAsBitmapInEitherRowOrder)
{
    for (bool bottomUp : {true, false}) {
        const int width = 5, height = 9;
        const std::vector<Pixel> pixels = randomPixels(width, height, bottomUp ? 2 : 3);
        HGLOBAL block = makeDib(width, height, pixels, bottomUp);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        EXPECT_EQ(SetClipboardData(CF_DIB, block), block);
        HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        ASSERT_TRUE(bitmap) << "bottom up " << bottomUp;
        BITMAP size;
        ASSERT_NE(GetObject(bitmap, sizeof size, &size), 0);
        EXPECT_EQ(size.bmWidth, width);
        EXPECT_EQ(size.bmHeight, height);
        EXPECT_EQ(pixelsOf(bitmap, width, height), pixels) << "bottom up " << bottomUp;
        EXPECT_EQ(GetClipboardData(CF_DIB), block);
        CloseClipboard();
    }
}

TEST_F(ClipboardBitmaps, ChangingTheContentsFreesWhatTheClipboardOwned)
{
    const std::vector<Pixel> pixels = randomPixels(4, 4, 4);
    HBITMAP first = makeBitmap(4, 4, pixels);
    HBITMAP second = makeBitmap(4, 4, pixels);
    BITMAP size;
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_EQ(SetClipboardData(CF_BITMAP, first), first);
    HGLOBAL madeDib = GetClipboardData(CF_DIB);
    ASSERT_TRUE(madeDib);
    // Setting the same bitmap again keeps it; another replaces and frees it.
    EXPECT_EQ(SetClipboardData(CF_BITMAP, first), first);
    EXPECT_NE(GetObject(first, sizeof size, &size), 0);
    ASSERT_EQ(SetClipboardData(CF_BITMAP, second), second);
    EXPECT_EQ(GetObject(first, sizeof size, &size), 0);
    EXPECT_EQ(GlobalSize(madeDib), 0u) << "the DIB made from the old bitmap went with it";
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(GetObject(second, sizeof size, &size), 0);
    EXPECT_FALSE(DeleteObject(second));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
    EXPECT_EQ(GetClipboardData(CF_DIB), nullptr);
    CloseClipboard();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));

    // Text and a picture live side by side.
    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 3);
    std::memcpy(GlobalLock(text), "hi", 3);
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    SetClipboardData(CF_DIB, makeDib(2, 2, randomPixels(2, 2, 5), true));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    CloseClipboard();
}

TEST_F(ClipboardBitmaps, BadPicturesAreRefusedAndStayTheCallers)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    auto dibWith = [](auto change, std::size_t extraBytes = 0) {
        HGLOBAL block = makeDib(3, 2, randomPixels(3, 2, 6), true);
        auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
        change(*header);
        GlobalUnlock(block);
        if (extraBytes) {
            // Re-made shorter than its rows need.
            std::vector<std::uint8_t> bytes(GlobalSize(block) - extraBytes);
            std::memcpy(bytes.data(), GlobalLock(block), bytes.size());
            GlobalUnlock(block);
            GlobalFree(block);
            block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
            std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
            GlobalUnlock(block);
        }
        return block;
    };
    const std::vector<HGLOBAL> bad = {
        dibWith([](BITMAPINFOHEADER& h) { h.biWidth = 0; }),
        dibWith([](BITMAPINFOHEADER& h) { h.biWidth = -3; }),
        dibWith([](BITMAPINFOHEADER& h) { h.biHeight = 0; }),
        dibWith([](BITMAPINFOHEADER& h) { h.biWidth = 1 << 20; }),
        dibWith([](BITMAPINFOHEADER& h) { h.biBitCount = 24; }),
        dibWith([](BITMAPINFOHEADER& h) { h.biCompression = BI_BITFIELDS; }),
        dibWith([](BITMAPINFOHEADER& h) { h.biSize = 12; }),
        dibWith([](BITMAPINFOHEADER& h) { h.biClrUsed = 0x40000000; }),
        dibWith([](BITMAPINFOHEADER&) {}, 1),
        GlobalAlloc(GMEM_MOVEABLE, 10),
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_EQ(SetClipboardData(CF_DIB, bad[i]), nullptr) << "block " << i;
        EXPECT_EQ(GlobalFree(bad[i]), nullptr) << "block " << i << " is still the caller's";
    }
    EXPECT_EQ(SetClipboardData(CF_BITMAP, nullptr), nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(SetClipboardData(CF_BITMAP, brush), nullptr);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
    CloseClipboard();

    // Nothing is taken while the clipboard is closed.
    HBITMAP bitmap = makeBitmap(2, 2, randomPixels(2, 2, 7));
    EXPECT_EQ(SetClipboardData(CF_BITMAP, bitmap), nullptr);
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
    EXPECT_TRUE(DeleteObject(bitmap));
}
