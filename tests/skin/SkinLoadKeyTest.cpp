// The word-at-a-time steps of a skin load against their plain forms: the
// vector pixel key against the portable loop at every tail length and at
// the edges of each channel, and property names told apart whichever
// byte of them differs.

#include "SkinTestSupport.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeByteReader.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SeKeyedPixels.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeStreamIo.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace skintest;

namespace {

// Channels around `key`'s, out to the distances where nearness flips and
// to the byte ends, where a wrapping difference would look near.
std::vector<Pixel> pixelsAround(Pixel key, std::size_t count, std::mt19937& random)
{
    std::vector<Pixel> pixels(count);
    std::uniform_int_distribution<int> offset(-8, 8);
    std::uniform_int_distribution<int> any(0, 255);
    std::uniform_int_distribution<int> pick(0, 3);
    for (Pixel& p : pixels) {
        p = Pixel(any(random)) << 24;
        for (int shift : {16, 8, 0}) {
            const int base = int(key >> shift & 0xFF);
            int channel = 0;
            switch (pick(random)) {
            case 0: channel = any(random); break;
            case 1: channel = 255 - (any(random) & 7); break;
            case 2: channel = any(random) & 7; break;
            default: channel = std::clamp(base + offset(random), 0, 255); break;
            }
            p |= Pixel(channel) << shift;
        }
    }
    return pixels;
}

} // namespace

TEST(SkinPixelKey, VectorKeyMatchesThePortableLoopAtEveryLengthAndAlignment)
{
    std::mt19937 random(5);
    for (Pixel key : {Pixel(0xFFFF00FF), Pixel(0x00000000), Pixel(0xFFFFFFFF), Pixel(0x127F0580)}) {
        for (std::size_t count = 0; count <= 37; ++count) {
            const std::vector<Pixel> pixels = pixelsAround(key, count, random);
            for (std::size_t misalign = 0; misalign < 4; ++misalign) {
                std::vector<std::uint8_t> bytes(count * 4 + misalign + 1);
                if (count)
                    std::memcpy(bytes.data() + misalign, pixels.data(), count * 4);
                // One spare pixel past the end shows a write beyond `count`.
                std::vector<Pixel> fast(count + 1, 0xDEADBEEF), plain(count + 1, 0xDEADBEEF);
                CopyKeyedPixels(fast.data(), bytes.data() + misalign, count, key);
                CopyKeyedPixelsPortable(plain.data(), bytes.data() + misalign, count, key);
                ASSERT_EQ(fast, plain) << "key " << std::hex << key << std::dec << ", " << count << " pixels";
                EXPECT_EQ(fast.back(), 0xDEADBEEF);
            }
        }
    }
    // The rule itself, on the magenta the loader keys with.
    const Pixel magenta = 0xFFFF00FF;
    const std::uint8_t near[4] = {0xFA, 0x05, 0xFA, 0x10}; // 0x10FA05FA: each channel 5 off
    const std::uint8_t far[4] = {0xF9, 0x00, 0xFF, 0x10};  // blue 6 off
    const std::uint8_t wrap[4] = {0xFF, 0xFD, 0xFF, 0x10}; // green 253 off, 3 off modulo 256
    Pixel out = 0;
    CopyKeyedPixels(&out, near, 1, magenta);
    EXPECT_EQ(out, SeKeyValue);
    CopyKeyedPixels(&out, far, 1, magenta);
    EXPECT_EQ(out, 0x10FF00F9u);
    CopyKeyedPixels(&out, wrap, 1, magenta);
    EXPECT_EQ(out, 0x10FFFDFFu);
}

TEST(SkinPixelKey, BitmapRecordsReadOverFreshAndReusedBitmapsAlike)
{
    // A 7 x 3 record: odd width, so the vector steps leave a tail.
    std::vector<Pixel> pixels(21);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = i % 4 == 0 ? 0xFFFE02FD : 0x80000000u | Pixel(i * 0x010203);
    TMemoryStream record;
    WriteStreamString(record, "Parts");
    WriteInt32(record, 7);
    WriteInt32(record, 3);
    record.WriteBuffer(pixels.data(), std::int64_t(pixels.size() * 4));
    auto readInto = [&](TSeBitmap& bitmap) {
        TSeByteReader in(record.Memory(), std::size_t(record.Size()));
        bitmap.ReadFrom(in, 0xFFFF00FF);
        EXPECT_TRUE(in.AtEnd());
    };
    TSeBitmap fresh;
    readInto(fresh);
    TSeBitmap reused;
    reused.Allocate(7, 3);
    reused.Fill(0x12345678);
    readInto(reused);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) {
            const std::size_t i = std::size_t(y * 7 + x);
            const Pixel expected = i % 4 == 0 ? SeKeyValue : pixels[i];
            EXPECT_EQ(fresh.Pixels(x, y), expected) << x << "," << y;
            EXPECT_EQ(reused.Pixels(x, y), expected) << x << "," << y;
        }
    fresh.RefreshCopy();
    EXPECT_EQ(fresh.Name(), "Parts");
}

TEST(SkinObjectStream, PropertyNamesDifferingInAnyOneByteAreUnknown)
{
    TSeBitmapList bitmaps;
    bitmaps.Add(MakePartsBitmap());
    auto button = MakeButtonObject(&bitmaps);
    const std::vector<std::uint8_t> binary = SkinObjectToBinary(*button);
    // Names of 3 to 20 bytes cover the byte, four-byte and eight-byte steps.
    int found = 0;
    for (const std::string name : {"Top", "Left", "Width", "Height", "Font.Color", "TextMarginLeft",
                                   "Font.Charset", "Objects"}) {
        const std::string stored = char(name.size()) + name;
        auto at = std::search(binary.begin(), binary.end(), stored.begin(), stored.end());
        if (at == binary.end())
            continue;
        ++found;
        for (std::size_t i = 0; i < name.size(); ++i) {
            std::vector<std::uint8_t> changed = binary;
            std::uint8_t& byte = changed[std::size_t(at - binary.begin()) + 1 + i];
            byte = byte == 'q' ? 'Q' : 'q';
            TMemoryStream stream;
            stream.WriteBuffer(changed.data(), std::int64_t(changed.size()));
            stream.SetPosition(0);
            auto fresh = MakeButtonObject(&bitmaps);
            std::string message;
            try {
                ReadSkinObjectBinary(stream, *fresh);
            } catch (const EReadError& error) {
                message = error.what();
            }
            std::string wrong = name;
            wrong[i] = char(byte);
            EXPECT_NE(message.find("Property " + wrong + " does not exist"), std::string::npos)
                << name << " byte " << i << ": " << message;
        }
    }
    EXPECT_GE(found, 5);
}
