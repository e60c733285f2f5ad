#include "skin/engine/SeSkinFilter.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeByteReader.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeStreamIo.h"
#include "skin/engine/SeZlibStreams.h"
#include "ui/graphics/BmpCodec.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <vector>

namespace {

constexpr Pixel Magenta = 0xFFFF00FF;
// Smallest records: a bitmap is a name length, width and height; an object
// a class name length and a definition length.
constexpr std::int64_t MinBitmapRecord = 12;
constexpr std::int64_t MinObjectRecord = 8;

void readHeader(TSeSkinSource& source, TSeByteReader& in)
{
    source.SetSkinName(in.ReadStreamString());
    source.SetSkinVersion(in.ReadStreamString());
    source.SetAuthor(in.ReadStreamString());
    source.SetAuthorEMail(in.ReadStreamString());
    source.SetAuthorURL(in.ReadStreamString());
}

void writeHeader(const TSeSkinSource& source, TStream& stream)
{
    WriteStreamString(stream, source.SkinName());
    WriteStreamString(stream, source.SkinVersion());
    WriteStreamString(stream, source.Author());
    WriteStreamString(stream, source.AuthorEMail());
    WriteStreamString(stream, source.AuthorURL());
}

std::int32_t readCount(TSeByteReader& in, std::int64_t minRecord, const char* what)
{
    const std::int32_t count = in.ReadInt32();
    if (count < 0 || std::int64_t(count) * minRecord > std::int64_t(in.Left()))
        throw EReadError("Corrupt skin stream: " + std::to_string(count) + " " + what + " cannot fit in the " +
                         std::to_string(in.Left()) + " bytes left");
    return count;
}

void readObjects(TSeSkinSource& source, TSeByteReader& in, bool textForm)
{
    const std::int32_t count = readCount(in, MinObjectRecord, "objects");
    for (std::int32_t i = 0; i < count; ++i) {
        std::unique_ptr<TSeSkinObject> object;
        try {
            object.reset(ReadObjectRecord(in, nullptr, textForm));
        } catch (const Exception& error) {
            throw EReadError("Skin object " + std::to_string(i + 1) + " of " + std::to_string(count) + ": " +
                             error.what());
        }
        source.AddObject(std::move(object));
    }
}

void requireEnd(const TSeByteReader& in)
{
    if (const std::size_t left = in.Left(); left != 0)
        throw EReadError("Corrupt skin stream: " + std::to_string(left) + " bytes after the last object");
}

// The pixel memory a BMP file asks for, from its header; 0 when the header
// is too short to tell (the decoder then refuses the file).
std::uint64_t bmpPixelBytes(const std::uint8_t* file, std::size_t size)
{
    auto word = [file](std::size_t at) { return std::uint32_t(file[at]) | std::uint32_t(file[at + 1]) << 8; };
    auto dword = [&](std::size_t at) { return word(at) | word(at + 2) << 16; };
    if (size < 26)
        return 0;
    std::int64_t width, height;
    if (dword(14) == 12) {
        width = word(18);
        height = word(20);
    } else {
        width = std::int32_t(dword(18));
        height = std::int32_t(dword(22));
    }
    return std::uint64_t(width < 0 ? -width : width) * std::uint64_t(height < 0 ? -height : height) * 4;
}

void chargePixels(std::int64_t& bytesLeft, const std::string& name, std::uint64_t bytes)
{
    if (bytes > std::uint64_t(std::max<std::int64_t>(bytesLeft, 0)))
        throw EReadError("Bitmap \"" + name + "\": " + std::to_string(bytes) +
                         " bytes of pixels, more than the skin may still take (" + std::to_string(bytesLeft) + ")");
    bytesLeft -= std::int64_t(bytes);
}

std::unique_ptr<TSeBitmap> finishBitmap(std::unique_ptr<TSeBitmap> bitmap)
{
    bitmap->RefreshCopy();
    return bitmap;
}

// The zlib stream after the tag, inflated whole so that every count inside
// can be checked against the bytes that are really there.
TInflatedBytes inflateContent(TStream& stream)
{
    char tag[4];
    if (stream.Read(tag, 4) != 4)
        throw EReadError("Corrupt skin stream: too short for the compression tag");
    return InflateWhole(stream, MaxSkinContentBytes);
}

void deflateContent(TSeSkinFilter& filter, TStream& stream, int level)
{
    TMemoryStream content;
    filter.WriteSkin(content);
    stream.WriteBuffer(SkinZlibTag, 4);
    TCompressionStream deflater(level == 9 ? TCompressionLevel::Max : TCompressionLevel::Fastest, stream);
    if (content.Size() > 0)
        deflater.WriteBuffer(content.Memory(), content.Size());
    deflater.Finish();
}

TSeSkinSource& sourceOf(const TSeSkinFilter& filter)
{
    if (!filter.Source)
        throw EInvalidOperation("Skin filter has no source");
    return *filter.Source;
}

} // namespace

// ---- Plain content ---------------------------------------------------------------------

void TSeSkinFilter::ReadSkin(TStream& stream)
{
    // Checked before the bytes are read: the stream may be a file of any size.
    if (const std::int64_t size = BytesLeft(stream); size > MaxSkinContentBytes)
        throw EReadError("Skin content of " + std::to_string(size) + " bytes is larger than the " +
                         std::to_string(MaxSkinContentBytes) + " a skin may hold");
    TSeStreamBytes bytes(stream);
    ReadContent(bytes.Reader());
    bytes.Finish();
}

void TSeSkinFilter::ReadContent(TSeByteReader& in)
{
    TSeSkinSource& source = sourceOf(*this);
    source.Clear();
    readHeader(source, in);
    std::int64_t pixelBytesLeft = MaxPixelBytes;
    const std::int32_t bitmaps = readCount(in, MinBitmapRecord, "bitmaps");
    for (std::int32_t i = 0; i < bitmaps; ++i) {
        auto bitmap = std::make_unique<TSeBitmap>();
        bitmap->ReadFrom(in, Magenta);
        chargePixels(pixelBytesLeft, bitmap->Name(), std::uint64_t(bitmap->Width()) * bitmap->Height() * 4);
        source.Bitmaps().Add(finishBitmap(std::move(bitmap)));
    }
    readObjects(source, in, true);
    requireEnd(in);
}

void TSeSkinFilter::WriteSkin(TStream& stream)
{
    TSeSkinSource& source = sourceOf(*this);
    writeHeader(source, stream);
    WriteInt32(stream, source.Bitmaps().Count());
    for (int i = 0; i < source.Bitmaps().Count(); ++i)
        source.Bitmaps().Items(i)->WriteTo(stream);
    WriteInt32(stream, source.Count());
    for (int i = 0; i < source.Count(); ++i)
        WriteObjectRecord(stream, source.StoredObject(i), true);
}

// ---- Compact content -------------------------------------------------------------------

void TSeSkinFilterMaxCompression::ReadContent(TSeByteReader& in)
{
    TSeSkinSource& source = sourceOf(*this);
    source.Clear();
    readHeader(source, in);
    std::int64_t pixelBytesLeft = MaxPixelBytes;
    const std::int32_t bitmaps = readCount(in, 8, "bitmaps");
    for (std::int32_t i = 0; i < bitmaps; ++i) {
        const std::string name = in.ReadStreamString();
        const std::int32_t size = in.ReadInt32();
        in.Require(size, "a BMP file");
        const std::uint8_t* file = in.Take(std::size_t(size));
        // A BMP of one bit a pixel grows 32 times when decoded: its size is
        // charged before anything is allocated for it.
        chargePixels(pixelBytesLeft, name, bmpPixelBytes(file, std::size_t(size)));
        BmpImage image;
        if (size > 0) {
            TSeBytesStream bmp(file, std::size_t(size));
            try {
                image = ReadBmp(bmp);
            } catch (const Exception& error) {
                throw EReadError("Bitmap \"" + name + "\": " + error.what());
            }
        }
        auto bitmap = std::make_unique<TSeBitmap>();
        bitmap->SetName(name);
        if (image.width > 0 && image.height > 0) {
            bitmap->Allocate(image.width, image.height);
            std::memcpy(bitmap->Bits(), image.pixels.data(), image.pixels.size() * sizeof(Pixel));
            image.pixels = {};
            bitmap->SetAlpha(255);
            bitmap->KeyOutColor(SeKeyValue);
        }
        source.Bitmaps().Add(finishBitmap(std::move(bitmap)));
    }
    readObjects(source, in, false);
    requireEnd(in);
}

void TSeSkinFilterMaxCompression::WriteSkin(TStream& stream)
{
    TSeSkinSource& source = sourceOf(*this);
    writeHeader(source, stream);
    WriteInt32(stream, source.Bitmaps().Count());
    for (int i = 0; i < source.Bitmaps().Count(); ++i) {
        const TSeBitmap& bitmap = *source.Bitmaps().Items(i);
        WriteStreamString(stream, bitmap.Name());
        TMemoryStream file;
        WriteBmp(file, bitmap.Bits(), bitmap.Width(), bitmap.Height(), BmpLayout::Rgb555);
        WriteInt32(stream, std::int32_t(file.Size()));
        stream.WriteBuffer(file.Memory(), file.Size());
    }
    WriteInt32(stream, source.Count());
    for (int i = 0; i < source.Count(); ++i)
        WriteObjectRecord(stream, source.StoredObject(i), false);
}

// ---- Filter layer ----------------------------------------------------------------------

void TSeSkinFilterUncompressed::StreamIn(TStream& stream) { ReadSkin(stream); }
void TSeSkinFilterUncompressed::StreamOut(TStream& stream) { WriteSkin(stream); }

void TSeSkinFilterCompressed::StreamIn(TStream& stream)
{
    const TInflatedBytes content = inflateContent(stream);
    TSeByteReader in(content.data.get(), content.size);
    ReadContent(in);
}

void TSeSkinFilterCompressed::StreamOut(TStream& stream) { deflateContent(*this, stream, Level()); }

// ---- Class table -----------------------------------------------------------------------

namespace {

template <class T>
TSeSkinFilter* createFilter()
{
    return new T();
}

// A deque, so the entries handed out stay put when filters are added.
std::deque<TSeSkinFilterClass>& filterTable()
{
    static std::deque<TSeSkinFilterClass> filters = {
        {"TSeSkinFilterUncompressed", "uskn", "Uncompressed Skin", createFilter<TSeSkinFilterUncompressed>},
        {"TSeSkinFilterCompressed", "kskn", "Compressed Skin", createFilter<TSeSkinFilterCompressed>},
        {"TSeSkinFilterUltraCompressed", "xskn", "Ultra Compressed Skin",
         createFilter<TSeSkinFilterUltraCompressed>},
        {"TSeSkinFilterMaxCompression", "mskn", "Maximum Compressed", createFilter<TSeSkinFilterMaxCompression>},
    };
    return filters;
}

} // namespace

void AddSkinFilter(const TSeSkinFilterClass& filter) { filterTable().push_back(filter); }

const TSeSkinFilterClass* FindSkinFilter(const std::string& fileName)
{
    // The extension starts at the last dot of the last path element.
    const std::size_t slash = fileName.find_last_of('/');
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return nullptr;
    const std::string extension = brio::asciiLower(fileName.substr(dot));
    for (const TSeSkinFilterClass& filter : filterTable())
        if (extension == "." + brio::asciiLower(filter.fileExtension))
            return &filter;
    return nullptr;
}

int SkinFilterCount() { return int(filterTable().size()); }
const TSeSkinFilterClass& SkinFilterAt(int index) { return filterTable()[std::size_t(index)]; }
const TSeSkinFilterClass& DefaultSkinFilter() { return filterTable()[1]; }
