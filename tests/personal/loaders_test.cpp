#include "personal/class_table.h"
#include "storage/database_files.h"
#include "storage/text_conv.h"
#include "tests/personal/engine_fixture.h"
#include "texts/lang_text.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::Complemented;
using test::FixtureDatabase;
using test::Integer;
using test::Text;

class LoadersTest : public test::PersonalEngineTest {};

TEST_F(LoadersTest, ALoadFromTheDeviceFillsEveryListFromItsTable) {
    test::InsertAddress(DevicePath(1),
                        {4, "Ann", 2, "ann@example.org", "", "", "met at school", "ann.jpg", 1});
    test::InsertSchedule(DevicePath(1), {6, "2008/05/01", "09:00", "", "Dentist", 2, 30, 0});
    test::InsertToDo(DevicePath(1), {8, "2008/05/02", "Buy milk", 1, 2, 1, 0});
    test::InsertHeadword(DevicePath(2), {1, "ice cream", "icecream", "n.", "frozen", 71});
    test::InsertHeadword(DevicePath(3), {1, "shui", "shui", "n.", "water", 72});
    AddAddress("dropped by the load");

    EXPECT_TRUE(LoadFromDevice().Clean());

    ASSERT_EQ(Lists().AddrList.size(), 1u);
    const ADDRESSBOOK& ann = *Lists().AddrList[0];
    EXPECT_EQ(ann.id, 4);
    EXPECT_EQ(ann.name, "Ann");
    EXPECT_EQ(ann.category, 2);
    EXPECT_EQ(ann.note, "met at school");
    EXPECT_EQ(ann.photo_name, "ann.jpg");
    EXPECT_EQ(ann.mobile2, ""); // NULL
    EXPECT_EQ(ann.locked, 1);
    EXPECT_FALSE(ann.stamp_time.empty());
    EXPECT_FALSE(ann.stored.readOnly);
    ASSERT_EQ(Lists().ScheList.size(), 1u);
    const SCHEDULE& dentist = *Lists().ScheList[0];
    EXPECT_EQ(dentist.date, "2008/05/01");
    EXPECT_EQ(dentist.content, "Dentist");
    EXPECT_EQ(dentist.alarm, 2);
    EXPECT_EQ(dentist.alarm_BStime, 30);
    ASSERT_EQ(Lists().ToDoList.size(), 1u);
    EXPECT_EQ(Lists().ToDoList[0]->status, 1);
    ASSERT_EQ(Lists().ECUserList.size(), 1u);
    EXPECT_EQ(Lists().ECUserList[0]->storedHeadword, "ice cream");
    EXPECT_EQ(Lists().ECUserList[0]->hw_match, "icecream");
    EXPECT_EQ(Lists().ECUserList[0]->exp, "frozen");
    ASSERT_EQ(Lists().CEUserList.size(), 1u);
    EXPECT_EQ(Lists().CEUserList[0]->type, "n.");
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(LoadersTest, AShortClassTableFillsTheCellsItHasAndLeavesTheRest) {
    FixtureDatabase pim(DevicePath(1));
    pim.Exec("delete from classtable where id > 40; update classtime set class_start_min = 10;");
    pim.Exec("update classtable set course_name = NULL, color = 3, setting = 1, abbreviation = '" +
             test::ComplementedBytes("Ma") + "' where id = 40;");
    engine_.SetWeekdayNames([](int w) { return "day" + std::to_string(w); });
    Lists().classGrid[3][4].abbreviation = "kept";
    Lists().classGrid[3][3].course_name = "replaced";

    LoadFromDevice();

    const CLASSTABLE& loaded = Lists().classGrid[3][3];
    EXPECT_EQ(loaded.abbreviation, "Ma");
    EXPECT_EQ(loaded.course_name, "");
    EXPECT_EQ(loaded.weekday, 4);
    EXPECT_EQ(loaded.class_no, 4);
    EXPECT_EQ(loaded.displayColour, DisplayColour(3));
    EXPECT_EQ(loaded.weekdayLabel, "day3");
    EXPECT_EQ(loaded.classLabel, FormatCount(LangText("SM_ClassNo"), 4));
    EXPECT_EQ(Lists().classGrid[3][4].abbreviation, "kept");
    EXPECT_EQ(Lists().classTimes[11].startMinute, 10);
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(LoadersTest, ChineseTextsComeInTheCharsetOfTheSystemLanguageAndGoBackWhole) {
    struct Case {
        const char* language;
        const char* deviceName; // UTF-8
        std::string shownName;  // in the interface charset
        std::string typedName;  // typed in the interface charset
        const char* typedUtf8;
    };
    for (const Case& c : {Case{"zh_TW", "陳大文", "\xB3\xAF\xA4\x6A\xA4\xE5", "\xA4\xFD", "王"},
                          Case{"zh_CN", "陈大文", "\xB3\xC2\xB4\xF3\xCE\xC4", "\xCD\xF5", "王"}}) {
        test::WriteDeviceDatabases(device_.root);
        Lists().ResetAllLists();
        engine_.SetInterfaceCharset(InterfaceCharset(c.language));
        test::InsertAddress(DevicePath(1), {1, c.deviceName, 0, "a@example.org"});
        AddAddress(c.typedName, "b@example.org");

        EXPECT_TRUE(Sync(SyncMode::MemoryWins).Clean());
        RunReport again = Sync(SyncMode::MemoryWins); // finds both as they are
        EXPECT_TRUE(again.Clean());
        EXPECT_EQ(again.Of(RecordKind::AddressBook), (KindCounts{.skippedEqual = 2}));

        auto rows = test::ReadAddresses(DevicePath(1));
        ASSERT_EQ(rows.size(), 2u) << c.language;
        EXPECT_EQ(rows[0].name, c.deviceName);
        EXPECT_EQ(rows[1].name, c.typedUtf8);
        ASSERT_EQ(Lists().AddrList.size(), 2u);
        EXPECT_EQ(Lists().AddrList[0]->name, c.shownName) << c.language;
        EXPECT_EQ(Lists().AddrList[1]->name, c.typedName);
        EXPECT_FALSE(Lists().AddrList[0]->stored.readOnly);
    }
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(LoadersTest, ARecordWithAnUnconvertibleTextIsReadOnlyAndKeepsItsFullText) {
    engine_.SetInterfaceCharset("BIG5");
    // The simplified 国 is not in BIG5: the name comes in cut after its first character.
    test::InsertAddress(DevicePath(1), {1, "中国", 0, "zg@example.org"});
    test::InsertAddress(DevicePath(1), {2, "Bob", 0, "bob@example.org"});
    test::InsertToDo(DevicePath(1), {1, "2024/01/01", "去国外", 0, 0});

    RunReport load = LoadFromDevice();
    ASSERT_EQ(ShownTexts().size(), 1u);
    EXPECT_EQ(ShownTexts()[0], LangText("SM_ReadOnlyEntries") + "\n" +
                                   LangText("RC_TAB_ADDRESSBOOK") + ": \xA4\xA4\n" +
                                   LangText("RC_TAB_PLANS") + ": 2024/01/01 \xA5\x68");
    EXPECT_EQ(load.readOnlyRecords, (std::vector<std::string>{"tele rec=0", "todo rec=0"}));
    ASSERT_EQ(Lists().AddrList.size(), 2u);
    ADDRESSBOOK& cut = *Lists().AddrList[0];
    EXPECT_TRUE(cut.stored.readOnly);
    EXPECT_EQ(cut.name, "\xA4\xA4");
    EXPECT_FALSE(Lists().AddrList[1]->stored.readOnly);

    // Memory wins in mode 0, yet the cut texts never reach the device, nor the backup.
    cut.email = "changed@example.org";
    Lists().ToDoList[0]->content = "cut";
    Sync(SyncMode::MemoryWins);
    engine_.Backup();
    for (const std::string& image : {DevicePath(1), BackupPath(1)}) {
        auto rows = test::ReadAddresses(image);
        ASSERT_EQ(rows.size(), 2u) << image;
        EXPECT_EQ(rows[0].name, "中国");
        EXPECT_EQ(rows[0].email, "zg@example.org");
        auto tasks = test::ReadToDos(image);
        ASSERT_EQ(tasks.size(), 1u) << image;
        EXPECT_EQ(tasks[0].content, "去国外");
    }
}

TEST_F(LoadersTest, WhileALoadLetsEventsThroughNoOtherRunCanStart) {
    FixtureDatabase pim(DevicePath(1));
    pim.Exec("drop table telephone; create table telephone(id integer primary key, name text);"
             "insert into telephone values (1, 'x'), (2, 'y');");
    std::vector<RunReport> refused;
    auto tryToStartRuns = [&] {
        EXPECT_TRUE(engine_.Running());
        refused.push_back(Sync());
        refused.push_back(engine_.Backup());
        refused.push_back(engine_.Restore());
        refused.push_back(LoadFromDevice());
        refused.push_back(
            engine_.Save(RunTarget::WorkingCopies, DataSelection::All(), SyncMode::MemoryWins));
    };
    ui_.pendingEvents.QueueAction(tryToStartRuns);
    ui_.pendingEvents.QueueAction(tryToStartRuns);

    RunReport load = LoadFromDevice();

    ASSERT_EQ(refused.size(), 10u);
    for (const RunReport& report : refused) {
        EXPECT_TRUE(report.busy);
        EXPECT_FALSE(report.copiesSucceeded);
        EXPECT_FALSE(report.restoredAnything);
    }
    EXPECT_FALSE(engine_.Running());
    EXPECT_EQ(load.unreadableRows, 2);
    EXPECT_FALSE(load.busy);
    EXPECT_EQ(ShownTexts(),
              (std::vector<std::string>{"tele error, rec=0\n", "tele error, rec=1\n"}));
    EXPECT_EQ(device_.markersWritten, 0);
    EXPECT_FALSE(test::FileExists(BackupPath(1)));
    EXPECT_TRUE(Lists().AddrList.empty());
}

TEST_F(LoadersTest, AMissingDatabaseIsReportedAndNotCreated) {
    AddAddress("kept");
    std::filesystem::remove(DevicePath(1));
    LoadFromDevice();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"open file=Secretary/PIM.db failed\n"});
    EXPECT_FALSE(test::FileExists(DevicePath(1)));
    ASSERT_EQ(Lists().AddrList.size(), 1u);

    ui_.messages.Clear();
    test::WriteDeviceDatabases(device_.root);
    std::filesystem::remove(DevicePath(3));
    AddCEEntry("shui", "n.", "water");
    RunReport load = LoadFromDevice();
    EXPECT_EQ(load.failedFiles,
              (std::vector<FailedFile>{{"Secretary/CEDIY_Dict.db", FileFailure::NotOpened}}));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"open file=Secretary/CEDIY_Dict.db failed\n"});
    EXPECT_FALSE(test::FileExists(DevicePath(3)));
    EXPECT_TRUE(Lists().AddrList.empty());
    EXPECT_EQ(Lists().CEUserList.size(), 1u);
}

} // namespace
} // namespace zyntra
