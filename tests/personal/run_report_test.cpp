#include "personal/class_table.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/personal/engine_fixture.h"

#include <gtest/gtest.h>

namespace zyntra {

namespace {

class RunReportTest : public test::PersonalEngineTest {
protected:
    // On a fresh device: of each kind one record equal to the device's, one of the same key
    // that differs, one the device lacks; and one timetable cell with text.
    void PrepareEqualChangedAndNew() {
        test::WriteDeviceDatabases(device_.root);
        Lists().ResetAllLists();
        test::InsertAddress(DevicePath(1), {1, "Same", 0, "same@example.org"});
        test::InsertAddress(DevicePath(1), {2, "Changed", 0, "old@example.org"});
        test::InsertToDo(DevicePath(1), {1, "2024/03/01", "Same task", 1, 2});
        test::InsertToDo(DevicePath(1), {2, "2024/03/02", "Changed task", 1, 2});
        test::InsertHeadword(DevicePath(2), {1, "cat", "cat", "n.", "pet"});
        test::InsertHeadword(DevicePath(2), {2, "dog", "dog", "n.", "old"});
        AddAddress("Same", "same@example.org");
        AddAddress("Changed", "new@example.org");
        AddAddress("New", "new@example.org");
        AddToDo("2024/03/01", "Same task") = PLANS{0, "2024/03/01", "Same task", 1, 2};
        AddToDo("2024/03/02", "Changed task") = PLANS{0, "2024/03/02", "Changed task", 1, 2, 1};
        AddToDo("2024/03/03", "New task");
        AddECEntry("cat", "n.", "pet");
        AddECEntry("dog", "n.", "new");
        AddECEntry("eel", "n.", "fish");
        Lists().classGrid[1][2].abbreviation = "Ph";
    }
};

TEST_F(RunReportTest, ASyncCountsWhatEachModeDidWithEveryKind) {
    struct Case {
        SyncMode mode;
        KindCounts expected;
        std::size_t rows; // of telephone, and of headword in ECDIY_Dict.db
    };
    for (const Case& c :
         {Case{SyncMode::MemoryWins, {.added = 1, .updated = 1, .skippedEqual = 1}, 3},
          Case{SyncMode::DatabaseWins, {.added = 1, .leftAlone = 1, .skippedEqual = 1}, 3},
          Case{SyncMode::KeepBoth, {.added = 1, .keptTwice = 1, .skippedEqual = 1}, 4}}) {
        const int mode = static_cast<int>(c.mode);
        PrepareEqualChangedAndNew();

        RunReport report = Sync(c.mode);

        EXPECT_TRUE(report.Clean()) << mode;
        EXPECT_EQ(report.Of(RecordKind::AddressBook), c.expected) << mode;
        EXPECT_EQ(report.Of(RecordKind::ToDo), c.expected) << mode;
        EXPECT_EQ(report.Of(RecordKind::ECUser), c.expected) << mode;
        EXPECT_EQ(report.Of(RecordKind::ClassTable), (KindCounts{.updated = 1})) << mode;
        EXPECT_EQ(report.Of(RecordKind::Schedule).Total(), 0) << mode;
        EXPECT_EQ(report.Of(RecordKind::CEUser).Total(), 0) << mode;
        EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), c.rows) << mode;
        EXPECT_EQ(test::ReadHeadwords(DevicePath(2)).size(), c.rows) << mode;
    }
}

TEST_F(RunReportTest, ASyncNamesTheRecordsThatDifferedWithWhatItDidToThem) {
    for (const auto& [mode, action] : {std::pair{SyncMode::MemoryWins, DifferedAction::Updated},
                                       std::pair{SyncMode::DatabaseWins, DifferedAction::LeftAlone},
                                       std::pair{SyncMode::KeepBoth, DifferedAction::KeptTwice}}) {
        PrepareEqualChangedAndNew();
        test::InsertSchedule(DevicePath(1), {1, "2024/03/05", "09:00", "23:00", "Dentist"});
        AddSchedule("2024/03/05", "09:00", "Dentist").alarm = 1;
        AddSchedule("2024/03/06", "10:00", "New visit");

        RunReport report = Sync(mode);

        // The timetable's cells are always written over, whatever the mode.
        const std::vector<DifferedRecord> expected = {
            {RecordKind::AddressBook, "Changed", action},
            {RecordKind::Schedule, "2024/03/05 09:00 Dentist", action},
            {RecordKind::ToDo, "2024/03/02 Changed task", action},
            {RecordKind::ClassTable, "2/3", DifferedAction::Updated},
            {RecordKind::ECUser, "dog", action}};
        EXPECT_EQ(report.differed.Listed(), expected) << static_cast<int>(mode);
        EXPECT_EQ(report.differed.NotListed(), 0);
        EXPECT_EQ(report.Of(RecordKind::Schedule).added, 1);

        // Memory was reloaded from the device: nothing differs now. The filled cell is written
        // again, but its row already held it, so the report does not call it updated.
        report = Sync(mode);
        EXPECT_EQ(report.differed.Total(), 0) << static_cast<int>(mode);
        EXPECT_EQ(report.Of(RecordKind::ClassTable), (KindCounts{.skippedEqual = 1}));
    }
}

TEST(DifferedRecordsTest, KeepsTheFirstThousandByNameAndCountsTheRest) {
    DifferedRecords first;
    DifferedRecords second;
    for (std::size_t i = 0; i < DifferedRecords::kListedLimit - 2; ++i)
        first.Add({RecordKind::ToDo, "task " + std::to_string(i), DifferedAction::Updated});
    for (int i = 0; i < 5; ++i)
        second.Add({RecordKind::CEUser, "word " + std::to_string(i), DifferedAction::KeptTwice});

    first.Append(second);

    ASSERT_EQ(first.Listed().size(), DifferedRecords::kListedLimit);
    EXPECT_EQ(first.NotListed(), 3);
    EXPECT_EQ(first.Total(), 1003);
    EXPECT_EQ(first.Listed().back().name, "word 1");
}

TEST_F(RunReportTest, RecordsOfOneKeyInOneRunAreKeptTwiceWhateverTheMode) {
    for (SyncMode mode : {SyncMode::MemoryWins, SyncMode::DatabaseWins, SyncMode::KeepBoth}) {
        test::WriteDeviceDatabases(device_.root);
        Lists().ResetAllLists();
        AddAddress("Ann", "home@example.org");
        AddAddress("Ann", "work@example.org");
        AddAddress("Ann", "home@example.org");

        RunReport report = Sync(mode, DataSelection::Only(RecordKind::AddressBook));

        // The second finds the first's row claimed; the third is the first again.
        EXPECT_EQ(report.Of(RecordKind::AddressBook),
                  (KindCounts{.added = 1, .keptTwice = 1, .skippedEqual = 1}))
            << static_cast<int>(mode);
        EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), 2u);
    }
}

TEST_F(RunReportTest, FailedStatementsCountButDoNotDecideTheResult) {
    test::FixtureDatabase(DevicePath(1))
        .Exec("create trigger refuse before insert on todolist "
              "begin select raise(abort, 'refused'); end;");
    AddAddress("Ann");
    AddToDo("2024/03/01", "Refused");
    AddToDo("2024/03/02", "Refused too");

    RunReport report = Sync();

    EXPECT_EQ(report.failedStatements, 2);
    EXPECT_TRUE(report.copiesSucceeded);
    EXPECT_FALSE(report.Clean());
    EXPECT_EQ(report.Of(RecordKind::ToDo).Total(), 0);
    EXPECT_EQ(report.Of(RecordKind::AddressBook), (KindCounts{.added = 1}));
    ASSERT_EQ(ShownTexts().size(), 2u);
    EXPECT_EQ(ShownTexts()[0].rfind("* SQL error, cmd=insert into todolist values( 1, ", 0), 0u)
        << ShownTexts()[0];
}

TEST_F(RunReportTest, EveryFileThatFailsIsNamedWithItsReason) {
    AddAddress("Ann");
    AddECEntry("apple", "n.", "fruit");
    SetCopyFaultHook([&](const std::string& target) {
        return target != DevicePath(3) && target != ScratchCopyPath(2);
    });

    RunReport report = Sync();

    EXPECT_FALSE(report.copiesSucceeded);
    // The run writes nothing after the first file that fails.
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"Secretary/ECDIY_Dict.db", FileFailure::NotCopied}}));
    EXPECT_EQ(ShownTexts(),
              std::vector<std::string>{"db_open() failed, file=Secretary/ECDIY_Dict.db\n"});
    // PIM.db went through: its part of the run counts.
    EXPECT_EQ(report.Of(RecordKind::AddressBook), (KindCounts{.added = 1}));
    EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), 1u);

    SetCopyFaultHook([&](const std::string& target) { return target != DevicePath(3); });
    report = Sync();
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"Secretary/CEDIY_Dict.db", FileFailure::NotReplaced}}));
}

} // namespace
} // namespace zyntra
