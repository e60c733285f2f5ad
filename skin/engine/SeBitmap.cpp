#include "skin/engine/SeBitmap.h"

#include "platform/Gdi.h"
#include "platform/RectMath.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SePixels.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Font.h"

#include <algorithm>
#include <cstdlib>

TSeBitmap::TSeBitmap() : font_(std::make_unique<TFont>()) {}

TSeBitmap::~TSeBitmap()
{
    if (bits_ && OnBeforeRelease)
        OnBeforeRelease(this);
    release();
}

void TSeBitmap::release()
{
    copy_.reset();
    dib_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

void TSeBitmap::Allocate(int width, int height) { allocate(width, height, true); }

void TSeBitmap::allocate(int width, int height, bool cleared)
{
    struct ChangeOnExit {
        TSeBitmap* self;
        ~ChangeOnExit()
        {
            if (self->OnChange)
                self->OnChange(self);
        }
    } changeOnExit{this};

    width = std::abs(width);
    height = std::abs(height);
    if (width == 0 || height == 0)
        return;
    if (bits_ && width == width_ && height == height_)
        return;
    if (bits_ && OnBeforeRelease)
        OnBeforeRelease(this);
    release();

    brio::MemoryDib dib(width, height, cleared ? brio::MemoryDib::Fill::Cleared : brio::MemoryDib::Fill::Unfilled);
    switch (dib.failure()) {
    case brio::MemoryDib::Failure::None: break;
    case brio::MemoryDib::Failure::Bitmap: throw EOutOfResources("Can't allocate the DIB handle");
    case brio::MemoryDib::Failure::Dc: throw EOutOfResources("Can't create compatible DC");
    case brio::MemoryDib::Failure::Selection: throw EOutOfResources("Can't select an object into DC");
    }
    dib_ = std::move(dib);
    bits_ = dib_.bits();
    width_ = width;
    height_ = height;
}

Pixel TSeBitmap::Pixels(int x, int y) const
{
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return SeOutsidePixel;
    return ScanLine(y)[x];
}

void TSeBitmap::Fill(Pixel value)
{
    if (bits_)
        std::fill(bits_, bits_ + std::ptrdiff_t(width_) * height_, value);
}

void TSeBitmap::KeyOutColor(Pixel colour)
{
    if (!bits_)
        return;
    const std::uint32_t red = colour >> 16 & 0xFF, green = colour >> 8 & 0xFF, blue = colour & 0xFF;
    for (Pixel *p = bits_, *end = bits_ + std::ptrdiff_t(width_) * height_; p != end; ++p)
        *p = KeyedPixel(*p, red, green, blue);
}

void TSeBitmap::SetAlpha(std::uint8_t alpha)
{
    if (!bits_)
        return;
    const Pixel a = Pixel(alpha) << 24;
    for (Pixel *p = bits_, *end = bits_ + std::ptrdiff_t(width_) * height_; p != end; ++p)
        *p = (*p & 0x00FFFFFF) | a;
}

// ---- Drawing to device contexts ---------------------------------------------------

HDC TSeBitmap::opaqueSource() const { return copy_ ? copy_.dc() : dib_.dc(); }

void TSeBitmap::Draw(HDC dc, int x, int y, bool masked) { DrawRect(dc, x, y, RECT{0, 0, width_, height_}, masked); }

void TSeBitmap::DrawRect(HDC dc, int x, int y, const RECT& source, bool masked)
{
    ScaleDraw(dc, RECT{x, y, x + source.right - source.left, y + source.bottom - source.top}, source, masked);
}

void TSeBitmap::ScaleDraw(HDC dc, const RECT& dest, const RECT& source, bool masked)
{
    if (!bits_ || !dc || ::IsEmpty(dest) || ::IsEmpty(source))
        return;
    if (masked) {
        drawMasked(dc, dest, source);
        return;
    }
    const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    if (dw == sw && dh == sh) {
        BitBlt(dc, dest.left, dest.top, dw, dh, dib_.dc(), source.left, source.top, SRCCOPY);
        return;
    }
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, dest.left, dest.top, dw, dh, opaqueSource(), source.left, source.top, sw, sh, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
}

void TSeBitmap::drawMasked(HDC dc, const RECT& dest, const RECT& source)
{
    TransparentBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, dib_.dc(), source.left,
                   source.top, source.right - source.left, source.bottom - source.top, SeKeyColorRef);
}

void TSeBitmap::TileDraw(HDC dc, const RECT& dest, const RECT& source, bool masked)
{
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    if (!bits_ || !dc || ::IsEmpty(dest) || sw < 1 || sh < 1)
        return;
    for (int x = dest.left; x < dest.right; x += sw) {
        for (int y = dest.top; y < dest.bottom; y += sh) {
            const RECT tile = ::Intersect(RECT{x, y, x + sw, y + sh}, dest);
            if (::IsEmpty(tile))
                break;
            const int w = tile.right - tile.left, h = tile.bottom - tile.top;
            if (masked)
                drawMasked(dc, tile, RECT{source.left, source.top, source.left + w, source.top + h});
            else
                BitBlt(dc, tile.left, tile.top, w, h, opaqueSource(), source.left, source.top, SRCCOPY);
        }
    }
}

void TSeBitmap::Draw(TCanvas& canvas, int x, int y, bool masked) { Draw(canvas.Handle(), x, y, masked); }

void TSeBitmap::DrawRect(TCanvas& canvas, int x, int y, const RECT& source, bool masked)
{
    DrawRect(canvas.Handle(), x, y, source, masked);
}

void TSeBitmap::ScaleDraw(TCanvas& canvas, const RECT& dest, const RECT& source, bool masked)
{
    ScaleDraw(canvas.Handle(), dest, source, masked);
}

void TSeBitmap::TileDraw(TCanvas& canvas, const RECT& dest, const RECT& source, bool masked)
{
    TileDraw(canvas.Handle(), dest, source, masked);
}

void TSeBitmap::RefreshCopy()
{
    if (!bits_) {
        copy_.reset();
        return;
    }
    if (copy_.width() != width_ || copy_.height() != height_) {
        // The blit below fills every pixel.
        copy_ = brio::MemoryDib(width_, height_, brio::MemoryDib::Fill::Unfilled);
        if (!copy_)
            return; // drawing falls back to the DIB itself
    }
    BitBlt(copy_.dc(), 0, 0, width_, height_, dib_.dc(), 0, 0, SRCCOPY);
}

std::unique_ptr<TSeBitmapLink> TSeBitmap::LinkTo(const RECT& r)
{
    auto link = std::make_unique<TSeBitmapLink>();
    link->SetImage(this);
    link->SetRect(r);
    link->SetName(name_);
    return link;
}
