#pragma once
// TBrush: a fill colour, no fill (bsClear) or an 8 x 8 pattern from a bitmap.

#include "platform/WinTypes.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/GraphicsObject.h"

#include <memory>

class TBitmap;

enum TBrushStyle : std::uint8_t { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    TBrush();
    ~TBrush() override;
    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;

    void Assign(const TPersistent* source) override;

    HBRUSH Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    TColor Color() const { return color_; }
    // A colour makes a solid brush again (unless a pattern is set).
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    // The pattern is the top-left 8 x 8 pixels of a copy of `bitmap`; null
    // or an empty bitmap removes it. The brush keeps its own copy.
    TBitmap* Bitmap() const { return bitmap_.get(); }
    void SetBitmap(const TBitmap* bitmap);

private:
    void handleChanged();

    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    std::unique_ptr<TBitmap> bitmap_;
    HBRUSH handle_ = nullptr;
    bool ownsHandle_ = false;
};
