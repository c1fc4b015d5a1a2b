#include "personal/device_snapshots.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/personal/engine_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::ReadFile;

std::function<std::string()> IdentIs(std::string ident) {
    return [ident] { return ident; };
}

class DeviceSnapshotsTest : public test::PersonalEngineTest {
protected:
    std::vector<std::string> DeviceFiles() const {
        std::vector<std::string> contents;
        for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
            contents.push_back(ReadFile(DevicePath(slot)));
        return contents;
    }
};

TEST_F(DeviceSnapshotsTest, ASyncCanBeUndoneToTheLastByte) {
    AddAddress("Ann", "ann@example.org");
    ASSERT_TRUE(Sync().Succeeded());
    const std::vector<std::string> before = DeviceFiles();

    AddAddress("Bob");
    AddToDo("2026/12/09", "Undo me");
    AddECEntry("apple", "n.", "fruit");
    ASSERT_TRUE(Sync().Succeeded());
    ASSERT_NE(DeviceFiles(), before);

    const std::vector<Snapshot> snapshots = ListSnapshots();
    ASSERT_EQ(snapshots.size(), 2u);
    const Snapshot& last = snapshots.front();
    EXPECT_EQ(last.ident, device_.ident);
    EXPECT_EQ(last.files.size(), static_cast<std::size_t>(kDatabaseSlotCount));
    EXPECT_EQ(last.files.at(0).name, "PIM.db");
    EXPECT_EQ(last.files.at(0).size, static_cast<std::int64_t>(before.at(0).size()));

    EXPECT_EQ(RestoreSnapshot(last.id, device_.root, IdentIs(device_.ident)),
              SnapshotRestore::Done);
    EXPECT_EQ(DeviceFiles(), before);
}

TEST_F(DeviceSnapshotsTest, OnlyTheNewestTenOfADeviceAreKeptAndOthersAreLeftAlone) {
    ASSERT_TRUE(TakeSnapshot(device_.root, "OTHER-DEVICE", 1000));
    for (std::time_t t = 0; t < 12; ++t)
        ASSERT_TRUE(TakeSnapshot(device_.root, device_.ident, 2000 + 60 * t));
    // Two in one second get ids of their own.
    ASSERT_TRUE(TakeSnapshot(device_.root, device_.ident, 2000 + 60 * 11));

    std::vector<Snapshot> snapshots = ListSnapshots();
    ASSERT_EQ(snapshots.size(), 11u);
    EXPECT_EQ(snapshots.back().ident, "OTHER-DEVICE");
    for (std::size_t i = 0; i + 1 < snapshots.size() - 1; ++i)
        EXPECT_GE(snapshots[i].time, snapshots[i + 1].time);
    EXPECT_NE(snapshots[0].id, snapshots[1].id);
    EXPECT_EQ(snapshots[0].time, snapshots[1].time);
}

TEST_F(DeviceSnapshotsTest, ARestoreGoesOnlyToItsDeviceAndWholeOrNotAtAll) {
    const std::optional<Snapshot> taken = TakeSnapshot(device_.root, device_.ident, 5000);
    ASSERT_TRUE(taken);
    AddAddress("Changed");
    ASSERT_TRUE(Sync().Succeeded());
    const std::vector<std::string> changed = DeviceFiles();

    EXPECT_EQ(RestoreSnapshot(taken->id, device_.root, IdentIs("ANOTHER")),
              SnapshotRestore::OtherDevice);
    for (const char* id : {"", "../snapshots", ".", "no-such-snapshot"})
        EXPECT_EQ(RestoreSnapshot(id, device_.root, IdentIs(device_.ident)),
                  SnapshotRestore::Unknown)
            << id;
    // The third file cannot be written: the two before it are put back.
    int copies = 0;
    SetCopyFaultHook([&](const std::string&) { return ++copies != 3; });
    EXPECT_EQ(RestoreSnapshot(taken->id, device_.root, IdentIs(device_.ident)),
              SnapshotRestore::CopyFailed);
    SetCopyFaultHook({});
    EXPECT_EQ(DeviceFiles(), changed);
}

TEST_F(DeviceSnapshotsTest, ASyncThatCannotBeUndoneChangesNothing) {
    std::filesystem::remove_all(SnapshotsFolder());
    test::WriteFile(folder_.File("snapshots"), "not a folder");
    const std::vector<std::string> before = DeviceFiles();
    AddAddress("Ann");
    RunReport report = Sync();
    EXPECT_FALSE(report.copiesSucceeded);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"snapshots/", FileFailure::NotCopied}}));
    EXPECT_EQ(DeviceFiles(), before);
    EXPECT_EQ(device_.markersWritten, 1);
    EXPECT_FALSE(test::FileExists(device_.root + "_sync.dat"));
}

} // namespace
} // namespace zyntra
