#include "kit/controls.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zyntra {
namespace {

std::vector<std::string> Captions(const TreeView& tree) {
    std::vector<std::string> captions;
    for (int i = 0; i < tree.NodeCount(); ++i) {
        captions.push_back(tree.Node(i).caption);
    }
    return captions;
}

// The device tree: a top node per device, its internal memory and card below it.
class TreeViewTest : public ::testing::Test {
protected:
    TreeViewTest() : tree(set.Add<TreeView>("tvDictTreeView")) {
        device1 = tree.AddChild(-1, "QX740  (A)", 0, 0);
        dict1 = tree.AddChild(device1, "My dictionary", 1, 1);
        device2 = tree.AddChild(-1, "QX740  (B)", 0, 0);
        dict2 = tree.AddChild(device2, "My dictionary", 1, 1);
        tree.OnChange = [this](int node) { changes.push_back(node); };
    }

    ControlSet set;
    TreeView& tree;
    int device1 = -1, dict1 = -1, device2 = -1, dict2 = -1;
    std::vector<int> changes;
};

TEST_F(TreeViewTest, AbsoluteIndicesFollowTreeOrderAndTheSelectionFollowsItsNode) {
    EXPECT_EQ((std::vector<int>{device1, dict1, device2, dict2}), (std::vector<int>{0, 1, 2, 3}));
    tree.SetSelected(dict2);

    const int card1 = tree.AddChild(device1, "SD card", 2, 2);

    EXPECT_EQ(card1, 2);
    EXPECT_EQ(Captions(tree), (std::vector<std::string>{"QX740  (A)", "My dictionary", "SD card",
                                                        "QX740  (B)", "My dictionary"}));
    EXPECT_EQ(tree.Selected(), 4) << "the same node, one place on";
    EXPECT_EQ(changes, (std::vector<int>{3})) << "moving with its node is no change";
    EXPECT_EQ(tree.Parent(card1), 0);
    EXPECT_EQ(tree.Parent(3), -1);
    EXPECT_EQ(tree.Children(0), (std::vector<int>{1, 2}));
    EXPECT_EQ(tree.SubtreeEnd(0), 3);
    EXPECT_EQ(tree.AddChild(9, "nowhere"), -1);
}

TEST_F(TreeViewTest, RemovingASubtreeRenumbersAndLosingTheSelectionIsReported) {
    tree.SetSelected(dict2);
    tree.Remove(device1); // the node and its child
    EXPECT_EQ(Captions(tree), (std::vector<std::string>{"QX740  (B)", "My dictionary"}));
    EXPECT_EQ(tree.Selected(), 1);

    tree.Remove(0);
    EXPECT_EQ(tree.NodeCount(), 0);
    EXPECT_EQ(tree.Selected(), -1);

    tree.AddChild(-1, "again");
    tree.SetSelected(0);
    tree.Clear();
    tree.Clear();
    EXPECT_EQ(changes, (std::vector<int>{3, -1, 0, -1}));
}

TEST_F(TreeViewTest, ExpandingAsksTheHandlerWhichMayReplaceAPlaceholder) {
    TreeView& folders = set.Add<TreeView>("tvCompTreeView");
    const int drive = folders.AddChild(-1, "C:");
    folders.AddChild(drive, "System Fake.Don't remove.");
    const int empty = folders.AddChild(-1, "D:");
    folders.AddChild(empty, "System Fake.Don't remove.");
    std::vector<int> asked;
    folders.OnExpanding = [&](int node, bool& allow) {
        asked.push_back(node);
        folders.Remove(folders.FirstChild(node));
        if (folders.Node(node).caption == "C:") {
            const int sub = folders.AddChild(node, "Music");
            folders.AddChild(sub, "System Fake.Don't remove.");
        }
        allow = true;
    };

    folders.Expand(drive);
    EXPECT_TRUE(folders.IsExpanded(drive));
    EXPECT_EQ(folders.Node(1).caption, "Music");

    const int d = folders.SubtreeEnd(drive);
    folders.Expand(d);
    EXPECT_FALSE(folders.IsExpanded(d)) << "a drive without folders ends with no children";
    folders.Expand(d); // nothing below it: no question
    EXPECT_EQ(asked, (std::vector<int>{0, 3}));

    folders.FullExpand(); // reaches the folder added by the first expansion
    EXPECT_EQ(asked, (std::vector<int>{0, 3, 1}));
}

TEST_F(TreeViewTest, UserClickSelectsBeforeOnClickAndRefusedExpansionStaysClosed) {
    std::vector<int> selectedAtClick;
    tree.OnClick = [&] { selectedAtClick.push_back(tree.Selected()); };
    tree.OnExpanding = [](int, bool& allow) { allow = false; };

    tree.UserClickNode(dict1);
    tree.UserClickNode(-1); // empty space: a click, the selection stays
    tree.UserSelectNode(device2);
    tree.UserExpand(device1);

    EXPECT_EQ(selectedAtClick, (std::vector<int>{1, 1}));
    EXPECT_EQ(changes, (std::vector<int>{1, 2}));
    EXPECT_FALSE(tree.IsExpanded(device1));
}

} // namespace
} // namespace zyntra
