#pragma once
// TTreeView: nodes in rows with dotted lines and +/- buttons in the classic
// look, images per node, single selection, expand and collapse by mouse and
// keyboard, and vertical scrolling by whole rows.

#include "ui/control/GraphicControl.h"
#include "ui/views/TreeNodes.h"

class TImageList;

enum THitTest : std::uint8_t {
    htAbove,
    htBelow,
    htNowhere,
    htOnItem,
    htOnButton,
    htOnIcon,
    htOnIndent,
    htOnLabel,
    htOnRight,
    htOnStateIcon,
    htToLeft,
    htToRight,
};
using THitTests = TSet<THitTest>;

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVChangingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowChange)>;
using TTVExpandingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* sender, TTreeNode* node)>;

class TTreeView : public TCustomControl {
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;

    TTreeNodes* Items() const { return items_.get(); }
    TTreeNode* Selected() const { return selected_; }
    // Selecting a hidden node expands its ancestors and scrolls to it.
    void SetSelected(TTreeNode* node);

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int Indent() const { return indent_; }
    void SetIndent(int value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    // Captions are never edited in place here; kept for definitions.
    bool ReadOnly = false;
    // A right click selects the node under the pointer.
    bool RightClickSelect = false;
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool value);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool value);
    // Lines and buttons for the top-level nodes too.
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool value);

    // The node in the row at a client point (anywhere across the row).
    TTreeNode* GetNodeAt(int x, int y) const;
    THitTests GetHitTestInfoAt(int x, int y) const;
    int RowHeight() const;
    // Rows that fit wholly in the client area.
    int VisibleRowCount() const;
    // Rows of every node whose ancestors are expanded.
    int RowCount() const;
    int TopRow() const { return topRow_; }
    TTreeNode* TopItem() const;
    void ScrollTo(int row);
    void ScrollBy(int rows) { ScrollTo(topRow_ + rows); }
    // The row rectangle of a node that has a row, else empty.
    TRect NodeRect(const TTreeNode* node) const;
    // The +/- button of a node with children, else empty.
    TRect ButtonRect(const TTreeNode* node) const;
    void FullExpand();
    void FullCollapse();

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnExpanded;
    TTVExpandedEvent OnCollapsed;

    void WndProc(TMessage& message) override;
    bool WantsKey(WORD key) const override;

    // Called by the nodes.
    void NodesChanged();
    void NodeDeleting(TTreeNode* node);
    void NodesClearing();
    bool CanExpand(TTreeNode* node);
    bool CanCollapse(TTreeNode* node);
    void NodeExpansionChanged(TTreeNode* node);
    void ScrollIntoView(const TTreeNode* node);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    // Fills `rect` (client coordinates) behind the rows and below the last
    // one; a skinned or themed tree paints its own background here.
    virtual void FillBackground(TCanvas* canvas, const TRect& rect);
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;

private:
    struct RowLayout {
        int buttonCenter;
        int iconLeft;
        int labelLeft;
        int labelRight;
    };
    RowLayout layoutOf(const TTreeNode* node) const;
    int rowOf(const TTreeNode* node) const;
    TTreeNode* nodeAtRow(int row) const;
    int textWidth(const std::string& text) const;
    int maxTopRow() const;
    void pressAt(int x, int y, UINT msg);
    void moveSelection(TTreeNode* node);
    void handleScrollMessage(WORD code, int position);
    void syncScrollBar();
    void paintRow(TCanvas* canvas, TTreeNode* node, const TRect& rowRect, bool focused);
    void paintLines(HDC dc, const TTreeNode* node, const TRect& rowRect);
    void paintButton(HDC dc, const TTreeNode* node);

    std::unique_ptr<TTreeNodes> items_;
    TTreeNode* selected_ = nullptr;
    TImageList* images_ = nullptr;
    int indent_ = 19;
    TBorderStyle borderStyle_ = bsSingle;
    bool rowSelect_ = false;
    bool hideSelection_ = true;
    bool showLines_ = true;
    bool showButtons_ = true;
    bool showRoot_ = true;
    int topRow_ = 0;
    bool syncingScrollBar_ = false;
};
