#include "ui/graphics/Icon.h"

#include "platform/ByteOrder.h"
#include "platform/Gdi.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/images/PngIo.h"
#include "ui/graphics/BmpCodec.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/component/Stream.h"

#include <cstring>

namespace {

[[noreturn]] void invalidIcon()
{
    throw EInvalidGraphic("Icon image is not valid");
}

using brio::readLittleEndian16;
using brio::readLittleEndian32;
using brio::writeLittleEndian16;
using brio::writeLittleEndian32;

std::vector<Pixel> bitmapPixels(HBITMAP bitmap, int width, int height)
{
    std::vector<Pixel> pixels(std::size_t(width) * std::size_t(height));
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    GetDIBits(nullptr, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

struct DecodedIcon {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
};

// A BMP-coded icon image: the header's height counts the colour rows and
// the AND-mask rows; the mask follows the colour rows.
DecodedIcon decodeDibImage(const unsigned char* data, std::size_t size)
{
    if (size < 40)
        invalidIcon();
    std::uint32_t headerSize = readLittleEndian32(data);
    int width = std::int32_t(readLittleEndian32(data + 4));
    int doubledHeight = std::int32_t(readLittleEndian32(data + 8));
    int bitCount = readLittleEndian16(data + 14);
    std::uint32_t compression = readLittleEndian32(data + 16);
    std::uint32_t colorsUsed = readLittleEndian32(data + 32);
    if (headerSize < 40 || headerSize > size || width <= 0 || width > 1024 || doubledHeight <= 0
        || doubledHeight > 2048)
        invalidIcon();
    int height = doubledHeight / 2;
    std::size_t paletteBytes = 0;
    if (bitCount <= 8)
        paletteBytes = 4 * std::size_t(colorsUsed ? colorsUsed : (1u << bitCount));
    if (compression == BI_BITFIELDS && headerSize == 40)
        paletteBytes = 12;
    if (paletteBytes > 1024)
        invalidIcon();

    // Give the decoder a file header and the colour rows only.
    std::size_t colorRowBytes = ((std::size_t(width) * std::size_t(bitCount) + 31) / 32) * 4;
    std::size_t maskRowBytes = ((std::size_t(width) + 31) / 32) * 4;
    std::size_t pixelStart = headerSize + paletteBytes;
    std::size_t colorBytes = colorRowBytes * std::size_t(height);
    if (pixelStart > size || size - pixelStart < colorBytes)
        invalidIcon();
    TMemoryStream file;
    unsigned char fileHeader[14] = {'B', 'M'};
    writeLittleEndian32(fileHeader + 2, std::uint32_t(14 + pixelStart + colorBytes));
    writeLittleEndian32(fileHeader + 10, std::uint32_t(14 + pixelStart));
    file.WriteBuffer(fileHeader, 14);
    file.WriteBuffer(data, std::int64_t(pixelStart + colorBytes));
    writeLittleEndian32(file.Memory() + 14 + 8, std::uint32_t(height));
    file.SetPosition(0);
    BmpImage image;
    try {
        image = ReadBmp(file);
    } catch (const EInvalidGraphic&) {
        invalidIcon();
    }
    DecodedIcon icon{image.width, image.height, std::move(image.pixels)};

    bool hasAlpha = false;
    if (bitCount == 32)
        for (Pixel p : icon.pixels)
            hasAlpha |= (p >> 24) != 0xFF;
    const unsigned char* mask = data + pixelStart + colorBytes;
    std::size_t maskBytes = maskRowBytes * std::size_t(height);
    if (!hasAlpha && size - pixelStart - colorBytes >= maskBytes) {
        for (int y = 0; y < height; ++y) {
            const unsigned char* row = mask + std::size_t(height - 1 - y) * maskRowBytes;
            Pixel* out = icon.pixels.data() + std::size_t(y) * std::size_t(width);
            for (int x = 0; x < width; ++x)
                if ((row[x / 8] >> (7 - x % 8)) & 1)
                    out[x] &= 0x00FFFFFFu;
        }
    }
    return icon;
}

DecodedIcon decodePngImage(const unsigned char* data, std::size_t size)
{
    PixelBufferPtr png;
    try {
        png = ReadPngFromMemory(data, size);
    } catch (const std::runtime_error&) {
        invalidIcon();
    }
    DecodedIcon icon{png->width(), png->height(), {}};
    icon.pixels.resize(std::size_t(icon.width) * std::size_t(icon.height));
    brio::copyPixelRect(icon.pixels.data(), icon.width, png->row(0), png->stride(), icon.width, icon.height);
    return icon;
}

} // namespace

HICON CreateIconFromPixels(const Pixel* pixels, int width, int height)
{
    if (!pixels || width <= 0 || height <= 0)
        return nullptr;
    TBitmap color(width, height);
    brio::copyPixelRect(color.ScanLine(0), width, pixels, width, width, height);
    ICONINFO info;
    info.hbmColor = color.Handle();
    return CreateIconIndirect(&info);
}

TIcon::~TIcon()
{
    if (handle_)
        DestroyIcon(handle_);
}

void TIcon::SetHandle(HICON icon)
{
    if (icon == handle_)
        return;
    int width = 0, height = 0;
    ICONINFO info;
    if (icon && GetIconInfo(icon, &info)) {
        BITMAP bm{};
        if (info.hbmColor && GetObject(info.hbmColor, sizeof bm, &bm)) {
            width = bm.bmWidth;
            height = bm.bmHeight;
        }
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    } else if (icon) {
        throw EInvalidGraphic("Icon image is not valid");
    }
    if (handle_)
        DestroyIcon(handle_);
    handle_ = icon;
    width_ = width;
    height_ = height;
    Changed();
}

HICON TIcon::ReleaseHandle()
{
    HICON released = handle_;
    handle_ = nullptr;
    width_ = height_ = 0;
    Changed();
    return released;
}

void TIcon::SetWidth(int width)
{
    if (width != width_)
        throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(int height)
{
    if (height != height_)
        throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::Assign(const TPersistent* source)
{
    if (!source) {
        SetHandle(nullptr);
        return;
    }
    if (auto* other = dynamic_cast<const TIcon*>(source)) {
        if (other != this)
            SetHandle(other->handle_ ? CopyIcon(other->handle_) : nullptr);
        return;
    }
    if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        if (bitmap->Empty()) {
            SetHandle(nullptr);
            return;
        }
        int w = bitmap->Width(), h = bitmap->Height();
        std::vector<Pixel> pixels(std::size_t(w) * std::size_t(h));
        brio::copyPixelRect(pixels.data(), w, bitmap->ScanLine(0), w, w, h);
        bool keepAlpha = bitmap->AlphaFormat() == afDefined;
        COLORREF key = ColorToRGB(bitmap->TransparentColor());
        for (Pixel& p : pixels) {
            Pixel alpha = keepAlpha ? (p >> 24) : 0xFFu;
            if (bitmap->Transparent() && (p & 0xFFFFFFu) == (PixelFromColorRef(key) & 0xFFFFFFu))
                alpha = 0;
            p = (p & 0xFFFFFFu) | (alpha << 24);
        }
        SetHandle(CreateIconFromPixels(pixels.data(), w, h));
        return;
    }
    TPersistent::Assign(source);
}

std::unique_ptr<TGraphic> TIcon::Clone() const
{
    auto copy = std::make_unique<TIcon>();
    copy->Assign(this);
    return copy;
}

std::vector<Pixel> TIcon::StraightAlphaPixels() const
{
    ICONINFO info;
    if (!handle_ || !GetIconInfo(handle_, &info))
        return {};
    std::vector<Pixel> pixels = bitmapPixels(info.hbmColor, width_, height_);
    if (info.hbmMask) {
        std::vector<Pixel> mask = bitmapPixels(info.hbmMask, width_, height_);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            if (mask[i] & 0xFFFFFFu)
                pixels[i] &= 0x00FFFFFFu;
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

void TIcon::Draw(TCanvas& canvas, const RECT& rect)
{
    if (!handle_)
        return;
    DrawIconEx(canvas.Handle(), rect.left, rect.top, handle_, rect.right - rect.left, rect.bottom - rect.top, 0,
               nullptr, DI_NORMAL);
}

void TIcon::LoadFromStream(TStream& stream)
{
    std::int64_t start = stream.Position();
    std::int64_t available = stream.Size() - start;
    unsigned char dir[6];
    if (available < 6 || stream.Read(dir, 6) != 6)
        invalidIcon();
    int count = readLittleEndian16(dir + 4);
    if (readLittleEndian16(dir) != 0 || (readLittleEndian16(dir + 2) != 1 && readLittleEndian16(dir + 2) != 2) || count == 0
        || available < 6 + 16 * std::int64_t(count))
        invalidIcon();
    std::vector<unsigned char> entries(std::size_t(16 * count));
    stream.ReadBuffer(entries.data(), std::int64_t(entries.size()));

    // The largest image, and of equal sizes the deepest.
    int best = -1;
    int bestArea = -1, bestDepth = -1;
    for (int i = 0; i < count; ++i) {
        const unsigned char* e = entries.data() + 16 * i;
        int w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256;
        int depth = readLittleEndian16(e + 6);
        if (w * h > bestArea || (w * h == bestArea && depth > bestDepth)) {
            best = i;
            bestArea = w * h;
            bestDepth = depth;
        }
    }
    const unsigned char* e = entries.data() + 16 * best;
    std::uint32_t size = readLittleEndian32(e + 8);
    std::uint32_t offset = readLittleEndian32(e + 12);
    if (size < 8 || offset < 6 + 16 * std::uint32_t(count) || std::int64_t(offset) + size > available)
        invalidIcon();
    std::vector<unsigned char> data(size);
    stream.SetPosition(start + offset);
    stream.ReadBuffer(data.data(), size);

    static constexpr unsigned char pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    DecodedIcon image = std::memcmp(data.data(), pngSignature, 8) == 0 ? decodePngImage(data.data(), size)
                                                                        : decodeDibImage(data.data(), size);
    HICON icon = CreateIconFromPixels(image.pixels.data(), image.width, image.height);
    if (!icon)
        invalidIcon();
    SetHandle(icon);
}

void TIcon::SaveToStream(TStream& stream)
{
    if (!handle_)
        throw EInvalidGraphicOperation("Icon image is not valid");
    std::vector<Pixel> pixels = StraightAlphaPixels();
    int w = width_, h = height_;
    std::size_t maskRowBytes = ((std::size_t(w) + 31) / 32) * 4;
    std::size_t imageSize = 40 + std::size_t(w) * std::size_t(h) * 4 + maskRowBytes * std::size_t(h);
    std::vector<unsigned char> out(6 + 16 + imageSize, 0);
    unsigned char* p = out.data();
    writeLittleEndian16(p + 2, 1);
    writeLittleEndian16(p + 4, 1);
    p[6] = std::uint8_t(w >= 256 ? 0 : w);
    p[7] = std::uint8_t(h >= 256 ? 0 : h);
    writeLittleEndian16(p + 10, 1);
    writeLittleEndian16(p + 12, 32);
    writeLittleEndian32(p + 14, std::uint32_t(imageSize));
    writeLittleEndian32(p + 18, 22);
    unsigned char* header = p + 22;
    writeLittleEndian32(header, 40);
    writeLittleEndian32(header + 4, std::uint32_t(w));
    writeLittleEndian32(header + 8, std::uint32_t(2 * h));
    writeLittleEndian16(header + 12, 1);
    writeLittleEndian16(header + 14, 32);
    unsigned char* colors = header + 40;
    unsigned char* mask = colors + std::size_t(w) * std::size_t(h) * 4;
    for (int y = 0; y < h; ++y) {
        const Pixel* row = pixels.data() + std::size_t(h - 1 - y) * std::size_t(w);
        for (int x = 0; x < w; ++x) {
            writeLittleEndian32(colors + (std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4, row[x]);
            if ((row[x] >> 24) == 0)
                mask[std::size_t(y) * maskRowBytes + std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        }
    }
    stream.WriteBuffer(out.data(), std::int64_t(out.size()));
}
