#include "content/file_lists.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace zyntra {
namespace {

using test::TempDir;
using test::WriteFile;

// A temp folder scanned into the lists; Column reads one column of every row as drawn.
class ContentLists : public ::testing::Test {
protected:
    void Scan(Side side = Side::Computer) {
        lists.ResetAllFileLists(side);
        lists.ScanFolder(dir.Path(), kAllCategoriesFilter, side, false);
    }
    std::vector<std::string> Column(Side side, int column) const {
        std::vector<std::string> texts;
        for (int row = 0; row < static_cast<int>(lists.CurrentList(side).size()); ++row)
            texts.push_back(lists.FillRow(side, row).texts.at(static_cast<std::size_t>(column)));
        return texts;
    }

    TempDir dir;
    FileLists lists;
};

TEST_F(ContentLists, MarkAndRemoveWorkOnTheCurrentCategoryOfOneSide) {
    for (std::string name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.wav"})
        WriteFile(dir.Path() + name, "x");
    Scan(Side::Computer);
    Scan(Side::Device);
    lists.SetCurrentCategory(ContentCategory::Writer);
    lists.SortFileList(Side::Computer, 0); // descending by name
    lists.MarkFileEntry(Side::Computer, 0);
    lists.MarkFileEntry(Side::Computer, 2);
    lists.MarkFileEntry(Side::Computer, 4);
    lists.MarkFileEntry(Side::Computer, -1);
    lists.RemoveMarkedEntries(Side::Computer);
    EXPECT_EQ(Column(Side::Computer, 0), (std::vector<std::string>{"c.txt", "a.txt"}));
    EXPECT_EQ(lists.List(Side::Device, ContentCategory::Writer).size(), 4u);
    EXPECT_EQ(lists.List(Side::Computer, ContentCategory::Recorder).size(), 1u);

    lists.ResetFileList(Side::Device, ContentCategory::Writer);
    EXPECT_TRUE(lists.List(Side::Device, ContentCategory::Writer).empty());
    EXPECT_EQ(lists.List(Side::Device, ContentCategory::Recorder).size(), 1u);
    lists.FreeFileLists();
    EXPECT_TRUE(lists.List(Side::Computer, ContentCategory::Writer).empty());
    EXPECT_TRUE(lists.List(Side::Device, ContentCategory::Recorder).empty());
}

TEST_F(ContentLists, RowsFollowTheColumnTableAndShowLiveCompanionMarks) {
    WriteFile(dir.Path() + "song.mp3", "x");
    WriteFile(dir.Path() + "song.lrc", "x");
    WriteFile(dir.Path() + "clip.avi", std::string(1500, 'v'));
    Scan();
    lists.SetCurrentCategory(ContentCategory::Mp3Music);
    ListRow row = lists.FillRow(Side::Computer, 0);
    ASSERT_EQ(row.texts.size(), 8u);
    EXPECT_EQ(row.texts[0], "song.mp3");
    EXPECT_EQ(row.texts[3], "mp3");
    EXPECT_EQ(row.texts[6], "*");
    EXPECT_EQ(row.texts[7], dir.Path() + "song.mp3");
    EXPECT_EQ(row.imageIndex, 1);
    std::filesystem::remove(dir.Path() + "song.lrc");
    EXPECT_EQ(lists.FillRow(Side::Computer, 0).texts[6], "");
    EXPECT_EQ(lists.FillRow(Side::Computer, 1).imageIndex, -1);
    EXPECT_TRUE(lists.FillRow(Side::Computer, 1).texts.empty());

    lists.SetCurrentCategory(ContentCategory::DigitalContents);
    row = lists.FillRow(Side::Computer, 0);
    EXPECT_EQ(row.texts[1], "avi");
    EXPECT_EQ(row.texts[2], "2");
    EXPECT_EQ(row.texts[4], "");
    WriteFile(dir.Path() + "clip.srt", "x");
    EXPECT_EQ(lists.FillRow(Side::Computer, 0).texts[4], "*");
    EXPECT_EQ(lists.FillRow(Side::Computer, 0).texts[6], "");
    EXPECT_EQ(lists.FillRow(Side::Computer, 0).imageIndex, 3);
}

TEST_F(ContentLists, SizeSortsAsNumbersAndTheFirstClickDescends) {
    WriteFile(dir.Path() + "nine.wav", std::string(9000, 'x'));
    WriteFile(dir.Path() + "ten.wav", std::string(10000, 'x'));
    WriteFile(dir.Path() + "hundred.wav", std::string(100000, 'x'));
    Scan();
    lists.SetCurrentCategory(ContentCategory::Recorder);
    const int sizeColumn = 2;
    lists.SortFileList(Side::Computer, sizeColumn);
    EXPECT_TRUE(lists.SortToggle(Side::Computer, sizeColumn));
    EXPECT_EQ(Column(Side::Computer, sizeColumn), (std::vector<std::string>{"100", "10", "9"}));
    lists.SortFileList(Side::Computer, sizeColumn);
    EXPECT_EQ(Column(Side::Computer, sizeColumn), (std::vector<std::string>{"9", "10", "100"}));
    EXPECT_FALSE(lists.SortToggle(Side::Device, sizeColumn));

    // A hidden column flips its flag but keeps the order.
    lists.SortFileList(Side::Computer, 6);
    EXPECT_EQ(Column(Side::Computer, sizeColumn), (std::vector<std::string>{"9", "10", "100"}));
    lists.ResetSortToggles(Side::Computer);
    EXPECT_FALSE(lists.SortToggle(Side::Computer, 6));
    lists.SortFileList(Side::Computer, sizeColumn);
    EXPECT_EQ(Column(Side::Computer, sizeColumn), (std::vector<std::string>{"100", "10", "9"}));
}

TEST_F(ContentLists, TextsSortWithAsciiFoldedAndOtherBytesUnsigned) {
    for (std::string name : {"b.txt", "A.txt", "C.txt", "\xc3\xa9.txt", "a_.txt"})
        WriteFile(dir.Path() + name, "x");
    Scan();
    lists.SetCurrentCategory(ContentCategory::Writer);
    lists.SortFileList(Side::Computer, 0);
    lists.SortFileList(Side::Computer, 0);
    // '.' (0x2e) < '_' (0x5f); 0xc3 comes after every ASCII byte.
    std::vector<std::string> names;
    for (const FILE_TYPE& entry : lists.CurrentList(Side::Computer))
        names.push_back(entry.fileName);
    EXPECT_EQ(names,
              (std::vector<std::string>{"A.txt", "a_.txt", "b.txt", "C.txt", "\xc3\xa9.txt"}));
    // The list shows the name in the window's charset, which has no e-acute in English.
    EXPECT_EQ(Column(Side::Computer, 0).back(), "?.txt");
}

TEST_F(ContentLists, MarkColumnSortsByItsShownText) {
    for (std::string name : {"a.mp3", "b.mp3", "c.mp3", "b.lrc"})
        WriteFile(dir.Path() + name, "x");
    Scan();
    lists.SetCurrentCategory(ContentCategory::Mp3Music);
    lists.SortFileList(Side::Computer, 6);
    EXPECT_EQ(Column(Side::Computer, 6)[0], "*");
    EXPECT_EQ(Column(Side::Computer, 0)[0], "b.mp3");
    lists.SortFileList(Side::Computer, 6);
    EXPECT_EQ(Column(Side::Computer, 6)[2], "*");
}

TEST_F(ContentLists, OpeningStartsTheOpenerPerFileButNeverForBooks) {
    TempDir tools;
    std::string record = tools.Path() + "record";
    std::string opener = tools.Path() + "opener";
    WriteFile(opener, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + record + "'\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    for (std::string name : {"a.jpg", "b.png", "c.bmp"})
        WriteFile(dir.Path() + name, "x");
    WriteFile(dir.Path() + "book.dbk", std::string("VELLMAR EBOOK") + std::string(1011, '\0'));
    Scan();
    ASSERT_EQ(lists.List(Side::Computer, ContentCategory::Ebook).size(), 1u);
    EXPECT_EQ(lists.OpenFileEntries(Side::Computer, {0}, opener), 0);

    lists.SetCurrentCategory(ContentCategory::EAlbum);
    EXPECT_EQ(lists.OpenFileEntries(Side::Computer, {0, 1, 2, 3}, opener), 3);
    std::vector<std::string> opened;
    for (int i = 0; i < 500 && opened.size() < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::istringstream lines(test::ReadFile(record));
        opened.clear();
        for (std::string line; std::getline(lines, line);)
            opened.push_back(line);
    }
    std::sort(opened.begin(), opened.end());
    EXPECT_EQ(opened, (std::vector<std::string>{dir.Path() + "a.jpg", dir.Path() + "b.png",
                                                dir.Path() + "c.bmp"}));
}

TEST(ContentColumns, CaptionsAndWidthsPerCategory) {
    ListView view("lvCompListView");
    view.SetColumn(0, "Name", 201);
    ApplyContentColumns(view, ContentCategory::Mp3Music);
    ASSERT_EQ(view.ColumnCount(), 8);
    EXPECT_EQ(view.Column(0).width, 201);
    std::vector<int> widths;
    for (int i = 1; i < 8; ++i)
        widths.push_back(view.Column(i).width);
    EXPECT_EQ(widths, (std::vector<int>{200, 300, 80, 60, 120, 50, 300}));

    ApplyContentColumns(view, ContentCategory::Flash);
    widths.clear();
    for (int i = 1; i < 8; ++i)
        widths.push_back(view.Column(i).width);
    EXPECT_EQ(widths, (std::vector<int>{80, 60, 120, 300, 0, 0, 0}));
    EXPECT_EQ(view.Column(5).caption, "");
    EXPECT_EQ(view.Column(0).width, 201);
    EXPECT_EQ(ColumnsOf(ContentCategory::Ebook)[1].captionKey, std::string("SC_LISTVIEW_COL7"));
    EXPECT_EQ(ColumnsOf(ContentCategory::DigitalContents)[4].captionKey,
              std::string("SC_LISTVIEW_COL9"));
}

TEST(ContentCategories, ExtensionsCompanionsAndFilters) {
    EXPECT_EQ(CategoryOfExtension(".jpg"), ContentCategory::EAlbum);
    EXPECT_EQ(CategoryOfExtension(".mp4"), ContentCategory::DigitalContents);
    EXPECT_EQ(CategoryOfExtension(".jp"), std::nullopt);
    EXPECT_EQ(CategoryOfExtension(""), std::nullopt);
    EXPECT_EQ(LowerExtension("Archive.TAR.GZ"), ".gz");
    EXPECT_EQ(LowerExtension("name."), ".");
    EXPECT_EQ(CompanionPath(ContentCategory::Mp3Music, "/m/song.mp3"), "/m/song.lrc");
    EXPECT_EQ(CompanionPath(ContentCategory::DigitalContents, "/v/clip.avi"), "/v/clip.srt");
    EXPECT_EQ(CompanionPath(ContentCategory::Writer, "/w/a.txt"), "");
    for (const CategoryInfo& info : kCategories) {
        std::string_view filter = info.filter;
        for (std::size_t start = 0; start < filter.size();) {
            std::size_t end = std::min(filter.find(';', start), filter.size());
            std::string_view extension = filter.substr(start, end - start);
            EXPECT_TRUE(FilterHolds(kAllCategoriesFilter, extension)) << extension;
            EXPECT_EQ(CategoryOfExtension(extension), info.category) << extension;
            start = end + 1;
        }
    }
}

} // namespace
} // namespace zyntra
