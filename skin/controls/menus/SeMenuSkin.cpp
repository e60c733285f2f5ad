// The skin copy a skinned menu draws with.

#include "skin/controls/menus/SeMenuSkin.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "ui/graphics/Canvas.h"

#include "platform/Gdi.h"

TSeMenuSkin::TSeMenuSkin() = default;
TSeMenuSkin::~TSeMenuSkin() = default;

bool TSeMenuSkin::Bind(TSeSkinEngine* engine)
{
    TSeSkinSource* source = engine ? engine->Source() : nullptr;
    if (!source || source->Replacing() || source->Count() == 0) {
        Unbind();
        return false;
    }
    TSeSkinObject* found = source->GetObjectByName("PopupMenu");
    if (found && Bound() && engine == engine_ && found == source_)
        return true;
    Unbind();
    if (!found)
        return false;
    copy_.reset(CloneSkinObject(*found, nullptr));
    engine_ = engine;
    source_ = found;
    frame_ = FindObject(copy_.get(), "Frame");
    item_ = FindObject(copy_.get(), "Item");
    separator_ = FindObject(copy_.get(), "Separator");
    if (!item_)
        Unbind();
    return Bound();
}

void TSeMenuSkin::Unbind()
{
    frame_ = item_ = separator_ = nullptr;
    engine_ = nullptr;
    source_ = nullptr;
    pictures_.clear();
    copy_.reset();
}

TSeMenuSkin::Picture::Picture(SIZE s, int v, std::unique_ptr<TSeBitmap> b) : size(s), variant(v), bitmap(std::move(b))
{
}

TSeMenuSkin::Picture::Picture(Picture&& other) noexcept
    : size(other.size), variant(other.variant), place(other.place), bitmap(std::move(other.bitmap)),
      region(other.region)
{
    other.region = nullptr;
}

TSeMenuSkin::Picture& TSeMenuSkin::Picture::operator=(Picture&& other) noexcept
{
    if (this != &other) {
        if (region)
            DeleteObject(region);
        size = other.size;
        variant = other.variant;
        place = other.place;
        bitmap = std::move(other.bitmap);
        region = other.region;
        other.region = nullptr;
    }
    return *this;
}

TSeMenuSkin::Picture::~Picture()
{
    if (region)
        DeleteObject(region);
}

TSeMenuSkin::Picture* TSeMenuSkin::findPicture(SIZE size, int variant, const RECT& place)
{
    for (Picture& picture : pictures_)
        if (picture.size.cx == size.cx && picture.size.cy == size.cy && picture.variant == variant
            && EqualRect(&picture.place, &place))
            return &picture;
    return nullptr;
}

TSeMenuSkin::Picture& TSeMenuSkin::keep(Picture picture)
{
    if (pictures_.size() >= kPicturesKept)
        pictures_.erase(pictures_.begin());
    pictures_.push_back(std::move(picture));
    return pictures_.back();
}

namespace {

// `object` laid out to `size` and drawn over the key colour.
std::unique_ptr<TSeBitmap> drawnAlone(TSeSkinObject& object, SIZE size)
{
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->Allocate(size.cx, size.cy);
    bitmap->Fill(SeKeyValue);
    object.ArrangeIn(RECT{0, 0, size.cx, size.cy});
    TCanvas canvas;
    canvas.SetHandle(bitmap->DC());
    object.Draw(canvas);
    canvas.SetHandle(nullptr);
    return bitmap;
}

// Frame pictures are variant 0; item and row pictures carry their state.
constexpr int kFrameVariant = 0;
int itemVariant(std::uint8_t state, bool enabled)
{
    return 1 + state * 2 + (enabled ? 1 : 0);
}
int rowVariant(std::uint8_t state, bool enabled)
{
    return 1000 + itemVariant(state, enabled);
}

} // namespace

TSeBitmap* TSeMenuSkin::FramePicture(SIZE size)
{
    if (!frame_ || size.cx <= 0 || size.cy <= 0)
        return nullptr;
    if (Picture* found = findPicture(size, kFrameVariant))
        return found->bitmap.get();
    frame_->ApplyState(0);
    return keep(Picture(size, kFrameVariant, drawnAlone(*frame_, size))).bitmap.get();
}

HRGN TSeMenuSkin::FrameRegion(SIZE size)
{
    if (!FramePicture(size))
        return nullptr;
    Picture* picture = findPicture(size, kFrameVariant);
    if (!picture->region)
        picture->region = picture->bitmap->CreateRegion(0, 0);
    if (!picture->region)
        return nullptr;
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, picture->region, nullptr, RGN_COPY);
    return copy;
}

TSeBitmap* TSeMenuSkin::ItemPicture(SIZE size, std::uint8_t state, bool enabled)
{
    if (!item_ || size.cx <= 0 || size.cy <= 0)
        return nullptr;
    const int variant = itemVariant(state, enabled);
    if (Picture* found = findPicture(size, variant))
        return found->bitmap.get();
    item_->SetEnabled(enabled);
    item_->ApplyState(state);
    item_->SetText("");
    return keep(Picture(size, variant, drawnAlone(*item_, size))).bitmap.get();
}

RECT TSeMenuSkin::ClientInsets() const
{
    if (!frame_)
        return RECT{};
    return RECT{frame_->MarginLeft(), frame_->MarginTop(), frame_->MarginRight(), frame_->MarginBottom()};
}

TSeBitmap* TSeMenuSkin::RowPicture(SIZE frameSize, const RECT& rowInFrame, std::uint8_t state, bool enabled)
{
    const int width = rowInFrame.right - rowInFrame.left, height = rowInFrame.bottom - rowInFrame.top;
    const int variant = rowVariant(state, enabled);
    if (Picture* found = findPicture(frameSize, variant, rowInFrame))
        return found->bitmap.get();
    TSeBitmap* frame = FramePicture(frameSize);
    TSeBitmap* item = ItemPicture(SIZE{width, height}, state, enabled);
    if (!frame || !item)
        return nullptr;
    auto row = std::make_unique<TSeBitmap>();
    row->Allocate(width, height);
    BitBlt(row->DC(), 0, 0, width, height, frame->DC(), rowInFrame.left, rowInFrame.top, SRCCOPY);
    item->Draw(row->DC(), 0, 0, true);
    Picture picture(frameSize, variant, std::move(row));
    picture.place = rowInFrame;
    return keep(std::move(picture)).bitmap.get();
}
