#include "texts/lang_text.h"
#include "personal/class_table.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/personal/personal_data_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::FileExists;
using test::QueryRows;
using test::ReadFile;

class BackupRestoreTest : public test::PersonalDataTest {
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

    static std::string Schema(const std::string& path) {
        return test::FixtureDatabase(path).QueryText(
            "select group_concat(sql, ';') from (select sql from sqlite_master order by name)");
    }
};

TEST_F(BackupRestoreTest, ABackupOfEmptyMemoryEqualsTheTemplatesAndMakesItsFolder) {
    std::filesystem::remove_all(folder_.File("backup"));
    data_->sbBackupClick();

    for (int slot : {1, 4, 5})
        EXPECT_EQ(ReadFile(BackupPath(slot)), ReadFile(TemplatePath(slot))) << slot;
    // The dictionaries were rebuilt and compacted: the same tables, still empty.
    for (int slot : {2, 3}) {
        EXPECT_EQ(Schema(BackupPath(slot)), Schema(TemplatePath(slot))) << slot;
        EXPECT_TRUE(test::ReadHeadwords(BackupPath(slot)).empty()) << slot;
    }
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_ExportOK")});
}

TEST_F(BackupRestoreTest, BackupClearRestoreBringsTheRecordsBack) {
    FillMemory();
    AddAddress("Ann", "ann@example.org"); // the same record twice is backed up once
    data_->sbBackupClick();
    EXPECT_EQ(data_->SyncMode(), 2);
    EXPECT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->id, 1);
    EXPECT_TRUE(controls_.Get<RadioButton>("rbSync3").Checked());

    ClearMemory();
    ResetWorkingCopies();
    data_->sbRestoreClick();

    EXPECT_EQ(data_->SyncMode(), 0);
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->email, "ann@example.org");
    ASSERT_EQ(Lists().ScheList.size(), 1u);
    EXPECT_EQ(Lists().ScheList[0]->content, "Dentist");
    ASSERT_EQ(Lists().ToDoList.size(), 1u);
    ASSERT_EQ(Lists().ECUserList.size(), 1u);
    EXPECT_EQ(Lists().ECUserList[0]->exp, "fruit");
    ASSERT_EQ(Lists().CEUserList.size(), 1u);
    EXPECT_EQ(Lists().classGrid[3][5].abbreviation, "Ma");
    EXPECT_EQ(ShownTexts(),
              (std::vector<std::string>{LangText("SM_ExportOK"), LangText("SM_ImportOK")}));
}

TEST_F(BackupRestoreTest, ARestoreWithOnlyTheFirstBackupKeepsTheOtherWorkingCopies) {
    test::MakeDatabaseImage(BackupPath(1), 1);
    test::InsertAddress(BackupPath(1), {1, "Backed up"});
    test::InsertHeadword(WorkingCopyPath(2), {1, "kiwi", "kiwi", "n.", "fruit"});
    AddECEntry("apple", "n.", "fruit");
    AddAddress("In memory");

    data_->sbRestoreClick();

    ASSERT_EQ(Lists().AddrList.size(), 2u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Backed up");
    EXPECT_EQ(Lists().AddrList[1]->name, "In memory");
    ASSERT_EQ(Lists().ECUserList.size(), 2u);
    EXPECT_EQ(Lists().ECUserList[0]->storedHeadword, "apple");
    EXPECT_EQ(Lists().ECUserList[1]->storedHeadword, "kiwi");
    EXPECT_FALSE(FileExists(BackupPath(2)));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_ImportOK")});

    // Without any backup a restore does nothing at all.
    std::filesystem::remove(BackupPath(1));
    ui_.messages.Clear();
    data_->sbRestoreClick();
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_EQ(Lists().AddrList.size(), 2u);
}

TEST_F(BackupRestoreTest, ABackupThatCannotBeCopiedSaysSo) {
    FillMemory();
    SetCopyFaultHook([&](const std::string& target) { return target != BackupPath(3); });
    data_->sbBackupClick();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_ExportNG")});
    EXPECT_FALSE(FileExists(BackupPath(3)));
    EXPECT_EQ(test::ReadAddresses(BackupPath(1)).size(), 1u);
}

TEST_F(BackupRestoreTest, ClosingOffersABackupOnlyWhenSomethingIsInMemory) {
    Lists().classGrid[0][0].abbreviation = "not a list";
    EXPECT_TRUE(data_->OfferBackupOnClose());
    EXPECT_TRUE(ui_.question.Asked().empty());

    AddToDo("2024/05/05", "Water plants");
    ui_.question.QueueAnswer(false);
    EXPECT_TRUE(data_->OfferBackupOnClose());
    EXPECT_FALSE(FileExists(BackupPath(1)));

    ui_.question.QueueAnswer(true);
    EXPECT_TRUE(data_->OfferBackupOnClose());
    ASSERT_EQ(ui_.question.Asked().size(), 2u);
    EXPECT_EQ(ui_.question.Asked()[1].caption, "Zyntra");
    EXPECT_EQ(ui_.question.Asked()[1].text, LangText("SM_NeedToExportData"));
    auto tasks = test::ReadToDos(BackupPath(1));
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_EQ(tasks[0].content, "Water plants");
}

} // namespace
} // namespace zyntra
