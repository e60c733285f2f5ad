#include "ui/graphics/ImageList.h"

#include "platform/Gdi.h"
#include "platform/gdi/raster/PixelBuffer.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include <algorithm>

namespace {

[[noreturn]] void indexError()
{
    throw EInvalidOperation("Invalid ImageList Index");
}

} // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

void TImageList::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TImageList*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    width_ = other->width_;
    height_ = other->height_;
    allocBy_ = other->allocBy_;
    bkColor_ = other->bkColor_;
    images_ = other->images_;
    changed();
}

void TImageList::changed()
{
    if (OnChange)
        OnChange(this);
}

void TImageList::SetSize(int width, int height)
{
    if (width < 1 || height < 1)
        throw EInvalidOperation("Invalid image size");
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    images_.clear();
    changed();
}

void TImageList::SetBkColor(TColor color)
{
    if (color == bkColor_)
        return;
    bkColor_ = color;
    changed();
}

TImageList::Cell TImageList::makeCell(const TBitmap* image, int column, const TBitmap* mask, COLORREF key,
                                      bool useKey) const
{
    Cell cell(std::size_t(width_) * std::size_t(height_), 0);
    int left = column * width_;
    int columns = std::min(width_, image->Width() - left);
    int rows = std::min(height_, image->Height());
    bool keepAlpha = image->AlphaFormat() == afDefined;
    Pixel keyPixel = PixelFromColorRef(key) & 0xFFFFFFu;
    for (int y = 0; y < rows; ++y) {
        const Pixel* src = image->ScanLine(y) + left;
        const Pixel* maskRow = (mask && y < mask->Height()) ? mask->ScanLine(y) : nullptr;
        Pixel* dst = cell.data() + std::size_t(y) * std::size_t(width_);
        for (int x = 0; x < columns; ++x) {
            Pixel p = src[x];
            Pixel alpha = keepAlpha ? (p >> 24) : 0xFFu;
            if (useKey && (p & 0xFFFFFFu) == keyPixel)
                alpha = 0;
            if (maskRow && left + x < mask->Width() && (maskRow[left + x] & 0xFFFFFFu) == 0xFFFFFFu)
                alpha = 0;
            dst[x] = (p & 0xFFFFFFu) | (alpha << 24);
        }
    }
    return cell;
}

int TImageList::addCells(const TBitmap* image, const TBitmap* mask, TColor maskColor, bool useMaskColor, int limit)
{
    if (!image || image->Empty())
        return -1;
    COLORREF key = 0;
    if (useMaskColor)
        key = ColorToRGB(maskColor == clDefault ? image->TransparentColor() : maskColor);
    int cells = std::max(1, image->Width() / width_);
    if (limit > 0)
        cells = std::min(cells, limit);
    int first = Count();
    for (int i = 0; i < cells; ++i)
        images_.push_back(makeCell(image, i, mask, key, useMaskColor));
    changed();
    return first;
}

int TImageList::Add(const TBitmap* image, const TBitmap* mask)
{
    return addCells(image, mask, clNone, false, 0);
}

int TImageList::AddMasked(const TBitmap* image, TColor maskColor)
{
    return addCells(image, nullptr, maskColor, true, 0);
}

void TImageList::Replace(int index, const TBitmap* image, const TBitmap* mask)
{
    if (index < 0 || index >= Count())
        indexError();
    if (!image || image->Empty())
        return;
    images_[std::size_t(index)] = makeCell(image, 0, mask, 0, false);
    changed();
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        indexError();
    images_.erase(images_.begin() + index);
    changed();
}

void TImageList::Clear()
{
    if (images_.empty())
        return;
    images_.clear();
    changed();
}

bool TImageList::GetBitmap(int index, TBitmap* image) const
{
    if (!image || index < 0 || index >= Count())
        return false;
    image->SetSize(width_, height_);
    image->SetPixelFormat(pf32bit);
    image->SetAlphaFormat(afDefined);
    const Cell& cell = images_[std::size_t(index)];
    brio::copyPixelRect(image->ScanLine(0), width_, cell.data(), width_, width_, height_);
    return true;
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) const
{
    if (!canvas || index < 0 || index >= Count())
        return;
    const Cell& cell = images_[std::size_t(index)];
    HDC dc = canvas->Handle();
    if (bkColor_ != clNone) {
        HBRUSH brush = CreateSolidBrush(ColorToRGB(bkColor_));
        RECT r{x, y, x + width_, y + height_};
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }

    // The disabled look is one pixel larger: the highlight copy sticks out.
    int extra = enabled ? 0 : 1;
    if (!scratch_)
        scratch_ = std::make_unique<TBitmap>();
    scratch_->SetSize(width_ + extra, height_ + extra);
    if (enabled) {
        brio::copyPixelRect(scratch_->ScanLine(0), scratch_->Width(), cell.data(), width_, width_, height_);
    } else {
        Pixel highlight = PixelFromColorRef(ColorToRGB(clBtnHighlight));
        Pixel shadow = PixelFromColorRef(ColorToRGB(clBtnShadow));
        auto ink = [](Pixel p) { return (p >> 24) >= 0x80 && (p & 0xFFFFFFu) != 0xFFFFFFu; };
        for (int row = 0; row <= height_; ++row)
            std::fill_n(scratch_->ScanLine(row), width_ + 1, Pixel(0));
        for (int row = 0; row < height_; ++row) {
            const Pixel* src = cell.data() + std::size_t(row) * std::size_t(width_);
            Pixel* below = scratch_->ScanLine(row + 1);
            for (int col = 0; col < width_; ++col)
                if (ink(src[col]))
                    below[col + 1] = highlight;
        }
        for (int row = 0; row < height_; ++row) {
            const Pixel* src = cell.data() + std::size_t(row) * std::size_t(width_);
            Pixel* out = scratch_->ScanLine(row);
            for (int col = 0; col < width_; ++col)
                if (ink(src[col]))
                    out[col] = shadow;
        }
    }
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    AlphaBlend(dc, x, y, width_ + extra, height_ + extra, scratch_->Canvas()->Handle(), 0, 0, width_ + extra,
               height_ + extra, blend);
}
