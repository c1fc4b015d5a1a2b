#include "app/main_window.h"
#include "kit/controls.h"
#include "personal/device_snapshots.h"
#include "personal/personal_engine.h"
#include "personal/personal_records.h"
#include "platform/volume_monitor.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/unplug/pulled_drive.h"
#include "texts/lang_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

namespace zyntra {
namespace {

using ::testing::IsEmpty;

constexpr int kRecords = 20000;
constexpr const char kIdent[] = "U1";

std::vector<test::AddressRow> ManyAddresses(int count) {
    std::vector<test::AddressRow> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back(
            {i, "Person " + std::to_string(i), 1, "p" + std::to_string(i) + "@example.org"});
    return rows;
}

// The window model with a device whose address book holds 20,000 records, written straight
// into its database; the device is pulled out at a chosen copy of a synchronisation.
class SyncUnplugTest : public ::testing::Test {
protected:
    void SetUp() override {
        pim_ = DeviceDatabasePath(internal_, 1);
        test::InsertAddresses(pim_, ManyAddresses(kRecords));
        ASSERT_TRUE(harness_.Create());
    }
    void TearDown() override { SetCopyFaultHook({}); }

    // The device goes at the first copy whose target passes `when`, after its data was written.
    void PullAtCopy(std::function<bool(const std::string& target)> when) {
        SetCopyFaultHook([this, when](const std::string& target) {
            if (when(target))
                drive_.Pull();
            return true;
        });
    }

    // Clicks Synchronise and returns what the window said.
    std::string Synchronise() {
        const std::size_t shown = harness_.ui.messages.Shown().size();
        harness_.Window().Controls().Get<SpeedButton>("sbSync").Click();
        const auto& now = harness_.ui.messages.Shown();
        return now.size() > shown ? now.back().text : std::string();
    }

    // As the volume monitor reports it once the run has given the window back.
    void Unplugged() { harness_.Window().HandleDriveChange(VolumeChange::Removal); }
    void PluggedIn() {
        drive_.PlugIn();
        harness_.Window().HandleDriveChange(VolumeChange::Arrival);
    }

    std::size_t AddressesInMemory() { return harness_.Window().Personal().Lists().AddrList.size(); }

    test::MainWindowHarness harness_;
    test::FixtureDrives drives_{harness_.volumes};
    std::string internal_ = drives_.AddInternalMemory(
        "internal", test::DeviceHeader(kIdent, DriveKind::InternalMemory));
    test::PulledDrive drive_{harness_.volumes, internal_};
    std::string pim_;
};

TEST_F(SyncUnplugTest, PulledOutDuringTheCopyBackTheDeviceKeepsItsDataAndTheNextSyncWorks) {
    ASSERT_EQ(Synchronise(), LangText("SM_SyncOK"));
    ASSERT_EQ(AddressesInMemory(), static_cast<std::size_t>(kRecords));
    ADDRESSBOOK added;
    added.name = "Zoe New";
    harness_.Window().Personal().Lists().AddrList.push_back(
        std::make_unique<ADDRESSBOOK>(std::move(added)));
    const auto before = test::DatabaseFiles(internal_);

    PullAtCopy([&](const std::string& target) { return target == pim_; });
    EXPECT_EQ(Synchronise(), LangText("SM_SyncNG"));
    SetCopyFaultHook({});
    ASSERT_TRUE(drive_.Pulled());
    // What could not be written stays in memory, for the next run.
    EXPECT_EQ(AddressesInMemory(), static_cast<std::size_t>(kRecords + 1));

    Unplugged();
    EXPECT_FALSE(harness_.Window().Personal().DeviceConnected());
    EXPECT_EQ(Synchronise(), ""); // nothing to synchronise with, and nothing breaks

    PluggedIn();
    EXPECT_THAT(test::Inconsistencies(internal_, before), IsEmpty());
    EXPECT_THAT(test::ChangedDatabases(internal_, before), IsEmpty());

    EXPECT_EQ(Synchronise(), LangText("SM_SyncOK"));
    EXPECT_EQ(test::ReadAddresses(pim_).size(), static_cast<std::size_t>(kRecords + 1));
    EXPECT_EQ(AddressesInMemory(), static_cast<std::size_t>(kRecords + 1));
}

TEST_F(SyncUnplugTest, PulledOutDuringTheSnapshotNoPartialSnapshotIsKeptAndTheDeviceIsIntact) {
    const auto before = test::DatabaseFiles(internal_);
    PullAtCopy(
        [](const std::string& target) { return target.find("/snapshots/") != std::string::npos; });
    EXPECT_EQ(Synchronise(), LangText("SM_SyncNG"));
    SetCopyFaultHook({});
    ASSERT_TRUE(drive_.Pulled());
    // A snapshot missing some of the device's files would undo only part of the run.
    for (const Snapshot& snapshot : ListSnapshots())
        EXPECT_EQ(snapshot.files.size(), before.size()) << snapshot.id;

    Unplugged();
    PluggedIn();
    EXPECT_THAT(test::Inconsistencies(internal_, before), IsEmpty());
    EXPECT_THAT(test::ChangedDatabases(internal_, before), IsEmpty());

    EXPECT_EQ(Synchronise(), LangText("SM_SyncOK"));
    EXPECT_EQ(AddressesInMemory(), static_cast<std::size_t>(kRecords));
    const std::optional<Snapshot> undo = NewestSnapshotOf(kIdent);
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->files.size(), before.size());
}

} // namespace
} // namespace zyntra
