#include "skin/engine/SeBitmapLink.h"

#include "skin/engine/SeBitmap.h"

bool SameSkinName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = char(x - 32);
        if (y >= 'a' && y <= 'z')
            y = char(y - 32);
        if (x != y)
            return false;
    }
    return true;
}

bool TSeBitmapLink::IsValid() const
{
    return image_ && Width() > 0 && Height() > 0 && std::int64_t(Width()) * Height() > 0;
}

void TSeBitmapLink::CloneFrom(const TSeBitmapLink& source)
{
    image_ = source.image_;
    rect_ = source.rect_;
    name_ = source.name_;
}

void TSeBitmapLink::Assign(const TPersistent* source)
{
    if (auto link = dynamic_cast<const TSeBitmapLink*>(source)) {
        CloneFrom(*link);
        return;
    }
    TPersistent::Assign(source);
}

TSeBitmapList::TSeBitmapList() = default;
TSeBitmapList::~TSeBitmapList() = default;

TSeBitmap* TSeBitmapList::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[std::size_t(index)].get();
}

TSeBitmap* TSeBitmapList::Add(std::unique_ptr<TSeBitmap> bitmap)
{
    items_.push_back(std::move(bitmap));
    return items_.back().get();
}

void TSeBitmapList::Clear() { items_.clear(); }

TSeBitmap* TSeBitmapList::Find(const std::string& name) const
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if (SameSkinName((*it)->Name(), name))
            return it->get();
    return nullptr;
}

std::unique_ptr<TSeBitmapLink> TSeBitmapList::LinkTo(const std::string& name, const RECT& r) const
{
    TSeBitmap* bitmap = Find(name);
    if (!bitmap)
        return nullptr;
    return bitmap->LinkTo(r);
}
