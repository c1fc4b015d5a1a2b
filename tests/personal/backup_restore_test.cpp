#include "personal/class_table.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/personal/engine_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace zyntra {
namespace {

using test::FileExists;
using test::QueryRows;
using test::ReadFile;

class BackupRestoreTest : public test::PersonalEngineTest {
protected:
    void FillMemory() {
        AddAddress("Ann", "ann@example.org");
        AddSchedule("2024/04/01", "09:00", "Dentist");
        AddToDo("2024/04/02", "Buy milk");
        AddECEntry("apple", "n.", "fruit");
        AddCEEntry("shui", "n.", "water");
        Lists().classGrid[3][5].abbreviation = "Ma";
    }

    void ClearMemory() {
        Lists().ResetAllLists();
        InitClassTimetable(Lists().classGrid, Lists().classTimes, {"", "", "", "", "", "", ""},
                           "%d");
    }

    // Every file of backup/ with its bytes: what a failed backup must leave as it was.
    std::map<std::string, std::string> BackupFolder() const {
        std::map<std::string, std::string> files;
        std::error_code error;
        const auto folder = std::filesystem::path(BackupPath(1)).parent_path();
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            files[entry.path().filename().string()] = ReadFile(entry.path().string());
        return files;
    }

    static std::string Schema(const std::string& path) {
        return test::FixtureDatabase(path).QueryText(
            "select group_concat(sql, ';') from (select sql from sqlite_master order by name)");
    }
};

TEST_F(BackupRestoreTest, ABackupOfEmptyMemoryEqualsTheTemplatesAndMakesItsFolder) {
    std::filesystem::remove_all(folder_.File("backup"));
    RunReport report = engine_.Backup();

    for (int slot : {1, 4, 5})
        EXPECT_EQ(ReadFile(BackupPath(slot)), ReadFile(TemplatePath(slot))) << slot;
    // The dictionaries were rebuilt and compacted: the same tables, still empty.
    for (int slot : {2, 3}) {
        EXPECT_EQ(Schema(BackupPath(slot)), Schema(TemplatePath(slot))) << slot;
        EXPECT_TRUE(test::ReadHeadwords(BackupPath(slot)).empty()) << slot;
    }
    EXPECT_TRUE(report.Clean());
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(BackupRestoreTest, BackupClearRestoreBringsTheRecordsBack) {
    FillMemory();
    AddAddress("Ann", "ann@example.org"); // the same record twice is backed up once
    RunReport backup = engine_.Backup();
    EXPECT_EQ(backup.Of(RecordKind::AddressBook), (KindCounts{.added = 1, .skippedEqual = 1}));
    EXPECT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->id, 1);

    ClearMemory();
    // Memory wins what it holds differently from the backup.
    AddToDo("2024/04/02", "Buy milk").priority = 2;
    ResetWorkingCopies();
    RunReport restore = engine_.Restore();

    EXPECT_TRUE(restore.Clean());
    EXPECT_TRUE(restore.restoredAnything);
    EXPECT_EQ(restore.Of(RecordKind::ToDo), (KindCounts{.updated = 1}));
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->email, "ann@example.org");
    ASSERT_EQ(Lists().ScheList.size(), 1u);
    EXPECT_EQ(Lists().ScheList[0]->content, "Dentist");
    ASSERT_EQ(Lists().ToDoList.size(), 1u);
    EXPECT_EQ(Lists().ToDoList[0]->priority, 2);
    ASSERT_EQ(Lists().ECUserList.size(), 1u);
    EXPECT_EQ(Lists().ECUserList[0]->exp, "fruit");
    ASSERT_EQ(Lists().CEUserList.size(), 1u);
    EXPECT_EQ(Lists().classGrid[3][5].abbreviation, "Ma");
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(BackupRestoreTest, ARestoreWithOnlyTheFirstBackupKeepsTheOtherWorkingCopies) {
    test::MakeDatabaseImage(BackupPath(1), 1);
    test::InsertAddress(BackupPath(1), {1, "Backed up"});
    test::InsertHeadword(WorkingCopyPath(2), {1, "kiwi", "kiwi", "n.", "fruit"});
    AddECEntry("apple", "n.", "fruit");
    AddAddress("In memory");

    RunReport report = engine_.Restore();

    ASSERT_EQ(Lists().AddrList.size(), 2u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Backed up");
    EXPECT_EQ(Lists().AddrList[1]->name, "In memory");
    ASSERT_EQ(Lists().ECUserList.size(), 2u);
    EXPECT_EQ(Lists().ECUserList[0]->storedHeadword, "apple");
    EXPECT_EQ(Lists().ECUserList[1]->storedHeadword, "kiwi");
    EXPECT_FALSE(FileExists(BackupPath(2)));
    EXPECT_TRUE(report.restoredAnything);
    EXPECT_TRUE(ShownTexts().empty());

    // Without any backup a restore does nothing at all.
    std::filesystem::remove(BackupPath(1));
    const std::string workingCopy = ReadFile(WorkingCopyPath(1));
    report = engine_.Restore();
    EXPECT_FALSE(report.restoredAnything);
    EXPECT_EQ(report.Of(RecordKind::AddressBook).Total(), 0);
    EXPECT_EQ(ReadFile(WorkingCopyPath(1)), workingCopy);
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_EQ(Lists().AddrList.size(), 2u);
}

TEST_F(BackupRestoreTest, ABackupThatCannotBeCopiedSaysSoAndMakesNoPartialSet) {
    FillMemory();
    SetCopyFaultHook([&](const std::string& target) { return target != BackupPath(3); });
    RunReport report = engine_.Backup();
    EXPECT_FALSE(report.copiesSucceeded);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"backup/default-3.dat", FileFailure::NotCopied}}));
    EXPECT_TRUE(BackupFolder().empty());

    // A previous backup stays as it was, byte for byte.
    SetCopyFaultHook({});
    ASSERT_TRUE(engine_.Backup().Clean());
    const std::map<std::string, std::string> previous = BackupFolder();
    AddAddress("Bob");
    SetCopyFaultHook([&](const std::string& target) { return target != BackupPath(5); });
    EXPECT_FALSE(engine_.Backup().copiesSucceeded);
    EXPECT_EQ(BackupFolder(), previous);
}

// A record the working copy could not take (a text longer than a statement may be) or a kind
// whose table is missing: the working copies hold less than memory, and must not replace the
// one backup that holds it all.
TEST_F(BackupRestoreTest, ARecordThatCannotBeWrittenFailsTheBackupAndKeepsThePreviousOne) {
    AddAddress("Ann");
    AddAddress("Bob");
    ASSERT_TRUE(engine_.Backup().Clean());
    ASSERT_EQ(test::ReadAddresses(BackupPath(1)).size(), 2u);
    const std::map<std::string, std::string> previous = BackupFolder();

    // The backup loaded memory anew: Bob is found again, not through the old record.
    ASSERT_EQ(Lists().AddrList.size(), 2u);
    ADDRESSBOOK& bob = *Lists().AddrList[1];
    ASSERT_EQ(bob.name, "Bob");
    bob.note = std::string(2100, 'n');
    RunReport report = engine_.Backup();
    EXPECT_EQ(report.failedStatements, 1);
    EXPECT_FALSE(report.copiesSucceeded);
    EXPECT_FALSE(report.Succeeded());
    EXPECT_EQ(BackupFolder(), previous);

    Lists().ResetAllLists();
    AddAddress("Carol");
    test::FixtureDatabase(TemplatePath(1)).Exec("drop table telephone;");
    report = engine_.Backup();
    EXPECT_EQ(report.unwrittenKinds, std::vector<RecordKind>{RecordKind::AddressBook});
    EXPECT_EQ(report.failedStatements, 0);
    EXPECT_FALSE(report.Succeeded());
    EXPECT_EQ(BackupFolder(), previous);
}

TEST_F(BackupRestoreTest, AWorkingCopyThatCannotBeWrittenFailsTheBackupButNotATemplateReset) {
    FillMemory();
    // Slot 4 is only copied: a template that cannot replace its working copy is named, and
    // the backup still holds a complete set.
    SetCopyFaultHook([&](const std::string& target) { return target != WorkingCopyPath(4); });
    RunReport report = engine_.Backup();
    EXPECT_TRUE(report.copiesSucceeded);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"data/default-4.dat", FileFailure::NotCopied}}));
    EXPECT_FALSE(report.Clean());

    // PIM.db's working copy was not reset and may hold an earlier run's records: the backup
    // stops before writing into it, and memory stays as it was.
    SetCopyFaultHook([&](const std::string& target) { return target != WorkingCopyPath(1); });
    report = engine_.Backup();
    EXPECT_FALSE(report.copiesSucceeded);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"data/default-1.dat", FileFailure::NotCopied}}));
    EXPECT_EQ(Lists().AddrList.size(), 1u);

    // The written copy of PIM.db cannot replace the working copy: the backup must not pass.
    int copiesToSlot1 = 0;
    SetCopyFaultHook([&](const std::string& target) {
        return target != WorkingCopyPath(1) || ++copiesToSlot1 == 1;
    });
    report = engine_.Backup();
    EXPECT_FALSE(report.copiesSucceeded);
    EXPECT_EQ(report.failedFiles.at(0), (FailedFile{"backup/PIM.db", FileFailure::NotReplaced}));
}

TEST_F(BackupRestoreTest, ABackupFileThatCannotBeRestoredIsNamed) {
    test::MakeDatabaseImage(BackupPath(1), 1);
    test::InsertAddress(BackupPath(1), {1, "Backed up"});
    test::MakeDatabaseImage(BackupPath(2), 2);
    SetCopyFaultHook([&](const std::string& target) { return target != WorkingCopyPath(2); });
    RunReport report = engine_.Restore();
    EXPECT_TRUE(report.restoredAnything);
    EXPECT_FALSE(report.copiesSucceeded);
    // The dictionary that was not restored is still written, but cannot replace the working copy
    // either: the hook refuses every copy to it.
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"backup/default-2.dat", FileFailure::NotCopied},
                                       {"backup/ECDIY_Dict.db", FileFailure::NotReplaced}}));
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Backed up");
}

} // namespace
} // namespace zyntra
