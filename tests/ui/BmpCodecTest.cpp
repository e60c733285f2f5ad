#include "platform/Gdi.h"
#include "platform/images/PngIo.h"
#include "ui/graphics/BmpCodec.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Bitmap.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

std::vector<Pixel> RandomPixels(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<Pixel> pixels(std::size_t(width) * std::size_t(height));
    for (Pixel& p : pixels)
        p = random();
    return pixels;
}

// What a layout keeps of a pixel: the slow, obvious version.
Pixel Expected(Pixel p, BmpLayout layout)
{
    auto channel = [&](int shift, int bits) {
        int v = int((p >> shift) & 0xFF);
        return Pixel(ExpandChannel(QuantizeChannel(v, bits), bits));
    };
    switch (layout) {
    case BmpLayout::Rgb555: return 0xFF000000u | channel(16, 5) << 16 | channel(8, 5) << 8 | channel(0, 5);
    case BmpLayout::Rgb565: return 0xFF000000u | channel(16, 5) << 16 | channel(8, 6) << 8 | channel(0, 5);
    case BmpLayout::Rgb24: return p | 0xFF000000u;
    case BmpLayout::Rgb32: return p;
    }
    return 0;
}

TMemoryStream Encode(const std::vector<Pixel>& pixels, int width, int height, BmpLayout layout)
{
    TMemoryStream stream;
    WriteBmp(stream, pixels.data(), width, height, layout);
    stream.SetPosition(0);
    return stream;
}

BmpImage Decode(const std::vector<unsigned char>& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
    return ReadBmp(stream);
}

void Put16(std::vector<unsigned char>& v, unsigned x)
{
    v.push_back(std::uint8_t(x));
    v.push_back(std::uint8_t(x >> 8));
}
void Put32(std::vector<unsigned char>& v, std::uint32_t x)
{
    for (int i = 0; i < 4; ++i)
        v.push_back(std::uint8_t(x >> (8 * i)));
}

// A file built by hand, as other programs write them.
std::vector<unsigned char> HandMade(int width, int height, int bitCount, std::uint32_t compression,
                                    const std::vector<std::uint32_t>& palette,
                                    const std::vector<std::uint32_t>& masks,
                                    const std::vector<unsigned char>& rows)
{
    std::vector<unsigned char> v = {'B', 'M'};
    std::uint32_t off = 14 + 40 + std::uint32_t(4 * (palette.size() + masks.size()));
    Put32(v, off + std::uint32_t(rows.size()));
    Put32(v, 0);
    Put32(v, off);
    Put32(v, 40);
    Put32(v, std::uint32_t(width));
    Put32(v, std::uint32_t(height));
    Put16(v, 1);
    Put16(v, unsigned(bitCount));
    Put32(v, compression);
    Put32(v, std::uint32_t(rows.size()));
    Put32(v, 0);
    Put32(v, 0);
    Put32(v, std::uint32_t(palette.size()));
    Put32(v, 0);
    for (std::uint32_t m : masks)
        Put32(v, m);
    for (std::uint32_t c : palette)
        Put32(v, c);
    v.insert(v.end(), rows.begin(), rows.end());
    return v;
}

void ExpectInvalid(const std::vector<unsigned char>& bytes, const char* message = "Bitmap image is not valid")
{
    try {
        Decode(bytes);
        ADD_FAILURE() << "accepted";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), message);
    }
}

} // namespace

TEST(BmpCodec, RoundTripsEveryWrittenLayout)
{
    const BmpLayout layouts[] = {BmpLayout::Rgb555, BmpLayout::Rgb565, BmpLayout::Rgb24, BmpLayout::Rgb32};
    unsigned seed = 1;
    for (BmpLayout layout : layouts) {
        // Odd widths exercise the row padding.
        for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {5, 7}, {17, 4}, {64, 3}}) {
            std::vector<Pixel> pixels = RandomPixels(w, h, seed++);
            TMemoryStream stream = Encode(pixels, w, h, layout);
            BmpImage image = ReadBmp(stream);
            ASSERT_EQ(image.width, w);
            ASSERT_EQ(image.height, h);
            EXPECT_EQ(stream.Position(), stream.Size()) << "the stream is left after the image";
            for (std::size_t i = 0; i < pixels.size(); ++i)
                ASSERT_EQ(image.pixels[i], Expected(pixels[i], layout))
                    << "layout " << int(layout) << " size " << w << "x" << h << " pixel " << i;
            // A second trip changes nothing.
            TMemoryStream again = Encode(image.pixels, w, h, layout);
            ASSERT_EQ(again.Size(), stream.Size());
            EXPECT_EQ(std::memcmp(again.Memory(), stream.Memory(), std::size_t(stream.Size())), 0);
        }
    }
}

TEST(BmpCodec, BitmapSavesInItsPixelFormat)
{
    struct Case {
        TPixelFormat format;
        int bitCount;
        bool rgb565;
    };
    for (Case c : {Case{pf15bit, 16, false}, Case{pf16bit, 16, true}, Case{pf24bit, 24, false},
                   Case{pf32bit, 32, false}, Case{pf8bit, 24, false}}) {
        TBitmap bitmap(6, 5);
        std::vector<Pixel> pixels = RandomPixels(6, 5, 99);
        for (int y = 0; y < 5; ++y)
            std::memcpy(bitmap.ScanLine(y), pixels.data() + 6 * y, 24);
        bitmap.SetPixelFormat(c.format);
        TMemoryStream stream;
        bitmap.SaveToStream(stream);
        stream.SetPosition(0);
        TBitmap loaded;
        loaded.LoadFromStream(stream);
        EXPECT_EQ(loaded.Width(), 6);
        EXPECT_EQ(loaded.PixelFormat(), c.bitCount == 24 ? pf24bit : c.format);
        stream.SetPosition(0);
        BmpImage image = ReadBmp(stream);
        EXPECT_EQ(image.bitCount, c.bitCount);
        EXPECT_EQ(image.rgb565, c.rgb565);
    }
}

TEST(BmpCodec, EmptyImagesRoundTrip)
{
    TBitmap empty;
    TMemoryStream stream;
    empty.SaveToStream(stream);
    EXPECT_GT(stream.Size(), 0);
    stream.SetPosition(0);
    TBitmap loaded(3, 3);
    loaded.LoadFromStream(stream);
    EXPECT_TRUE(loaded.Empty());
}

TEST(BmpCodec, ReadsTopDownPalettedAndBitFieldFiles)
{
    // 2 x 2, 8-bit, stored top down: indices 0 1 / 2 3.
    std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    BmpImage image = Decode(HandMade(2, -2, 8, BI_RGB, palette, {}, {0, 1, 0, 0, 2, 3, 0, 0}));
    EXPECT_EQ(image.pixels, (std::vector<Pixel>{0xFF000000u, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}));

    // 1-bit and 4-bit, bottom up: the last row in the file is the top row.
    image = Decode(HandMade(3, 2, 1, BI_RGB, {0x000000, 0xFFFFFF}, {}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}));
    EXPECT_EQ(image.pixels, (std::vector<Pixel>{0xFF000000u, 0xFFFFFFFFu, 0xFF000000u,   // from 0x40
                                                0xFFFFFFFFu, 0xFF000000u, 0xFFFFFFFFu})); // from 0xA0
    image = Decode(HandMade(2, 1, 4, BI_RGB, palette, {}, {0x31, 0, 0, 0}));
    EXPECT_EQ(image.pixels, (std::vector<Pixel>{0xFF0000FFu, 0xFFFF0000u}));

    // An index beyond a short palette reads as black rather than out of bounds.
    image = Decode(HandMade(1, 1, 8, BI_RGB, {0xFFFFFF}, {}, {200, 0, 0, 0}));
    EXPECT_EQ(image.pixels[0], 0xFF000000u);

    // 32-bit bit fields with an alpha mask in the fourth byte.
    std::vector<unsigned char> rows = {0x11, 0x22, 0x33, 0x80};
    image = Decode(HandMade(1, 1, 32, BI_BITFIELDS, {}, {0xFF0000, 0xFF00, 0xFF}, rows));
    EXPECT_EQ(image.pixels[0], 0xFF332211u) << "no alpha mask: opaque";

    // 32-bit plain with all-zero fourth bytes is opaque; with some it is kept.
    image = Decode(HandMade(2, 1, 32, BI_RGB, {}, {}, {1, 2, 3, 0, 4, 5, 6, 0}));
    EXPECT_EQ(image.pixels, (std::vector<Pixel>{0xFF030201u, 0xFF060504u}));
    image = Decode(HandMade(2, 1, 32, BI_RGB, {}, {}, {1, 2, 3, 0, 4, 5, 6, 7}));
    EXPECT_EQ(image.pixels, (std::vector<Pixel>{0x00030201u, 0x07060504u}));
}

TEST(BmpCodec, BitFieldChannelsWithoutBitsReadAsZeroOrOpaque)
{
    // A zero mask leaves a channel with no bits: it reads as 0, and a missing
    // alpha reads as opaque, for both field widths and every channel.
    std::vector<unsigned char> rows16 = {0xFF, 0xFF, 0, 0};
    EXPECT_EQ(Decode(HandMade(1, 1, 16, BI_BITFIELDS, {}, {0, 0x03E0, 0x001F}, rows16)).pixels[0], 0xFF00FFFFu);
    EXPECT_EQ(Decode(HandMade(1, 1, 16, BI_BITFIELDS, {}, {0x7C00, 0, 0x001F}, rows16)).pixels[0], 0xFFFF00FFu);
    EXPECT_EQ(Decode(HandMade(1, 1, 16, BI_BITFIELDS, {}, {0x7C00, 0x03E0, 0}, rows16)).pixels[0], 0xFFFFFF00u);
    EXPECT_EQ(Decode(HandMade(1, 1, 16, BI_BITFIELDS, {}, {0, 0, 0}, rows16)).pixels[0], 0xFF000000u);

    std::vector<unsigned char> rows32 = {0x11, 0x22, 0x33, 0x44};
    EXPECT_EQ(Decode(HandMade(1, 1, 32, BI_BITFIELDS, {}, {0, 0xFF00, 0xFF}, rows32)).pixels[0], 0xFF002211u);
    EXPECT_EQ(Decode(HandMade(1, 1, 32, BI_BITFIELDS, {}, {0xFF0000, 0, 0xFF}, rows32)).pixels[0], 0xFF330011u);
    // Narrow fields beside an empty one still expand to the full range.
    EXPECT_EQ(Decode(HandMade(1, 1, 32, BI_BITFIELDS, {}, {0x0F, 0, 0x00F0}, rows32)).pixels[0], 0xFF110011u);

    // The same file through the picture classes that the skins and icons use.
    std::vector<unsigned char> file = HandMade(1, 1, 16, BI_BITFIELDS, {}, {0x7C00, 0, 0}, rows16);
    TMemoryStream stream;
    stream.WriteBuffer(file.data(), std::int64_t(file.size()));
    stream.SetPosition(0);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    EXPECT_EQ(bitmap.ScanLine(0)[0], 0xFFFF0000u);
    EXPECT_EQ(ExpandChannel(0, 0), 0);
}

TEST(BmpCodec, RefusesCorruptHeaders)
{
    std::vector<unsigned char> good = HandMade(2, 2, 24, BI_RGB, {}, {}, std::vector<unsigned char>(16, 0x7F));
    ASSERT_NO_THROW(Decode(good));

    auto patched = [&](std::size_t at, std::vector<unsigned char> bytes) {
        std::vector<unsigned char> v = good;
        std::copy(bytes.begin(), bytes.end(), v.begin() + std::ptrdiff_t(at));
        return v;
    };
    ExpectInvalid(patched(0, {'M', 'B'}));                    // signature
    ExpectInvalid(patched(14, {41, 0, 0, 0}));                // header size
    ExpectInvalid(patched(26, {2, 0}));                       // planes
    ExpectInvalid(patched(28, {7, 0}));                       // bit count
    ExpectInvalid(patched(30, {9, 0, 0, 0}));                 // compression
    ExpectInvalid(patched(18, {0xFF, 0xFF, 0xFF, 0x7F}));     // huge width
    ExpectInvalid(patched(18, {0xFE, 0xFF, 0xFF, 0xFF}));     // negative width
    ExpectInvalid(patched(22, {0x00, 0x00, 0x00, 0x80}));     // height INT_MIN
    ExpectInvalid(patched(10, {0xFF, 0xFF, 0, 0}));           // pixels beyond the end
    ExpectInvalid(patched(10, {20, 0, 0, 0}));                // pixels inside the header
    ExpectInvalid(patched(30, {1, 0, 0, 0}), "Unsupported bitmap format"); // RLE8
    // An empty image may not send the reader past the end of the stream.
    std::vector<unsigned char> empty = HandMade(0, 0, 24, BI_RGB, {}, {}, {});
    ASSERT_NO_THROW(Decode(empty));
    empty[10] = 0xFF;
    ExpectInvalid(empty);

    ExpectInvalid(HandMade(1, 1, 8, BI_RGB, std::vector<std::uint32_t>(257, 0), {}, {0, 0, 0, 0}));
    ExpectInvalid(HandMade(1, 1, 16, BI_BITFIELDS, {}, {0xF00F, 0x0F00, 0x00F0}, {0, 0, 0, 0})); // gaps
    ExpectInvalid(HandMade(1, 1, 24, BI_BITFIELDS, {}, {0xFF0000, 0xFF00, 0xFF}, {0, 0, 0, 0}));
}

TEST(BmpCodec, TruncatedFilesRaiseAtEveryCut)
{
    const BmpLayout layouts[] = {BmpLayout::Rgb555, BmpLayout::Rgb565, BmpLayout::Rgb24, BmpLayout::Rgb32};
    for (BmpLayout layout : layouts) {
        std::vector<Pixel> pixels = RandomPixels(5, 3, 7);
        TMemoryStream whole = Encode(pixels, 5, 3, layout);
        for (std::int64_t cut = 0; cut < whole.Size(); ++cut) {
            // An exactly sized heap block lets the sanitizer see any read past the end.
            std::vector<unsigned char> bytes(whole.Memory(), whole.Memory() + cut);
            try {
                Decode(bytes);
                ADD_FAILURE() << "layout " << int(layout) << " accepted a cut at " << cut;
            } catch (const EInvalidGraphic& e) {
                EXPECT_STREQ(e.what(), "Bitmap image is not valid");
            }
        }
    }
    // A paletted file too, where the palette itself can be cut.
    std::vector<unsigned char> paletted =
        HandMade(3, 2, 4, BI_RGB, std::vector<std::uint32_t>(16, 0x123456), {}, std::vector<unsigned char>(8, 0x12));
    for (std::size_t cut = 0; cut < paletted.size(); ++cut)
        EXPECT_THROW(Decode(std::vector<unsigned char>(paletted.begin(), paletted.begin() + std::ptrdiff_t(cut))),
                     EInvalidGraphic)
            << cut;
}

TEST(BmpCodec, RandomDamageNeverCrashes)
{
    std::vector<Pixel> pixels = RandomPixels(7, 5, 3);
    std::vector<unsigned char> bytes;
    {
        TMemoryStream s = Encode(pixels, 7, 5, BmpLayout::Rgb565);
        bytes.assign(s.Memory(), s.Memory() + s.Size());
    }
    std::mt19937 random(12345);
    int refused = 0;
    for (int round = 0; round < 2000; ++round) {
        std::vector<unsigned char> damaged = bytes;
        int flips = 1 + int(random() % 4);
        for (int i = 0; i < flips; ++i)
            damaged[random() % 70] = std::uint8_t(random()); // mostly the headers
        try {
            BmpImage image = Decode(damaged);
            EXPECT_EQ(image.pixels.size(), std::size_t(image.width) * std::size_t(image.height));
        } catch (const EInvalidGraphic&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

TEST(BmpCodec, FailedLoadKeepsThePicture)
{
    TBitmap bitmap(2, 2);
    bitmap.ScanLine(0)[0] = 0xFF445566u;
    TMemoryStream junk;
    junk.WriteBuffer("BMjunk", 6);
    junk.SetPosition(0);
    EXPECT_THROW(bitmap.LoadFromStream(junk), EInvalidGraphic);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.ScanLine(0)[0], 0xFF445566u);
}

TEST(BmpCodec, BitmapReadsPng)
{
    PixelBuffer source(3, 2);
    source.set(0, 0, 0x80FF0000u);
    source.set(2, 1, 0xFF00FF00u);
    std::vector<unsigned char> png = EncodePng(source);
    TMemoryStream stream;
    stream.WriteBuffer(png.data(), std::int64_t(png.size()));
    stream.SetPosition(0);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    ASSERT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.ScanLine(0)[0], 0x80FF0000u);
    EXPECT_EQ(bitmap.ScanLine(1)[2], 0xFF00FF00u);
    EXPECT_EQ(bitmap.AlphaFormat(), afDefined);

    TMemoryStream cut;
    cut.WriteBuffer(png.data(), std::int64_t(png.size() / 2));
    cut.SetPosition(0);
    EXPECT_THROW(bitmap.LoadFromStream(cut), EInvalidGraphic);
}

TEST(Stream, BufferedReadsAndWritesRaiseOnShortTransfers)
{
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    stream.SetPosition(4);
    char buffer[4] = {};
    EXPECT_EQ(stream.Read(buffer, 4), 2);
    stream.SetPosition(4);
    try {
        stream.ReadBuffer(buffer, 3);
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    EXPECT_THROW(stream.Seek(-1, soBeginning), EStreamError);
    stream.Seek(10, soBeginning); // past the end: a write fills the gap
    stream.WriteBuffer("z", 1);
    EXPECT_EQ(stream.Size(), 11);
    EXPECT_EQ(stream.Memory()[8], 0);

    TMemoryStream copy;
    copy.CopyFrom(stream, 0);
    EXPECT_EQ(copy.Size(), 11);
    EXPECT_EQ(std::memcmp(copy.Memory(), "abcdef", 6), 0);

    try {
        TFileStream missing("/nonexistent-dir/file.bin", fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot open file \"/nonexistent-dir/file.bin\""), std::string::npos);
    }
    EXPECT_THROW(TFileStream("/nonexistent-dir/file.bin", fmCreate), EFCreateError);
}

TEST(Stream, StringStreamHoldsItsText)
{
    TStringStream stream("object Form1");
    char word[7] = {};
    stream.ReadBuffer(word, 6);
    EXPECT_STREQ(word, "object");
    stream.Seek(0, soEnd);
    stream.WriteBuffer(" end", 4);
    EXPECT_EQ(stream.DataString(), "object Form1 end");
}

TEST(BmpCodec, WrittenFilesFollowTheFormat)
{
    // Round trips cannot see a mistake made the same way in both
    // directions, so look at the bytes: bottom row first, padded rows,
    // 5-6-5 masks after the header.
    std::vector<Pixel> pixels = {0xFF0000FFu, 0xFFFF0000u}; // blue on top, red below
    TMemoryStream rgb24 = Encode(pixels, 1, 2, BmpLayout::Rgb24);
    const unsigned char* b = rgb24.Memory();
    ASSERT_EQ(rgb24.Size(), 54 + 2 * 4);
    EXPECT_EQ(b[10], 54);
    EXPECT_EQ(b[22], 2) << "positive height: bottom-up";
    EXPECT_EQ(std::vector<unsigned char>(b + 54, b + 62), (std::vector<unsigned char>{0, 0, 255, 0, 255, 0, 0, 0}));

    TMemoryStream rgb565 = Encode(pixels, 1, 2, BmpLayout::Rgb565);
    b = rgb565.Memory();
    EXPECT_EQ(b[30], BI_BITFIELDS);
    EXPECT_EQ(b[10], 66);
    EXPECT_EQ(std::vector<unsigned char>(b + 54, b + 66),
              (std::vector<unsigned char>{0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}));
    EXPECT_EQ(b[66] | b[67] << 8, 0xF800) << "red";
    EXPECT_EQ(b[70] | b[71] << 8, 0x001F) << "blue";

    TMemoryStream rgb555 = Encode(pixels, 1, 2, BmpLayout::Rgb555);
    b = rgb555.Memory();
    EXPECT_EQ(b[30], BI_RGB);
    EXPECT_EQ(b[54] | b[55] << 8, 0x7C00) << "red";

    // A 5-6-5 file from elsewhere reads as the same colours.
    BmpImage image = Decode(HandMade(2, 1, 16, BI_BITFIELDS, {}, {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0xE0, 0x07}));
    EXPECT_EQ(image.pixels, (std::vector<Pixel>{0xFFFF0000u, 0xFF00FF00u}));
    EXPECT_TRUE(image.rgb565);
}
