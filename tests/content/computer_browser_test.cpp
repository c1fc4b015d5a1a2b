#include "app/controls/main_window_controls.h"
#include "content/computer_browser.h"
#include "content/file_lists.h"
#include "kit/buttons.h"
#include "kit/control_set.h"
#include "kit/form.h"
#include "kit/list_view.h"
#include "kit/popup_menu.h"
#include "kit/tree_view.h"
#include "platform/shell_folders.h"
#include "platform/volumes.h"
#include "tests/support/temp_dir.h"
#include "tests/support/ui_doubles.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::WriteFile;

// A home with a desktop, and four volumes under a temporary folder.
class ComputerBrowserTest : public ::testing::Test {
protected:
    ComputerBrowserTest()
        : home(dir.Path() + "home/user"), desktop(home + "/Desktop"), disk(dir.Path() + "disk"),
          stick(dir.Path() + "media/STICK"), device(dir.Path() + "media/QX740"),
          folders(desktop, home + "/Documents", home) {
        fs::create_directories(home + "/Documents");
        fs::create_directories(home + "/Music/Albums");
        fs::create_directories(home + "/.cache/thumbs");
        fs::create_directories(desktop + "/Projects/src");
        fs::create_directories(desktop + "/.trash");
        WriteFile(desktop + "/editor.desktop", "[Desktop Entry]\n");
        WriteFile(desktop + "/notes.txt", "x");
        fs::create_directories(disk + "/books/old");
        fs::create_directories(disk + "/.snapshots");
        fs::create_directories(stick);
        WriteFile(device + "/_info.dat", "x");
        volumes.Set({{disk + "/", VolumeType::Fixed},
                     {device + "/", VolumeType::Removable},
                     {stick + "/", VolumeType::Removable},
                     {dir.Path() + "net", VolumeType::Network}});
        volumes.SetReadable(dir.Path() + "net", false);
        browser.AttachHandlers();
    }

    TreeView& Tree() { return controls.Get<TreeView>("tvCompTreeView"); }

    std::vector<std::string> Captions(int parent) {
        std::vector<std::string> captions;
        for (int child : Tree().Children(parent))
            captions.push_back(Tree().Node(child).caption);
        return captions;
    }

    // The child of parent with this caption, or -1.
    int Child(int parent, const std::string& caption) {
        for (int child : Tree().Children(parent))
            if (Tree().Node(child).caption == caption)
                return child;
        return -1;
    }

    int Personal() { return Tree().Children(0).at(0); }
    int Computer() { return Tree().Children(0).at(1); }
    int DiskNode() { return Child(Computer(), "disk (" + disk + ")"); }

    std::vector<std::string> Names(ContentCategory category) {
        std::vector<std::string> names;
        for (const FILE_TYPE& entry : lists.List(Side::Computer, category))
            names.push_back(entry.fileName);
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir;
    std::string home, desktop, disk, stick, device;
    MemorySpecialFolders folders;
    MemoryVolumes volumes;
    struct Window {
        Window() {
            CreateMainWindowControls(controls);
            controls.Get<Form>("dfmMain").SetVisible(true); // the user reaches the tree
        }
        ControlSet controls;
    } window;
    ControlSet& controls = window.controls;
    RecordingWaitCursor waitCursor;
    FileLists lists;
    ComputerBrowser browser{controls, waitCursor, lists, volumes, folders};
};

TEST_F(ComputerBrowserTest, TreeShowsDesktopHomeDrivesAndDesktopFolders) {
    browser.BuildComputerTree();
    TreeView& tree = Tree();

    ASSERT_TRUE(tree.IsTopLevel(0));
    EXPECT_EQ(tree.SubtreeEnd(0), tree.NodeCount()); // the desktop is the only top node
    EXPECT_EQ(tree.Node(0).caption, "Desktop");
    EXPECT_EQ(tree.Node(0).imageIndex, static_cast<int>(TreeIcon::Desktop));
    // The pictures are the window's tree pictures: 1 is the computer's, 2 the home folder's.
    for (int node = 0; node < tree.NodeCount(); ++node) {
        if (tree.Node(node).caption == "Computer")
            EXPECT_EQ(tree.Node(node).imageIndex, 1);
        if (tree.Node(node).caption == "user")
            EXPECT_EQ(tree.Node(node).imageIndex, 2);
    }
    EXPECT_EQ(Captions(0), (std::vector<std::string>{"user", "Computer", "Projects"}));

    // The home folder's visible subfolders are there from the start.
    EXPECT_EQ(Captions(Personal()), (std::vector<std::string>{"Desktop", "Documents", "Music"}));
    EXPECT_EQ(Captions(Child(Personal(), "Music")), std::vector<std::string>{kPlaceholderCaption});
    EXPECT_EQ(tree.ChildCount(Child(Personal(), "Documents")), 0);

    // The device's storage and the unreadable network volume are no drives.
    EXPECT_EQ(Captions(Computer()),
              (std::vector<std::string>{"disk (" + disk + ")", "STICK (" + stick + ")"}));
    for (int drive : tree.Children(Computer()))
        EXPECT_EQ(Captions(drive), std::vector<std::string>{kPlaceholderCaption});
    EXPECT_EQ(Captions(Child(0, "Projects")), std::vector<std::string>{kPlaceholderCaption});

    // Nothing matched the start-up path "0".
    EXPECT_EQ(tree.Selected(), Computer());
    EXPECT_TRUE(tree.IsExpanded(Computer()));
}

TEST_F(ComputerBrowserTest, DriveKindsFollowTheirReadability) {
    volumes.Set({{dir.Path() + "root/", VolumeType::Fixed},
                 {stick + "/", VolumeType::Removable},
                 {dir.Path() + "cd/", VolumeType::Cdrom},
                 {dir.Path() + "net/", VolumeType::Network}});
    volumes.SetReadable(dir.Path() + "root/", false);
    volumes.SetReadable(stick + "/", false);
    volumes.SetReadable(dir.Path() + "cd/", false);
    browser.BuildComputerTree();
    // A fixed disk is a drive even when it cannot be read; the others only when they can.
    EXPECT_EQ(Captions(Computer()), (std::vector<std::string>{"root (" + dir.Path() + "root)",
                                                              "net (" + dir.Path() + "net)"}));

    volumes.Set({{"/", VolumeType::Fixed}});
    browser.BuildComputerTree();
    EXPECT_EQ(Captions(Computer()), std::vector<std::string>{"/"});
    EXPECT_EQ(browser.NodePath(Tree().FirstChild(Computer())), "/");
}

TEST_F(ComputerBrowserTest, RebuildSelectsTheDriveOfTheComputerPath) {
    browser.SetComputerPath(stick);
    browser.BuildComputerTree();
    EXPECT_EQ(Tree().Node(Tree().Selected()).caption, "STICK (" + stick + ")");

    WriteFile(stick + "/b.png", "x");
    WriteFile(disk + "/c.png", "x");
    browser.SetComputerPath("0");
    browser.RebuildAndList();
    EXPECT_EQ(Tree().Selected(), DiskNode());
    EXPECT_EQ(browser.ComputerPath(), disk);
    EXPECT_EQ(Names(ContentCategory::EAlbum), std::vector<std::string>{"c.png"});
}

TEST_F(ComputerBrowserTest, ExpansionReplacesThePlaceholderOnce) {
    browser.BuildComputerTree();
    fs::create_directories(disk + "/alpha");
    WriteFile(disk + "/file.mp3", "x");
    fs::create_directory_symlink(disk + "/books", disk + "/link");

    Tree().UserExpand(DiskNode());
    EXPECT_EQ(Captions(DiskNode()), (std::vector<std::string>{"alpha", "books"}));
    EXPECT_EQ(Captions(Child(DiskNode(), "books")), std::vector<std::string>{kPlaceholderCaption});
    EXPECT_EQ(Tree().ChildCount(Child(DiskNode(), "alpha")), 0);

    Tree().UserExpand(Child(DiskNode(), "books"));
    EXPECT_EQ(Captions(Child(DiskNode(), "books")), std::vector<std::string>{"old"});

    // Collapsing keeps what expansion added, and expanding again reads nothing twice.
    fs::create_directories(disk + "/beta");
    Tree().UserCollapse(DiskNode());
    Tree().UserExpand(DiskNode());
    EXPECT_EQ(Captions(DiskNode()), (std::vector<std::string>{"alpha", "books"}));

    // A drive without visible folders ends up with no children.
    int stickNode = Child(Computer(), "STICK (" + stick + ")");
    Tree().UserExpand(stickNode);
    EXPECT_EQ(Tree().ChildCount(stickNode), 0);

    Tree().UserExpand(Child(0, "Projects"));
    EXPECT_EQ(Captions(Child(0, "Projects")), std::vector<std::string>{"src"});
}

TEST_F(ComputerBrowserTest, NodePathsNameTheFolders) {
    browser.BuildComputerTree();
    Tree().UserExpand(DiskNode());
    Tree().UserExpand(Child(DiskNode(), "books"));
    Tree().UserExpand(Child(Personal(), "Music"));

    EXPECT_EQ(browser.NodePath(0), desktop + "/");
    EXPECT_EQ(browser.NodePath(Personal()), home);
    EXPECT_EQ(browser.NodePath(Child(Personal(), "Music")), home + "/Music");
    EXPECT_EQ(browser.NodePath(Child(Child(Personal(), "Music"), "Albums")),
              home + "/Music/Albums");
    EXPECT_EQ(browser.NodePath(DiskNode()), disk);
    EXPECT_EQ(browser.NodePath(Child(Child(DiskNode(), "books"), "old")), disk + "/books/old");
    EXPECT_EQ(browser.NodePath(Child(0, "Projects")), desktop + "/Projects");
    EXPECT_EQ(browser.NodePath(-1), "");

    Tree().SetSelected(0);
    EXPECT_EQ(browser.NodePath(Computer()), disk);
    EXPECT_EQ(Tree().Selected(), DiskNode());
}

TEST_F(ComputerBrowserTest, ClickListsTheFolderWithoutItsSubfolders) {
    WriteFile(disk + "/song.mp3", "x");
    WriteFile(disk + "/photo.jpg", "x");
    WriteFile(disk + "/notes.txt", "x");
    WriteFile(disk + "/books/deep.mp3", "x");
    WriteFile(desktop + "/clip.mp4", "x");
    lists.SetCurrentCategory(ContentCategory::Mp3Music);
    browser.BuildComputerTree();

    Tree().UserClickNode(Computer());
    EXPECT_EQ(Tree().Selected(), DiskNode());
    EXPECT_EQ(browser.ComputerPath(), disk);
    EXPECT_EQ(Names(ContentCategory::Mp3Music), std::vector<std::string>{"song.mp3"});
    EXPECT_EQ(Names(ContentCategory::EAlbum), std::vector<std::string>{"photo.jpg"});
    EXPECT_EQ(Names(ContentCategory::Writer), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(controls.Get<ListView>("lvCompListView").RowCount(), 1);

    Tree().UserClickNode(0);
    EXPECT_EQ(browser.ComputerPath(), desktop + "/");
    EXPECT_EQ(Names(ContentCategory::DigitalContents), std::vector<std::string>{"clip.mp4"});
    EXPECT_EQ(Names(ContentCategory::Writer), std::vector<std::string>{"notes.txt"});
    EXPECT_TRUE(Names(ContentCategory::Mp3Music).empty());
    EXPECT_EQ(controls.Get<ListView>("lvCompListView").RowCount(), 0);
}

TEST_F(ComputerBrowserTest, ClickOnADriveThatIsGoneRebuildsTheTree) {
    WriteFile(stick + "/song.mp3", "x");
    browser.BuildComputerTree();
    Tree().UserClickNode(Child(Computer(), "STICK (" + stick + ")"));
    ASSERT_EQ(Names(ContentCategory::Mp3Music), std::vector<std::string>{"song.mp3"});

    volumes.SetReadable(stick + "/", false);
    Tree().UserClickNode(Child(Computer(), "STICK (" + stick + ")"));
    EXPECT_EQ(Captions(Computer()), std::vector<std::string>{"disk (" + disk + ")"});
    EXPECT_EQ(Tree().Selected(), Computer());
    EXPECT_EQ(Names(ContentCategory::Mp3Music), std::vector<std::string>{"song.mp3"});

    // Free-space figures alone also make a drive ready.
    volumes.SetFreeBytes(disk + "/", 1000);
    volumes.SetReadable(disk + "/", false);
    Tree().UserClickNode(DiskNode());
    EXPECT_TRUE(Names(ContentCategory::Mp3Music).empty());
    EXPECT_EQ(Tree().Selected(), DiskNode());
}

TEST_F(ComputerBrowserTest, UpSelectsTheParentAndListsIt) {
    WriteFile(disk + "/top.mp3", "x");
    WriteFile(disk + "/books/old/deep.mp3", "x");
    browser.BuildComputerTree();
    Tree().UserExpand(DiskNode());
    Tree().UserExpand(Child(DiskNode(), "books"));
    Tree().UserClickNode(Child(Child(DiskNode(), "books"), "old"));
    ASSERT_EQ(Names(ContentCategory::Mp3Music), std::vector<std::string>{"deep.mp3"});

    controls.Get<ButtonControl>("btnCompUp").Click();
    EXPECT_EQ(browser.ComputerPath(), disk + "/books");
    EXPECT_TRUE(Names(ContentCategory::Mp3Music).empty());
    controls.Get<ButtonControl>("btnCompUp").Click();
    EXPECT_EQ(browser.ComputerPath(), disk);
    EXPECT_EQ(Names(ContentCategory::Mp3Music), std::vector<std::string>{"top.mp3"});

    // Up from a drive reaches the computer node, which stands for its first drive.
    controls.Get<ButtonControl>("btnCompUp").Click();
    EXPECT_EQ(Tree().Selected(), DiskNode());

    Tree().UserClickNode(0);
    controls.Get<ButtonControl>("btnCompUp").Click();
    EXPECT_EQ(Tree().Selected(), 0);
    EXPECT_EQ(browser.ComputerPath(), desktop + "/");
}

TEST_F(ComputerBrowserTest, RefreshRescansTheCurrentCategoryOnly) {
    WriteFile(disk + "/a.mp3", "x");
    lists.SetCurrentCategory(ContentCategory::Mp3Music);
    browser.BuildComputerTree();
    Tree().UserClickNode(DiskNode());
    lists.SortFileList(Side::Computer, 0);
    ASSERT_TRUE(lists.SortToggle(Side::Computer, 0));
    int nodes = Tree().NodeCount();

    WriteFile(disk + "/b.mp3", "x");
    WriteFile(disk + "/c.jpg", "x");
    fs::create_directories(disk + "/new");
    controls.Get<ButtonControl>("btnCompRefresh").Click();
    EXPECT_EQ(Names(ContentCategory::Mp3Music), (std::vector<std::string>{"a.mp3", "b.mp3"}));
    EXPECT_TRUE(Names(ContentCategory::EAlbum).empty());
    EXPECT_FALSE(lists.SortToggle(Side::Computer, 0));
    EXPECT_EQ(controls.Get<ListView>("lvCompListView").RowCount(), 2);
    EXPECT_EQ(Tree().NodeCount(), nodes);
    EXPECT_EQ(browser.ComputerPath(), disk);
    EXPECT_EQ(waitCursor.History(),
              (std::vector<CursorShape>{CursorShape::Wait, CursorShape::Default}));

    WriteFile(disk + "/d.mp3", "x");
    controls.Get<MenuItem>("CompRefresh").Click();
    EXPECT_EQ(Names(ContentCategory::Mp3Music).size(), 3u);
}

} // namespace
} // namespace zyntra

namespace zyntra {
namespace {

// Folder and file names come from the file system in UTF-8: the tree and the list show them in
// the window's charset, while the paths behind them stay the real ones.
TEST_F(ComputerBrowserTest, NamesShowInTheWindowsCharsetAndPathsStayReal) {
    const std::string music = home + "/\xE9\x9F\xB3\xE6\xA8\x82"; // 音樂
    const std::string song = "\xE6\xB8\xAF\xE5\x8F\xA3.mp3";      // 港口.mp3
    fs::create_directories(music);
    WriteFile(music + "/" + song, "x");
    DEV_INFO device;
    lists.SetScanContext(device, "zh_TW");
    lists.SetCurrentCategory(ContentCategory::Mp3Music);
    browser.BuildComputerTree();
    Tree().UserExpand(Personal());

    const std::string big5Music = "\xAD\xB5\xBC\xD6"; // 音樂 in BIG5
    const int node = Child(Personal(), big5Music);
    ASSERT_GE(node, 0);
    EXPECT_EQ(browser.NodePath(node), music);
    Tree().UserClickNode(node);
    ASSERT_EQ(lists.CurrentList(Side::Computer).size(), 1u);
    EXPECT_EQ(lists.CurrentList(Side::Computer)[0].fullPath, music + "/" + song);
    EXPECT_EQ(lists.FillRow(Side::Computer, 0).texts.at(0), "\xB4\xE4\xA4\x66.mp3"); // 港口 in BIG5

    // A charset without these characters shows each as '?'; the path still finds the folder.
    lists.SetScanContext(device, "en_US");
    browser.BuildComputerTree();
    Tree().UserExpand(Personal());
    const int shown = Child(Personal(), "??");
    ASSERT_GE(shown, 0);
    EXPECT_EQ(browser.NodePath(shown), music);
    Tree().UserClickNode(shown);
    EXPECT_EQ(lists.FillRow(Side::Computer, 0).texts.at(0), "??.mp3");
}

} // namespace
} // namespace zyntra
