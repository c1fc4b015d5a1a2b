#include "personal/class_table.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

TEST(InitClassTimetable, GivesEveryCellItsLabelsAndEveryPeriodItsHour) {
    ClassGrid grid;
    ClassTimes times;
    grid[3][5].setting = 1;
    grid[3][5].stamp_time = "2026-01-01 10:00:00";
    grid[3][5].abbreviation = "Math";
    grid[3][5].course_name = "Mathematics";
    grid[3][5].teacher = "Wu";
    grid[3][5].place = "A1";
    grid[3][5].note = "bring a ruler";
    grid[0][0].color = 4;
    std::array<std::string, kWeekdayCount> weekdays = {"Mon", "Tue", "Wed", "Thu",
                                                       "Fri", "Sat", "Sun"};
    InitClassTimetable(grid, times, weekdays, "Class %d");

    const CLASSTABLE& cell = grid[3][5];
    EXPECT_EQ(cell.weekday, 4);
    EXPECT_EQ(cell.class_no, 6);
    EXPECT_EQ(cell.weekdayLabel, "Thu");
    EXPECT_EQ(cell.classLabel, "Class 6");
    EXPECT_EQ(cell.abbreviation + cell.course_name + cell.teacher + cell.place + cell.note, "");
    EXPECT_EQ(cell.displayColour, 0xFFFFFFu);
    // Fields the initialisation does not own are left as they were.
    EXPECT_EQ(cell.setting, 1);
    EXPECT_EQ(cell.stamp_time, "2026-01-01 10:00:00");
    EXPECT_EQ(grid[0][0].color, 0);
    EXPECT_EQ(grid[6][11].classLabel, "Class 12");

    const int startHours[kClassPeriodCount] = {8, 9, 10, 11, 13, 14, 15, 16, 18, 19, 20, 21};
    for (int p = 0; p < kClassPeriodCount; ++p) {
        EXPECT_EQ(times[p].startHour, startHours[p]) << p;
        EXPECT_EQ(times[p].startMinute, 0);
        EXPECT_EQ(times[p].endHour, startHours[p]);
        EXPECT_EQ(times[p].endMinute, 50);
    }
}

TEST(DisplayColour, MapsTheFiveCodesAndGreysTheRest) {
    EXPECT_EQ(DisplayColour(0), 0x0000FFu);
    EXPECT_EQ(DisplayColour(1), 0x008080u);
    EXPECT_EQ(DisplayColour(2), 0x800080u);
    EXPECT_EQ(DisplayColour(3), 0x808000u);
    EXPECT_EQ(DisplayColour(4), 0x00FF00u);
    EXPECT_EQ(DisplayColour(5), 0x808080u);
    EXPECT_EQ(DisplayColour(-1), 0x808080u);
}

} // namespace
} // namespace zyntra
