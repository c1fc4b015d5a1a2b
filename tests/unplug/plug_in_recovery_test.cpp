#include "app/main_window.h"
#include "kit/controls.h"
#include "personal/personal_engine.h"
#include "platform/volume_monitor.h"
#include "storage/database_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/unplug/pulled_drive.h"
#include "texts/lang_text.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using ::testing::IsEmpty;

// A set replacement of the device's databases (an undone synchronisation) moves each file aside
// as "<name>.previous" and renames its staged "<name>.part" into place; a device pulled out
// between the two renames comes back with the file missing. These tests plug such a device in
// while the program runs.
class PlugInRecoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        pim_ = DeviceDatabasePath(internal_, 1);
        dictionary_ = DeviceDatabasePath(internal_, 2);
        test::InsertAddress(pim_, {1, "Alice Chen", 1, "alice@example.com"});
        test::InsertAddress(pim_, {2, "Bob Lin", 3, "bob@example.com"});
        test::InsertHeadword(dictionary_, {1, "apple", "apple", "n.", "a fruit"});
        before_ = test::DatabaseFiles(internal_);
        drive_.Pull();
        ASSERT_TRUE(harness_.Create());
    }

    std::string Away(const std::string& path) const {
        return drives_.Base() + "internal.pulled/" + path.substr(internal_.size());
    }

    // The state a pull between the two renames leaves: the file aside, its staged copy half
    // written.
    void CutOffBetweenRenames(const std::string& path) {
        std::filesystem::rename(Away(path), Away(path) + ".previous");
        test::WriteFile(Away(path) + ".part", "SQLite format 3");
    }

    void PlugIn() {
        drive_.PlugIn();
        harness_.Window().HandleDriveChange(VolumeChange::Arrival);
    }

    test::MainWindowHarness harness_;
    test::FixtureDrives drives_{harness_.volumes};
    std::string internal_ =
        drives_.AddInternalMemory("internal", test::DeviceHeader("R1", DriveKind::InternalMemory));
    test::PulledDrive drive_{harness_.volumes, internal_};
    std::string pim_;
    std::string dictionary_;
    std::map<std::string, std::string> before_;
};

TEST_F(PlugInRecoveryTest, ADatabaseLeftAsideIsPutBackInsteadOfAFreshTemplate) {
    CutOffBetweenRenames(pim_);
    CutOffBetweenRenames(dictionary_);
    PlugIn();
    EXPECT_THAT(test::Inconsistencies(internal_, before_), IsEmpty());
    EXPECT_THAT(test::ChangedDatabases(internal_, before_), IsEmpty());

    harness_.Window().Controls().Get<SpeedButton>("sbSync").Click();
    EXPECT_EQ(harness_.ui.messages.Shown().back().text, LangText("SM_SyncOK"));
    const RecordLists& lists = harness_.Window().Personal().Lists();
    ASSERT_EQ(lists.AddrList.size(), 2u);
    EXPECT_EQ(lists.AddrList[1]->name, "Bob Lin");
    EXPECT_EQ(lists.ECUserList.size(), 1u);
}

TEST_F(PlugInRecoveryTest, LeftoversBesideAWholeDatabaseGoAndTheDatabaseStays) {
    // Pulled out after the staged copy went into place, before the old file was removed; and a
    // staged copy that never got that far.
    test::WriteFile(Away(pim_) + ".previous", "an older PIM.db");
    test::WriteFile(Away(dictionary_) + ".part", "half a dictionary");
    PlugIn();
    EXPECT_THAT(test::Inconsistencies(internal_, before_), IsEmpty());
    EXPECT_THAT(test::ChangedDatabases(internal_, before_), IsEmpty());
}

} // namespace
} // namespace zyntra
