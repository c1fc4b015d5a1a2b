#include "storage/database_files.h"
#include "tests/device/device_link_fixture.h"

#include <filesystem>
#include <set>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::CardBaseRow;
using test::DatabaseRow;
using test::DeviceHeader;
using test::FileExists;
using test::FolderRow;
using test::ReadFile;
using test::WriteContentIndex;
using test::WriteFile;

class DeviceStorageTest : public test::DeviceLinkTest {
protected:
    // The current device: internal memory "mem" with its databases, card "card".
    void SetUp() override {
        root_ = drives_.AddInternalMemory("mem", DeviceHeader("A", DriveKind::InternalMemory));
        card_ = drives_.AddDeviceDrive("card", DeviceHeader("A", DriveKind::MemoryCard));
        Link().DiscoverDevices(false);
        ASSERT_EQ(Link().CurrentDevice().rootPath, (std::array<std::string, 2>{root_, card_}));
    }
    std::string Pim() const { return DeviceDatabasePath(root_, 1); }

    // Every path below the drives' temporary folder.
    std::set<std::string> Snapshot() const {
        std::set<std::string> paths;
        for (const auto& entry : fs::recursive_directory_iterator(drives_.Base()))
            paths.insert(entry.path().string());
        return paths;
    }
    std::set<std::string> Added(const std::set<std::string>& before) const {
        std::set<std::string> added;
        for (const std::string& path : Snapshot())
            if (!before.count(path))
                added.insert(path);
        return added;
    }

    std::string root_;
    std::string card_;
};

TEST_F(DeviceStorageTest, FoldersAndDatabaseFilesOfTheIndexAreMade) {
    WriteContentIndex(Pim(),
                      {CardBaseRow("qx740/base", "B", "02"), FolderRow("", "Music"),
                       FolderRow("EBOOK\\Sub", "dict"), DatabaseRow("Secretary", "ECDIY_Dict.db"),
                       DatabaseRow("Data", "PIM.db"), DatabaseRow("Secretary", "Other.db")});
    WriteFile(DeviceDatabasePath(root_, 2), "");
    const auto before = Snapshot();

    Link().PrepareDeviceStorage();

    EXPECT_EQ(ReadFile(DeviceDatabasePath(root_, 2)), ReadFile(TemplatePath(2)));
    EXPECT_EQ(ReadFile(root_ + "Data/PIM.db"), ReadFile(TemplatePath(1)));
    EXPECT_EQ(Added(before),
              (std::set<std::string>{
                  root_ + "Music", root_ + "EBOOK", root_ + "EBOOK/Sub", root_ + "EBOOK/Sub/dict",
                  root_ + "Data", root_ + "Data/PIM.db", card_ + "QX740", card_ + "QX740/BASE",
                  card_ + "QX740/BASE/Music", card_ + "QX740/BASE/EBOOK",
                  card_ + "QX740/BASE/EBOOK/Sub", card_ + "QX740/BASE/EBOOK/Sub/dict"}));
    EXPECT_EQ(ui_.waitCursor.History(),
              (std::vector<CursorShape>{CursorShape::Wait, CursorShape::Default}));
}

TEST_F(DeviceStorageTest, AnIndexOfRowZeroAloneMakesOnlyTheCardFolder) {
    WriteContentIndex(Pim(), {CardBaseRow("Base", "B", "02")});
    const auto before = Snapshot();
    Link().PrepareDeviceStorage();
    EXPECT_EQ(Added(before), std::set<std::string>{card_ + "BASE"});
}

TEST_F(DeviceStorageTest, PathsThatLeaveTheDriveMakeNothing) {
    const std::string outside = drives_.Outside();
    std::vector<test::ContentIndexRow> rows = {CardBaseRow("..", "B", "02"),
                                               FolderRow("..", "escape"),
                                               FolderRow("a/../..", "x"),
                                               FolderRow("", "../up"),
                                               FolderRow("ok\\..\\..", "bs"),
                                               FolderRow(outside, "abs"),
                                               FolderRow("", outside + "abs2"),
                                               FolderRow("", ""),
                                               FolderRow("", ".."),
                                               DatabaseRow("..", "PIM.db"),
                                               DatabaseRow(outside, "PIM.db"),
                                               FolderRow("", "Fine")};
    WriteContentIndex(Pim(), rows);
    auto before = Snapshot();
    Link().PrepareDeviceStorage();
    EXPECT_EQ(Added(before), std::set<std::string>{root_ + "Fine"});

    // With a sound card folder the hostile rows still make nothing there.
    rows[0] = CardBaseRow("Base", "B", "02");
    WriteContentIndex(Pim(), rows);
    before = Snapshot();
    Link().PrepareDeviceStorage();
    EXPECT_EQ(Added(before), (std::set<std::string>{card_ + "BASE", card_ + "BASE/Fine"}));
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(DeviceStorageTest, AFreshDeviceGetsItsDatabasesFromTheTemplateIndex) {
    fs::remove_all(root_ + "Secretary");
    Link().PrepareDeviceStorage();
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        EXPECT_EQ(ReadFile(DeviceDatabasePath(root_, slot)), ReadFile(TemplatePath(slot))) << slot;
    EXPECT_TRUE(fs::is_directory(root_ + "EBOOK/DICTIONARY"));
    EXPECT_TRUE(fs::is_directory(card_ + "QX740/MUSIC"));
}

TEST_F(DeviceStorageTest, WhatCannotBeWrittenIsSkippedQuietly) {
    // Files where the device's folders belong stand for a medium that refuses writes.
    fs::remove_all(root_ + "Secretary");
    WriteFile(root_ + "Secretary", "not a folder");
    WriteFile(root_ + "MUSIC", "not a folder");
    WriteFile(card_ + "QX740", "not a folder");

    Link().PrepareDeviceStorage();

    EXPECT_EQ(ReadFile(root_ + "Secretary"), "not a folder");
    EXPECT_EQ(ReadFile(root_ + "MUSIC"), "not a folder");
    EXPECT_TRUE(fs::is_directory(root_ + "VIDEO"));
    EXPECT_TRUE(fs::is_directory(root_ + "EBOOK/REFERENCE"));
    EXPECT_EQ(ReadFile(card_ + "QX740"), "not a folder");
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_EQ(ui_.waitCursor.Depth(), 0);
}

} // namespace
} // namespace zyntra
