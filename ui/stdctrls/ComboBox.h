#pragma once
// TComboBox in drop-down list style: a box showing the chosen item and a
// button that drops down the list of Items. The user changes ItemIndex
// with the arrow keys, a first letter or the list; each such change fires
// OnChange (setting ItemIndex from code does not).

#include "ui/control/GraphicControl.h"

#include <string>
#include <vector>

class TComboItems {
public:
    int Add(const std::string& item);
    void Insert(int index, const std::string& item);
    void Delete(int index);
    void Clear();
    int Count() const { return int(items_.size()); }
    const std::string& Strings(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }
    int IndexOf(const std::string& item) const;
    TNotifyEvent OnChange;

private:
    void changed();
    std::vector<std::string> items_;
};

class TComboBox : public TCustomControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TComboItems* Items() const { return items_.get(); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    // The chosen item's text; setting it chooses the item with that text.
    std::string Text() const override;
    void SetText(const std::string& value) override;
    // Rows the list shows before it needs scrolling.
    int DropDownCount = 8;
    int ItemHeight() const;

    bool DroppedDown() const { return droppedDown_; }
    // Opens the list and follows the user until an item is chosen or the
    // list is dismissed.
    void DropDown();
    // Where the list shows while dropped down, in screen coordinates.
    RECT DropDownRect() const;

    bool WantsKey(WORD key) const override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    virtual void Change();

private:
    // A choice by the user: stores it and fires OnChange when it differs.
    void choose(int index);
    void itemsChanged();

    std::unique_ptr<TComboItems> items_;
    int itemIndex_ = -1;
    bool droppedDown_ = false;
};
