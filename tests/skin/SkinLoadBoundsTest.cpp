// What a small crafted skin can make a load allocate, and sizes a skin may
// have: every format saves what it loads and loads what it saves.

#include "SkinTestSupport.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeSkinFilter.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinObjects.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeStreamIo.h"
#include "skin/engine/SeZlibStreams.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>

using namespace skintest;

// Every allocation of this test binary passes here; the tests below count
// the bytes one load asks for.
namespace {
std::atomic<bool> counting{false};
std::atomic<std::uint64_t> countedBytes{0};
} // namespace

void* operator new(std::size_t size)
{
    if (counting.load(std::memory_order_relaxed))
        countedBytes.fetch_add(size, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Bytes allocated while `run` runs (its exception, if any, swallowed).
template <class F>
std::uint64_t allocatedBy(F run)
{
    countedBytes = 0;
    counting = true;
    try {
        run();
    } catch (const Exception&) {
    }
    counting = false;
    return countedBytes;
}

void writeFile(const std::string& path, const std::string& bytes)
{
    TFileStream out(path, fmCreate);
    if (!bytes.empty())
        out.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

std::string le16(int v) { return std::string{char(v & 0xFF), char(v >> 8 & 0xFF)}; }
std::string le32(std::uint32_t v)
{
    return std::string{char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24 & 0xFF)};
}

// A bottom-up 1-bit BMP file, every pixel palette entry 0 (white).
std::string oneBitBmp(int width, int height)
{
    const std::uint32_t stride = std::uint32_t((width + 31) / 32 * 4);
    const std::uint32_t pixelBytes = stride * std::uint32_t(height);
    const std::uint32_t offset = 14 + 40 + 8;
    std::string file = "BM" + le32(offset + pixelBytes) + le32(0) + le32(offset);
    file += le32(40) + le32(std::uint32_t(width)) + le32(std::uint32_t(height)) + le16(1) + le16(1) + le32(0) +
            le32(pixelBytes) + le32(2835) + le32(2835) + le32(2) + le32(0);
    file += le32(0x00FFFFFF) + le32(0);
    file += std::string(pixelBytes, '\0');
    return file;
}

// Compact content with the given BMP files and no objects.
std::string compactContent(const std::vector<std::string>& bmps)
{
    TMemoryStream stream;
    for (const char* text : {"Crafted", "1.0", "", "", ""})
        WriteStreamString(stream, text);
    WriteInt32(stream, std::int32_t(bmps.size()));
    for (std::size_t i = 0; i < bmps.size(); ++i) {
        WriteStreamString(stream, "Bits" + std::to_string(i));
        WriteStreamString(stream, bmps[i]);
    }
    WriteInt32(stream, 0);
    return std::string(reinterpret_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

// Compact content as an "mskn" file: the tag and the content deflated.
std::string msknFile(const std::string& content)
{
    TStringStream file;
    file.WriteBuffer(SkinZlibTag, 4);
    TCompressionStream deflater(TCompressionLevel::Max, file);
    deflater.WriteBuffer(content.data(), std::int64_t(content.size()));
    deflater.Finish();
    return file.DataString();
}

} // namespace

TEST(SkinLoadBounds, NestedObjectsAreReadWhereTheyLieNotCopiedAtEveryLevel)
{
    // A chain 60 objects deep whose innermost one carries 256 KiB: copied
    // at every level this asks for 60 times the file.
    constexpr int Depth = 60;
    constexpr std::size_t Payload = 256 * 1024;
    TSeSkinSource source(nullptr);
    auto root = std::make_unique<TSeSkinObject>(nullptr);
    root->SetName("Root");
    TSeSkinObject* parent = root.get();
    for (int level = 1; level < Depth; ++level) {
        auto* child = new TSeSkinObject(parent);
        child->SetName("Level" + std::to_string(level));
        parent = child;
    }
    auto* leaf = new TSeLinkSkinObject(parent);
    leaf->SetName("Leaf");
    leaf->SetLinkControl(std::string(Payload, 'x'));
    source.AddObject(std::move(root));

    for (int format : {0, 3}) {
        SCOPED_TRACE(SkinFilterAt(format).fileExtension);
        const std::string file = WriteSkinWith(SkinFilterAt(format), source);
        TSeSkinSource copy(nullptr);
        const std::uint64_t bytes = allocatedBy([&] { ReadSkinWith(SkinFilterAt(format), copy, file); });
        ASSERT_EQ(copy.Count(), 1);
        auto* read = dynamic_cast<TSeLinkSkinObject*>(FindObject(copy.Objects(0), "Leaf"));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->LinkControl().size(), Payload);
        // The text form and the inflated bytes are a few times the file;
        // a copy per level would be sixty.
        EXPECT_LT(bytes, 10 * std::max<std::uint64_t>(file.size(), Payload)) << "file " << file.size();
    }
}

TEST(SkinLoadBounds, CompactBitmapsStayWithinThePixelBudget)
{
    // 4096 x 2048 at one bit a pixel: 1 MiB of BMP, 32 MiB of pixels.
    const std::string big = oneBitBmp(4096, 2048);
    const std::string bytes = msknFile(compactContent({big}));
    TSeSkinSource source(nullptr);
    try {
        ReadSkinWith(SkinFilterAt(3), source, bytes, std::int64_t(16) << 20);
        FAIL() << "a skin over its pixel budget loaded";
    } catch (const EReadError& error) {
        EXPECT_NE(std::string(error.what()).find("Bits0"), std::string::npos) << error.what();
    }
    EXPECT_EQ(source.Bitmaps().Count(), 0);
    // Under the budget the same file loads, the BMP decoded where it lies
    // and its pixels copied once into the bitmap.
    TSeSkinSource fresh(nullptr);
    const std::uint64_t allocated =
        allocatedBy([&] { ReadSkinWith(SkinFilterAt(3), fresh, bytes, std::int64_t(64) << 20); });
    ASSERT_EQ(fresh.Bitmaps().Count(), 1);
    EXPECT_EQ(fresh.Bitmaps().Items(0)->Width(), 4096);
    EXPECT_LT(allocated, std::uint64_t(2 * 32 + 3) << 20);
}

TEST(SkinLoadBounds, UncompressedFilesOverTheContentCapAreRefusedUnread)
{
    const std::string path = OutputPath("oversized.uskn");
    {
        writeFile(path, "");
        std::filesystem::resize_file(path, std::uintmax_t(MaxSkinContentBytes) + 1);
    }
    TSeSkinSource source(nullptr);
    const std::uint64_t bytes = allocatedBy([&] {
        EXPECT_THROW(source.LoadSkinFile(path), EReadError);
    });
    EXPECT_LT(bytes, std::uint64_t(1) << 20);
    std::filesystem::remove(path);
}

TEST(SkinLoadBounds, BitmapsWiderThan32767SaveAndLoadInEveryFormat)
{
    for (int format = 0; format < 4; ++format) {
        SCOPED_TRACE(SkinFilterAt(format).fileExtension);
        TSeSkinSource source(nullptr);
        for (auto [w, h] : {std::pair{40000, 1}, std::pair{1, 33000}}) {
            auto bitmap = std::make_unique<TSeBitmap>();
            bitmap->SetName("Strip" + std::to_string(w));
            bitmap->Allocate(w, h);
            bitmap->Fill(0xFF204060);
            source.Bitmaps().Add(std::move(bitmap));
        }
        const std::string file = WriteSkinWith(SkinFilterAt(format), source);
        TSeSkinSource copy(nullptr);
        ASSERT_NO_THROW(ReadSkinWith(SkinFilterAt(format), copy, file));
        ASSERT_EQ(copy.Bitmaps().Count(), 2);
        EXPECT_EQ(copy.Bitmaps().Items(0)->Width(), 40000);
        EXPECT_EQ(copy.Bitmaps().Items(1)->Height(), 33000);
    }
    // A size whose pixels cannot be in the stream still raises before
    // anything is allocated, however large its sides.
    TMemoryStream record;
    WriteStreamString(record, "Huge");
    WriteInt32(record, 0x7FFFFFFF);
    WriteInt32(record, 0x7FFFFFFF);
    record.SetPosition(0);
    TSeBitmap none;
    EXPECT_THROW(none.ReadFrom(record), EReadError);
    EXPECT_TRUE(none.IsEmpty());
}
