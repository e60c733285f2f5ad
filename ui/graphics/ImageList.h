#pragma once
// TImageList: a list of equally sized images kept as 32-bit straight-alpha
// cells, added from bitmaps with a mask or a mask colour and drawn normally
// or in the classic disabled look.

#include "platform/WinTypes.h"
#include "ui/graphics/Colors.h"
#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include <memory>
#include <vector>

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    void Assign(const TPersistent* source) override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new size empties the list; sizes below 1 raise EInvalidOperation
    // "Invalid image size".
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    void SetSize(int width, int height);
    int Count() const { return int(images_.size()); }
    // Growth step of the classic list; kept for definitions that set it.
    int AllocBy() const { return allocBy_; }
    void SetAllocBy(int allocBy) { allocBy_ = allocBy > 0 ? allocBy : 1; }
    // clNone: images are drawn over what is there; else over this colour.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color);

    // Adds one image per Width() columns of `image` (at least one; cells
    // beyond the bitmap stay transparent). White pixels of `mask` are
    // transparent; without a mask the image is opaque unless its alpha is
    // defined. Returns the index of the first image added, -1 for none.
    int Add(const TBitmap* image, const TBitmap* mask);
    // As Add, with every pixel of `maskColor` transparent; clDefault takes
    // the colour of the bitmap's bottom-left pixel.
    int AddMasked(const TBitmap* image, TColor maskColor);
    // Replaces image `index` by the first cell of `image`.
    void Replace(int index, const TBitmap* image, const TBitmap* mask);
    // Raise EInvalidOperation "Invalid ImageList Index" out of range.
    void Delete(int index);
    void Clear();

    // An index out of range draws nothing. Disabled images show their
    // shape (every opaque pixel that is not white) embossed: in
    // clBtnHighlight one pixel down and right, then in clBtnShadow.
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true) const;
    // Gives `image` the size of a cell and the cell's straight-alpha pixels
    // (pf32bit, afDefined). False when the index is out of range.
    bool GetBitmap(int index, TBitmap* image) const;

    TNotifyEvent OnChange;

private:
    using Cell = std::vector<Pixel>;
    int addCells(const TBitmap* image, const TBitmap* mask, TColor maskColor, bool useMaskColor, int limit);
    Cell makeCell(const TBitmap* image, int column, const TBitmap* mask, COLORREF key, bool useKey) const;
    void changed();

    int width_ = 16;
    int height_ = 16;
    int allocBy_ = 4;
    TColor bkColor_ = clNone;
    std::vector<Cell> images_;
    mutable std::unique_ptr<TBitmap> scratch_;
};
