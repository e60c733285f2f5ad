#pragma once
// The nodes of a tree view. A node owns its children; the node list owns
// the top-level nodes and tells the view about every change.

#include "ui/component/Component.h"

#include <memory>
#include <string>
#include <vector>

class TTreeView;
class TTreeNodes;

class TTreeNode : public TPersistent {
public:
    TTreeNode(TTreeNodes* owner, TTreeNode* parent);
    ~TTreeNode() override;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int value);
    void* Data = nullptr;

    TTreeNode* Parent() const { return parent_; }
    // 0 for a top-level node.
    int Level() const;
    int Count() const { return int(children_.size()); }
    // Raises EListError for an index out of range.
    TTreeNode* Item(int index) const;
    TTreeNode* operator[](int index) const { return Item(index); }
    // Position among its siblings.
    int Index() const;
    // Children, or the flag set for nodes whose children come later.
    bool HasChildren() const { return !children_.empty() || hasChildrenFlag_; }
    void SetHasChildren(bool value);

    bool Expanded() const { return expanded_; }
    void SetExpanded(bool value);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    // Expands every ancestor so that the node has a row.
    void MakeVisible();
    // Whether every ancestor is expanded.
    bool IsVisible() const;
    bool Selected() const;
    void SetSelected(bool value);

    // Tree order: first child, else next sibling, else the next sibling of
    // the nearest ancestor that has one.
    TTreeNode* GetNext() const;
    TTreeNode* GetPrev() const;
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    // The next and previous nodes that have rows.
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;
    bool HasAsParent(const TTreeNode* node) const;

    // Removes the node with its children and frees it.
    void Delete();
    void DeleteChildren();
    TTreeNodes* Owner() const { return owner_; }
    TTreeView* TreeView() const;

private:
    friend class TTreeNodes;
    std::vector<std::unique_ptr<TTreeNode>>& siblings() const;

    TTreeNodes* owner_;
    TTreeNode* parent_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    std::string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    bool expanded_ = false;
    bool hasChildrenFlag_ = false;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView* view) : view_(view) {}
    ~TTreeNodes();

    // A new last sibling of `sibling`; a top-level node when it is null.
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    // A new first sibling of `sibling`; a first top-level node when null.
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
    // A new last child of `parent`; a last top-level node when null.
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
    // A new node just before `sibling`; a last top-level node when null.
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
    void Delete(TTreeNode* node);
    void Clear();

    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
    // Every node, counted in tree order.
    int Count() const;
    // The node at a tree-order position; raises EListError out of range.
    TTreeNode* Item(int index) const;
    TTreeNode* operator[](int index) const { return Item(index); }
    TTreeView* Owner() const { return view_; }

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }
    void Changed();

private:
    friend class TTreeNode;
    TTreeNode* insertAt(TTreeNode* parent, std::size_t position, const std::string& text);
    std::vector<std::unique_ptr<TTreeNode>>& listOf(TTreeNode* parent) { return parent ? parent->children_ : roots_; }

    TTreeView* view_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
    int updateCount_ = 0;
};
