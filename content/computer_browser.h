#pragma once

#include "content/content_category.h"

#include <string>
#include <vector>

namespace zyntra {

class ButtonControl;
class ControlSet;
class FileLists;
class ListView;
class MenuItem;
class SpecialFolders;
class TreeView;
class Volumes;
class WaitCursor;

// Marks a node whose subfolders have not been read yet; expanding the node removes it before
// anyone sees it.
inline constexpr const char* kPlaceholderCaption = "System Fake.Don't remove.";

// The pictures of the tree's nodes: their places in the window's list of tree pictures, which
// the device tree shares (5 device, 6 card). A selected node keeps its picture.
enum class TreeIcon { Desktop = 0, Computer = 1, Personal = 2, Folder = 3, Drive = 4 };

struct ComputerBrowserControls {
    TreeView& tree; // tvCompTreeView
    ListView& list; // lvCompListView
    ButtonControl& up;
    ButtonControl& refresh;
    MenuItem& menuRefresh; // CompRefresh; CompUp stays without an action

    static ComputerBrowserControls From(const ControlSet& controls);
};

// The upper half of the content page: a tree of the computer's folders and the computer-side
// lists of the folder chosen in it.
//
// The tree's single top node is the desktop. Below it come the personal node (the user's home
// folder, whose subfolders are read when the tree is built, so that music or pictures are one
// click away), the computer node with one drive node per usable mounted volume, and the
// desktop's real folders. Drive, desktop-folder and deeper folder nodes read their subfolders
// only when first expanded; until then a placeholder child stands for them.
//
// A drive node shows the volume's label (the last part of its mount point) and the mount
// point; its folder is the mount point. Fixed disks are always drives; removable volumes only
// with a medium in them and without "_info.dat" at their root, since those are the device's
// own storages, shown on the device side; network and optical volumes when they can be read.
class ComputerBrowser {
public:
    ComputerBrowser(const ControlSet& controls, WaitCursor& waitCursor, FileLists& lists,
                    Volumes& volumes, SpecialFolders& folders);
    ComputerBrowser(ComputerBrowserControls controls, WaitCursor& waitCursor, FileLists& lists,
                    Volumes& volumes, SpecialFolders& folders);

    // Tree click and expansion, Up and Refresh (button and menu entry).
    void AttachHandlers();

    // The folder the computer-side lists show; "0" until the window first sets it, which no
    // drive matches.
    const std::string& ComputerPath() const { return computerPath_; }
    void SetComputerPath(std::string path) { computerPath_ = std::move(path); }

    // Clears and fills the tree. The drive whose folder is the current computer path is
    // selected again; without one the computer node is selected and expanded.
    void BuildComputerTree();
    // Rebuilds the tree, then lists the folder of the selection: after volumes came or went.
    void RebuildAndList();

    void AddDriveNodes(int computerNode);
    void AddSubfolderNodes(const std::string& folder, int parent);
    void AddDesktopFolderNodes(int desktopNode);

    // The folder a node stands for; empty for no node. The computer node stands for its first
    // drive, and asking for its folder moves the selection there.
    std::string NodePath(int node);

    void ListComputerFolder(ListScope scope);

    void TreeClick();
    void TreeExpanding(int node);
    void Up();
    void Refresh();

private:
    enum class NodeKind { None, Desktop, Personal, Computer, Drive, DesktopFolder, Folder };

    NodeKind KindOf(int node) const;
    int AddNode(int parent, const std::string& caption, TreeIcon icon);
    bool DriveReady(const std::string& path) const;
    std::string DrivePath(int driveNode) const;

    ComputerBrowserControls controls_;
    WaitCursor& waitCursor_;
    FileLists& lists_;
    Volumes& volumes_;
    SpecialFolders& folders_;
    std::string computerPath_ = "0";
    std::vector<std::string> driveFolders_; // the drive nodes' folders, in their tree order
};

} // namespace zyntra
