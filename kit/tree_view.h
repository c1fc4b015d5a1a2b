#pragma once

#include "kit/control.h"
#include "kit/event.h"

#include <string>
#include <vector>

namespace zyntra {

struct TreeNode {
    std::string caption;
    int imageIndex = -1;
    int selectedIndex = -1; // the image while the node is selected
    int depth = 0;          // 0 for a top-level node
    bool expanded = false;
    // What the program reads back from the node when the shown caption is not the thing itself:
    // a folder's own name, whose caption is that name in the window's charset. Empty: the
    // caption is it.
    std::string name;

    const std::string& Name() const { return name.empty() ? caption : name; }
};

// A tree whose nodes are addressed by absolute index: their position counted from 0 over all
// nodes in tree order (a node, then everything below it, then its next sibling). Adding or
// removing nodes moves the indices of the nodes after them; the selection follows its node.
//
// Events: OnChange(node) whenever the selected node changes, from code or by the user, also
// to -1 when the selected node is removed or the tree cleared. OnExpanding(node, allow) before
// a node with children expands, from code (Expand, FullExpand) or by the user; the handler may
// add or remove the node's children or refuse. OnClick only for the user's click, after the
// click has selected its node.
class TreeView : public Control {
public:
    using Control::Control;

    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    const TreeNode& Node(int index) const { return nodes_.at(static_cast<std::size_t>(index)); }
    bool Valid(int index) const { return index >= 0 && index < NodeCount(); }

    // Adds a last child of parent (-1: a last top-level node); returns its index, or -1 when
    // parent is no node.
    int AddChild(int parent, std::string caption, int imageIndex = -1, int selectedIndex = -1,
                 std::string name = {});
    // Removes the node and everything below it.
    void Remove(int index);
    void Clear();

    void SetNodeCaption(int index, std::string caption);
    void SetNodeImages(int index, int imageIndex, int selectedIndex);

    int Parent(int index) const; // -1 for a top-level node or no node
    std::vector<int> Children(int index) const;
    int ChildCount(int index) const;
    int FirstChild(int index) const; // -1 when it has none
    bool IsTopLevel(int index) const { return Valid(index) && Node(index).depth == 0; }
    // One past the last node below index.
    int SubtreeEnd(int index) const;

    int Selected() const { return selected_; }
    // -1 or an index outside the tree selects none.
    void SetSelected(int index);

    bool IsExpanded(int index) const { return Valid(index) && Node(index).expanded; }
    // A node without children does not expand.
    void Expand(int index);
    void Collapse(int index);
    // Expands every node, including nodes that expansion handlers add.
    void FullExpand();

    // The user moved the selection (keyboard): OnChange only.
    void UserSelectNode(int index);
    // The user clicked a node (-1: empty space): it becomes selected, then OnClick.
    void UserClickNode(int index);
    void UserExpand(int index);
    void UserCollapse(int index);

    Event<> OnClick;
    Event<int> OnChange;
    Event<int, bool&> OnExpanding;

private:
    void ChangeSelection(int index);

    std::vector<TreeNode> nodes_;
    int selected_ = -1;
};

} // namespace zyntra
