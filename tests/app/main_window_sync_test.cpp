#include "device/device_link.h"
#include "kit/controls.h"
#include "personal/personal_engine.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/support/ui_doubles.h"
#include "texts/lang_text.h"

#include <filesystem>

namespace zyntra {
namespace {

// The window model with one device plugged in, run the way a user drives it.
class MainWindowSyncTest : public ::testing::Test {
protected:
    void SetUp() override {
        internal_ = drives_.AddInternalMemory("internal",
                                              test::DeviceHeader("A1", DriveKind::InternalMemory));
        drives_.AddDeviceDrive("card", test::DeviceHeader("A1", DriveKind::MemoryCard));
        pim_ = DeviceDatabasePath(internal_, 1);
        test::InsertAddress(pim_, {1, "Alice Chen", 1, "alice@example.com"});
        test::InsertAddress(pim_, {2, "Bob Lin", 3, "bob@example.com"});
        test::InsertToDo(pim_, {1, "2026/12/10", "Buy a notebook"});
    }

    template <class T> T& Get(const char* name) {
        return harness_.Window().Controls().Get<T>(name);
    }
    RecordLists& Lists() { return harness_.Window().Personal().Lists(); }
    const std::vector<ShownMessage>& Shown() { return harness_.ui.messages.Shown(); }

    test::MainWindowHarness harness_;
    test::FixtureDrives drives_{harness_.volumes};
    std::string internal_;
    std::string pim_;
};

TEST_F(MainWindowSyncTest, SyncLoadsTheDeviceAndBackupRestoreAndClosePromptFollow) {
    ASSERT_TRUE(harness_.Create());
    EXPECT_TRUE(Get<Control>("sbSync").Enabled());
    EXPECT_TRUE(harness_.Window().FormClose()); // nothing in memory: no question
    EXPECT_TRUE(harness_.ui.question.Asked().empty());

    Get<SpeedButton>("sbSync").Click();
    ASSERT_EQ(Lists().AddrList.size(), 2u);
    EXPECT_EQ(Lists().AddrList[1]->name, "Bob Lin");
    ASSERT_EQ(Lists().ToDoList.size(), 1u);
    ASSERT_FALSE(Shown().empty());
    EXPECT_EQ(Shown().back().text, LangText("SM_SyncOK"));
    EXPECT_FALSE(test::FileExists(internal_ + "_sync.dat"));

    std::filesystem::remove_all(harness_.Folder().File("backup"));
    Get<SpeedButton>("sbBackup").Click();
    EXPECT_EQ(Shown().back().text, LangText("SM_ExportOK"));
    EXPECT_EQ(test::ReadAddresses(BackupPath(1)).size(), 2u);

    Lists().ResetAllLists();
    Get<SpeedButton>("sbRestore").Click();
    EXPECT_EQ(Shown().back().text, LangText("SM_ImportOK"));
    ASSERT_EQ(Lists().AddrList.size(), 2u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Alice Chen");

    // With records in memory, closing offers a backup first.
    EXPECT_TRUE(harness_.Window().FormClose());
    ASSERT_EQ(harness_.ui.question.Asked().size(), 1u);
    EXPECT_EQ(harness_.ui.question.Asked()[0].text, LangText("SM_NeedToExportData"));
}

TEST_F(MainWindowSyncTest, TheCardAloneLeavesSyncOffWhileBackupStaysAvailable) {
    harness_.volumes.Set({{drives_.Base() + "card/", VolumeType::Removable}});
    ASSERT_TRUE(harness_.Create());
    EXPECT_FALSE(Get<Control>("sbSync").Enabled());
    EXPECT_FALSE(Get<Control>("clbSyncData").Enabled());
    EXPECT_TRUE(Get<Control>("sbBackup").Enabled());
    EXPECT_TRUE(Get<Control>("sbRestore").Enabled());
    EXPECT_EQ(harness_.Window().Devices().CurrentDevice().mainClass, "B");
}

TEST_F(MainWindowSyncTest, ADeviceSwappedUnderASyncKeepsItsDatabase) {
    ASSERT_TRUE(harness_.Create());
    auto carol = std::make_unique<ADDRESSBOOK>();
    carol->name = "Carol Wu";
    Lists().AddrList.push_back(std::move(carol));
    const std::string before = test::ReadFile(pim_);
    // Once PIM.db has been read, another device's description appears at the mount point.
    SetCopyFaultHook([&](const std::string& target) {
        if (target == ScratchCopyPath(1))
            test::WriteFile(internal_ + "_info.dat", test::InfoFileBytes(test::DeviceHeader(
                                                         "B2", DriveKind::InternalMemory)));
        return true;
    });
    Get<SpeedButton>("sbSync").Click();
    SetCopyFaultHook({});

    EXPECT_EQ(Shown().back().text, LangText("SM_SyncNG"));
    EXPECT_TRUE(test::ReadFile(pim_) == before);
}

} // namespace
} // namespace zyntra
