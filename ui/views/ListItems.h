#pragma once
// The data of a report-style list view: its columns and its rows. Rows
// tell their view about every change, so that the view repaints and keeps
// its selection in step.

#include "ui/component/Component.h"

#include <memory>
#include <string>
#include <vector>

class TListView;
class TListItems;

class TListColumn {
public:
    explicit TListColumn(TListView* view) : view_(view) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    int Width() const { return width_; }
    void SetWidth(int value);

private:
    TListView* view_;
    std::string caption_;
    int width_ = 50;
};

class TListColumns {
public:
    explicit TListColumns(TListView* view) : view_(view) {}
    TListColumn* Add();
    int Count() const { return int(columns_.size()); }
    // Raises EListError for an index out of range.
    TListColumn* Items(int index) const;
    TListColumn* operator[](int index) const { return Items(index); }
    void Clear();

private:
    TListView* view_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
};

// The texts of the columns after the first.
class TListSubItems {
public:
    explicit TListSubItems(TListItems* owner) : owner_(owner) {}
    int Count() const { return int(strings_.size()); }
    // Raises EListError for an index out of range.
    const std::string& Strings(int index) const;
    void SetStrings(int index, const std::string& value);
    const std::string& operator[](int index) const { return Strings(index); }
    void Add(const std::string& value);
    void Clear();

private:
    TListItems* owner_;
    std::vector<std::string> strings_;
};

class TListItem : public TPersistent {
public:
    explicit TListItem(TListItems* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    TListSubItems* SubItems() { return &subItems_; }
    const TListSubItems* SubItems() const { return &subItems_; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Selected() const;
    // Selecting a row takes the selection from the row that had it.
    void SetSelected(bool value);
    void* Data = nullptr;

    int Index() const;
    TListItems* Owner() const { return owner_; }
    TListView* ListView() const;
    // Scrolls the view so that the row is shown whole.
    void MakeVisible();
    void Delete();

private:
    TListItems* owner_;
    std::string caption_;
    TListSubItems subItems_;
    int imageIndex_ = -1;
    bool checked_ = false;
};

class TListItems {
public:
    explicit TListItems(TListView* view) : view_(view) {}
    ~TListItems();

    TListItem* Add();
    // A new row at `index` (0 to Count()).
    TListItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int Count() const { return int(items_.size()); }
    // Raises EListError for an index out of range.
    TListItem* Item(int index) const;
    TListItem* operator[](int index) const { return Item(index); }
    int IndexOf(const TListItem* item) const;
    TListView* Owner() const { return view_; }

    // Changes between the two repaint once, at the end.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }
    // A row's text or state changed.
    void Changed();

private:
    TListView* view_;
    std::vector<std::unique_ptr<TListItem>> items_;
    int updateCount_ = 0;
};
