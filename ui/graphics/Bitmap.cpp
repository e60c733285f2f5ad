#include "ui/graphics/Bitmap.h"

#include "platform/Gdi.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/images/NamedBitmaps.h"
#include "platform/images/PngIo.h"
#include "ui/graphics/BmpCodec.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Icon.h"
#include "ui/component/Stream.h"

#include <algorithm>
#include <cstring>
#include <vector>

// The bitmap's own memory DC with its DIB section selected.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }

    void FreeContext()
    {
        if (!HandleAllocated())
            return;
        HDC dc = Handle();
        SetHandle(nullptr);
        if (oldBitmap_)
            SelectObject(dc, oldBitmap_);
        oldBitmap_ = nullptr;
        DeleteDC(dc);
    }

protected:
    void CreateHandle() override
    {
        HDC dc = CreateCompatibleDC(nullptr);
        if (!dc)
            throw EOutOfResources("Out of system resources");
        if (bitmap_.handle_)
            oldBitmap_ = SelectObject(dc, bitmap_.handle_);
        SetHandle(dc);
    }

    void Changed() override
    {
        TCanvas::Changed();
        bitmap_.Changed();
    }

private:
    TBitmap& bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
};

namespace {

HBITMAP createTopDownDib(int width, int height, Pixel** bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    if (!dib)
        throw EOutOfResources("Out of system resources");
    *bits = static_cast<Pixel*>(memory);
    return dib;
}

TPixelFormat formatForBitCount(const BmpImage& image)
{
    switch (image.bitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return image.rgb565 ? pf16bit : pf15bit;
    case 24: return pf24bit;
    default: return pf32bit;
    }
}

BmpLayout layoutForFormat(TPixelFormat format)
{
    switch (format) {
    case pf15bit: return BmpLayout::Rgb555;
    case pf16bit: return BmpLayout::Rgb565;
    case pf1bit:
    case pf4bit:
    case pf8bit:
    case pf24bit: return BmpLayout::Rgb24;
    default: return BmpLayout::Rgb32;
    }
}

bool isPng(TStream& stream)
{
    static constexpr unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::int64_t start = stream.Position();
    unsigned char head[8] = {};
    std::int64_t n = stream.Read(head, 8);
    stream.SetPosition(start);
    return n == 8 && std::memcmp(head, signature, 8) == 0;
}

} // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
}

TBitmap::~TBitmap()
{
    canvas_.reset();
    if (handle_)
        DeleteObject(handle_);
}

TCanvas* TBitmap::Canvas()
{
    if (!canvas_)
        canvas_ = std::make_unique<TBitmapCanvas>(*this);
    return canvas_.get();
}

void TBitmap::freeCanvasContext()
{
    if (canvas_)
        canvas_->FreeContext();
}

void TBitmap::adopt(HBITMAP dib, Pixel* bits, int width, int height)
{
    freeCanvasContext();
    if (handle_ && handle_ != dib)
        DeleteObject(handle_);
    handle_ = dib;
    bits_ = bits;
    width_ = dib ? width : std::max(width, 0);
    height_ = dib ? height : std::max(height, 0);
    Changed();
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_)
        return;
    if (width == 0 || height == 0) {
        adopt(nullptr, nullptr, width, height);
        return;
    }
    Pixel* bits = nullptr;
    HBITMAP dib = createTopDownDib(width, height, &bits);
    int rows = std::min(height, height_);
    int columns = std::min(width, width_);
    if (bits_)
        brio::copyPixelRect(bits, width, bits_, width_, columns, rows);
    adopt(dib, bits, width, height);
}

void TBitmap::SetHandle(HBITMAP bitmap)
{
    if (bitmap == handle_)
        return;
    if (!bitmap) {
        adopt(nullptr, nullptr, 0, 0);
        return;
    }
    DIBSECTION ds{};
    int got = GetObject(bitmap, sizeof ds, &ds);
    if (got <= 0 || GetObjectType(bitmap) != OBJ_BITMAP)
        throw EInvalidGraphic("Bitmap image is not valid");
    int width = ds.dsBm.bmWidth;
    int height = ds.dsBm.bmHeight;
    if (got == int(sizeof ds) && ds.dsBm.bmBits && ds.dsBmih.biHeight < 0) {
        adopt(bitmap, static_cast<Pixel*>(ds.dsBm.bmBits), width, height);
        return;
    }
    // Not a top-down DIB section: copy the picture into one.
    Pixel* bits = nullptr;
    HBITMAP dib = createTopDownDib(width, height, &bits);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    GetDIBits(nullptr, bitmap, 0, UINT(height), bits, &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    adopt(dib, bits, width, height);
}

HBITMAP TBitmap::ReleaseHandle()
{
    freeCanvasContext();
    HBITMAP released = handle_;
    handle_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
    Changed();
    return released;
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == pfCustom)
        throw EInvalidGraphic("Invalid pixel format");
    if (format == pixelFormat_)
        return;
    pixelFormat_ = format;
    Changed();
}

void TBitmap::SetAlphaFormat(TAlphaFormat format)
{
    if (format == alphaFormat_)
        return;
    alphaFormat_ = format;
    Changed();
}

Pixel* TBitmap::ScanLine(int y)
{
    if (!bits_ || y < 0 || y >= height_)
        throw EInvalidGraphicOperation("Scan line index out of range");
    GdiFlush();
    return bits_ + std::size_t(y) * std::size_t(width_);
}

const Pixel* TBitmap::ScanLine(int y) const
{
    return const_cast<TBitmap*>(this)->ScanLine(y);
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    if (!bits_)
        return clNone;
    return TColor(ColorRefFromPixel(bits_[std::size_t(height_ - 1) * std::size_t(width_)]));
}

void TBitmap::SetTransparentColor(TColor color)
{
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
    transparentColor_ = color;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == transparentMode_)
        return;
    if (mode == tmAuto)
        SetTransparentColor(clDefault);
    else
        SetTransparentColor(TransparentColor());
}

void TBitmap::Assign(const TPersistent* source)
{
    if (!source) {
        adopt(nullptr, nullptr, 0, 0);
        return;
    }
    if (auto* other = dynamic_cast<const TBitmap*>(source)) {
        if (other == this)
            return;
        pixelFormat_ = other->pixelFormat_;
        alphaFormat_ = other->alphaFormat_;
        transparent_ = other->transparent_;
        transparentMode_ = other->transparentMode_;
        transparentColor_ = other->transparentColor_;
        loadPixels(other->bits_, other->width_, other->height_);
        return;
    }
    if (auto* icon = dynamic_cast<const TIcon*>(source)) {
        std::vector<Pixel> pixels = icon->StraightAlphaPixels();
        pixelFormat_ = pf32bit;
        alphaFormat_ = afDefined;
        loadPixels(pixels.data(), icon->Width(), icon->Height());
        return;
    }
    TPersistent::Assign(source);
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(this);
    return copy;
}

void TBitmap::loadPixels(const Pixel* pixels, int width, int height)
{
    if (!pixels || width <= 0 || height <= 0) {
        adopt(nullptr, nullptr, 0, 0);
        return;
    }
    Pixel* bits = nullptr;
    HBITMAP dib = createTopDownDib(width, height, &bits);
    std::memcpy(bits, pixels, std::size_t(width) * std::size_t(height) * 4);
    adopt(dib, bits, width, height);
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name)
{
    HBITMAP bitmap = LoadBitmap(instance, name.c_str());
    if (!bitmap)
        throw EResNotFound("Resource " + name + " not found");
    SetHandle(bitmap);
    pixelFormat_ = pf32bit;
}

void TBitmap::LoadFromStream(TStream& stream)
{
    if (isPng(stream)) {
        std::int64_t size = stream.Size() - stream.Position();
        std::vector<unsigned char> data(static_cast<std::size_t>(size));
        stream.ReadBuffer(data.data(), size);
        PixelBufferPtr png;
        try {
            png = ReadPngFromMemory(data.data(), data.size());
        } catch (const std::runtime_error& e) {
            throw EInvalidGraphic(std::string("PNG image is not valid: ") + e.what());
        }
        std::vector<Pixel> pixels(std::size_t(png->width()) * std::size_t(png->height()));
        brio::copyPixelRect(pixels.data(), png->width(), png->row(0), png->stride(), png->width(), png->height());
        bool translucent = false;
        for (Pixel p : pixels)
            translucent |= (p >> 24) != 0xFF;
        loadPixels(pixels.data(), png->width(), png->height());
        pixelFormat_ = translucent ? pf32bit : pf24bit;
        alphaFormat_ = translucent ? afDefined : afIgnored;
        return;
    }
    BmpImage image = ReadBmp(stream);
    loadPixels(image.pixels.data(), image.width, image.height);
    pixelFormat_ = formatForBitCount(image);
    alphaFormat_ = afIgnored;
}

void TBitmap::SaveToStream(TStream& stream)
{
    WriteBmp(stream, bits_, width_, height_, layoutForFormat(pixelFormat_));
}

void TBitmap::Draw(TCanvas& canvas, const RECT& rect)
{
    if (Empty())
        return;
    HDC target = canvas.Handle();
    HDC source = Canvas()->Handle();
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (transparent_) {
        TransparentBlt(target, rect.left, rect.top, width, height, source, 0, 0, width_, height_,
                       ColorToRGB(TransparentColor()));
    } else if (alphaFormat_ == afDefined) {
        BLENDFUNCTION blend;
        blend.AlphaFormat = AC_SRC_ALPHA;
        AlphaBlend(target, rect.left, rect.top, width, height, source, 0, 0, width_, height_, blend);
    } else {
        StretchBlt(target, rect.left, rect.top, width, height, source, 0, 0, width_, height_, canvas.CopyMode());
    }
}
