// BMP files, straight through the codec and through TBitmap (which also
// takes PNG). What the codec reads it must write and read back unchanged
// as 32-bit pixels; what TBitmap loads it must save in its own pixel format
// and load again, after which a second save gives the same bytes.

#include "ui/component/Exception.h"
#include "ui/component/Stream.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/BmpCodec.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

TMemoryStream streamOf(const void* data, std::size_t size)
{
    TMemoryStream stream;
    stream.WriteBuffer(data, std::int64_t(size));
    stream.SetPosition(0);
    return stream;
}

void codec(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream in = streamOf(data, size);
    BmpImage image = ReadBmp(in);
    if (image.pixels.size() != std::size_t(image.width) * std::size_t(image.height) || in.Position() > in.Size())
        std::abort();
    TMemoryStream out;
    WriteBmp(out, image.pixels.data(), image.width, image.height, BmpLayout::Rgb32);
    out.SetPosition(0);
    BmpImage again = ReadBmp(out);
    // A picture whose alpha bytes are all zero reads back opaque; any other comes back as it was.
    bool allClear = true;
    for (Pixel p : image.pixels)
        allClear &= (p >> 24) == 0;
    if (again.width != image.width || again.height != image.height || (!allClear && again.pixels != image.pixels))
        std::abort();
}

std::string saved(TBitmap& bitmap)
{
    TMemoryStream out;
    bitmap.SaveToStream(out);
    return std::string(reinterpret_cast<const char*>(out.Memory()), std::size_t(out.Size()));
}

void bitmap(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream in = streamOf(data, size);
    TBitmap first;
    first.LoadFromStream(in);
    const std::string once = saved(first);
    TMemoryStream second = streamOf(once.data(), once.size());
    TBitmap reloaded;
    reloaded.LoadFromStream(second);
    if (reloaded.Width() != first.Width() || reloaded.Height() != first.Height())
        std::abort();
    const std::string twice = saved(reloaded);
    TMemoryStream third = streamOf(twice.data(), twice.size());
    TBitmap again;
    again.LoadFromStream(third);
    if (saved(again) != twice)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        codec(data, size);
    } catch (const Exception&) {
    }
    try {
        bitmap(data, size);
    } catch (const Exception&) {
    }
    return 0;
}
