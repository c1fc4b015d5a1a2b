#include "kit/tree_view.h"

namespace zyntra {

int TreeView::AddChild(int parent, std::string caption, int imageIndex, int selectedIndex,
                       std::string name) {
    if (parent != -1 && !Valid(parent)) {
        return -1;
    }
    const int at = parent == -1 ? NodeCount() : SubtreeEnd(parent);
    const int depth = parent == -1 ? 0 : Node(parent).depth + 1;
    nodes_.insert(nodes_.begin() + at, TreeNode{std::move(caption), imageIndex, selectedIndex,
                                                depth, false, std::move(name)});
    if (selected_ >= at) {
        ++selected_;
    }
    Notify(ControlProperty::Nodes);
    return at;
}

void TreeView::Remove(int index) {
    if (!Valid(index)) {
        return;
    }
    const int end = SubtreeEnd(index);
    nodes_.erase(nodes_.begin() + index, nodes_.begin() + end);
    const bool lostSelection = selected_ >= index && selected_ < end;
    if (selected_ >= end) {
        selected_ -= end - index;
    }
    Notify(ControlProperty::Nodes);
    if (lostSelection) {
        ChangeSelection(-1);
    }
}

void TreeView::Clear() {
    if (nodes_.empty()) {
        return;
    }
    nodes_.clear();
    Notify(ControlProperty::Nodes);
    ChangeSelection(-1);
}

void TreeView::SetNodeCaption(int index, std::string caption) {
    if (!Valid(index) || nodes_[static_cast<std::size_t>(index)].caption == caption) {
        return;
    }
    nodes_[static_cast<std::size_t>(index)].caption = std::move(caption);
    Notify(ControlProperty::NodeCaption, index);
}

void TreeView::SetNodeImages(int index, int imageIndex, int selectedIndex) {
    if (!Valid(index)) {
        return;
    }
    auto& node = nodes_[static_cast<std::size_t>(index)];
    if (node.imageIndex == imageIndex && node.selectedIndex == selectedIndex) {
        return;
    }
    node.imageIndex = imageIndex;
    node.selectedIndex = selectedIndex;
    Notify(ControlProperty::NodeImages, index);
}

int TreeView::Parent(int index) const {
    if (!Valid(index)) {
        return -1;
    }
    const int depth = Node(index).depth;
    for (int i = index - 1; i >= 0; --i) {
        if (Node(i).depth < depth) {
            return i;
        }
    }
    return -1;
}

std::vector<int> TreeView::Children(int index) const {
    std::vector<int> children;
    if (!Valid(index)) {
        return children;
    }
    const int end = SubtreeEnd(index);
    for (int i = index + 1; i < end; ++i) {
        if (Node(i).depth == Node(index).depth + 1) {
            children.push_back(i);
        }
    }
    return children;
}

int TreeView::ChildCount(int index) const {
    return static_cast<int>(Children(index).size());
}

int TreeView::FirstChild(int index) const {
    return Valid(index) && SubtreeEnd(index) > index + 1 ? index + 1 : -1;
}

int TreeView::SubtreeEnd(int index) const {
    if (!Valid(index)) {
        return index;
    }
    int end = index + 1;
    while (end < NodeCount() && Node(end).depth > Node(index).depth) {
        ++end;
    }
    return end;
}

void TreeView::SetSelected(int index) {
    ChangeSelection(Valid(index) ? index : -1);
}

void TreeView::ChangeSelection(int index) {
    if (selected_ == index) {
        return;
    }
    selected_ = index;
    Notify(ControlProperty::Selection);
    OnChange.Fire(index);
}

void TreeView::Expand(int index) {
    if (IsExpanded(index) || FirstChild(index) < 0) {
        return;
    }
    bool allow = true;
    OnExpanding.Fire(index, allow);
    // The handler may have replaced the children, or left none.
    if (!allow || FirstChild(index) < 0 || IsExpanded(index)) {
        return;
    }
    nodes_[static_cast<std::size_t>(index)].expanded = true;
    Notify(ControlProperty::NodeExpanded, index);
}

void TreeView::Collapse(int index) {
    if (!IsExpanded(index)) {
        return;
    }
    nodes_[static_cast<std::size_t>(index)].expanded = false;
    Notify(ControlProperty::NodeExpanded, index);
}

void TreeView::FullExpand() {
    for (int i = 0; i < NodeCount(); ++i) {
        Expand(i);
    }
}

void TreeView::UserSelectNode(int index) {
    if (AcceptsUserAction() && Valid(index)) {
        SetSelected(index);
    }
}

void TreeView::UserClickNode(int index) {
    if (!AcceptsUserAction()) {
        return;
    }
    if (Valid(index)) {
        SetSelected(index);
    }
    OnClick.Fire();
}

void TreeView::UserExpand(int index) {
    if (!AcceptsUserAction() || !Valid(index)) {
        return;
    }
    Expand(index);
    if (!IsExpanded(index)) {
        Notify(ControlProperty::NodeExpanded, index); // refused: the widget shows it open
    }
}

void TreeView::UserCollapse(int index) {
    if (AcceptsUserAction()) {
        Collapse(index);
    }
}

} // namespace zyntra
