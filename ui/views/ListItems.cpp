// Columns, sub-items, rows and the row list of the list view.

#include "ui/views/ListItems.h"

#include "ui/component/Exception.h"
#include "ui/views/ListView.h"

#include <algorithm>

namespace {

[[noreturn]] void IndexError(int index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace

// ---- Columns -----------------------------------------------------------------------------------

void TListColumn::SetCaption(const std::string& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    view_->ItemsChanged();
}

void TListColumn::SetWidth(int value)
{
    value = std::max(value, 0);
    if (value == width_)
        return;
    width_ = value;
    view_->ItemsChanged();
}

TListColumn* TListColumns::Add()
{
    columns_.push_back(std::make_unique<TListColumn>(view_));
    view_->ItemsChanged();
    return columns_.back().get();
}

TListColumn* TListColumns::Items(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return columns_[std::size_t(index)].get();
}

void TListColumns::Clear()
{
    columns_.clear();
    view_->ItemsChanged();
}

// ---- Sub-items -----------------------------------------------------------------------------------

const std::string& TListSubItems::Strings(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return strings_[std::size_t(index)];
}

void TListSubItems::SetStrings(int index, const std::string& value)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    strings_[std::size_t(index)] = value;
    owner_->Changed();
}

void TListSubItems::Add(const std::string& value)
{
    strings_.push_back(value);
    owner_->Changed();
}

void TListSubItems::Clear()
{
    strings_.clear();
    owner_->Changed();
}

// ---- Rows -------------------------------------------------------------------------------------------

TListItem::TListItem(TListItems* owner) : owner_(owner), subItems_(owner) {}

void TListItem::SetCaption(const std::string& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    owner_->Changed();
}

void TListItem::SetImageIndex(int value)
{
    if (value == imageIndex_)
        return;
    imageIndex_ = value;
    owner_->Changed();
}

void TListItem::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    owner_->Changed();
}

bool TListItem::Selected() const
{
    return ListView()->Selected() == this;
}

void TListItem::SetSelected(bool value)
{
    ListView()->SelectItem(this, value);
}

int TListItem::Index() const
{
    return owner_->IndexOf(this);
}

TListView* TListItem::ListView() const
{
    return owner_->Owner();
}

void TListItem::MakeVisible()
{
    ListView()->MakeVisible(this);
}

void TListItem::Delete()
{
    owner_->Delete(Index());
}

// ---- Row list ----------------------------------------------------------------------------------------

TListItems::~TListItems() = default;

TListItem* TListItems::Add()
{
    return Insert(Count());
}

TListItem* TListItems::Insert(int index)
{
    if (index < 0 || index > Count())
        IndexError(index);
    auto it = items_.insert(items_.begin() + index, std::make_unique<TListItem>(this));
    Changed();
    return it->get();
}

void TListItems::Delete(int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    view_->ItemDeleting(items_[std::size_t(index)].get());
    items_.erase(items_.begin() + index);
    Changed();
}

void TListItems::Clear()
{
    if (items_.empty())
        return;
    BeginUpdate();
    while (!items_.empty())
        Delete(Count() - 1);
    EndUpdate();
}

TListItem* TListItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[std::size_t(index)].get();
}

int TListItems::IndexOf(const TListItem* item) const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return int(i);
    return -1;
}

void TListItems::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

void TListItems::Changed()
{
    if (updateCount_ == 0)
        view_->ItemsChanged();
}
