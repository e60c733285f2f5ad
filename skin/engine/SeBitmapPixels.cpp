// TSeBitmap operations that work on the pixel memory directly: copies
// between skin bitmaps, fills, the hue shift, regions and the stream record.

#include "skin/engine/SeBitmap.h"

#include "platform/Gdi.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "platform/WinUser.h"
#include "skin/engine/SeByteReader.h"
#include "skin/engine/SeKeyedPixels.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeStreamIo.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Picture.h"
#include "ui/component/Stream.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

void copyRowOpaque(Pixel* out, const Pixel* in, int count)
{
    for (int i = 0; i < count; ++i)
        out[i] = in[i] | 0xFF000000;
}

} // namespace

void TSeBitmap::PutInto(TSeBitmap& target, int x, int y, const RECT& source) const
{
    if (IsEmpty() || target.IsEmpty())
        return;
    int sx = std::max(int(source.left), 0), sy = std::max(int(source.top), 0);
    int dx = x + (sx - source.left), dy = y + (sy - source.top);
    int w = std::min(int(source.right), width_) - sx, h = std::min(int(source.bottom), height_) - sy;
    if (dx < 0) {
        sx -= dx;
        w += dx;
        dx = 0;
    }
    if (dy < 0) {
        sy -= dy;
        h += dy;
        dy = 0;
    }
    w = std::min(w, target.width_ - dx);
    h = std::min(h, target.height_ - dy);
    if (w < 1 || h < 1)
        return;
    if (useAlpha_) {
        for (int row = 0; row < h; ++row)
            BlendRowSourceAlpha(target.ScanLine(dy + row) + dx, ScanLine(sy + row) + sx, w);
    } else {
        brio::copyPixelRect(target.ScanLine(dy) + dx, target.width_, ScanLine(sy) + sx, width_, w, h);
    }
}

void TSeBitmap::StretchTo(TSeBitmap& target, const RECT& dest, const RECT& source) const
{
    const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    if (IsEmpty() || target.IsEmpty() || dw < 1 || dh < 1 || sw < 1 || sh < 1)
        return;
    const int x0 = std::max(int(dest.left), 0), x1 = std::min(int(dest.right), target.width_);
    const int y0 = std::max(int(dest.top), 0), y1 = std::min(int(dest.bottom), target.height_);
    std::vector<int> columns;
    for (int x = x0; x < x1; ++x)
        columns.push_back(source.left + int(std::int64_t(x - dest.left) * sw / dw));
    auto stretchRows = [&](auto writePixel) {
        for (int y = y0; y < y1; ++y) {
            const int sy = source.top + int(std::int64_t(y - dest.top) * sh / dh);
            if (sy < 0 || sy >= height_)
                continue;
            const Pixel* in = ScanLine(sy);
            Pixel* out = target.ScanLine(y);
            for (int x = x0; x < x1; ++x) {
                const int sx = columns[std::size_t(x - x0)];
                if (sx >= 0 && sx < width_)
                    writePixel(out[x], in[sx]);
            }
        }
    };
    if (useAlpha_)
        stretchRows([](Pixel& d, Pixel s) { d = BlendPixel(s, d, s >> 24); });
    else
        stretchRows([](Pixel& d, Pixel s) { d = s; });
}

void TSeBitmap::MergeUnder(const TSeBitmap& source, int x, int y, const RECT& sourceRect)
{
    if (IsEmpty() || source.IsEmpty())
        return;
    for (int row = sourceRect.top; row < sourceRect.bottom; ++row) {
        const int ty = y + row - sourceRect.top;
        if (row < 0 || row >= source.height_ || ty < 0 || ty >= height_)
            continue;
        const Pixel* in = source.ScanLine(row);
        Pixel* out = ScanLine(ty);
        const int c0 = std::max({int(sourceRect.left), 0, int(sourceRect.left) - x});
        const int c1 = std::min({int(sourceRect.right), source.width_, int(sourceRect.left) + width_ - x});
        for (int col = c0; col < c1; ++col) {
            Pixel& d = out[x + col - sourceRect.left];
            const std::uint32_t a = d >> 24;
            if (a == 0)
                d = in[col];
            else if (a < 255)
                d = BlendPixel(d, in[col], d >> 24);
        }
    }
}

void TSeBitmap::FillRect(const RECT& r, Pixel value)
{
    const int x0 = std::max(int(r.left), 0), x1 = std::min(int(r.right), width_);
    const int y0 = std::max(int(r.top), 0), y1 = std::min(int(r.bottom), height_);
    if (IsEmpty() || x1 <= x0 || y1 <= y0)
        return;
    for (int y = y0; y < y1; ++y) {
        Pixel* row = ScanLine(y);
        if (useAlpha_)
            for (int x = x0; x < x1; ++x)
                row[x] = BlendPixel(value, row[x], value >> 24);
        else
            std::fill(row + x0, row + x1, value);
    }
}

void TSeBitmap::ChangeHue(int delta)
{
    if (IsEmpty())
        return;
    // Skin art repeats few colours; remembering the last one saves most of
    // the floating-point work.
    Pixel lastIn = 0, lastOut = 0;
    bool haveLast = false;
    for (Pixel *p = bits_, *end = bits_ + std::ptrdiff_t(width_) * height_; p != end; ++p) {
        if ((*p >> 24) == 0 || IsKeyPixel(*p))
            continue;
        if (!haveLast || *p != lastIn) {
            lastIn = *p;
            lastOut = HueShiftPixel(*p, delta);
            haveLast = true;
        }
        *p = lastOut;
    }
    RefreshCopy();
}

HRGN TSeBitmap::CreateRegion(int x, int y) const
{
    if (IsEmpty())
        return nullptr;
    std::vector<RECT> runs;
    for (int row = 0; row < height_; ++row) {
        const Pixel* line = ScanLine(row);
        int col = 0;
        while (col < width_) {
            while (col < width_ && IsKeyPixel(line[col]))
                ++col;
            if (col == width_)
                break;
            const int first = col;
            while (col < width_ && !IsKeyPixel(line[col]))
                ++col;
            runs.push_back(RECT{x + first, y + row, x + col, y + row + 1});
        }
    }
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header;
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(runs.size());
    header.nRgnSize = DWORD(runs.size() * sizeof(RECT));
    header.rcBound = RECT{0, 0, width_, height_};
    std::memcpy(buffer.data(), &header, sizeof header);
    if (!runs.empty())
        std::memcpy(buffer.data() + sizeof header, runs.data(), runs.size() * sizeof(RECT));
    return ExtCreateRegion(nullptr, DWORD(buffer.size()), reinterpret_cast<const RGNDATA*>(buffer.data()));
}

// ---- The stream record ------------------------------------------------------------

void TSeBitmap::ReadFrom(TStream& stream)
{
    TSeStreamBytes bytes(stream);
    readRecord(bytes.Reader(), nullptr);
    bytes.Finish();
}

void TSeBitmap::ReadFrom(TSeByteReader& in, Pixel keyColour) { readRecord(in, &keyColour); }

void TSeBitmap::readRecord(TSeByteReader& in, const Pixel* keyColour)
{
    std::string name = in.ReadStreamString();
    const std::int32_t width = in.ReadInt32();
    const std::int32_t height = in.ReadInt32();
    // Any size whose pixels are really there is taken, as the writers take
    // any size: the byte count alone bounds what is allocated.
    const bool fits = width >= 0 && height >= 0 &&
                      (width == 0 || std::uint64_t(height) <= in.Left() / 4 / std::uint64_t(width));
    if (!fits)
        throw EReadError("Corrupt skin stream: bitmap \"" + name + "\" claims the size " + std::to_string(width) +
                         " x " + std::to_string(height) + ", more than the " + std::to_string(in.Left()) +
                         " bytes left");
    name_ = std::move(name);
    if (width == 0 || height == 0)
        return;
    const std::size_t count = std::size_t(width) * std::size_t(height);
    // Every pixel is written below, so the new memory is not cleared first.
    allocate(width, height, false);
    const std::uint8_t* pixels = in.Take(count * 4);
    if (keyColour)
        CopyKeyedPixels(bits_, pixels, count, *keyColour);
    else
        std::memcpy(bits_, pixels, count * 4);
}

void TSeBitmap::WriteTo(TStream& stream) const
{
    WriteStreamString(stream, name_);
    WriteInt32(stream, width_);
    WriteInt32(stream, height_);
    if (bits_)
        stream.WriteBuffer(bits_, std::int64_t(width_) * height_ * 4);
}

// ---- Copies to and from pictures ----------------------------------------------------

void TSeBitmap::CloneFrom(const TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    Allocate(graphic->Width(), graphic->Height());
    if (IsEmpty())
        return;
    if (auto bitmap = dynamic_cast<const TBitmap*>(graphic)) {
        brio::copyPixelRect(ScanLine(0), width_, bitmap->ScanLine(0), width_, width_, height_);
    } else {
        Fill(0);
        TCanvas canvas;
        canvas.SetHandle(dib_.dc());
        canvas.Draw(0, 0, const_cast<TGraphic*>(graphic));
        canvas.SetHandle(nullptr);
    }
    SetAlpha(255);
}

void TSeBitmap::CloneFrom(TPicture& picture) { CloneFrom(picture.Graphic()); }

void TSeBitmap::CloneFrom(const TSeBitmap& bitmap)
{
    if (bitmap.IsEmpty())
        return;
    Allocate(bitmap.width_, bitmap.height_);
    if (IsEmpty())
        return;
    std::memcpy(bits_, bitmap.bits_, std::size_t(width_) * height_ * 4);
    SetAlpha(255);
}

void TSeBitmap::CopyInto(TSeBitmap& target) const
{
    if (IsEmpty())
        return;
    target.Allocate(width_, height_);
    if (target.IsEmpty())
        return;
    copyRowOpaque(target.bits_, bits_, width_ * height_);
}

void TSeBitmap::CopyInto(TBitmap& target) const
{
    if (IsEmpty())
        return;
    target.SetPixelFormat(pf32bit);
    target.SetSize(width_, height_);
    for (int y = 0; y < height_; ++y)
        copyRowOpaque(target.ScanLine(y), ScanLine(y), width_);
}

void TSeBitmap::CopyInto(TPicture& target) const
{
    TBitmap bitmap;
    CopyInto(bitmap);
    target.SetGraphic(&bitmap);
}

void TSeBitmap::CopyToClipboard() const
{
    if (IsEmpty())
        return;
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!copy || !bits)
        throw EOutOfResources("Can't allocate the DIB handle");
    copyRowOpaque(static_cast<Pixel*>(bits), bits_, width_ * height_);
    if (!OpenClipboard(nullptr)) {
        DeleteObject(copy);
        throw Exception("Cannot open clipboard");
    }
    EmptyClipboard();
    // Once taken, the copy is the clipboard's to free.
    const bool taken = SetClipboardData(CF_BITMAP, copy) != nullptr;
    CloseClipboard();
    if (!taken) {
        DeleteObject(copy);
        throw Exception("Cannot put the bitmap on the clipboard");
    }
}
