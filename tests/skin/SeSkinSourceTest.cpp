#include "SkinTestSupport.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinFilter.h"
#include "skin/engine/SeSkinFolder.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeStreamIo.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Colors.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace skintest;

namespace {

void fillTestSkin(TSeSkinSource& source)
{
    source.SetSkinName("Graphite Test");
    source.SetAuthor("Skin Tests");
    source.Bitmaps().Add(MakePartsBitmap());
    source.AddObject(MakeFormObject(&source.Bitmaps()));
    source.AddObject(MakeButtonObject(&source.Bitmaps()));
}

// One 4 x 2 bitmap and the button: small enough to cut at every byte.
void fillTinySkin(TSeSkinSource& source)
{
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetName("Parts");
    bitmap->Allocate(4, 2);
    bitmap->Fill(0xFF303030);
    bitmap->ScanLine(0)[0] = SeKeyValue;
    source.Bitmaps().Add(std::move(bitmap));
    auto button = std::make_unique<TSeSkinObject>(nullptr);
    button->SetName("Button");
    source.AddObject(std::move(button));
}

// Header strings, then the bitmap records given, then no objects.
std::string plainContent(const std::string& bitmapRecords, int bitmapCount)
{
    TMemoryStream stream;
    for (const char* text : {"Hand Made", "1.0", "", "", ""})
        WriteStreamString(stream, text);
    WriteInt32(stream, bitmapCount);
    stream.WriteBuffer(bitmapRecords.data(), std::int64_t(bitmapRecords.size()));
    WriteInt32(stream, 0);
    return std::string(reinterpret_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

} // namespace

TEST(SkinFilters, TableHoldsTheFourFormatsAndMatchesExtensionsIgnoringCase)
{
    ASSERT_GE(SkinFilterCount(), 4);
    EXPECT_EQ(SkinFilterAt(0).fileExtension, "uskn");
    EXPECT_EQ(SkinFilterAt(1).fileExtension, "kskn");
    EXPECT_EQ(SkinFilterAt(2).fileExtension, "xskn");
    EXPECT_EQ(SkinFilterAt(3).fileExtension, "mskn");
    EXPECT_EQ(FindSkinFilter("skin.KSKN"), &SkinFilterAt(1));
    EXPECT_EQ(FindSkinFilter("/a.mskn/skin.Xskn"), &SkinFilterAt(2));
    EXPECT_EQ(FindSkinFilter("skin.dat"), nullptr);
    EXPECT_EQ(FindSkinFilter("/folder.uskn/skin"), nullptr);
    EXPECT_EQ(FindSkinFilter("kskn"), nullptr);
    EXPECT_EQ(&DefaultSkinFilter(), &SkinFilterAt(1));
}

TEST(SkinFilters, EveryFormatRoundTripsToIdenticalBytes)
{
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(SkinFilterAt(i).fileExtension);
        TSeSkinSource original(nullptr);
        fillTestSkin(original);
        const std::string first = WriteSkinWith(SkinFilterAt(i), original);
        TSeSkinSource copy(nullptr);
        ReadSkinWith(SkinFilterAt(i), copy, first);
        EXPECT_EQ(copy.SkinName(), "Graphite Test");
        ASSERT_EQ(copy.Count(), 2);
        ASSERT_EQ(copy.Bitmaps().Count(), 1);
        EXPECT_EQ(copy.Objects(0)->ChildCount(), original.Objects(0)->ChildCount());
        EXPECT_EQ(WriteSkinWith(SkinFilterAt(i), copy), first);
    }
}

TEST(SkinFilters, CompressedFormatsCarryTheTagAndTheirZlibLevel)
{
    TSeSkinSource source(nullptr);
    fillTestSkin(source);
    const std::string plain = WriteSkinWith(SkinFilterAt(0), source);
    const std::string fast = WriteSkinWith(SkinFilterAt(1), source);
    const std::string best = WriteSkinWith(SkinFilterAt(2), source);
    EXPECT_EQ(plain.substr(0, 4), std::string("\x0D\0\0\0", 4)); // "Graphite Test"
    EXPECT_EQ(fast.substr(0, 6), std::string("QFLZ\x78\x01"));
    EXPECT_EQ(best.substr(0, 6), std::string("QFLZ\x78\xDA"));
    // Tags are not checked on reading.
    std::string retagged = fast;
    retagged.replace(0, 4, "ABCD");
    TSeSkinSource copy(nullptr);
    ReadSkinWith(SkinFilterAt(1), copy, retagged);
    EXPECT_EQ(copy.Count(), 2);
}

TEST(SkinFilters, PlainContentKeysOutPixelsNearMagentaOnly)
{
    TMemoryStream record;
    WriteStreamString(record, "Keys");
    WriteInt32(record, 2);
    WriteInt32(record, 1);
    // Blue, green, red, alpha: (250, 4, 252) and (249, 0, 255).
    const unsigned char pixels[8] = {252, 4, 250, 255, 255, 0, 249, 255};
    record.WriteBuffer(pixels, 8);
    TSeSkinSource source(nullptr);
    ReadSkinWith(SkinFilterAt(0), source,
             plainContent(std::string(reinterpret_cast<const char*>(record.Memory()), 24), 1));
    ASSERT_EQ(source.Bitmaps().Count(), 1);
    const TSeBitmap& bitmap = *source.Bitmaps().Items(0);
    EXPECT_EQ(bitmap.ScanLine(0)[0], SeKeyValue);
    EXPECT_EQ(bitmap.ScanLine(0)[1], 0xFFF900FFu);
}

TEST(SkinFilters, CompactContentTurnsNearKeyPixelsIntoTheKey)
{
    TSeSkinSource source(nullptr);
    fillTinySkin(source);
    // A pixel close to the key but not on it: 16 bits bring it back near.
    source.Bitmaps().Items(0)->ScanLine(1)[3] = 0xFF7C027C;
    TSeSkinSource copy(nullptr);
    ReadSkinWith(SkinFilterAt(3), copy, WriteSkinWith(SkinFilterAt(3), source));
    const TSeBitmap& bitmap = *copy.Bitmaps().Items(0);
    EXPECT_EQ(bitmap.ScanLine(0)[0], SeKeyValue);
    EXPECT_EQ(bitmap.ScanLine(1)[3], SeKeyValue);
    EXPECT_EQ(bitmap.ScanLine(1)[2] >> 24, 0xFFu);
}

TEST(SkinFilters, CorruptCountsAndSizesRaiseWithoutAllocating)
{
    TMemoryStream huge;
    WriteStreamString(huge, "Huge");
    WriteInt32(huge, 30000);
    WriteInt32(huge, 30000);
    const std::string hugeRecord(reinterpret_cast<const char*>(huge.Memory()), std::size_t(huge.Size()));
    const std::string cases[] = {
        plainContent("", 0x7FFFFFFF),   // bitmap count
        plainContent("", -1),           // negative count
        plainContent(hugeRecord, 1),    // pixel block larger than the stream
        plainContent("", 0) + "x",      // bytes after the last object
        std::string("\xFF\xFF\xFF\x7F", 4), // first string's length
    };
    for (const std::string& bytes : cases) {
        TSeSkinSource source(nullptr);
        EXPECT_THROW(ReadSkinWith(SkinFilterAt(0), source, bytes), EReadError);
    }
    TSeSkinSource source(nullptr);
    EXPECT_THROW(ReadSkinWith(SkinFilterAt(1), source, "QFLZ" + std::string(20, '\x55')), EReadError);
    EXPECT_THROW(ReadSkinWith(SkinFilterAt(1), source, "QF"), EReadError);
}

TEST(SkinFilters, UnknownObjectClassStopsTheLoadNamingTheClass)
{
    TSeSkinSource source(nullptr);
    fillTinySkin(source);
    std::string bytes = WriteSkinWith(SkinFilterAt(0), source);
    const std::size_t at = bytes.find("TSeSkinObject");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 13, "TSeSkinObjecX");
    TSeSkinSource copy(nullptr);
    try {
        ReadSkinWith(SkinFilterAt(0), copy, bytes);
        FAIL() << "no error";
    } catch (const EReadError& error) {
        EXPECT_NE(std::string(error.what()).find("TSeSkinObjecX"), std::string::npos) << error.what();
    }
}

TEST(SkinSource, TruncationAtEveryByteRaisesAndKeepsThePreviousSkin)
{
    TSeSkinSource tiny(nullptr);
    fillTinySkin(tiny);
    for (int format : {0, 1, 3}) {
        SCOPED_TRACE(SkinFilterAt(format).fileExtension);
        const std::string whole = WriteSkinWith(SkinFilterAt(format), tiny);
        TSeSkinSource source(nullptr);
        fillTestSkin(source);
        for (std::size_t cut = 0; cut < whole.size(); ++cut) {
            const std::string bytes = whole.substr(0, cut);
            const std::string file = OutputPath("truncated." + SkinFilterAt(format).fileExtension);
            {
                TFileStream out(file, fmCreate);
                if (!bytes.empty())
                    out.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
            }
            EXPECT_THROW(source.LoadSkinFile(file), EReadError) << "cut at " << cut;
            ASSERT_EQ(source.Count(), 2) << "cut at " << cut;
            ASSERT_EQ(source.SkinName(), "Graphite Test");
            ASSERT_TRUE(source.Objects(0)->Child(0) != nullptr);
        }
    }
}

TEST(SkinSource, FilesSelectTheirFormatAndUnclaimedNamesAreIgnored)
{
    TSeSkinSource source(nullptr);
    fillTestSkin(source);
    const std::string dat = OutputPath("skin.dat");
    source.SaveSkinFile(dat);
    TStringStream written;
    {
        TFileStream in(dat, fmOpenRead);
        written.CopyFrom(in, 0);
    }
    EXPECT_EQ(written.DataString().substr(0, 6), std::string("QFLZ\x78\x01"));
    EXPECT_FALSE(source.LoadSkinFile(dat));
    EXPECT_FALSE(source.LoadSkinFile(""));
    EXPECT_FALSE(source.LoadSkinFile(OutputPath("missing.kskn")));
    EXPECT_FALSE(source.LoadSkinFile("no-such-skin-in-the-program-folder.kskn"));
    EXPECT_EQ(source.Count(), 2);

    const std::string upper = OutputPath("skin.USKN");
    source.SaveSkinFile(upper);
    TSeSkinSource copy(nullptr);
    EXPECT_TRUE(copy.LoadSkinFile(upper));
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_FALSE(std::filesystem::exists(upper + ".tmp"));
}

TEST(SkinSource, LookupsIgnoreCaseTakeTheFirstAndYieldNothingWhileReplacing)
{
    TSeSkinSource source(nullptr);
    fillTestSkin(source);
    auto second = std::make_unique<TSeSkinObject>(nullptr);
    second->SetName("BUTTON");
    TSeSkinObject* later = source.AddObject(std::move(second));
    EXPECT_EQ(source.GetObjectByName("button"), source.Objects(1));
    EXPECT_NE(source.GetObjectByName("button"), later);
    EXPECT_EQ(source.GetObjectByKind(skForm), source.Objects(0));
    EXPECT_EQ(source.GetFormObject(), source.Objects(0));
    EXPECT_EQ(source.Objects(3), nullptr);
    EXPECT_EQ(source.Objects(-1), nullptr);

    source.Objects(0)->SetName("Frame");
    EXPECT_EQ(source.GetFormObject(), source.Objects(0)) << "by kind when no object is named Form";

    source.SetReplacing(true);
    EXPECT_EQ(source.Objects(0), nullptr);
    EXPECT_EQ(source.GetObjectByName("Button"), nullptr);
    EXPECT_EQ(source.GetFormObject(), nullptr);
    EXPECT_EQ(source.Count(), 3);
}

TEST(SkinSource, HueShiftsAreRelativeToTheLastApplied)
{
    TSeSkinSource source(nullptr);
    fillTestSkin(source);
    const Pixel before = source.Bitmaps().Items(0)->ScanLine(8)[8];
    const TColor colour = TColor(0x312D2B);
    source.ChangeHue(40);
    EXPECT_EQ(source.AppliedHue(), 40);
    EXPECT_EQ(source.Bitmaps().Items(0)->ScanLine(8)[8], HueShiftPixel(before, 40));
    auto* client = static_cast<TSeSkinObject*>(source.Objects(0)->FindComponent("Client"));
    EXPECT_EQ(client->Color(), TColor(HueShiftColorRef(ColorToRGB(colour), 40)));
    source.ChangeHue(40);
    EXPECT_EQ(source.PreviousHue(), 0) << "the same value changes nothing";
    source.ChangeHue(50);
    EXPECT_EQ(source.PreviousHue(), 40);
    EXPECT_EQ(source.Bitmaps().Items(0)->ScanLine(8)[8], HueShiftPixel(HueShiftPixel(before, 40), 10));
    // Key pixels (alpha 0) are left alone.
    EXPECT_EQ(source.Bitmaps().Items(0)->ScanLine(0)[63], SeKeyValue);
}

TEST(SkinSource, EveryWriterSavesTheSkinWhileItIsBeingReplaced)
{
    // Lookups yield nothing while Replacing; saving must still see the
    // objects it holds.
    TSeSkinSource source(nullptr);
    fillTestSkin(source);
    for (int format = 0; format < 4; ++format) {
        SCOPED_TRACE(SkinFilterAt(format).fileExtension);
        const std::string settled = WriteSkinWith(SkinFilterAt(format), source);
        source.SetReplacing(true);
        EXPECT_EQ(WriteSkinWith(SkinFilterAt(format), source), settled);
        source.SetReplacing(false);
    }
    source.SetReplacing(true);
    const std::string folder = OutputPath("replacing-folder");
    std::filesystem::remove_all(folder);
    WriteSkinFolder(source, folder);
    source.SetReplacing(false);
    TSeSkinSource copy(nullptr);
    ReadSkinFolder(copy, folder);
    EXPECT_EQ(copy.Count(), 2);
}
