#pragma once
// TListView: a report-style list with a header, check boxes and small
// images, single selection, keyboard navigation and vertical scrolling by
// whole rows. Headers are drawn but do not react to clicks.

#include "ui/control/GraphicControl.h"
#include "ui/views/ListItems.h"

class TImageList;

// Scrolls a list view by pixels: wParam across, lParam down (whole rows).
constexpr UINT LVM_SCROLL = 0x1000 + 20;

using TLVSelectItemEvent = std::function<void(TObject* sender, TListItem* item, bool selected)>;
using TLVCheckedItemEvent = std::function<void(TObject* sender, TListItem* item)>;

enum TViewStyle : std::uint8_t { vsIcon, vsSmallIcon, vsList, vsReport };

class TListView : public TCustomControl {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    TListColumns* Columns() const { return columns_.get(); }
    TListItems* Items() const { return items_.get(); }

    // Only the report style is drawn; the property exists for definitions.
    TViewStyle ViewStyle() const { return vsReport; }
    void SetViewStyle(TViewStyle) {}
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool value);
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* images);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool value);
    // Headers never react to clicks here; kept for definitions.
    bool ColumnClick = false;
    // Captions are never edited in place here; kept for definitions.
    bool ReadOnly = true;
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    // Flat scroll bars are the window's own native bars here; kept for
    // definitions.
    bool FlatScrollBars = false;

    TListItem* Selected() const { return selected_; }
    void SetSelected(TListItem* item);
    int ItemIndex() const;
    void SetItemIndex(int index);
    TListItem* TopItem() const;
    int TopIndex() const { return topIndex_; }
    // Rows that fit wholly below the header.
    int VisibleRowCount() const;
    int RowHeight() const;
    int HeaderHeight() const;
    // The row at a client point, null outside the rows.
    TListItem* GetItemAt(int x, int y) const;
    // The row's rectangle in client coordinates (also when scrolled away).
    TRect ItemRect(const TListItem* item) const;
    // The check box of a row, empty without check boxes.
    TRect CheckboxRect(const TListItem* item) const;
    // Scrolls by whole rows; the top row stays within the list.
    void ScrollBy(int rows);
    void ScrollTo(int topIndex);
    // Columns wider than the view scroll sideways by pixels.
    int ScrollLeft() const { return scrollLeft_; }
    void SetScrollLeft(int pixels);

    // Fired for the row that loses the selection, then for the one that
    // gets it.
    TLVSelectItemEvent OnSelectItem;
    // Fired after the user ticks or unticks a row, by mouse or by Space.
    // Space fires no OnClick, so a handler that mirrors checks elsewhere
    // needs this to stay in step.
    TLVCheckedItemEvent OnItemChecked;

    void WndProc(TMessage& message) override;
    bool WantsKey(WORD key) const override;

    // Called by the items and columns.
    void ItemsChanged();
    void ItemDeleting(TListItem* item);
    void SelectItem(TListItem* item, bool selected);
    void MakeVisible(const TListItem* item);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;

private:
    void paintHeader(TCanvas* canvas, const TRect& client);
    void paintRow(TCanvas* canvas, TListItem* item, const TRect& rowRect, bool focused);
    void pressAt(int x, int y, bool rightButton);
    void moveSelectionTo(int index);
    void toggleCheck(TListItem* item);
    void handleScrollMessage(WORD code, int position);
    void handleHorizontalScroll(WORD code, int position);
    int maxTopIndex() const;
    int maxScrollLeft() const;
    int totalColumnWidth() const;
    int textHeight() const;
    void syncScrollBar();

    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
    bool checkboxes_ = false;
    TImageList* smallImages_ = nullptr;
    TBorderStyle borderStyle_ = bsSingle;
    bool showColumnHeaders_ = true;
    bool rowSelect_ = false;
    bool hideSelection_ = true;
    TListItem* selected_ = nullptr;
    int topIndex_ = 0;
    int scrollLeft_ = 0;
    bool syncingScrollBars_ = false;
};
