#include "app/controls/main_window_controls.h"
#include "content/content_page.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "tests/content/media_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/ui_doubles.h"
#include "texts/lang_text.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace zyntra {
namespace {

using test::TempDir;
using test::WriteFile;

// The content page on the window's controls without peers, the language file open, a computer
// folder and a device folder to scan, and the opener and the status count recorded.
class ContentPageTest : public test::ProgramFolderTest {
protected:
    ContentPageTest() {
        OpenLanguageFile(folder_.File("Lang.ini"));
        CreateMainWindowControls(controls);
        Get<Form>("dfmMain").SetVisible(true);
        DeviceControls device;
        device.tree = &Get<TreeView>("tvDictTreeView");
        link = std::make_unique<DeviceLink>(ui.Services(), volumes, device);
        page = std::make_unique<ContentPage>(ContentPageControls::From(controls), ui.Services(),
                                             lists, *link);
        page->SetShownFileCountSink([this](int count) { shownCounts.push_back(count); });
        page->SetOpener([this](const std::string& path) {
            opened.push_back(path);
            return true;
        });
        page->AttachHandlers();
    }
    ~ContentPageTest() override { CloseLanguageFile(); }

    template <class T> T& Get(const char* name) { return controls.Get<T>(name); }
    ListView& Comp() { return Get<ListView>("lvCompListView"); }
    ListView& Dict() { return Get<ListView>("lvDictListView"); }

    void ScanBoth() {
        lists.ScanFolder(computer.Path(), kAllCategoriesFilter, Side::Computer, false);
        lists.ScanFolder(device.Path(), kAllCategoriesFilter, Side::Device, true);
    }
    std::vector<std::string> Names(ListView& view) {
        std::vector<std::string> names;
        for (int row = 0; row < view.RowCount(); ++row)
            names.push_back(view.RowData(row).texts.at(0));
        return names;
    }

    HeadlessUiServices ui;
    MemoryVolumes volumes;
    test::FixtureDrives drives{volumes};
    ControlSet controls;
    FileLists lists;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<ContentPage> page;
    TempDir computer;
    TempDir device;
    std::vector<int> shownCounts;
    std::vector<std::string> opened;
};

TEST_F(ContentPageTest, CategoryButtonsShowTheirListsColumnsAndChosenImage) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "voice.wav"})
        WriteFile(computer.Path() + name, "x");
    for (const char* name : {"d.txt", "e.txt"})
        WriteFile(device.Path() + name, "x");
    ScanBoth();
    Get<PageControl>("pgcMain").SetActivePageIndex(1);
    page->SetTransferMode(TransferMode::Move);

    Get<ToolButton>("btnWriter").Click();
    EXPECT_EQ(Get<PageControl>("pgcMain").ActivePage(), &Get<TabSheet>("tabFile"));
    EXPECT_EQ(page->CurrentCategory(), ContentCategory::Writer);
    EXPECT_EQ(page->GetTransferMode(), TransferMode::None);
    EXPECT_EQ(Comp().RowCount(), 3);
    EXPECT_EQ(Dict().RowCount(), 2);
    EXPECT_EQ(shownCounts, std::vector<int>{3});
    for (ListView* view : {&Comp(), &Dict()}) {
        EXPECT_EQ(view->Column(0).caption, "File Name");
        EXPECT_EQ(view->Column(1).caption, "Type");
        EXPECT_EQ(view->Column(1).width, 80);
        EXPECT_EQ(view->Column(4).caption, "Location");
        EXPECT_EQ(view->Column(5).caption, "");
        EXPECT_EQ(view->Column(5).width, 0);
    }
    EXPECT_EQ(Comp().Column(0).width, 201); // the window's width stays
    for (const CategoryInfo& info : kCategories) {
        int k = CategoryNumber(info.category);
        const auto& button = Get<ToolButton>(info.toolButton);
        EXPECT_EQ(button.ImageIndex(), info.category == ContentCategory::Writer ? k + 7 : k);
        EXPECT_EQ(button.Down(), info.category == ContentCategory::Writer) << info.toolButton;
    }

    // A selected row of the old category does not stay selected in the new one.
    Comp().SetSelected(2);
    Get<ToolButton>("btnRecorder").Click();
    EXPECT_EQ(Comp().RowCount(), 1);
    EXPECT_EQ(Dict().RowCount(), 0);
    EXPECT_EQ(Comp().SelectedCount(), 0);
    EXPECT_EQ(Comp().FocusedRow(), -1);
    EXPECT_EQ(Names(Comp()), std::vector<std::string>{"voice.wav"});
    EXPECT_EQ(Get<ToolButton>("btnRecorder").ImageIndex(), 13);
    EXPECT_EQ(Get<ToolButton>("btnWriter").ImageIndex(), 5);

    Get<ToolButton>("btnEbook").Click();
    EXPECT_EQ(Get<CoolBar>("clbCompBar").Band(0).text, "Computer");
    EXPECT_EQ(Get<CoolBar>("clbDictBar").Band(0).text, "Device");
    EXPECT_EQ(Comp().Column(1).caption, "Book Title");
    EXPECT_EQ(Comp().Column(1).width, 200);
}

TEST_F(ContentPageTest, DeviceNodesNameTheChosenCategory) {
    drives.AddInternalMemory("mem", test::DeviceHeader("A", DriveKind::InternalMemory));
    drives.AddDeviceDrive("card", test::DeviceHeader("A", DriveKind::MemoryCard));
    link->DiscoverDevices(false);
    ASSERT_EQ(link->DeviceCount(), 1);
    const DEV_INFO& record = link->Records()[0];

    page->SelectCategory(ContentCategory::Mp3Music);
    TreeView& tree = Get<TreeView>("tvDictTreeView");
    EXPECT_EQ(tree.Node(record.dictNode).caption, "Internal Memory( Music )");
    EXPECT_EQ(tree.Node(record.cardNode).caption, "Memory Card( Music )");
    page->SelectCategory(ContentCategory::DigitalContents);
    EXPECT_EQ(tree.Node(record.dictNode).caption, "Internal Memory( Multi-media )");
}

TEST_F(ContentPageTest, MusicRowsShowTagAndLiveLyricsMark) {
    WriteFile(computer.Path() + "song.mp3",
              std::string(1500, 'm') + test::Id3v1Block("TAG", "Song", "Band"));
    WriteFile(computer.Path() + "song.lrc", "[00:00]");
    WriteFile(computer.Path() + "plain.mp3", std::string(200, 'm'));
    ScanBoth();
    page->SelectCategory(ContentCategory::Mp3Music);
    EXPECT_EQ(Comp().Column(6).caption, "Lyrics");
    Comp().UserClickColumn(0); // descending by name: song, plain

    ListRow song = Comp().RowData(0);
    ASSERT_EQ(song.texts.size(), 8u);
    EXPECT_EQ(song.texts[0], "song.mp3");
    EXPECT_EQ(song.texts[1], "Song");
    EXPECT_EQ(song.texts[2], "Band");
    EXPECT_EQ(song.texts[3], "mp3");
    EXPECT_EQ(song.texts[4], "2");
    EXPECT_EQ(song.texts[6], "*");
    EXPECT_EQ(song.texts[7], computer.Path() + "song.mp3");
    EXPECT_EQ(song.imageIndex, 1);
    ListRow plain = Comp().RowData(1);
    EXPECT_EQ(plain.texts[0], "plain.mp3");
    EXPECT_EQ(plain.texts[1], "");
    EXPECT_EQ(plain.texts[6], "");
    EXPECT_TRUE(Comp().RowData(2).texts.empty());

    std::filesystem::remove(computer.Path() + "song.lrc");
    EXPECT_EQ(Comp().RowData(0).texts[6], "");
}

TEST_F(ContentPageTest, ColumnClicksSortDescendingFirstThenToggle) {
    WriteFile(computer.Path() + "alpha.txt", std::string(9000, 'x'));
    WriteFile(computer.Path() + "Beta.txt", std::string(10000, 'x'));
    WriteFile(computer.Path() + "gamma.txt", std::string(100, 'x'));
    ScanBoth();
    page->SelectCategory(ContentCategory::Writer);

    Comp().UserClickColumn(2); // size
    EXPECT_EQ(Names(Comp()), (std::vector<std::string>{"Beta.txt", "alpha.txt", "gamma.txt"}));
    Comp().UserClickColumn(2);
    EXPECT_EQ(Names(Comp()), (std::vector<std::string>{"gamma.txt", "alpha.txt", "Beta.txt"}));
    Comp().UserClickColumn(0); // name, letters folded
    EXPECT_EQ(Names(Comp()), (std::vector<std::string>{"gamma.txt", "Beta.txt", "alpha.txt"}));
    Comp().UserClickColumn(0);
    EXPECT_EQ(Names(Comp()), (std::vector<std::string>{"alpha.txt", "Beta.txt", "gamma.txt"}));
    EXPECT_FALSE(lists.SortToggle(Side::Device, 0));
}

TEST_F(ContentPageTest, ViewButtonsAndMenuEntriesCycleTheirOwnList) {
    std::vector<ViewStyle> seen;
    for (int i = 0; i < 4; ++i) {
        if (i % 2 == 0)
            Get<ToolButton>("btnCompView").Click();
        else
            Get<MenuItem>("CompView").Click();
        seen.push_back(Comp().Style());
    }
    EXPECT_EQ(seen, (std::vector<ViewStyle>{ViewStyle::SmallIcon, ViewStyle::List,
                                            ViewStyle::Report, ViewStyle::Icon}));
    Get<ToolButton>("btnDictView").Click();
    Get<MenuItem>("DictView").Click();
    EXPECT_EQ(Dict().Style(), ViewStyle::List);
    EXPECT_EQ(Comp().Style(), ViewStyle::Icon);
}

TEST_F(ContentPageTest, OpeningHandsSelectedPathsInRowOrderButNeverBooks) {
    for (const char* name : {"a.jpg", "b.png", "c.bmp", "d.jpg"})
        WriteFile(computer.Path() + name, "x");
    ScanBoth();
    page->SelectCategory(ContentCategory::EAlbum);
    Comp().UserClickColumn(0);
    Comp().UserClickColumn(0); // ascending by name: a b c d
    Comp().UserSetSelection({3, 0, 2}, 3);

    Comp().UserDoubleClick(); // no focus: nothing
    EXPECT_TRUE(opened.empty());
    ASSERT_TRUE(Comp().SetFocus());
    Comp().UserDoubleClick();
    const std::string base = computer.Path();
    EXPECT_EQ(opened, (std::vector<std::string>{base + "a.jpg", base + "c.bmp", base + "d.jpg"}));
    EXPECT_EQ(ui.waitCursor.Shape(), CursorShape::Default);
    opened.clear();
    Comp().UserKeyDown(KeyCode::Enter);
    EXPECT_EQ(opened.size(), 3u);

    test::TrailerFields fields;
    fields.englishTitle = "Tales";
    WriteFile(computer.Path() + "tales.dbk", test::EbookTrailerBytes(fields));
    DEV_INFO current;
    current.mainClass = "B";
    current.subClass = "02";
    lists.SetScanContext(current, "en_US");
    lists.ResetAllFileLists(Side::Computer);
    ScanBoth();
    page->SelectCategory(ContentCategory::Ebook);
    ASSERT_EQ(Comp().RowCount(), 1);
    opened.clear();
    Comp().UserSelectRow(0);
    ASSERT_TRUE(Comp().Focused());
    Comp().UserDoubleClick();
    Comp().UserKeyDown(KeyCode::Enter);
    EXPECT_TRUE(opened.empty());
}

TEST_F(ContentPageTest, SelectionShowsPathAndPointingReportsTheCount) {
    WriteFile(computer.Path() + "one.txt", "x");
    WriteFile(device.Path() + "two.txt", "x");
    WriteFile(device.Path() + "three.txt", "x");
    ScanBoth();
    page->SelectCategory(ContentCategory::Writer);
    StatusBar& status = Get<StatusBar>("stbMain");

    Comp().UserSelectRow(0);
    EXPECT_EQ(status.PanelText(1), computer.Path() + "one.txt");
    Comp().UserSelectRow(-1);
    EXPECT_EQ(status.PanelText(1), "");

    shownCounts.clear();
    Dict().UserMouseMove();
    Comp().UserMouseMove();
    EXPECT_EQ(shownCounts, (std::vector<int>{2, 1}));

    int deletes = 0;
    page->SetDeleteCommand(Side::Device, [&deletes] { ++deletes; });
    Dict().UserKeyDown(KeyCode::Delete);
    Comp().UserKeyDown(KeyCode::Delete);
    EXPECT_EQ(deletes, 1);
}

} // namespace
} // namespace zyntra
