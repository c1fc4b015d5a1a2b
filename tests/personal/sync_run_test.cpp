#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/personal/engine_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::FileExists;
using test::ReadFile;

class SyncRunTest : public test::PersonalEngineTest {
protected:
    std::string Marker() const { return device_.root + "_sync.dat"; }
};

TEST_F(SyncRunTest, OnlyTheSelectedKindsAreWrittenAndReloaded) {
    test::InsertAddress(DevicePath(1), {1, "Dev", 0, "dev@example.org"});
    test::InsertSchedule(DevicePath(1), {1, "2024/02/01", "08:00", "09:00", "Device's", 0, -1});
    const std::string ecBefore = ReadFile(DevicePath(2));
    AddAddress("Mem", "mem@example.org");
    AddSchedule("2024/02/02", "10:00", "Memory's");
    AddECEntry("apple", "n.", "fruit");

    RunReport report = Sync(SyncMode::KeepBoth, DataSelection::Only(RecordKind::Schedule));

    EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), 1u);
    EXPECT_EQ(test::ReadSchedules(DevicePath(1)).size(), 2u);
    EXPECT_EQ(ReadFile(DevicePath(2)), ecBefore);
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Mem");
    ASSERT_EQ(Lists().ScheList.size(), 2u);
    EXPECT_EQ(Lists().ScheList[0]->content, "Device's");
    EXPECT_EQ(Lists().ScheList[1]->content, "Memory's");
    EXPECT_EQ(Lists().ECUserList.size(), 1u);
    EXPECT_TRUE(report.Clean());
    EXPECT_EQ(report.Of(RecordKind::Schedule).added, 1);
    EXPECT_EQ(report.Of(RecordKind::AddressBook).Total(), 0);
    EXPECT_EQ(report.Of(RecordKind::ECUser).Total(), 0);
    // The result is the front end's to show.
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_FALSE(FileExists(ScratchCopyPath(1)));
    EXPECT_EQ(device_.markersWritten, 1);
    EXPECT_FALSE(FileExists(Marker()));
    EXPECT_FALSE(engine_.Running());
}

TEST_F(SyncRunTest, ADeviceWithoutPimDbGetsTheWorkingCopyFirst) {
    std::filesystem::remove(DevicePath(1));
    AddAddress("Ann");
    RunReport report = Sync();
    auto rows = test::ReadAddresses(DevicePath(1));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Ann");
    EXPECT_TRUE(report.copiesSucceeded);
    EXPECT_TRUE(report.failedFiles.empty());

    // When the working copy cannot be copied there, the run says so.
    std::filesystem::remove(DevicePath(1));
    SetCopyFaultHook([&](const std::string& target) { return target != DevicePath(1); });
    report = Sync();
    EXPECT_FALSE(report.copiesSucceeded);
    ASSERT_FALSE(report.failedFiles.empty());
    EXPECT_EQ(report.failedFiles[0].file, "Secretary/PIM.db");
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

    RunReport report = Sync();

    EXPECT_TRUE(markerDuringCopy);
    EXPECT_FALSE(FileExists(Marker()));
    EXPECT_EQ(ReadFile(DevicePath(1)), before);
    EXPECT_FALSE(FileExists(DevicePath(1) + ".part"));
    EXPECT_FALSE(FileExists(ScratchCopyPath(1)));
    EXPECT_FALSE(report.copiesSucceeded);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"Secretary/PIM.db", FileFailure::NotReplaced}}));
    EXPECT_TRUE(ShownTexts().empty());
    // Memory keeps the record that could not be written; the unchanged file is not loaded
    // over it.
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Mem");
}

TEST_F(SyncRunTest, AStaleScratchCopyIsNeverWrittenToTheDevice) {
    // Left by an earlier run, of another device.
    test::MakeDatabaseImage(ScratchCopyPath(1), 1);
    test::InsertAddress(ScratchCopyPath(1), {1, "Someone else", 0, "x@example.org"});
    const std::string before = ReadFile(DevicePath(1));
    SetCopyFaultHook([&](const std::string& target) { return target != ScratchCopyPath(1); });
    AddAddress("Mem");

    RunReport report = Sync();

    EXPECT_EQ(ReadFile(DevicePath(1)), before);
    EXPECT_FALSE(FileExists(ScratchCopyPath(1)));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"db_open() failed, file=Secretary/PIM.db\n"});
    EXPECT_FALSE(report.copiesSucceeded);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"Secretary/PIM.db", FileFailure::NotCopied}}));
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

    RunReport report = Sync();

    EXPECT_EQ(ReadFile(DevicePath(2)), before);
    EXPECT_FALSE(FileExists(ScratchCopyPath(2)));
    EXPECT_EQ(test::ReadHeadwords(DevicePath(3)).size(), 1u);
    EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), 1u);
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_FALSE(report.copiesSucceeded);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"Secretary/ECDIY_Dict.db", FileFailure::NotRebuilt}}));
    // The entry that could not be written stays in memory.
    ASSERT_EQ(Lists().ECUserList.size(), 1u);
    EXPECT_EQ(Lists().ECUserList[0]->hw_name, "dog");
}

// A device that takes no more (full, or pulled out) fails the first file it is given back: the
// files after it are not written at all.
TEST_F(SyncRunTest, AFileThatCannotBeReplacedEndsTheWritingToTheDevice) {
    AddAddress("Ann");
    AddECEntry("dog", "n.", "pet");
    AddCEEntry("shui", "n.", "water");
    const std::string pim = ReadFile(DevicePath(1));
    const std::string ec = ReadFile(DevicePath(2));
    const std::string ce = ReadFile(DevicePath(3));
    int dictionaryCopies = 0;
    SetCopyFaultHook([&](const std::string& target) {
        for (int slot : {2, 3})
            dictionaryCopies += target == DevicePath(slot) || target == ScratchCopyPath(slot);
        return target != DevicePath(1);
    });

    RunReport report = Sync();
    EXPECT_EQ(ReadFile(DevicePath(1)), pim);
    EXPECT_EQ(ReadFile(DevicePath(2)), ec);
    EXPECT_EQ(ReadFile(DevicePath(3)), ce);
    EXPECT_EQ(dictionaryCopies, 0);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"Secretary/PIM.db", FileFailure::NotReplaced}}));
    EXPECT_EQ(report.Of(RecordKind::ECUser).Total(), 0);

    // The reload emptied memory; a dictionary that cannot be replaced spares the next one.
    AddAddress("Ann");
    AddECEntry("dog", "n.", "pet");
    AddCEEntry("shui", "n.", "water");
    SetCopyFaultHook([&](const std::string& target) { return target != DevicePath(2); });
    report = Sync();
    EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), 1u);
    EXPECT_EQ(ReadFile(DevicePath(2)), ec);
    EXPECT_EQ(ReadFile(DevicePath(3)), ce);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"Secretary/ECDIY_Dict.db", FileFailure::NotReplaced}}));
}

// A writer whose table is missing writes nothing and says nothing on the way; the run's result
// still says it failed, while the other kinds are written.
TEST_F(SyncRunTest, AKindWhoseTableIsMissingFailsTheRun) {
    test::FixtureDatabase(DevicePath(1)).Exec("drop table telephone;");
    AddAddress("Ann");
    AddSchedule("2024/02/02", "10:00", "Dentist");

    RunReport report = Sync(SyncMode::KeepBoth);
    EXPECT_EQ(report.unwrittenKinds, std::vector<RecordKind>{RecordKind::AddressBook});
    EXPECT_EQ(report.failedStatements, 0);
    EXPECT_TRUE(report.copiesSucceeded);
    EXPECT_FALSE(report.Succeeded());
    EXPECT_FALSE(report.Clean());
    EXPECT_EQ(test::ReadSchedules(DevicePath(1)).size(), 1u);

    // The timetable's writer first checks its period times.
    test::FixtureDatabase(DevicePath(1)).Exec("drop table classtime;");
    Lists().classGrid[1][2].abbreviation = "Ma";
    report = Sync(SyncMode::KeepBoth, DataSelection::Only(RecordKind::ClassTable));
    EXPECT_EQ(report.unwrittenKinds, std::vector<RecordKind>{RecordKind::ClassTable});
}

TEST_F(SyncRunTest, WithoutADeviceNothingRunsOnIt) {
    device_.root.clear();
    AddAddress("Ann");
    for (const RunReport& report :
         {Sync(), LoadFromDevice(),
          engine_.Save(RunTarget::Device, DataSelection::All(), SyncMode::MemoryWins)}) {
        EXPECT_TRUE(report.noDevice);
        EXPECT_FALSE(report.copiesSucceeded);
        EXPECT_FALSE(report.Clean());
    }
    EXPECT_EQ(device_.markersWritten, 0);
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_EQ(Lists().AddrList.size(), 1u);
}

class DamagedDeviceTest : public test::PersonalEngineTest {};

TEST_F(DamagedDeviceTest, ADeviceDatabaseThatIsNoDatabaseLeavesMemoryAndTheBackupAlone) {
    AddAddress("Kept in memory", "kept@example.org");
    Lists().AddrList[0]->id = 1;
    test::WriteFile(DevicePath(1), std::string(4096, '\x5a'));

    RunReport load = LoadFromDevice();
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Kept in memory");
    EXPECT_TRUE(WasShown("open file=Secretary/PIM.db failed\n"));
    EXPECT_EQ(load.failedFiles,
              (std::vector<FailedFile>{{"Secretary/PIM.db", FileFailure::NotOpened}}));

    // The backup then holds what memory held, not an empty database.
    EXPECT_TRUE(engine_.Backup().Clean());
    ASSERT_EQ(test::ReadAddresses(BackupPath(1)).size(), 1u);
    EXPECT_EQ(test::ReadAddresses(BackupPath(1))[0].name, "Kept in memory");
}

TEST_F(DamagedDeviceTest, ASyncIntoADeviceDatabaseThatIsNoDatabaseFailsAndChangesNothing) {
    AddAddress("In memory", "mem@example.org");
    const std::string garbage(4096, '\x5a');
    test::WriteFile(DevicePath(1), garbage);

    RunReport report = Sync();

    EXPECT_EQ(ReadFile(DevicePath(1)), garbage);
    EXPECT_FALSE(report.copiesSucceeded);
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "In memory");
}

} // namespace
} // namespace zyntra
