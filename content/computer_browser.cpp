#include "content/computer_browser.h"

#include "content/content_category.h"
#include "content/drive_nodes.h"
#include "content/file_lists.h"
#include "content/folder_nodes.h"
#include "kit/buttons.h"
#include "kit/control_set.h"
#include "kit/list_view.h"
#include "kit/popup_menu.h"
#include "kit/tree_view.h"
#include "kit/wait_cursor.h"
#include "platform/shell_folders.h"
#include "platform/volumes.h"

namespace zyntra {

namespace {

// The desktop node's first two children.
constexpr int kPersonalChild = 0;
constexpr int kComputerChild = 1;

bool IsPlaceholder(const TreeView& tree, int node) {
    return tree.Valid(node) && tree.Node(node).caption == kPlaceholderCaption;
}

int PositionAmongSiblings(const TreeView& tree, int node) {
    std::vector<int> siblings = tree.Children(tree.Parent(node));
    for (int position = 0; position < static_cast<int>(siblings.size()); ++position)
        if (siblings[position] == node)
            return position;
    return -1;
}

} // namespace

ComputerBrowserControls ComputerBrowserControls::From(const ControlSet& controls) {
    return {controls.Get<TreeView>("tvCompTreeView"), controls.Get<ListView>("lvCompListView"),
            controls.Get<ButtonControl>("btnCompUp"), controls.Get<ButtonControl>("btnCompRefresh"),
            controls.Get<MenuItem>("CompRefresh")};
}

ComputerBrowser::ComputerBrowser(const ControlSet& controls, WaitCursor& waitCursor,
                                 FileLists& lists, Volumes& volumes, SpecialFolders& folders)
    : ComputerBrowser(ComputerBrowserControls::From(controls), waitCursor, lists, volumes,
                      folders) {}

ComputerBrowser::ComputerBrowser(ComputerBrowserControls controls, WaitCursor& waitCursor,
                                 FileLists& lists, Volumes& volumes, SpecialFolders& folders)
    : controls_(controls), waitCursor_(waitCursor), lists_(lists), volumes_(volumes),
      folders_(folders) {}

void ComputerBrowser::AttachHandlers() {
    controls_.tree.OnClick = [this] { TreeClick(); };
    controls_.tree.OnExpanding = [this](int node, bool&) { TreeExpanding(node); };
    controls_.up.OnClick = [this] { Up(); };
    controls_.refresh.OnClick = [this] { Refresh(); };
    controls_.menuRefresh.OnClick = [this] { Refresh(); };
}

// Captions come from the file system in UTF-8; the tree shows them in the window's charset and
// keeps the name itself for the paths.
int ComputerBrowser::AddNode(int parent, const std::string& caption, TreeIcon icon) {
    int image = static_cast<int>(icon);
    return controls_.tree.AddChild(parent, lists_.ShownText(caption), image, image, caption);
}

void ComputerBrowser::BuildComputerTree() {
    TreeView& tree = controls_.tree;
    tree.Clear();
    driveFolders_.clear();
    int desktop = AddNode(-1, folders_.DesktopCaption(), TreeIcon::Desktop);
    int personal = AddNode(desktop, FolderCaption(folders_.HomePath()), TreeIcon::Personal);
    AddSubfolderNodes(folders_.HomePath(), personal);
    int computer = AddNode(desktop, folders_.ComputerCaption(), TreeIcon::Computer);
    AddDriveNodes(computer);
    if (tree.Selected() < 0) {
        tree.SetSelected(computer);
        tree.Expand(computer);
    }
    AddDesktopFolderNodes(desktop);
}

void ComputerBrowser::RebuildAndList() {
    BuildComputerTree();
    computerPath_ = NodePath(controls_.tree.Selected());
    ListComputerFolder(ListScope::AllCategories);
}

void ComputerBrowser::AddDriveNodes(int computerNode) {
    for (const Volume& drive : UsableDrives(volumes_)) {
        std::string mount = MountPoint(drive);
        int node = AddNode(computerNode, DriveCaption(mount), TreeIcon::Drive);
        AddNode(node, kPlaceholderCaption, TreeIcon::Folder);
        driveFolders_.push_back(mount);
        if (computerPath_ == mount)
            controls_.tree.SetSelected(node);
    }
}

void ComputerBrowser::AddSubfolderNodes(const std::string& folder, int parent) {
    for (const std::string& name : VisibleSubfolders(folder)) {
        int node = AddNode(parent, name, TreeIcon::Folder);
        if (HasVisibleSubfolder(JoinFolderPath(folder, name)))
            AddNode(node, kPlaceholderCaption, TreeIcon::Folder);
    }
}

void ComputerBrowser::AddDesktopFolderNodes(int desktopNode) {
    for (const std::string& name : folders_.DesktopFolderNames()) {
        int node = AddNode(desktopNode, name, TreeIcon::Folder);
        AddNode(node, kPlaceholderCaption, TreeIcon::Folder);
    }
}

ComputerBrowser::NodeKind ComputerBrowser::KindOf(int node) const {
    const TreeView& tree = controls_.tree;
    if (!tree.Valid(node))
        return NodeKind::None;
    if (tree.IsTopLevel(node))
        return NodeKind::Desktop;
    int parent = tree.Parent(node);
    if (tree.IsTopLevel(parent)) {
        switch (PositionAmongSiblings(tree, node)) {
        case kPersonalChild:
            return NodeKind::Personal;
        case kComputerChild:
            return NodeKind::Computer;
        default:
            return NodeKind::DesktopFolder;
        }
    }
    return KindOf(parent) == NodeKind::Computer ? NodeKind::Drive : NodeKind::Folder;
}

std::string ComputerBrowser::DrivePath(int driveNode) const {
    int position = PositionAmongSiblings(controls_.tree, driveNode);
    return position < static_cast<int>(driveFolders_.size()) ? driveFolders_[position] : "";
}

std::string ComputerBrowser::NodePath(int node) {
    TreeView& tree = controls_.tree;
    switch (KindOf(node)) {
    case NodeKind::None:
        return "";
    case NodeKind::Desktop: {
        std::string desktop = folders_.DesktopPath();
        return desktop.empty() ? desktop : desktop + "/"; // never the file system's root
    }
    case NodeKind::Personal:
        return folders_.HomePath();
    case NodeKind::Computer: {
        int firstDrive = tree.FirstChild(node);
        if (firstDrive < 0)
            return "";
        tree.SetSelected(firstDrive);
        return DrivePath(firstDrive);
    }
    case NodeKind::Drive:
        return DrivePath(node);
    case NodeKind::DesktopFolder:
        return JoinFolderPath(folders_.DesktopPath(), tree.Node(node).Name());
    case NodeKind::Folder:
        return JoinFolderPath(NodePath(tree.Parent(node)), tree.Node(node).Name());
    }
    return "";
}

void ComputerBrowser::ListComputerFolder(ListScope scope) {
    if (scope == ListScope::AllCategories) {
        lists_.ResetAllFileLists(Side::Computer);
        lists_.ScanFolder(computerPath_, kAllCategoriesFilter, Side::Computer, false);
    } else {
        ContentCategory category = lists_.CurrentCategory();
        lists_.ResetFileList(Side::Computer, category);
        lists_.ScanFolder(computerPath_, InfoOf(category).filter, Side::Computer, false);
    }
    controls_.list.SetRowCount(static_cast<int>(lists_.CurrentList(Side::Computer).size()));
    controls_.list.Repaint();
}

bool ComputerBrowser::DriveReady(const std::string& path) const {
    std::string root = VolumeRootHolding(volumes_, path);
    const std::string& probe = root.empty() ? path : root;
    return volumes_.IsReadable(probe) || volumes_.FreeBytes(probe).has_value();
}

void ComputerBrowser::TreeClick() {
    int selected = controls_.tree.Selected();
    if (selected < 0)
        return;
    computerPath_ = NodePath(selected);
    if (DriveReady(computerPath_))
        ListComputerFolder(ListScope::AllCategories);
    else
        BuildComputerTree(); // the drive is gone or lost its medium
}

void ComputerBrowser::TreeExpanding(int node) {
    TreeView& tree = controls_.tree;
    if (tree.IsTopLevel(node) || tree.ChildCount(node) != 1 ||
        !IsPlaceholder(tree, tree.FirstChild(node)))
        return;
    tree.Remove(tree.FirstChild(node));
    AddSubfolderNodes(NodePath(node), node);
}

void ComputerBrowser::Up() {
    TreeView& tree = controls_.tree;
    int parent = tree.Parent(tree.Selected());
    if (parent < 0)
        return;
    tree.SetSelected(parent);
    computerPath_ = NodePath(parent);
    ListComputerFolder(ListScope::AllCategories);
}

void ComputerBrowser::Refresh() {
    WaitCursorScope busy(waitCursor_);
    lists_.ResetSortToggles(Side::Computer);
    ListComputerFolder(ListScope::CurrentCategory);
}

} // namespace zyntra
