#include "kit/message_box.h"
#include "personal/class_table.h"
#include "tests/personal/engine_fixture.h"
#include "tests/support/ui_doubles.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::QueryRows;

class ClassTableWriterTest : public test::ProgramFolderTest {
protected:
    ClassTableWriterTest() {
        test::MakeDatabaseImage(image_, 1);
        InitClassTimetable(grid_, times_, {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"}, "Class %d");
    }

    void Write() {
        test::WriterSession session(image_, messages_, 0);
        WriteClassTable(session.Context(), grid_);
    }

    test::FixtureRow Row(int id) {
        return QueryRows(image_, "select weekday, class_no, abbreviation, course_name, teacher, "
                                 "place, note, color, setting, stamp_time from classtable where "
                                 "id = " +
                                     std::to_string(id))
            .at(0);
    }

    std::string image_ = folder_.File("image/PIM.db");
    ClassGrid grid_;
    ClassTimes times_;
    RecordingMessageBox messages_;
};

TEST_F(ClassTableWriterTest, WritesFilledCellsByIdAndNothingElse) {
    test::FixtureDatabase(image_).Exec("update classtable set stamp_time = 'old';"
                                       "update classtable set abbreviation = '" +
                                       test::ComplementedBytes("Art") +
                                       "', setting = 1 where id = 25;");
    const std::string timesBefore = test::FixtureDatabase(image_).QueryText(
        "select group_concat(class_start_hour || ':' || class_start_min || '-' || "
        "class_end_hour || ':' || class_end_min) from classtime");

    // An empty timetable writes nothing.
    Write();
    EXPECT_EQ(test::FixtureDatabase(image_).QueryText(
                  "select count(*) from classtable where stamp_time <> 'old'"),
              "0");

    CLASSTABLE& cell = grid_[3][5];
    cell.abbreviation = "Ma";
    cell.teacher = "Lee";
    cell.color = 4;
    cell.setting = 1;
    // Cell (2, 0) was cleared in memory: the database keeps what it had.
    grid_[2][0].setting = 0;
    times_[0] = {7, 15, 8, 5};
    Write();

    test::FixtureRow row = Row(42);
    EXPECT_EQ(row[0], "4");
    EXPECT_EQ(row[1], "6");
    EXPECT_EQ(test::Uncomplemented(row[2]), "Ma");
    EXPECT_EQ(row[3], std::nullopt);
    EXPECT_EQ(test::Uncomplemented(row[4]), "Lee");
    EXPECT_EQ(row[5], std::nullopt);
    EXPECT_EQ(row[6], std::nullopt);
    EXPECT_EQ(row[7], "4");
    EXPECT_EQ(row[8], "1");
    EXPECT_NE(row[9], "old");
    EXPECT_EQ(test::FixtureDatabase(image_).QueryText(
                  "select count(*) from classtable where stamp_time <> 'old'"),
              "1");
    EXPECT_EQ(test::Uncomplemented(Row(25)[2]), "Art");
    EXPECT_EQ(Row(25)[8], "1");
    EXPECT_EQ(test::FixtureDatabase(image_).QueryText(
                  "select group_concat(class_start_hour || ':' || class_start_min || '-' || "
                  "class_end_hour || ':' || class_end_min) from classtime"),
              timesBefore);
    EXPECT_TRUE(messages_.Shown().empty());
}

} // namespace
} // namespace zyntra
