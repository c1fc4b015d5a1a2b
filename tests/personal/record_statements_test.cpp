#include "personal/record_statements.h"
#include "storage/text_conv.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/support/program_folder_fixture.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

// The statements the writers build, compared with their full text (the statement with its
// values written in): a column out of place or a changed separator would write values into the
// wrong columns of the device's tables.
class RecordStatementsTest : public test::ProgramFolderTest {
protected:
    RecordStatementsTest() { conv_open(InterfaceCharset("en_US"), "UTF-8"); }
    ~RecordStatementsTest() override { conv_close(); }

    // A personal text as the statements carry it: complemented, between quotes.
    static std::string Q(std::string_view text) {
        return "'" + test::ComplementedBytes(text) + "'";
    }
};

TEST_F(RecordStatementsTest, AddressBookInsertFollowsTheTableAndUpdateTheRecord) {
    ADDRESSBOOK r{7,    "Ann", 2,    "a@b", "m1", "",   "hp", "", "ha",
                  "on", "ot",  "op", "of",  "oa", "no", "ph", 1,  "2024-01-01 10:00:00"};
    const FieldValues values = WriterValues(kAddressBookFields, r);

    // photo_name comes before note in the table, after it in the update.
    EXPECT_EQ(AddressBookStatements().Insert(8, values).Text(),
              "insert into telephone values( 8, " + Q("Ann") + ", 2, " + Q("a@b") + ", " + Q("m1") +
                  ", '', " + Q("hp") + ", '', " + Q("ha") + ", " + Q("on") + ", " + Q("ot") + ", " +
                  Q("op") + ", " + Q("of") + ", " + Q("oa") + ", " + Q("ph") + ", " + Q("no") +
                  ", 1, CURRENT_TIMESTAMP);");
    EXPECT_EQ(AddressBookStatements().Update(5, values).Text(),
              "update telephone set name=" + Q("Ann") + ", category=2, email=" + Q("a@b") +
                  ", mobile1=" + Q("m1") + ", mobile2='', home_phone=" + Q("hp") +
                  ", home_fax='', home_address=" + Q("ha") + ", office_name=" + Q("on") +
                  ", office_title=" + Q("ot") + ", office_phone=" + Q("op") +
                  ", office_fax=" + Q("of") + ", office_address=" + Q("oa") + ", note=" + Q("no") +
                  ", photo_name=" + Q("ph") +
                  ", locked=1, stamp_time=CURRENT_TIMESTAMP where id=5;");
    EXPECT_EQ(AddressBookStatements().Find(values).Text(),
              "select id, name, category, email, mobile1, mobile2, home_phone, home_fax, "
              "home_address, office_name, office_title, office_phone, office_fax, "
              "office_address, note, photo_name, locked, stamp_time from telephone where name = " +
                  Q("Ann") + ";");
}

TEST_F(RecordStatementsTest, ScheduleAndToDoStatementsKeepTheirColumnOrders) {
    SCHEDULE appointment{8, "2024/05/01", "09:00", "10:00", "Dentist", 30, 1, 2, "stamp"};
    const FieldValues schedule = WriterValues(kScheduleFields, appointment);
    EXPECT_EQ(ScheduleStatements().Insert(9, schedule).Text(),
              "insert into schedule values( 9, '2024/05/01', '09:00', '10:00', " + Q("Dentist") +
                  ", 2, 1, CURRENT_TIMESTAMP, 30);");
    EXPECT_EQ(ScheduleStatements().Update(8, schedule).Text(),
              "update schedule set date='2024/05/01', start_time='09:00', end_time='10:00', "
              "content=" +
                  Q("Dentist") +
                  ", alarm=2, locked=1, stamp_time=CURRENT_TIMESTAMP, alarm_BStime=30 where "
                  "id=8;");
    EXPECT_EQ(ScheduleStatements().Find(schedule).Text(),
              "select alarm, date, start_time, content, end_time, locked, alarm_BStime, id from "
              "schedule where date = '2024/05/01';");

    PLANS task{9, "2024/07/01", "", 1, 2, 1, 1, "stamp"};
    const FieldValues todo = WriterValues(kToDoFields, task);
    EXPECT_EQ(ToDoStatements().Insert(10, todo).Text(),
              "insert into todolist values( 10, '2024/07/01', '', 1, 2, 1, 1, CURRENT_TIMESTAMP);");
    EXPECT_EQ(ToDoStatements().Update(9, todo).Text(),
              "update todolist set date='2024/07/01', content='', category=1, priority=2, "
              "status=1, locked=1, stamp_time=CURRENT_TIMESTAMP where id=9;");
    EXPECT_EQ(ToDoStatements().Find(todo).Text(),
              "select date, content, category, priority, status, locked, id from todolist where "
              "date = '2024/07/01';");
}

TEST_F(RecordStatementsTest, AClassCellUpdateWritesEmptyTextsAsNull) {
    CLASSTABLE cell;
    cell.weekday = 4;
    cell.class_no = 6;
    cell.abbreviation = "Ma";
    cell.teacher = "Wu";
    cell.color = 4;
    cell.locked = 1;
    cell.setting = 1;
    EXPECT_EQ(ClassCellUpdateStatement(42, WriterValues(kClassTableFields, cell)).Text(),
              "update classtable set weekday=4, class_no=6, setting=1, abbreviation=" + Q("Ma") +
                  ", course_name=NULL, teacher=" + Q("Wu") +
                  ", place=NULL, note=NULL, color=4, locked=1, stamp_time=CURRENT_TIMESTAMP where "
                  "id=42;");
}

TEST_F(RecordStatementsTest, DictionaryEntriesAreWrittenWithTheirStoredHeadword) {
    UserDictEntry entry;
    entry.hw_name = "shown form";
    entry.storedHeadword = "don't stop";
    entry.hw_match = HeadwordKey(entry.storedHeadword);
    entry.exp = "keep going";
    const FieldValues values = HeadwordValues(72, entry);

    EXPECT_EQ(HeadwordFindStatement(values).Text(),
              "select rowid, hw_name, hw_match, type, exp from tmp where hw_name = 'don''t stop';");
    EXPECT_EQ(HeadwordInsertStatement(values).Text(),
              "insert into tmp values( 72, 'don''t stop', 'don''tstop', '', 'keep going');");
    EXPECT_EQ(HeadwordUpdateStatement(3, values).Text(),
              "update tmp set dict_id=72, hw_name='don''t stop', hw_match='don''tstop', type='', "
              "exp='keep going' where rowid=3;");
}

TEST(HeadwordKeyTest, RemovesSpacesOnly) {
    EXPECT_EQ(HeadwordKey("ice cream"), "icecream");
    EXPECT_EQ(HeadwordKey(" a  b "), "ab");
    // Tabs and multi-byte characters stay; case is the rebuild's business.
    EXPECT_EQ(HeadwordKey("Ice\tcr\xC3\xA8me"), "Ice\tcr\xC3\xA8me");
    EXPECT_EQ(HeadwordKey(""), "");
}

} // namespace
} // namespace zyntra
