#include "ui/graphics/Brush.h"

#include "platform/Gdi.h"
#include "ui/graphics/Bitmap.h"

TBrush::TBrush() = default;

TBrush::~TBrush()
{
    if (handle_ && ownsHandle_)
        DeleteObject(handle_);
}

void TBrush::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TBrush*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    color_ = other->color_;
    style_ = other->style_;
    if (other->bitmap_) {
        bitmap_ = std::make_unique<TBitmap>();
        bitmap_->Assign(other->bitmap_.get());
    } else {
        bitmap_.reset();
    }
    handleChanged();
}

HBRUSH TBrush::Handle()
{
    if (!handle_) {
        if (bitmap_ && !bitmap_->Empty()) {
            handle_ = CreatePatternBrush(bitmap_->Handle());
            ownsHandle_ = true;
        } else if (style_ == bsClear) {
            handle_ = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
            ownsHandle_ = false;
        } else if (HBRUSH system = color_ < 0 ? GetSysColorBrush(int(color_ & 0xFF)) : nullptr) {
            // The system's own brush follows a change of colour scheme.
            handle_ = system;
            ownsHandle_ = false;
        } else {
            handle_ = CreateSolidBrush(ColorToRGB(color_));
            ownsHandle_ = true;
        }
    }
    return handle_;
}

void TBrush::handleChanged()
{
    HBRUSH old = handle_;
    bool owned = ownsHandle_;
    handle_ = nullptr;
    ownsHandle_ = false;
    Changed();
    if (old && owned)
        DeleteObject(old);
}

void TBrush::SetColor(TColor color)
{
    if (color == color_ && style_ == bsSolid)
        return;
    color_ = color;
    if (style_ == bsClear)
        style_ = bsSolid;
    handleChanged();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    handleChanged();
}

void TBrush::SetBitmap(const TBitmap* bitmap)
{
    if (bitmap && !bitmap->Empty()) {
        if (!bitmap_)
            bitmap_ = std::make_unique<TBitmap>();
        bitmap_->Assign(bitmap);
    } else {
        bitmap_.reset();
    }
    handleChanged();
}
