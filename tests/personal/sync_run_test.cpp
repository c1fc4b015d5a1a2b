#include "texts/lang_text.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/personal/personal_data_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::FileExists;
using test::ReadFile;

class SyncRunTest : public test::PersonalDataTest {
protected:
    std::string Marker() const { return device_.root + "_sync.dat"; }
};

TEST_F(SyncRunTest, OnlyTheCheckedKindsAreWrittenAndReloaded) {
    test::InsertAddress(DevicePath(1), {1, "Dev", 0, "dev@example.org"});
    test::InsertSchedule(DevicePath(1), {1, "2024/02/01", "08:00", "09:00", "Device's", 0, -1});
    const std::string ecBefore = ReadFile(DevicePath(2));
    AddAddress("Mem", "mem@example.org");
    AddSchedule("2024/02/02", "10:00", "Memory's");
    AddECEntry("apple", "n.", "fruit");
    SelectOnly({RecordKind::Schedule});

    controls_.Get<SpeedButton>("sbSync").Click();

    EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), 1u);
    EXPECT_EQ(test::ReadSchedules(DevicePath(1)).size(), 2u);
    EXPECT_EQ(ReadFile(DevicePath(2)), ecBefore);
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Mem");
    ASSERT_EQ(Lists().ScheList.size(), 2u);
    EXPECT_EQ(Lists().ScheList[0]->content, "Device's");
    EXPECT_EQ(Lists().ScheList[1]->content, "Memory's");
    EXPECT_EQ(Lists().ECUserList.size(), 1u);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_SyncOK")});
    EXPECT_FALSE(FileExists(ScratchCopyPath(1)));
    EXPECT_EQ(ui_.waitCursor.History(),
              (std::vector<CursorShape>{CursorShape::Wait, CursorShape::Default}));
    EXPECT_EQ(device_.markersWritten, 1);
    EXPECT_FALSE(FileExists(Marker()));
}

TEST_F(SyncRunTest, ADeviceWithoutPimDbGetsTheWorkingCopyFirst) {
    std::filesystem::remove(DevicePath(1));
    AddAddress("Ann");
    data_->sbSyncClick();
    auto rows = test::ReadAddresses(DevicePath(1));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Ann");
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_SyncOK")});
}

TEST_F(SyncRunTest, ALockedDeviceRunsOnlyWithItsPassword) {
    device_.locked = true;
    device_.password = "1234";
    device_.typed = {"9999", ""};
    AddAddress("Ann");
    const std::string before = ReadFile(DevicePath(1));

    data_->sbSyncClick(); // wrong
    data_->sbSyncClick(); // cancelled
    EXPECT_EQ(device_.markersWritten, 0);
    EXPECT_EQ(ReadFile(DevicePath(1)), before);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>(2, LangText("SM_PasswordIncorrectSync")));

    device_.typed = {"1234"};
    data_->sbSyncClick();
    EXPECT_EQ(device_.passwordChecks, 3);
    EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), 1u);
    EXPECT_EQ(ShownTexts().back(), LangText("SM_SyncOK"));
}

TEST_F(SyncRunTest, AFailedCopyBackLeavesTheDevicesFileByteIdentical) {
    test::InsertAddress(DevicePath(1), {1, "Dev", 0, "dev@example.org"});
    const std::string before = ReadFile(DevicePath(1));
    AddAddress("Mem");
    bool markerDuringCopy = false;
    SetCopyFaultHook([&](const std::string& target) {
        markerDuringCopy = FileExists(Marker()) && ReadFile(Marker()) == "test";
        return target != DevicePath(1);
    });

    data_->sbSyncClick();

    EXPECT_TRUE(markerDuringCopy);
    EXPECT_FALSE(FileExists(Marker()));
    EXPECT_EQ(ReadFile(DevicePath(1)), before);
    EXPECT_FALSE(FileExists(DevicePath(1) + ".part"));
    EXPECT_FALSE(FileExists(ScratchCopyPath(1)));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_SyncNG")});
    // Memory is reloaded from the unchanged file.
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Dev");
}

TEST_F(SyncRunTest, AStaleScratchCopyIsNeverWrittenToTheDevice) {
    // Left by an earlier run, of another device.
    test::MakeDatabaseImage(ScratchCopyPath(1), 1);
    test::InsertAddress(ScratchCopyPath(1), {1, "Someone else", 0, "x@example.org"});
    const std::string before = ReadFile(DevicePath(1));
    SetCopyFaultHook([&](const std::string& target) { return target != ScratchCopyPath(1); });
    AddAddress("Mem");

    data_->sbSyncClick();

    EXPECT_EQ(ReadFile(DevicePath(1)), before);
    EXPECT_FALSE(FileExists(ScratchCopyPath(1)));
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{"db_open() failed, file=Secretary/PIM.db\n",
                                                      LangText("SM_SyncNG")}));
}

TEST_F(SyncRunTest, AFailedDictionaryRebuildLeavesTheDevicesDictionaryAsItWas) {
    test::InsertHeadword(DevicePath(2), {1, "cat", "cat", "n.", "pet"});
    test::FixtureDatabase(DevicePath(2))
        .Exec("create trigger refuse before insert on headword "
              "begin select raise(abort, 'refused'); end;");
    const std::string before = ReadFile(DevicePath(2));
    AddECEntry("dog", "n.", "pet");
    AddCEEntry("shui", "n.", "water");
    AddAddress("Ann");

    data_->sbSyncClick();

    EXPECT_EQ(ReadFile(DevicePath(2)), before);
    EXPECT_FALSE(FileExists(ScratchCopyPath(2)));
    EXPECT_EQ(test::ReadHeadwords(DevicePath(3)).size(), 1u);
    EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), 1u);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_SyncNG")});
    ASSERT_EQ(Lists().ECUserList.size(), 1u);
    EXPECT_EQ(Lists().ECUserList[0]->storedHeadword, "cat");
}

TEST_F(SyncRunTest, APageSyncButtonOnlyShowsTheSyncPage) {
    int recordCount = -1;
    data_->SetStatusRecordCountSink([&](int count) { recordCount = count; });
    auto& pages = controls_.Get<PageControl>("pgcDataSet");
    pages.SetActivePageIndex(0);
    for (const char* name :
         {"tbAddrSync", "tbScheSync", "tbToDoSync", "tbClassSync", "tbUserSync"}) {
        pages.SetActivePageIndex(0);
        recordCount = -1;
        controls_.Get<ToolButton>(name).Click();
        EXPECT_EQ(pages.ActivePageIndex(), 1) << name;
        EXPECT_EQ(recordCount, 0) << name;
    }
    EXPECT_EQ(device_.markersWritten, 0);
    EXPECT_TRUE(ShownTexts().empty());
}

} // namespace
} // namespace zyntra

namespace zyntra {
namespace {

class DamagedDeviceTest : public test::PersonalDataTest {};

TEST_F(DamagedDeviceTest, ADeviceDatabaseThatIsNoDatabaseLeavesMemoryAndTheBackupAlone) {
    AddAddress("Kept in memory", "kept@example.org");
    Lists().AddrList[0]->id = 1;
    test::WriteFile(DevicePath(1), std::string(4096, '\x5a'));

    data_->LoadPersonalData(false);
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Kept in memory");
    EXPECT_TRUE(WasShown("open file=Secretary/PIM.db failed\n"));

    // The backup then holds what memory held, not an empty database.
    controls_.Get<SpeedButton>("sbBackup").Click();
    ASSERT_EQ(test::ReadAddresses(BackupPath(1)).size(), 1u);
    EXPECT_EQ(test::ReadAddresses(BackupPath(1))[0].name, "Kept in memory");
}

} // namespace
} // namespace zyntra

namespace zyntra {
namespace {

TEST_F(DamagedDeviceTest, ASyncIntoADeviceDatabaseThatIsNoDatabaseFailsAndChangesNothing) {
    AddAddress("In memory", "mem@example.org");
    const std::string garbage(4096, '\x5a');
    test::WriteFile(DevicePath(1), garbage);

    controls_.Get<SpeedButton>("sbSync").Click();

    EXPECT_EQ(ReadFile(DevicePath(1)), garbage);
    ASSERT_FALSE(ShownTexts().empty());
    EXPECT_EQ(ShownTexts().back(), LangText("SM_SyncNG"));
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "In memory");
}

} // namespace
} // namespace zyntra
