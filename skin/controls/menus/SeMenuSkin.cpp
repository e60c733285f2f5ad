// The skin copy a skinned menu draws with.

#include "skin/controls/menus/SeMenuSkin.h"

#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"

TSeMenuSkin::TSeMenuSkin() = default;
TSeMenuSkin::~TSeMenuSkin() = default;

bool TSeMenuSkin::Bind(TSeSkinEngine* engine)
{
    Unbind();
    TSeSkinSource* source = engine ? engine->Source() : nullptr;
    if (!source || source->Replacing() || source->Count() == 0)
        return false;
    TSeSkinObject* found = source->GetObjectByName("PopupMenu");
    if (!found)
        return false;
    copy_.reset(CloneSkinObject(*found, nullptr));
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
    copy_.reset();
}

RECT TSeMenuSkin::ClientInsets() const
{
    if (!frame_)
        return RECT{};
    return RECT{frame_->MarginLeft(), frame_->MarginTop(), frame_->MarginRight(), frame_->MarginBottom()};
}
