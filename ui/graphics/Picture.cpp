#include "ui/graphics/Picture.h"

#include "ui/component/Exception.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Icon.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <cctype>

namespace {

std::string lowerExtension(const std::string& fileName)
{
    auto slash = fileName.find_last_of('/');
    auto dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return "";
    return brio::asciiLower(std::string_view(fileName).substr(dot + 1));
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::changed()
{
    if (OnChange)
        OnChange(this);
}

void TPicture::take(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->OnChange = [this](TObject*) { changed(); };
    changed();
}

void TPicture::Assign(const TPersistent* source)
{
    if (!source) {
        take(nullptr);
        return;
    }
    if (auto* other = dynamic_cast<const TPicture*>(source)) {
        if (other != this)
            SetGraphic(other->graphic_.get());
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(source);
}

void TPicture::SetGraphic(const TGraphic* graphic)
{
    if (graphic == graphic_.get())
        return;
    take(graphic ? graphic->Clone() : nullptr);
}

TBitmap* TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(graphic_.get()))
        take(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(graphic_.get());
}

void TPicture::SetBitmap(const TBitmap* bitmap)
{
    SetGraphic(bitmap);
}

TIcon* TPicture::Icon()
{
    if (!dynamic_cast<TIcon*>(graphic_.get()))
        take(std::make_unique<TIcon>());
    return static_cast<TIcon*>(graphic_.get());
}

void TPicture::SetIcon(const TIcon* icon)
{
    SetGraphic(icon);
}

int TPicture::Width() const
{
    return graphic_ ? graphic_->Width() : 0;
}

int TPicture::Height() const
{
    return graphic_ ? graphic_->Height() : 0;
}

void TPicture::LoadFromFile(const std::string& fileName)
{
    std::string ext = lowerExtension(fileName);
    std::unique_ptr<TGraphic> graphic;
    if (ext == "bmp" || ext == "png")
        graphic = std::make_unique<TBitmap>();
    else if (ext == "ico")
        graphic = std::make_unique<TIcon>();
    else
        throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
    graphic->LoadFromFile(fileName);
    take(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName)
{
    if (graphic_)
        graphic_->SaveToFile(fileName);
}
