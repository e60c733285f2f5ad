// The fast paths of a skin load checked against slow, obvious references:
// hexadecimal text in any layout, inflating whole streams, properties in
// any order, which error wins on a doubly broken record, and a skin bitmap
// copied to the clipboard.

#include "SkinTestSupport.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SeObjectText.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeStreamIo.h"
#include "skin/engine/SeZlibStreams.h"
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

// "object X: TSeSkinObject" with one binary property written out as
// `digits`, whatever layout they have.
std::string objectWithHex(const std::string& digits)
{
    return "object X: TSeSkinObject\r\n  Objects = {" + digits + "}\r\nend\r\n";
}

// Hexadecimal digits for `bytes`, in the case and with the blanks that
// `random` picks.
std::string scatteredHex(const std::vector<std::uint8_t>& bytes, std::mt19937& random)
{
    static const char upper[] = "0123456789ABCDEF";
    static const char lower[] = "0123456789abcdef";
    static const char* const blanks[] = {" ", "\r\n    ", "\t", "\n"};
    const bool lowerCase = random() % 3 == 0;
    std::string text;
    for (std::uint8_t b : bytes) {
        for (int nibble : {b >> 4, b & 15}) {
            if (random() % 23 == 0)
                text += blanks[random() % 4];
            text += (lowerCase && random() % 2 ? lower : upper)[nibble];
        }
    }
    return text;
}

std::string pack(const std::string& content, int level)
{
    TMemoryStream packed;
    {
        TCompressionStream zip(level == 9 ? TCompressionLevel::Max : TCompressionLevel::Fastest, packed);
        if (!content.empty())
            zip.WriteBuffer(content.data(), std::int64_t(content.size()));
    }
    return std::string(reinterpret_cast<const char*>(packed.Memory()), std::size_t(packed.Size()));
}

std::string inflated(TStream& stream, std::int64_t limit)
{
    const TInflatedBytes bytes = InflateWhole(stream, limit);
    return std::string(reinterpret_cast<const char*>(bytes.data.get()), bytes.size);
}

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(SkinObjectText, HexValuesDecodeAsTheBytesWhateverTheirLayout)
{
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> bytes(random() % 90);
        for (auto& b : bytes)
            b = std::uint8_t(random());
        const std::string digits = scatteredHex(bytes, random);
        const TSeStreamedObject object = TextToStreamedObject(objectWithHex(digits));
        ASSERT_EQ(object.properties.size(), 1u);
        ASSERT_EQ(object.properties[0].second.bytes, bytes) << digits;

        if (digits.empty())
            continue;
        // Any one digit turned into something else is refused, wherever it is.
        std::string broken = digits;
        const std::size_t at = random() % broken.size();
        broken[at] = "G-x'\xC3"[random() % 5];
        EXPECT_THROW(TextToStreamedObject(objectWithHex(broken)), EReadError) << broken;
        // So is a digit short of whole bytes.
        std::string odd = digits;
        odd.erase(odd.find_last_of("0123456789ABCDEFabcdef"), 1);
        EXPECT_THROW(TextToStreamedObject(objectWithHex(odd)), EReadError) << odd;
    }
    // The written layout comes back byte for byte.
    TSeStreamedObject long_;
    long_.className = "TSeSkinObject";
    long_.name = "L";
    TSeValue value;
    value.type = TSeValueType::Binary;
    for (int i = 0; i < 1000; ++i)
        value.bytes.push_back(std::uint8_t(random()));
    long_.properties.emplace_back("Objects", value);
    const std::string text = StreamedObjectToText(long_);
    EXPECT_EQ(StreamedObjectToText(TextToStreamedObject(text)), text);
    EXPECT_THROW(TextToStreamedObject(text.substr(0, text.find('}'))), EReadError);
}

TEST(SkinInflate, WholeStreamsGrowToAnySizeUpToTheLimit)
{
    std::mt19937 random(5);
    // Zeros shrink about a thousandfold, far past the first guess at the
    // size; noise hardly shrinks at all.
    std::string content(3 << 20, '\0');
    for (std::size_t i = 0; i < content.size(); i += 4096)
        content[i] = char(random());
    std::string noise(70000, '\0');
    for (char& c : noise)
        c = char(random());
    for (const std::string* data : {&content, &noise}) {
        const std::string packed = pack(*data, 9);
        TStringStream memory(packed + "trailing bytes");
        EXPECT_TRUE(inflated(memory, std::int64_t(data->size())) == *data);
        EXPECT_EQ(memory.Position(), std::int64_t(packed.size())) << "stops right after the stream";

        // A file is read in chunks rather than viewed in place.
        const std::string file = OutputPath("inflate-whole.z");
        {
            TFileStream out(file, fmCreate);
            out.WriteBuffer(packed.data(), std::int64_t(packed.size()));
        }
        TFileStream in(file, fmOpenRead);
        EXPECT_TRUE(inflated(in, std::int64_t(data->size())) == *data);

        TStringStream tooSmall(packed);
        const std::string message = errorOf([&] { inflated(tooSmall, std::int64_t(data->size()) - 1); });
        EXPECT_NE(message.find("inflates to more than"), std::string::npos) << message;
    }
    const std::string packed = pack(noise, 1);
    for (std::size_t cut = 0; cut < packed.size(); cut += 53) {
        TStringStream part(packed.substr(0, cut));
        EXPECT_THROW(inflated(part, 1 << 20), EReadError) << "cut at " << cut;
    }
    TStringStream garbage(std::string(40, '\x55'));
    EXPECT_THROW(inflated(garbage, 1 << 20), EReadError);
}

TEST(SkinObjectStream, PropertiesInAnyOrderApplyAlike)
{
    TSeBitmapList bitmaps;
    bitmaps.Add(MakePartsBitmap());
    auto button = MakeButtonObject(&bitmaps);
    const std::vector<std::uint8_t> binary = SkinObjectToBinary(*button);
    const std::string text = ObjectBinaryToText(binary);
    // The property lines between the header and "end", shuffled.
    std::vector<std::string> lines;
    std::size_t start = text.find("\r\n") + 2;
    const std::size_t end = text.rfind("end\r\n");
    while (start < end) {
        // A long binary value goes on over lines indented deeper.
        std::size_t next = text.find("\r\n", start) + 2;
        while (next < end && text.compare(next, 4, "    ") == 0)
            next = text.find("\r\n", next) + 2;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    ASSERT_GT(lines.size(), 20u);
    std::mt19937 random(8);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(lines.begin(), lines.end(), random);
        std::string shuffled = text.substr(0, text.find("\r\n") + 2);
        for (const std::string& line : lines)
            shuffled += line;
        shuffled += "end\r\n";
        TMemoryStream record;
        WriteStreamString(record, "TSeSkinObject");
        WriteStreamString(record, shuffled);
        record.SetPosition(0);
        std::unique_ptr<TSeSkinObject> read(ReadObjectRecord(record, nullptr, true));
        EXPECT_EQ(SkinObjectToBinary(*read), binary) << shuffled;
    }
}

TEST(SkinObjectStream, BrokenStructureIsReportedBeforeUnknownProperties)
{
    TSeBitmapList bitmaps;
    bitmaps.Add(MakePartsBitmap());
    auto button = MakeButtonObject(&bitmaps);
    std::vector<std::uint8_t> binary = SkinObjectToBinary(*button);
    const std::string property = "\x05" "Color";
    auto at = std::search(binary.begin(), binary.end(), property.begin(), property.end());
    ASSERT_NE(at, binary.end());
    std::copy_n("Colxr", 5, at + 1);
    auto record = [](const std::vector<std::uint8_t>& bytes) {
        TMemoryStream stream;
        WriteStreamString(stream, "TSeSkinObject");
        WriteInt32(stream, std::int32_t(bytes.size()));
        stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
        stream.SetPosition(0);
        return std::string(reinterpret_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
    };
    auto read = [](const std::string& bytes) {
        TStringStream stream(bytes);
        delete ReadObjectRecord(stream, nullptr, false);
    };
    const std::string unknown = errorOf([&] { read(record(binary)); });
    EXPECT_NE(unknown.find("Property Colxr does not exist"), std::string::npos) << unknown;
    // Without its closing child-list byte the same stream is malformed, and
    // that is what it reports.
    binary.pop_back();
    EXPECT_EQ(errorOf([&] { read(record(binary)); }), "Invalid stream operation");

    // A record read from a file leaves the file just after it.
    const std::string file = OutputPath("object-record.bin");
    const std::vector<std::uint8_t> good = SkinObjectToBinary(*button);
    const std::string bytes = record(good) + "next";
    {
        TFileStream out(file, fmCreate);
        out.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    }
    TFileStream in(file, fmOpenRead);
    std::unique_ptr<TSeSkinObject> back(ReadObjectRecord(in, nullptr, false));
    EXPECT_EQ(SkinObjectToBinary(*back), good);
    EXPECT_EQ(in.Position(), std::int64_t(bytes.size()) - 4);
}

TEST(SkinBitmapClipboard, CopyToClipboardGivesAnOpaqueCopyInBothForms)
{
    TSeBitmap bitmap;
    bitmap.Allocate(6, 4);
    std::mt19937 random(9);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            bitmap.ScanLine(y)[x] = Pixel(random()) & (x % 2 ? 0x00FFFFFF : 0xFFFFFFFF);
    bitmap.CopyToClipboard();

    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP copy = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_TRUE(copy);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 6;
    info.bmiHeader.biHeight = -4;
    std::vector<Pixel> pixels(24);
    ASSERT_EQ(GetDIBits(nullptr, copy, 0, 4, pixels.data(), &info, DIB_RGB_COLORS), 4);
    HGLOBAL dib = GetClipboardData(CF_DIB);
    ASSERT_TRUE(dib);
    const auto* block = static_cast<const std::uint8_t*>(GlobalLock(dib));
    BITMAPINFOHEADER header;
    std::memcpy(&header, block, sizeof header);
    EXPECT_EQ(header.biWidth, 6);
    EXPECT_EQ(std::abs(header.biHeight), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const Pixel expected = bitmap.ScanLine(y)[x] | 0xFF000000;
            EXPECT_EQ(pixels[std::size_t(y * 6 + x)], expected) << x << "," << y;
            const int stored = header.biHeight > 0 ? 3 - y : y;
            Pixel fromDib;
            std::memcpy(&fromDib, block + header.biSize + std::size_t(stored * 6 + x) * 4, 4);
            EXPECT_EQ(fromDib, expected) << x << "," << y;
        }
    GlobalUnlock(dib);
    // While someone else holds the clipboard the copy raises and leaves the
    // contents as they were.
    EXPECT_THROW(bitmap.CopyToClipboard(), Exception);
    EXPECT_EQ(GetClipboardData(CF_BITMAP), copy);
    CloseClipboard();
    TSeBitmap empty;
    empty.CopyToClipboard();
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    BITMAP gone;
    EXPECT_EQ(GetObject(copy, sizeof gone, &gone), 0);
}
