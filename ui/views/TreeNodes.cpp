// Tree nodes: text, images, expansion, tree-order walks, insertion and
// deletion.

#include "ui/views/TreeNodes.h"

#include "ui/component/Exception.h"
#include "ui/views/TreeView.h"

#include <algorithm>

namespace {

[[noreturn]] void IndexError(int index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}

TTreeNode::~TTreeNode() = default;

TTreeView* TTreeNode::TreeView() const
{
    return owner_->Owner();
}

std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::siblings() const
{
    return owner_->listOf(parent_);
}

void TTreeNode::SetText(const std::string& value)
{
    if (value == text_)
        return;
    text_ = value;
    owner_->Changed();
}

void TTreeNode::SetImageIndex(int value)
{
    if (value == imageIndex_)
        return;
    imageIndex_ = value;
    owner_->Changed();
}

void TTreeNode::SetSelectedIndex(int value)
{
    if (value == selectedIndex_)
        return;
    selectedIndex_ = value;
    owner_->Changed();
}

int TTreeNode::Level() const
{
    int level = 0;
    for (TTreeNode* p = parent_; p; p = p->parent_)
        ++level;
    return level;
}

TTreeNode* TTreeNode::Item(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return children_[std::size_t(index)].get();
}

int TTreeNode::Index() const
{
    const auto& list = siblings();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == this)
            return int(i);
    return -1;
}

void TTreeNode::SetHasChildren(bool value)
{
    hasChildrenFlag_ = value;
    owner_->Changed();
}

// ---- Expansion ------------------------------------------------------------------------------------

void TTreeNode::SetExpanded(bool value)
{
    if (value)
        Expand(false);
    else
        Collapse(false);
}

void TTreeNode::Expand(bool recurse)
{
    if (!expanded_ && HasChildren() && TreeView()->CanExpand(this)) {
        expanded_ = true;
        TreeView()->NodeExpansionChanged(this);
    }
    if (recurse)
        for (auto& child : children_)
            child->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    if (recurse)
        for (auto& child : children_)
            child->Collapse(true);
    if (expanded_ && TreeView()->CanCollapse(this)) {
        expanded_ = false;
        TreeView()->NodeExpansionChanged(this);
    }
}

void TTreeNode::MakeVisible()
{
    for (TTreeNode* p = parent_; p; p = p->parent_)
        p->Expand(false);
    TreeView()->ScrollIntoView(this);
}

bool TTreeNode::IsVisible() const
{
    for (TTreeNode* p = parent_; p; p = p->parent_)
        if (!p->expanded_)
            return false;
    return true;
}

bool TTreeNode::Selected() const
{
    return TreeView()->Selected() == this;
}

void TTreeNode::SetSelected(bool value)
{
    if (value)
        TreeView()->SetSelected(this);
    else if (Selected())
        TreeView()->SetSelected(nullptr);
}

// ---- Walks -------------------------------------------------------------------------------------------

TTreeNode* TTreeNode::GetNextSibling() const
{
    const auto& list = siblings();
    int index = Index();
    return index + 1 < int(list.size()) ? list[std::size_t(index + 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const
{
    int index = Index();
    return index > 0 ? siblings()[std::size_t(index - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!children_.empty())
        return children_.front().get();
    for (const TTreeNode* n = this; n; n = n->parent_)
        if (TTreeNode* next = n->GetNextSibling())
            return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const
{
    TTreeNode* prev = GetPrevSibling();
    if (!prev)
        return parent_;
    while (TTreeNode* last = prev->GetLastChild())
        prev = last;
    return prev;
}

TTreeNode* TTreeNode::GetNextVisible() const
{
    if (expanded_ && !children_.empty())
        return children_.front().get();
    for (const TTreeNode* n = this; n; n = n->parent_)
        if (TTreeNode* next = n->GetNextSibling())
            return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const
{
    TTreeNode* prev = GetPrevSibling();
    if (!prev)
        return parent_;
    while (prev->expanded_ && !prev->children_.empty())
        prev = prev->children_.back().get();
    return prev;
}

bool TTreeNode::HasAsParent(const TTreeNode* node) const
{
    for (TTreeNode* p = parent_; p; p = p->parent_)
        if (p == node)
            return true;
    return false;
}

void TTreeNode::Delete()
{
    owner_->Delete(this);
}

void TTreeNode::DeleteChildren()
{
    owner_->BeginUpdate();
    while (!children_.empty())
        owner_->Delete(children_.back().get());
    owner_->EndUpdate();
}

// ---- Node list -----------------------------------------------------------------------------------------

TTreeNodes::~TTreeNodes() = default;

TTreeNode* TTreeNodes::insertAt(TTreeNode* parent, std::size_t position, const std::string& text)
{
    auto& list = listOf(parent);
    position = std::min(position, list.size());
    auto node = std::make_unique<TTreeNode>(this, parent);
    node->text_ = text;
    TTreeNode* result = node.get();
    list.insert(list.begin() + std::ptrdiff_t(position), std::move(node));
    Changed();
    return result;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text)
{
    TTreeNode* parent = sibling ? sibling->parent_ : nullptr;
    return insertAt(parent, listOf(parent).size(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text)
{
    return insertAt(sibling ? sibling->parent_ : nullptr, 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text)
{
    return insertAt(parent, listOf(parent).size(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text)
{
    return insertAt(parent, 0, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text)
{
    if (!sibling)
        return insertAt(nullptr, roots_.size(), text);
    return insertAt(sibling->parent_, std::size_t(sibling->Index()), text);
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!node || node->owner_ != this)
        return;
    view_->NodeDeleting(node);
    auto& list = listOf(node->parent_);
    auto it = std::find_if(list.begin(), list.end(), [node](const auto& p) { return p.get() == node; });
    if (it == list.end())
        return;
    // Keep the node alive until it is out of the list, so that nothing
    // walking the tree meanwhile meets a freed node.
    std::unique_ptr<TTreeNode> doomed = std::move(*it);
    list.erase(it);
    TTreeNode* parent = doomed->parent_;
    doomed.reset();
    if (parent && parent->children_.empty())
        parent->expanded_ = false;
    Changed();
}

void TTreeNodes::Clear()
{
    if (roots_.empty())
        return;
    view_->NodesClearing();
    roots_.clear();
    Changed();
}

int TTreeNodes::Count() const
{
    int count = 0;
    for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext())
        ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int index) const
{
    if (index >= 0) {
        int i = 0;
        for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext(), ++i)
            if (i == index)
                return n;
    }
    IndexError(index);
}

void TTreeNodes::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

void TTreeNodes::Changed()
{
    if (updateCount_ == 0)
        view_->NodesChanged();
}
