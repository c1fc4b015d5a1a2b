#include "kit/message_box.h"
#include "tests/personal/engine_fixture.h"
#include "tests/support/ui_doubles.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::AddressRow;
using test::Append;
using test::QueryRows;
using test::ReadAddresses;
using test::ReadSchedules;
using test::ReadToDos;

class RecordWritersTest : public test::ProgramFolderTest {
protected:
    // A fresh image for every run that needs one.
    std::string NewImage() {
        std::string path = folder_.File("images/" + std::to_string(++images_) + ".db");
        test::MakeDatabaseImage(path, 1);
        return path;
    }

    template <class Record, class Writer>
    void Write(const std::string& image, int mode, const RecordList<Record>& list, Writer writer) {
        test::WriterSession session(image, messages_, mode);
        writer(session.Context(), list);
    }

    static ADDRESSBOOK Address(std::string name, std::string email, int id = 0) {
        ADDRESSBOOK record;
        record.id = id;
        record.name = std::move(name);
        record.email = std::move(email);
        return record;
    }

    static SCHEDULE Appointment(std::string date, std::string start, int alarm) {
        SCHEDULE record;
        record.date = std::move(date);
        record.start_time = std::move(start);
        record.end_time = "10:00";
        record.content = "Dentist";
        record.alarm = alarm;
        record.alarm_BStime = alarm == 0 ? -1 : 0;
        return record;
    }

    static std::string StampOf(const std::string& image, const std::string& table, int id) {
        auto rows = QueryRows(image, "select stamp_time from " + table +
                                         " where id = " + std::to_string(id));
        return rows.empty() ? "" : rows[0][0].value_or("");
    }

    RecordingMessageBox messages_;
    int images_ = 0;
};

TEST_F(RecordWritersTest, AnEmptyTableGivesIdsInListOrderAndStoresTextsComplemented) {
    RecordList<ADDRESSBOOK> addresses;
    for (const char* name : {"Cyd", "O'Brien", "Bo"})
        Append(addresses, Address(name, ""));
    addresses[1]->email = "ob@example.org";
    RecordList<PLANS> tasks;
    for (const char* content : {"Buy milk", "Call Bo", "Pay rent"})
        Append(tasks, PLANS{0, "2024/01/02", content});
    std::string image = NewImage();

    Write(image, 0, addresses, WriteAddressBook);
    Write(image, 0, tasks, WriteToDo);

    auto rows = ReadAddresses(image);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].id, 1);
    EXPECT_EQ(rows[0].name, "Cyd");
    EXPECT_EQ(rows[1].id, 2);
    EXPECT_EQ(rows[1].name, "O'Brien");
    EXPECT_EQ(rows[1].email, "ob@example.org");
    EXPECT_EQ(rows[2].id, 3);
    // Stored complemented: the apostrophe is the byte 0xD8; empty texts are '' rather than NULL.
    auto raw = QueryRows(image, "select name, mobile2 from telephone where id = 2");
    EXPECT_EQ(raw[0][0], test::ComplementedBytes("O'Brien"));
    EXPECT_EQ(raw[0][1], std::string());
    auto todo = ReadToDos(image);
    ASSERT_EQ(todo.size(), 3u);
    EXPECT_EQ(todo[2].id, 3);
    EXPECT_EQ(todo[2].content, "Pay rent");
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(RecordWritersTest, AnEqualRecordIsSkippedInEveryMode) {
    for (int mode = 0; mode < 3; ++mode) {
        std::string image = NewImage();
        test::InsertAddress(image, {7, "Ann", 1, "ann@example.org"});
        test::InsertSchedule(image, {3, "2024/05/01", "09:00", "10:00", "Dentist", 1, 0});
        test::InsertToDo(image, {4, "2024/05/02", "Buy milk", 1, 2});
        test::FixtureDatabase(image).Exec("update telephone set stamp_time = 'old';"
                                          "update schedule set stamp_time = 'old';"
                                          "update todolist set stamp_time = 'old';");
        RecordList<ADDRESSBOOK> addresses;
        ADDRESSBOOK& ann = Append(addresses, Address("Ann", "ann@example.org"));
        ann.category = 1;
        RecordList<SCHEDULE> appointments;
        Append(appointments, Appointment("2024/05/01", "09:00", 1));
        RecordList<PLANS> tasks;
        Append(tasks, PLANS{0, "2024/05/02", "Buy milk", 1, 2});

        Write(image, mode, addresses, WriteAddressBook);
        Write(image, mode, appointments, WriteSchedule);
        Write(image, mode, tasks, WriteToDo);

        EXPECT_EQ(ReadAddresses(image).size(), 1u) << mode;
        EXPECT_EQ(StampOf(image, "telephone", 7), "old") << mode;
        EXPECT_EQ(ReadSchedules(image).size(), 1u) << mode;
        EXPECT_EQ(StampOf(image, "schedule", 3), "old") << mode;
        EXPECT_EQ(ReadToDos(image).size(), 1u) << mode;
        EXPECT_EQ(StampOf(image, "todolist", 4), "old") << mode;
    }
}

TEST_F(RecordWritersTest, AChangedAddressIsUpdatedKeptOrAddedByMode) {
    std::vector<std::vector<AddressRow>> results;
    for (int mode = 0; mode < 3; ++mode) {
        std::string image = NewImage();
        test::InsertAddress(image, {5, "Ann", 0, "old@example.org"});
        RecordList<ADDRESSBOOK> addresses;
        Append(addresses, Address("Ann", "new@example.org"));
        Append(addresses, Address("Zoe", "zoe@example.org"));
        Write(image, mode, addresses, WriteAddressBook);
        results.push_back(ReadAddresses(image));
    }
    ASSERT_EQ(results[0].size(), 2u);
    EXPECT_EQ(results[0][0].id, 5);
    EXPECT_EQ(results[0][0].email, "new@example.org");
    EXPECT_EQ(results[0][1].name, "Zoe");
    EXPECT_EQ(results[0][1].id, 6);

    ASSERT_EQ(results[1].size(), 2u);
    EXPECT_EQ(results[1][0].email, "old@example.org");

    ASSERT_EQ(results[2].size(), 3u);
    EXPECT_EQ(results[2][0].email, "old@example.org");
    EXPECT_EQ(results[2][1].name, "Ann");
    EXPECT_EQ(results[2][1].email, "new@example.org");
    EXPECT_EQ(results[2][1].id, 6);
}

TEST_F(RecordWritersTest, AScheduleStartTimeMakesANewEntryWhileAnAlarmIsAChange) {
    std::vector<std::vector<test::ScheduleRow>> results;
    for (int mode = 0; mode < 3; ++mode) {
        std::string image = NewImage();
        test::InsertSchedule(image, {1, "2024/05/01", "09:00", "10:00", "Dentist", 0, -1});
        test::InsertSchedule(image, {2, "2024/05/03", "09:00", "10:00", "Dentist", 0, -1});
        RecordList<SCHEDULE> appointments;
        Append(appointments, Appointment("2024/05/01", "09:30", 0)); // start time moved
        Append(appointments, Appointment("2024/05/03", "09:00", 1)); // alarm chosen
        Write(image, mode, appointments, WriteSchedule);
        results.push_back(ReadSchedules(image));
    }
    // Mode 0: the moved one is new, the old row stays; the alarm updates its row.
    ASSERT_EQ(results[0].size(), 3u);
    EXPECT_EQ(results[0][0].start_time, "09:00");
    EXPECT_EQ(results[0][1].alarm, 1);
    EXPECT_EQ(results[0][1].alarm_BStime, 0);
    EXPECT_EQ(results[0][2].start_time, "09:30");
    // Mode 1: only the moved one is added.
    ASSERT_EQ(results[1].size(), 3u);
    EXPECT_EQ(results[1][1].alarm, 0);
    EXPECT_EQ(results[1][2].start_time, "09:30");
    // Mode 2: both are added.
    ASSERT_EQ(results[2].size(), 4u);
    EXPECT_EQ(results[2][1].alarm, 0);
    EXPECT_EQ(results[2][3].date, "2024/05/03");
    EXPECT_EQ(results[2][3].alarm, 1);
}

TEST_F(RecordWritersTest, AToDoMatchesOnItsDateAndTwoOfContentCategoryAndPriority) {
    std::string image = NewImage();
    test::InsertToDo(image, {1, "2024/06/01", "Buy milk", 1, 2});
    test::InsertToDo(image, {2, "2024/06/02", "Pay rent", 1, 2});
    RecordList<PLANS> tasks;
    Append(tasks, PLANS{0, "2024/06/01", "Buy milk", 3, 2, 1}); // category and status changed
    Append(tasks, PLANS{0, "2024/06/02", "Pay tax", 3, 2});     // only the priority is equal
    Write(image, 1, tasks, WriteToDo);
    EXPECT_EQ(ReadToDos(image).size(), 3u); // mode 1 leaves the first alone, adds the second

    Write(image, 0, tasks, WriteToDo);
    auto rows = ReadToDos(image);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].category, 3);
    EXPECT_EQ(rows[0].status, 1);
    EXPECT_EQ(rows[1].content, "Pay rent");
    EXPECT_EQ(rows[2].content, "Pay tax");
}

TEST_F(RecordWritersTest, TwoRecordsOfOneNameAreEachWrittenOnceAndNeverOverEachOther) {
    std::string image = NewImage();
    RecordList<ADDRESSBOOK> addresses;
    Append(addresses, Address("Ann", "home@example.org"));
    Append(addresses, Address("Ann", "work@example.org"));
    Write(image, 2, addresses, WriteAddressBook);
    ASSERT_EQ(ReadAddresses(image).size(), 2u);

    // Each record finds its own row among the two, whatever the mode: nothing is added again
    // and neither row takes the other's values.
    for (int mode : {2, 0, 1})
        Write(image, mode, addresses, WriteAddressBook);
    auto rows = ReadAddresses(image);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].email, "home@example.org");
    EXPECT_EQ(rows[1].email, "work@example.org");

    // An edited one, even listed first, updates the row it was loaded from.
    addresses[1]->id = 2;
    addresses[1]->email = "office@example.org";
    std::swap(addresses[0], addresses[1]);
    Write(image, 0, addresses, WriteAddressBook);
    rows = ReadAddresses(image);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].email, "home@example.org");
    EXPECT_EQ(rows[1].email, "office@example.org");
}

TEST_F(RecordWritersTest, ANewTaskOfTheSameDayIsAddedBesideTheOneItResembles) {
    for (int mode : {0, 1}) {
        std::string image = NewImage();
        test::InsertToDo(image, {1, "2024/07/01", "Water plants"});
        RecordList<PLANS> tasks;
        Append(tasks, PLANS{1, "2024/07/01", "Water plants"});
        Append(tasks, PLANS{0, "2024/07/01", "Feed the cat"});
        Write(image, mode, tasks, WriteToDo);
        auto rows = ReadToDos(image);
        ASSERT_EQ(rows.size(), 2u) << mode;
        EXPECT_EQ(rows[0].content, "Water plants");
        EXPECT_EQ(rows[1].content, "Feed the cat");
    }
}

TEST_F(RecordWritersTest, AnUpdateAddressesTheMatchingRowNotTheRecordsId) {
    std::string image = NewImage();
    test::InsertAddress(image, {1, "Bob", 0, "bob@example.org", "555"});
    test::InsertAddress(image, {2, "Ann", 0, "ann@old.example", "777"});
    RecordList<ADDRESSBOOK> addresses;
    // Loaded from the backup, where Ann had id 1.
    ADDRESSBOOK& ann = Append(addresses, Address("Ann", "ann@new.example", 1));
    ann.mobile1 = "777";
    Write(image, 0, addresses, WriteAddressBook);

    auto rows = ReadAddresses(image);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "Bob");
    EXPECT_EQ(rows[0].email, "bob@example.org");
    EXPECT_EQ(rows[1].name, "Ann");
    EXPECT_EQ(rows[1].email, "ann@new.example");
}

TEST_F(RecordWritersTest, NoTextChangesWhatAStatementDoesAndOverlongOnesFailCleanly) {
    std::string image = NewImage();
    test::InsertSchedule(image, {1, "2024/01/01", "08:00", "09:00", "Keep me", 0, -1});
    RecordList<SCHEDULE> appointments;
    Append(appointments, Appointment("2024/01/01' or '1'='1", "08:00", 0));
    Write(image, 0, appointments, WriteSchedule);
    auto schedules = ReadSchedules(image);
    ASSERT_EQ(schedules.size(), 2u);
    EXPECT_EQ(schedules[0].content, "Keep me");
    EXPECT_EQ(schedules[1].date, "2024/01/01' or '1'='1");

    RecordList<ADDRESSBOOK> addresses;
    Append(addresses, Address("Long", "")).note = std::string(3000, 'n');
    Append(addresses, Address("Short", "s@example.org"));
    {
        test::WriterSession session(image, messages_, 0);
        WriteAddressBook(session.Context(), addresses);
        EXPECT_EQ(session.Context().failedStatements, 1);
        // The record whose insert failed counts nowhere.
        EXPECT_EQ(session.Context().counts, (KindCounts{.added = 1}));
    }
    ASSERT_EQ(messages_.Shown().size(), 1u);
    const std::string& shown = messages_.Shown()[0].text;
    EXPECT_EQ(shown.rfind("* SQL error, cmd=insert into telephone values( 1, ", 0), 0u) << shown;
    EXPECT_NE(shown.find(", rc=-18 ("), std::string::npos) << shown;
    auto rows = ReadAddresses(image);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Short");
    EXPECT_EQ(rows[0].id, 2);
}

// A table whose largest id is the largest int has no id left for an insert: the insert is
// refused as a failed statement instead of wrapping round to a negative id, and the records
// that need no new id are still written.
TEST_F(RecordWritersTest, NoInsertGoesPastTheLargestId) {
    std::string image = NewImage();
    test::InsertToDo(image, {.id = 2147483647, .date = "2024/01/02", .content = "Last"});
    test::InsertToDo(image, {.id = 7, .date = "2024/01/02", .content = "Pay rent", .priority = 1});
    RecordList<PLANS> tasks;
    Append(tasks, PLANS{0, "2024/01/03", "New task"});
    Append(tasks, PLANS{0, "2024/01/02", "Pay rent", 0, 2});
    {
        test::WriterSession session(image, messages_, 0);
        WriteToDo(session.Context(), tasks);
        EXPECT_EQ(session.Context().failedStatements, 1);
        EXPECT_EQ(session.Context().counts, (KindCounts{.updated = 1}));
    }
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_NE(messages_.Shown()[0].text.find("todolist after 2147483647"), std::string::npos)
        << messages_.Shown()[0].text;
    auto rows = ReadToDos(image);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].id, 7);
    EXPECT_EQ(rows[0].priority, 2);
    EXPECT_EQ(rows[1].id, 2147483647);
    EXPECT_EQ(rows[1].content, "Last");
}

} // namespace
} // namespace zyntra
