#include "ui/graphics/BmpCodec.h"

#include "platform/ByteOrder.h"
#include "platform/Gdi.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr DWORD BI_RLE8 = 1;
constexpr DWORD BI_RLE4 = 2;
constexpr DWORD BI_JPEG = 4;
constexpr DWORD BI_PNG = 5;
constexpr DWORD BI_ALPHABITFIELDS = 6;
constexpr std::int64_t maxPixels = std::int64_t(1) << 28; // what a DIB section may hold
constexpr int fileHeaderSize = 14;

[[noreturn]] void invalid()
{
    throw EInvalidGraphic("Bitmap image is not valid");
}

[[noreturn]] void unsupported()
{
    throw EInvalidGraphic("Unsupported bitmap format");
}

void readExactly(TStream& stream, void* buffer, std::int64_t count)
{
    if (count > 0 && stream.Read(buffer, count) != count)
        invalid();
}

using brio::readLittleEndian16;
using brio::readLittleEndian32;
using brio::writeLittleEndian16;
using brio::writeLittleEndian32;

// One colour channel of a bit-field pixel.
struct Field {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    static Field make(std::uint32_t mask)
    {
        Field f;
        if (mask == 0)
            return f;
        f.mask = mask;
        f.shift = std::countr_zero(mask);
        f.bits = std::popcount(mask);
        if (std::countr_one(mask >> f.shift) != f.bits)
            invalid(); // the bits must be contiguous
        return f;
    }
    int extract(std::uint32_t value) const
    {
        std::uint32_t raw = (value & mask) >> shift;
        return bits >= 8 ? int(raw >> (bits - 8)) : ExpandChannel(int(raw), bits);
    }
};

struct Header {
    std::int64_t start = 0; // stream position of the file header
    std::uint32_t offBits = 0;
    std::uint32_t infoSize = 0;
    int width = 0;
    int height = 0; // positive
    bool topDown = false;
    int bitCount = 0;
    DWORD compression = BI_RGB;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[4] = {}; // red, green, blue, alpha
    bool hasMasks = false;
};

Header readHeaders(TStream& stream)
{
    Header h;
    h.start = stream.Position();
    unsigned char file[fileHeaderSize];
    readExactly(stream, file, fileHeaderSize);
    if (file[0] != 'B' || file[1] != 'M')
        invalid();
    h.offBits = readLittleEndian32(file + 10);

    unsigned char info[124] = {};
    readExactly(stream, info, 4);
    h.infoSize = readLittleEndian32(info);
    bool core = h.infoSize == 12;
    if (!core && h.infoSize != 40 && h.infoSize != 52 && h.infoSize != 56 && h.infoSize != 64
        && h.infoSize != 108 && h.infoSize != 124)
        invalid();
    readExactly(stream, info + 4, h.infoSize - 4);

    int planes;
    std::int64_t height;
    if (core) {
        h.width = readLittleEndian16(info + 4);
        height = readLittleEndian16(info + 6);
        planes = readLittleEndian16(info + 8);
        h.bitCount = readLittleEndian16(info + 10);
    } else {
        h.width = std::int32_t(readLittleEndian32(info + 4));
        height = std::int32_t(readLittleEndian32(info + 8));
        planes = readLittleEndian16(info + 12);
        h.bitCount = readLittleEndian16(info + 14);
        h.compression = readLittleEndian32(info + 16);
        h.colorsUsed = readLittleEndian32(info + 32);
    }
    if (planes != 1 || h.width < 0 || height == INT32_MIN)
        invalid();
    h.topDown = height < 0;
    h.height = int(height < 0 ? -height : height);

    if (h.compression == BI_RLE8 || h.compression == BI_RLE4 || h.compression == BI_JPEG
        || h.compression == BI_PNG)
        unsupported();
    bool bitfields = h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS;
    if (h.compression != BI_RGB && !bitfields)
        invalid();
    if (h.infoSize == 64 && bitfields)
        unsupported(); // the old two-dimensional header gives 3 another meaning

    switch (h.bitCount) {
    case 1: case 4: case 8: case 24:
        if (bitfields)
            invalid();
        break;
    case 16: case 32:
        break;
    default:
        invalid();
    }
    if (core && (h.bitCount == 16 || h.bitCount == 32))
        invalid();

    if (bitfields) {
        h.hasMasks = true;
        if (h.infoSize >= 52) {
            for (int i = 0; i < 3; ++i)
                h.masks[i] = readLittleEndian32(info + 40 + 4 * i);
            if (h.infoSize >= 56)
                h.masks[3] = readLittleEndian32(info + 52);
        } else {
            int count = h.compression == BI_ALPHABITFIELDS ? 4 : 3;
            unsigned char masks[16];
            readExactly(stream, masks, 4 * count);
            for (int i = 0; i < count; ++i)
                h.masks[i] = readLittleEndian32(masks + 4 * i);
        }
    } else if (h.bitCount == 16) {
        h.hasMasks = true;
        h.masks[0] = 0x7C00;
        h.masks[1] = 0x03E0;
        h.masks[2] = 0x001F;
    }
    if (h.width > 0 && h.height > 0 && std::int64_t(h.width) * h.height > maxPixels)
        invalid();
    return h;
}

std::vector<Pixel> readPalette(TStream& stream, const Header& h)
{
    if (h.bitCount > 8)
        return {};
    int entrySize = h.infoSize == 12 ? 3 : 4;
    std::int64_t count = h.colorsUsed ? h.colorsUsed : (std::int64_t(1) << h.bitCount);
    if (count > (std::int64_t(1) << h.bitCount))
        invalid();
    std::int64_t paletteStart = stream.Position() - h.start;
    if (h.offBits != 0) {
        std::int64_t room = (std::int64_t(h.offBits) - paletteStart) / entrySize;
        if (room < 0)
            invalid();
        count = std::min(count, room);
    }
    std::vector<unsigned char> raw(std::size_t(count * entrySize));
    readExactly(stream, raw.data(), std::int64_t(raw.size()));
    std::vector<Pixel> palette(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const unsigned char* e = raw.data() + i * std::size_t(entrySize);
        palette[i] = 0xFF000000u | (Pixel(e[2]) << 16) | (Pixel(e[1]) << 8) | e[0];
    }
    return palette;
}

// Row decoders: one per layout, so no loop branches per pixel.
template <int Bits>
void decodeIndexed(const unsigned char* src, Pixel* dst, int width, const std::vector<Pixel>& palette)
{
    constexpr int perByte = 8 / Bits;
    constexpr unsigned mask = (1u << Bits) - 1;
    for (int x = 0; x < width; ++x) {
        unsigned byte = src[x / perByte];
        unsigned index = (byte >> ((perByte - 1 - x % perByte) * Bits)) & mask;
        dst[x] = index < palette.size() ? palette[index] : 0xFF000000u;
    }
}

void decode24(const unsigned char* src, Pixel* dst, int width)
{
    for (int x = 0; x < width; ++x, src += 3)
        dst[x] = 0xFF000000u | (Pixel(src[2]) << 16) | (Pixel(src[1]) << 8) | src[0];
}

void decode32(const unsigned char* src, Pixel* dst, int width)
{
    std::memcpy(dst, src, std::size_t(width) * 4);
}

template <int Bytes>
void decodeFields(const unsigned char* src, Pixel* dst, int width, const Field* fields)
{
    for (int x = 0; x < width; ++x, src += Bytes) {
        std::uint32_t v = Bytes == 2 ? readLittleEndian16(src) : readLittleEndian32(src);
        int a = fields[3].bits ? fields[3].extract(v) : 255;
        dst[x] = (Pixel(a) << 24) | (Pixel(fields[0].extract(v)) << 16) | (Pixel(fields[1].extract(v)) << 8)
                 | Pixel(fields[2].extract(v));
    }
}

// Most writers leave the fourth byte zero; such an image is opaque.
void opaqueWhenNoAlpha(std::vector<Pixel>& pixels)
{
    for (Pixel p : pixels)
        if (p >> 24)
            return;
    for (Pixel& p : pixels)
        p |= 0xFF000000u;
}

} // namespace

int QuantizeChannel(int value8, int bits)
{
    int max = (1 << bits) - 1;
    return (value8 * max + 127) / 255;
}

int ExpandChannel(int value, int bits)
{
    if (bits <= 0)
        return 0; // a zero bit-field mask: the channel is absent
    int max = (1 << bits) - 1;
    return (value * 255 + max / 2) / max;
}

BmpImage ReadBmp(TStream& stream)
{
    Header h = readHeaders(stream);
    std::vector<Pixel> palette = readPalette(stream, h);

    BmpImage image;
    image.bitCount = h.bitCount;
    image.rgb565 = h.bitCount == 16 && h.masks[1] == 0x07E0;
    if (h.width == 0 || h.height == 0) {
        std::int64_t end = h.start + std::max<std::int64_t>(h.offBits, stream.Position() - h.start);
        if (end > stream.Size())
            invalid();
        stream.SetPosition(end);
        return image;
    }

    std::int64_t rowBytes = ((std::int64_t(h.width) * h.bitCount + 31) / 32) * 4;
    std::int64_t dataSize = rowBytes * h.height;
    std::int64_t dataStart = h.offBits ? h.start + h.offBits : stream.Position();
    if (dataStart < stream.Position() || stream.Size() - dataStart < dataSize)
        invalid();
    stream.SetPosition(dataStart);
    std::vector<unsigned char> data(static_cast<std::size_t>(dataSize));
    readExactly(stream, data.data(), dataSize);

    Field fields[4];
    if (h.hasMasks)
        for (int i = 0; i < 4; ++i)
            fields[i] = Field::make(h.masks[i]);

    image.width = h.width;
    image.height = h.height;
    image.pixels.resize(std::size_t(h.width) * std::size_t(h.height));
    for (int y = 0; y < h.height; ++y) {
        const unsigned char* src = data.data() + std::size_t(y) * std::size_t(rowBytes);
        int pictureRow = h.topDown ? y : h.height - 1 - y;
        Pixel* dst = image.pixels.data() + std::size_t(pictureRow) * std::size_t(h.width);
        switch (h.bitCount) {
        case 1: decodeIndexed<1>(src, dst, h.width, palette); break;
        case 4: decodeIndexed<4>(src, dst, h.width, palette); break;
        case 8: decodeIndexed<8>(src, dst, h.width, palette); break;
        case 16: decodeFields<2>(src, dst, h.width, fields); break;
        case 24: decode24(src, dst, h.width); break;
        default:
            if (h.hasMasks)
                decodeFields<4>(src, dst, h.width, fields);
            else
                decode32(src, dst, h.width);
        }
    }
    bool mayCarryAlpha = h.bitCount == 32 || (h.bitCount == 16 && fields[3].bits);
    if (mayCarryAlpha)
        opaqueWhenNoAlpha(image.pixels);
    return image;
}

namespace {

template <BmpLayout Layout>
void encodeRow(const Pixel* src, unsigned char* dst, int width)
{
    for (int x = 0; x < width; ++x) {
        Pixel p = src[x];
        int r = int((p >> 16) & 0xFF), g = int((p >> 8) & 0xFF), b = int(p & 0xFF);
        if constexpr (Layout == BmpLayout::Rgb555) {
            writeLittleEndian16(dst + 2 * x, unsigned(QuantizeChannel(r, 5) << 10 | QuantizeChannel(g, 5) << 5
                                        | QuantizeChannel(b, 5)));
        } else if constexpr (Layout == BmpLayout::Rgb565) {
            writeLittleEndian16(dst + 2 * x, unsigned(QuantizeChannel(r, 5) << 11 | QuantizeChannel(g, 6) << 5
                                        | QuantizeChannel(b, 5)));
        } else if constexpr (Layout == BmpLayout::Rgb24) {
            dst[3 * x] = std::uint8_t(b);
            dst[3 * x + 1] = std::uint8_t(g);
            dst[3 * x + 2] = std::uint8_t(r);
        } else {
            writeLittleEndian32(dst + 4 * x, p);
        }
    }
}

} // namespace

void WriteBmp(TStream& stream, const Pixel* pixels, int width, int height, BmpLayout layout)
{
    if (width <= 0 || height <= 0 || !pixels)
        width = height = 0;
    int bitCount = layout == BmpLayout::Rgb24 ? 24 : layout == BmpLayout::Rgb32 ? 32 : 16;
    bool masks = layout == BmpLayout::Rgb565;
    std::uint32_t headersSize = fileHeaderSize + 40 + (masks ? 12 : 0);
    std::size_t rowBytes = ((std::size_t(width) * std::size_t(bitCount) + 31) / 32) * 4;
    std::size_t dataSize = rowBytes * std::size_t(height);

    std::vector<unsigned char> out(headersSize + dataSize, 0);
    unsigned char* p = out.data();
    p[0] = 'B';
    p[1] = 'M';
    writeLittleEndian32(p + 2, std::uint32_t(out.size()));
    writeLittleEndian32(p + 10, headersSize);
    p += fileHeaderSize;
    writeLittleEndian32(p, 40);
    writeLittleEndian32(p + 4, std::uint32_t(width));
    writeLittleEndian32(p + 8, std::uint32_t(height));
    writeLittleEndian16(p + 12, 1);
    writeLittleEndian16(p + 14, unsigned(bitCount));
    writeLittleEndian32(p + 16, masks ? BI_BITFIELDS : BI_RGB);
    writeLittleEndian32(p + 20, std::uint32_t(dataSize));
    writeLittleEndian32(p + 24, 3780); // 96 pixels per inch
    writeLittleEndian32(p + 28, 3780);
    if (masks) {
        writeLittleEndian32(p + 40, 0xF800);
        writeLittleEndian32(p + 44, 0x07E0);
        writeLittleEndian32(p + 48, 0x001F);
    }
    unsigned char* data = out.data() + headersSize;
    for (int y = 0; y < height; ++y) {
        const Pixel* src = pixels + std::size_t(height - 1 - y) * std::size_t(width);
        unsigned char* dst = data + std::size_t(y) * rowBytes;
        switch (layout) {
        case BmpLayout::Rgb555: encodeRow<BmpLayout::Rgb555>(src, dst, width); break;
        case BmpLayout::Rgb565: encodeRow<BmpLayout::Rgb565>(src, dst, width); break;
        case BmpLayout::Rgb24: encodeRow<BmpLayout::Rgb24>(src, dst, width); break;
        case BmpLayout::Rgb32: encodeRow<BmpLayout::Rgb32>(src, dst, width); break;
        }
    }
    stream.WriteBuffer(out.data(), std::int64_t(out.size()));
}
