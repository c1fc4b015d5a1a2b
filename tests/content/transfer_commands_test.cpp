#include "content/computer_browser.h"
#include "content/content_page.h"
#include "content/file_lists.h"
#include "content/transfer_commands.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "tests/content/media_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/temp_dir.h"
#include "texts/lang_text.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::FileExists;
using test::ReadFile;
using test::WriteFile;

// The window without a window, one device (internal memory and card, with the template content
// index) plugged in, and a computer folder to list.
class TransferCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        internal_ = drives_.AddInternalMemory("internal",
                                              test::DeviceHeader("A1", DriveKind::InternalMemory));
        card_ = drives_.AddDeviceDrive("card", test::DeviceHeader("A1", DriveKind::MemoryCard));
        ASSERT_TRUE(harness_.Create());
        harness_.fileOperations.beforeRun = [this](const FileOpRequest&) {
            markersSeen_.push_back(FileExists(internal_ + "_sync.dat")
                                       ? ReadFile(internal_ + "_sync.dat")
                                       : std::string("(none)"));
            busySeen_.push_back(harness_.ui.waitCursor.Shape() == CursorShape::Wait);
        };
    }

    TdfmMain& Window() { return harness_.Window(); }
    template <class T> T& Get(const char* name) { return Window().Controls().Get<T>(name); }
    ListView& Comp() { return Get<ListView>("lvCompListView"); }
    ListView& Dict() { return Get<ListView>("lvDictListView"); }
    const std::string& Folder() const { return computer_.Path(); }
    std::vector<FileOpRequest>& Requests() { return harness_.fileOperations.requests; }

    // Lists the computer folder and shows the category.
    void Show(ContentCategory category) {
        Window().ComputerSide().SetComputerPath(Folder());
        Window().ComputerSide().ListComputerFolder(ListScope::AllCategories);
        Window().Content().SelectCategory(category);
    }
    // The rows of these names selected, the list focused, as a user's clicks leave it.
    void Select(ListView& view, Side side, const std::vector<std::string>& names) {
        const FileList& list = Window().Files().CurrentList(side);
        std::vector<int> rows;
        for (std::size_t i = 0; i < list.size(); ++i)
            if (std::find(names.begin(), names.end(), list[i].fileName) != names.end())
                rows.push_back(static_cast<int>(i));
        ASSERT_EQ(rows.size(), names.size());
        ASSERT_TRUE(view.SetFocus());
        view.UserSetSelection(rows, rows.front());
    }
    std::vector<std::string> Names(Side side) {
        std::vector<std::string> names;
        for (const FILE_TYPE& entry : Window().Files().CurrentList(side))
            names.push_back(entry.fileName);
        std::sort(names.begin(), names.end());
        return names;
    }
    int ShownCount(const std::string& key) {
        const auto& shown = harness_.ui.messages.Shown();
        return static_cast<int>(std::count_if(
            shown.begin(), shown.end(), [&](const auto& m) { return m.text == LangText(key); }));
    }
    TransferMode Mode() { return Window().Content().GetTransferMode(); }
    // A click on a node of the device tree: its storage is shown and listed.
    void ClickStorage(int node) { Get<TreeView>("tvDictTreeView").UserClickNode(node); }

    test::MainWindowHarness harness_;
    test::FixtureDrives drives_{harness_.volumes};
    test::TempDir computer_;
    std::string internal_;
    std::string card_;
    std::vector<std::string> markersSeen_;
    std::vector<bool> busySeen_; // the wait cursor showing while each operation ran
};

TEST_F(TransferCommandsTest, CutAndPasteMovesTheFilesOntoTheDeviceUnderTheMarker) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        WriteFile(Folder() + name, name);
    Show(ContentCategory::Writer);
    Select(Comp(), Side::Computer, {"a.txt", "c.txt"});

    Get<MenuItem>("CompCut").Click();
    EXPECT_EQ(Mode(), TransferMode::Move);
    for (int row : Comp().SelectedRows())
        EXPECT_TRUE(Comp().IsRowCut(row));
    Get<ToolButton>("btnCompPaste").Click();

    EXPECT_EQ(ReadFile(internal_ + "TEXT/a.txt"), "a.txt");
    EXPECT_EQ(ReadFile(internal_ + "TEXT/c.txt"), "c.txt");
    EXPECT_FALSE(FileExists(Folder() + "a.txt"));
    EXPECT_TRUE(FileExists(Folder() + "b.txt"));
    EXPECT_EQ(Names(Side::Computer), std::vector<std::string>{"b.txt"});
    EXPECT_EQ(Comp().RowCount(), 1);
    EXPECT_EQ(Names(Side::Device), (std::vector<std::string>{"a.txt", "c.txt"}));
    EXPECT_EQ(Dict().RowCount(), 2);
    // One request for both files, the marker standing while it ran and gone afterwards.
    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_EQ(Requests()[0].kind, FileOpKind::Move);
    EXPECT_EQ(Requests()[0].title, "Zyntra");
    EXPECT_EQ(markersSeen_, std::vector<std::string>{"test"});
    EXPECT_FALSE(FileExists(internal_ + "_sync.dat"));
    EXPECT_EQ(busySeen_, std::vector<bool>{true});
    EXPECT_EQ(harness_.ui.waitCursor.Shape(), CursorShape::Default);
    EXPECT_EQ(Mode(), TransferMode::None);

    // Cut on the device list dims its rows and none of the computer list.
    Comp().SetFocus();
    Comp().UserSetSelection({0}, 0);
    Select(Dict(), Side::Device, {"a.txt"});
    Get<ToolButton>("btnDictCut").Click();
    EXPECT_TRUE(Dict().IsRowCut(Dict().Selected()));
    EXPECT_FALSE(Comp().IsRowCut(0));
    // Copy takes the cut look away again.
    Get<MenuItem>("DictCopy").Click();
    EXPECT_FALSE(Dict().IsRowCut(Dict().Selected()));
    EXPECT_EQ(Mode(), TransferMode::Copy);
}

TEST_F(TransferCommandsTest, ACategorySwitchAfterCutMakesThePasteCopy) {
    WriteFile(Folder() + "a.txt", "a");
    Show(ContentCategory::Writer);
    Select(Comp(), Side::Computer, {"a.txt"});
    Get<ToolButton>("btnCompCut").Click();
    Get<ToolButton>("btnRecorder").Click();
    Get<ToolButton>("btnWriter").Click();
    EXPECT_EQ(Mode(), TransferMode::None);
    Select(Comp(), Side::Computer, {"a.txt"});
    Get<MenuItem>("CompPaste").Click();

    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_EQ(Requests()[0].kind, FileOpKind::Copy);
    EXPECT_TRUE(FileExists(Folder() + "a.txt"));
    EXPECT_TRUE(FileExists(internal_ + "TEXT/a.txt"));
    EXPECT_EQ(Comp().RowCount(), 1);
}

TEST_F(TransferCommandsTest, LyricsGoAlongWhenMusicIsCopiedOrMoved) {
    for (const char* name : {"copied.mp3", "copied.lrc", "moved.mp3", "moved.lrc", "bare.mp3"})
        WriteFile(Folder() + name, name);
    Show(ContentCategory::Mp3Music);
    Select(Comp(), Side::Computer, {"copied.mp3", "bare.mp3"});
    Get<ToolButton>("btnCompDownload").Click();
    for (const char* name : {"copied.mp3", "copied.lrc", "bare.mp3"}) {
        EXPECT_TRUE(FileExists(internal_ + "MUSIC/" + name)) << name;
        EXPECT_TRUE(FileExists(Folder() + name)) << name;
    }

    Select(Comp(), Side::Computer, {"moved.mp3"});
    Get<ToolButton>("btnCompCut").Click();
    Get<ToolButton>("btnCompPaste").Click();
    EXPECT_EQ(ReadFile(internal_ + "MUSIC/moved.lrc"), "moved.lrc");
    EXPECT_TRUE(FileExists(internal_ + "MUSIC/moved.mp3"));
    EXPECT_FALSE(FileExists(Folder() + "moved.mp3"));
    EXPECT_FALSE(FileExists(Folder() + "moved.lrc"));
    EXPECT_EQ(Names(Side::Computer), (std::vector<std::string>{"bare.mp3", "copied.mp3"}));
}

TEST_F(TransferCommandsTest, BooksGoToTheirClassFoldersOnTheCardAndAnUnknownClassIsRefusedAlone) {
    auto book = [&](const char* name, const char* mainClass, const char* subClass) {
        test::TrailerFields fields;
        fields.bookMainClass = mainClass;
        fields.bookSubClass = subClass;
        WriteFile(Folder() + name, "text of the book" + test::EbookTrailerBytes(fields));
    };
    book("a_dict.dbk", "B", "01");
    book("b_alien.dbk", "Z", "99");
    book("c_lit.dbk", "B", "03");
    ClickStorage(Window().Devices().CurrentDevice().cardNode);
    Show(ContentCategory::Ebook);
    Comp().UserClickColumn(0); // descending by name: the unknown class in the middle
    ASSERT_EQ(Window().Files().CurrentList(Side::Computer).at(1).fileName, "b_alien.dbk");
    Select(Comp(), Side::Computer, {"a_dict.dbk", "b_alien.dbk", "c_lit.dbk"});

    EXPECT_EQ(Window().Transfers().TransferTargetFolder(TransferDirection::ToDevice, 0),
              card_ + "QX740/EBOOK/LITERATURE/");
    EXPECT_EQ(Window().Transfers().TransferTargetFolder(TransferDirection::ToDevice, 1), "");
    Get<MenuItem>("CompDownload").Click();

    EXPECT_EQ(ShownCount("SM_FileError"), 1);
    EXPECT_TRUE(FileExists(card_ + "QX740/EBOOK/LITERATURE/c_lit.dbk"));
    EXPECT_TRUE(FileExists(card_ + "QX740/EBOOK/DICTIONARY/a_dict.dbk"));
    EXPECT_EQ(Requests().size(), 2u);
    EXPECT_FALSE(FileExists(internal_ + "_sync.dat"));
}

TEST_F(TransferCommandsTest, UploadAsksAboutAClashAndAMovingPasteKeepsItsMode) {
    WriteFile(internal_ + "TEXT/same.txt", "from the device");
    WriteFile(internal_ + "TEXT/other.txt", "other");
    WriteFile(internal_ + "TEXT/third.txt", "third");
    WriteFile(Folder() + "same.txt", "on the computer");
    Show(ContentCategory::Writer);
    ClickStorage(Window().Devices().CurrentDevice().dictNode);
    ASSERT_EQ(Dict().RowCount(), 3);

    Select(Dict(), Side::Device, {"same.txt"});
    Get<ToolButton>("btnDictUpload").Click(); // the policy's answer: skip
    EXPECT_EQ(ReadFile(Folder() + "same.txt"), "on the computer");
    harness_.fileOperations.policy.onClash = FileOperationPolicy::OnClash::Replace;
    Select(Dict(), Side::Device, {"same.txt"});
    Get<MenuItem>("DictUpload").Click();
    EXPECT_EQ(ReadFile(Folder() + "same.txt"), "from the device");
    EXPECT_EQ(markersSeen_, (std::vector<std::string>{"test", "test"}));

    Select(Dict(), Side::Device, {"other.txt"});
    Get<ToolButton>("btnDictCut").Click();
    Get<ToolButton>("btnDictPaste").Click();
    EXPECT_EQ(ReadFile(Folder() + "other.txt"), "other");
    EXPECT_FALSE(FileExists(internal_ + "TEXT/other.txt"));
    EXPECT_EQ(Mode(), TransferMode::Move);
    EXPECT_EQ(Names(Side::Computer), (std::vector<std::string>{"other.txt", "same.txt"}));
    EXPECT_EQ(Comp().RowCount(), 2);
    EXPECT_EQ(Names(Side::Device), (std::vector<std::string>{"same.txt", "third.txt"}));

    // The next Paste of the device panel moves again.
    Select(Dict(), Side::Device, {"third.txt"});
    Get<ToolButton>("btnDictPaste").Click();
    EXPECT_FALSE(FileExists(internal_ + "TEXT/third.txt"));
    EXPECT_TRUE(FileExists(Folder() + "third.txt"));
    EXPECT_EQ(Requests().back().kind, FileOpKind::Move);
}

TEST_F(TransferCommandsTest, AMoveStoppedMidwayLeavesTheRestWhereItWas) {
    WriteFile(Folder() + "a.txt", "a");
    WriteFile(Folder() + "b.txt", "b");
    Show(ContentCategory::Writer);
    harness_.fileOperations.policy.cancelAfterFiles = 1;
    Select(Comp(), Side::Computer, {"a.txt", "b.txt"});
    const std::string first = Window().Files().CurrentList(Side::Computer).at(0).fileName;
    const std::string second = first == "a.txt" ? "b.txt" : "a.txt";
    Get<ToolButton>("btnCompCut").Click();
    Get<ToolButton>("btnCompPaste").Click();

    EXPECT_TRUE(FileExists(internal_ + "TEXT/" + first));
    EXPECT_FALSE(FileExists(Folder() + first));
    EXPECT_TRUE(FileExists(Folder() + second));
    // Nothing of the second file on the device, not even under a temporary name.
    std::vector<std::string> onDevice;
    for (const auto& entry : fs::directory_iterator(internal_ + "TEXT"))
        onDevice.push_back(entry.path().filename().string());
    EXPECT_EQ(onDevice, std::vector<std::string>{first});
    EXPECT_EQ(Names(Side::Computer), std::vector<std::string>{second});
    EXPECT_FALSE(FileExists(internal_ + "_sync.dat"));
}

TEST_F(TransferCommandsTest, DeleteTakesCompanionsAlongAndOnlyDeletedRowsLeave) {
    for (const char* name : {"x.mp3", "x.lrc", "y.mp3", "z.mp3"})
        WriteFile(Folder() + name, name);
    Show(ContentCategory::Mp3Music);

    harness_.fileOperations.policy.confirmDeletes = false;
    Select(Comp(), Side::Computer, {"x.mp3", "y.mp3"});
    Comp().UserKeyDown(KeyCode::Delete);
    EXPECT_EQ(Comp().RowCount(), 3);
    EXPECT_TRUE(FileExists(Folder() + "x.mp3"));

    harness_.fileOperations.policy.confirmDeletes = true;
    Select(Comp(), Side::Computer, {"x.mp3", "y.mp3"});
    Get<MenuItem>("CompDelete").Click();
    ASSERT_EQ(Requests().size(), 2u);
    EXPECT_EQ(Requests()[1].kind, FileOpKind::Delete);
    EXPECT_EQ(Requests()[1].sources.size(), 3u);
    for (const char* name : {"x.mp3", "x.lrc", "y.mp3"})
        EXPECT_FALSE(FileExists(Folder() + name)) << name;
    EXPECT_EQ(Names(Side::Computer), std::vector<std::string>{"z.mp3"});
    EXPECT_EQ(Comp().RowCount(), 1);
    EXPECT_EQ(Comp().SelectedCount(), 0);
    // Deleting writes no marker.
    EXPECT_EQ(markersSeen_, (std::vector<std::string>{"(none)", "(none)"}));
}

TEST_F(TransferCommandsTest, ADropSendsTheOtherListsSelectionTowardsTheList) {
    WriteFile(Folder() + "up.txt", "up");
    WriteFile(internal_ + "TEXT/down.txt", "down");
    Show(ContentCategory::Writer);
    ClickStorage(Window().Devices().CurrentDevice().dictNode);
    Select(Comp(), Side::Computer, {"up.txt"});
    Select(Dict(), Side::Device, {"down.txt"});

    Dict().UserDrop(&Comp());
    EXPECT_TRUE(FileExists(internal_ + "TEXT/up.txt"));
    EXPECT_TRUE(FileExists(Folder() + "up.txt"));

    Select(Dict(), Side::Device, {"down.txt"});
    Comp().UserDrop(&Dict());
    EXPECT_EQ(ReadFile(Folder() + "down.txt"), "down");
    EXPECT_TRUE(FileExists(internal_ + "TEXT/down.txt"));
}

TEST(TransferEnabling, WithoutADeviceOnlyTheComputersOwnCommandsWork) {
    test::MainWindowHarness harness;
    test::TempDir folder;
    WriteFile(folder.Path() + "a.txt", "a");
    ASSERT_TRUE(harness.Create());
    ControlSet& controls = harness.Window().Controls();
    for (const char* name : {"btnDictRefresh", "btnDictView", "btnDictCut", "btnDictCopy",
                             "btnDictPaste", "btnDictDelete", "btnDictUpload", "btnCompCut",
                             "btnCompCopy", "btnCompPaste", "btnCompDownload", "btnDictUp"})
        EXPECT_FALSE(controls.Get<Control>(name).Enabled()) << name;
    for (const char* name : {"btnCompUp", "btnCompRefresh", "btnCompView", "btnCompDelete"})
        EXPECT_TRUE(controls.Get<Control>(name).Enabled()) << name;
    EXPECT_FALSE(controls.Get<PopupMenu>("pmCompMenu").UserPopup());

    harness.Window().ComputerSide().SetComputerPath(folder.Path());
    harness.Window().ComputerSide().ListComputerFolder(ListScope::AllCategories);
    harness.Window().Content().SelectCategory(ContentCategory::Writer);
    auto& list = controls.Get<ListView>("lvCompListView");
    ASSERT_TRUE(list.SetFocus());
    list.UserSetSelection({0}, 0);
    harness.Window().Transfers().Download();
    EXPECT_TRUE(harness.fileOperations.requests.empty());
    harness.Window().Transfers().DeleteSelected(Side::Computer);
    EXPECT_FALSE(FileExists(folder.Path() + "a.txt"));
}

} // namespace
} // namespace zyntra
