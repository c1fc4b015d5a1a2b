#include "content/content_page.h"
#include "content/device_browser.h"
#include "content/device_folders.h"
#include "content/file_lists.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "storage/database_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "texts/lang_text.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::DeviceHeader;
using test::WriteFile;

FILE_INFO Folder(std::string name) {
    FILE_INFO row;
    row.hw_name = std::move(name);
    return row;
}

// Rows 0..7 as the device keeps them: the card's base folder, then the category folders.
std::vector<FILE_INFO> StandardIndex() {
    std::vector<FILE_INFO> rows;
    for (const char* name :
         {"qx740", "MUSIC", "VIDEO", "FLASH", "PICTURE", "RECORD", "TEXT", "EBOOK"})
        rows.push_back(Folder(name));
    return rows;
}

TEST(DeviceFolders, InternalMemoryAndCardKeepTheirCategoriesApart) {
    const std::vector<FILE_INFO> index = StandardIndex();
    const DeviceStorageView internal{"/media/QX/", false, index};
    const DeviceStorageView card{"/media/CARD/", true, index};

    EXPECT_EQ(StorageBaseFolder(internal), "/media/QX/");
    EXPECT_EQ(CategoryFolder(internal, ContentCategory::Mp3Music), "/media/QX/MUSIC");
    EXPECT_EQ(CategoryFolder(internal, ContentCategory::Ebook), "/media/QX/EBOOK");
    // The card's folders lie below the folder row 0 names, upper-cased as it is made there.
    EXPECT_EQ(StorageBaseFolder(card), "/media/CARD/QX740/");
    EXPECT_EQ(CategoryFolder(card, ContentCategory::Recorder), "/media/CARD/QX740/RECORD");
    EXPECT_EQ(CategoryFolder({"", false, index}, ContentCategory::Mp3Music), std::nullopt);
}

TEST(DeviceFolders, AMissingRowOrAPathLeavingTheStorageNamesNoFolder) {
    std::vector<FILE_INFO> index = StandardIndex();
    index.resize(5); // up to PICTURE: no RECORD, TEXT or EBOOK rows
    const DeviceStorageView shortIndex{"/media/QX/", false, index};
    EXPECT_EQ(CategoryFolder(shortIndex, ContentCategory::EAlbum), "/media/QX/PICTURE");
    EXPECT_EQ(CategoryFolder(shortIndex, ContentCategory::Writer), std::nullopt);
    EXPECT_EQ(CategoryFolder({"/media/QX/", true, {}}, ContentCategory::Mp3Music), std::nullopt);

    std::vector<FILE_INFO> hostile = StandardIndex();
    hostile[1].hw_name = "../home";
    hostile[2].hw_name = "/etc";
    const DeviceStorageView storage{"/media/QX/", false, hostile};
    EXPECT_EQ(CategoryFolder(storage, ContentCategory::Mp3Music), std::nullopt);
    EXPECT_EQ(CategoryFolder(storage, ContentCategory::DigitalContents), std::nullopt);
    hostile[0].hw_name = "..";
    EXPECT_EQ(CategoryFolder({"/media/CARD/", true, hostile}, ContentCategory::Flash),
              std::nullopt);
}

// A crafted medium may hold a category or book-class folder that is a link to the computer's
// own folders: nothing is listed from it, deleted in it or pasted into it.
TEST(DeviceFolders, AFolderLinkedOutOfTheStorageNamesNoFolder) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    const std::string root = dir.Path() + "dev/";
    const std::string outside = dir.Path() + "outside";
    fs::create_directories(root + "EBOOK");
    fs::create_directories(outside);
    fs::create_directory_symlink(outside, root + "MUSIC");
    fs::create_directory_symlink(outside, root + "EBOOK/NOVEL");
    std::vector<FILE_INFO> index = StandardIndex();
    for (const char* name : {"NOVEL", "DICT"}) {
        FILE_INFO row = Folder(name);
        row.hw_path = "EBOOK";
        row.mainClass = "B";
        row.subClass = name;
        index.push_back(row);
    }
    const DeviceStorageView storage{root, false, index};
    FILE_TYPE book;
    book.bookMainClass = "B";
    book.bookSubClass = "NOVEL";

    EXPECT_EQ(CategoryFolder(storage, ContentCategory::Mp3Music), std::nullopt);
    EXPECT_EQ(DeviceTargetFolder(storage, ContentCategory::Mp3Music, {}), std::nullopt);
    EXPECT_EQ(DeviceTargetFolder(storage, ContentCategory::Ebook, book), std::nullopt);
    book.bookSubClass = "DICT";
    EXPECT_EQ(DeviceTargetFolder(storage, ContentCategory::Ebook, book), root + "EBOOK/DICT/");
    EXPECT_EQ(CategoryFolder(storage, ContentCategory::Ebook), root + "EBOOK");
}

// The window on a device whose internal memory holds the program's templates, so its content
// index is the standard one.
class DeviceBrowserTest : public ::testing::Test {
protected:
    std::string PlugDevice() {
        internal =
            drives.AddInternalMemory("internal", DeviceHeader("QX-1", DriveKind::InternalMemory));
        return internal;
    }
    std::string PlugCard() {
        card = drives.AddDeviceDrive("card", DeviceHeader("QX-1", DriveKind::MemoryCard));
        return card;
    }

    TdfmMain& Window() { return harness.Window(); }
    DeviceBrowser& Browser() { return Window().DeviceSide(); }
    DeviceLink& Devices() { return Window().Devices(); }
    TreeView& Tree() { return Window().Controls().Get<TreeView>("tvDictTreeView"); }
    ListView& List() { return Window().Controls().Get<ListView>("lvDictListView"); }

    std::vector<std::string> Listed(ContentCategory category) {
        std::vector<std::string> paths;
        for (const FILE_TYPE& entry : Window().Files().List(Side::Device, category))
            paths.push_back(entry.fullPath);
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    void ShowMusic() { Window().Content().SelectCategory(ContentCategory::Mp3Music); }

    test::MainWindowHarness harness;
    test::FixtureDrives drives{harness.volumes};
    std::string internal, card;
};

TEST_F(DeviceBrowserTest, StartUpListsTheCategoryFoldersAndTheirSubfoldersOnly) {
    PlugDevice();
    WriteFile(internal + "MUSIC/top.mp3", "a");
    WriteFile(internal + "MUSIC/album/deep/song.mp3", "a");
    WriteFile(internal + "loose.mp3", "a");
    WriteFile(internal + "Secretary/notes.txt", "a");
    WriteFile(internal + "TEXT/read.txt", "a");

    ASSERT_TRUE(harness.Create());
    EXPECT_EQ(Browser().DevicePath(), internal);
    EXPECT_EQ(Listed(ContentCategory::Mp3Music),
              (std::vector<std::string>{internal + "MUSIC/album/deep/song.mp3",
                                        internal + "MUSIC/top.mp3"}));
    EXPECT_EQ(Listed(ContentCategory::Writer),
              std::vector<std::string>{internal + "TEXT/read.txt"});
    ShowMusic();
    EXPECT_EQ(List().RowCount(), 2);
    EXPECT_FALSE(Window().Controls().Get<Control>("btnDictUp").Enabled());
}

TEST_F(DeviceBrowserTest, AHostileIndexListsNothingOutsideTheStorage) {
    PlugDevice();
    const std::string outside = drives.Outside();
    WriteFile(outside + "MUSIC/secret.mp3", "a");
    std::vector<test::ContentIndexRow> rows = test::NumberedFolderRows(7);
    rows[1] = test::FolderRow("", "../outside/MUSIC");
    test::WriteContentIndex(DeviceDatabasePath(internal, 1), rows);

    ASSERT_TRUE(harness.Create());
    EXPECT_TRUE(Listed(ContentCategory::Mp3Music).empty());
    EXPECT_EQ(Browser().CurrentStorage().devicePath, internal);
}

TEST_F(DeviceBrowserTest, ClickingANodeChoosesItsStorage) {
    PlugDevice();
    PlugCard();
    WriteFile(internal + "MUSIC/inside.mp3", "a");
    WriteFile(card + "QX740/MUSIC/sub/oncard.mp3", "a");
    WriteFile(card + "MUSIC/beside.mp3", "a"); // not below the card's base folder
    ASSERT_TRUE(harness.Create());
    ShowMusic();
    const DEV_INFO& device = Devices().CurrentDevice();

    Tree().UserClickNode(device.cardNode);
    EXPECT_EQ(Browser().DevicePath(), card);
    EXPECT_EQ(Devices().CurrentPart(), kMemoryCardPart);
    EXPECT_TRUE(Browser().CurrentStorage().card);
    EXPECT_EQ(Listed(ContentCategory::Mp3Music),
              std::vector<std::string>{card + "QX740/MUSIC/sub/oncard.mp3"});
    EXPECT_EQ(List().RowCount(), 1);

    // The top node stands for the internal memory: the selection moves onto that node.
    Tree().UserClickNode(device.deviceNode);
    EXPECT_EQ(Tree().Selected(), device.dictNode);
    EXPECT_EQ(Browser().DevicePath(), internal);
    EXPECT_EQ(Devices().CurrentPart(), kInternalMemoryPart);
    EXPECT_EQ(Listed(ContentCategory::Mp3Music),
              std::vector<std::string>{internal + "MUSIC/inside.mp3"});

    Tree().UserClickNode(device.cardNode);
    Tree().UserClickNode(device.dictNode);
    EXPECT_EQ(Browser().DevicePath(), internal);
    EXPECT_TRUE(harness.ui.messages.Shown().empty());
    for (int node = 0; node < Tree().NodeCount(); ++node)
        if (Tree().ChildCount(node) > 0)
            EXPECT_TRUE(Tree().IsExpanded(node)) << node;
}

TEST_F(DeviceBrowserTest, ADeviceWithoutItsInternalMemoryCannotBeBrowsed) {
    PlugCard();
    WriteFile(card + "QX740/MUSIC/oncard.mp3", "a");
    ASSERT_TRUE(harness.Create());
    const DEV_INFO& device = Devices().CurrentDevice();

    Tree().UserClickNode(device.cardNode);
    ASSERT_EQ(harness.ui.messages.Shown().size(), 1u);
    EXPECT_EQ(harness.ui.messages.Shown()[0].text, LangText("SM_NoeDictionary"));
    EXPECT_EQ(Browser().DevicePath(), kNoDevicePath);
    EXPECT_TRUE(Listed(ContentCategory::Mp3Music).empty());
}

TEST_F(DeviceBrowserTest, AClickOnAStorageThatWentAwayDiscoversAgain) {
    PlugDevice();
    PlugCard();
    ASSERT_TRUE(harness.Create());
    harness.volumes.Set({{internal, VolumeType::Removable}}); // the card is pulled out

    Tree().UserClickNode(Devices().CurrentDevice().cardNode);
    EXPECT_TRUE(Devices().CurrentDevice().rootPath[kMemoryCardPart].empty());
    EXPECT_EQ(Tree().NodeCount(), 2); // the device and its internal memory
    EXPECT_EQ(Browser().DevicePath(), internal);
    EXPECT_FALSE(Browser().CurrentStorage().card);
    EXPECT_TRUE(harness.ui.messages.Shown().empty());
}

TEST_F(DeviceBrowserTest, RefreshShowsNewFilesResetsTheSortPrefersTheCardAndEmptiesWithoutADevice) {
    PlugDevice();
    WriteFile(internal + "MUSIC/a.mp3", "a");
    WriteFile(internal + "MUSIC/b.mp3", std::string(5000, 'b'));
    ASSERT_TRUE(harness.Create());
    ShowMusic();
    Window().Content().SortFileList(Side::Device, 0);
    ASSERT_TRUE(Window().Files().SortToggle(Side::Device, 0));

    WriteFile(internal + "MUSIC/new/c.mp3", "c"); // copied by another program
    Window().Controls().Get<ToolButton>("btnDictRefresh").UserClick();
    EXPECT_EQ(Listed(ContentCategory::Mp3Music),
              (std::vector<std::string>{internal + "MUSIC/a.mp3", internal + "MUSIC/b.mp3",
                                        internal + "MUSIC/new/c.mp3"}));
    EXPECT_EQ(List().RowCount(), 3);
    for (int column = 0; column < kContentColumnCount; ++column)
        EXPECT_FALSE(Window().Files().SortToggle(Side::Device, column)) << column;

    PlugCard();
    WriteFile(card + "QX740/MUSIC/oncard.mp3", "a");
    WriteFile(card + "QX740/TEXT/oncard.txt", "a");
    harness.ui.messages.Clear();
    Window().Controls().Get<MenuItem>("DictRefresh").UserClick();
    EXPECT_EQ(Browser().DevicePath(), card);
    EXPECT_EQ(Tree().Selected(), Devices().CurrentDevice().cardNode);
    EXPECT_EQ(Listed(ContentCategory::Mp3Music),
              std::vector<std::string>{card + "QX740/MUSIC/oncard.mp3"});
    EXPECT_EQ(Tree().Node(Devices().CurrentDevice().cardNode).caption,
              LangText("SM_MySDCard") + "( Music )");
    EXPECT_EQ(Listed(ContentCategory::Writer).size(), 1u);
    EXPECT_TRUE(harness.ui.messages.Shown().empty());

    harness.volumes.Set({});
    Browser().Refresh();
    EXPECT_EQ(harness.ui.messages.Shown().size(), 1u);
    EXPECT_EQ(Browser().DevicePath(), kNoDevicePath);
    for (const CategoryInfo& info : kCategories)
        EXPECT_TRUE(Listed(info.category).empty()) << info.toolButton;
    EXPECT_EQ(List().RowCount(), 0);
}

} // namespace
} // namespace zyntra
